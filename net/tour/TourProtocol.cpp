#include "net/tour/TourProtocol.h"

#include "net/lan/LanProtocol.h"

#include <cstdio>
#include <utility>

namespace quarn::tour {

bool IsRole(int role) {
    return role >= 1 && role <= kRoleCount;
}

std::string Frame(std::string_view payload, int role) {
    std::string frame(payload.substr(0, kFrameLength - 1));
    frame.resize(kFrameLength - 1, kFrameFill);
    frame += static_cast<char>('0' + role % 10);
    return frame;
}

std::string ConnectPayload(int role, std::string_view token) {
    const std::size_t spare = kFrameLength - 1 - kConnect.size() - 1;
    return std::string(kConnect) + static_cast<char>('0' + role % 10) +
           std::string(token.substr(0, spare));
}

std::string MovePayload(int slot, TStr2 card) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", slot % 100);
    return std::string(kMove) + digits + (card.IsEmpty() ? std::string() : card.Bytes());
}

std::string ScoresPayload(const RoleScores &scores) {
    std::string payload(kScores);
    for (int role = 1; role <= kRoleCount; ++role) {
        char field[16];
        std::snprintf(field, sizeof field, "%5d", static_cast<int>(scores[role]));
        payload += field;
    }
    return payload;
}

std::string ChatPayload(std::string_view text) {
    return std::string(kChat) + std::string(text.substr(0, lan::kChatTextMax));
}

// The seats of the roles are the local network's: the leader takes the
// host's place (role 1 sits where the host sits), and the other roles the
// clients' places, turned as each client turns the host's table.
int LocalSeat(int ownRole, int role) {
    if (!IsRole(ownRole) || !IsRole(role))
        return 0;
    return lan::ClientSeat(lan::HostSeatOfRole(role), ownRole);
}

int RoleAtSeat(int ownRole, int seat) {
    for (int role = 1; role <= kRoleCount; ++role)
        if (LocalSeat(ownRole, role) == seat && seat != 0)
            return role;
    return 0;
}

int LeaderSeat(int ownRole) {
    return LocalSeat(ownRole, kLeaderRole);
}

int DeckBlockOfRole(int role) {
    return IsRole(role) ? kRoleCount + 1 - role : 0;
}

Deck LocalDeck(const Deck &serverDeck, int ownRole) {
    Deck local{};
    if (!IsRole(ownRole))
        return local; // incomplete: the rules refuse to deal it
    for (int role = 1; role <= kRoleCount; ++role) {
        const int from = (DeckBlockOfRole(role) - 1) * kCardsPerSeat;
        const int to = (LocalSeat(ownRole, role) - 1) * kCardsPerSeat;
        for (int i = 1; i <= kCardsPerSeat; ++i)
            local[to + i] = serverDeck[from + i];
    }
    return local;
}

bool FillUnknownCards(Deck &deck) {
    std::array<bool, kDeckSize + 1> shown{};
    for (int i = 1; i <= kDeckSize; ++i) {
        if (deck[i].card == kUnknownCard)
            continue;
        const int number = CardNumber(deck[i].card);
        if (number == 0 || shown[number])
            return false;
        shown[number] = true;
    }
    Deck filled = deck;
    int next = 1;
    for (int i = 1; i <= kDeckSize; ++i) {
        if (filled[i].card != kUnknownCard)
            continue;
        while (shown[next])
            ++next;
        const TStr2 card = CardFromNumber(next++);
        filled[i] = {card, static_cast<std::uint8_t>(ParseCard(card)->rank)};
    }
    if (!IsCompleteDeck(filled))
        return false;
    deck = filled;
    return true;
}

bool TakeIntoHiddenHand(GameState &game, int seat, TStr2 card) {
    if (seat < 1 || seat > kSeatCount || seat == kPlayerSeat || game.CardCount[seat] == 0)
        return false;
    if (SlotOf(game.Hands[seat], card, game.CardCount[seat]) != 0)
        return true;
    for (int other = 1; other <= kSeatCount; ++other) {
        if (other == seat || other == kPlayerSeat)
            continue;
        const int at = SlotOf(game.Hands[other], card, game.CardCount[other]);
        if (at == 0)
            continue;
        std::swap(game.Hands[seat][1], game.Hands[other][at]);
        SortHand(game.Hands[seat]);
        SortHand(game.Hands[other]);
        return true;
    }
    return false;
}

RoleScores ScoresByRole(const std::array<std::int32_t, kSeatCount + 1> &seatScores, int ownRole) {
    RoleScores scores{};
    for (int role = 1; role <= kRoleCount; ++role)
        scores[role] = seatScores[LocalSeat(ownRole, role)];
    return scores;
}

} // namespace quarn::tour
