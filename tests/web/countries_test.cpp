#include "web/Countries.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace {

using web::countriesOf;
using web::CountryNames;
using web::parseCountryCode;

TEST(CountryTable, ContinentsHaveTheirSizesAndStartWithUnknown) {
    const int sizes[] = {49, 52, 36, 15, 24, 55};
    for (int continent = 1; continent <= web::kContinentCount; ++continent) {
        SCOPED_TRACE(continent);
        const auto list = countriesOf(continent);
        EXPECT_EQ(static_cast<int>(list.size()), sizes[continent - 1]);
        EXPECT_EQ(list[0].english, "Unknown");
        EXPECT_EQ(list[0].shortName, "Unknown");
    }
    EXPECT_TRUE(countriesOf(0).empty());
    EXPECT_TRUE(countriesOf(7).empty());
}

// Short names travel in space-separated replies: an empty one or one with a
// space would shift every later field of a record.
TEST(CountryTable, ShortNamesTravelSafely) {
    for (int continent = 1; continent <= web::kContinentCount; ++continent) {
        std::set<std::string_view> english;
        for (const auto &country : countriesOf(continent)) {
            SCOPED_TRACE(std::string(country.english));
            EXPECT_FALSE(country.shortName.empty());
            EXPECT_LE(country.shortName.size(), 15u);
            EXPECT_EQ(country.shortName.find(' '), std::string_view::npos);
            EXPECT_TRUE(english.insert(country.english).second) << "listed twice";
        }
    }
}

TEST(CountryTable, ContinentNamesInOrder) {
    EXPECT_EQ(web::continentName(1), "Europe");
    EXPECT_EQ(web::continentName(3), "North America");
    EXPECT_EQ(web::continentName(6), "Africa");
    EXPECT_EQ(web::continentName(0), "");
}

struct NamesCase {
    int continent;
    int index;
    std::string_view english;
    std::string_view shortName;
};

class CountryNamesTest : public testing::TestWithParam<NamesCase> {};

TEST_P(CountryNamesTest, GivesBothNames) {
    const auto &c = GetParam();
    const auto names = CountryNames(c.continent, c.index);
    EXPECT_EQ(names.english, c.english);
    EXPECT_EQ(names.shortName, c.shortName);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountryNamesTest,
    testing::Values(NamesCase{1, 1, "Russia", "Russia"},
                    NamesCase{1, 7, "Bosnia & Herzegovina", "Bosnia_Herz."},
                    NamesCase{1, 48, "United Kingdom", "United_Kingdom"},
                    NamesCase{2, 7, "British Indian Ocean Territory", "B.I.O.T."},
                    NamesCase{2, 51, "Yemen", "Yemen"},
                    NamesCase{3, 31, "Saint Vincent and the Grenadines", "S.V._Grenadines"},
                    NamesCase{3, 34, "USA", "USA"}, NamesCase{4, 14, "Venezuela", "Venezuela"},
                    NamesCase{5, 14, "Northern Mariana Islands", "N._Mariana_Isl."},
                    NamesCase{5, 23, "Wallis and Futuna", "Wallis-Futuna"},
                    NamesCase{6, 12, "Congo Republic", "Congo_Republic"},
                    NamesCase{6, 24, "Ivory Coast (Cote Divoire)", "Cote_Divoire"},
                    NamesCase{6, 54, "Zimbabwe", "Zimbabwe"},
                    // outside the table
                    NamesCase{1, 49, "Unknown", "Unknown"}, NamesCase{2, -1, "Unknown", "Unknown"},
                    NamesCase{0, 1, "Unknown", "Unknown"}, NamesCase{7, 0, "Unknown", "Unknown"}));

struct CodeCase {
    std::string_view code;
    bool valid;
    int continent;
    int index;
};

class CountryCodeTest : public testing::TestWithParam<CodeCase> {};

TEST_P(CountryCodeTest, ReadsOnlyCountriesOfTheTable) {
    const auto &c = GetParam();
    const auto parsed = parseCountryCode(c.code);
    ASSERT_EQ(parsed.has_value(), c.valid);
    if (parsed) {
        EXPECT_EQ(parsed->continent, c.continent);
        EXPECT_EQ(parsed->index, c.index);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CountryCodeTest,
    testing::Values(CodeCase{"1-001", true, 1, 1}, CodeCase{"6-012", true, 6, 12},
                    CodeCase{"3-000", true, 3, 0},
                    CodeCase{"1x048", true, 1, 48}, // the second character is not tested
                    // the largest index of each continent, and one past it
                    CodeCase{"1-048", true, 1, 48}, CodeCase{"1-049", false, 0, 0},
                    CodeCase{"2-051", true, 2, 51}, CodeCase{"2-052", false, 0, 0},
                    CodeCase{"3-035", true, 3, 35}, CodeCase{"3-036", false, 0, 0},
                    CodeCase{"4-014", true, 4, 14}, CodeCase{"4-015", false, 0, 0},
                    CodeCase{"5-023", true, 5, 23}, CodeCase{"5-024", false, 0, 0},
                    CodeCase{"6-054", true, 6, 54}, CodeCase{"6-055", false, 0, 0},
                    // not a code
                    CodeCase{"0-000", false, 0, 0}, CodeCase{"7-001", false, 0, 0},
                    CodeCase{"1-01", false, 0, 0}, CodeCase{"1-0010", false, 0, 0},
                    CodeCase{"1-0a1", false, 0, 0}, CodeCase{"x-001", false, 0, 0},
                    CodeCase{"", false, 0, 0}));

TEST(CountryCode, EveryCountryRoundTripsThroughItsCode) {
    for (int continent = 1; continent <= web::kContinentCount; ++continent) {
        const auto list = countriesOf(continent);
        for (int index = 0; index < static_cast<int>(list.size()); ++index) {
            const std::string code = web::formatCountryCode(continent, index);
            SCOPED_TRACE(code);
            ASSERT_EQ(code.size(), 5u);
            EXPECT_EQ(web::countryOfCode(code).english, list[index].english);
        }
    }
    EXPECT_EQ(web::formatCountryCode(6, 12), "6-012");
    EXPECT_EQ(web::countryOfCode("6-012").shortName, "Congo_Republic");
    EXPECT_EQ(web::countryOfCode("9-999").english, "Unknown");
}

} // namespace
