// What the end-of-game window shows: texts, sound, medal and animation for
// each place and kind of game.
#include "lang/Language.h"
#include "ui/EndOfGame.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

struct PlaceCase {
    const char *what;
    EndOfGameKind kind;
    int place;
    int score;
    const char *sound;
    WordEntry heading;
    WordEntry subtitle;
    WordEntry titleLine;
    const char *result;
    int medal;
    const char *animation;
    int stillFrame;
    bool loop;
};

class EndOfGamePlace : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(EndOfGamePlace, ShowsTheOutcome) {
    const PlaceCase &c = GetParam();
    setLanguage(English);
    const EndOfGameView view = endOfGameView({c.kind, c.place, c.score, 0});
    EXPECT_EQ(view.sound, c.sound) << c.what;
    EXPECT_EQ(view.heading, c.heading) << c.what;
    EXPECT_EQ(view.subtitle, c.subtitle) << c.what;
    ASSERT_TRUE(view.titleLine.has_value()) << c.what;
    EXPECT_EQ(*view.titleLine, c.titleLine) << c.what;
    EXPECT_EQ(view.result, c.result) << c.what;
    EXPECT_EQ(view.medalPlace, c.medal) << c.what;
    EXPECT_EQ(view.animation, c.animation) << c.what;
    EXPECT_EQ(view.stillFrame, c.stillFrame) << c.what;
    EXPECT_EQ(view.loop, c.loop) << c.what;
}

using W = WordEntry;
INSTANTIATE_TEST_SUITE_P(
    Places, EndOfGamePlace,
    ::testing::Values(
        PlaceCase{"local best", EndOfGameKind::Local, 1, 142, "WFiBest", W::ClubCongratulations,
                  W::ClubResultBest, W::ClubMaster, "Result: 142", 1, "GEndBest", 25, false},
        PlaceCase{"network best", EndOfGameKind::Network, 1, 90, "WFiBest", W::ClubCongratulations,
                  W::ClubResultBest, W::ClubBachelor, "Result: 90", 1, "GEndBest", 25, false},
        PlaceCase{"account best", EndOfGameKind::Account, 1, 300, "WFiBest", W::ClubCongratulations,
                  W::ClubResultBest, W::ClubVicePresident, "Result: 300", 1, "GEndBest", 25, false},
        PlaceCase{"second place", EndOfGameKind::Local, 2, 97, "WFiGood", W::ClubCongratulations,
                  W::ClubResultGood, W::ClubInTopTen, "Result: 97", 2, "GEndGood", 24, false},
        PlaceCase{"tenth place", EndOfGameKind::Network, 10, -4, "WFiGood", W::ClubCongratulations,
                  W::ClubResultGood, W::ClubInTopTen, "Result: -4", 10, "GEndGood", 24, false},
        PlaceCase{"outside the top ten", EndOfGameKind::Local, 0, -40, "WFiBads", W::ClubOurRegrets,
                  W::ClubResultWishBest, W::ClubNotInTopTen, "Result: -40", 0, "GEndBads", 3, true},
        PlaceCase{"account world place 11", EndOfGameKind::Account, 11, 12, "WFiBads",
                  W::ClubOurRegrets, W::ClubResultWishBest, W::ClubNotInTopTen,
                  "Result: 12 ; Place: 11", 0, "GEndBads", 3, true},
        PlaceCase{"account without a place", EndOfGameKind::Account, 0, 12, "WFiBads",
                  W::ClubOurRegrets, W::ClubResultWishBest, W::ClubNotInTopTen, "Result: 12", 0,
                  "GEndBads", 3, true},
        PlaceCase{"a club place beyond ten is no place", EndOfGameKind::Local, 11, 5, "WFiBads",
                  W::ClubOurRegrets, W::ClubResultWishBest, W::ClubNotInTopTen, "Result: 5", 0,
                  "GEndBads", 3, true}));

TEST(EndOfGameView, ResultFollowsTheLanguage) {
    setLanguage(German);
    EXPECT_EQ(endOfGameView({EndOfGameKind::Account, 12, 7, 0}).result,
              std::string(text(WordEntry::ClubResult)) + "7 ; " +
                  std::string(text(WordEntry::ClubPlace)) + "12");
    setLanguage(English);
}

TEST(EndOfGameView, RewardShowsOnlyForAnAccountPlaceInTheTopTen) {
    struct Case {
        EndOfGameKind kind;
        int place, bonus, shown;
    };
    const Case cases[] = {{EndOfGameKind::Account, 1, 25, 25},
                          {EndOfGameKind::Account, 5, 10, 10},
                          {EndOfGameKind::Account, 5, -1, 0},
                          {EndOfGameKind::Account, 14, 0, 0},
                          {EndOfGameKind::Local, 1, 25, 0}};
    for (const Case &c : cases)
        EXPECT_EQ(endOfGameView({c.kind, c.place, 100, c.bonus}).bonus, c.shown) << c.place;
}

} // namespace
} // namespace quarn
