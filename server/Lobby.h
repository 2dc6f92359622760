#pragma once
// The ten tables of four seats of the online tournament, as the tournament
// web service shows them and the game server plays them.
//
// Seat rules: seat k may be taken only while seats 1 to k - 1 are taken; a
// nick sits at one seat at most; two seats of one table never share an outside
// address (loopback addresses excepted, so one machine can test a table).
// While a table's game is on, its seats cannot be changed. Who may change a
// seat (the session of its account, a participant of the table) is the
// tournament service's check.
#include <QByteArray>
#include <QHostAddress>
#include <QString>

#include <array>
#include <functional>
#include <optional>

namespace server {

constexpr int kTableCount = 10;
constexpr int kSeatCount = 4;

struct Participant {
    QString nick;
    qint64 score = 0;
    qint64 kon = 0;
    qint64 rating = 0;
    QString country;
    QString city;
    QString sex;
    QString ip;             // as the program reported it
    QHostAddress address;   // as the server saw the request
    qint64 takenMs = 0;     // when the seat was taken
    QByteArray token;       // the seat's game-server token, issued to its taker only
    bool connected = false; // its program is connected to the game server
};

enum class SeatResult { Taken, Freed, Refused };

class Lobby {
  public:
    static bool validTable(int table) { return table >= 1 && table <= kTableCount; }
    static bool validSeat(int seat) { return seat >= 1 && seat <= kSeatCount; }

    SeatResult take(int table, int seat, const Participant &participant);
    // Frees a seat and the seats after it (seat k needs seat k - 1); refused
    // while the table's game is on.
    SeatResult free(int table, int seat);
    // The same whatever the table's state: the server's own freeing (a
    // participant gone before the deal, a table reset).
    void freeFrom(int table, int seat);
    void reset(int table);
    void setInPlay(int table, bool inPlay);
    // Told of every held seat that becomes free (given up, freed behind
    // another, expired, reset), once the freeing is complete.
    void setSeatFreedListener(std::function<void(int table, int seat)> listener) {
        seatFreed_ = std::move(listener);
    }

    const std::optional<Participant> &seat(int table, int seat) const;
    bool inPlay(int table) const;
    int freeSeats(int table) const;
    // The nicks at a table by seat, empty where free.
    std::array<QString, kSeatCount> nicks(int table) const;
    // The seat the nick holds at the table, 0 when it holds none there.
    int seatOf(int table, const QString &nick) const;

    // A seat is held for its taker's game-server connection: marked when the
    // role connects, unmarked when it goes away before the deal.
    void setConnected(int table, int seat, bool connected);
    // Frees every seat (and the seats after it) that has waited longer than
    // maxWaitMs for its connection: its program went away without giving it
    // up, and the seats after it could not be taken otherwise. Returns how
    // many seats were freed.
    int expireUnconnected(qint64 nowMs, qint64 maxWaitMs);

  private:
    struct Table {
        std::array<std::optional<Participant>, kSeatCount> seats;
        bool inPlay = false;
    };
    bool seated(const QString &nick) const;
    // Frees the seats from `seat` on and tells the listener of those held.
    void freeSeatsFrom(int table, int seat);
    std::array<Table, kTableCount> tables_;
    std::function<void(int table, int seat)> seatFreed_;
};

} // namespace server
