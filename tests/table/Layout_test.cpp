// Scaling, layout, card positions and the hit test: pure geometry.

#include "table/FlightPath.h"
#include "table/Layout.h"
#include "table/Scaling.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour) {
    struct Case {
        std::int64_t num, den, expected;
    };
    const Case cases[] = {
        {5, 2, 2}, {7, 2, 4},  {-5, 2, -2}, {-7, 2, -4}, {1, 3, 0},
        {2, 3, 1}, {-1, 3, 0}, {-2, 3, -1}, {10, 5, 2},  {0, 7, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(roundHalfEven(c.num, c.den), c.expected) << c.num << "/" << c.den;
    EXPECT_EQ(roundHalfEven(3, 0), 0) << "a zero denominator must not crash";
}

struct ScaleCase {
    WindowSize size;
    int base;
    int expected;
};

class ScaleTest : public testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleTest, ScalesExactly) {
    const ScaleCase &c = GetParam();
    EXPECT_EQ(Scaling::forWindow(c.size).Scale(c.base), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    WindowSizes, ScaleTest,
    testing::Values(
        // 1.3 x 35 is exactly 45.5: the half goes to 46, not to 45 as a
        // binary 1.3 would give.
        ScaleCase{WindowSize::Average1, 35, 46}, ScaleCase{WindowSize::Average1, 45, 58},
        ScaleCase{WindowSize::Average1, 71, 92}, ScaleCase{WindowSize::Average1, 96, 125},
        ScaleCase{WindowSize::Average1, 61, 79}, ScaleCase{WindowSize::Average2, 71, 121},
        ScaleCase{WindowSize::Average2, 96, 163}, ScaleCase{WindowSize::Average2, 5, 8},
        ScaleCase{WindowSize::Average2, 15, 26}, ScaleCase{WindowSize::Small, 394, 394},
        ScaleCase{WindowSize::Large, 394, 788}));

TEST(Scaling, FullScreenKeepsProportionsAndCentres) {
    // A wide screen: twice the base width, the base height. S is the smaller factor.
    const Scaling s = Scaling::forWindow(WindowSize::FullScreen, QSize(1520, 500));
    EXPECT_EQ(s.Scale(394), 394);
    EXPECT_EQ(s.PosX(183, 394), 366 + 197) << "round(183 x 2) + round((2 - 1) x 394 / 2)";
    EXPECT_EQ(s.PosY(160, 200), 160);

    const Scaling tall = Scaling::forWindow(WindowSize::FullScreen, QSize(760, 575)); // SY = 1.15
    EXPECT_EQ(tall.PosY(10, 5), 12) << "round(11.5) + round(0.375)";
    EXPECT_EQ(tall.PosX(10, 5), 10);
}

TEST(Scaling, WindowSizeSettingsOutsideTheListGiveTheSmallWindow) {
    EXPECT_EQ(windowSizeFromSetting(0), WindowSize::Small);
    EXPECT_EQ(windowSizeFromSetting(6), WindowSize::Small);
    EXPECT_EQ(windowSizeFromSetting(4), WindowSize::Average2);
    EXPECT_EQ(clientSizeFor(WindowSize::FullScreen, QSize()), QSize(760, 500));
    EXPECT_EQ(clientSizeFor(WindowSize::Average2), QSize(1290, 850));
}

TEST(CardSize, FollowsTheScaleAndTheWidthOfTheSet) {
    struct Case {
        WindowSize size;
        bool wide;
        CardSize expected;
    };
    const Case cases[] = {
        {WindowSize::Small, true, {71, 96, CardMode::Framed}},
        {WindowSize::Small, false, {71, 96, CardMode::Framed}},
        {WindowSize::Average1, true, {92, 125, CardMode::Scaled}},
        {WindowSize::Average1, false, {79, 125, CardMode::Scaled}},
        {WindowSize::Average2, true, {121, 163, CardMode::Scaled}},
        {WindowSize::Large, true, {146, 198, CardMode::Large}},
        {WindowSize::Large, false, {126, 198, CardMode::Large}},
    };
    for (const Case &c : cases) {
        const CardSize got = cardSizeFor(Scaling::forWindow(c.size), c.wide);
        EXPECT_EQ(got.width, c.expected.width) << int(c.size) << c.wide;
        EXPECT_EQ(got.height, c.expected.height) << int(c.size) << c.wide;
        EXPECT_EQ(got.mode, c.expected.mode) << int(c.size) << c.wide;
    }
}

TEST(LayOutTable, PlacesTheElementsOfTheSmallWindow) {
    const TableLayout l = LayOutTable(WindowSize::Small);
    EXPECT_EQ(l.hands[1], QRect(15, 178, 165, 96));
    EXPECT_EQ(l.hands[4], QRect(250, 395, 260, 96));
    EXPECT_EQ(l.tabs[2], QRect(133, 18, 155, 95));
    EXPECT_EQ(l.plates[3], QRect(584, 278, 160, 20));
    EXPECT_EQ(l.table, QRect(183, 160, 394, 200));
    EXPECT_EQ(l.counter, QRect(10, 5, 120, 150));
    EXPECT_EQ(l.button7, QRect(585, 400, 160, 30));
    EXPECT_EQ(l.button8, QRect(585, 430, 160, 30));
    EXPECT_EQ(l.memo, QRect(595, 30, 130, 90));
    EXPECT_EQ(l.sendButton, QRect(690, 121, 35, 35));
    EXPECT_EQ(l.chatLine, QRect(595, 128, 94, 20));
}

TEST(LayOutTable, EveryElementLiesInsideTheClientArea) {
    for (WindowSize size :
         {WindowSize::Small, WindowSize::Average1, WindowSize::Average2, WindowSize::Large}) {
        const TableLayout l = LayOutTable(size);
        const QRect client(QPoint(0, 0), l.client);
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_TRUE(client.contains(l.hands[seat])) << int(size) << " hand " << seat;
            EXPECT_TRUE(client.contains(l.tabs[seat])) << int(size) << " tab " << seat;
            EXPECT_TRUE(client.contains(l.plates[seat])) << int(size) << " plate " << seat;
        }
        EXPECT_TRUE(client.contains(l.table));
        EXPECT_TRUE(client.contains(l.button8));
        // The ace of hearts, the lowest right card, stays inside the table.
        const QPoint ace = tablePlace(l, 1, 9);
        EXPECT_TRUE(l.table.contains(QRect(ace, QSize(l.card.width, l.card.height)))) << int(size);
    }
}

TEST(LayOutTable, LargeWindowTableAndAceOfHearts) {
    const TableLayout l = LayOutTable(WindowSize::Large);
    EXPECT_EQ(l.table.size(), QSize(788, 400));
    EXPECT_EQ(tablePlace(l, 1, 9) - l.table.topLeft(), QPoint(640, 200));
    EXPECT_EQ(tablePlace(l, 4, 1) - l.table.topLeft(), QPoint(0, 0));
    EXPECT_EQ(tablePlace(l, 2, 4) - l.table.topLeft(), QPoint(240, 134));
}

TEST(LayOutTable, FullScreenTakesTheClientArea) {
    const TableLayout l = LayOutTable(WindowSize::FullScreen, QSize(1920, 1050));
    EXPECT_EQ(l.client, QSize(1920, 1050));
    EXPECT_EQ(l.card.mode, CardMode::Large) << "S = min(1920/760, 1050/500) = 2.1";
    EXPECT_EQ(l.button7.left(), int(roundHalfEven(585 * 1920, 760)));
}

struct LeftsCase {
    const char *what;
    int width;
    int cards;
    int cardWidth;
    std::vector<int> expected;
};

class CardLeftsTest : public testing::TestWithParam<LeftsCase> {};

TEST_P(CardLeftsTest, PlacesTheCards) {
    const LeftsCase &c = GetParam();
    const CardLefts lefts = cardLefts(c.width, c.cards, c.cardWidth);
    for (size_t i = 0; i < c.expected.size(); ++i)
        EXPECT_EQ(lefts[i + 1], c.expected[i]) << c.what << " card " << i + 1;
    for (size_t slot = c.expected.size() + 1; slot <= 36; ++slot)
        EXPECT_EQ(lefts[slot], 0) << c.what << " empty slot " << slot;
}

INSTANTIATE_TEST_SUITE_P(
    Hands, CardLeftsTest,
    testing::Values(
        LeftsCase{"nine cards overlap in the bottom hand",
                  260,
                  9,
                  71,
                  {0, 23, 46, 69, 92, 115, 138, 161, 184}},
        LeftsCase{"two cards side by side, centred on 82", 165, 2, 71, {8, 82}},
        LeftsCase{"one card centred", 260, 1, 71, {93}},
        LeftsCase{"a half pixel rounds to even", 170, 1, 71, {48}},
        LeftsCase{"no cards", 260, 0, 71, {}},
        LeftsCase{"one card wider than its area", 60, 1, 71, {0}},
        LeftsCase{
            "more cards than pixels stack at the left", 80, 9, 71, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        LeftsCase{
            "large window bottom hand", 520, 9, 146, {0, 46, 92, 138, 184, 230, 276, 322, 368}}));

TEST(HitTest, FindsTheSlotUnderAPosition) {
    const CardLefts lefts = cardLefts(260, 9, 71); // 0, 23, ..., 184
    struct Case {
        int x;
        int slot;
    };
    const Case cases[] = {
        {0, 1}, {22, 1}, {23, 2}, {183, 8}, {184, 9}, {254, 9}, {255, 0}, {-1, 0}, {1000, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(HitTest(lefts, 9, 71, c.x), c.slot) << "x = " << c.x;
}

TEST(HitTest, SideBySideCardsLeaveTheMarginsEmpty) {
    const CardLefts lefts = cardLefts(165, 2, 71); // 8 and 82
    EXPECT_EQ(HitTest(lefts, 2, 71, 7), 0);
    EXPECT_EQ(HitTest(lefts, 2, 71, 8), 1);
    EXPECT_EQ(HitTest(lefts, 2, 71, 81), 1) << "the gap before card 2 belongs to card 1";
    EXPECT_EQ(HitTest(lefts, 2, 71, 152), 2);
    EXPECT_EQ(HitTest(lefts, 2, 71, 153), 0);
    EXPECT_EQ(HitTest(lefts, 0, 71, 10), 0) << "an empty hand has no cards to hit";
}

TEST(VisibleCardPart, IsCutByTheNextCard) {
    const CardLefts lefts = cardLefts(260, 9, 71);
    const CardSize card{71, 96, CardMode::Framed};
    EXPECT_EQ(visibleCardPart(lefts, 9, card, 1), QRect(0, 0, 23, 96));
    EXPECT_EQ(visibleCardPart(lefts, 9, card, 9), QRect(184, 0, 71, 96));
    EXPECT_TRUE(visibleCardPart(lefts, 9, card, 10).isEmpty());
    EXPECT_TRUE(visibleCardPart(lefts, 9, card, 0).isEmpty());
}

TEST(FlightPath, MovesOnePixelAlongTheLongerDistance) {
    const FlightPath path(QPoint(250, 395), QPoint(550, 295));
    EXPECT_EQ(path.steps(), 300);
    EXPECT_EQ(path.at(0), QPoint(250, 395));
    EXPECT_EQ(path.at(1), QPoint(251, 395)) << "1/3 rounds to 0";
    EXPECT_EQ(path.at(2), QPoint(252, 394)) << "2/3 rounds to 1";
    EXPECT_EQ(path.at(3), QPoint(253, 394));
    EXPECT_EQ(path.at(300), QPoint(550, 295));
    EXPECT_EQ(path.at(500), QPoint(550, 295));

    const FlightPath up(QPoint(10, 400), QPoint(14, 200));
    EXPECT_EQ(up.steps(), 200);
    EXPECT_EQ(up.at(25), QPoint(10, 375)) << "0.5 rounds to the even 0";
    EXPECT_EQ(up.at(75), QPoint(12, 325)) << "1.5 rounds to the even 2";

    EXPECT_EQ(FlightPath(QPoint(5, 5), QPoint(5, 5)).steps(), 0);
}

TEST(FlightPace, PausesBySpeed) {
    struct Case {
        int speed;
        std::vector<int> pauses;
        bool drawsFirst;
        bool fineTimer;
    };
    const Case cases[] = {
        {1, {2, 2, 2, 2, 2, 2}, true, true},  {2, {1, 1, 1, 1, 1, 1}, true, true},
        {3, {0, 1, 0, 1, 0, 1}, true, true},  {4, {0, 0, 1, 0, 0, 1}, true, true},
        {5, {0, 0, 0, 0, 0, 0}, true, false}, {6, {0, 0, 0, 0, 0, 0}, false, false},
        {0, {0, 0, 1, 0, 0, 1}, true, true}, // out of range: the default speed 4
        {9, {0, 0, 1, 0, 0, 1}, true, true},
    };
    for (const Case &c : cases) {
        for (int step = 1; step <= 6; ++step)
            EXPECT_EQ(pauseAfterStep(c.speed, step), c.pauses[step - 1])
                << "speed " << c.speed << " step " << step;
        EXPECT_EQ(drawsStep(c.speed, 1), c.drawsFirst) << "speed " << c.speed;
        EXPECT_TRUE(drawsStep(c.speed, 2));
        EXPECT_EQ(needsFineTimer(c.speed), c.fineTimer) << "speed " << c.speed;
    }
}

} // namespace
} // namespace quarn
