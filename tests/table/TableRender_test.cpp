// Whole tables as a player sees them: a dealt hand and a hand in play at
// every window size, written to PNG files beside the test for a look, and
// checked for cards that would be cut off.

#include "TableFixture.h"
#include "lang/Language.h"
#include "table/TableCanvas.h"

#include <QDir>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using testing_support::dealtGame;
using testing_support::gameInPlay;

void drawWholeTable(TableCanvas &canvas, const GameState &game) {
    const bool ended = game.ToMove > 4;
    for (int seat = 1; seat <= 4; ++seat) {
        canvas.DrawHand(game, seat, seat == 4 || game.HandsOpen || ended);
        canvas.DrawTab(seat, seat == game.ToMove, game.HandPenalty[seat], game.HandPaid[seat],
                       game.Score[seat]);
        canvas.DrawNamePlate(seat, QString::fromStdString(game.SeatName[seat]),
                             PlateColour::Yellow);
    }
    canvas.DrawTable(game);
    canvas.DrawCounter(game.MatchHands, game.Bank);
}

struct Scene {
    const char *name;
    int moves; // -1: just dealt
};

TEST(TableRender, WholeTablesFitTheirWindows) {
    QDir().mkpath(QStringLiteral(QUARN_TABLE_SHOTS));
    const Scene scenes[] = {{"dealt", -1}, {"in-play", 14}, {"late", 40}};
    const struct {
        WindowSize size;
        const char *name;
    } sizes[] = {{WindowSize::Small, "small"},
                 {WindowSize::Average1, "average1"},
                 {WindowSize::Average2, "average2"},
                 {WindowSize::Large, "large"}};
    for (const auto &s : sizes) {
        const TableLayout layout = LayOutTable(s.size);
        Pictures pictures{QString()};
        pictures.loadFaces(0, layout.scaling);
        pictures.loadBacks(0, layout.scaling);
        pictures.loadBackground(2, 0, false, layout.client);
        pictures.loadTablePictures(layout.scaling);
        pictures.chooseBack(QDate(2024, 6, 5), false);
        TableCanvas canvas(pictures);
        for (const Scene &scene : scenes) {
            canvas.LayOutTable(s.size);
            GameState game = scene.moves < 0 ? dealtGame() : gameInPlay(scene.moves);
            game.SeatName[4] = "Mr.X";
            drawWholeTable(canvas, game);
            if (scene.moves == 14)
                canvas.OutlinePlayableCards(game);
            const QRect client(QPoint(0, 0), layout.client);
            for (int seat = 1; seat <= 4; ++seat) {
                const QRect area = canvas.layout().hands[seat];
                for (int slot = 1; slot <= game.CardCount[seat]; ++slot) {
                    const QRect card(area.topLeft() + QPoint(canvas.cardLefts(seat)[slot], 0),
                                     QSize(layout.card.width, layout.card.height));
                    EXPECT_TRUE(area.contains(card))
                        << s.name << " seat " << seat << " slot " << slot;
                    EXPECT_TRUE(client.contains(card))
                        << s.name << " seat " << seat << " slot " << slot;
                }
            }
            const QString file =
                QStringLiteral(QUARN_TABLE_SHOTS "/table-%1-%2.png").arg(s.name, scene.name);
            EXPECT_TRUE(canvas.image().save(file)) << file.toStdString();
        }
    }
}

TEST(TableRender, CounterSpeaksTheCurrentLanguage) {
    const TableLayout layout = LayOutTable(WindowSize::Small);
    Pictures pictures{QString()};
    pictures.loadTablePictures(layout.scaling);
    TableCanvas canvas(pictures);
    canvas.LayOutTable(WindowSize::Small);
    const GameState game = gameInPlay(14);
    QImage english;
    for (int language = 0; language < languageCount; ++language) {
        setLanguage(language);
        drawWholeTable(canvas, game);
        const QImage counter = canvas.image().copy(canvas.layout().counter);
        if (language == English)
            english = counter;
        else
            EXPECT_NE(counter, english) << "language " << language;
        canvas.image().save(
            QStringLiteral(QUARN_TABLE_SHOTS "/table-small-language%1.png").arg(language));
    }
    setLanguage(English);
}

} // namespace
} // namespace quarn
