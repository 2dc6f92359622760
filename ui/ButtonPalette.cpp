#include "ui/ButtonPalette.h"

#include <cstdlib>

namespace quarn {

int heightOf(THeightSB height) {
    switch (height) {
    case THeightSB::D45:
        return 45;
    case THeightSB::D60:
        return 60;
    case THeightSB::D30:
        break;
    }
    return 30;
}

long long roundHalfEven(long long num, long long den) {
    const bool negative = num < 0;
    const long long n = negative ? -num : num;
    long long quotient = n / den;
    const long long twiceRest = 2 * (n % den);
    if (twiceRest > den || (twiceRest == den && quotient % 2 == 1))
        ++quotient;
    return negative ? -quotient : quotient;
}

namespace {

int scaled(int value, int tenths) {
    return int(roundHalfEven(static_cast<long long>(value) * tenths, 10));
}

int lighten(int channel, int percent) {
    return int(
        roundHalfEven(100LL * channel + static_cast<long long>(255 - channel) * percent, 100));
}

Rgb lightened(Rgb c, int percent) {
    if (percent == 0)
        return c;
    return {lighten(c.r, percent), lighten(c.g, percent), lighten(c.b, percent)};
}

Rgb rearranged(Rgb c, TColorSB scheme) {
    switch (scheme) {
    case TColorSB::DRed:
        return c;
    case TColorSB::DGreen:
        return {c.g, c.r, c.b};
    case TColorSB::DBlue:
        return {c.b, c.r, c.r};
    case TColorSB::DNavy:
        return {c.b, c.g, c.r};
    case TColorSB::DYellow:
        return {c.r, c.r, c.b};
    case TColorSB::DViolet:
        return {c.r, c.g, c.r};
    case TColorSB::DOrang:
        if (c.r > c.g && c.r > c.b) {
            const int b = scaled(c.b, 7);
            return {c.r, b + scaled(std::abs(c.r - b), 4), b};
        }
        return c;
    case TColorSB::DCards:
        return {scaled(c.r, 7), 0, c.r};
    }
    return c;
}

} // namespace

bool changesColours(TColorSB scheme, int lightenPercent) {
    return scheme != TColorSB::DRed || lightenPercent != 0;
}

Rgb recolour(Rgb colour, TColorSB scheme, int lightenPercent) {
    if (!changesColours(scheme, lightenPercent))
        return colour;
    return lightened(rearranged(colour, scheme), lightenPercent);
}

bool nearPureRed(Rgb p) {
    const int dr = p.r - 255;
    return dr * dr + p.g * p.g + p.b * p.b < 180 * 180;
}

Rgb recolourSlicePixel(Rgb pixel, TColorSB scheme, int lightenPercent, bool newLook) {
    if (!newLook)
        return recolour(pixel, scheme, lightenPercent);
    if (!changesColours(scheme, lightenPercent))
        return pixel;
    const bool nearRed = nearPureRed(pixel);
    Rgb c = pixel;
    if (scheme == TColorSB::DCards) {
        if (nearRed)
            c = {scaled(c.r, 6), scaled(c.g, 7), c.r};
    } else {
        c = rearranged(c, scheme);
    }
    return nearRed ? lightened(c, lightenPercent) : c;
}

bool isExactHeight(int height) {
    return height == 30 || height == 45 || height == 60;
}

namespace {

// Rows from `from` to `to` in equal steps (count >= 2), green equal to blue.
void appendBand(std::vector<Rgb> &rows, Rgb from, Rgb to, int count) {
    for (int i = 0; i < count; ++i) {
        auto step = [&](int a, int b) {
            return a + int(roundHalfEven(static_cast<long long>(b - a) * i, count - 1));
        };
        rows.push_back({step(from.r, to.r), step(from.g, to.g), step(from.b, to.b)});
    }
}

} // namespace

std::vector<Rgb> classicGradient(int height) {
    std::vector<Rgb> rows;
    switch (height) {
    case 30:
        rows = {{128, 0, 0},     {17, 0, 0},      {135, 91, 91},   {232, 173, 173}, {223, 163, 163},
                {215, 153, 153}, {207, 145, 145}, {200, 136, 136}, {194, 127, 127}, {188, 117, 117},
                {184, 108, 108}, {180, 99, 99},   {178, 89, 89},   {176, 80, 80},   {152, 36, 36},
                {136, 0, 0},     {144, 0, 0},     {153, 0, 0},     {161, 0, 0},     {170, 0, 0},
                {178, 0, 0},     {187, 0, 0},     {195, 0, 0},     {204, 0, 0},     {212, 0, 0},
                {221, 0, 0},     {229, 0, 0},     {238, 0, 0},     {128, 0, 0}};
        break;
    case 45:
        rows = {{128, 0, 0}, {11, 0, 0}, {132, 93, 93}};
        appendBand(rows, {239, 180, 180}, {175, 74, 74}, 19);
        rows.push_back({153, 34, 34});
        appendBand(rows, {136, 0, 0}, {244, 0, 0}, 20);
        rows.push_back({128, 0, 0});
        break;
    case 60:
        rows = {{128, 0, 0}, {9, 0, 0}, {131, 94, 94}};
        appendBand(rows, {243, 183, 183}, {172, 71, 71}, 26);
        rows.push_back({150, 33, 33});
        appendBand(rows, {132, 0, 0}, {246, 0, 0}, 28);
        rows.push_back({128, 0, 0});
        break;
    default:
        break;
    }
    return rows;
}

std::string sliceSetName(int height, bool newLook) {
    const char *size = height <= 30 ? "29" : height <= 45 ? "44" : "59";
    return std::string(newLook ? "Q" : "R") + size;
}

std::string sliceName(int height, bool newLook, char part) {
    return sliceSetName(height, newLook) + '_' + part;
}

int sliceSideWidth(int height) {
    return height <= 30 ? 8 : height <= 45 ? 13 : 17;
}
int sliceHeight(int height) {
    return height <= 30 ? 29 : height <= 45 ? 44 : 59;
}

int sideWidth(int height) {
    const int nominal = height <= 30 ? 30 : height <= 45 ? 45 : 60;
    return int(roundHalfEven(static_cast<long long>(sliceSideWidth(height)) * height, nominal));
}

Rgb focusRectangleColour(TColorSB scheme) {
    switch (scheme) {
    case TColorSB::DRed:
        return {255, 200, 200};
    case TColorSB::DGreen:
        return {200, 200, 255};
    case TColorSB::DBlue:
        return {200, 255, 200};
    case TColorSB::DNavy:
        return {200, 255, 200};
    case TColorSB::DYellow:
        return {255, 200, 200};
    case TColorSB::DViolet:
        return {255, 255, 200};
    case TColorSB::DOrang:
        return {255, 128, 64};
    case TColorSB::DCards:
        return {200, 175, 50};
    }
    return {255, 200, 200};
}

Rgb focusDotColour(TColorSB scheme) {
    switch (scheme) {
    case TColorSB::DRed:
        return {255, 255, 0};
    case TColorSB::DGreen:
        return {0, 0, 255};
    case TColorSB::DBlue:
        return {0, 0, 255};
    case TColorSB::DNavy:
        return {0, 255, 0};
    case TColorSB::DYellow:
        return {255, 0, 0};
    case TColorSB::DViolet:
        return {255, 255, 255};
    case TColorSB::DOrang:
        return {255, 255, 255};
    case TColorSB::DCards:
        return {220, 180, 255};
    }
    return {255, 255, 0};
}

FocusRectangle classicFocusMark(int height) {
    switch (height) {
    case 30:
        return {7, 4, 7};
    case 45:
        return {9, 5, 9};
    case 60:
        return {11, 6, 11};
    default:
        break;
    }
    const int v = height <= 20 ? 3 : height <= 30 ? 4 : height <= 60 ? 5 : 6;
    return {int(roundHalfEven(4LL * sideWidth(height), 5)), v, 2 * v};
}

FocusDots newLookFocusMark(int height) {
    const int d = height < 21 ? 3 : height <= 30 ? 4 : height <= 45 ? 5 : height <= 60 ? 6 : 7;
    const int edge = height == 30 ? 10 : height == 45 ? 13 : height == 60 ? 15 : sideWidth(height);
    return {d, int(roundHalfEven(height - d, 2)), edge};
}

int glyphEdgeDistance(int height) {
    switch (height) {
    case 30:
        return 15;
    case 45:
        return 18;
    case 60:
        return 20;
    default:
        return int(roundHalfEven(8LL * sideWidth(height), 5));
    }
}

int textGlyphDistance(int height) {
    switch (height) {
    case 30:
        return 25;
    case 45:
        return 28;
    case 60:
        return 30;
    default:
        return sideWidth(height) + 10;
    }
}

} // namespace quarn

namespace quarn {

ButtonPlan planButton(int height, TColorSB scheme, bool newLook) {
    ButtonPlan plan;
    plan.sliceSet = sliceSetName(height, newLook);
    plan.side = sideWidth(height);
    plan.exactHeight = isExactHeight(height);
    plan.middleAsLines = plan.exactHeight && !newLook && scheme != TColorSB::DCards;
    return plan;
}

} // namespace quarn
