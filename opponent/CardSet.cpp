#include "opponent/CardSet.h"

#include <algorithm>

namespace quarn {
namespace {

// What the seat holds of a suit beyond a card, further from the nine.
enum class Beyond { None, Run, Gap };

// The preference lists, in the order they are tried.
enum PreferenceList { kBridging, kCovered, kOpenByOne, kOpenByTwo, kOpenFar, kListCount };

constexpr unsigned kNineBit = 1u << (kNine - 1);
constexpr unsigned kLowerSide = 0x7u;   // six, seven, eight
constexpr unsigned kUpperSide = 0x1F0u; // ten to ace

// Ranks from..to (inclusive, 1..9) as bits of a suit row (bit 0 the six).
constexpr unsigned RankBits(int from, int to) {
    return ((2u << (to - 1)) - 1) & ~((1u << (from - 1)) - 1);
}

// Classes the held cards beyond a card, from the rank next to it outwards to
// the end of the suit: a run when they follow on from it without a hole.
constexpr Beyond ClassBeyond(unsigned held, int rank, bool lowerSide) {
    if (lowerSide ? rank == kSix : rank == kAce)
        return Beyond::None;
    const unsigned beyond =
        held & (lowerSide ? RankBits(kSix, rank - 1) : RankBits(rank + 1, kAce));
    if (beyond == 0)
        return Beyond::None;
    const int farthest =
        lowerSide ? std::countr_zero(beyond) + 1 : std::bit_width(beyond); // as a rank
    const unsigned run = lowerSide ? RankBits(farthest, rank - 1) : RankBits(rank + 1, farthest);
    return beyond == run ? Beyond::Run : Beyond::Gap;
}

constexpr PreferenceList ListOfNine(unsigned held) {
    const Beyond lower = ClassBeyond(held, kNine, true);
    const Beyond upper = ClassBeyond(held, kNine, false);
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
constexpr PreferenceList ListOfCard(unsigned held, int rank) {
    if (rank == kNine)
        return ListOfNine(held);
    if (rank == kSix || rank == kAce)
        return kCovered;
    const Beyond beyond = ClassBeyond(held, rank, rank < kNine);
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

// The lowest set bit of a row as a rank, 0 when the row is empty.
constexpr int LowestRank(unsigned row) {
    return row == 0 ? 0 : std::countr_zero(row) + 1;
}

// The list of every card for every holding of its suit, worked out once:
// the chooser runs millions of times a second in rollouts. kListCount for a
// card the seat does not hold and for rank 0 (no card).
struct ListTable {
    std::uint8_t list[1u << kRankCount][kRankCount + 1] = {};
    constexpr ListTable() {
        for (unsigned held = 0; held < (1u << kRankCount); ++held) {
            list[held][0] = kListCount;
            for (int rank = 1; rank <= kRankCount; ++rank) {
                const bool holds = ((held >> (rank - 1)) & 1u) != 0;
                list[held][rank] =
                    static_cast<std::uint8_t>(holds ? ListOfCard(held, rank) : kListCount);
            }
        }
    }
};
constexpr ListTable kListTable;

// For every row of a suit on the table, the playable cards of that suit as
// ranks (0 for none), the lower side in the low four bits: the nine while it
// is out, otherwise the first free place of each side whose inner neighbour
// lies on the table.
struct SideTable {
    std::uint8_t sides[1u << kRankCount] = {};
    constexpr SideTable() {
        for (unsigned row = 0; row < (1u << kRankCount); ++row) {
            if ((row & kNineBit) == 0) {
                sides[row] = kNine;
                continue;
            }
            const int lower = LowestRank(~row & (row >> 1) & kLowerSide);
            const int upper = LowestRank(~row & (row << 1) & kUpperSide);
            sides[row] = static_cast<std::uint8_t>(lower | upper << 4);
        }
    }
};
constexpr SideTable kSideTable;

} // namespace

int CardBitOf(TStr2 card) {
    const auto parsed = ParseCard(card);
    return parsed ? CardBit(parsed->suit, parsed->rank) : -1;
}

TStr2 CardOfBit(int bit) {
    constexpr int kSuitAtPlace[kSuitCount] = {kHearts, kClubs, kDiamonds, kSpades};
    if (bit < 0 || bit >= kDeckSize)
        return kEmptyCard;
    return MakeCard(kSuitAtPlace[bit / kRankCount], bit % kRankCount + 1);
}

CardSet HandCards(const Hand &hand, int lastSlot) {
    CardSet cards = 0;
    for (int slot = 1; slot <= lastSlot && slot <= kHandSlots; ++slot) {
        const int bit = CardBitOf(hand[slot].card);
        if (bit >= 0)
            cards |= CardSet{1} << bit;
    }
    return cards;
}

CardSet TableCards(const TableRows &table) {
    CardSet cards = 0;
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        for (int rank = 1; rank <= kRankCount; ++rank) {
            if (!table[suit][rank].IsEmpty())
                cards |= CardMask(suit, rank);
        }
    }
    return cards;
}

CardSet PlayableCards(CardSet table, int moveNumber) {
    if (moveNumber == 1)
        return kOpeningMask;
    CardSet playable = 0;
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        const unsigned row = SuitRow(table, suit);
        // A nine fits while its place is free; the others need their
        // neighbour towards the nine.
        const unsigned fits =
            ~row & (kNineBit | ((row >> 1) & kLowerSide) | ((row << 1) & kUpperSide));
        playable |= CardSet{fits} << (kSuitPlace[suit] * kRankCount);
    }
    return playable;
}

int ChooseCardBit(CardSet held, CardSet table, int moveNumber) {
    if (moveNumber == 1)
        return (held & kOpeningMask) != 0 ? CardBit(kDiamonds, kNine) : -1;

    // Every candidate gets a key: its list first, then its place in the
    // playable list (suits 1..4, the lower side before the upper), then its
    // bit. The smallest key is the choice; without branches, since rollouts
    // call this millions of times a second.
    unsigned best = ~0u;
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        const int shift = kSuitPlace[suit] * kRankCount;
        const unsigned heldRow = static_cast<unsigned>(held >> shift) & 0x1FFu;
        const unsigned sides = kSideTable.sides[static_cast<unsigned>(table >> shift) & 0x1FFu];
        const unsigned lower = sides & 0xFu;
        const unsigned upper = sides >> 4;
        const unsigned order = static_cast<unsigned>(suit - 1) * 2;
        // The bit is masked: rank 0 (no card) of hearts would give -1.
        auto key = [&](unsigned rank, unsigned place) {
            const unsigned bit = (static_cast<unsigned>(shift) + rank - 1) & 0xFFu;
            return (static_cast<unsigned>(kListTable.list[heldRow][rank]) << 12) | (place << 8) |
                   bit;
        };
        best = std::min(best, std::min(key(lower, order), key(upper, order + 1)));
    }
    return (best >> 12) >= kListCount ? -1 : static_cast<int>(best & 0xFFu);
}

} // namespace quarn
