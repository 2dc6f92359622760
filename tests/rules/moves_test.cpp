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
using test::HandText;
using test::PlayingState;

using Events = std::vector<std::string>;

struct PlayableCase {
    const char *table;
    const char *card;
    bool playable;
};

class Playability : public ::testing::TestWithParam<PlayableCase> {};

TEST_P(Playability, FollowsTheRowsOnTheTable) {
    const PlayableCase &c = GetParam();
    const TableRows table = test::MakeTable(c.table);
    const int moveNumber = static_cast<int>(test::Cards(c.table).size()) + 1;
    EXPECT_EQ(IsPlayableOn(table, moveNumber, C(c.card)), c.playable) << "table: " << c.table;
}

INSTANTIATE_TEST_SUITE_P(Rows, Playability,
                         ::testing::Values(
                             // Move 1: the nine of diamonds only, not even another nine.
                             PlayableCase{"", "9б", true}, PlayableCase{"", "9ч", false},
                             PlayableCase{"", "8б", false},
                             // After it every nine, and the diamonds next to it.
                             PlayableCase{"9б", "9ч", true}, PlayableCase{"9б", "9п", true},
                             PlayableCase{"9б", "8б", true}, PlayableCase{"9б", "1б", true},
                             PlayableCase{"9б", "7б", false}, PlayableCase{"9б", "Вб", false},
                             PlayableCase{"9б 8б", "7б", true}, PlayableCase{"9б 8б", "6б", false},
                             PlayableCase{"9б 8б 7б", "6б", true},
                             // A row grows from its own nine only.
                             PlayableCase{"9б", "8ч", false}, PlayableCase{"9б 9п", "Вп", false},
                             PlayableCase{"9б 9п 1п", "Вп", true},
                             PlayableCase{"9б 9к 1к Вк Дк", "Кк", true},
                             PlayableCase{"9б 9к 1к Вк Дк Кк", "Тк", true},
                             PlayableCase{"9б 9к 1к Вк Дк", "Тк", false}));

TEST(Playability, CardsAlreadyOnTheTableAndNonCardsAreNotPlayable) {
    const TableRows table = test::MakeTable("9б 8б");
    EXPECT_FALSE(IsPlayableOn(table, 3, C("8б")));
    EXPECT_FALSE(IsPlayableOn(table, 3, kEmptyCard));
    EXPECT_FALSE(IsPlayableOn(table, 3, TStr2{'9', 'x'}));
}

TEST(HasNoPlay, IsTrueOnlyWhenNoHeldCardFits) {
    struct Case {
        const char *hand;
        const char *table;
        bool noPlay;
    };
    const Case cases[] = {
        {"Вп", "9б 9п", true},     // the ten of spades is still out
        {"Вп 9ч", "9б 9п", false}, // an unplayed nine always fits
        {"Вп 1п", "9б 9п", false}, {"7б 6б Тк", "9б 9к", true},
        {"1ч", "", true},     // at move 1 the opening rule is ignored...
        {"1ч 9к", "", false}, // ...so a nine counts as a play
        {"", "9б", true},
    };
    for (const Case &c : cases) {
        GameState game = PlayingState({"", "", "", c.hand}, c.table, 4);
        EXPECT_EQ(HasNoPlay(game, 4), c.noPlay) << c.hand << " on " << c.table;
    }
    GameState game = PlayingState({"Вп", "", "", ""}, "9б", 1);
    EXPECT_FALSE(HasNoPlay(game, 0));
    EXPECT_FALSE(HasNoPlay(game, 5));
}

TEST(NextSeat, GoesRoundInTheOrderOfPlay) {
    const std::pair<int, int> order[] = {{1, 2}, {2, 3}, {3, 4}, {4, 1}};
    for (const auto &[seat, next] : order)
        EXPECT_EQ(NextSeat(seat), next);
}

// A dealt hand from a fixed deck.
GameState DealtGame(std::uint64_t seed = 1) {
    GameState game;
    game.PlayerName = PadName("Ann");
    game.ScoreAtStart = 10;
    DeckRandom random(seed);
    EXPECT_TRUE(NewHand(game, ShuffleDeck(random)));
    return game;
}

TEST(StartHand, TakesTheStakesAndLeavesTheTurnWithTheOpener) {
    GameState game = DealtGame();
    const int opener = game.ToMove;
    EventLog log;
    ASSERT_TRUE(StartHand(game, log.Out()));
    EXPECT_EQ(game.Phase, kPhasePlaying);
    EXPECT_EQ(game.Bank, 8);
    EXPECT_EQ(game.ToMove, opener);
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        EXPECT_EQ(game.HandPaid[seat], -2);
        EXPECT_EQ(game.Score[seat], -2);
    }
    EXPECT_EQ(game.PlayerScore, -2);
    EXPECT_EQ(game.PlayerTotal, 8);
    // Four stakes, each a silent pass that does not move the turn.
    const std::string tabs = "tabs " + std::to_string(opener);
    const Events stake = {"bank", tabs, "sound WHodBer wait"};
    Events expected;
    for (int i = 0; i < 4; ++i)
        expected.insert(expected.end(), stake.begin(), stake.end());
    EXPECT_EQ(log.events, expected);
}

TEST(StartHand, IsRefusedOutsideTheDealtPhase) {
    GameState game = DealtGame();
    ASSERT_TRUE(StartHand(game));
    const GameState before = game;
    EXPECT_FALSE(StartHand(game));
    EXPECT_EQ(game, before);
    GameState fresh;
    EXPECT_FALSE(StartHand(fresh));
}

struct AnnounceCase {
    const char *name;
    bool network;
    std::uint8_t netRole;
    bool tournament;
    Announce announce; // the operation's flag
    bool startSent;
    bool moveSent;
};

class Announcing : public ::testing::TestWithParam<AnnounceCase> {};

TEST_P(Announcing, GoesOutOnlyFromTheRightParticipant) {
    const AnnounceCase &c = GetParam();
    GameState game = DealtGame();
    game.Network = c.network;
    game.NetRole = c.netRole;
    game.Tournament = c.tournament;
    EventLog log;
    ASSERT_TRUE(StartHand(game, log.Out()));
    const int opener = game.ToMove;
    const int slot = SlotOf(game.Hands[opener], kOpeningCard);
    ASSERT_TRUE(PlayCard(game, opener, slot, c.announce, log.Out()));
    ASSERT_TRUE(Pass(game, game.ToMove, c.announce, Advance::Yes, log.Out()));
    Events expected;
    if (c.startSent)
        expected.push_back("announce-start");
    if (c.moveSent) {
        expected.push_back("announce-move " + std::to_string(opener) + " " + std::to_string(slot) +
                           " 9б");
        expected.push_back("announce-pass " + std::to_string(NextSeat(opener)));
    }
    EXPECT_EQ(log.Only({"announce-start", "announce-move", "announce-pass"}), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, Announcing,
    ::testing::Values(AnnounceCase{"Local", false, 0, false, Announce::Yes, false, false},
                      AnnounceCase{"NetworkHost", true, 1, false, Announce::Yes, true, true},
                      AnnounceCase{"NetworkHostRelayingReceivedMove", true, 1, false, Announce::No,
                                   true, false},
                      AnnounceCase{"NetworkClient", true, 2, false, Announce::Yes, false, true},
                      AnnounceCase{"NetworkClientApplyingReceivedMove", true, 3, false,
                                   Announce::No, false, false},
                      AnnounceCase{"Tournament", false, 0, true, Announce::Yes, true, true}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlayCard, MovesTheCardToItsPlaceAndTheTurnOn) {
    GameState game = PlayingState({"6ч 8б 9п", "", "", "7ч 1б Кп Тп"}, "9б", 1);
    EventLog log;
    ASSERT_TRUE(PlayCard(game, 4, 2, Announce::No, log.Out())); // the ten of diamonds
    EXPECT_EQ(game.Table[kDiamonds][kTen], C("1б"));
    EXPECT_EQ(game.CardCount[4], 3);
    EXPECT_EQ(HandText(game.Hands[4], 4), "7ч Кп Тп ##");
    EXPECT_EQ(game.Hands[4][4], HandSlot{});
    EXPECT_EQ(game.ToMove, 1);
    EXPECT_EQ(game.MoveNumber, 3);
    EXPECT_EQ(log.events, (Events{"table", "hand 4 up", "sound WHodsDo wait", "tabs 1"}));
}

TEST(PlayCard, WithCardFlightTheHandIsRedrawnBeforeTheCardFlies) {
    GameState game = PlayingState({"6ч 8б 9п", "", "", "7ч 1б Кп Тп"}, "9б", 2);
    EventLog log;
    log.flight = true;
    ASSERT_TRUE(PlayCard(game, 1, 2, Announce::No, log.Out()));
    EXPECT_EQ(log.events,
              (Events{"hand 1 down", "fly 1 2 8б", "table", "sound WHodsDo wait", "tabs 2"}));
    game.HandsOpen = true;
    log.events.clear();
    ASSERT_TRUE(PlayCard(game, 1, 2, Announce::No, log.Out())); // the nine of spades
    EXPECT_EQ(log.events.front(), "hand 1 up");
}

TEST(PlayCard, AfterSlotThreeOfNineTheHandIsCompactedToEight) {
    GameState game = PlayingState({"6ч 7ч 9к 8ч 1к 9ч 1б 9п Тп", "", "", ""}, "", 1);
    game.MoveNumber = 2; // the opening card does not matter here
    ASSERT_EQ(HandText(game.Hands[1], 3), "6ч 7ч 8ч");
    ASSERT_TRUE(PlayCard(game, 1, 3, Announce::No));
    EXPECT_EQ(game.CardCount[1], 8);
    EXPECT_EQ(HandText(game.Hands[1], 8), "6ч 7ч 9ч 9к 1к 1б 9п Тп");
    EXPECT_EQ(game.Hands[1][9], HandSlot{});
}

TEST(PlayCard, RefusesWhatWouldCorruptTheGame) {
    const GameState start = PlayingState({"6ч 8б 9п", "", "", "7ч"}, "9б", 1);
    struct Case {
        const char *what;
        int seat;
        int slot;
        void (*prepare)(GameState &);
    };
    const Case cases[] = {
        {"slot 0", 1, 0, [](GameState &) {}},
        {"slot beyond the card count", 1, 4, [](GameState &) {}},
        {"slot far beyond the hand", 1, 200, [](GameState &) {}},
        {"negative slot", 1, -1, [](GameState &) {}},
        {"seat 0", 0, 1, [](GameState &) {}},
        {"seat 5", 5, 1, [](GameState &) {}},
        {"hand not started", 1, 1, [](GameState &g) { g.Phase = kPhaseDealt; }},
        {"hand ended", 1, 1, [](GameState &g) { g.ToMove = kHandEnded; }},
        {"hand settled", 1, 1, [](GameState &g) { g.ToMove = kHandSettled; }},
        {"place on the table taken", 1, 1, [](GameState &g) { g.Table[kHearts][kSix] = C("6ч"); }},
        {"slot holds no card", 1, 1, [](GameState &g) { g.Hands[1][1] = HandSlot{}; }},
    };
    for (const Case &c : cases) {
        GameState game = start;
        c.prepare(game);
        const GameState before = game;
        EventLog log;
        EXPECT_FALSE(PlayCard(game, c.seat, c.slot, Announce::Yes, log.Out())) << c.what;
        EXPECT_EQ(game, before) << c.what;
        EXPECT_TRUE(log.events.empty()) << c.what;
    }
}

TEST(Pass, ChargesTheFeeAndMovesTheTurnOnlyWhenAsked) {
    GameState game = PlayingState({"", "", "", "Вп"}, "9б 9п", 4);
    EventLog log;
    ASSERT_TRUE(Pass(game, 4, Announce::No, Advance::Yes, log.Out()));
    EXPECT_EQ(game.Score[4], -4);
    EXPECT_EQ(game.HandPaid[4], -4);
    EXPECT_EQ(game.Bank, 10);
    EXPECT_EQ(game.PlayerScore, -4);
    EXPECT_EQ(game.PlayerTotal, -4);
    EXPECT_EQ(game.ToMove, 1);
    EXPECT_EQ(log.events, (Events{"bank", "tabs 4", "sound WHodBer wait", "tabs 1"}));

    log.events.clear();
    ASSERT_TRUE(Pass(game, 2, Announce::No, Advance::No, log.Out()));
    EXPECT_EQ(game.ToMove, 1);
    EXPECT_EQ(game.Score[2], -4);
    EXPECT_EQ(log.events, (Events{"bank", "tabs 1", "sound WHodBer wait"}));
}

TEST(Pass, TwoPassesOfOneSeatCostFour) {
    GameState game = PlayingState({"Вп", "", "", ""}, "9б 9п", 1);
    const int before = game.Score[1];
    for (int turn = 0; turn < 2; ++turn) {
        game.ToMove = 1;
        ASSERT_TRUE(Pass(game, 1, Announce::No, Advance::Yes));
    }
    EXPECT_EQ(before - game.Score[1], 4);
    EXPECT_EQ(game.Bank, 12);
    EXPECT_EQ(game.HandPaid[1], -6);
}

TEST(Pass, IsRefusedOutsidePlayAndForUnknownSeats) {
    const GameState start = PlayingState({"Вп", "", "", ""}, "9б 9п", 1);
    const std::pair<int, std::uint8_t> cases[] = {
        {0, 1}, {5, 1}, {1, kHandEnded}, {1, kHandSettled}};
    for (const auto &[seat, toMove] : cases) {
        GameState game = start;
        game.ToMove = toMove;
        const GameState before = game;
        EXPECT_FALSE(Pass(game, seat, Announce::Yes, Advance::Yes)) << seat << " " << int(toMove);
        EXPECT_EQ(game, before);
    }
}

// MoveSeat is the one move of every seat: a card (ending the hand after the
// seat's last one) or, with slot 0, a pass that moves the turn on.
struct MoveSeatCase {
    const char *name;
    std::array<std::string, 4> hands;
    const char *table;
    int seat;
    int slot;
    bool accepted;
    int toMoveAfter;     // kHandEnded when the seat went out
    const char *lastLog; // the last thing the screen or the sound heard
};

class MovingASeat : public ::testing::TestWithParam<MoveSeatCase> {};

TEST_P(MovingASeat, PlaysPassesOrEndsTheHandInOneStep) {
    const MoveSeatCase &c = GetParam();
    GameState game = PlayingState(c.hands, c.table, c.seat);
    game.Network = true; // the move is announced to the others
    game.NetRole = kHostRole;
    const GameState before = game;
    EventLog log;
    EXPECT_EQ(MoveSeat(game, c.seat, c.slot, Announce::Yes, log.Out()), c.accepted);
    if (!c.accepted) {
        EXPECT_EQ(game, before);
        EXPECT_TRUE(log.events.empty());
        return;
    }
    EXPECT_EQ(game.ToMove, c.toMoveAfter);
    EXPECT_EQ(log.events.back(), c.lastLog);
    if (c.toMoveAfter == kHandEnded) {
        EXPECT_EQ(HandWinner(game), c.seat);
    }
    // An announced move reaches the others exactly once, before it is shown.
    const Events sent = log.Only({"announce-move", "announce-pass"});
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(log.events.front(), sent.front());
}

INSTANTIATE_TEST_SUITE_P(
    Moves, MovingASeat,
    ::testing::Values(
        MoveSeatCase{
            "CardWithCardsLeft", {"6ч 8б 9п", "7ч", "7п", "Вп"}, "9б", 1, 2, true, 2, "tabs 2"},
        MoveSeatCase{"LastCardEndsTheHand",
                     {"8б", "7ч", "7п", "Вп Дп"},
                     "9б",
                     1,
                     1,
                     true,
                     kHandEnded,
                     "hand 3 up"},
        MoveSeatCase{"PlayersLastCardEndsTheHand",
                     {"7ч", "7п 6п", "Вп", "8б"},
                     "9б",
                     4,
                     1,
                     true,
                     kHandEnded,
                     "hand 3 up"},
        MoveSeatCase{
            "SlotZeroPassesAndMovesOn", {"6ч", "7ч", "7п", "Вп"}, "9б 9п", 3, 0, true, 4, "tabs 4"},
        MoveSeatCase{
            "SlotBeyondTheHandIsRefused", {"6ч", "7ч", "7п", "Вп"}, "9б", 2, 2, false, 0, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(MoveSeat, DoesWhatPlayEndAndPassDidStepByStep) {
    // The operation replaces "PlayCard, then EndHand when that was the last
    // card" and "Pass with the turn moving on": same state, same calls.
    const GameState start = PlayingState({"8б", "7ч 1б", "7п", "Вп"}, "9б", 1);
    for (const int seat : {1, 2}) {
        for (const int slot : {0, 1}) {
            GameState one = start;
            GameState steps = start;
            one.ToMove = steps.ToMove = static_cast<std::uint8_t>(seat);
            EventLog oneLog;
            EventLog stepsLog;
            ASSERT_TRUE(MoveSeat(one, seat, slot, Announce::No, oneLog.Out()));
            if (slot == 0) {
                ASSERT_TRUE(Pass(steps, seat, Announce::No, Advance::Yes, stepsLog.Out()));
            } else {
                ASSERT_TRUE(PlayCard(steps, seat, slot, Announce::No, stepsLog.Out()));
                if (steps.CardCount[seat] == 0) {
                    ASSERT_TRUE(EndHand(steps, stepsLog.Out()));
                }
            }
            EXPECT_EQ(one, steps) << seat << " " << slot;
            EXPECT_EQ(oneLog.events, stepsLog.events) << seat << " " << slot;
        }
    }
}

TEST(PlayCardAndEndHand, IsRefusedLikePlayCardAndNeverEndsAHandTwice) {
    GameState game = PlayingState({"8б", "7ч", "7п", "Вп"}, "9б", 1);
    ASSERT_TRUE(PlayCardAndEndHand(game, 1, 1, Announce::No));
    ASSERT_EQ(game.ToMove, kHandEnded);
    const GameState ended = game;
    EXPECT_FALSE(PlayCardAndEndHand(game, 2, 1, Announce::No));
    EXPECT_FALSE(MoveSeat(game, 2, 0, Announce::No));
    EXPECT_EQ(game, ended);
}

} // namespace
} // namespace quarn
