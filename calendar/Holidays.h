#pragma once
// The calendar of holidays: civil dates, the two Easters, the signs of the
// zodiac, the animals of the Chinese years, and the holidays that fall on a
// day, taken from the built-in table (or any table of the same form).
//
// A table line is '#'-separated:
//   "dd.mm.yyyy"  a fixed day; yyyy "0000" for a plain yearly day, otherwise
//                 the year of the event (the hint then counts the anniversary)
//   "****W.D.MM"  the W-th (1..4, or 'l' for the last) weekday D (1 Sunday ..
//                 7 Saturday) of month MM
//   "pasha.p000", "pasha.k000"  the Orthodox or the Catholic Easter Sunday
//   "pasha.p+39", "pasha.k-07"  days after or before that Easter
// then the country code (3 characters), the picture name (9 characters) and
// ten texts, each ended by '#', in the order Russian, English, German, French,
// Spanish, Chinese, Italian, Czech, Japanese, Korean.

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

struct CivilDate {
    int year = 2000;
    int month = 1; // 1..12
    int day = 1;   // 1..31
    friend bool operator==(const CivilDate &, const CivilDate &) = default;
};

bool isLeapYear(int year); // the Gregorian rule
int daysInMonth(int year, int month);
int daysInYear(int year);
int dayOfYear(CivilDate date); // 1 for 1 January
// The date of a day of the year 1..daysInYear; nothing outside that range.
std::optional<CivilDate> dateOfDayOfYear(int year, int day);
// 1 Sunday, 2 Monday, ... 7 Saturday.
int weekday(CivilDate date);
bool isValidDate(CivilDate date);

// Easter Sunday of the Orthodox church as a civil (Gregorian) date.
CivilDate orthodoxEaster(int year);
// Easter Sunday of the Catholic church.
CivilDate catholicEaster(int year);

// The sign of the zodiac of a day: 1 Aries .. 12 Pisces.
int zodiacSignOf(int month, int day);
// "R_01" (Aries) .. "R_12" (Pisces).
std::string zodiacPictureName(int sign);
// The animal of a civil year: 1 Rat, 2 Ox, ... 12 Pig (the order of the
// word table's years).
int chineseAnimalOf(int year);
// The picture of a year's animal ("R_VOSKRIS" for the Rat, ...).
std::string_view chineseAnimalPictureName(int year);

// One of the day's holidays, as parsed from its table line.
struct TInfoX {
    std::string Year;                // 4 characters; "0000" for a plain yearly day
    std::string Who;                 // the country code
    std::string Res;                 // the picture name
    std::array<std::string, 10> Str; // texts in language-index order (English first)
};

// At most this many holidays are shown on one day (two of the eight pages are
// fixed); the table never has more on one day, further ones are left out.
inline constexpr int maxHolidaysPerDay = 6;

// The built-in table, in its order.
std::span<const std::string_view> builtInHolidays();

// The date key of a line resolved for today: "dd.mm.0000" for a day of this
// year, "00.00.0000" for one that is never today (a floating day on another
// day, an unknown key). A fixed key ("dd.mm.yyyy") is returned as it stands.
std::string resolveDateKey(std::string_view key, CivilDate today);

// Parses one table line; nothing when it is too short or malformed.
std::optional<TInfoX> parseHoliday(std::string_view line);

// The holidays that fall on today, in table order, at most maxHolidaysPerDay.
// In a leap year the programmers' day moves from 13 to 12 September.
std::vector<TInfoX> holidaysOn(CivilDate today);
std::vector<TInfoX> holidaysOn(CivilDate today, std::span<const std::string_view> table);

// The hint of a holiday page in a language: the text, then in brackets the
// anniversary ("77-th anniversary") and/or the country label.
std::string holidayHint(const TInfoX &holiday, int currentYear, int language);

} // namespace quarn
