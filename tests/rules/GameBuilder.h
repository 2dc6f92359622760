#pragma once
// Small helpers for tests: cards written in UTF-8 and game states built from
// a few lines of text.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "rules/Card.h"
#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn::test {

inline TStr2 C(std::string_view utf8) {
    const auto card = CardFromUtf8(utf8);
    if (!card)
        ADD_FAILURE() << "not a card: " << utf8;
    return card.value_or(kEmptyCard);
}

inline std::vector<TStr2> Cards(const std::string &utf8List) {
    std::vector<TStr2> cards;
    std::istringstream words(utf8List);
    for (std::string word; words >> word;)
        cards.push_back(C(word));
    return cards;
}

inline std::string Text(const std::vector<TStr2> &cards) {
    std::string text;
    for (const TStr2 card : cards)
        text += (text.empty() ? "" : " ") + CardToUtf8(card);
    return text;
}

// The cards of slots 1..count, in UTF-8, blank-separated.
inline std::string HandText(const Hand &hand, int count) {
    std::vector<TStr2> cards;
    for (int slot = 1; slot <= count; ++slot)
        cards.push_back(hand[slot].card);
    return Text(cards);
}

// A hand with the given cards in slots 1.. in the given order (not sorted).
inline Hand MakeHand(const std::string &utf8List) {
    Hand hand;
    int slot = 1;
    for (const TStr2 card : Cards(utf8List)) {
        hand[slot++] = HandSlot{card, static_cast<std::uint8_t>(ParseCard(card)->rank)};
    }
    return hand;
}

inline TableRows MakeTable(const std::string &utf8List) {
    TableRows table = GameState::EmptyTable();
    for (const TStr2 card : Cards(utf8List)) {
        const auto parsed = ParseCard(card);
        table[parsed->suit][parsed->rank] = card;
    }
    return table;
}

// A hand in play: the given seats' hands (sorted) and table, the stakes paid,
// the move number following the cards on the table.
inline GameState PlayingState(const std::array<std::string, 4> &hands, const std::string &table,
                              int toMove) {
    GameState game;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        game.Hands[seat] = MakeHand(hands[seat - 1]);
        game.CardCount[seat] = static_cast<std::uint8_t>(SortHand(game.Hands[seat]));
        game.Score[seat] = -kStake;
        game.HandPaid[seat] = -kStake;
    }
    game.Table = MakeTable(table);
    game.MoveNumber = static_cast<std::uint8_t>(Cards(table).size() + 1);
    game.Phase = kPhasePlaying;
    game.ToMove = static_cast<std::uint8_t>(toMove);
    game.Bank = kSeatCount * kStake;
    game.InGame = true;
    game.PlayerScore = game.PlayerTotal = -kStake;
    return game;
}

} // namespace quarn::test
