// The film of a hand and the GIF writer: which pictures are kept, what the
// encoder writes (read back with giflib), and how films reach the disk.
#include "table/FilmSaver.h"
#include "table/GifWriter.h"
#include "table/HandFilm.h"

#include "tests/table/DecodedGif.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>

namespace quarn {
namespace {

using testing::decodeGif;
using testing::largestChannelDifference;

// A table-like picture: a felt gradient with a few coloured cards.
QImage tablePicture(QSize size, int cards) {
    QImage picture(size, QImage::Format_RGB32);
    QPainter p(&picture);
    QLinearGradient felt(0, 0, size.width(), size.height());
    felt.setColorAt(0, QColor(0x1E, 0x6B, 0x34));
    felt.setColorAt(1, QColor(0x0C, 0x3A, 0x1A));
    p.fillRect(picture.rect(), felt);
    for (int i = 0; i < cards; ++i) {
        p.fillRect(QRect(10 + i * 30, 20, 26, 36), Qt::white);
        p.fillRect(QRect(14 + i * 30, 24, 8, 8), i % 2 ? Qt::red : Qt::black);
    }
    return picture;
}

QImage filled(QSize size, QRgb colour) {
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// ---- Comparing pictures ----------------------------------------------------------

struct ChangeCase {
    const char *name;
    QSize before;
    std::vector<QPoint> changed; // pixels painted in another colour
    QSize after;
    QRect expected;
};

class ChangedRectangle : public ::testing::TestWithParam<ChangeCase> {};

TEST_P(ChangedRectangle, BoundsEveryChangedPixel) {
    const ChangeCase &c = GetParam();
    const QImage before = filled(c.before, qRgb(10, 20, 30));
    QImage after = filled(c.after, qRgb(10, 20, 30));
    for (QPoint at : c.changed)
        after.setPixel(at, qRgb(10, 20, 31));
    EXPECT_EQ(changedRectangle(before, after), c.expected);
    EXPECT_EQ(samePicture(before, after), c.expected.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ChangedRectangle,
    ::testing::Values(
        ChangeCase{"Equal", {40, 30}, {}, {40, 30}, QRect()},
        ChangeCase{"OnePixel", {40, 30}, {{7, 9}}, {40, 30}, QRect(7, 9, 1, 1)},
        ChangeCase{"Corners", {40, 30}, {{0, 0}, {39, 29}}, {40, 30}, QRect(0, 0, 40, 30)},
        ChangeCase{"TwoSpots", {40, 30}, {{30, 3}, {5, 20}}, {40, 30}, QRect(5, 3, 26, 18)},
        ChangeCase{"LastColumnOnly", {40, 30}, {{39, 12}}, {40, 30}, QRect(39, 12, 1, 1)},
        ChangeCase{"OtherSize", {40, 30}, {}, {41, 30}, QRect(0, 0, 41, 30)}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(SamePicture, FormatDoesNotMatterOnlyPixels) {
    const QImage rgb = tablePicture({60, 40}, 1);
    EXPECT_TRUE(samePicture(rgb, rgb.convertToFormat(QImage::Format_ARGB32_Premultiplied)));
    EXPECT_FALSE(samePicture(rgb, tablePicture({60, 40}, 2)));
}

// ---- The film --------------------------------------------------------------------

TEST(HandFilm, KeepsOnlyChangedPicturesAsTheirChangedRectangles) {
    HandFilm film;
    film.start();
    const QSize size(120, 80);
    EXPECT_TRUE(film.offer(tablePicture(size, 1), 200));
    for (int idle = 0; idle < 100; ++idle)
        EXPECT_FALSE(film.offer(tablePicture(size, 1), 200))
            << "an unchanged picture adds no frame";
    EXPECT_TRUE(film.offer(tablePicture(size, 2), 200));
    EXPECT_FALSE(film.offer(QImage(), 200)) << "a failed capture adds nothing";

    ASSERT_EQ(film.frameCount(), 2);
    EXPECT_EQ(film.screen(), size);
    EXPECT_EQ(QRect(film.frames()[0].at, film.frames()[0].picture.size()),
              QRect(QPoint(0, 0), size));
    // Only the second card appeared.
    EXPECT_EQ(QRect(film.frames()[1].at, film.frames()[1].picture.size()), QRect(40, 20, 26, 36));

    const std::vector<GifFrame> frames = film.takeFrames();
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].delayMs, 200);
    EXPECT_EQ(frames[1].delayMs, HandFilm::LastFrameMs);
    EXPECT_EQ(film.frameCount(), 0) << "taking the frames empties the film";
    EXPECT_TRUE(film.offer(tablePicture(size, 2), 200)) << "a new film starts from a whole picture";
}

TEST(HandFilm, StopsAtTwoHundredFiftyFramesAndStillKeepsThem) {
    HandFilm film;
    film.start();
    for (int i = 0; i < 300; ++i)
        film.offer(filled({16, 16}, qRgb(i % 256, i / 256, 7)), 100);
    EXPECT_EQ(film.frameCount(), HandFilm::MaxFrames);
    EXPECT_TRUE(film.full());
    EXPECT_EQ(film.takeFrames().size(), std::size_t(HandFilm::MaxFrames));
}

TEST(HandFilm, PictureOfAnotherSizeIsANewWholeFrame) {
    HandFilm film;
    film.start();
    film.offer(filled({30, 20}, qRgb(1, 2, 3)), 100);
    EXPECT_TRUE(film.offer(filled({34, 24}, qRgb(1, 2, 3)), 100));
    ASSERT_EQ(film.frameCount(), 2);
    EXPECT_EQ(film.frames()[1].at, QPoint(0, 0));
    EXPECT_EQ(film.frames()[1].picture.size(), QSize(34, 24));
}

struct NameCase {
    QDateTime moment;
    const char *name;
};

TEST(FilmFileName, DateAndTimeWithPoints) {
    const NameCase cases[] = {
        {QDateTime(QDate(2022, 10, 18), QTime(9, 28, 14)), "2022.10.18-09.28.14.gif"},
        {QDateTime(QDate(2009, 1, 2), QTime(23, 5, 7)), "2009.01.02-23.05.07.gif"},
        {QDateTime(QDate(2030, 12, 31), QTime(0, 0, 0)), "2030.12.31-00.00.00.gif"},
    };
    for (const NameCase &c : cases)
        EXPECT_EQ(filmFileName(c.moment), QString::fromLatin1(c.name));
}

// ---- The encoder -----------------------------------------------------------------

TEST(GifDelay, RoundedToHundredthsAndNeverZero) {
    const std::pair<int, int> cases[] = {{10, 1},   {14, 1},     {15, 2},
                                         {200, 20}, {1000, 100}, {5000, 500},
                                         {0, 1},    {-30, 1},    {10'000'000, 65535}};
    for (auto [ms, cs] : cases)
        EXPECT_EQ(gifDelayCentiseconds(ms), cs) << ms << " ms";
}

TEST(GifEncoder, FilmReadsBackAsTheHandWasSeen) {
    const QSize size(160, 100);
    std::vector<QImage> seen;
    HandFilm film;
    film.start();
    for (int cards = 1; cards <= 4; ++cards) {
        seen.push_back(tablePicture(size, cards));
        ASSERT_TRUE(film.offer(seen.back(), 300));
    }
    GifOptions options;
    options.screen = film.screen();
    const std::optional<testing::DecodedGif> gif =
        decodeGif(encodeAnimatedGif(film.takeFrames(), options));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->screen, size);
    EXPECT_TRUE(gif->loops);
    ASSERT_EQ(gif->frames.size(), seen.size());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        const testing::DecodedFrame &frame = gif->frames[i];
        EXPECT_EQ(frame.delayCs, i + 1 == seen.size() ? 500 : 30) << "frame " << i;
        EXPECT_EQ(frame.disposal, DISPOSE_DO_NOT) << "a part frame is drawn over the ones before";
        EXPECT_EQ(frame.transparent, NO_TRANSPARENT_COLOR);
        EXPECT_LE(largestChannelDifference(frame.shown, seen[i]), 24) << "frame " << i;
    }
    EXPECT_EQ(gif->frames[0].rect, QRect(QPoint(0, 0), size));
    EXPECT_LT(gif->frames[1].rect.width() * gif->frames[1].rect.height(),
              size.width() * size.height() / 8);
}

TEST(GifEncoder, AnimationsKeepTheirTransparency) {
    QImage frame(QSize(20, 20), QImage::Format_ARGB32);
    frame.fill(Qt::transparent);
    QPainter(&frame).fillRect(QRect(5, 5, 10, 10), Qt::blue);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.gif"));
    ASSERT_TRUE(
        writeAnimatedGif(path, std::vector<QImage>{frame, frame.mirrored(true, false)}, 80));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const std::optional<testing::DecodedGif> gif = decodeGif(file.readAll());
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->frames.size(), 2u);
    for (const testing::DecodedFrame &f : gif->frames) {
        EXPECT_EQ(f.delayCs, 8);
        EXPECT_EQ(f.disposal, DISPOSE_BACKGROUND);
        EXPECT_NE(f.transparent, NO_TRANSPARENT_COLOR);
        EXPECT_EQ(qAlpha(f.shown.pixel(0, 0)), 0);
        EXPECT_EQ(f.shown.pixel(10, 10), qRgb(0, 0, 255));
    }
}

TEST(GifEncoder, FramesOffTheScreenAreClippedNotRefused) {
    const std::vector<GifFrame> frames{{filled({10, 10}, qRgb(200, 0, 0)), {0, 0}, 100},
                                       {filled({8, 8}, qRgb(0, 200, 0)), {6, 6}, 100},
                                       {filled({4, 4}, qRgb(0, 0, 200)), {50, 50}, 100}};
    const std::optional<testing::DecodedGif> gif = decodeGif(encodeAnimatedGif(frames, {}));
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->frames.size(), 3u);
    EXPECT_EQ(gif->frames[1].rect, QRect(6, 6, 4, 4));
    EXPECT_TRUE(QRect(0, 0, 10, 10).contains(gif->frames[2].rect));
}

TEST(GifEncoder, NothingToWriteGivesNoBytes) {
    EXPECT_TRUE(encodeAnimatedGif({}, {}).isEmpty());
    EXPECT_TRUE(encodeAnimatedGif({{QImage(), {0, 0}, 100}}, {}).isEmpty());
}

// ---- Writing films ---------------------------------------------------------------

std::vector<GifFrame> smallFilm() {
    return {{filled({12, 8}, qRgb(1, 2, 3)), {0, 0}, 100},
            {filled({2, 2}, qRgb(9, 9, 9)), {3, 3}, 5000}};
}

QStringList entries(const QString &folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                  QDir::Name);
}

TEST(SaveFilm, CreatesTheFolderAndReplacesAFilmOfTheSameName) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("GIFGame"));
    ASSERT_TRUE(saveFilm(folder, QStringLiteral("x.gif"), smallFilm(), {12, 8}));
    std::vector<GifFrame> longer = smallFilm();
    longer.insert(longer.begin() + 1, {filled({1, 1}, qRgb(80, 80, 80)), {0, 0}, 100});
    ASSERT_TRUE(saveFilm(folder, QStringLiteral("x.gif"), longer, {12, 8}));
    EXPECT_EQ(entries(folder), QStringList{QStringLiteral("x.gif")});
    const std::optional<testing::DecodedGif> gif =
        testing::decodeGifFile(folder + QStringLiteral("/x.gif"));
    ASSERT_TRUE(gif);
    EXPECT_EQ(gif->frames.size(), 3u);
}

struct ObstacleCase {
    const char *name;
    bool folderIsAFile; // "GIFGame" is a plain file
    bool nameIsAFolder; // the film's name is taken by a folder
};

class SaveFilmBlocked : public ::testing::TestWithParam<ObstacleCase> {};

TEST_P(SaveFilmBlocked, FailsAndLeavesWhatWasThere) {
    const ObstacleCase &c = GetParam();
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("GIFGame"));
    if (c.folderIsAFile) {
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("mine");
    }
    if (c.nameIsAFolder) {
        ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/x.gif")));
    }
    EXPECT_FALSE(saveFilm(folder, QStringLiteral("x.gif"), smallFilm(), {12, 8}));
    if (c.folderIsAFile) {
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("mine"));
    } else {
        EXPECT_EQ(entries(folder), QStringList{QStringLiteral("x.gif")})
            << "no temporary file is left";
        EXPECT_TRUE(QFileInfo(folder + QStringLiteral("/x.gif")).isDir());
    }
}

INSTANTIATE_TEST_SUITE_P(Obstacles, SaveFilmBlocked,
                         ::testing::Values(ObstacleCase{"FolderIsAFile", true, false},
                                           ObstacleCase{"NameIsAFolder", false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FilmSaver, WritesFilmsInTurnAndReportsEachOnce) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("GIFGame"));
    QObject context;
    int told = 0;
    FilmSaver saver;
    std::vector<bool> results;
    const auto written = [&] {
        ++told;
        if (const std::optional<bool> ok = saver.takeResult())
            results.push_back(*ok);
    };
    saver.save(folder, QStringLiteral("1.gif"), smallFilm(), {12, 8}, &context, written);
    // The second film waits for the first; the first's result is taken here.
    saver.wait();
    ASSERT_EQ(saver.takeResult(), std::optional<bool>(true));
    EXPECT_FALSE(saver.takeResult().has_value()) << "a result is given once";
    saver.save(folder, QStringLiteral("2.gif"), smallFilm(), {12, 8}, &context, written);
    saver.wait();
    EXPECT_FALSE(saver.busy());
    QCoreApplication::sendPostedEvents(&context);
    EXPECT_EQ(told, 2) << "the owner is told of each film on its own thread";
    EXPECT_EQ(results, std::vector<bool>{true}) << "the first result was taken already";
    EXPECT_EQ(entries(folder), (QStringList{QStringLiteral("1.gif"), QStringLiteral("2.gif")}));
}

TEST(FilmSaver, UnwritableFilmIsReportedAsFailed) {
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("GIFGame"));
    ASSERT_TRUE(QDir().mkpath(folder + QStringLiteral("/x.gif")));
    FilmSaver saver;
    saver.save(folder, QStringLiteral("x.gif"), smallFilm(), {12, 8}, nullptr, {});
    saver.wait();
    EXPECT_EQ(saver.takeResult(), std::optional<bool>(false));
}

} // namespace
} // namespace quarn
