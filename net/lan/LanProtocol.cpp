#include "net/lan/LanProtocol.h"

#include "rules/Match.h"
#include "store/Cp1251.h"

namespace quarn::lan {
namespace {

// Turn of the table by role: k = 2, 3, 1 for roles 2, 3, 4 (0 for the host).
int TurnOf(int role) {
    switch (role) {
    case 2:
        return 2;
    case 3:
        return 3;
    case 4:
        return 1;
    default:
        return 0;
    }
}

bool IsSeat(int seat) {
    return seat >= 1 && seat <= kSeatCount;
}

char Digit(int value) {
    return static_cast<char>('0' + value % 10);
}

// The names in wire order: host seats 4, 2, 1, 3.
std::string NamesInWireOrder(const WireNames &names) {
    std::string out;
    for (int seat : {4, 2, 1, 3}) {
        std::string name = names[seat].substr(0, kNameLength);
        name.resize(kNameLength, ' ');
        out += name;
    }
    return out;
}

} // namespace

std::string ToWireText(std::string_view utf8) {
    return utf8ToCp1251Lossy(utf8);
}

std::string WireName(std::string_view utf8Name) {
    std::string name = ToWireText(PadName(utf8Name, kNameLength));
    name.resize(kNameLength, ' ');
    return name;
}

std::string NameFromWire(std::string_view wireName) {
    return cp1251ToUtf8(wireName);
}

int HostSeatOfRole(int role) {
    switch (role) {
    case 1:
        return 4;
    case 2:
        return 2;
    case 3:
        return 1;
    case 4:
        return 3;
    default:
        return 0;
    }
}

int RoleOfHostSeat(int hostSeat) {
    for (int role = 1; role <= 4; ++role) {
        if (HostSeatOfRole(role) == hostSeat)
            return role;
    }
    return 0;
}

int ClientSeat(int hostSeat, int role) {
    if (!IsSeat(hostSeat))
        return hostSeat;
    return (hostSeat - 1 + TurnOf(role)) % kSeatCount + 1;
}

int HostSeat(int clientSeat, int role) {
    if (!IsSeat(clientSeat))
        return clientSeat;
    return (clientSeat - 1 + kSeatCount - TurnOf(role)) % kSeatCount + 1;
}

bool ComputerHoldsSeat(int clientsLess1, int hostSeat) {
    switch (hostSeat) {
    case 1:
        return clientsLess1 == 0;
    case 3:
        return clientsLess1 <= 1;
    default:
        return false;
    }
}

Deck TurnDeck(const Deck &hostDeck, int role) {
    Deck turned = hostDeck;
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        const int to = ClientSeat(seat, role);
        for (int i = 1; i <= kCardsPerSeat; ++i) {
            turned[(to - 1) * kCardsPerSeat + i] = hostDeck[(seat - 1) * kCardsPerSeat + i];
        }
    }
    return turned;
}

std::string HelloMessage(std::string_view wireName) {
    std::string name{wireName.substr(0, kNameLength)};
    name.resize(kNameLength, ' ');
    return std::string(kHelloHead) + name;
}

std::string AssignmentMessage(int role, const WireNames &names) {
    return std::string("connect2+") + Digit(role) + NamesInWireOrder(names);
}

std::string UpdateMessage(int clients, const WireNames &names) {
    return std::string("connect") + Digit(clients + 1) + "+" + NamesInWireOrder(names);
}

std::string DealMessage(const Deck &deck) {
    std::string out = "b";
    for (int i = 1; i <= kDeckSize; ++i)
        out += deck[i].card.Bytes();
    for (int i = 1; i <= kDeckSize; ++i)
        out += Digit(deck[i].rank);
    return out;
}

std::string MoveMessage(int slot, int originRole) {
    return std::string("hhod") + Digit(slot / 10) + Digit(slot) + Digit(originRole);
}

std::string PassMessage(int originRole) {
    return std::string("hpass0") + Digit(originRole);
}

std::string ChatMessage(int senderRole, std::string_view text) {
    std::string line =
        std::string("s") + Digit(senderRole) + std::string(text.substr(0, kChatTextMax));
    line.resize(2 + kChatTextMax, ' ');
    return line;
}

} // namespace quarn::lan
