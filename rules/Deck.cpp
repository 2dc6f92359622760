#include "rules/Deck.h"

#include <algorithm>
#include <atomic>
#include <chrono>

namespace quarn {
namespace {

// A uniform number in 1..36 without modulo bias.
int DrawCardNumber(DeckRandom &random) {
    constexpr std::uint64_t kRange = kDeckSize;
    constexpr std::uint64_t kLimit = DeckRandom::max() - DeckRandom::max() % kRange;
    std::uint64_t value;
    do {
        value = random();
    } while (value >= kLimit);
    return static_cast<int>(value % kRange) + 1;
}

DeckRandom ClockSeededRandom() {
    // The counter keeps two shuffles within one clock tick apart.
    static std::atomic<std::uint64_t> calls{0};
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    const auto n = calls.fetch_add(1);
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32),
                       static_cast<std::uint32_t>(n)};
    return DeckRandom(seed);
}

// Position of a suit in the hand order: hearts, clubs, diamonds, spades.
constexpr int kSuitOrder[kSuitCount + 1] = {0, 0, 2, 1, 3};
constexpr int kSuitAtPlace[kSuitCount] = {kHearts, kClubs, kDiamonds, kSpades};

// Place 0..35 of a card in the hand order.
int HandOrderPlace(const SuitRank &card) {
    return kSuitOrder[card.suit] * kRankCount + card.rank - 1;
}

} // namespace

Deck ShuffleDeck() {
    DeckRandom random = ClockSeededRandom();
    return ShuffleDeck(random);
}

Deck ShuffleDeck(DeckRandom &random) {
    // Draw each position and reject numbers already placed.
    std::array<bool, kDeckSize + 1> placed{};
    Deck deck{};
    for (int position = 1; position <= kDeckSize; ++position) {
        int number;
        do {
            number = DrawCardNumber(random);
        } while (placed[number]);
        placed[number] = true;
        const TStr2 card = CardFromNumber(number);
        deck[position] = DeckPosition{card, static_cast<std::uint8_t>(ParseCard(card)->rank)};
    }
    return deck;
}

bool IsCompleteDeck(const Deck &deck) {
    std::array<bool, kDeckSize + 1> seen{};
    for (int position = 1; position <= kDeckSize; ++position) {
        const auto parsed = ParseCard(deck[position].card);
        if (!parsed || parsed->rank != deck[position].rank)
            return false;
        const int number = CardNumber(deck[position].card);
        if (seen[number])
            return false;
        seen[number] = true;
    }
    return true;
}

void ClearHand(Hand &hand) {
    hand.fill(HandSlot{});
}

void DealHands(const Deck &deck, SeatHands &hands,
               std::array<std::uint8_t, kSeatCount + 1> &counts) {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        ClearHand(hands[seat]);
        for (int slot = 1; slot <= kCardsPerSeat; ++slot) {
            const DeckPosition &from = deck[(seat - 1) * kCardsPerSeat + slot];
            hands[seat][slot] = HandSlot{from.card, from.rank};
        }
        counts[seat] = kCardsPerSeat;
    }
}

int SortHand(Hand &hand) {
    // A counting sort over the 36 places of the hand order: every card has
    // its own place, and the hand is sorted after every card played.
    std::array<std::uint8_t, kDeckSize> perPlace{};
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        if (hand[slot].card.IsEmpty())
            continue;
        if (const auto parsed = ParseCard(hand[slot].card))
            ++perPlace[HandOrderPlace(*parsed)];
    }
    ClearHand(hand);
    int count = 0;
    for (int place = 0; place < kDeckSize; ++place) {
        const int suit = kSuitAtPlace[place / kRankCount];
        const int rank = place % kRankCount + 1;
        for (int copies = perPlace[place]; copies > 0; --copies) {
            hand[++count] = HandSlot{MakeCard(suit, rank), static_cast<std::uint8_t>(rank)};
        }
    }
    return count;
}

int OpeningSeat(const SeatHands &hands) {
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (HoldsCard(hands[seat], kOpeningCard))
            return seat;
    }
    return 0;
}

bool HoldsCard(const Hand &hand, TStr2 card, int lastSlot) {
    return SlotOf(hand, card, lastSlot) != 0;
}

int SlotOf(const Hand &hand, TStr2 card, int lastSlot) {
    for (int slot = std::min(lastSlot, kHandSlots); slot >= 1; --slot) {
        if (hand[slot].card == card)
            return slot;
    }
    return 0;
}

} // namespace quarn
