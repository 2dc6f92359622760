// The country flags and the sex pictures among the program's own pictures:
// a 14 x 12 flag for every country of the country table, found by its name.

#include "table/Pictures.h"
#include "web/Countries.h"

#include <QGuiApplication>
#include <QImage>
#include <QSet>

#include <set>

#include <gtest/gtest.h>

using quarn::Pictures;

namespace {

QImage builtinPng(const std::string &name) {
    return Pictures::builtin(QStringLiteral("png"), QString::fromStdString(name));
}

TEST(Flags, EveryCountryHasItsOwnFlagOfFourteenByTwelve) {
    QSet<QString> names;
    for (int continent = 1; continent <= web::kContinentCount; ++continent) {
        const auto countries = web::countriesOf(continent);
        ASSERT_FALSE(countries.empty());
        for (int index = 0; index < int(countries.size()); ++index) {
            const std::string name = web::flagResourceName(continent, index);
            ASSERT_FALSE(name.empty()) << continent << "-" << index;
            EXPECT_FALSE(names.contains(QString::fromStdString(name))) << name;
            names.insert(QString::fromStdString(name));
            const QImage flag = builtinPng(name);
            ASSERT_FALSE(flag.isNull()) << name << " " << countries[index].english;
            EXPECT_EQ(flag.size(), QSize(14, 12)) << name;
        }
    }
}

// Well-known flags read at a few pixels: the reduction from the 16 x 11
// source keeps the stripes where they belong.
enum class Hue { White, Black, Red, Blue, Gold };

Hue hueOf(QRgb c) {
    const int r = qRed(c), g = qGreen(c), b = qBlue(c);
    if (r > 190 && g > 190 && b > 190)
        return Hue::White;
    if (r < 110 && g < 110 && b < 110)
        return Hue::Black;
    if (b > r + 40 && b > g + 20)
        return Hue::Blue;
    if (r > 170 && g > 140 && b < 150)
        return Hue::Gold;
    return Hue::Red;
}

struct FlagPixel {
    const char *code;
    QPoint at;
    Hue hue;
};

class FlagColours : public testing::TestWithParam<FlagPixel> {};

TEST_P(FlagColours, StripesStayInPlace) {
    const FlagPixel &c = GetParam();
    const QImage flag = builtinPng(web::flagResourceName(c.code));
    ASSERT_FALSE(flag.isNull()) << c.code;
    const QRgb seen = flag.pixel(c.at);
    EXPECT_EQ(hueOf(seen), c.hue) << c.code << " at " << c.at.x() << "," << c.at.y() << " is #"
                                  << std::hex << (seen & 0xFFFFFF);
}

INSTANTIATE_TEST_SUITE_P(
    KnownFlags, FlagColours,
    testing::Values(FlagPixel{"1-001", {7, 2}, Hue::White},   // Russia: white top
                    FlagPixel{"1-001", {7, 6}, Hue::Blue},    // blue middle
                    FlagPixel{"1-001", {7, 9}, Hue::Red},     // red bottom
                    FlagPixel{"1-015", {2, 6}, Hue::Blue},    // France: blue hoist
                    FlagPixel{"1-015", {7, 6}, Hue::White},   // white middle
                    FlagPixel{"1-015", {11, 6}, Hue::Red},    // red fly
                    FlagPixel{"1-016", {7, 2}, Hue::Black},   // Germany: black top
                    FlagPixel{"1-016", {7, 9}, Hue::Gold},    // gold bottom
                    FlagPixel{"2-020", {7, 6}, Hue::Red},     // Japan: red disc
                    FlagPixel{"2-020", {2, 9}, Hue::White})); // white field

TEST(Flags, NamesComeOnlyForCountriesOfTheTable) {
    struct Case {
        std::string_view code;
        std::string name;
    };
    const Case cases[] = {
        {"1-001", "Flag1-001"}, {"6-012", "Flag6-012"},
        {"1-000", "Flag1-000"}, {"6-054", "Flag6-054"},
        {"1-049", ""},          {"4-015", ""},
        {"7-001", ""},          {"0-001", ""},
        {"1-01", ""},           {"", ""},
        {"x-001", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::flagResourceName(c.code), c.name) << c.code;
    EXPECT_EQ(web::flagResourceName(3, 34), "Flag3-034");
    EXPECT_EQ(web::flagResourceName(3, -1), "");
    EXPECT_EQ(web::flagResourceName(0, 0), "");
}

TEST(Flags, SexPicturesAreSixteenSquareAndTellTheSexesApart) {
    const QImage man = builtinPng("FaceMan16");
    const QImage woman = builtinPng("FaceWoman16");
    ASSERT_FALSE(man.isNull());
    ASSERT_FALSE(woman.isNull());
    EXPECT_EQ(man.size(), QSize(16, 16));
    EXPECT_EQ(woman.size(), QSize(16, 16));
    EXPECT_NE(man, woman);
}

} // namespace

// The options dialog shows a flag beside every language and many face sets.
TEST(Flags, EveryLanguageHasItsOptionsFlag) {
    quarn::initBuiltinPictures();
    std::set<QByteArray> seen;
    for (const char *code :
         {"Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Jap", "Kor"}) {
        const QImage flag =
            Pictures::builtin(QStringLiteral("png"), QStringLiteral("FlagO") + QLatin1String(code));
        ASSERT_FALSE(flag.isNull()) << code;
        EXPECT_EQ(flag.size(), QSize(14, 12)) << code;
        const QImage argb = flag.convertToFormat(QImage::Format_ARGB32);
        EXPECT_TRUE(seen.insert(QByteArray(reinterpret_cast<const char *>(argb.constBits()),
                                           argb.sizeInBytes()))
                        .second)
            << code << " looks like another language's flag";
    }
}
