#pragma once
// The geometry of a calendar page and of the pictures drawn on it, shared by
// the page painter and the generator of the calendar library.

namespace quarn::calendar_page {

inline constexpr int width = 60;
inline constexpr int height = 100;

// The sign of the zodiac on the left page.
inline constexpr int zodiacLeft = 17;
inline constexpr int zodiacTop = 65;
inline constexpr int zodiacSize = 26;

// The animal of the year and the holiday pictures on the right pages.
inline constexpr int pictureLeft = 3;
inline constexpr int pictureTop = 27;
inline constexpr int pictureWidth = 54;
inline constexpr int pictureHeight = 70;

// Tops of the day number and of the month name on the left page.
inline constexpr int dayTop = 22;
inline constexpr int monthTop = 42;

} // namespace quarn::calendar_page
