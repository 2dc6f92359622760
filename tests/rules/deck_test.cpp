#include <gtest/gtest.h>

#include <cmath>

#include "rules/Deck.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;
using test::HandText;
using test::MakeHand;

std::string DeckText(const Deck &deck, int from, int to) {
    std::vector<TStr2> cards;
    for (int i = from; i <= to; ++i)
        cards.push_back(deck[i].card);
    return test::Text(cards);
}

TEST(Shuffle, EverySeededDeckHoldsEachCardOnceWithItsRank) {
    DeckRandom random(7);
    for (int round = 0; round < 500; ++round) {
        const Deck deck = ShuffleDeck(random);
        ASSERT_TRUE(IsCompleteDeck(deck)) << "round " << round;
    }
}

TEST(Shuffle, ClockSeededDecksAreCompleteAndDiffer) {
    const Deck first = ShuffleDeck();
    const Deck second = ShuffleDeck();
    EXPECT_TRUE(IsCompleteDeck(first));
    EXPECT_TRUE(IsCompleteDeck(second));
    // Two equal orders of 36 cards by chance: about 1 in 10^41.
    EXPECT_NE(first, second);
}

TEST(Shuffle, SameSeedGivesTheSameDeck) {
    DeckRandom a(2024);
    DeckRandom b(2024);
    EXPECT_EQ(ShuffleDeck(a), ShuffleDeck(b));
}

// Pins the shuffle so that a seeded self-play run stays reproducible.
TEST(Shuffle, SeededDealMatchesTheRecordedOne) {
    DeckRandom random(1);
    const Deck deck = ShuffleDeck(random);
    EXPECT_EQ(DeckText(deck, 1, 9), "Тч 7к 1к 6ч Тб Вч 8б 7ч Вп");
    EXPECT_EQ(DeckText(deck, 10, 18), "7б 8п 9б Кк Тп Кп 9п Дп 6б");
    EXPECT_EQ(DeckText(deck, 19, 27), "6к Вб Дк Дч 1ч 8ч Дб 1п 9к");
    EXPECT_EQ(DeckText(deck, 28, 36), "9ч 7п 8к 1б Тк 6п Кб Кч Вк");
}

// Every card should land on every position equally often. With a fixed seed
// the statistic is one fixed number, so this cannot flake; the bound is far
// above what a uniform shuffle gives and far below what a biased one does.
TEST(Shuffle, CardsSpreadEvenlyOverPositions) {
    constexpr int kShuffles = 36 * 1000;
    std::array<std::array<int, kDeckSize + 1>, kDeckSize + 1> counts{};
    DeckRandom random(12345);
    for (int i = 0; i < kShuffles; ++i) {
        const Deck deck = ShuffleDeck(random);
        for (int position = 1; position <= kDeckSize; ++position)
            ++counts[position][CardNumber(deck[position].card)];
    }
    const double expected = kShuffles / double(kDeckSize);
    double chiSquare = 0;
    for (int position = 1; position <= kDeckSize; ++position) {
        for (int number = 1; number <= kDeckSize; ++number) {
            const double d = counts[position][number] - expected;
            chiSquare += d * d / expected;
        }
    }
    // 35 x 35 = 1225 degrees of freedom: mean 1225, deviation about 49.5.
    EXPECT_LT(chiSquare, 1225 + 6 * 49.5);
    EXPECT_GT(chiSquare, 1225 - 6 * 49.5);
}

TEST(Deal, BlocksOfNineGoToSeatsOneToFourInDeckOrder) {
    Deck deck{};
    for (int position = 1; position <= kDeckSize; ++position) {
        const TStr2 card = CardFromNumber(position);
        deck[position] = DeckPosition{card, static_cast<std::uint8_t>(ParseCard(card)->rank)};
    }
    SeatHands hands{};
    hands[2][20] = HandSlot{C("Тп"), kAce}; // left over from an earlier hand
    std::array<std::uint8_t, kSeatCount + 1> counts{};
    DealHands(deck, hands, counts);
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        EXPECT_EQ(counts[seat], 9);
        EXPECT_EQ(HandText(hands[seat], 9), DeckText(deck, (seat - 1) * 9 + 1, seat * 9));
        for (int slot = 1; slot <= 9; ++slot)
            EXPECT_EQ(hands[seat][slot].rank, deck[(seat - 1) * 9 + slot].rank);
        for (int slot = 10; slot <= kHandSlots; ++slot)
            EXPECT_EQ(hands[seat][slot], HandSlot{});
    }
}

TEST(Deck, IncompleteOrDamagedDecksAreRecognised) {
    DeckRandom random(3);
    const Deck good = ShuffleDeck(random);
    ASSERT_TRUE(IsCompleteDeck(good));
    struct Damage {
        const char *what;
        void (*apply)(Deck &);
    };
    const Damage damages[] = {
        {"duplicate card", [](Deck &d) { d[5] = d[6]; }},
        {"empty position", [](Deck &d) { d[36] = DeckPosition{}; }},
        {"wrong rank index", [](Deck &d) { d[1].rank = d[1].rank % 9 + 1; }},
        {"garbage bytes",
         [](Deck &d) {
             d[10].card = TStr2{'x', 'y'};
         }},
    };
    for (const Damage &damage : damages) {
        Deck deck = good;
        damage.apply(deck);
        EXPECT_FALSE(IsCompleteDeck(deck)) << damage.what;
    }
}

struct SortCase {
    const char *name;
    const char *cards;
    const char *sorted;
};

class SortHandCases : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortHandCases, CardsEndInHandOrderFollowedByEmptySlots) {
    Hand hand = MakeHand(GetParam().cards);
    const int count = SortHand(hand);
    const std::string sorted = GetParam().sorted;
    EXPECT_EQ(count, static_cast<int>(test::Cards(sorted).size()));
    EXPECT_EQ(HandText(hand, count), sorted);
    for (int slot = 1; slot <= count; ++slot)
        EXPECT_EQ(hand[slot].rank, ParseCard(hand[slot].card)->rank);
    for (int slot = count + 1; slot <= kHandSlots; ++slot)
        EXPECT_EQ(hand[slot], HandSlot{});
}

INSTANTIATE_TEST_SUITE_P(Hands, SortHandCases,
                         ::testing::Values(SortCase{"Mixed", "Тп 6ч 9б Вк 7ч", "6ч 7ч Вк 9б Тп"},
                                           SortCase{"SuitsHeartsClubsDiamondsSpades", "6п 6б 6к 6ч",
                                                    "6ч 6к 6б 6п"},
                                           SortCase{"RanksSixToAceWithTheTenBetweenNineAndJack",
                                                    "Тч 1ч Вч 9ч 6ч", "6ч 9ч 1ч Вч Тч"},
                                           SortCase{"AlreadySorted", "7ч 8к 9б Дп", "7ч 8к 9б Дп"},
                                           SortCase{"Empty", "", ""}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SortHand, GapsLeftByPlayedCardsAreClosed) {
    Hand hand = MakeHand("6ч 7ч 8ч Вк Дк 9б 1б Кп Тп");
    ASSERT_EQ(SortHand(hand), 9);
    hand[3] = HandSlot{};
    EXPECT_EQ(SortHand(hand), 8);
    EXPECT_EQ(HandText(hand, 8), "6ч 7ч Вк Дк 9б 1б Кп Тп");
    EXPECT_EQ(hand[9], HandSlot{});
}

TEST(SortHand, SlotsHoldingNoCardAreDropped) {
    Hand hand = MakeHand("Тп 6ч");
    hand[5] = HandSlot{TStr2{'x', 'y'}, 3};
    EXPECT_EQ(SortHand(hand), 2);
    EXPECT_EQ(HandText(hand, 2), "6ч Тп");
    EXPECT_EQ(hand[5], HandSlot{});
}

TEST(OpeningSeat, IsTheHolderOfTheNineOfDiamondsWhateverItsNumber) {
    for (int holder = 1; holder <= kSeatCount; ++holder) {
        SeatHands hands{};
        for (int seat = 1; seat <= kSeatCount; ++seat)
            hands[seat] = MakeHand(seat == holder ? "6ч 9б" : "9ч 9к 9п");
        EXPECT_EQ(OpeningSeat(hands), holder);
    }
    EXPECT_EQ(OpeningSeat(SeatHands{}), 0);
}

TEST(SlotLookup, FindsTheHighestSlotWithinTheSearchedRange) {
    Hand hand = MakeHand("6ч 9б 7ч");
    hand[20] = HandSlot{C("9б"), kNine}; // a duplicate beyond slot 18
    EXPECT_EQ(SlotOf(hand, C("9б")), 20);
    EXPECT_EQ(SlotOf(hand, C("9б"), 18), 2);
    hand[5] = HandSlot{C("9б"), kNine};
    EXPECT_EQ(SlotOf(hand, C("9б"), 18), 5);
    EXPECT_EQ(SlotOf(hand, C("Тп"), 18), 0);
    EXPECT_TRUE(HoldsCard(hand, C("7ч"), 18));
    EXPECT_FALSE(HoldsCard(hand, C("7ч"), 2));
}

} // namespace
} // namespace quarn
