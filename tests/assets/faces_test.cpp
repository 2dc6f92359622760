// The card-face libraries WemCards06A/B/C.dll: every name the loader asks for
// is there at its size, every set loads through Pictures from a program
// folder that holds the libraries and falls back to the built-in set when
// they are missing, and no two sets share a look.

#include "table/Pictures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QResource>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>

namespace quarn {
namespace {

const QString distDir = QStringLiteral(QUARN_DIST_DIR);
const QStringList cardLibraries{QLatin1String(cardsLibraryA), QLatin1String(cardsLibraryB),
                                QLatin1String(cardsLibraryC)};

const Scaling smallScale;
const Scaling average1Scale = Scaling::forWindow(WindowSize::Average1);
const Scaling largeScale = Scaling::forWindow(WindowSize::Large);

// A library mounted for one test, released at its end.
class MountedLibrary {
  public:
    explicit MountedLibrary(const QString &file)
        : path_(distDir + QLatin1Char('/') + file), root_(QStringLiteral("/faces-test/") + file) {
        ok_ = QResource::registerResource(path_, root_);
    }
    ~MountedLibrary() {
        if (ok_)
            QResource::unregisterResource(path_, root_);
    }
    bool ok() const { return ok_; }
    QImage png(const QString &name) const {
        return QImage(QLatin1Char(':') + root_ + QStringLiteral("/png/") + name);
    }

  private:
    QString path_;
    QString root_;
    bool ok_ = false;
};

struct Expected {
    QString name;
    QSize size;
};

// Every picture the loader asks a library for: sets x suits x ranks x sizes,
// with each set's number, ace and suit-symbol codes.
std::map<QString, std::vector<Expected>> expectedNames() {
    std::map<QString, std::vector<Expected>> byLibrary;
    for (int set = 1; set < faceSetCount; ++set) {
        const FaceSet info = faceSetInfo(set);
        if (!info.shipped)
            continue;
        for (bool large : {false, true}) {
            const QSize face = !large      ? QSize(69, 94)
                               : info.wide ? QSize(146, 198)
                                           : QSize(126, 198);
            const QSize symbol = large ? QSize(40, 40) : QSize(20, 20);
            for (int suit = 1; suit <= 4; ++suit) {
                for (int rank = 1; rank <= 9; ++rank)
                    byLibrary[info.library].push_back(
                        {faceResourceName(suit, rank, info.numberCode, info.code, info.aceCode,
                                          large),
                         face});
                byLibrary[info.library].push_back(
                    {suitResourceName(suit, info.suitCode, large), symbol});
            }
        }
    }
    return byLibrary;
}

TEST(FaceLibraries, HoldEveryNameTheLoaderAsksForAtItsSize) {
    const auto byLibrary = expectedNames();
    ASSERT_EQ(byLibrary.size(), 3u);
    for (const auto &[file, names] : byLibrary) {
        MountedLibrary library(file);
        ASSERT_TRUE(library.ok()) << qPrintable(file) << " is not in " << qPrintable(distDir);
        for (const Expected &e : names) {
            const QImage picture = library.png(e.name);
            ASSERT_FALSE(picture.isNull()) << qPrintable(file) << " lacks " << qPrintable(e.name);
            EXPECT_EQ(picture.size(), e.size) << qPrintable(file) << ": " << qPrintable(e.name);
        }
    }
}

TEST(FaceLibraries, SharedCodeNamesDifferentPicturesInEachLibrary) {
    // Sets 9 and 40 share their code; each library has its own pictures.
    ASSERT_EQ(faceSetInfo(9).code, faceSetInfo(40).code);
    MountedLibrary a(faceSetInfo(9).library);
    MountedLibrary c(faceSetInfo(40).library);
    ASSERT_TRUE(a.ok() && c.ok());
    const QString king = faceResourceName(1, 8, {}, faceSetInfo(9).code, {}, true);
    EXPECT_NE(a.png(king), c.png(king));
    const QString small = faceResourceName(1, 8, {}, faceSetInfo(9).code, {}, false);
    EXPECT_NE(a.png(small), c.png(small));
}

// A program folder inside a temporary folder; the face libraries are copied
// beside the program, into the parent folder, or nowhere.
class FaceLoading : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(root_.isValid());
        ASSERT_TRUE(QDir(root_.path()).mkdir(QStringLiteral("Quarn")));
    }
    void copyLibraries(const QString &folder) {
        for (const QString &file : cardLibraries)
            ASSERT_TRUE(
                QFile::copy(distDir + QLatin1Char('/') + file, folder + QLatin1Char('/') + file))
                << qPrintable(file);
    }
    void copyLibraries() { copyLibraries(programFolder()); }
    QString programFolder() const { return root_.filePath(QStringLiteral("Quarn")); }
    QString parentFolder() const { return root_.path(); }

    QTemporaryDir root_;
};

struct ScaleCase {
    const Scaling *scale;
    const char *name;
    bool large;
};
const ScaleCase scaleCases[] = {
    {&smallScale, "1.0", false}, {&average1Scale, "1.3", true}, {&largeScale, "2.0", true}};

TEST_F(FaceLoading, EverySetLoadsItsOwnFacesAtEveryScale) {
    copyLibraries();
    for (const ScaleCase &c : scaleCases) {
        Pictures builtin{QString()};
        ASSERT_TRUE(builtin.loadFaces(0, *c.scale));
        for (int set = 1; set < faceSetCount; ++set) {
            if (!faceSetInfo(set).shipped)
                continue;
            SCOPED_TRACE(testing::Message() << "set " << set << " at scale " << c.name);
            Pictures pictures(programFolder());
            bool missing = false;
            pictures.setMissingLibraryHandler([&](const QString &) { missing = true; });
            ASSERT_TRUE(pictures.loadFaces(set, *c.scale));
            EXPECT_FALSE(missing);
            EXPECT_EQ(pictures.faceSet(), set);
            EXPECT_EQ(pictures.largeFaces(), c.large);
            const QSize size = !c.large                ? QSize(69, 94)
                               : faceSetInfo(set).wide ? QSize(146, 198)
                                                       : QSize(126, 198);
            for (int slot = 1; slot <= 36; ++slot) {
                const QImage &face = pictures.face(slot);
                ASSERT_FALSE(face.isNull()) << "slot " << slot;
                EXPECT_EQ(face.size(), size) << "slot " << slot;
                // A name the library lacks would silently keep the built-in face.
                EXPECT_NE(face, builtin.face(slot)) << "slot " << slot << " is the built-in face";
            }
            for (int suit = 1; suit <= 4; ++suit) {
                EXPECT_EQ(pictures.suitSymbol(suit).size(), c.large ? QSize(40, 40) : QSize(20, 20))
                    << "suit " << suit;
                EXPECT_NE(pictures.suitSymbol(suit), builtin.suitSymbol(suit)) << "suit " << suit;
            }
        }
    }
}

TEST_F(FaceLoading, LibrariesInTheParentFolderAreFound) {
    copyLibraries(parentFolder());
    for (int set : {1, 31, 32, 39, 40, 47}) {
        Pictures pictures(programFolder());
        bool missing = false;
        pictures.setMissingLibraryHandler([&](const QString &) { missing = true; });
        EXPECT_TRUE(pictures.loadFaces(set, largeScale)) << "set " << set;
        EXPECT_FALSE(missing) << "set " << set;
        EXPECT_EQ(pictures.faceSet(), set);
    }
}

// The library each set lives in, as the program's download page names them.
const char *libraryOfSet(int set) {
    return set <= 31 ? cardsLibraryA : set <= 39 ? cardsLibraryB : cardsLibraryC;
}

TEST_F(FaceLoading, MissingLibrariesFallBackToTheBuiltInSet) {
    for (const ScaleCase &s : scaleCases) {
        Pictures builtin{QString()};
        ASSERT_TRUE(builtin.loadFaces(0, *s.scale));
        for (int set = 1; set < faceSetCount; ++set) {
            if (!faceSetInfo(set).shipped)
                continue;
            SCOPED_TRACE(testing::Message() << "set " << set << " at scale " << s.name);
            Pictures pictures(programFolder());
            QStringList reported;
            pictures.setMissingLibraryHandler([&](const QString &file) { reported << file; });
            EXPECT_FALSE(pictures.loadFaces(set, *s.scale));
            EXPECT_EQ(pictures.faceSet(), 0);
            EXPECT_EQ(reported, QStringList{QLatin1String(libraryOfSet(set))});
            for (int slot = 1; slot <= 36; ++slot)
                ASSERT_EQ(pictures.face(slot), builtin.face(slot)) << "slot " << slot;
            for (int suit = 1; suit <= 4; ++suit)
                ASSERT_EQ(pictures.suitSymbol(suit), builtin.suitSymbol(suit)) << "suit " << suit;
        }
    }
}

// The mean difference of two pictures brought to one small size, 0..255.
double meanDifference(const QImage &a, const QImage &b) {
    const QSize size(40, 54);
    const QImage x = a.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    long total = 0;
    for (int row = 0; row < size.height(); ++row) {
        const QRgb *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const QRgb *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < size.width(); ++col)
            total += std::abs(qRed(p[col]) - qRed(q[col])) +
                     std::abs(qGreen(p[col]) - qGreen(q[col])) +
                     std::abs(qBlue(p[col]) - qBlue(q[col]));
    }
    return double(total) / (3.0 * size.width() * size.height());
}

TEST_F(FaceLoading, NoTwoSetsShareTheirKingOfHearts) {
    copyLibraries();
    std::vector<int> sets;
    for (int set = 0; set < faceSetCount; ++set)
        if (faceSetInfo(set).shipped)
            sets.push_back(set);
    std::map<int, QImage> kings;
    for (int set : sets) {
        Pictures pictures(programFolder());
        ASSERT_TRUE(pictures.loadFaces(set, largeScale)) << "set " << set;
        kings[set] = pictures.face(faceSlot(1, 8));
    }
    // Clearly different pictures, not one picture slightly changed.
    const double threshold = 12;
    for (std::size_t i = 0; i < sets.size(); ++i)
        for (std::size_t j = i + 1; j < sets.size(); ++j)
            EXPECT_GT(meanDifference(kings[sets[i]], kings[sets[j]]), threshold)
                << "sets " << sets[i] << " and " << sets[j];
}

TEST_F(FaceLoading, AWithdrawnSetFallsBackToTheBuiltInSetWithTheLibrariesPresent) {
    copyLibraries();
    Pictures builtin{QString()};
    ASSERT_TRUE(builtin.loadFaces(0, largeScale));
    int withdrawn = 0;
    for (int set = 1; set < faceSetCount; ++set) {
        if (faceSetInfo(set).shipped)
            continue;
        ++withdrawn;
        SCOPED_TRACE(testing::Message() << "set " << set);
        Pictures pictures(programFolder());
        QStringList reported;
        pictures.setMissingLibraryHandler([&](const QString &file) { reported << file; });
        EXPECT_FALSE(pictures.loadFaces(set, largeScale));
        EXPECT_EQ(pictures.faceSet(), 0);
        // The library is there; nothing to download would bring the set back.
        EXPECT_TRUE(reported.isEmpty());
        for (int slot = 1; slot <= 36; ++slot)
            ASSERT_EQ(pictures.face(slot), builtin.face(slot)) << "slot " << slot;
    }
    EXPECT_EQ(withdrawn, 1);
}

} // namespace
} // namespace quarn
