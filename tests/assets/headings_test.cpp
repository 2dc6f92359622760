// The main window's heading pictures in the program's own resources: one
// per picture code, at the large window's size, and visibly different in
// each colour variant.
#include "lang/Language.h"
#include "table/Pictures.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

namespace quarn {
namespace {

struct HeadingCase {
    const char *base;
    QSize size;
    bool czech; // the product heading has no Czech member
};

const HeadingCase headings[] = {
    {"Cap", {800, 112}, false},
    {"Elite", {800, 56}, true},
    {"Net__", {800, 56}, true},
};

QString code(int language) {
    return QString::fromUtf8(pictureCode(language).data(), qsizetype(pictureCode(language).size()));
}

TEST(Headings, EveryPictureCodeHasItsHeadings) {
    initBuiltinPictures();
    for (const HeadingCase &heading : headings)
        for (int language = 0; language < languageCount; ++language) {
            const QString name = QLatin1String(heading.base) + code(language);
            const QImage picture = Pictures::builtin(QStringLiteral("png"), name);
            if (language == Czech && !heading.czech) {
                EXPECT_TRUE(picture.isNull()) << name.toStdString();
                continue;
            }
            ASSERT_FALSE(picture.isNull()) << name.toStdString();
            EXPECT_EQ(picture.size(), heading.size) << name.toStdString();
        }
}

TEST(Headings, LanguagesDifferAndCzechFallsBackToEnglish) {
    initBuiltinPictures();
    const QImage english = Pictures::builtin(QStringLiteral("png"), QStringLiteral("CapEng"));
    EXPECT_NE(english, Pictures::builtin(QStringLiteral("png"), QStringLiteral("CapRus")));
    EXPECT_NE(Pictures::builtin(QStringLiteral("png"), QStringLiteral("EliteEng")),
              Pictures::builtin(QStringLiteral("png"), QStringLiteral("Net__Eng")));
    setLanguage(Czech);
    EXPECT_EQ(
        Pictures::builtin(QStringLiteral("png"), QString::fromStdString(mainHeadingPictureName())),
        english);
    setLanguage(English);
}

TEST(Headings, EveryColourVariantLooksDifferent) {
    initBuiltinPictures();
    const QImage picture = Pictures::builtin(QStringLiteral("png"), QStringLiteral("CapEng"));
    ASSERT_FALSE(picture.isNull());
    std::vector<QImage> variants;
    for (int variant = 1; variant <= 7; ++variant)
        variants.push_back(
            recolourHeading(picture, variant).convertToFormat(QImage::Format_ARGB32));
    for (std::size_t a = 0; a < variants.size(); ++a)
        for (std::size_t b = a + 1; b < variants.size(); ++b)
            EXPECT_NE(variants[a], variants[b]) << "variants " << a + 1 << " and " << b + 1;
}

} // namespace
} // namespace quarn

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
