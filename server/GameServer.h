#pragma once
// The game server of the online tournament: one listening socket per table
// on base port + table, each running a TableRelay over its connections, with
// the table's clock for the action its game waits for.
#include "server/TableRelay.h"

#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <array>
#include <functional>
#include <memory>

namespace server {

class Lobby;

class GameServer : public QObject {
    Q_OBJECT
  public:
    // Called with the nicks of the four roles and the server's settlement by role.
    using ScoreSink =
        std::function<void(const std::array<QString, 4> &, const std::array<qint64, 4> &)>;

    // Connections that have not announced their role yet: at most this many
    // per caller address (more are refused) and in all (beyond it the oldest
    // of them is closed, as a program announces itself at once).
    // A connection whose unsent data passes unsentBytes (a reader that never
    // reads) is closed.
    struct Limits {
        int perAddress = 8;
        int total = 200;
        qint64 unsentBytes = 64 * 1024;
    };
    using LogLine = std::function<void(const QByteArray &)>;

    GameServer(Lobby &lobby, ScoreSink scores,
               TableRelay::DeckSource deck = TableRelay::shuffledDeck, QObject *parent = nullptr);
    void setLimits(Limits limits, LogLine log);
    // How long a table waits for the action its game waits for before the
    // awaited participant loses by time.
    void setMoveDeadline(int ms) { moveDeadlineMs_ = ms; }
    ~GameServer() override;

    // Listens on base + 1 to base + 10; false with a message when a port is taken.
    bool listen(const QHostAddress &address, quint16 base, QString *error);
    void close();
    bool isListening() const;

    // A connection that has not announced its role in this time is closed.
    static constexpr int kAnnounceMs = 60'000;
    // Lines of the log about dropped frames and ignored scores, per table and game.
    static constexpr int kNotesPerGame = 20;
    // A connection closed at the game's end that has not drained by then is aborted.
    static constexpr int kCloseGraceMs = 2'000;
    // How long the leader may take to send "hitogs" once the hand ended
    // (the server has settled already) before the server sends it itself.
    static constexpr int kSettlementWaitMs = 10'000;

  private:
    struct Table {
        std::unique_ptr<QTcpServer> listener;
        std::unique_ptr<TableRelay> relay;
        std::array<QPointer<QTcpSocket>, 4> roles;
        std::array<QString, 4> nicks;     // the lobby seat's nick when its role connected
        std::array<QByteArray, 4> tokens; // and the seat token it connected with
        std::unique_ptr<QTimer> clock;
        int clockTurn = 0;
        int notesLogged = 0; // in this game
    };

    void accept(int table);
    void readFrom(int table, QTcpSocket *socket);
    void dropped(int table, QTcpSocket *socket);
    // Before the deal: closes every role's connection whose lobby seat has
    // changed hands (another nick or another token) since it connected, so
    // the seat's new holder can connect and nobody is dealt for another.
    void dropStaleRoles(int table);
    // The frame announces a role whose lobby seat is taken, with that seat's token.
    bool admitsRole(int table, const QByteArray &frame) const;
    // The lobby freed the role's seat before the deal: its connection no
    // longer stands for a seat and is closed (its program sees the reset).
    void seatFreed(int table, int role);
    void apply(int table, const TableRelay::Effects &effects);
    // The relay's notes in the log, at most kNotesPerGame per table and game
    // (a participant cannot flood the log with dropped frames).
    void logNotes(int table, const TableRelay::Effects &effects);
    // Starts the table's clock anew when the game moved on, stops it when no game is on.
    void armClock(int table);
    int roleOf(int table, QTcpSocket *socket) const;
    // Counts a new connection among the unannounced ones; false when it is refused.
    bool admitUnannounced(QTcpSocket *socket);
    void markAnnounced(QTcpSocket *socket);
    // Writes to a role; a connection whose unsent data passes the limit is
    // closed (once the current effects are applied).
    void writeTo(QTcpSocket *socket, const QByteArray &bytes);
    // Closes after what was written has gone out, or aborts after kCloseGraceMs.
    static void closeGently(QTcpSocket *socket);

    Lobby &lobby_;
    ScoreSink scores_;
    TableRelay::DeckSource deck_;
    std::array<Table, 10> tables_;
    Limits limits_;
    LogLine log_;
    int moveDeadlineMs_ = 40'000;
    // Connections not announced yet, oldest first, with their callers.
    QList<QPair<QPointer<QTcpSocket>, QHostAddress>> unannounced_;
};

} // namespace server
