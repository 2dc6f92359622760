#pragma once
// Card codes: two code-page-1251 bytes, the rank character then the suit
// character ("9\xE1" is the nine of diamonds). "##" marks an empty slot or an
// empty place on the table. Ranks and suits are counted from 1.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quarn {

// Rank indexes 1..9: six, seven, eight, nine, ten, jack, queen, king, ace.
inline constexpr int kSix = 1;
inline constexpr int kSeven = 2;
inline constexpr int kEight = 3;
inline constexpr int kNine = 4;
inline constexpr int kTen = 5;
inline constexpr int kJack = 6;
inline constexpr int kQueen = 7;
inline constexpr int kKing = 8;
inline constexpr int kAce = 9;
inline constexpr int kRankCount = 9;

// Suit indexes 1..4 in the order of their characters.
inline constexpr int kHearts = 1;
inline constexpr int kDiamonds = 2;
inline constexpr int kClubs = 3;
inline constexpr int kSpades = 4;
inline constexpr int kSuitCount = 4;

inline constexpr int kDeckSize = 36;

// Rank index stored beside an empty hand slot.
inline constexpr std::uint8_t kNoRank = 99;

// The rank and suit characters as code-page-1251 bytes, index 0 unused.
inline constexpr char kRankChars[kRankCount + 1] = {'\0', '6',    '7',    '8',    '9',
                                                    '1',  '\xC2', '\xC4', '\xCA', '\xD2'};
inline constexpr char kSuitChars[kSuitCount + 1] = {'\0', '\xF7', '\xE1', '\xEA', '\xEF'};

// A card code. Compared as a whole two-byte value.
struct TStr2 {
    char rank = '#';
    char suit = '#';

    constexpr bool operator==(const TStr2 &) const = default;
    constexpr bool IsEmpty() const { return rank == '#' && suit == '#'; }
    // The two raw bytes, as they travel in messages and files.
    std::string Bytes() const { return std::string{rank, suit}; }
};

inline constexpr TStr2 kEmptyCard{'#', '#'};
// The nine of diamonds: the first card of every hand.
inline constexpr TStr2 kOpeningCard{'9', '\xE1'};

struct SuitRank {
    int suit = 0; // 1..4
    int rank = 0; // 1..9
    constexpr bool operator==(const SuitRank &) const = default;
};

namespace detail {
// Index (1-based) of every byte in a character table, 0 for bytes outside it.
// Card codes are parsed on every move the chooser weighs, so this is a lookup.
template <int Count>
constexpr std::array<std::uint8_t, 256> IndexTable(const char (&chars)[Count + 1]) {
    std::array<std::uint8_t, 256> table{};
    for (int i = 1; i <= Count; ++i)
        table[static_cast<unsigned char>(chars[i])] = static_cast<std::uint8_t>(i);
    return table;
}
inline constexpr auto kRankIndex = IndexTable<kRankCount>(kRankChars);
inline constexpr auto kSuitIndex = IndexTable<kSuitCount>(kSuitChars);
} // namespace detail

// Suit and rank of a card code; nothing for "##" and for any byte outside
// the two tables.
constexpr std::optional<SuitRank> ParseCard(TStr2 card) {
    const int rank = detail::kRankIndex[static_cast<unsigned char>(card.rank)];
    const int suit = detail::kSuitIndex[static_cast<unsigned char>(card.suit)];
    if (rank == 0 || suit == 0)
        return std::nullopt;
    return SuitRank{suit, rank};
}

// The code of the card of that suit and rank; "##" when either is out of range.
TStr2 MakeCard(int suit, int rank);

// Card numbers 1..36 as used by the shuffle: rank = (n-1)/4+1, suit = (n-1)%4+1.
// "##" for a number outside 1..36.
TStr2 CardFromNumber(int number);
// 0 for "##" and for anything that is not a card.
int CardNumber(TStr2 card);

// A card code from its two raw bytes; nothing unless they are a card or "##".
std::optional<TStr2> CardFromBytes(std::string_view bytes);

// The code written in UTF-8 ("9б"), for traces and texts; "##" stays "##".
// A code that is not a card is written byte for byte as '?' characters.
std::string CardToUtf8(TStr2 card);
// The inverse of CardToUtf8; nothing unless the text is exactly one card or "##".
std::optional<TStr2> CardFromUtf8(std::string_view text);

} // namespace quarn
