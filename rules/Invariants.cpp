#include "rules/Invariants.h"

#include <numeric>

namespace quarn {
namespace {

// Position of a suit in the hand order: hearts, clubs, diamonds, spades.
constexpr int kSuitOrder[kSuitCount + 1] = {0, 0, 2, 1, 3};

int OrderKey(const SuitRank &card) {
    return kSuitOrder[card.suit] * 16 + card.rank;
}

// Each check returns the broken rule, or nullptr; the text is built only
// when something is broken, since self-play checks after every move.
const char *CheckHand(const GameState &game, int seat, std::array<int, kDeckSize + 1> &seen) {
    const int count = game.CardCount[seat];
    if (count > kCardsPerSeat)
        return "holds more than 9 cards";
    int lastKey = -1;
    for (int slot = 1; slot <= kHandSlots; ++slot) {
        const HandSlot &held = game.Hands[seat][slot];
        if (slot > count) {
            if (held != HandSlot{})
                return "slot after the card count is not empty";
            continue;
        }
        const auto parsed = ParseCard(held.card);
        if (!parsed)
            return "slot within the card count holds no card";
        if (held.rank != parsed->rank)
            return "rank index beside a card is wrong";
        if (OrderKey(*parsed) <= lastKey)
            return "hand is not in hand order";
        lastKey = OrderKey(*parsed);
        ++seen[CardNumber(held.card)];
    }
    return nullptr;
}

const char *CheckTable(const GameState &game, std::array<int, kDeckSize + 1> &seen, int &onTable) {
    for (int suit = 1; suit <= kSuitCount; ++suit) {
        int lowest = 0;
        int highest = 0;
        for (int rank = 1; rank <= kRankCount; ++rank) {
            const TStr2 card = game.Table[suit][rank];
            if (card.IsEmpty())
                continue;
            if (card != MakeCard(suit, rank))
                return "table place holds a card of another suit or rank";
            ++seen[CardNumber(card)];
            ++onTable;
            if (lowest == 0)
                lowest = rank;
            highest = rank;
        }
        if (lowest == 0)
            continue;
        if (lowest > kNine || highest < kNine)
            return "a row on the table lacks its nine";
        for (int rank = lowest; rank <= highest; ++rank) {
            if (game.Table[suit][rank].IsEmpty())
                return "a row on the table is broken";
        }
    }
    return nullptr;
}

} // namespace

std::optional<std::string> CheckInvariants(const GameState &game) {
    const int scoreSum = std::accumulate(game.Score.begin() + 1, game.Score.end(), 0);
    // During a hand the stakes and passes lie in the bank.
    if (scoreSum + game.Bank != 0)
        return "scores and bank do not add up to 0";
    if (game.Phase != kPhaseDealt && game.Phase != kPhasePlaying)
        return std::nullopt;

    std::array<int, kDeckSize + 1> seen{};
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        if (const char *broken = CheckHand(game, seat, seen))
            return "seat " + std::to_string(seat) + ": " + broken;
    }
    int onTable = 0;
    if (const char *broken = CheckTable(game, seen, onTable))
        return std::string(broken);
    int held = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        held += game.CardCount[seat];
    if (held + onTable != kDeckSize)
        return "card counts and table do not make 36";
    for (int number = 1; number <= kDeckSize; ++number) {
        if (seen[number] != 1)
            return "a card is missing or occurs twice";
    }
    if (game.MoveNumber != onTable + 1)
        return "move number does not follow the cards played";

    int paid = 0;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        paid += game.HandPaid[seat] + game.HandPenalty[seat];
    if (paid != -game.Bank)
        return "hand payments do not add up to minus the bank";

    if (game.ToMove < 1 || game.ToMove > kHandSettled)
        return "seat to move out of range";
    bool someoneOut = false;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        someoneOut = someoneOut || game.CardCount[seat] == 0;
    if (game.ToMove >= kHandEnded && !someoneOut)
        return "hand ended while every seat holds cards";
    return std::nullopt;
}

} // namespace quarn
