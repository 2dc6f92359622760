#pragma once
// The calendar pages of the menu: page 1 shows today's date and sign of the
// zodiac, page 2 the animal of the year, pages 3 on today's holidays. The
// pictures come from the calendar library WemCalendar01.dll beside the
// program or in its parent folder, opened for one building and released.

#include "calendar/Holidays.h"

#include <QDate>
#include <QImage>
#include <QString>

#include <array>

namespace quarn {

inline constexpr const char *calendarLibraryFile = "WemCalendar01.dll";
inline constexpr int calendarMaxPages = 2 + maxHolidaysPerDay;

struct TInfoCal {
    std::array<QImage, calendarMaxPages> TB; // 60 x 100 each
    std::array<QString, calendarMaxPages> Hint;
    int count = 0; // 2 + today's holidays
};

struct CalendarRequest {
    QString programFolder; // where the library is looked for (and in its parent)
    QDate today;
    QString fontName = QStringLiteral("Comic Sans MS");
    int daySize = 0;   // points; 0 gives 12
    int monthSize = 0; // points; 0 gives 8
    int language = 0;
    // What lies behind the left page and behind the right pages (drawn
    // stretched to 60 x 100; a null picture leaves the corners transparent).
    QImage leftBackground;
    QImage rightBackground;
};

// Builds the pages; false (and no pages) when the library is found under
// neither name. A picture the library lacks leaves its place empty.
bool buildCalendar(const CalendarRequest &request, TInfoCal &pages);

// The texts of the fixed pages, in a language.
QString monthText(int month, int language);
QString zodiacText(int sign, int language);
QString chineseYearText(int year, int language);

// The pixel height of a font size in points on the pages (96 dots per inch).
int calendarFontPixels(int points);

} // namespace quarn
