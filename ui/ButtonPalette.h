#pragma once
// The colours and measures of the owner-drawn button: the eight colour
// schemes, the lightening towards white, the line gradients of the classic
// look, the slice set for a height and the places of glyph, text and focus
// mark. Plain C++, shared by the button and by the generator of its slices.

#include <cstdint>
#include <string>
#include <vector>

namespace quarn {

// Colour schemes of a button; every slice is drawn in the red of DRed.
enum class TColorSB : std::uint8_t { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };
inline constexpr int colorSBCount = 8;

// Button heights that setting HeightSB gives.
enum class THeightSB : std::uint8_t { D30, D45, D60 };
int heightOf(THeightSB height);

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb &) const = default;
};

// num / den rounded to the nearest integer, halves to the even neighbour (den > 0).
long long roundHalfEven(long long num, long long den);

// True when a scheme and lightening change any colour at all.
bool changesColours(TColorSB scheme, int lightenPercent);

// A colour in a scheme, lightened by lightenPercent towards white.
Rgb recolour(Rgb colour, TColorSB scheme, int lightenPercent);

// A pixel of a slice picture. The classic look treats it as a colour; the new
// look changes in DCards, and lightens in every scheme, only the pixels that
// lie near pure red (distance below 180), so its dark rims stay dark.
Rgb recolourSlicePixel(Rgb pixel, TColorSB scheme, int lightenPercent, bool newLook);
bool nearPureRed(Rgb pixel);

// Heights whose slices need no resampling and whose classic middle is drawn
// as lines.
bool isExactHeight(int height);

// The classic middle for heights 30, 45 and 60: one colour for each pixel row
// from the top (h - 1 rows), in DRed; empty for any other height.
std::vector<Rgb> classicGradient(int height);

// The slice set for a height: "R29", "R44", "R59" (classic) or "Q29", ... (new).
std::string sliceSetName(int height, bool newLook);
// A slice's resource name: the set name + "_L", "_R" or "_2".
std::string sliceName(int height, bool newLook, char part);
// The natural size of a set's side slices (8 x 29, 13 x 44, 17 x 59).
int sliceSideWidth(int height);
int sliceHeight(int height);
// The width s a side slice takes on a button of this height.
int sideWidth(int height);

// Colours of the focus mark.
Rgb focusRectangleColour(TColorSB scheme); // classic look
Rgb focusDotColour(TColorSB scheme);       // new look

// The classic focus mark: a rounded rectangle inset from the button's edges.
struct FocusRectangle {
    int insetX = 0;
    int insetY = 0;
    int corner = 0; // the corner's ellipse size
};
FocusRectangle classicFocusMark(int height);

// The new-look focus mark: two round dots, vertically centred, the left one
// starting and the right one ending `edge` px from the button's sides.
struct FocusDots {
    int diameter = 0;
    int top = 0;
    int edge = 0;
};
FocusDots newLookFocusMark(int height);

// Distance of a glyph from the button's side (left or right layout).
int glyphEdgeDistance(int height);
// What the text start moves in beyond the glyph's width (left or right layout).
int textGlyphDistance(int height);

} // namespace quarn

namespace quarn {

// How a button of a size is put together.
struct ButtonPlan {
    std::string sliceSet;       // "R44", ...
    int side = 0;               // width of each end
    bool exactHeight = false;   // ends drawn at their own size, no resampling
    bool middleAsLines = false; // classic look, exact height, not DCards
};
ButtonPlan planButton(int height, TColorSB scheme, bool newLook);

} // namespace quarn
