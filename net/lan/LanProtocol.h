#pragma once
// The bytes of a network game on the local network: the joining messages,
// the deal, the four game messages, chat and the abort notice, and the turn
// of the table that every client applies to seats, names and the deal.
// Plain C++: no sockets here.
//
// Every message is single-byte text without framing or terminators: card
// codes as their two code page 1251 bytes, digits and letters as ASCII.
//
//   hello        "wem" "46" "25" "connect1" name                 19 bytes
//   assignment   "connect2+" role names(4 x 4)                   26 bytes
//   update       "connect3+" or "connect4+" names                25 bytes
//   deal         "b" 36 card codes, then their 36 rank digits   109 bytes
//   begin        "hbegin1"                                        7 bytes
//   move         "hhod" slot(2 digits) origin role                7 bytes
//   pass         "hpass0" origin role                             7 bytes
//   settlement   "hitogs1"                                        7 bytes
//   chat         "s" sender role, text (blank-padded)          17 bytes
//   abort        "abort"                                          5 bytes
//
// The four names of the assignment and the updates stand in the order of the
// host's seats 4, 2, 1, 3.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/Deck.h"

namespace quarn::lan {

inline constexpr std::string_view kGameCode = "46";
inline constexpr std::string_view kProtocolNumber = "25";
inline constexpr std::string_view kHelloHead = "wem4625connect1";
inline constexpr std::string_view kComputerName = "PC  ";
inline constexpr std::string_view kBegin = "hbegin1";
inline constexpr std::string_view kSettlement = "hitogs1";
inline constexpr std::string_view kAbort = "abort";

inline constexpr int kNameLength = 4;
inline constexpr int kGameMessageLength = 7;
inline constexpr int kHelloLength = 19;
inline constexpr int kAssignmentLength = 26;
inline constexpr int kUpdateLength = 25;
inline constexpr int kDealLength = 1 + 2 * kDeckSize + kDeckSize; // 109

inline constexpr int kMaxClients = 3;
inline constexpr int kFirstClientRole = 2;
inline constexpr int kLastClientRole = 4;
inline constexpr std::uint16_t kDefaultPort = 25666;
inline constexpr std::string_view kDefaultAddress = "127.0.0.1";

// The longest chat text the chat line takes.
inline constexpr int kChatTextMax = 15;

// Wire names (four code page 1251 bytes each) by host seat 1..4, index 0 unused.
using WireNames = std::array<std::string, 5>;

// ---- Names -----------------------------------------------------------------

// A player's network name on the wire: the first four characters of the
// UTF-8 name in code page 1251, blank-padded to four bytes. A character the
// code page cannot write becomes '?'.
std::string WireName(std::string_view utf8Name);
// The UTF-8 text of a wire name as received.
std::string NameFromWire(std::string_view wireName);
// Code page 1251 bytes of a UTF-8 text with '?' for what it cannot write
// (chat lines).
std::string ToWireText(std::string_view utf8);

// ---- Seats -----------------------------------------------------------------

// The host seat a role plays: the host 4, the first client 2, the second 1,
// the third 3. 0 for a role outside 1..4.
int HostSeatOfRole(int role);
// The role that plays a host seat, the inverse of HostSeatOfRole.
int RoleOfHostSeat(int hostSeat);
// Host seat s as the client of `role` sees it: ((s - 1 + k) mod 4) + 1 with
// k = 2, 3, 1 for roles 2, 3, 4; the host (role 1) sees its own seats. Seats
// outside 1..4 (ToMove 5 and 6) are kept as they are.
int ClientSeat(int hostSeat, int role);
// The inverse: the host seat of a client's seat.
int HostSeat(int clientSeat, int role);
// Whether the host's computer plays the host seat while clientsLess1 + 1
// clients are joined: seat 1 with one client, seat 3 with one or two; never
// seat 2 or the host's own seat 4.
bool ComputerHoldsSeat(int clientsLess1, int hostSeat);
// The host's deck turned for the client of `role`: the nine-card block of
// host seat s becomes the block of the client's seat ClientSeat(s, role).
Deck TurnDeck(const Deck &hostDeck, int role);

// ---- Messages --------------------------------------------------------------

std::string HelloMessage(std::string_view wireName);
// names by host seat; role 2..4.
std::string AssignmentMessage(int role, const WireNames &names);
// After the second client (clients 2) "connect3+", after the third "connect4+".
std::string UpdateMessage(int clients, const WireNames &names);
std::string DealMessage(const Deck &deck);
std::string MoveMessage(int slot, int originRole);
std::string PassMessage(int originRole);
// text: code page 1251 bytes, cut to the chat line's 15 characters and
// padded with blanks to them, so a reader knows where the line ends even
// when messages follow it in the same read.
std::string ChatMessage(int senderRole, std::string_view text);

} // namespace quarn::lan
