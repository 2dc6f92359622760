#include <gtest/gtest.h>

#include "opponent/CardSet.h"
#include "opponent/Chooser.h"
#include "opponent/CompactHand.h"
#include "opponent/StrongOpponent.h"
#include "rules/Invariants.h"
#include "rules/Match.h"
#include "rules/Moves.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;
using test::MakeHand;
using test::MakeTable;

TEST(CardSet, BitsFollowTheHandOrder) {
    // Hearts, clubs, diamonds, spades; six to ace.
    EXPECT_EQ(CardBitOf(C("6ч")), 0);
    EXPECT_EQ(CardBitOf(C("Тч")), 8);
    EXPECT_EQ(CardBitOf(C("6к")), 9);
    EXPECT_EQ(CardBitOf(C("9б")), 21);
    EXPECT_EQ(CardBitOf(C("Тп")), 35);
    EXPECT_EQ(CardBitOf(kEmptyCard), -1);
    EXPECT_EQ(CardBitOf(TStr2{'x', 'y'}), -1);
    for (int number = 1; number <= kDeckSize; ++number) {
        const TStr2 card = CardFromNumber(number);
        EXPECT_EQ(CardOfBit(CardBitOf(card)), card);
    }
    EXPECT_EQ(CardOfBit(36), kEmptyCard);
    EXPECT_EQ(CardOfBit(-1), kEmptyCard);

    // The slot of a card in a sorted hand is its rank among the bits.
    Hand hand = MakeHand("Тп 6ч 9б Вк 7ч");
    const int count = SortHand(hand);
    const CardSet held = HandCards(hand, count);
    for (int slot = 1; slot <= count; ++slot)
        EXPECT_EQ(SlotOfBit(held, CardBitOf(hand[slot].card)), slot);
}

TEST(CardSet, PlayableCardsAgreeWithIsPlayableOn) {
    const char *tables[] = {"", "9б", "9б 8б 7б 1б 9п", "9ч 1ч Вч Дч Кч Тч 8ч 7ч 6ч",
                            // A broken row: the rules still decide card by card.
                            "9к Вк 6к"};
    for (const char *text : tables) {
        const TableRows table = MakeTable(text);
        for (int moveNumber : {1, 2, 20}) {
            const CardSet playable = PlayableCards(TableCards(table), moveNumber);
            for (int bit = 0; bit < kDeckSize; ++bit) {
                EXPECT_EQ(((playable >> bit) & 1u) != 0,
                          IsPlayableOn(table, moveNumber, CardOfBit(bit)))
                    << text << " move " << moveNumber << " " << CardToUtf8(CardOfBit(bit));
            }
        }
    }
}

// Random legal moves, so that the two ways meet positions the chooser
// would never lead to.
int RandomLegalBit(CardSet legal, OpponentRandom &random) {
    int skip = static_cast<int>(random.Below(static_cast<std::uint64_t>(CardCountOf(legal))));
    for (; skip > 0; --skip)
        legal &= legal - 1;
    return LowestBit(legal);
}

// Plays hands both on the game record through the rule operations and on
// the compact hand, with the same moves, and compares after every move.
TEST(CompactHand, PlaysEveryHandExactlyAsTheRuleOperations) {
    DeckRandom deals(31337);
    OpponentRandom moves(4242);
    GameState game;
    game.PlayerKind = kNewPlayer;
    NewMatch(game, PlayerStanding{"Twin", 0, 0, 0});
    constexpr int kHands = 3000;
    long long comparedMoves = 0;
    for (int handNumber = 1; handNumber <= kHands; ++handNumber) {
        const Deck deck = ShuffleDeck(deals);
        const PerSeat<std::int32_t> scoresBefore = game.Score;
        ASSERT_TRUE(NewHand(game, deck));
        ASSERT_TRUE(StartHand(game));
        CompactHand hand = CompactHand::DealtAndStarted(deck);
        ASSERT_EQ(CompactHand::FromGame(game).held, hand.held);
        // Every other hand random moves, the others the chooser's.
        const bool randomMoves = handNumber % 2 == 0;
        while (game.HandInPlay()) {
            ASSERT_TRUE(hand.InPlay());
            const int seat = game.ToMove;
            ASSERT_EQ(hand.toMove, seat);
            const CardSet held = hand.held[seat];
            const CardSet legal = PlayableCards(hand.table, hand.moveNumber) & held;
            // The compact chooser and the chooser on the game record agree.
            const int slot = ChooseCard(game.Hands[seat], game.Table, game.MoveNumber);
            const int bit = ChooseCardBit(held, hand.table, hand.moveNumber);
            ASSERT_EQ(slot == 0, bit < 0);
            if (slot != 0) {
                ASSERT_EQ(game.Hands[seat][slot].card, CardOfBit(bit));
                ASSERT_EQ(SlotOfBit(held, bit), slot);
            }
            ASSERT_EQ(legal == 0, HasNoPlay(game, seat));
            if (legal == 0) {
                ASSERT_TRUE(MoveSeat(game, seat, 0, Announce::No));
                hand.Pass();
            } else {
                const int chosen = randomMoves ? RandomLegalBit(legal, moves) : bit;
                const int chosenSlot = SlotOfBit(held, chosen);
                ASSERT_TRUE(IsPlayable(game, game.Hands[seat][chosenSlot].card));
                ASSERT_TRUE(MoveSeat(game, seat, chosenSlot, Announce::No));
                hand.Play(chosen);
            }
            ++comparedMoves;
            GameState twin = game;
            hand.CopyTo(twin);
            ASSERT_EQ(twin, game) << "hand " << handNumber << " move " << game.MoveNumber;
            ASSERT_EQ(CompactHand::FromGame(game).held, hand.held);
        }
        ASSERT_FALSE(hand.InPlay());
        ASSERT_EQ(hand.winner, HandWinner(game));
        ASSERT_TRUE(SettleHand(game));
        for (int seat = 1; seat <= kSeatCount; ++seat)
            ASSERT_EQ(game.Score[seat] - scoresBefore[seat], hand.Result(seat)) << seat;
        ASSERT_FALSE(CheckInvariants(game).has_value());
    }
    EXPECT_GT(comparedMoves, kHands * static_cast<long long>(kCardsPerSeat));
}

TEST(CompactHand, FromGameReadsAHandInPlay) {
    GameState game =
        test::PlayingState({"6ч 7ч", "Тп", "8к 9к 1к", "Вб Дб Кб Тб 6б 7б 8б 1б"}, "9б 9ч 8ч", 2);
    game.HandPaid[3] -= kPassFee;
    game.Bank += kPassFee;
    const CompactHand hand = CompactHand::FromGame(game);
    EXPECT_EQ(hand.held[1], CardMask(kHearts, kSix) | CardMask(kHearts, kSeven));
    EXPECT_EQ(hand.CardsOf(4), 8);
    EXPECT_EQ(hand.table,
              CardMask(kDiamonds, kNine) | CardMask(kHearts, kNine) | CardMask(kHearts, kEight));
    EXPECT_EQ(hand.paid[3], kStake + kPassFee);
    EXPECT_EQ(hand.bank, game.Bank);
    EXPECT_EQ(hand.toMove, 2);
    EXPECT_EQ(hand.moveNumber, 4);
    EXPECT_TRUE(hand.InPlay());
}

} // namespace
} // namespace quarn
