#include <gtest/gtest.h>

#include "opponent/Chooser.h"
#include "opponent/StrongOpponent.h"
#include "rules/Moves.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;

struct PositionCase {
    const char *name;
    std::array<std::string, 4> hands; // seats 1..4
    const char *table;
    int toMove;
    std::vector<int> passedOnThisTable; // seats whose pass the driver noted
    const char *standardCard;           // what the standard chooser plays
    const char *strongCard;             // the only sensible card
};

class StrongPosition : public ::testing::TestWithParam<PositionCase> {};

TEST_P(StrongPosition, TheSearchFindsTheOnlySensibleCard) {
    const PositionCase &c = GetParam();
    GameState game = test::PlayingState(c.hands, c.table, c.toMove);
    HandKnowledge knowledge;
    for (int seat : c.passedOnThisTable) {
        knowledge.NotePass(game, seat);
        Pass(game, seat, Announce::No, Advance::No);
    }
    const int seat = game.ToMove;
    const int standard = ChooseCard(game.Hands[seat], game.Table, game.MoveNumber);
    ASSERT_NE(standard, 0);
    EXPECT_EQ(CardToUtf8(game.Hands[seat][standard].card), c.standardCard);

    // A small budget and the default one.
    for (const int deals : {200, kDefaultDeals}) {
        for (std::uint64_t seed : {1u, 2u, 3u}) {
            StrongOpponent strong(seed, deals);
            const int slot = strong.ChooseCard(game, knowledge);
            ASSERT_GE(slot, 1);
            ASSERT_LE(slot, game.CardCount[seat]);
            EXPECT_EQ(CardToUtf8(game.Hands[seat][slot].card), c.strongCard)
                << "seed " << seed << ", deals " << deals;
        }
    }
}

// Everything but these cards lies on the table: the rows of hearts from
// the nine up, of spades from the six to the king, of diamonds and clubs
// from the seven to the king.
constexpr const char *kLateTable =
    "9б 8б 7б 1б Вб Дб Кб 9ч 1ч Вч Дч Кч Тч 9п 8п 7п 6п 1п Вп Дп Кп 9к 8к 7к 1к Вк Дк Кк";

INSTANTIATE_TEST_SUITE_P(Positions, StrongPosition,
                         ::testing::Values(
                             // Seat 1 holds one card and passed on this table, so its card is
                             // the seven of hearts. The standard chooser opens the way to its own
                             // six with the eight, and seat 1 goes out at once; the ace keeps
                             // the way shut for a round and leaves one card fewer at the end.
                             PositionCase{"KeepsTheWayShutForASeatAboutToGoOut",
                                          {"7ч", "6б Тб", "6к Тк", "8ч 6ч Тп"},
                                          kLateTable,
                                          4,
                                          {1},
                                          "8ч",
                                          "Тп"},
                             // The same with seat 4 to move after a pass of its left-hand
                             // neighbour, the seven of hearts there.
                             PositionCase{"KeepsTheWayShutWhicheverSeatsTheyAre",
                                          {"6б Тб", "7ч", "8ч 6ч Тп", "6к Тк"},
                                          kLateTable,
                                          3,
                                          {2},
                                          "8ч",
                                          "Тп"},
                             // Two sixes that end their rows and open nothing: either order
                             // ends the same in every deal, and the tie keeps the standard
                             // chooser's card (the diamond comes before the club, though the
                             // club is the lower card in hand order).
                             PositionCase{"CardsThatPlayAlikeKeepTheStandardCard",
                                          {"7ч", "Тб Тк", "8ч 6ч Тп", "6к 6б"},
                                          kLateTable,
                                          4,
                                          {},
                                          "6б",
                                          "6б"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(StrongOpponent, PlaysTheOnlyCardThatFitsAndPassesWhenNoneDoes) {
    // Move 1: the nine of diamonds, without any search.
    GameState opening = test::PlayingState({"9б 6ч 7ч 8ч 6к 7к 8к 6п 7п", "", "", ""}, "", 1);
    StrongOpponent strong(5);
    EXPECT_EQ(strong.ChooseCard(opening, HandKnowledge{}), SlotOf(opening.Hands[1], kOpeningCard));

    GameState stuck = test::PlayingState({"6б Тб", "7ч", "6к Тк", "8ч 6ч Тп"}, kLateTable, 2);
    EXPECT_EQ(strong.ChooseCard(stuck, HandKnowledge{}), 0);

    // Not a hand in play: nothing to choose.
    GameState ended = stuck;
    ended.ToMove = kHandEnded;
    EXPECT_EQ(strong.ChooseCard(ended, HandKnowledge{}), 0);
}

TEST(StrongOpponent, FallsBackToTheStandardChooserWhenTheCountsDoNotFit) {
    // Seat 1's count says nine cards where only one is unseen.
    GameState game = test::PlayingState({"7ч", "6б Тб", "6к Тк", "8ч 6ч Тп"}, kLateTable, 4);
    game.CardCount[1] = 9;
    StrongOpponent strong(5, 50);
    const int slot = strong.ChooseCard(game, HandKnowledge{});
    EXPECT_EQ(slot, ChooseCard(game.Hands[4], game.Table, game.MoveNumber));
}

TEST(StrongOpponent, ASeedGivesTheSameChoicesEveryTime) {
    const GameState game =
        test::PlayingState({"6ч 7ч 8ч 1ч Вч Дч 6к 7к", "8к 1к Вк Дк Кк Тк 6п 7п",
                            "8п 1п Вп Дп Кп Тп 6б 7б", "8б 1б Вб Дб Кб Тб Кч Тч"},
                           "9б 9ч 9к 9п", 4);
    auto choices = [&](std::uint64_t seed) {
        StrongOpponent strong(seed, 600);
        std::vector<int> slots;
        for (int i = 0; i < 20; ++i)
            slots.push_back(strong.ChooseCard(game, HandKnowledge{}));
        return slots;
    };
    EXPECT_EQ(choices(11), choices(11));
    EXPECT_EQ(StrongOpponent(1, 0).DealsPerChoice(), 1);
}

// The choices of seeded opponents in a close position, recorded once: the
// search draws only from its own generator and decides in whole numbers and
// exactly rounded arithmetic, so every machine and compiler must make these
// same choices. A deliberate change of the search re-records them.
TEST(StrongOpponent, SeededChoicesAreTheSameOnEveryMachine) {
    // Seat 4 holds the eight and ten of every suit after the four nines;
    // with few deals several of them come out ahead, seed by seed.
    const GameState game =
        test::PlayingState({"7ч Вч Кп 6к 7к Вк Дк Кк", "Тк 6п 7п Вп Дп 6ч Тп Вб",
                            "6б 7б Дб Кб Тб Кч Тч", "8ч 8к 8б 8п 1ч 1к 1б 1п Дч"},
                           "9б 9ч 9к 9п", 4);
    std::vector<std::string> cards;
    for (std::uint64_t seed = 1; seed <= 6; ++seed) {
        StrongOpponent strong(seed, 40);
        const int slot = strong.ChooseCard(game, HandKnowledge{});
        cards.push_back(slot == 0 ? "pass" : CardToUtf8(game.Hands[4][slot].card));
    }
    EXPECT_EQ(cards, (std::vector<std::string>{"1ч", "8б", "8ч", "8ч", "8ч", "8ч"}));
}

} // namespace
} // namespace quarn
