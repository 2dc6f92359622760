#pragma once
// The lobby's rules for the four seat buttons of a table, the lobby's own
// buttons, the seats freed with a seat given up and the same-address rule.
// Plain C++: the lobby window turns the looks into texts.

#include <string>
#include <string_view>
#include <vector>

#include "net/tour/TourRecords.h"

namespace quarn::tour {

// The table and seat the player holds; both 0 when none.
struct HeldSeat {
    int table = 0;
    int seat = 0;
    bool Holds() const { return table != 0 && seat != 0; }
    bool operator==(const HeldSeat &) const = default;
};

enum class SeatLook {
    Other,     // somebody else's: Nick + " : " + Score
    OwnLogOff, // the player's own seat 1..3: "Log off"
    OwnSeat4,  // the player's own seat 4: the nick and score
    TakePlace, // "Take the place of"
    Free,      // "Free"
    ServerOff, // "Server Off"
};

struct SeatButton {
    SeatLook look = SeatLook::ServerOff;
    bool enabled = false;
    bool operator==(const SeatButton &) const = default;
};

// The button of `seat` at `table` (its record as read) while the player
// holds `held`. serverOn: both lobby requests succeeded and the flag is 'Y'.
SeatButton SeatButtonOf(const TWemTable_4 &record, int table, int seat, HeldSeat held,
                        bool serverOn);

// Whether the player's table was reset: the player holds a seat, and seat 1
// of that table is free or the held seat is free or held by another nick
// (the server frees the seats behind one given up, expired or lost).
bool HeldSeatWasReset(const TableList &tables, HeldSeat held, std::string_view ownNick);

// "Refresh", "Close" and "Top 10" are enabled unless a seat is held while
// the server is on.
bool LobbyButtonsEnabled(HeldSeat held, bool serverOn);

// The seats freed (action 0) after the player gave up `seat`: seats 2 and 3
// after seat 1, seat 3 after seat 2.
std::vector<int> SeatsFreedAfterGivingUp(int seat);
// The seats freed after a game-server connection error, the own seat first:
// the own seat and every seat after it.
std::vector<int> SeatsFreedAfterError(int seat);

// Loopback addresses of the game server skip the same-address rule.
bool IsLoopbackAddress(std::string_view address);
// Whether one of the participants before the seat has the player's address.
bool SameAddressAtTable(const std::vector<TWemClient> &earlierSeats, std::string_view ownIp);

// The font step of the server message: 0 normal, 1 above 39 characters, 2
// above 54 (length in characters of the UTF-8 text).
int MessageFontStep(std::string_view message);

} // namespace quarn::tour
