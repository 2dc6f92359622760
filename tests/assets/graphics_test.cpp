// The graphics library WemCGraph1.dll as the build makes it: every name the
// windows, the salute and the main window ask for, at the sizes they draw,
// readable through the program's loaders from the program folder and from
// its parent, and a damaged copy refused without harm.
#include "lang/Language.h"
#include "table/Pictures.h"
#include "ui/GraphicsLibrary.h"
#include "ui/LibraryWindows.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QImageReader>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quarn {
namespace {

const QString libraryPath = QStringLiteral(QUARN_DIST_DIR "/WemCGraph1.dll");

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// One expected entry: its kind, its name and the picture's size (an empty
// size: any width up to `maxWidth`, at the given height).
struct Entry {
    QString kind;
    QString name;
    QSize size;
    int maxWidth = 0;
};

std::ostream &operator<<(std::ostream &out, const Entry &entry) {
    return out << entry.kind.toStdString() << '/' << entry.name.toStdString();
}

// Every entry the library must hold, by the naming scheme: per window and per
// language (Japanese and Korean read the English pictures), plus the single
// pictures and animations.
std::vector<Entry> expectedEntries() {
    std::vector<Entry> entries;
    const QString png = QStringLiteral("png");
    for (const LibraryWindow &window : libraryWindows) {
        const QString w = qs(window.name);
        entries.push_back(
            {QStringLiteral("jpeg"), QStringLiteral("GForm") + w, {window.width, window.height}});
        entries.push_back({png, QStringLiteral("GIcon48") + w, {libraryIconSide, libraryIconSide}});
        for (int language = 0; language < languageCount; ++language) {
            const QString code = qs(pictureCode(language));
            entries.push_back({png,
                               QStringLiteral("GForm") + w + code,
                               {window.headingWidth, libraryHeadingHeight}});
            if (window.conciseByLanguage)
                entries.push_back({png, qs(window.concise) + code, {}, window.width});
        }
        if (!window.conciseByLanguage)
            entries.push_back({png, qs(window.concise), {}, window.width});
        if (!window.redHeading.empty())
            entries.push_back({png, qs(window.redHeading), {window.redWidth, window.redHeight}});
    }
    entries.push_back({QStringLiteral("jpeg"), QStringLiteral("BGLilu"), {760, 500}});
    entries.push_back({png, QStringLiteral("GTouch"), {3000, 100}});
    entries.push_back({png, QStringLiteral("GIcon48COunt"), {60 * 48, 48}});
    for (char letter = 'A'; letter <= 'G'; ++letter)
        entries.push_back(
            {QStringLiteral("gif"), QStringLiteral("Gif") + QLatin1Char(letter), {70, 70}});
    return entries;
}

// The names the windows are written against, spelt out: the table above must
// not lose one of them.
const char *const namedByTheWindows[] = {
    "GFormOpt",   "GIcon48Opt",  "OptionsEng",  "GFormOptRus",  "GFormCount", "GIcon48COunt",
    "CountInfo",  "GFormCountL", "GFormStat",   "GIcon48Stat",  "WorldStats", "GFormStatL",
    "GFormRadio", "Radio",       "GFormRadioL", "GFormHistory", "HistoryChi", "GFormTopTenCze",
    "GIcon48End", "EndIta",      "BGLilu",      "GTouch",       "GifA",       "GifG",
};

class GraphicsLibraryFile : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(QFile::exists(libraryPath)) << "build the library first";
        ASSERT_TRUE(QResource::registerResource(libraryPath, QStringLiteral("/graphics-test")));
    }
    static void TearDownTestSuite() {
        QResource::unregisterResource(libraryPath, QStringLiteral("/graphics-test"));
    }

    static QByteArray bytes(const QString &kind, const QString &name) {
        QFile file(QStringLiteral(":/graphics-test/") + kind + QLatin1Char('/') + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static QImage picture(const QString &kind, const QString &name) {
        return QImage::fromData(bytes(kind, name));
    }
};

// Distinct colours, sampled: a flat or blank picture has few.
int distinctColours(const QImage &image) {
    QSet<QRgb> seen;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            seen.insert(image.pixel(x, y));
    return int(seen.size());
}

// The share of pixels with some opacity.
double inkShare(const QImage &image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    qint64 ink = 0;
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x)
            ink += qAlpha(argb.pixel(x, y)) > 40;
    return double(ink) / (argb.width() * argb.height());
}

// True when the outermost row and column of pixels are clear: nothing was cut off.
bool clearEdges(const QImage &image) {
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int x = 0; x < argb.width(); ++x)
        if (qAlpha(argb.pixel(x, 0)) > 60 || qAlpha(argb.pixel(x, argb.height() - 1)) > 60)
            return false;
    for (int y = 0; y < argb.height(); ++y)
        if (qAlpha(argb.pixel(0, y)) > 60 || qAlpha(argb.pixel(argb.width() - 1, y)) > 60)
            return false;
    return true;
}

TEST_F(GraphicsLibraryFile, HoldsEveryEntryAtItsSize) {
    for (const Entry &entry : expectedEntries()) {
        SCOPED_TRACE(::testing::PrintToString(entry));
        const QByteArray data = bytes(entry.kind, entry.name);
        ASSERT_FALSE(data.isEmpty());
        QBuffer buffer;
        buffer.setData(data);
        QImageReader reader(&buffer);
        const QSize size = reader.size();
        if (entry.size.isValid()) {
            EXPECT_EQ(size, entry.size);
        } else {
            EXPECT_EQ(size.height(), conciseHeadingHeight);
            EXPECT_LE(size.width(), entry.maxWidth);
        }
        if (entry.kind == QLatin1String("gif")) {
            EXPECT_EQ(reader.format(), QByteArray("gif"));
            EXPECT_GT(reader.imageCount(), 1) << "an animation";
        } else {
            EXPECT_EQ(reader.format(),
                      entry.kind == QLatin1String("png") ? QByteArray("png") : QByteArray("jpeg"));
        }
    }
}

TEST_F(GraphicsLibraryFile, HoldsTheNamesTheWindowsAskFor) {
    const std::vector<Entry> entries = expectedEntries();
    for (const char *name : namedByTheWindows) {
        const bool listed = std::any_of(entries.begin(), entries.end(), [&](const Entry &e) {
            return e.name == QLatin1String(name);
        });
        EXPECT_TRUE(listed) << name;
    }
}

TEST_F(GraphicsLibraryFile, BackgroundsAreRichAndHeadingsStandOnAClearGround) {
    for (const Entry &entry : expectedEntries()) {
        SCOPED_TRACE(::testing::PrintToString(entry));
        if (entry.kind == QLatin1String("gif"))
            continue;
        const QImage image = picture(entry.kind, entry.name);
        ASSERT_FALSE(image.isNull());
        if (entry.kind == QLatin1String("jpeg")) {
            EXPECT_GT(distinctColours(image), 200);
            continue;
        }
        // Lettering, icons and strips: drawn on a transparent ground, with
        // enough ink to be seen and nothing cut off at the edges.
        EXPECT_TRUE(image.hasAlphaChannel());
        EXPECT_GT(inkShare(image), 0.04);
        EXPECT_LT(inkShare(image), 0.9);
        if (!entry.name.startsWith(QLatin1String("GIcon48")) &&
            entry.name != QLatin1String("GTouch"))
            EXPECT_TRUE(clearEdges(image));
    }
}

TEST_F(GraphicsLibraryFile, HeadingsAreDrawnInTheirLanguage) {
    for (const LibraryWindow &window : libraryWindows) {
        const QString base = QStringLiteral("GForm") + qs(window.name);
        SCOPED_TRACE(base.toStdString());
        const QImage english = picture(QStringLiteral("png"), base + QStringLiteral("Eng"));
        // The Cyrillic and Chinese headings hold the title in their script,
        // not the English one (German may share a word such as "Radio").
        for (const char *code : {"Rus", "Chi"}) {
            const QImage other = picture(QStringLiteral("png"), base + QLatin1String(code));
            EXPECT_NE(other, english) << code;
            EXPECT_GT(inkShare(other), 0.04) << code;
        }
    }
}

TEST_F(GraphicsLibraryFile, HeadingsFitBesideTheIconAndOnTheirRibbons) {
    // "Purple" centres the heading across the window; the icon stands at
    // (9, 22), 48 px wide, so the heading keeps 57 px clear on each side.
    for (const LibraryWindow &window : libraryWindows) {
        for (int language = 0; language < languageCount; ++language) {
            const QString name =
                QStringLiteral("GForm") + qs(window.name) + qs(pictureCode(language));
            const QImage heading = picture(QStringLiteral("png"), name);
            EXPECT_LE(heading.width(), window.width - 2 * (9 + 48)) << name.toStdString();
        }
    }
    // "Gray with red ribbons" draws the heading over the window's ribbon.
    struct OnRibbon {
        const char *heading;
        int ribbonWidth;
        int ribbonHeight;
    };
    const OnRibbon onRibbons[] = {
        {"GFormOptEng", 280, 90},     {"GFormHistoryRus", 590, 116}, {"GFormEndFra", 590, 116},
        {"GFormTopTenChi", 360, 100}, {"GFormCountL", 200, 100},     {"GFormStatL", 360, 100},
        {"GFormRadioL", 280, 90},
    };
    for (const OnRibbon &entry : onRibbons) {
        const QImage heading = picture(QStringLiteral("png"), QLatin1String(entry.heading));
        EXPECT_LE(heading.width(), entry.ribbonWidth) << entry.heading;
        EXPECT_LE(heading.height(), entry.ribbonHeight) << entry.heading;
    }
}

// Distinct frames of a strip of square frames side by side.
int distinctFrames(const QImage &strip, int side) {
    QSet<QByteArray> frames;
    for (int x = 0; x + side <= strip.width(); x += side) {
        const QImage frame = strip.copy(x, 0, side, side).convertToFormat(QImage::Format_ARGB32);
        frames.insert(QByteArray(reinterpret_cast<const char *>(frame.constBits()),
                                 qsizetype(frame.sizeInBytes())));
    }
    return int(frames.size());
}

TEST_F(GraphicsLibraryFile, StripsMoveFromFrameToFrame) {
    struct Strip {
        const char *name;
        int side;
        int frames;
    };
    for (const Strip &strip : {Strip{"GTouch", 100, 30}, Strip{"GIcon48COunt", 48, 60}}) {
        SCOPED_TRACE(strip.name);
        const QImage image = picture(QStringLiteral("png"), QLatin1String(strip.name));
        ASSERT_EQ(image.width(), strip.side * strip.frames);
        EXPECT_GE(distinctFrames(image, strip.side), strip.frames / 2);
    }
    // The ripple is drawn over the screen: its corners stay see-through.
    const QImage touch = picture(QStringLiteral("png"), QStringLiteral("GTouch"));
    for (int frame = 0; frame < 30; ++frame)
        EXPECT_EQ(qAlpha(touch.pixel(frame * 100, 0)), 0) << frame;
}

// A program folder with the library copied in (or into its parent).
class GraphicsLibraryCopy : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root.isValid());
        program = root.path() + QStringLiteral("/Quarn/");
        ASSERT_TRUE(QDir().mkpath(program));
    }
    bool copyTo(const QString &folder) {
        return QFile::copy(libraryPath, folder + QStringLiteral("WemCGraph1.dll"));
    }

    QTemporaryDir root;
    QString program;
};

TEST_F(GraphicsLibraryCopy, WindowLoaderFindsEveryEntryBesideTheProgramOrAbove) {
    QStringList names;
    for (const Entry &entry : expectedEntries())
        names << entry.name;
    for (const QString &place : {QStringLiteral("program"), QStringLiteral("parent")}) {
        SCOPED_TRACE(place.toStdString());
        const QString folder =
            place == QLatin1String("program") ? program : root.path() + QLatin1Char('/');
        ASSERT_TRUE(copyTo(folder));
        const auto library = GraphicsLibrary::load(program, names);
        ASSERT_TRUE(library.has_value());
        for (const QString &name : names)
            EXPECT_TRUE(library->has(name)) << name.toStdString();
        EXPECT_EQ(library->picture(QStringLiteral("GFormCount")).size(), QSize(325, 500));
        EXPECT_EQ(library->picture(QStringLiteral("GTouch")).size(), QSize(3000, 100));
        QFile::remove(folder + QStringLiteral("WemCGraph1.dll"));
    }
}

TEST_F(GraphicsLibraryCopy, TableLoaderReadsPicturesAnimationsAndThePurpleBackground) {
    ASSERT_TRUE(copyTo(program));
    Pictures pictures(program);
    const QString file = QStringLiteral("WemCGraph1.dll");
    QImage picture;
    ASSERT_TRUE(pictures.loadPicture(QStringLiteral("GIcon48Opt"), file, picture));
    EXPECT_EQ(picture.size(), QSize(48, 48));
    ASSERT_TRUE(pictures.loadJpeg(QStringLiteral("BGLilu"), file, picture));
    EXPECT_EQ(picture.size(), QSize(760, 500));
    QByteArray animation;
    ASSERT_TRUE(pictures.loadAnimation(QStringLiteral("GifE"), file, animation));
    EXPECT_EQ(QImage::fromData(animation).size(), QSize(70, 70));

    struct Window {
        QSize client;
    };
    for (const Window &window : {Window{{760, 500}}, Window{{990, 650}}, Window{{1520, 1000}}}) {
        EXPECT_TRUE(pictures.loadBackground(2, 0, true, window.client));
        EXPECT_EQ(pictures.backgroundImage().size(), window.client);
        EXPECT_GT(distinctColours(pictures.backgroundImage()), 200)
            << "the purple velvet, not the built-in felt";
    }
}

TEST_F(GraphicsLibraryCopy, DamagedLibraryIsRefusedWithoutHarm) {
    QFile whole(libraryPath);
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray all = whole.readAll();
    struct Damage {
        const char *what;
        QByteArray bytes;
    };
    QByteArray scrambled = all;
    for (qsizetype i = 4; i < scrambled.size(); i += 97)
        scrambled[i] = char(scrambled[i] ^ 0x5A);
    const Damage damages[] = {
        {"empty", QByteArray()},
        {"header only", all.left(16)},
        {"cut in half", all.left(all.size() / 2)},
        {"not a library", QByteArray("MZ this is no resource bundle at all")},
        {"scrambled", scrambled},
    };
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.what);
        QFile out(program + QStringLiteral("WemCGraph1.dll"));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(damage.bytes);
        out.close();
        const auto library = GraphicsLibrary::load(
            program, {QStringLiteral("GFormCount"), QStringLiteral("GTouch")});
        // Either refused or read as missing pictures; never a picture of the wrong size.
        if (library) {
            const QImage background = library->picture(QStringLiteral("GFormCount"));
            EXPECT_TRUE(background.isNull() || background.size() == QSize(325, 500));
        }
    }
}

} // namespace
} // namespace quarn

int main(int argc, char **argv) {
    // Reading pictures needs an application object, but no display.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
