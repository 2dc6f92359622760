#include "opponent/Chooser.h"

#include <array>

namespace quarn {
namespace {

// What the seat holds of a suit beyond a card, further from the nine.
enum class Beyond { None, Run, Gap };

// The preference lists, in the order they are tried.
enum PreferenceList { kBridging, kCovered, kOpenByOne, kOpenByTwo, kOpenFar, kListCount };

constexpr int kMaxPlayable = 8;

// Ranks held per suit, one bit per rank (bit r for rank r).
using HeldRanks = std::array<unsigned, kSuitCount + 1>;

HeldRanks HeldBySuit(const Hand &hand) {
    HeldRanks held{};
    for (int slot = 1; slot <= kChooserSlots; ++slot) {
        if (const auto parsed = ParseCard(hand[slot].card))
            held[parsed->suit] |= 1u << parsed->rank;
    }
    return held;
}

bool Holds(unsigned held, int rank) {
    return (held >> rank) & 1u;
}

// Ranks from..to (inclusive) as a bit mask.
constexpr unsigned RankBits(int from, int to) {
    return ((2u << to) - 1) & ~((1u << from) - 1);
}

// Classes the held cards beyond a card, from the rank next to it outwards to
// the end of the suit: a run when they follow on from it without a hole.
Beyond ClassBeyond(unsigned held, int rank, int step) {
    const bool lowerSide = step < 0;
    if (lowerSide ? rank == kSix : rank == kAce)
        return Beyond::None;
    const unsigned beyond =
        held & (lowerSide ? RankBits(kSix, rank - 1) : RankBits(rank + 1, kAce));
    if (beyond == 0)
        return Beyond::None;
    const int farthest = lowerSide ? __builtin_ctz(beyond) : 31 - __builtin_clz(beyond);
    const unsigned run = lowerSide ? RankBits(farthest, rank - 1) : RankBits(rank + 1, farthest);
    return beyond == run ? Beyond::Run : Beyond::Gap;
}

PreferenceList ListOfNine(unsigned held) {
    const Beyond lower = ClassBeyond(held, kNine, -1);
    const Beyond upper = ClassBeyond(held, kNine, +1);
    if (lower == Beyond::Gap || upper == Beyond::Gap)
        return kBridging;
    if (lower == Beyond::Run && upper == Beyond::Run)
        return kCovered;
    if (lower == Beyond::Run || upper == Beyond::Run)
        return kOpenByTwo;
    return kOpenFar;
}

// Cards after which only the seat itself can go on get "covered"; otherwise
// the fewer cards a move leaves open beyond it, the earlier it is played.
PreferenceList ListOfCard(unsigned held, int rank) {
    if (rank == kNine)
        return ListOfNine(held);
    if (rank == kSix || rank == kAce)
        return kCovered;
    const Beyond beyond = ClassBeyond(held, rank, rank < kNine ? -1 : +1);
    if (beyond == Beyond::Run)
        return kCovered;
    if (beyond == Beyond::Gap)
        return kBridging;
    const int distanceFromEnd = rank < kNine ? rank - kSix : kAce - rank;
    if (distanceFromEnd == 1)
        return kOpenByOne;
    if (distanceFromEnd == 2)
        return kOpenByTwo;
    return kOpenFar;
}

bool OnTable(const TableRows &table, int suit, int rank) {
    return !table[suit][rank].IsEmpty();
}

// The first empty place of a side whose inner neighbour lies on the table.
int PlayableOnSide(const TableRows &table, int suit, int from, int to, int towardsNine) {
    const int step = from <= to ? 1 : -1;
    for (int rank = from;; rank += step) {
        if (!OnTable(table, suit, rank) && OnTable(table, suit, rank + towardsNine))
            return rank;
        if (rank == to)
            return 0;
    }
}

struct PlayableList {
    std::array<SuitRank, kMaxPlayable> cards;
    int size = 0;
    void Add(int suit, int rank) { cards[size++] = SuitRank{suit, rank}; }
};

// Every card any seat could play now: per suit 1..4 the nine while it is out,
// otherwise the lower card before the upper card.
PlayableList PlayableCards(const TableRows &table) {
    PlayableList list;
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        if (!OnTable(table, suit, kNine)) {
            list.Add(suit, kNine);
            continue;
        }
        if (const int lower = PlayableOnSide(table, suit, kSix, kEight, +1))
            list.Add(suit, lower);
        if (const int upper = PlayableOnSide(table, suit, kTen, kAce, -1))
            list.Add(suit, upper);
    }
    return list;
}

} // namespace

std::uint8_t ChooseCard(const Hand &hand, const TableRows &table, int moveNumber) {
    if (moveNumber == 1)
        return static_cast<std::uint8_t>(SlotOf(hand, kOpeningCard, kChooserSlots));

    const HeldRanks held = HeldBySuit(hand);
    const PlayableList playable = PlayableCards(table);

    // Only the first card of each list can be chosen, so keep just that one.
    std::array<int, kListCount> firstOfList;
    firstOfList.fill(-1);
    for (int i = 0; i < playable.size; ++i) {
        const SuitRank card = playable.cards[i];
        if (!Holds(held[card.suit], card.rank))
            continue;
        const PreferenceList list = ListOfCard(held[card.suit], card.rank);
        if (firstOfList[list] < 0)
            firstOfList[list] = i;
    }
    for (int list = 0; list < kListCount; ++list) {
        if (firstOfList[list] < 0)
            continue;
        const SuitRank card = playable.cards[firstOfList[list]];
        return static_cast<std::uint8_t>(
            SlotOf(hand, MakeCard(card.suit, card.rank), kChooserSlots));
    }
    return 0;
}

} // namespace quarn
