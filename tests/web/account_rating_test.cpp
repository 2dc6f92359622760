// The account rating and the two formulas that carry it from match to match.
#include "web/AccountRating.h"

#include <gtest/gtest.h>

namespace {

using namespace web;

TEST(AccountRating, FormulasByTheirTerms) {
    const struct {
        const char *name;
        double got;
        double expected;
    } cases[] = {
        // K = 9 at 2.5 starts a match: ((2.5 - 0.3) * 9 - 50) / 12 + 0.4.
        {"pre-charge", R1(2.5, 12, 3), (2.2 * 9 - 50) / 12 + 0.4},
        {"pre-charge by hands", PreChargedRating(2.5, 9), (2.2 * 9 - 50) / 12 + 0.4},
        // ... and scores +6: ((-2.1167 - 0.4) * 12 + 50 + 6) / 12 + 0.4 = 2.55.
        {"record", RecordedRating(PreChargedRating(2.5, 9), 12, 6), 2.55},
        {"record as written", R2((2.2 * 9 - 50) / 12 + 0.4, 12, 6), (2.2 * 9 + 6) / 12 + 0.4},
        // A new account: nothing before the match.
        {"first pre-charge", PreChargedRating(0.0, 0), -50.0 / 3 + 0.1},
        {"first record", RecordedRating(PreChargedRating(0.0, 0), 3, -7), -7.0 / 3 + 0.1},
        // Neither rounds nor clamps.
        {"no clamp", AccountRating(4000, 30), 4000.0 / 30 + 1},
        {"no rounding", RecordedRating(PreChargedRating(0.0, 0), 3, 1), 1.0 / 3 + 0.1},
        {"other constants", R1(1.0, 10, 2, 20, 10), ((1.0 - 0.8) * 8 - 20) / 10 + 1.0},
        // No hands: the rating is kept, never a division by zero.
        {"R1 without hands", R1(1.25, 0, 3), 1.25},
        {"R2 without hands", R2(1.25, 0, 6), 1.25},
        {"R2 negative hands", R2(-3.5, -3, 6), -3.5},
        {"no average", AccountRating(12, 0), 0.0},
    };
    for (const auto &c : cases)
        EXPECT_NEAR(c.got, c.expected, 1e-12) << c.name;
    EXPECT_NEAR(PreChargedRating(2.5, 9), -2.1167, 5e-5);
}

// The rating "as if -50" followed by the real score is S / K + K / 30 again,
// over any number of matches.
TEST(AccountRating, PreChargeAndRecordGiveTheAverageAgain) {
    const struct {
        int hands;
        int scoreSum;
        int matchScore;
    } cases[] = {{0, 0, 12},    {3, -7, 0},       {9, 19, -30},
                 {27, 140, 50}, {300, -421, -51}, {3000, 90000, 99}};
    for (const auto &c : cases) {
        const double before = AccountRating(c.scoreSum, c.hands);
        const double charged = PreChargedRating(before, c.hands);
        EXPECT_NEAR(charged, AccountRating(c.scoreSum - kPreCharge, c.hands + kAccountBlock), 1e-9)
            << c.hands;
        EXPECT_NEAR(RecordedRating(charged, c.hands + kAccountBlock, c.matchScore),
                    AccountRating(c.scoreSum + c.matchScore, c.hands + kAccountBlock), 1e-9)
            << c.hands;
    }
    // Ten matches in a row, each pre-charged and recorded.
    double rating = 0;
    int hands = 0, sum = 0;
    for (int match = 1; match <= 10; ++match) {
        const int score = (match * 7) % 23 - 11;
        rating = PreChargedRating(rating, hands);
        hands += kAccountBlock;
        rating = RecordedRating(rating, hands, score);
        sum += score;
    }
    EXPECT_NEAR(rating, AccountRating(sum, hands), 1e-9);
}

} // namespace
