// The table's drawing: one step of a card flight at the large window
// (restore, draw, copy to the window) and a full redraw of the table.

#include "rules/Match.h"
#include "rules/Moves.h"
#include "table/TableCanvas.h"

#include <QGuiApplication>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace quarn;

void ensureApplication() {
    static std::unique_ptr<QGuiApplication> app;
    if (QGuiApplication::instance() != nullptr)
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quarn-bench";
    static char *argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

GameState handInPlay() {
    GameState game;
    NewMatch(game, PlayerStanding{"Mr.X", 0.0, 0, 0});
    DeckRandom random(46);
    NewHand(game, ShuffleDeck(random));
    StartHand(game);
    for (int move = 0; move < 14 && game.HandInPlay(); ++move) {
        const int seat = game.ToMove;
        int chosen = 0;
        for (int slot = 1; slot <= game.CardCount[seat] && chosen == 0; ++slot)
            if (IsPlayable(game, game.Hands[seat][slot].card))
                chosen = slot;
        if (chosen != 0)
            PlayCard(game, seat, chosen, Announce::No);
        else
            Pass(game, seat, Announce::No, Advance::Yes);
    }
    return game;
}

struct Table {
    explicit Table(WindowSize size) : layout(LayOutTable(size)) {
        ensureApplication();
        pictures = std::make_unique<Pictures>(QString());
        pictures->loadFaces(0, layout.scaling);
        pictures->loadBacks(0, layout.scaling);
        pictures->loadBackground(2, 0, false, layout.client);
        pictures->loadTablePictures(layout.scaling);
        canvas = std::make_unique<TableCanvas>(*pictures);
        canvas->LayOutTable(size);
    }
    void drawAll(const GameState &game) {
        for (int seat = 1; seat <= 4; ++seat) {
            canvas->DrawHand(game, seat, seat == 4);
            canvas->DrawTab(seat, seat == game.ToMove, game.HandPenalty[seat], game.HandPaid[seat],
                            game.Score[seat]);
            canvas->DrawNamePlate(seat, QString::fromStdString(game.SeatName[seat]),
                                  PlateColour::Yellow);
        }
        canvas->DrawTable(game);
        canvas->DrawCounter(game.MatchHands, game.Bank);
    }

    TableLayout layout;
    std::unique_ptr<Pictures> pictures;
    std::unique_ptr<TableCanvas> canvas;
};

// The window's side of a flight: each shown rectangle is copied from the
// canvas into the window's own picture.
class WindowCopy : public FlightView {
  public:
    explicit WindowCopy(const TableCanvas &canvas)
        : canvas_(canvas), window_(canvas.image().size(), QImage::Format_RGB32) {}
    void showFlightRect(const QRect &rect) override {
        QPainter painter(&window_);
        painter.drawImage(rect.topLeft(), canvas_.image(), rect);
    }
    void pause(int) override {}

  private:
    const TableCanvas &canvas_;
    QImage window_;
};

void BM_FlightStepLargeWindow(benchmark::State &state) {
    Table table(WindowSize::Large);
    const GameState game = handInPlay();
    table.drawAll(game);
    WindowCopy window(*table.canvas);
    const QPoint from = table.canvas->flightStart(4, 3);
    const QPoint to = table.canvas->flightEnd(MakeCard(kHearts, kAce));
    std::int64_t steps = 0;
    for (auto _ : state)
        steps += table.canvas->FlyCard(from, to, MakeCard(kHearts, kAce), 5, window);
    // One item is one step: restore the old place, draw the card, copy the rectangle.
    state.SetItemsProcessed(steps);
    state.counters["steps_per_flight"] = double(FlightPath(from, to).steps());
}
BENCHMARK(BM_FlightStepLargeWindow)->Unit(benchmark::kMillisecond);

void BM_FullRedraw(benchmark::State &state) {
    const WindowSize size = WindowSize(state.range(0));
    Table table(size);
    const GameState game = handInPlay();
    for (auto _ : state) {
        table.drawAll(game);
        benchmark::DoNotOptimize(table.canvas->image().constBits());
    }
}
BENCHMARK(BM_FullRedraw)
    ->Arg(int(WindowSize::Small))
    ->Arg(int(WindowSize::Large))
    ->Unit(benchmark::kMicrosecond);

} // namespace
