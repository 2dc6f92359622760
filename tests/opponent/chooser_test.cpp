#include <gtest/gtest.h>

#include "opponent/Chooser.h"
#include "rules/Moves.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;
using test::MakeHand;
using test::MakeTable;

TEST(ChooserOpening, PlaysTheNineOfDiamondsOrPasses) {
    struct Case {
        const char *hand;
        int slot;
    };
    const Case cases[] = {
        {"6ч 7ч Вк Дк 9б 1б Кп Тп 6п", 5},
        {"9ч 9к 9п 6ч", 0}, // other nines do not open
        {"", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ChooseCard(MakeHand(c.hand), GameState::EmptyTable(), 1), c.slot) << c.hand;
}

TEST(ChooserOpening, LooksAtSlotsOneToEighteenAndTakesTheHighestOfDuplicates) {
    Hand hand = MakeHand("6ч 9б 7ч");
    hand[12] = HandSlot{kOpeningCard, kNine};
    EXPECT_EQ(ChooseCard(hand, GameState::EmptyTable(), 1), 12);
    Hand far = MakeHand("6ч");
    far[19] = HandSlot{kOpeningCard, kNine};
    EXPECT_EQ(ChooseCard(far, GameState::EmptyTable(), 1), 0);
}

struct ChoiceCase {
    const char *name;
    const char *hand; // slots 1.. in this order (not sorted)
    const char *table;
    const char *expected; // "" for a pass
};

class ChooserChoice : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChooserChoice, PicksByPreferenceListThenByPlayableOrder) {
    const ChoiceCase &c = GetParam();
    const Hand hand = MakeHand(c.hand);
    const TableRows table = MakeTable(c.table);
    const int moveNumber =
        static_cast<int>(test::Cards(c.table).size()) + 2; // never the opening move
    const int slot = ChooseCard(hand, table, moveNumber);
    const std::string chosen = slot == 0 ? "" : CardToUtf8(hand[slot].card);
    EXPECT_EQ(chosen, c.expected);
    if (slot != 0) {
        EXPECT_TRUE(IsPlayableOn(table, moveNumber, hand[slot].card));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ChooserChoice,
    ::testing::Values(
        // Without nines on the table the nines are the playable cards; a nine
        // with runs on both sides is covered, one with a run on one side only
        // is open-by-two.
        ChoiceCase{"CoveredNineBeforeOpenByTwoNine", "9к 1к 8ч 9ч 1ч", "", "9ч"},
        ChoiceCase{"OpenByTwoNineBeforeOpenFarNine", "9ч 9к 1к", "", "9к"},
        // Bridging beats covered: the eight opens the way to the own six.
        ChoiceCase{"BridgingEightBeforeCoveredAce", "Тк 6ч 8ч", "9б 9ч 9к 1к Вк Дк Кк", "8ч"},
        ChoiceCase{"BridgingNineBeforeCoveredAce", "Тч 9к 7к", "9б 9ч 1ч Вч Дч Кч", "9к"},
        ChoiceCase{"BridgingNineOnTheUpperSide", "Тч 9к Вк", "9б 9ч 1ч Вч Дч Кч", "9к"},
        ChoiceCase{"BridgingTenBeforeCoveredSix", "6ч 1п Дп", "9б 9ч 8ч 7ч 9п", "1п"},
        // Covered: a card after which only the seat itself goes on.
        ChoiceCase{"CoveredSevenWithItsSix", "Дч 7п 6п", "9б 9ч 1ч Вч 9п 8п", "7п"},
        ChoiceCase{"CoveredKingWithItsAce", "8б Тк Кк", "9б 9к 1к Вк Дк", "Кк"},
        ChoiceCase{"CoveredJackWithTheRunAbove", "8б Вк Дк Кк Тк", "9б 9к 1к", "Вк"},
        ChoiceCase{"CoveredEightWithTheRunBelow", "1б 8к 7к", "9б 9к", "8к"},
        // Open-by-one before open-by-two before open-far.
        ChoiceCase{"KingAloneBeforeQueenAlone", "Дп Кч", "9б 9ч 1ч Вч Дч 9п 1п Вп", "Кч"},
        ChoiceCase{"SevenAloneBeforeEightAlone", "8к 7ч", "9б 9ч 8ч 9к", "7ч"},
        ChoiceCase{"EightAloneBeforeTenAlone", "1б 8б", "9б", "8б"},
        ChoiceCase{"NineWithARunBelowBeforeJackAlone", "Вп 9к 8к", "9б 9п 1п", "9к"},
        // A lone nine only when nothing else fits.
        ChoiceCase{"LoneNineAfterACoveredTen", "9ч 1б Вб", "9б", "1б"},
        ChoiceCase{"LoneNineWhenNothingElse", "9ч Вб", "9б", "9ч"},
        // Ties: the lower suit first, and within a suit the lower side first.
        ChoiceCase{"TwoCoveredAcesHeartsFirst", "Тп Тч", "9б 9ч 1ч Вч Дч Кч 9п 1п Вп Дп Кп", "Тч"},
        ChoiceCase{"TwoOpenFarCardsLowerSuitFirst", "1к 9ч", "9б 9к", "9ч"},
        ChoiceCase{"TwoBridgingCardsLowerSideFirst", "Кб 1б 6б 8б", "9б", "8б"},
        // Nothing held of the playable list: pass.
        ChoiceCase{"NothingFits", "Вп 7б Тк", "9б 9п 9к 9ч", ""},
        ChoiceCase{"EmptyHand", "", "9б", ""},
        // Cards that are not on the playable list are never chosen, even in
        // a better list.
        ChoiceCase{"OnlyThePlayableEndOfARow", "6ч 7ч Тп", "9б 9ч 9п 1п Вп Дп", ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(Chooser, TakesTheHighestSlotOfADuplicatedCard) {
    Hand hand = MakeHand("1б 6ч Тп");
    hand[7] = HandSlot{C("1б"), kTen};
    EXPECT_EQ(ChooseCard(hand, MakeTable("9б"), 2), 7);
}

TEST(Chooser, IgnoresCardsBeyondSlotEighteen) {
    Hand hand = MakeHand("Вп");
    hand[19] = HandSlot{C("8б"), kEight};
    EXPECT_EQ(ChooseCard(hand, MakeTable("9б 9п 9к 9ч"), 5), 0);
    hand[18] = HandSlot{C("8б"), kEight};
    EXPECT_EQ(ChooseCard(hand, MakeTable("9б 9п 9к 9ч"), 5), 18);
}

TEST(Chooser, SkipsSlotsThatHoldNoCard) {
    Hand hand = MakeHand("8б");
    hand[1].card = TStr2{'x', 'y'};
    hand[2] = HandSlot{C("1б"), kTen};
    EXPECT_EQ(ChooseCard(hand, MakeTable("9б"), 2), 2);
}

} // namespace
} // namespace quarn
