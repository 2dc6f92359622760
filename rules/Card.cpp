#include "rules/Card.h"

#include <array>

namespace quarn {
namespace {

// UTF-8 spelling of each code-page-1251 character a card code can contain.
struct Spelling {
    char byte;
    std::string_view utf8;
};
constexpr std::array<Spelling, 13> kSpellings{{
    {'6', "6"},
    {'7', "7"},
    {'8', "8"},
    {'9', "9"},
    {'1', "1"},
    {'\xC2', "\xD0\x92"}, // В
    {'\xC4', "\xD0\x94"}, // Д
    {'\xCA', "\xD0\x9A"}, // К
    {'\xD2', "\xD0\xA2"}, // Т
    {'\xF7', "\xD1\x87"}, // ч
    {'\xE1', "\xD0\xB1"}, // б
    {'\xEA', "\xD0\xBA"}, // к
    {'\xEF', "\xD0\xBF"}, // п
}};

std::string_view SpellingOf(char byte) {
    for (const auto &s : kSpellings) {
        if (s.byte == byte)
            return s.utf8;
    }
    return "?";
}

} // namespace

TStr2 MakeCard(int suit, int rank) {
    if (suit < 1 || suit > kSuitCount || rank < 1 || rank > kRankCount)
        return kEmptyCard;
    return TStr2{kRankChars[rank], kSuitChars[suit]};
}

TStr2 CardFromNumber(int number) {
    if (number < 1 || number > kDeckSize)
        return kEmptyCard;
    return MakeCard((number - 1) % kSuitCount + 1, (number - 1) / kSuitCount + 1);
}

int CardNumber(TStr2 card) {
    const auto parsed = ParseCard(card);
    if (!parsed)
        return 0;
    return (parsed->rank - 1) * kSuitCount + parsed->suit;
}

std::optional<TStr2> CardFromBytes(std::string_view bytes) {
    if (bytes.size() != 2)
        return std::nullopt;
    const TStr2 card{bytes[0], bytes[1]};
    if (card.IsEmpty() || ParseCard(card))
        return card;
    return std::nullopt;
}

std::string CardToUtf8(TStr2 card) {
    if (card.IsEmpty())
        return "##";
    std::string text{SpellingOf(card.rank)};
    text += SpellingOf(card.suit);
    return text;
}

std::optional<TStr2> CardFromUtf8(std::string_view text) {
    if (text == "##")
        return kEmptyCard;
    for (const auto &rank : kSpellings) {
        if (!text.starts_with(rank.utf8))
            continue;
        const std::string_view rest = text.substr(rank.utf8.size());
        for (const auto &suit : kSpellings) {
            if (rest != suit.utf8)
                continue;
            const TStr2 card{rank.byte, suit.byte};
            if (ParseCard(card))
                return card;
        }
    }
    return std::nullopt;
}

} // namespace quarn
