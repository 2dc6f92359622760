// Colour schemes, lightening, gradients and the measures of the button.
#include "ui/ButtonPalette.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quarn {

void PrintTo(const Rgb &c, std::ostream *os) {
    *os << "(" << c.r << "," << c.g << "," << c.b << ")";
}

namespace {

struct RecolourCase {
    const char *what;
    Rgb in;
    TColorSB scheme;
    int lighten;
    Rgb out;
};

class Recolour : public ::testing::TestWithParam<RecolourCase> {};

TEST_P(Recolour, GivesTheSchemesColour) {
    const RecolourCase &c = GetParam();
    EXPECT_EQ(recolour(c.in, c.scheme, c.lighten), c.out) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, Recolour,
    ::testing::Values(
        RecolourCase{"red unlightened stays", {128, 0, 0}, TColorSB::DRed, 0, {128, 0, 0}},
        RecolourCase{"red lightened by half", {128, 0, 0}, TColorSB::DRed, 50, {192, 128, 128}},
        RecolourCase{"navy swaps red and blue", {136, 0, 0}, TColorSB::DNavy, 0, {0, 0, 136}},
        RecolourCase{"green swaps red and green", {10, 20, 30}, TColorSB::DGreen, 0, {20, 10, 30}},
        RecolourCase{"blue takes old blue, then old red twice",
                     {10, 20, 30},
                     TColorSB::DBlue,
                     0,
                     {30, 10, 10}},
        RecolourCase{
            "yellow copies red into green", {10, 20, 30}, TColorSB::DYellow, 0, {10, 10, 30}},
        RecolourCase{
            "violet copies red into blue", {10, 20, 30}, TColorSB::DViolet, 0, {10, 20, 10}},
        RecolourCase{"orange on a red pixel, 17.5 rounds to even 18",
                     {200, 50, 25},
                     TColorSB::DOrang,
                     0,
                     {200, 91, 18}},
        RecolourCase{"orange 3.5 rounds to even 4", {100, 0, 5}, TColorSB::DOrang, 0, {100, 42, 4}},
        RecolourCase{"orange leaves a pixel that is not mostly red",
                     {50, 60, 10},
                     TColorSB::DOrang,
                     0,
                     {50, 60, 10}},
        RecolourCase{"orange leaves a grey", {90, 90, 90}, TColorSB::DOrang, 0, {90, 90, 90}},
        RecolourCase{"cards: blue from red, no green, red 0.7",
                     {128, 0, 0},
                     TColorSB::DCards,
                     0,
                     {90, 0, 128}},
        RecolourCase{
            "cards: 10.5 rounds to even 10", {15, 200, 9}, TColorSB::DCards, 0, {10, 0, 15}},
        RecolourCase{"lightening after the rearrangement",
                     {136, 0, 0},
                     TColorSB::DNavy,
                     50,
                     {128, 128, 196}},
        RecolourCase{
            "full lightening is white", {0, 10, 200}, TColorSB::DRed, 100, {255, 255, 255}},
        RecolourCase{"lightening 1 of 255 halves exactly",
                     {1, 0, 255},
                     TColorSB::DRed,
                     50,
                     {128, 128, 255}}));

struct SlicePixelCase {
    const char *what;
    Rgb in;
    TColorSB scheme;
    int lighten;
    bool newLook;
    Rgb out;
};

class SlicePixel : public ::testing::TestWithParam<SlicePixelCase> {};

TEST_P(SlicePixel, FollowsTheLook) {
    const SlicePixelCase &c = GetParam();
    EXPECT_EQ(recolourSlicePixel(c.in, c.scheme, c.lighten, c.newLook), c.out) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Looks, SlicePixel,
    ::testing::Values(
        SlicePixelCase{"new look, cards: a dark grey far from red stays",
                       {40, 40, 40},
                       TColorSB::DCards,
                       0,
                       true,
                       {40, 40, 40}},
        SlicePixelCase{"classic, cards: the same grey changes",
                       {40, 40, 40},
                       TColorSB::DCards,
                       0,
                       false,
                       {28, 0, 40}},
        SlicePixelCase{
            "new look, cards: pure red", {255, 0, 0}, TColorSB::DCards, 0, true, {153, 0, 255}},
        SlicePixelCase{"new look, cards: a light red keeps some green",
                       {255, 110, 110},
                       TColorSB::DCards,
                       0,
                       true,
                       {153, 77, 255}},
        SlicePixelCase{"new look: distance exactly 180 is not near",
                       {255, 180, 0},
                       TColorSB::DCards,
                       0,
                       true,
                       {255, 180, 0}},
        SlicePixelCase{"new look: lightening skips the rim",
                       {40, 40, 40},
                       TColorSB::DRed,
                       50,
                       true,
                       {40, 40, 40}},
        SlicePixelCase{"new look: lightening reaches the body",
                       {200, 0, 0},
                       TColorSB::DRed,
                       50,
                       true,
                       {228, 128, 128}},
        SlicePixelCase{"new look, navy: the rim is rearranged but not lightened",
                       {40, 40, 48},
                       TColorSB::DNavy,
                       50,
                       true,
                       {48, 40, 40}},
        SlicePixelCase{"classic: red unlightened is untouched",
                       {17, 0, 0},
                       TColorSB::DRed,
                       0,
                       false,
                       {17, 0, 0}}));

TEST(ClassicGradient, HasOneColourPerRowAboveTheBottomLine) {
    for (int h : {30, 45, 60})
        EXPECT_EQ(classicGradient(h).size(), size_t(h - 1)) << h;
    for (int h : {29, 31, 40, 44, 59, 61})
        EXPECT_TRUE(classicGradient(h).empty()) << h;
}

TEST(ClassicGradient, KeepsTheGivenSegments) {
    struct Case {
        int height;
        std::vector<std::pair<int, Rgb>> rows; // 1-based row, colour
    };
    const Case cases[] = {
        {30,
         {{1, {128, 0, 0}},
          {2, {17, 0, 0}},
          {4, {232, 173, 173}},
          {14, {176, 80, 80}},
          {15, {152, 36, 36}},
          {16, {136, 0, 0}},
          {28, {238, 0, 0}},
          {29, {128, 0, 0}}}},
        {45,
         {{2, {11, 0, 0}},
          {3, {132, 93, 93}},
          {4, {239, 180, 180}},
          {22, {175, 74, 74}},
          {23, {153, 34, 34}},
          {24, {136, 0, 0}},
          {43, {244, 0, 0}},
          {44, {128, 0, 0}}}},
        {60,
         {{2, {9, 0, 0}},
          {3, {131, 94, 94}},
          {4, {243, 183, 183}},
          {29, {172, 71, 71}},
          {30, {150, 33, 33}},
          {31, {132, 0, 0}},
          {58, {246, 0, 0}},
          {59, {128, 0, 0}}}},
    };
    for (const Case &c : cases) {
        const auto rows = classicGradient(c.height);
        for (const auto &[row, colour] : c.rows)
            EXPECT_EQ(rows.at(size_t(row - 1)), colour) << "height " << c.height << " row " << row;
    }
}

TEST(ClassicGradient, InterpolatedBandsRunEvenlyWithGreenEqualToBlue) {
    for (int h : {45, 60}) {
        const auto rows = classicGradient(h);
        const int bandEnd = h == 45 ? 22 : 29; // last row of the light band, 1-based
        for (int row = 4; row < bandEnd; ++row) {
            const Rgb a = rows[size_t(row - 1)], b = rows[size_t(row)];
            EXPECT_EQ(a.g, a.b) << h << " row " << row;
            EXPECT_GE(a.r, b.r) << h << " row " << row;
            EXPECT_GE(a.g, b.g) << h << " row " << row;
            EXPECT_LE(a.r - b.r, 4) << "even steps, " << h << " row " << row;
        }
        for (int row = bandEnd + 2; row < h - 2; ++row)
            EXPECT_LT(rows[size_t(row - 1)].r, rows[size_t(row)].r)
                << "the ramp rises, " << h << " row " << row;
    }
}

TEST(ButtonMeasures, SliceSetAndSideWidthFollowTheHeight) {
    struct Case {
        int height;
        const char *classic;
        const char *fresh;
        int side;
    };
    const Case cases[] = {
        {20, "R29", "Q29", 5},  {30, "R29", "Q29", 8},  {31, "R44", "Q44", 9},
        {40, "R44", "Q44", 12}, {45, "R44", "Q44", 13}, {46, "R59", "Q59", 13},
        {60, "R59", "Q59", 17}, {70, "R59", "Q59", 20},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(sliceSetName(c.height, false), c.classic) << c.height;
        EXPECT_EQ(sliceSetName(c.height, true), c.fresh) << c.height;
        EXPECT_EQ(sideWidth(c.height), c.side) << c.height;
    }
    EXPECT_EQ(sliceName(40, false, 'L'), "R44_L");
    EXPECT_EQ(sliceName(60, true, '2'), "Q59_2");
}

TEST(ButtonMeasures, FocusMarks) {
    struct Case {
        int height;
        FocusRectangle rectangle;
        FocusDots dots;
    };
    const Case cases[] = {
        {20, {4, 3, 6}, {3, 8, 5}},     {30, {7, 4, 7}, {4, 13, 10}},
        {40, {10, 5, 10}, {5, 18, 12}}, {45, {9, 5, 9}, {5, 20, 13}},
        {60, {11, 6, 11}, {6, 27, 15}}, {70, {16, 6, 12}, {7, 32, 20}},
    };
    for (const Case &c : cases) {
        const FocusRectangle r = classicFocusMark(c.height);
        EXPECT_EQ(r.insetX, c.rectangle.insetX) << c.height;
        EXPECT_EQ(r.insetY, c.rectangle.insetY) << c.height;
        EXPECT_EQ(r.corner, c.rectangle.corner) << c.height;
        const FocusDots d = newLookFocusMark(c.height);
        EXPECT_EQ(d.diameter, c.dots.diameter) << c.height;
        EXPECT_EQ(d.top, c.dots.top) << c.height;
        EXPECT_EQ(d.edge, c.dots.edge) << c.height;
    }
}

TEST(ButtonMeasures, GlyphAndTextDistances) {
    struct Case {
        int height, glyph, text;
    };
    const Case cases[] = {{30, 15, 25}, {45, 18, 28}, {60, 20, 30}, {40, 19, 22}, {20, 8, 15}};
    for (const Case &c : cases) {
        EXPECT_EQ(glyphEdgeDistance(c.height), c.glyph) << c.height;
        EXPECT_EQ(textGlyphDistance(c.height), c.text) << c.height;
    }
}

TEST(RoundHalfEven, RoundsHalvesToTheEvenNeighbour) {
    struct Case {
        long long num, den, out;
    };
    const Case cases[] = {{5, 2, 2},   {7, 2, 4},     {-5, 2, -2}, {-7, 2, -4},
                          {26, 10, 3}, {-26, 10, -3}, {24, 10, 2}, {0, 3, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(roundHalfEven(c.num, c.den), c.out) << c.num << "/" << c.den;
}

} // namespace
} // namespace quarn
