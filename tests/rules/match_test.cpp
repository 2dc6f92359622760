#include <gtest/gtest.h>

#include "rules/Invariants.h"
#include "rules/Match.h"
#include "rules/Moves.h"
#include "tests/rules/EventLog.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;
using test::EventLog;
using test::PlayingState;

using Events = std::vector<std::string>;

Deck SeededDeck(std::uint64_t seed) {
    DeckRandom random(seed);
    return ShuffleDeck(random);
}

TEST(NewHand, ResetsTheHandAndDealsSortedHands) {
    GameState game = PlayingState({"6ч", "7ч", "8ч", ""}, "9б 9п", 3);
    game.Score = {0, 5, -5, 3, -3}; // the previous hand was settled
    game.Bank = 30;
    game.HandPaid[2] = -9;
    game.HandPenalty[1] = -4;
    game.HandNumber = 59;
    game.MatchHands = 4;
    game.InGame = false;
    game.PlayerName = PadName("Ann");
    game.NetRole = 3; // left from an earlier network match
    EventLog log;
    const Deck deck = SeededDeck(1);
    ASSERT_TRUE(NewHand(game, deck, log.Out()));

    EXPECT_EQ(game.HandNumber, 60);
    EXPECT_EQ(game.HandInCycle(), 30);
    EXPECT_EQ(game.MatchHands, 5);
    EXPECT_EQ(game.Phase, kPhaseDealt);
    EXPECT_EQ(game.MoveNumber, 1);
    EXPECT_EQ(game.Bank, 0);
    EXPECT_EQ(game.Table, GameState::EmptyTable());
    EXPECT_TRUE(game.InGame);
    EXPECT_EQ(game.NetRole, kLocalRole);
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        EXPECT_EQ(game.CardCount[seat], 9);
        EXPECT_EQ(game.HandPaid[seat], 0);
        EXPECT_EQ(game.HandPenalty[seat], 0);
        Hand copy = game.Hands[seat];
        SortHand(copy);
        EXPECT_EQ(copy, game.Hands[seat]) << "seat " << seat << " is not sorted";
    }
    EXPECT_EQ(game.ToMove, OpeningSeat(game.Hands));
    EXPECT_TRUE(HoldsCard(game.Hands[game.ToMove], kOpeningCard));
    EXPECT_EQ(game.SeatName, (PerSeat<std::string>{"", "PC", "PC", "PC", "Ann"}));
    EXPECT_EQ(CheckInvariants(game), std::nullopt);
    EXPECT_EQ(log.events, Events{"dealt"});
}

TEST(NewHand, SeatsAreKeptInANetworkGame) {
    GameState game;
    game.Network = true;
    game.NetRole = 2;
    game.SeatName = {"", "Host", "Bob", "PC", "Cid"};
    ASSERT_TRUE(NewHand(game, SeededDeck(4)));
    EXPECT_EQ(game.NetRole, 2);
    EXPECT_EQ(game.SeatName, (PerSeat<std::string>{"", "Host", "Bob", "PC", "Cid"}));
}

TEST(NewHand, ANewPlayersFirstDealIsHandOne) {
    GameState game;
    game.PlayerKind = kNewPlayer;
    NewMatch(game, PlayerStanding{"Ann", 0, 0, 0});
    NewHand(game);
    EXPECT_EQ(game.HandNumber, 1);
    EXPECT_EQ(game.MatchHands, 1);
    EXPECT_EQ(CheckInvariants(game), std::nullopt);
}

TEST(NewHand, DamagedDecksAndDealsAreRefusedAndChangeNothing) {
    GameState game = PlayingState({"6ч", "7ч", "8ч", ""}, "9б", 1);
    game.Score = {0, 5, -5, 3, -3};
    game.Bank = 0;
    const GameState before = game;
    Deck deck = SeededDeck(2);
    deck[7] = deck[8];
    EventLog log;
    EXPECT_FALSE(NewHand(game, deck, log.Out()));

    SeatHands hands{};
    PerSeat<std::uint8_t> counts{};
    DealHands(SeededDeck(2), hands, counts);
    SeatHands shortSeat = hands;
    shortSeat[3][9] = HandSlot{};
    SeatHands duplicate = hands;
    duplicate[1][1] = hands[2][1];
    SeatHands garbage = hands;
    garbage[4][2].card = TStr2{'z', 'z'};
    for (const SeatHands *bad : {&shortSeat, &duplicate, &garbage})
        EXPECT_FALSE(NewHand(game, *bad, log.Out()));
    EXPECT_EQ(game, before);
    EXPECT_TRUE(log.events.empty());

    ASSERT_TRUE(NewHand(game, hands));
    EXPECT_EQ(CheckInvariants(game), std::nullopt);
}

TEST(NewHand, FromGivenHandsSortsEachSeatWhereverItsCardsLie) {
    SeatHands hands{};
    PerSeat<std::uint8_t> counts{};
    DealHands(SeededDeck(5), hands, counts);
    std::swap(hands[2][1], hands[2][30]); // a card in a far slot, a gap at slot 1
    GameState game;
    ASSERT_TRUE(NewHand(game, hands));
    EXPECT_EQ(game.CardCount[2], 9);
    EXPECT_EQ(CheckInvariants(game), std::nullopt);
}

struct StandingCase {
    const char *name;
    std::uint8_t kind;
    PlayerStanding standing;
    std::int32_t handNumber;
    std::int32_t scoreAtStart;
    std::int32_t playerTotal;
    double ratingAtStart;
    const char *playerName;
};

class Standing : public ::testing::TestWithParam<StandingCase> {};

TEST_P(Standing, IsLoadedByPlayerKind) {
    const StandingCase &c = GetParam();
    GameState game;
    game.PlayerName = PadName("Typed");
    game.ScoreAtStart = 77; // left from an earlier match
    game.Score = {0, 5, -5, 3, -3};
    game.MayLeave = game.HandsOpen = true;
    game.MatchHands = 9;
    game.PlayerScore = -3;
    game.PlayerKind = c.kind;
    NewMatch(game, c.standing);
    EXPECT_EQ(game.Score, (PerSeat<std::int32_t>{}));
    EXPECT_FALSE(game.MayLeave);
    EXPECT_FALSE(game.HandsOpen);
    EXPECT_EQ(game.MatchHands, 0);
    EXPECT_EQ(game.PlayerScore, 0);
    EXPECT_EQ(game.HandNumber, c.handNumber);
    EXPECT_EQ(game.ScoreAtStart, c.scoreAtStart);
    EXPECT_EQ(game.PlayerTotal, c.playerTotal);
    EXPECT_DOUBLE_EQ(game.RatingAtStart, c.ratingAtStart);
    EXPECT_EQ(game.PlayerName, c.playerName);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Standing,
    ::testing::Values(
        StandingCase{
            "ClubLine", 3, {"Ann", 1.25, 59, 14}, 59, 14, 14, 1.25, "Ann                 "},
        StandingCase{"ClubLineLongName",
                     1,
                     {"Abcdefghijklmnopqrstuvwxyz", -2.5, 10, -7},
                     10,
                     -7,
                     -7,
                     -2.5,
                     "Abcdefghijklmnopqrst"},
        StandingCase{"NewPlayerKeepsTypedName",
                     kNewPlayer,
                     {"", 3.0, 40, 9},
                     0,
                     0,
                     0,
                     0.0,
                     "Typed               "},
        StandingCase{"NewPlayerGivenName",
                     kNewPlayer,
                     {"Женя", 0, 0, 0},
                     0,
                     0,
                     0,
                     0.0,
                     "Женя                "},
        StandingCase{"Account",
                     kAccountPlayer,
                     {"nick", 0.75, 12, 6},
                     12,
                     6,
                     6,
                     0.75,
                     "nick                "},
        StandingCase{"AccountWithoutHands",
                     kAccountPlayer,
                     {"nick", 0.75, 0, 6},
                     0,
                     0,
                     0,
                     0.0,
                     "nick                "},
        // The entry's score stays the player's total through the stakes.
        StandingCase{"TournamentEntry",
                     kTournamentPlayer,
                     {"tnick", 2.5, 31, 40},
                     31,
                     40,
                     40,
                     2.5,
                     "tnick               "}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Standing, TournamentTotalFollowsTheHandFromTheEntrysScore) {
    GameState game;
    game.PlayerKind = kTournamentPlayer;
    game.Tournament = true;
    NewMatch(game, PlayerStanding{"tnick", 2.5, 31, 40});
    ASSERT_TRUE(NewHand(game, SeededDeck(8)));
    ASSERT_TRUE(StartHand(game));
    EXPECT_EQ(game.PlayerScore, -2);
    EXPECT_EQ(game.PlayerTotal, 38);
}

// Scoring cases: the seats' cards left when the winner goes out and the
// passes made; the hand's net change per seat after settlement.
struct ScoringCase {
    const char *name;
    std::array<int, 4> cardsLeft; // seats 1..4, one of them 0
    std::array<int, 4> passes;
    int bankAfterEnd;
    std::array<int, 4> net;
};

class Scoring : public ::testing::TestWithParam<ScoringCase> {};

// A hand in play whose seats hold the given numbers of cards.
GameState HandWithCardsLeft(const std::array<int, 4> &cardsLeft) {
    GameState game = PlayingState({"", "", "", ""}, "", 1);
    for (int seat = 1; seat <= kSeatCount; ++seat)
        game.CardCount[seat] = static_cast<std::uint8_t>(cardsLeft[seat - 1]);
    return game;
}

TEST_P(Scoring, LosersPayPerCardAndTheWinnerTakesTheBank) {
    const ScoringCase &c = GetParam();
    GameState game = HandWithCardsLeft(c.cardsLeft);
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        for (int i = 0; i < c.passes[seat - 1]; ++i)
            ASSERT_TRUE(Pass(game, seat, Announce::No, Advance::No));
    }
    ASSERT_TRUE(EndHand(game));
    EXPECT_EQ(game.Bank, c.bankAfterEnd);
    EXPECT_EQ(game.ToMove, kHandEnded);
    int paid = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        EXPECT_EQ(game.HandPenalty[seat], -c.cardsLeft[seat - 1]);
        paid += game.HandPaid[seat] + game.HandPenalty[seat];
    }
    EXPECT_EQ(paid, -game.Bank);
    ASSERT_TRUE(SettleHand(game));
    EXPECT_EQ(game.Bank, 0);
    EXPECT_EQ(game.ToMove, kHandSettled);
    int sum = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        EXPECT_EQ(game.Score[seat], c.net[seat - 1]) << "seat " << seat;
        EXPECT_EQ(game.HandPaid[seat], 0);
        EXPECT_EQ(game.HandPenalty[seat], 0);
        sum += game.Score[seat];
    }
    EXPECT_EQ(sum, 0);
    EXPECT_EQ(game.PlayerScore, c.net[3]);
}

INSTANTIATE_TEST_SUITE_P(
    Hands, Scoring,
    ::testing::Values(
        ScoringCase{"WorkedExample", {2, 4, 0, 1}, {0, 1, 0, 0}, 17, {-4, -8, 15, -3}},
        ScoringCase{"NoPassesOneCardEach", {1, 1, 1, 0}, {0, 0, 0, 0}, 11, {-3, -3, -3, 9}},
        ScoringCase{"WinnerHadPassed", {0, 9, 3, 2}, {2, 0, 1, 0}, 28, {22, -11, -7, -4}},
        ScoringCase{
            "FirstSeatWinsAfterManyPasses", {0, 5, 5, 5}, {3, 3, 3, 3}, 47, {39, -13, -13, -13}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(EndHand, ShowsPenaltiesPlaysTheOutcomeAndOpensTheHands) {
    for (const int winner : {2, 4}) {
        std::array<int, 4> left{2, 2, 2, 2};
        left[winner - 1] = 0;
        GameState game = HandWithCardsLeft(left);
        EventLog log;
        ASSERT_TRUE(EndHand(game, log.Out()));
        const std::string sound = winner == 4 ? "sound WKoGutX nowait" : "sound WKoBadX nowait";
        EXPECT_EQ(log.events, (Events{"bank", "tabs 0", sound, "label 2", "hand 1 up", "hand 2 up",
                                      "hand 3 up"}));
    }
}

TEST(EndHand, IsRefusedWithoutAWinnerAndWhenTheHandHasAlreadyEnded) {
    GameState playing = HandWithCardsLeft({1, 2, 3, 4});
    const GameState before = playing;
    EXPECT_FALSE(EndHand(playing));
    EXPECT_EQ(playing, before);

    GameState ended = HandWithCardsLeft({0, 2, 3, 4});
    ASSERT_TRUE(EndHand(ended));
    const GameState afterEnd = ended;
    EXPECT_FALSE(EndHand(ended)); // a second call would charge the losers twice
    EXPECT_EQ(ended, afterEnd);
}

TEST(SettleHand, IsRefusedUnlessTheHandHasEnded) {
    GameState playing = HandWithCardsLeft({0, 2, 3, 4});
    const GameState before = playing;
    EXPECT_FALSE(SettleHand(playing));
    EXPECT_EQ(playing, before);
    ASSERT_TRUE(EndHand(playing));
    ASSERT_TRUE(SettleHand(playing));
    const GameState settled = playing;
    EXPECT_FALSE(SettleHand(playing));
    EXPECT_EQ(playing, settled);
}

struct SettleCase {
    const char *name;
    bool network;
    std::uint8_t netRole;
    bool tournament;
    std::int32_t handNumber;
    bool mayLeave;
    bool announced;
};

class Settlement : public ::testing::TestWithParam<SettleCase> {};

TEST_P(Settlement, SetsMayLeaveByTheBlockRulesAndAnnouncesFromTheHost) {
    const SettleCase &c = GetParam();
    GameState game = HandWithCardsLeft({1, 0, 2, 3});
    game.Network = c.network;
    game.NetRole = c.netRole;
    game.Tournament = c.tournament;
    game.HandNumber = c.handNumber;
    ASSERT_TRUE(EndHand(game));
    EventLog log;
    ASSERT_TRUE(SettleHand(game, log.Out()));
    EXPECT_EQ(game.MayLeave, c.mayLeave);
    Events expected{"bank", "tabs 0", "sound WHodOtb nowait"};
    if (c.announced)
        expected.push_back("announce-settle -3 12 -4 -5");
    expected.insert(expected.end(), {"label 3", "film"});
    EXPECT_EQ(log.events, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Settlement,
    ::testing::Values(SettleCase{"LocalMidCycle", false, 0, false, 7, true, false},
                      SettleCase{"LocalCycleEnd", false, 0, false, 30, true, false},
                      SettleCase{"NetworkHostMidBlock", true, 1, false, 4, false, true},
                      SettleCase{"NetworkHostBlockEnd", true, 1, false, 6, true, true},
                      SettleCase{"NetworkClientMidBlock", true, 2, false, 5, false, false},
                      SettleCase{"NetworkClientBlockEnd", true, 4, false, 9, true, false},
                      SettleCase{"Tournament", false, 0, true, 1, true, true}),
    [](const auto &info) { return std::string(info.param.name); });

struct RatingCase {
    const char *name;
    std::int32_t handNumber;
    std::int32_t matchScore;
    double ratingAtStart;
    std::int32_t handsAtStart;
    double rating;
};

class Rating : public ::testing::TestWithParam<RatingCase> {};

TEST_P(Rating, IsTheAveragePerHandRoundedAndClamped) {
    const RatingCase &c = GetParam();
    EXPECT_DOUBLE_EQ(ComputeRating(c.handNumber, c.matchScore, c.ratingAtStart, c.handsAtStart),
                     c.rating);
}

INSTANTIATE_TEST_SUITE_P(
    Formula, Rating,
    ::testing::Values(RatingCase{"NewPlayer", 4, -12, 0.0, 0, -3.0},
                      RatingCase{"RecordPlusMatch", 110, 35, 1.5, 100, 1.681818},
                      RatingCase{"RoundsUpPastHalf", 3, 2, 0.0, 0, 0.666667},
                      RatingCase{"NegativeRoundsAwayPastHalf", 3, -2, 0.0, 0, -0.666667},
                      RatingCase{"HalfGoesToEvenZero", 2000000, 1, 0.0, 0, 0.0},
                      RatingCase{"HalfGoesToEvenTwo", 2000000, 3, 0.0, 0, 0.000002},
                      RatingCase{"HalfGoesToEvenTwoAgain", 2000000, 5, 0.0, 0, 0.000002},
                      RatingCase{"NegativeHalfGoesToEven", 2000000, -3, 0.0, 0, -0.000002},
                      RatingCase{"ClampedHigh", 1, 120, 0.0, 0, 99.99},
                      RatingCase{"ClampedLow", 2, -300, 0.0, 0, -99.99},
                      RatingCase{"ClampedAfterALongRecord", 20, 0, 150.0, 19, 99.99},
                      RatingCase{"NoHandsKeepsTheStartRating", 0, 5, 1.25, 0, 1.25},
                      RatingCase{"NegativeHandCountKeepsTheStartRating", -3, 5, 1.25, 0, 1.25},
                      RatingCase{"NoHandsClampsADamagedStartRating", 0, 0, 500.0, 0, 99.99}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Rating, NotANumberFromADamagedRecordGivesZero) {
    EXPECT_EQ(ComputeRating(10, 3, std::nan(""), 5), 0.0);
    EXPECT_EQ(ComputeRating(0, 3, std::nan(""), 5), 0.0);
}

// Match-end scenarios: the full order of what goes out when leaving.
struct EndCase {
    const char *name;
    std::uint8_t kind;
    bool network;
    std::uint8_t netRole;
    bool tournament;
    std::int32_t handNumber; // at the end
    std::int32_t matchHands;
    std::int32_t playerScore;
    std::optional<AccountUpdate> account;
    int submitFailures;
    int retryAnswers;
    Events expected;
};

class MatchEnd : public ::testing::TestWithParam<EndCase> {};

TEST_P(MatchEnd, RecordsTheResultsInOrder) {
    const EndCase &c = GetParam();
    GameState game;
    game.PlayerKind = c.kind;
    game.Network = c.network;
    game.NetRole = c.netRole;
    game.Tournament = c.tournament;
    game.PlayerName = PadName("Ann");
    game.SeatName = {"", "Dan", "Cid  ", "Bob", "Ann"};
    game.RatingAtStart = 1.5;
    game.HandNumber = c.handNumber;
    game.MatchHands = c.matchHands;
    game.ScoreAtStart = 20;
    game.PlayerScore = c.playerScore;
    game.PlayerTotal = 20 + c.playerScore;
    game.MayLeave = true;
    game.InGame = true;
    EventLog log;
    log.accountAnswer = c.account;
    log.submitFailures = c.submitFailures;
    log.retryAnswers = c.retryAnswers;
    ASSERT_TRUE(EndMatch(game, game.PlayerScore, game.MatchHands, log.Out()));
    EXPECT_EQ(log.events, c.expected);
    EXPECT_FALSE(game.InGame);
}

const Events kBanner{"hide-table", "banner-on", "banner-off"};

Events With(Events head, const Events &tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, MatchEnd,
    ::testing::Values(
        // Club member 2 leaves after hand 37 (7 of its cycle), 10 hands won +5:
        // (27 * 1.5 + 5) / 37 = 1.22973.
        EndCase{
            "LocalWonMidCycle", 2, false, 0, false, 37, 10, 5, std::nullopt, 0, 0,
            With(kBanner, {"history Ann 10 5 1.22973 0", "stats 0 10 0 5 0", "sound WKoGood nowait",
                           "club 0 2 [Ann                 ] 1.22973 37 25", "menu 0"})},
        EndCase{"LocalLostMidCycle", 6, false, 0, false, 4, 4, -12, std::nullopt, 0, 0,
                With(kBanner, {"history Ann 4 -12 -3 0", "stats 0 4 0 0 12", "sound WKoBads nowait",
                               "club 0 0 [Ann                 ] -3 4 8", "menu 0"})},
        EndCase{"LocalEvenNoSound", 1, false, 0, false, 5, 5, 0, std::nullopt, 0, 0,
                With(kBanner, {"history Ann 5 0 0 0", "stats 0 5 0 0 0",
                               "club 0 1 [Ann                 ] 0 5 20", "menu 0"})},
        // A completed cycle: no sound, the end-of-game window and the top ten.
        EndCase{"LocalCycleComplete", 4, false, 0, false, 30, 30, 9, std::nullopt, 0, 0,
                With(kBanner, {"history Ann 30 9 0.3 0", "stats 0 30 1 9 0",
                               "club 0 4 [Ann                 ] 0.3 30 29", "end-of-game 0",
                               "top-ten 29", "menu 0"})},
        // (0 * 1.5 + 6) / 6 = 1 for a network player's block.
        EndCase{"NetworkHost", 6, true, 1, false, 6, 6, 6, std::nullopt, 0, 0,
                With(kBanner,
                     {"history Ann/Bob/Cid/Dan 6 6 1 3", "stats 3 3 0 0 0", "sound WKoGood nowait",
                      "club 1 0 [Ann                 ] 1 6 26", "close", "menu 0"})},
        EndCase{"NetworkClientCycleComplete", 3, true, 2, false, 30, 3, -3, std::nullopt, 0, 0,
                With(kBanner, {"history Ann/Bob/Cid/Dan 3 -3 1.25 3",
                               "club 1 3 [Ann                 ] 1.25 30 17", "close",
                               "end-of-game 1", "menu 0"})},
        EndCase{"Tournament", kTournamentPlayer, false, 0, true, 12, 1, 4, std::nullopt, 0, 0,
                With(kBanner, {"history Ann/Bob/Cid/Dan 1 4 1.5 2", "stats 2 1 0 0 0",
                               "sound WKoGood nowait", "menu 0"})},
        EndCase{"AccountMidCycle",
                kAccountPlayer,
                false,
                0,
                false,
                15,
                3,
                2,
                AccountUpdate{0.8, false},
                0,
                0,
                {"hide-table", "banner-on", "account-update", "banner-off", "history Ann 3 2 0.8 1",
                 "stats 1 3 0 2 0", "sound WKoGood nowait", "menu 1"}},
        EndCase{"AccountServerFailsKeepsOldRating",
                kAccountPlayer,
                false,
                0,
                false,
                15,
                3,
                2,
                std::nullopt,
                0,
                0,
                {"hide-table", "banner-on", "account-update", "banner-off", "history Ann 3 2 1.5 1",
                 "stats 1 3 0 2 0", "sound WKoGood nowait", "menu 1"}},
        EndCase{"AccountCycleSubmittedAfterRetries",
                kAccountPlayer,
                false,
                0,
                false,
                30,
                3,
                -1,
                AccountUpdate{0.4, true},
                2,
                5,
                {"hide-table", "banner-on", "account-update", "banner-off",
                 "history Ann 3 -1 0.4 1", "stats 1 3 1 0 1", "submit", "ask-retry", "submit",
                 "ask-retry", "submit", "end-of-game 0", "menu 1"}},
        EndCase{"AccountSubmissionGivenUp",
                kAccountPlayer,
                false,
                0,
                false,
                30,
                3,
                -1,
                AccountUpdate{0.4, true},
                3,
                1,
                {"hide-table", "banner-on", "account-update", "banner-off",
                 "history Ann 3 -1 0.4 1", "stats 1 3 1 0 1", "submit", "ask-retry", "submit",
                 "ask-retry", "menu 1"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MatchEnd, DoesNothingUntilTheMatchMayBeLeft) {
    GameState game;
    game.InGame = true;
    game.MayLeave = false;
    game.HandNumber = 7;
    const GameState before = game;
    EventLog log;
    EXPECT_FALSE(EndMatch(game, 3, 7, log.Out()));
    EXPECT_EQ(game, before);
    EXPECT_TRUE(log.events.empty());
}

TEST(MatchEnd, TournamentHistoryNameIsCutTo51Characters) {
    GameState game;
    game.Tournament = true;
    game.SeatName = {"", std::string(20, 'd'), std::string(20, 'c'), "Боб", std::string(20, 'a')};
    const std::string name = HistoryName(game);
    EXPECT_EQ(name,
              std::string(20, 'a') + "/Боб/" + std::string(20, 'c') + "/" + std::string(5, 'd'));
    game.Tournament = false;
    game.Network = true;
    EXPECT_EQ(HistoryName(game),
              std::string(20, 'a') + "/Боб/" + std::string(20, 'c') + "/" + std::string(20, 'd'));
}

TEST(AbandonMatch, RemovesOnlyAClubMembersLine) {
    struct Case {
        const char *name;
        std::uint8_t kind;
        bool network;
        bool tournament;
        Events expected;
    };
    const Case cases[] = {
        {"club member", 3, false, false, {"club-remove 0 3"}},
        {"network club member", 5, true, false, {"club-remove 1 5"}},
        {"new player", kNewPlayer, false, false, {}},
        {"account", kAccountPlayer, false, false, {}},
        {"tournament", kTournamentPlayer, false, true, {}},
    };
    for (const Case &c : cases) {
        GameState game;
        game.PlayerKind = c.kind;
        game.Network = c.network;
        game.Tournament = c.tournament;
        game.InGame = true;
        EventLog log;
        AbandonMatch(game, log.Out());
        EXPECT_EQ(log.events, c.expected) << c.name;
        EXPECT_FALSE(game.InGame) << c.name;
    }
}

TEST(Names, ArePaddedOrCutByCharactersAndTrimmed) {
    const std::pair<const char *, const char *> pads[] = {
        {"", "                    "},
        {"Ann", "Ann                 "},
        {"Женя", "Женя                "},
        {"ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ"},
        {"abcdefghijklmnopqrstu", "abcdefghijklmnopqrst"},
    };
    for (const auto &[name, padded] : pads)
        EXPECT_EQ(PadName(name), padded) << name;
    const std::pair<const char *, const char *> trims[] = {
        {"Ann   ", "Ann"}, {"   ", ""}, {"", ""}, {" A b ", " A b"}};
    for (const auto &[text, trimmed] : trims)
        EXPECT_EQ(TrimTrailingBlanks(text), trimmed) << text;
}

} // namespace
} // namespace quarn
