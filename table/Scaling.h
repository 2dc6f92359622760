#pragma once
// Window sizes and the scaling of the 760 x 500 base geometry.
//
// Every position on the table is given in base coordinates of a 760 x 500
// client area. Scale() turns a base size into pixels; PosX()/PosY() place the
// left and top of an element so that, on a full screen of another shape, it
// keeps its proportions and is centred in the extra room. All roundings go to
// the nearest whole number with halves to the even neighbour, and are done in
// exact fractions so that 1.3 x 35 really is 45.5 and rounds to 46.

#include <QRect>
#include <QSize>

#include <cstdint>

namespace quarn {

// The window size setting: 1 small, 2 full screen, 3 average 1, 4 average 2,
// 5 large.
enum class WindowSize : int {
    Small = 1,
    FullScreen = 2,
    Average1 = 3,
    Average2 = 4,
    Large = 5,
};

// A window size setting read from anywhere; values outside 1 to 5 give Small.
WindowSize windowSizeFromSetting(int setting);

// The client area of a fixed window size; for FullScreen the given screen area.
QSize clientSizeFor(WindowSize size, QSize fullScreenClient = {});

// An exact non-negative fraction num / den.
struct Ratio {
    std::int64_t num = 1;
    std::int64_t den = 1;
    double value() const { return double(num) / double(den); }
};

bool operator<(Ratio a, Ratio b);
bool operator==(Ratio a, Ratio b);

// num / den rounded to the nearest integer, halves to the even neighbour.
std::int64_t roundHalfEven(std::int64_t num, std::int64_t den);
// The same for a double (used only where the input is not a base number).
int roundHalfEven(double v);

// The three scale factors of a window and the functions built on them.
class Scaling {
  public:
    Scaling() = default;
    Scaling(Ratio s, Ratio sx, Ratio sy) : S(s), SX(sx), SY(sy) {}

    // The factors for a window size (full screen: from its client area).
    static Scaling forWindow(WindowSize size, QSize client = {});

    // round(v * S)
    int Scale(int v) const;
    // round(x * SX) + round((SX - S) * w / 2)
    int PosX(int x, int w) const;
    // round(y * SY) + round((SY - S) * h / 2)
    int PosY(int y, int h) const;
    // round(v * SX), round(v * SY): the game buttons use the plain axis scales.
    int ScaleX(int v) const;
    int ScaleY(int v) const;

    // An element whose base box is (x, y, w, h).
    QRect place(int x, int y, int w, int h) const;

    // A font height scaled and then multiplied by the font kind's percentage.
    int fontPixels(int baseHeight, int percent = 100) const;

    Ratio S{1, 1};
    Ratio SX{1, 1};
    Ratio SY{1, 1};
};

} // namespace quarn
