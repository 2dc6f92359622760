#include "net/tour/SeatRules.h"

namespace quarn::tour {
namespace {

constexpr std::size_t kFirstSmallerFont = 39;
constexpr std::size_t kSecondSmallerFont = 54;

std::size_t Utf8Length(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++n;
    return n;
}

} // namespace

SeatButton SeatButtonOf(const TWemTable_4 &record, int table, int seat, HeldSeat held,
                        bool serverOn) {
    if (!serverOn || seat < 1 || seat > kRoleCount)
        return {SeatLook::ServerOff, false};
    if (held.table == table && held.seat == seat)
        return seat == kRoleCount ? SeatButton{SeatLook::OwnSeat4, false}
                                  : SeatButton{SeatLook::OwnLogOff, true};
    const TWemClient &who = record.Seat[std::size_t(seat)];
    if (!who.IsFree())
        return {SeatLook::Other, false};
    const bool previousHeld = seat == 1 || !record.Seat[std::size_t(seat - 1)].IsFree();
    return {previousHeld ? SeatLook::TakePlace : SeatLook::Free, previousHeld && !held.Holds()};
}

bool HeldSeatWasReset(const TableList &tables, HeldSeat held, std::string_view ownNick) {
    if (!held.Holds() || held.table < 1 || held.table > kTableCount || held.seat < 1 ||
        held.seat > kRoleCount)
        return false;
    const TWemTable_4 &table = tables[std::size_t(held.table)];
    const TWemClient &own = table.Seat[std::size_t(held.seat)];
    return table.Seat[1].IsFree() || own.IsFree() || own.Nick != ownNick;
}

bool LobbyButtonsEnabled(HeldSeat held, bool serverOn) {
    return !(held.Holds() && serverOn);
}

std::vector<int> SeatsFreedAfterGivingUp(int seat) {
    if (seat == 1)
        return {2, 3};
    if (seat == 2)
        return {3};
    return {};
}

std::vector<int> SeatsFreedAfterError(int seat) {
    std::vector<int> seats;
    for (int s = seat; s >= 1 && s <= kRoleCount; ++s)
        seats.push_back(s);
    return seats;
}

bool IsLoopbackAddress(std::string_view address) {
    return address.substr(0, 4) == "127." || address == "::1" || address == "localhost";
}

bool SameAddressAtTable(const std::vector<TWemClient> &earlierSeats, std::string_view ownIp) {
    for (const TWemClient &who : earlierSeats)
        if (!who.IsFree() && who.IP == ownIp)
            return true;
    return false;
}

int MessageFontStep(std::string_view message) {
    const std::size_t n = Utf8Length(message);
    return n > kSecondSmallerFont ? 2 : n > kFirstSmallerFont ? 1 : 0;
}

} // namespace quarn::tour
