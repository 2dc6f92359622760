#pragma once
// The pictures every online list shares: a country's 14 x 12 flag and the
// 16 x 16 sex picture, from the program's own pictures.
#include <QPixmap>

#include <string_view>

class QPainter;

namespace quarn {

constexpr int kFlagWidth = 14;
constexpr int kFlagHeight = 12;
constexpr int kSexPictureSize = 16;

// The flag of the country a code "c-nnn" names; a null pixmap when the code
// names no country of the table.
QPixmap flagPicture(std::string_view countryCode);
// "FaceMan16" for the sex "M", "FaceWoman16" for any other value.
QPixmap sexPicture(std::string_view sex);

// Draws the flag at (x, y); draws nothing for a code that names no country.
void DrawFlag(std::string_view countryCode, QPainter &canvas, int x, int y);
// Draws the sex picture at (x, y).
void DrawSex(std::string_view sex, QPainter &canvas, int x, int y);

} // namespace quarn
