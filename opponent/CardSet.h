#pragma once
// Cards as bits of one 64-bit word, for the chooser and for playing hands
// out many thousand times a second. Bit numbers follow the hand order:
// hearts 0..8, clubs 9..17, diamonds 18..26, spades 27..35, six to ace
// within a suit. So the cards of a hand, lowest bit first, are the hand in
// slot order, and the slot of a held card is one more than the number of
// held cards below its bit.

#include <bit>
#include <cstdint>

#include "rules/Card.h"
#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn {

using CardSet = std::uint64_t;

inline constexpr CardSet kAllCards = (CardSet{1} << kDeckSize) - 1;

// Position of a suit in the hand order (hearts, clubs, diamonds, spades).
inline constexpr int kSuitPlace[kSuitCount + 1] = {0, 0, 2, 1, 3};

constexpr int CardBit(int suit, int rank) {
    return kSuitPlace[suit] * kRankCount + rank - 1;
}
constexpr CardSet CardMask(int suit, int rank) {
    return CardSet{1} << CardBit(suit, rank);
}
inline constexpr CardSet kOpeningMask = CardMask(kDiamonds, kNine);

// The nine ranks of one suit, bit 0 the six.
constexpr unsigned SuitRow(CardSet cards, int suit) {
    return static_cast<unsigned>(cards >> (kSuitPlace[suit] * kRankCount)) & 0x1FFu;
}

// The bit of a card code; -1 for "##" and anything that is not a card.
int CardBitOf(TStr2 card);
// The card code of a bit 0..35.
TStr2 CardOfBit(int bit);

inline int CardCountOf(CardSet cards) {
    return std::popcount(cards);
}
inline int LowestBit(CardSet cards) {
    return std::countr_zero(cards);
}

// The slot 1.. a held card takes in a sorted hand.
inline int SlotOfBit(CardSet held, int bit) {
    return std::popcount(held & ((CardSet{1} << bit) - 1)) + 1;
}

// The cards of hand slots 1..lastSlot (slots holding no card are skipped)
// and the occupied places of a table.
CardSet HandCards(const Hand &hand, int lastSlot);
CardSet TableCards(const TableRows &table);

// Every card that fits the table at this move number, whoever holds it.
// Exact for any table, also one whose rows are broken.
CardSet PlayableCards(CardSet table, int moveNumber);

// The standard chooser's card for a seat holding `held`: the bit of the
// card, or -1 when the seat must pass.
int ChooseCardBit(CardSet held, CardSet table, int moveNumber);

} // namespace quarn
