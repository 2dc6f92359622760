#pragma once
// The deck, the hands and the deal. Arrays here count from 1 like the game
// does: index 0 of every array is unused.

#include <array>
#include <cstdint>
#include <random>

#include "rules/Card.h"

namespace quarn {

inline constexpr int kSeatCount = 4;
inline constexpr int kHandSlots = 36;
inline constexpr int kCardsPerSeat = 9;

// One hand slot: a card code and its rank index (kNoRank when empty).
struct HandSlot {
    TStr2 card = kEmptyCard;
    std::uint8_t rank = kNoRank;
    constexpr bool operator==(const HandSlot &) const = default;
};

// A seat's hand: slots 1..36 (index 0 unused). The cards always lie in
// slots 1..CardCount in hand order, "##" after them.
using Hand = std::array<HandSlot, kHandSlots + 1>;

// The four hands, by seat 1..4 (index 0 unused).
using SeatHands = std::array<Hand, kSeatCount + 1>;

// One deck position: a card code and its rank index.
struct DeckPosition {
    TStr2 card = kEmptyCard;
    std::uint8_t rank = kNoRank;
    constexpr bool operator==(const DeckPosition &) const = default;
};

// The deck: positions 1..36 (index 0 unused).
using Deck = std::array<DeckPosition, kDeckSize + 1>;

// The generator behind the shuffle; seedable so tools and tests can replay.
using DeckRandom = std::mt19937_64;

// A fresh uniformly shuffled deck from a generator seeded from the
// high-resolution clock (consecutive calls differ).
Deck ShuffleDeck();
// The same shuffle drawing from the given generator (reproducible).
Deck ShuffleDeck(DeckRandom &random);

// True when the deck holds each of the 36 cards once with its right rank
// index (a received deck must pass this before it is dealt).
bool IsCompleteDeck(const Deck &deck);

// Empties every slot 1..36 of a hand.
void ClearHand(Hand &hand);

// Block deal: deck positions 1-9 to seat 1, 10-18 to seat 2, 19-27 to seat 3,
// 28-36 to seat 4, into slots 1..9 in deck order; every count becomes 9.
// Slots 10..36 are emptied. Hands are not sorted here.
void DealHands(const Deck &deck, SeatHands &hands,
               std::array<std::uint8_t, kSeatCount + 1> &counts);

// Sorts a hand into hand order (hearts, clubs, diamonds, spades; six to ace
// within a suit), moves the cards to slots 1..count, fills the rest with
// "##"/99 and returns the count. Slots holding anything that is not a card
// are dropped.
int SortHand(Hand &hand);

// The seat 1..4 that holds the nine of diamonds; 0 when none does.
int OpeningSeat(const SeatHands &hands);

// Holding test and slot lookup over slots 1..lastSlot (the chooser looks at
// slots 1..18). SlotOf gives the highest slot holding the code, 0 when none.
bool HoldsCard(const Hand &hand, TStr2 card, int lastSlot = kHandSlots);
int SlotOf(const Hand &hand, TStr2 card, int lastSlot = kHandSlots);

} // namespace quarn
