#pragma once
// The bytes between the program and the tournament's game server, and the
// seats of the four roles. Plain C++: no sockets here.
//
// Every message is a frame of exactly 50 single-byte characters: the
// payload, "#" up to the 49th character, and the sender's role digit as the
// 50th. The one exception is the server's deal, which has the layout of the
// local network deal ("b", 36 card codes, their 36 rank digits; 109 bytes).
//
// The program sends "connect" + role + seat token, "hbegin", "hhod" + slot + card, "hpass0",
// "hitogs", "o" + four scores, "s" + text, "TOut" and "disA". The server
// passes a participant's game, chat and "TOut" frames on to the other three
// and adds the deal, "e" (the table's game is over) and "a" (a participant
// left; its role is the sixth character).
//
// The deal gives each program only its own nine cards and the nine of
// diamonds (it opens the hand, so all see who starts); every other card is
// kUnknownCard with the rank digit "0". A move the server passes on carries
// the card of its slot, so the others can show it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "rules/Deck.h"
#include "rules/GameState.h"

namespace quarn::tour {

inline constexpr int kFrameLength = 50;
inline constexpr int kRoleCount = 4;
inline constexpr int kLeaderRole = 1;
inline constexpr int kTableCount = 10;
inline constexpr char kFrameFill = '#';
// A card of another program's hand in the deal.
inline constexpr TStr2 kUnknownCard{'?', '?'};

// Payloads of the program's messages.
inline constexpr std::string_view kConnect = "connect";
inline constexpr std::string_view kBegin = "hbegin";
inline constexpr std::string_view kMove = "hhod";
inline constexpr std::string_view kPass = "hpass0";
inline constexpr std::string_view kSettle = "hitogs";
inline constexpr std::string_view kScores = "o";
inline constexpr std::string_view kChat = "s";
inline constexpr std::string_view kTimeOut = "TOut";
inline constexpr std::string_view kLeaveSeat = "disA";

// Scores by role 1..4 (index 0 unused).
using RoleScores = std::array<std::int32_t, kRoleCount + 1>;

bool IsRole(int role);

// ---- Framing ---------------------------------------------------------------

// The payload padded with "#" to 49 characters and the role digit as the
// 50th. A payload of 50 characters or more is cut to 49 first.
std::string Frame(std::string_view payload, int role);

// ---- Payloads ----------------------------------------------------------------

// "connect", the role digit and the seat token the lobby issued for the seat
// (cut to the frame's 41 spare characters).
std::string ConnectPayload(int role, std::string_view token = {});
// slot 1..9, two digits with a leading zero, then the card's two bytes.
std::string MovePayload(int slot, TStr2 card = kEmptyCard);
// "o" and the scores of roles 1..4, each right-aligned in five characters.
std::string ScoresPayload(const RoleScores &scores);
// text: code page 1251 bytes (at most the chat line's 15 characters).
std::string ChatPayload(std::string_view text);

// ---- Seats -------------------------------------------------------------------

// The local seat of the participant with `role` on the program of `ownRole`:
// every participant sits at its own seat 4; the order of play among the
// roles is 1, 3, 2, 4. 0 when either role is outside 1..4.
int LocalSeat(int ownRole, int role);
// The role at a local seat, the inverse of LocalSeat; 0 outside 1..4.
int RoleAtSeat(int ownRole, int seat);
// The local seat of the leader (role 1), who starts and settles the hand.
int LeaderSeat(int ownRole);
// The deck block (1..4, nine cards each) the server deals to a role: 5 - role.
int DeckBlockOfRole(int role);
// The server's deck laid out for the program of ownRole: the block of each
// role goes to that role's local seat, so the rules' block deal gives every
// seat its own cards.
Deck LocalDeck(const Deck &serverDeck, int ownRole);
// The deck of a masked deal made whole: every kUnknownCard becomes one of
// the cards nobody was shown, in card order. These stand-ins are never shown
// (their seats' hands are unknown). False, and the deck unchanged, when the
// known cards are not distinct or not a whole deck with the stand-ins.
bool FillUnknownCards(Deck &deck);
// A masked hand's card has been played: the seat's stand-ins are made to hold
// it, swapping it with a stand-in of the seat from another hidden hand (never
// the own seat 4). False when no hidden hand holds it (it is the own or on
// the table): the move does not fit this table.
bool TakeIntoHiddenHand(GameState &game, int seat, TStr2 card);
// The scores by role from the local seats' scores (index 1..4) of ownRole.
RoleScores ScoresByRole(const std::array<std::int32_t, kSeatCount + 1> &seatScores, int ownRole);

} // namespace quarn::tour
