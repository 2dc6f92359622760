// The game information record: local, network, account and tournament
// values, and the two-decimal form of a rating.
#include "ui/GameCount.h"

#include <gtest/gtest.h>

#include <ostream>

namespace quarn {

void PrintTo(const TCount &c, std::ostream *os) {
    *os << "{" << c.Count_KonAll << "|" << c.Count_KonCur << "|" << c.Count_ScoBeg << "|"
        << c.Count_ScoCur << "|" << c.Count_ScoAll << "|" << c.Count_ReiBeg << "|" << c.Count_ReiCur
        << "}";
}

namespace {

TEST(TwoDecimalRating, WritesHundredthsWithACommaPaddedToSix) {
    struct Case {
        double rating;
        const char *text;
    };
    const Case cases[] = {
        {1.5, "  1,50"},    {-0.25, " -0,25"},   {-12.34, "-12,34"}, {0.0, "  0,00"},
        {0.05, "  0,05"},   {0.5, "  0,50"},     {-0.004, "  0,00"}, {-0.005, "  0,00"},
        {-0.006, " -0,01"}, {99.99, " 99,99"},   {-99.99, "-99,99"}, {0.125, "  0,12"},
        {0.375, "  0,38"},  {123.456, "123,46"}, {-5.0, " -5,00"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(twoDecimalRating(c.rating), c.text) << c.rating;
}

TEST(TwoDecimalRating, ValuesThatAreNotNumbersReadAsZero) {
    EXPECT_EQ(twoDecimalRating(std::nan("")), "  0,00");
    EXPECT_EQ(twoDecimalRating(std::numeric_limits<double>::infinity()), "  0,00");
}

GameState match(int handNumber, int matchHands, int scoreAtStart, int playerScore,
                double ratingAtStart) {
    GameState game;
    game.HandNumber = handNumber;
    game.MatchHands = matchHands;
    game.ScoreAtStart = scoreAtStart;
    game.PlayerScore = playerScore;
    game.RatingAtStart = ratingAtStart;
    return game;
}

struct CountCase {
    const char *what;
    GameState game;
    AccountStanding account;
    std::optional<TournamentStanding> tournament;
    TCount expected;
};

class FillCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(FillCount, TakesTheValuesOfTheSituation) {
    const CountCase &c = GetParam();
    EXPECT_EQ(fillCount(c.game, c.account, c.tournament), c.expected) << c.what;
}

GameState tournamentGame() {
    GameState game = match(4, 1, 0, -3, 0.0);
    game.Tournament = true;
    game.PlayerKind = kTournamentPlayer;
    return game;
}

GameState accountGame(int handNumber, int matchHands) {
    GameState game = match(handNumber, matchHands, 10, 4, 0.0);
    game.PlayerKind = kAccountPlayer;
    return game;
}

INSTANTIATE_TEST_SUITE_P(
    Situations, FillCount,
    ::testing::Values(
        // 59 hands held, one hand into the match: hand 60 is the 30th of its cycle.
        CountCase{"member one hand after 59",
                  match(60, 1, 12, 5, 0.4),
                  {},
                  std::nullopt,
                  {"60", "30", "12", "5", "17", "  0,40", "  0,48"}},
        CountCase{"new player at the first hand",
                  match(1, 1, 0, 7, 0.0),
                  {},
                  std::nullopt,
                  {"1", "1", "0", "7", "7", "  0,00", "  7,00"}},
        CountCase{"losing member mid-cycle",
                  match(47, 5, -20, -9, -1.25),
                  {kAccountLoggedIn, 0, 0},
                  std::nullopt,
                  {"47", "17", "-20", "-9", "-29", " -1,25", " -1,31"}},
        CountCase{"account playing for the rating: KonL 27 after 2 hands",
                  accountGame(62, 2),
                  {kAccountPlayingForRating, 27, 3.5},
                  std::nullopt,
                  {"62", "29", "10", "4", "14", "4", "?"}},
        CountCase{"account rating rounds halves to even",
                  accountGame(3, 3),
                  {kAccountPlayingForRating, 28, 2.5},
                  std::nullopt,
                  {"3", "31", "10", "4", "14", "2", "?"}},
        CountCase{"account logged in but not rated: local values",
                  accountGame(62, 2),
                  {kAccountLoggedIn, 27, 3.5},
                  std::nullopt,
                  {"62", "2", "10", "4", "14", "  0,00", "  0,06"}},
        CountCase{"tournament, whatever the account state",
                  tournamentGame(),
                  {kAccountPlayingForRating, 27, 3.5},
                  TournamentStanding{55, 3},
                  {"4", "-", "55", "-3", "52", "3", "?"}},
        CountCase{"tournament without its entry reads zeros",
                  tournamentGame(),
                  {},
                  std::nullopt,
                  {"4", "-", "0", "-3", "-3", "0", "?"}}));

TEST(FillCount, HandZeroGivesACycleOf30AndTheRatingAtStart) {
    const TCount count = fillCount(match(0, 0, 0, 0, 2.5), {}, std::nullopt);
    EXPECT_EQ(count.Count_KonCur, "30");
    EXPECT_EQ(count.Count_ReiCur, "  2,50");
}

TEST(CurrentCount, IsOneRecordOverwrittenAtEachOpening) {
    currentCount() = fillCount(match(5, 5, 0, 1, 0.0), {}, std::nullopt);
    TCount &same = currentCount();
    EXPECT_EQ(same.Count_KonAll, "5");
    currentCount() = fillCount(match(6, 6, 0, 1, 0.0), {}, std::nullopt);
    EXPECT_EQ(same.Count_KonAll, "6");
}

} // namespace
} // namespace quarn
