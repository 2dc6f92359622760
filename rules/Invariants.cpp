#include "rules/Invariants.h"

#include <numeric>

namespace quarn {
namespace {

// Position of a suit in the hand order: hearts, clubs, diamonds, spades.
constexpr int kSuitOrder[kSuitCount + 1] = {0, 0, 2, 1, 3};

int OrderKey(const SuitRank& card) { return kSuitOrder[card.suit] * 16 + card.rank; }

std::optional<std::string> CheckHand(const GameState& game, int seat, std::array<int, kDeckSize + 1>& seen) {
    const std::string who = "seat " + std::to_string(seat) + ": ";
    const int count = game.CardCount[seat];
    if (count > kCardsPerSeat) return who + "holds more than 9 cards";
    int lastKey = -1;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const HandSlot& held = game.Hands[seat][slot];
        if (slot > count) {
            if (held != HandSlot{}) return who + "slot after the card count is not empty";
            continue;
        }
        const auto parsed = ParseCard(held.card);
        if (!parsed) return who + "slot within the card count holds no card";
        if (held.rank != parsed->rank) return who + "rank index beside a card is wrong";
        if (OrderKey(*parsed) <= lastKey) return who + "hand is not in hand order";
        lastKey = OrderKey(*parsed);
        ++seen[CardNumber(held.card)];
    }
    return std::nullopt;
}

std::optional<std::string> CheckTable(const GameState& game, std::array<int, kDeckSize + 1>& seen, int& onTable) {
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        int lowest = 0;
        int highest = 0;
        for (int rank = 1; rank <= kRankCount; ++rank) {
            const TStr2 card = game.Table[suit][rank];
            if (card.IsEmpty()) continue;
            if (card != MakeCard(suit, rank)) return "table place holds a card of another suit or rank";
            ++seen[CardNumber(card)];
            ++onTable;
            if (lowest == 0) lowest = rank;
            highest = rank;
        }
        if (lowest == 0) continue;
        if (lowest > kNine || highest < kNine) return "a row on the table lacks its nine";
        for (int rank = lowest; rank <= highest; ++rank) {
            if (game.Table[suit][rank].IsEmpty()) return "a row on the table is broken";
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> CheckInvariants(const GameState& game) {
    const int scoreSum = std::accumulate(game.Score.begin() + 1, game.Score.end(), 0);
    // During a hand the stakes and passes lie in the bank.
    if (scoreSum + game.Bank != 0) return "scores and bank do not add up to 0";
    if (game.Phase != kPhaseDealt && game.Phase != kPhasePlaying) return std::nullopt;

    std::array<int, kDeckSize + 1> seen{};
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (auto broken = CheckHand(game, seat, seen)) return broken;
    }
    int onTable = 0;
    if (auto broken = CheckTable(game, seen, onTable)) return broken;
    int held = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) held += game.CardCount[seat];
    if (held + onTable != kDeckSize) return "card counts and table do not make 36";
    for (int number = 1; number <= kDeckSize; ++number) {
        if (seen[number] != 1) return "a card is missing or occurs twice";
    }
    if (game.MoveNumber != onTable + 1) return "move number does not follow the cards played";

    int paid = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat) paid += game.HandPaid[seat] + game.HandPenalty[seat];
    if (paid != -game.Bank) return "hand payments do not add up to minus the bank";

    if (game.ToMove < 1 || game.ToMove > kHandSettled) return "seat to move out of range";
    bool someoneOut = false;
    for (int seat = 1; seat <= kSeatCount; ++seat) someoneOut = someoneOut || game.CardCount[seat] == 0;
    if (game.ToMove >= kHandEnded && !someoneOut) return "hand ended while every seat holds cards";
    return std::nullopt;
}

}  // namespace quarn
