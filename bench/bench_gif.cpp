// Saving a hand's film: 250 frames of the small window (760 x 500), as the
// recording keeps them (the changed rectangles), and a worst case in which
// every frame changes the whole window.
#include "table/GifWriter.h"
#include "table/HandFilm.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

namespace {

using namespace quarn;

constexpr QSize smallWindow(760, 500);

// The table with `moves` cards laid out in rows and a few hands of cards.
QImage tableAfter(int moves, int shade) {
    QImage picture(smallWindow, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient felt(0, 0, smallWindow.width(), smallWindow.height());
    felt.setColorAt(0, QColor(0x1E, 0x6B + shade % 16, 0x34));
    felt.setColorAt(1, QColor(0x0C, 0x3A, 0x1A));
    p.fillRect(picture.rect(), felt);
    for (int seat = 0; seat < 4; ++seat)
        for (int card = 0; card < 9 - moves / 4 % 9; ++card)
            p.fillRect(QRect(40 + seat * 170 + card * 12, seat % 2 ? 30 : 380, 71, 96),
                       QColor(0xF4, 0xF0, 0xE0));
    for (int m = 0; m < moves; ++m) {
        const QRect card(200 + (m % 9) * 40, 150 + (m / 9 % 4) * 30, 71, 96);
        p.fillRect(card, Qt::white);
        p.setPen(m % 2 ? Qt::red : Qt::black);
        p.drawRect(card.adjusted(0, 0, -1, -1));
        p.fillRect(QRect(card.x() + 5, card.y() + 5, 6 + m % 9, 10), m % 2 ? Qt::red : Qt::black);
    }
    return picture;
}

std::vector<GifFrame> film(bool wholeFrames) {
    HandFilm hand;
    hand.start();
    for (int frame = 0; hand.frameCount() < HandFilm::MaxFrames; ++frame)
        hand.offer(tableAfter(frame % 36, wholeFrames ? frame : 0), 200);
    return hand.takeFrames();
}

void saveFilmOf(benchmark::State &state, bool wholeFrames) {
    const std::vector<GifFrame> frames = film(wholeFrames);
    QTemporaryDir dir;
    std::int64_t bytes = 0;
    for (auto _ : state) {
        if (!saveFilm(dir.path(), QStringLiteral("film.gif"), frames, smallWindow))
            state.SkipWithError("film not written");
        bytes = QFileInfo(dir.filePath(QStringLiteral("film.gif"))).size();
    }
    state.counters["frames"] = double(frames.size());
    state.counters["kB"] = double(bytes) / 1024.0;
}

void BM_SaveFilmOfAHand(benchmark::State &state) {
    saveFilmOf(state, false);
}
void BM_SaveFilmWholeFramesChanged(benchmark::State &state) {
    saveFilmOf(state, true);
}

BENCHMARK(BM_SaveFilmOfAHand)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveFilmWholeFramesChanged)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
