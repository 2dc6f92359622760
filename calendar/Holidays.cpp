// Date rules of the calendar and the choice of today's holidays.
#include "calendar/Holidays.h"

#include "lang/Language.h"

#include <cstdio>

namespace quarn {

namespace {

constexpr std::array<int, 13> monthLengths = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Days since 1 March of year 0 of the proleptic Gregorian calendar, shifted so
// that the count is a plain day number usable for the weekday.
long long dayNumber(CivilDate date) {
    const long long y = date.month <= 2 ? date.year - 1 : date.year;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yearOfEra = y - era * 400;
    const long long m = date.month;
    const long long dayOfYearFromMarch = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + date.day - 1;
    const long long dayOfEra =
        yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYearFromMarch;
    return era * 146097 + dayOfEra - 719468; // 0 is 1 January 1970
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Two decimal digits at text[at]; -1 when they are not digits.
int twoDigits(std::string_view text, std::size_t at) {
    if (text.size() < at + 2 || !isDigit(text[at]) || !isDigit(text[at + 1]))
        return -1;
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

std::string formatDayMonth(int day, int month) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d.%02d.0000", day, month);
    return buffer;
}

const std::string neverToday = "00.00.0000";

std::string fromDayOfYear(int year, int day) {
    const std::optional<CivilDate> date = dateOfDayOfYear(year, day);
    return date ? formatDayMonth(date->day, date->month) : neverToday;
}

// "****W.D.MM": today when the month and weekday match and today is the W-th
// such weekday, or (W = 'l') one of the month's last seven days.
std::string resolveWeekdayKey(std::string_view key, CivilDate today) {
    if (key.size() < 10 || key[5] != '.' || key[7] != '.')
        return neverToday;
    const char which = key[4];
    const char dayChar = key[6];
    const int month = twoDigits(key, 8);
    if (!isDigit(dayChar) || month != today.month || dayChar - '0' != weekday(today))
        return neverToday;
    bool matches = false;
    if (which == 'l')
        matches = today.day > daysInMonth(today.year, today.month) - 7;
    else if (which >= '1' && which <= '4')
        matches = which - '0' == (today.day - 1) / 7 + 1;
    return matches ? formatDayMonth(today.day, today.month) : neverToday;
}

// "pasha.p000", "pasha.k+39": a day counted from the Easter of a church.
std::string resolveEasterKey(std::string_view key, CivilDate today) {
    if (key.size() < 10 || key.substr(0, 6) != "pasha.")
        return neverToday;
    const char church = key[6];
    if (church != 'p' && church != 'k')
        return neverToday;
    const CivilDate easter =
        church == 'p' ? orthodoxEaster(today.year) : catholicEaster(today.year);
    const std::string_view offset = key.substr(7, 3);
    int days = 0;
    if (offset != "000") {
        const int amount = twoDigits(offset, 1);
        if (amount < 0 || (offset[0] != '+' && offset[0] != '-'))
            return neverToday;
        days = offset[0] == '+' ? amount : -amount;
    }
    return fromDayOfYear(today.year, dayOfYear(easter) + days);
}

// The entry of the programmers' day is known by the start of its Russian text.
bool isProgrammersDay(std::string_view line) {
    static constexpr std::string_view russianName = "День программиста";
    return line.size() > 25 && line.substr(25, russianName.size()) == russianName;
}

} // namespace

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : monthLengths[std::size_t(month)];
}

int daysInYear(int year) {
    return isLeapYear(year) ? 366 : 365;
}

bool isValidDate(CivilDate date) {
    return date.month >= 1 && date.month <= 12 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

int dayOfYear(CivilDate date) {
    int day = date.day;
    for (int month = 1; month < date.month && month <= 12; ++month)
        day += daysInMonth(date.year, month);
    return day;
}

std::optional<CivilDate> dateOfDayOfYear(int year, int day) {
    if (day < 1 || day > daysInYear(year))
        return std::nullopt;
    int month = 1;
    while (day > daysInMonth(year, month)) {
        day -= daysInMonth(year, month);
        ++month;
    }
    return CivilDate{year, month, day};
}

int weekday(CivilDate date) {
    // 1 January 1970 was a Thursday (5).
    const long long n = dayNumber(date);
    const long long fromSunday = ((n + 4) % 7 + 7) % 7;
    return int(fromSunday) + 1;
}

CivilDate orthodoxEaster(int year) {
    const int d = (19 * (year % 19) + 15) % 30;
    const int e = (2 * (year % 4) + 4 * (year % 7) + 6 * d + 6) % 7;
    // The Julian date is March 22 + d + e. The Julian calendar lags the civil
    // one by 13 days from March 1900 to February 2100, and by one day more
    // for each later century year that is not a Gregorian leap year.
    const int lag = year / 100 - year / 400 - 2;
    const int julianMarchDay = 22 + d + e;
    return *dateOfDayOfYear(year, 31 + daysInMonth(year, 2) + julianMarchDay + lag);
}

CivilDate catholicEaster(int year) {
    const int golden = year % 19 + 1;
    const int century = year / 100 + 1;
    const int skippedLeapDays = 3 * century / 4 - 12;
    const int moonCorrection = (8 * century + 5) / 25 - 5;
    const int sunday = 5 * year / 4 - skippedLeapDays - 10;
    int epact = ((11 * golden + 20 + moonCorrection - skippedLeapDays) % 30 + 30) % 30;
    if ((epact == 25 && golden > 11) || epact == 24)
        ++epact;
    int n = 44 - epact;
    if (n < 21)
        n += 30;
    n = n + 7 - (sunday + n) % 7;
    return *dateOfDayOfYear(year, 31 + daysInMonth(year, 2) + n);
}

int zodiacSignOf(int month, int day) {
    // The first day of each sign, from Capricorn's end in January on.
    struct Start {
        int month;
        int day;
        int sign;
    };
    static constexpr Start starts[] = {
        {1, 21, 11}, {2, 21, 12}, {3, 21, 1}, {4, 21, 2},  {5, 21, 3},  {6, 22, 4},
        {7, 23, 5},  {8, 24, 6},  {9, 24, 7}, {10, 24, 8}, {11, 23, 9}, {12, 22, 10},
    };
    int sign = 10; // Capricorn until 20 January
    for (const Start &start : starts)
        if (month > start.month || (month == start.month && day >= start.day))
            sign = start.sign;
    return sign;
}

std::string zodiacPictureName(int sign) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "R_%02d", sign < 1 || sign > 12 ? 1 : sign);
    return buffer;
}

int chineseAnimalOf(int year) {
    // 2020 (year mod 12 = 4) was a year of the Rat.
    return ((year - 4) % 12 + 12) % 12 + 1;
}

std::string_view chineseAnimalPictureName(int year) {
    static constexpr std::string_view byRemainder[12] = {
        "R_VOSMONK", "R_VOSPETU", "R_VOSDOG0", "R_VOSPIG0", "R_VOSKRIS", "R_VOSBULL",
        "R_VOSTIGR", "R_VOSRABB", "R_VOSDRAG", "R_VOSSNAK", "R_VOSHORS", "R_VOSKOZA",
    };
    return byRemainder[(year % 12 + 12) % 12];
}

std::string resolveDateKey(std::string_view key, CivilDate today) {
    if (!key.empty() && key[0] >= '0' && key[0] <= '3')
        return std::string(key.substr(0, 10));
    if (key.substr(0, 4) == "****")
        return resolveWeekdayKey(key, today);
    return resolveEasterKey(key, today);
}

std::optional<TInfoX> parseHoliday(std::string_view line) {
    if (line.size() < 26 || line[10] != '#' || line[14] != '#' || line[24] != '#')
        return std::nullopt;
    TInfoX holiday;
    holiday.Year = std::string(line.substr(6, 4));
    holiday.Who = std::string(line.substr(11, 3));
    holiday.Res = std::string(line.substr(15, 9));
    // Texts in the table's order (Russian, English, ...); anything after the
    // tenth '#' is ignored, a text the line lacks stays empty.
    std::array<std::string, 10> texts;
    std::size_t start = 25;
    for (std::string &text : texts) {
        const std::size_t end = line.find('#', start);
        if (end == std::string_view::npos)
            break;
        text = std::string(line.substr(start, end - start));
        start = end + 1;
    }
    holiday.Str = std::move(texts);
    std::swap(holiday.Str[0], holiday.Str[1]); // English first, then Russian
    return holiday;
}

std::vector<TInfoX> holidaysOn(CivilDate today) {
    return holidaysOn(today, builtInHolidays());
}

std::vector<TInfoX> holidaysOn(CivilDate today, std::span<const std::string_view> table) {
    std::vector<TInfoX> found;
    const std::string todayKey = formatDayMonth(today.day, today.month).substr(0, 5);
    for (std::string_view line : table) {
        if (line.size() < 10)
            continue;
        std::string key = resolveDateKey(line.substr(0, 10), today);
        if (isLeapYear(today.year) && isProgrammersDay(line))
            key = "12.09.0000";
        if (key.substr(0, 5) != todayKey)
            continue;
        std::optional<TInfoX> holiday = parseHoliday(line);
        if (!holiday)
            continue;
        if (int(found.size()) == maxHolidaysPerDay)
            break;
        found.push_back(std::move(*holiday));
    }
    return found;
}

std::string holidayHint(const TInfoX &holiday, int currentYear, int language) {
    if (language < 0 || language >= languageCount)
        language = English;
    std::string hint = holiday.Str[std::size_t(language)];
    std::string anniversary;
    const bool yearIsNumber = holiday.Year.size() == 4 && isDigit(holiday.Year[0]) &&
                              isDigit(holiday.Year[1]) && isDigit(holiday.Year[2]) &&
                              isDigit(holiday.Year[3]);
    if (yearIsNumber && holiday.Year != "0000") {
        const int years = currentYear - std::stoi(holiday.Year);
        if (years > 0)
            anniversary = std::to_string(years) +
                          std::string(text(WordEntry::CalAnniversarySuffix, language));
    }
    std::string label;
    static constexpr std::string_view codes[] = {"ENG", "RUS", "DEU", "FRA",
                                                 "ISP", "USA", "PRA", "KAT"};
    for (int i = 0; i < 8; ++i)
        if (holiday.Who == codes[i])
            label = std::string(
                text(static_cast<WordEntry>(int(WordEntry::CalHolidayEng) + i), language));
    if (!anniversary.empty() && !label.empty())
        hint += " (" + anniversary + ", " + label + ")";
    else if (!anniversary.empty())
        hint += " (" + anniversary + ")";
    else if (!label.empty())
        hint += " (" + label + ")";
    return hint;
}

} // namespace quarn
