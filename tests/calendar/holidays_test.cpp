// The date rules of the calendar and the choice of today's holidays.
#include "calendar/Holidays.h"
#include "lang/Language.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace quarn {
namespace {

// ---- Independent Easter computations ---------------------------------------

// Gregorian Easter by the anonymous (Meeus/Jones/Butcher) algorithm.
CivilDate gregorianEasterReference(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return {y, month, day};
}

// Julian Easter by Meeus' Julian algorithm, moved forward by the given number
// of days across the end of March or April.
CivilDate julianEasterReference(int y, int lagDays) {
    const int a = y % 4, b = y % 7, c = y % 19;
    const int d = (19 * c + 15) % 30;
    const int e = (2 * a + 4 * b - d + 34) % 7;
    int month = (d + e + 114) / 31;
    int day = (d + e + 114) % 31 + 1 + lagDays;
    const int length = month == 3 ? 31 : 30;
    if (day > length) {
        day -= length;
        ++month;
    }
    return {y, month, day};
}

std::string show(CivilDate d) {
    return std::to_string(d.day) + "." + std::to_string(d.month) + "." + std::to_string(d.year);
}

TEST(Easter, CatholicMatchesTheAnonymousAlgorithm) {
    for (int year = 1900; year <= 2199; ++year)
        EXPECT_EQ(show(catholicEaster(year)), show(gregorianEasterReference(year))) << year;
}

TEST(Easter, OrthodoxMatchesTheJulianAlgorithm) {
    // The Julian calendar lags 13 days behind up to 2099 and 14 from 2100.
    for (int year = 1900; year <= 2199; ++year)
        EXPECT_EQ(show(orthodoxEaster(year)),
                  show(julianEasterReference(year, year < 2100 ? 13 : 14)))
            << year;
}

TEST(Easter, KnownDates) {
    const struct {
        int year;
        CivilDate orthodox;
        CivilDate catholic;
    } cases[] = {
        {2022, {2022, 4, 24}, {2022, 4, 17}},
        {2018, {2018, 4, 8}, {2018, 4, 1}}, // the Julian date falls in March
        {2024, {2024, 5, 5}, {2024, 3, 31}},
        {2025, {2025, 4, 20}, {2025, 4, 20}},
        {2000, {2000, 4, 30}, {2000, 4, 23}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(show(orthodoxEaster(c.year)), show(c.orthodox));
        EXPECT_EQ(show(catholicEaster(c.year)), show(c.catholic));
    }
}

// ---- Civil dates -------------------------------------------------------------

TEST(CivilDates, WeekdaysAndLeapYears) {
    const struct {
        CivilDate date;
        int weekday; // 1 Sunday .. 7 Saturday
    } cases[] = {
        {{1970, 1, 1}, 5}, {{2000, 1, 1}, 7},   {{2022, 5, 9}, 2},   {{2024, 2, 29}, 5},
        {{1900, 3, 1}, 5}, {{2100, 12, 31}, 6}, {{1969, 12, 31}, 4}, {{2023, 1, 1}, 1},
    };
    for (const auto &c : cases)
        EXPECT_EQ(weekday(c.date), c.weekday) << show(c.date);

    for (int year : {1900, 2023, 2100})
        EXPECT_FALSE(isLeapYear(year)) << year;
    for (int year : {2000, 2020, 2024})
        EXPECT_TRUE(isLeapYear(year)) << year;
}

TEST(CivilDates, DayOfYearRoundTripsAndRefusesOutsideTheYear) {
    for (int year : {2023, 2024}) {
        for (int day = 1; day <= daysInYear(year); ++day) {
            const std::optional<CivilDate> date = dateOfDayOfYear(year, day);
            ASSERT_TRUE(date);
            EXPECT_TRUE(isValidDate(*date));
            EXPECT_EQ(dayOfYear(*date), day);
        }
        EXPECT_FALSE(dateOfDayOfYear(year, 0));
        EXPECT_FALSE(dateOfDayOfYear(year, daysInYear(year) + 1));
    }
}

// ---- Zodiac and Chinese years -----------------------------------------------

TEST(Signs, ZodiacChangesOnItsFirstDays) {
    // Each sign's last and first day.
    const struct {
        int month, day, sign;
    } cases[] = {
        {1, 1, 10},  {1, 20, 10}, {1, 21, 11}, {2, 20, 11},  {2, 21, 12},  {3, 20, 12}, {3, 21, 1},
        {4, 20, 1},  {4, 21, 2},  {5, 20, 2},  {5, 21, 3},   {6, 21, 3},   {6, 22, 4},  {7, 22, 4},
        {7, 23, 5},  {8, 23, 5},  {8, 24, 6},  {9, 23, 6},   {9, 24, 7},   {10, 23, 7}, {10, 24, 8},
        {11, 22, 8}, {11, 23, 9}, {12, 21, 9}, {12, 22, 10}, {12, 31, 10},
    };
    for (const auto &c : cases)
        EXPECT_EQ(zodiacSignOf(c.month, c.day), c.sign) << c.day << "." << c.month;
    EXPECT_EQ(zodiacPictureName(1), "R_01");
    EXPECT_EQ(zodiacPictureName(12), "R_12");
}

TEST(Signs, ChineseYearNameAndPictureAgree) {
    // Pictures in the order of the word table's years, Rat to Pig.
    const std::string_view pictures[12] = {"R_VOSKRIS", "R_VOSBULL", "R_VOSTIGR", "R_VOSRABB",
                                           "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA",
                                           "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0"};
    for (int year = 1900; year <= 2100; ++year) {
        const int animal = chineseAnimalOf(year);
        ASSERT_GE(animal, 1);
        ASSERT_LE(animal, 12);
        EXPECT_EQ(chineseAnimalPictureName(year), pictures[animal - 1]) << year;
    }
    EXPECT_EQ(chineseAnimalOf(2020), 1);  // Rat
    EXPECT_EQ(chineseAnimalOf(2022), 3);  // Tiger
    EXPECT_EQ(chineseAnimalOf(2031), 12); // Pig
}

// ---- Today's holidays --------------------------------------------------------

std::vector<std::string> englishTexts(CivilDate day) {
    std::vector<std::string> texts;
    for (const TInfoX &holiday : holidaysOn(day))
        texts.push_back(holiday.Str[English]);
    return texts;
}

using Texts = std::vector<std::string>;

TEST(TodaysHolidays, BuiltInTableInTableOrder) {
    const struct {
        CivilDate day;
        Texts expected;
    } cases[] = {
        {{2022, 1, 1}, {"New Year"}},
        {{2022, 1, 2}, {}},
        {{2022, 4, 24}, {"Easter"}},                             // Orthodox
        {{2022, 4, 17}, {"The entry into Jerusalem", "Easter"}}, // Catholic Easter the same day
        {{2018, 4, 8}, {"Easter"}},
        {{2018, 4, 1}, {"April Fool`s day", "The entry into Jerusalem", "Easter"}},
        {{2022, 6, 2}, {"Ascension Of Our Lord"}},
        {{2022, 6, 12}, {"Russia Day", "Trinity Sunday"}},
        {{2022, 9, 8}, {"Borodino day", "Nativity of the Mother of God"}},
        {{2022, 11, 24}, {"Thanksgiving"}},
        {{2022, 11, 17}, {}},
        {{2023, 11, 23}, {"Thanksgiving"}},
        {{2024, 11, 28}, {"Thanksgiving"}},
        {{2024, 11, 21}, {}},
        {{2022, 1, 17}, {"Martin Luther King day"}},
        {{2024, 1, 15}, {"Martin Luther King day"}},
        {{2024, 1, 22}, {}},
        {{2022, 12, 25}, {"Christmas"}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(englishTexts(c.day), c.expected) << show(c.day);
}

TEST(TodaysHolidays, ProgrammersDayMovesInLeapYears) {
    const struct {
        CivilDate day;
        bool shown;
    } cases[] = {
        {{2024, 9, 12}, true},  {{2024, 9, 13}, false}, {{2023, 9, 13}, true},
        {{2023, 9, 12}, false}, {{2000, 9, 12}, true},  {{2100, 9, 13}, true},
        {{2100, 9, 12}, false},
    };
    for (const auto &c : cases) {
        const Texts texts = englishTexts(c.day);
        const bool shown = std::find(texts.begin(), texts.end(), "Programmer`s day") != texts.end();
        EXPECT_EQ(shown, c.shown) << show(c.day);
    }
}

TEST(TodaysHolidays, FloatingDaysOfATable) {
    const std::string_view table[] = {
        "****l.1.05#ALL#R_LOVE000#a#last Sunday of May#c#d#e#f#g#h#i#j#",
        "****l.7.02#ALL#R_LOVE000#a#last Saturday of February#c#d#e#f#g#h#i#j#",
        "****1.4.09#ALL#R_LOVE000#a#first Wednesday of September#c#d#e#f#g#h#i#j#",
        "****2.1.03#ALL#R_LOVE000#a#second Sunday of March#c#d#e#f#g#h#i#j#",
    };
    const struct {
        CivilDate day;
        Texts expected;
    } cases[] = {
        {{2024, 5, 26}, {"last Sunday of May"}},
        {{2024, 5, 19}, {}},
        {{2025, 5, 25}, {"last Sunday of May"}},
        {{2020, 2, 29}, {"last Saturday of February"}}, // leap year: days 23 to 29
        {{2020, 2, 22}, {}},
        {{2025, 2, 22}, {"last Saturday of February"}}, // common year: days 22 to 28
        {{2024, 9, 4}, {"first Wednesday of September"}},
        {{2024, 9, 11}, {}},
        {{2024, 3, 10}, {"second Sunday of March"}},
        {{2024, 3, 3}, {}},
        {{2024, 3, 17}, {}},
    };
    for (const auto &c : cases) {
        Texts texts;
        for (const TInfoX &holiday : holidaysOn(c.day, table))
            texts.push_back(holiday.Str[English]);
        EXPECT_EQ(texts, c.expected) << show(c.day);
    }
}

TEST(TodaysHolidays, ResolvedKeys) {
    const CivilDate today{2022, 4, 17};
    const struct {
        std::string_view key;
        std::string resolved;
    } cases[] = {
        {"pasha.p000", "24.04.0000"},
        {"pasha.k000", "17.04.0000"},
        {"pasha.p-07", "17.04.0000"},
        {"pasha.p+39", "02.06.0000"},
        {"pasha.k+49", "05.06.0000"},
        {"09.05.1945", "09.05.1945"},
        {"****3.1.04", "17.04.0000"},
        {"****2.1.04", "00.00.0000"},
        // Malformed keys are never today.
        {"pasha.x000", "00.00.0000"},
        {"pasha.p*07", "00.00.0000"},
        {"pasha.p+x7", "00.00.0000"},
        {"****9.1.04", "00.00.0000"},
        {"****l.x.04", "00.00.0000"},
        {"xxxxxxxxxx", "00.00.0000"},
        {"pasha.k-99", "08.01.0000"}, // counted back over three months
        {"", "00.00.0000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(resolveDateKey(c.key, today), c.resolved) << c.key;
}

TEST(TodaysHolidays, DamagedLinesAreSkippedAndADayKeepsAtMostSix) {
    std::vector<std::string> lines = {
        "",
        "01.01",
        "01.01.0000",
        "01.01.0000#ALL",
        "01.01.0000XALL#R_NEWYEAR#a#b#",
        "01.01.0000#ALL#R_NEWYEAR#only Russian#", // texts it lacks stay empty
    };
    for (int i = 1; i <= 8; ++i)
        lines.push_back("01.01.0000#ALL#R_NEWYEAR#ru#number " + std::to_string(i) +
                        "#de#fr#es#zh#it#cs#ja#ko#");
    const std::vector<std::string_view> table(lines.begin(), lines.end());

    const std::vector<TInfoX> found = holidaysOn({2022, 1, 1}, table);
    ASSERT_EQ(found.size(), std::size_t(maxHolidaysPerDay));
    EXPECT_EQ(found[0].Str[Russian], "only Russian");
    EXPECT_EQ(found[0].Str[English], "");
    for (int i = 1; i < maxHolidaysPerDay; ++i)
        EXPECT_EQ(found[std::size_t(i)].Str[English], "number " + std::to_string(i));
}

TEST(TodaysHolidays, EveryBuiltInHolidayHasTenTexts) {
    std::set<std::string> keys;
    for (std::string_view line : builtInHolidays()) {
        const std::optional<TInfoX> holiday = parseHoliday(line);
        ASSERT_TRUE(holiday) << line;
        EXPECT_EQ(holiday->Res.size(), 9u) << line;
        EXPECT_EQ(holiday->Res.substr(0, 2), "R_") << line;
        for (int language = 0; language < languageCount; ++language)
            EXPECT_FALSE(holiday->Str[std::size_t(language)].empty())
                << line << " language " << language;
        // Anything after the tenth text would be ignored: a line must not
        // have more fields than the ten texts.
        EXPECT_EQ(std::count(line.begin(), line.end(), '#'), 13) << line;
        // The English column holds Latin letters, the Russian one Cyrillic.
        EXPECT_LT((unsigned char)holiday->Str[English][0], 0x80u) << line;
        EXPECT_GE((unsigned char)holiday->Str[Russian][0], 0xD0u) << line;
        keys.insert(std::string(line.substr(0, 25)));
    }
    EXPECT_EQ(keys.size(), builtInHolidays().size()) << "every line is a holiday of its own";
}

TEST(TodaysHolidays, EasterOffsetsComeAfterTheirChurchesEaster) {
    // The table keeps each church's Easter before the days counted from it.
    bool seen[2] = {false, false};
    for (std::string_view line : builtInHolidays()) {
        if (line.substr(0, 6) != "pasha.")
            continue;
        const int church = line[6] == 'p' ? 0 : 1;
        if (line.substr(7, 3) == "000")
            seen[church] = true;
        else
            EXPECT_TRUE(seen[church]) << line;
    }
}

// ---- Hints -----------------------------------------------------------------

TEST(Hints, AnniversaryAndCountryLabel) {
    const struct {
        CivilDate day;
        int language;
        std::vector<std::string> hints;
    } cases[] = {
        {{2022, 5, 9},
         English,
         {"Victory day in Great Patriotic war (77-th anniversary, Russian Festival)"}},
        {{2022, 5, 9},
         Russian,
         {"День Победы в Великой Отечественной войне (77-я годовщина, Российский праздник)"}},
        {{2022, 1, 1}, English, {"New Year"}},
        {{2022, 7, 4}, English, {"Independence day (Holiday United States)"}},
        {{2022, 6, 22}, English, {"Day of remembrance and mourning"}}, // "RU-" has no label
        {{2022, 4, 17},
         English,
         {"The entry into Jerusalem (The Orthodox holiday)", "Easter (Catholic feast)"}},
        {{2022, 10, 3}, German, {"Tag der Deutschen Einheit (Deutscher Feiertag)"}},
    };
    for (const auto &c : cases) {
        std::vector<std::string> hints;
        for (const TInfoX &holiday : holidaysOn(c.day))
            hints.push_back(holidayHint(holiday, c.day.year, c.language));
        EXPECT_EQ(hints, c.hints) << show(c.day);
    }
}

TEST(Hints, OnlyCountsYearsThatHavePassed) {
    TInfoX holiday;
    holiday.Who = "XXX";
    holiday.Str[English] = "Event";
    const struct {
        std::string year;
        std::string hint;
    } cases[] = {
        {"2000", "Event (22-th anniversary)"},
        {"2022", "Event"}, // the event's own year
        {"2030", "Event"}, // a year still to come
        {"20x0", "Event"}, // not a number
        {"", "Event"},
    };
    for (const auto &c : cases) {
        holiday.Year = c.year;
        EXPECT_EQ(holidayHint(holiday, 2022, English), c.hint) << c.year;
    }
    // A language outside the table reads English.
    holiday.Year = "0000";
    EXPECT_EQ(holidayHint(holiday, 2022, 42), "Event");
}

} // namespace
} // namespace quarn
