// The card backs of sets 1 to 12 in WemCards06B.dll and the table
// backgrounds in WemBackG03.dll: every name the loader asks for is there in
// its size, and the loader takes them from a program folder.

#include "lang/Language.h"
#include "table/Pictures.h"
#include "table/Scaling.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QResource>
#include <QSet>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace quarn;

namespace {

const QString cardsLibrary = QStringLiteral(QUARN_DIST_DIR "/WemCards06B.dll");
const QString backgroundLibrary = QStringLiteral(QUARN_DIST_DIR "/WemBackG03.dll");

// A library registered under its own root for the life of the object.
class OpenLibrary {
  public:
    OpenLibrary(const QString &file, const QString &root) : file_(file), root_(root) {
        open_ = QResource::registerResource(file_, root_);
    }
    ~OpenLibrary() {
        if (open_)
            QResource::unregisterResource(file_, root_);
    }
    bool isOpen() const { return open_; }

    // A picture of any kind the loader reads; null when the name is missing.
    QImage picture(const QString &name) const {
        for (const char *kind : {"png", "bmp", "jpeg"}) {
            const QString path = QLatin1Char(':') + root_ + QLatin1Char('/') + QLatin1String(kind) +
                                 QLatin1Char('/') + name;
            if (QFileInfo::exists(path))
                return QImage(path);
        }
        return {};
    }

  private:
    QString file_;
    QString root_;
    bool open_ = false;
};

// Both sizes of a back, upright and turned sideways.
struct BackForm {
    bool turned;
    bool large;
    QSize size;
};
const BackForm backForms[] = {
    {false, false, QSize(69, 94)},
    {true, false, QSize(94, 69)},
    {false, true, QSize(146, 198)},
    {true, true, QSize(198, 146)},
};

class BackSet : public testing::TestWithParam<int> {};

TEST_P(BackSet, LibraryHoldsEveryBackOfTheSetInEachForm) {
    const int set = GetParam();
    OpenLibrary library(cardsLibrary, QStringLiteral("/backs-test"));
    ASSERT_TRUE(library.isOpen()) << qPrintable(cardsLibrary);
    const QString code = backSetCode(set);
    ASSERT_FALSE(code.isEmpty());
    for (int back = 1; back <= backCountOfSet(set); ++back) {
        for (const BackForm &form : backForms) {
            const QString name = backResourceName(back, form.turned, code, form.large);
            const QImage picture = library.picture(name);
            ASSERT_FALSE(picture.isNull()) << qPrintable(name);
            EXPECT_EQ(picture.size(), form.size) << qPrintable(name);
        }
    }
}

TEST_P(BackSet, BacksOfASetDifferFromEachOther) {
    const int set = GetParam();
    OpenLibrary library(cardsLibrary, QStringLiteral("/backs-test"));
    ASSERT_TRUE(library.isOpen());
    QSet<QByteArray> seen;
    for (int back = 1; back <= backCountOfSet(set); ++back) {
        const QImage picture =
            library.picture(backResourceName(back, false, backSetCode(set), true));
        ASSERT_FALSE(picture.isNull());
        const QImage plain = picture.convertToFormat(QImage::Format_ARGB32);
        const QByteArray bytes(reinterpret_cast<const char *>(plain.constBits()),
                               plain.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << "back " << back << " repeats an earlier back";
        seen.insert(bytes);
    }
}

// A program folder holding copies of the libraries.
class ProgramFolder : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        for (const QString &library : {cardsLibrary, backgroundLibrary})
            ASSERT_TRUE(QFile::copy(library, folder_.filePath(QFileInfo(library).fileName())))
                << qPrintable(library);
    }
    QString program() const { return folder_.path() + QLatin1Char('/'); }

    QTemporaryDir folder_;
};

class LoadedBacks : public ProgramFolder, public testing::WithParamInterface<int> {};

TEST_P(LoadedBacks, EverySetLoadsAtBothScalesWithoutFallingBack) {
    const int set = GetParam();
    for (const WindowSize size : {WindowSize::Small, WindowSize::Large}) {
        const Scaling scaling = Scaling::forWindow(size);
        const bool large = size == WindowSize::Large;
        Pictures builtIn(program());
        builtIn.loadBacks(0, scaling);
        Pictures pictures(program());
        QStringList missing;
        pictures.setMissingLibraryHandler([&](const QString &file) { missing << file; });
        ASSERT_TRUE(pictures.loadBacks(set, scaling));
        EXPECT_TRUE(missing.isEmpty());
        EXPECT_EQ(pictures.backSet(), set);
        for (int back = 1; back <= backCountOfSet(set); ++back) {
            const QImage &upright = pictures.backNumber(back);
            const QImage &turned = pictures.backNumber(back, true);
            EXPECT_EQ(upright.size(), large ? QSize(146, 198) : QSize(69, 94)) << "back " << back;
            EXPECT_EQ(turned.size(), upright.size().transposed()) << "back " << back;
            // Taken from the library, not the built-in set.
            EXPECT_NE(upright.convertToFormat(QImage::Format_RGB32),
                      builtIn.backNumber(std::min(back, 7)).convertToFormat(QImage::Format_RGB32))
                << "back " << back;
        }
    }
}

std::vector<int> librarySets() {
    std::vector<int> sets;
    for (int set = 1; set < backSetCount; ++set)
        sets.push_back(set);
    return sets;
}

INSTANTIATE_TEST_SUITE_P(Sets1To12, BackSet, testing::ValuesIn(librarySets()));
INSTANTIATE_TEST_SUITE_P(Sets1To12, LoadedBacks, testing::ValuesIn(librarySets()));

TEST(BackSets, TheFirstBacksOfAllSetsAreDistinctDesigns) {
    OpenLibrary library(cardsLibrary, QStringLiteral("/backs-test"));
    ASSERT_TRUE(library.isOpen());
    QSet<QByteArray> seen;
    for (int set = 1; set < backSetCount; ++set) {
        const QImage picture = library.picture(backResourceName(1, false, backSetCode(set), false))
                                   .convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(picture.isNull()) << "set " << set;
        const QByteArray bytes(reinterpret_cast<const char *>(picture.constBits()),
                               picture.sizeInBytes());
        EXPECT_FALSE(seen.contains(bytes)) << "set " << set;
        seen.insert(bytes);
    }
}

TEST(BackSets, NamesWrittenOutInFullArePresent) {
    // A few names spelled out, so a drift between the loader's naming and
    // the library shows even where both are built from the same parts.
    const std::pair<const char *, QSize> names[] = {
        {"Ob01MoCl1", QSize(69, 94)},    {"Ob01MoRCl1", QSize(94, 69)},
        {"Ob06SuCl2B", QSize(146, 198)}, {"Ob07SuRRusB", QSize(198, 146)},
        {"Ob08XXAni", QSize(69, 94)},    {"Ob10XXROthB", QSize(198, 146)},
        {"Ob09XXPla", QSize(69, 94)},    {"Ob10XXFloB", QSize(146, 198)},
        {"Ob04ThCheB", QSize(146, 198)},
    };
    OpenLibrary library(cardsLibrary, QStringLiteral("/backs-test"));
    ASSERT_TRUE(library.isOpen());
    for (const auto &[name, size] : names) {
        const QImage picture = library.picture(QLatin1String(name));
        ASSERT_FALSE(picture.isNull()) << name;
        EXPECT_EQ(picture.size(), size) << name;
    }
}

// Backgrounds: picture 1..10 in variant 0..6.
const char *const variantCodes[backgroundColourCount] = {"Gr", "Re", "Or", "Ye", "B1", "B2", "Fi"};

QString backgroundName(int picture, int variant, bool large) {
    return QStringLiteral("Fon%1%2%3")
        .arg(picture, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(variantCodes[variant]))
        .arg(large ? "B" : "");
}

TEST(Backgrounds, LibraryHoldsEveryPictureAndVariantAtBothSizes) {
    OpenLibrary library(backgroundLibrary, QStringLiteral("/backgrounds-test"));
    ASSERT_TRUE(library.isOpen()) << qPrintable(backgroundLibrary);
    for (int picture = 1; picture <= 10; ++picture) {
        for (int variant = 0; variant < backgroundColourCount; ++variant) {
            for (const bool large : {false, true}) {
                const QString name = backgroundName(picture, variant, large);
                const QImage image = library.picture(name);
                ASSERT_FALSE(image.isNull()) << qPrintable(name);
                EXPECT_EQ(image.size(), large ? QSize(1520, 1000) : QSize(760, 500))
                    << qPrintable(name);
            }
        }
    }
}

TEST(Backgrounds, VariantsOfAPictureHaveTheirOwnColours) {
    OpenLibrary library(backgroundLibrary, QStringLiteral("/backgrounds-test"));
    ASSERT_TRUE(library.isOpen());
    for (int picture = 1; picture <= 10; ++picture) {
        QSet<QRgb> averages;
        for (int variant = 0; variant < backgroundColourCount; ++variant) {
            const QImage image = library.picture(backgroundName(picture, variant, false));
            ASSERT_FALSE(image.isNull());
            averages.insert(
                image.scaled(1, 1, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).pixel(0, 0));
        }
        EXPECT_EQ(averages.size(), backgroundColourCount) << "picture " << picture;
    }
}

TEST_F(ProgramFolder, EveryBackgroundLoadsInTheSmallAndTheLargeWindow) {
    Pictures pictures(program());
    QStringList missing;
    pictures.setMissingLibraryHandler([&](const QString &file) { missing << file; });
    pictures.loadBackground(2, 0, false, QSize(760, 500));
    const QImage felt = pictures.backgroundImage();
    for (const QSize client : {QSize(760, 500), QSize(1520, 1000)}) {
        for (int picture = 1; picture <= 10; ++picture) {
            for (int variant = 0; variant < backgroundColourCount; ++variant) {
                ASSERT_TRUE(pictures.loadBackground(picture, variant, false, client))
                    << picture << "/" << variant;
                EXPECT_EQ(pictures.background(), picture);
                EXPECT_EQ(pictures.backgroundVariant(), variant);
                EXPECT_EQ(pictures.backgroundImage().size(), client);
                if (client == QSize(760, 500) && !(picture == 2 && variant == 0)) {
                    EXPECT_NE(pictures.backgroundImage(), felt) << picture << "/" << variant;
                }
            }
        }
    }
    EXPECT_TRUE(missing.isEmpty());
}

} // namespace
