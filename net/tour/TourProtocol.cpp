#include "net/tour/TourProtocol.h"

#include "net/lan/LanProtocol.h"

#include <cstdio>

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

std::string MovePayload(int slot) {
    char digits[8];
    std::snprintf(digits, sizeof digits, "%02d", slot % 100);
    return std::string(kMove) + digits;
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

RoleScores ScoresByRole(const std::array<std::int32_t, kSeatCount + 1> &seatScores, int ownRole) {
    RoleScores scores{};
    for (int role = 1; role <= kRoleCount; ++role)
        scores[role] = seatScores[LocalSeat(ownRole, role)];
    return scores;
}

} // namespace quarn::tour
