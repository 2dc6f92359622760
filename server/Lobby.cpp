#include "server/Lobby.h"

namespace server {

SeatResult Lobby::take(int table, int seat, const Participant &participant) {
    if (!validTable(table) || !validSeat(seat))
        return SeatResult::Refused;
    Table &t = tables_[table - 1];
    if (t.inPlay || t.seats[seat - 1] || seated(participant.nick))
        return SeatResult::Refused;
    for (int before = 1; before < seat; ++before)
        if (!t.seats[before - 1])
            return SeatResult::Refused;
    if (!participant.address.isLoopback()) {
        for (const auto &other : t.seats)
            if (other &&
                other->address.isEqual(participant.address, QHostAddress::TolerantConversion))
                return SeatResult::Refused;
    }
    t.seats[seat - 1] = participant;
    return SeatResult::Taken;
}

SeatResult Lobby::free(int table, int seat) {
    if (!validTable(table) || !validSeat(seat))
        return SeatResult::Refused;
    if (tables_[table - 1].inPlay)
        return SeatResult::Refused;
    freeFrom(table, seat);
    return SeatResult::Freed;
}

void Lobby::freeFrom(int table, int seat) {
    if (validTable(table) && validSeat(seat))
        freeSeatsFrom(table, seat);
}

void Lobby::reset(int table) {
    if (!validTable(table))
        return;
    tables_[table - 1].inPlay = false;
    freeSeatsFrom(table, 1);
}

void Lobby::freeSeatsFrom(int table, int seat) {
    std::array<bool, kSeatCount> held{};
    for (int s = seat; s <= kSeatCount; ++s) {
        auto &taken = tables_[table - 1].seats[s - 1];
        held[s - 1] = taken.has_value();
        taken.reset();
    }
    if (!seatFreed_)
        return;
    for (int s = seat; s <= kSeatCount; ++s)
        if (held[s - 1])
            seatFreed_(table, s);
}

void Lobby::setInPlay(int table, bool inPlay) {
    if (validTable(table))
        tables_[table - 1].inPlay = inPlay;
}

const std::optional<Participant> &Lobby::seat(int table, int seat) const {
    static const std::optional<Participant> none;
    if (!validTable(table) || !validSeat(seat))
        return none;
    return tables_[table - 1].seats[seat - 1];
}

bool Lobby::inPlay(int table) const {
    return validTable(table) && tables_[table - 1].inPlay;
}

int Lobby::freeSeats(int table) const {
    if (!validTable(table))
        return 0;
    int count = 0;
    for (const auto &s : tables_[table - 1].seats)
        count += s ? 0 : 1;
    return count;
}

std::array<QString, kSeatCount> Lobby::nicks(int table) const {
    std::array<QString, kSeatCount> result;
    if (!validTable(table))
        return result;
    for (int s = 0; s < kSeatCount; ++s)
        if (const auto &p = tables_[table - 1].seats[s])
            result[s] = p->nick;
    return result;
}

int Lobby::seatOf(int table, const QString &nick) const {
    if (!validTable(table) || nick.isEmpty())
        return 0;
    for (int s = 1; s <= kSeatCount; ++s)
        if (const auto &p = tables_[table - 1].seats[s - 1]; p && p->nick == nick)
            return s;
    return 0;
}

void Lobby::setConnected(int table, int seat, bool connected) {
    if (!validTable(table) || !validSeat(seat))
        return;
    if (auto &p = tables_[table - 1].seats[seat - 1])
        p->connected = connected;
}

int Lobby::expireUnconnected(qint64 nowMs, qint64 maxWaitMs) {
    int freed = 0;
    for (int t = 1; t <= kTableCount; ++t) {
        Table &table = tables_[t - 1];
        if (table.inPlay)
            continue;
        for (int s = 1; s <= kSeatCount; ++s) {
            const auto &p = table.seats[s - 1];
            if (p && !p->connected && nowMs - p->takenMs > maxWaitMs) {
                for (int after = s; after <= kSeatCount; ++after)
                    freed += table.seats[after - 1] ? 1 : 0;
                freeFrom(t, s);
                break;
            }
        }
    }
    return freed;
}

bool Lobby::seated(const QString &nick) const {
    for (const Table &t : tables_)
        for (const auto &s : t.seats)
            if (s && s->nick == nick)
                return true;
    return false;
}

} // namespace server
