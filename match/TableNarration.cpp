#include "match/TableNarration.h"

#include "lang/CardNames.h"
#include "lang/Language.h"
#include "rules/Match.h"
#include "rules/Moves.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace quarn {
namespace {

// Replaces "%1", "%2", "%3" of a word-table pattern.
std::string fill(WordEntry pattern, const std::vector<std::string> &values) {
    std::string out(text(pattern));
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::string marker = "%" + std::to_string(i + 1);
        const auto at = out.find(marker);
        if (at != std::string::npos)
            out.replace(at, marker.size(), values[i]);
    }
    return out;
}

std::string join(const std::vector<std::string> &parts, std::string_view separator) {
    std::string out;
    for (const auto &part : parts) {
        if (!out.empty())
            out += separator;
        out += part;
    }
    return out;
}

WordEntry placeWord(int seat) {
    switch (seat) {
    case 1:
        return WordEntry::AccSeatLeft;
    case 2:
        return WordEntry::AccSeatTop;
    default:
        return WordEntry::AccSeatRight;
    }
}

} // namespace

std::string cardName(TStr2 card) {
    const auto parsed = ParseCard(card);
    if (!parsed)
        return {};
    return spokenCardName(language(), parsed->suit, parsed->rank);
}

std::string seatName(const GameState &game, int seat) {
    if (seat == kPlayerSeat && !game.Network && !game.Tournament)
        return std::string(text(WordEntry::AccYou));
    if (seat < 1 || seat > kSeatCount)
        return {};
    std::string name = TrimTrailingBlanks(game.SeatName[seat]);
    if (seat == kPlayerSeat)
        return name.empty() ? std::string(text(WordEntry::AccYou)) : name;
    return name + " (" + std::string(text(placeWord(seat))) + ")";
}

std::string seatStateText(const GameState &game, int seat) {
    if (seat < 1 || seat > kSeatCount)
        return {};
    return fill(WordEntry::AccSeatState,
                {seatName(game, seat), std::to_string(game.CardCount[seat]),
                 std::to_string(game.Score[seat])});
}

std::string handText(const GameState &game) {
    return fill(WordEntry::AccYourHand, {std::to_string(game.CardCount[kPlayerSeat])});
}

std::string bankText(const GameState &game) {
    return fill(WordEntry::AccBank, {std::to_string(game.Bank)});
}

std::string tableText(const TableRows &table) {
    std::vector<std::string> rows;
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        int low = 0;
        int high = 0;
        for (int rank = 1; rank <= kRankCount; ++rank) {
            if (table[suit][rank].IsEmpty())
                continue;
            if (low == 0)
                low = rank;
            high = rank;
        }
        if (low != 0)
            rows.push_back(suitName(language(), suit) + ": " + rankName(language(), low) + " – " +
                           rankName(language(), high));
    }
    if (rows.empty())
        return std::string(text(WordEntry::AccTableEmpty));
    return join(rows, "; ");
}

std::string dealtText(const GameState &game) {
    for (int seat = 1; seat <= kSeatCount; ++seat)
        for (int slot = 1; slot <= game.CardCount[seat]; ++slot)
            if (game.Hands[seat][slot].card == kOpeningCard)
                return fill(WordEntry::AccDealt, {seatName(game, seat)});
    return {};
}

// The local player is spoken to in the second person.
bool isYou(const GameState &game, int seat) {
    return seat == kPlayerSeat && !game.Network && !game.Tournament;
}

std::string playedText(const GameState &game, int seat, TStr2 card) {
    if (isYou(game, seat))
        return fill(WordEntry::AccYouPlay, {cardName(card)});
    return fill(WordEntry::AccPlays, {seatName(game, seat), cardName(card)});
}

std::string passedText(const GameState &game, int seat) {
    if (isYou(game, seat))
        return std::string(text(WordEntry::AccYouPass));
    return fill(WordEntry::AccPasses, {seatName(game, seat)});
}

std::string turnText(const GameState &game) {
    if (!game.HandInPlay())
        return {};
    if (game.ToMove != kPlayerSeat || game.Network || game.Tournament) {
        if (game.ToMove == kPlayerSeat)
            return std::string(text(WordEntry::AccYourTurn));
        return fill(WordEntry::AccTurnOf, {seatName(game, game.ToMove)});
    }
    std::string out(text(WordEntry::AccYourTurn));
    if (HasNoPlay(game, kPlayerSeat) && game.MoveNumber > 1)
        out += ". " + std::string(text(WordEntry::AccNoPlay));
    return out;
}

namespace {

constexpr const char *kCardListMark = "\x01";

// The text up to the card list's place, without the separator before it
// (blanks, ":" or the full-width colon of the Asian languages).
std::string withoutCardList(std::string text) {
    text.erase(std::min(text.find(kCardListMark), text.size()));
    while (!text.empty() && (text.back() == ' ' || text.back() == ':'))
        text.pop_back();
    const std::string wideColon = "\xEF\xBC\x9A";
    if (text.size() >= wideColon.size() &&
        text.compare(text.size() - wideColon.size(), wideColon.size(), wideColon) == 0)
        text.erase(text.size() - wideColon.size());
    return text;
}

} // namespace

std::string handEndText(const GameState &game) {
    const int winner = HandWinner(game);
    if (winner == 0)
        return {};
    std::vector<std::string> parts{fill(WordEntry::AccHandWon, {seatName(game, winner)})};
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (seat == winner || game.CardCount[seat] == 0)
            continue;
        const std::string count = std::to_string(game.CardCount[seat]);
        if (seat != kPlayerSeat && game.HandsUnknown) {
            // Only the count: the cards of a hand dealt masked are not known.
            parts.push_back(withoutCardList(
                fill(WordEntry::AccCardsLeft, {seatName(game, seat), count, kCardListMark})));
            continue;
        }
        std::vector<std::string> cards;
        for (int slot = 1; slot <= game.CardCount[seat]; ++slot)
            cards.push_back(cardName(game.Hands[seat][slot].card));
        parts.push_back(
            fill(WordEntry::AccCardsLeft, {seatName(game, seat), count, join(cards, ", ")}));
    }
    return join(parts, ". ");
}

std::string settledText(const GameState &game, int winner, int bank) {
    return fill(WordEntry::AccSettled, {seatName(game, winner), std::to_string(bank)});
}

} // namespace quarn
