#include "server/GameServer.h"

#include "server/Lobby.h"

#include <algorithm>

namespace server {
namespace {

constexpr const char *kBuffer = "wemFrameBuffer";
// Set on a connection being closed for unread data: nothing more is written.
constexpr const char *kClosing = "wemClosing";

} // namespace

GameServer::GameServer(Lobby &lobby, ScoreSink scores, TableRelay::DeckSource deck, QObject *parent)
    : QObject(parent), lobby_(lobby), scores_(std::move(scores)), deck_(std::move(deck)) {
    lobby_.setSeatFreedListener([this](int table, int seat) { seatFreed(table, seat); });
}

void GameServer::setLimits(Limits limits, LogLine log) {
    limits_ = limits;
    log_ = std::move(log);
}

bool GameServer::admitUnannounced(QTcpSocket *socket) {
    const QHostAddress caller = socket->peerAddress();
    int fromCaller = 0;
    for (auto it = unannounced_.begin(); it != unannounced_.end();) {
        if (!it->first) {
            it = unannounced_.erase(it);
            continue;
        }
        if (it->second == caller)
            ++fromCaller;
        ++it;
    }
    const QByteArray who = caller.toString().toLatin1();
    if (fromCaller >= limits_.perAddress) {
        if (log_)
            log_("game server refused a connection from " + who + ": " +
                 QByteArray::number(fromCaller) + " connections of that address not announced");
        return false;
    }
    if (unannounced_.size() >= limits_.total) {
        const auto oldest = unannounced_.takeFirst();
        if (log_)
            log_("game server closed an unannounced connection of " +
                 oldest.second.toString().toLatin1() + ": " + QByteArray::number(limits_.total) +
                 " connections waiting to announce");
        oldest.first->abort();
    }
    unannounced_.append({QPointer<QTcpSocket>(socket), caller});
    return true;
}

void GameServer::markAnnounced(QTcpSocket *socket) {
    for (qsizetype i = 0; i < unannounced_.size(); ++i)
        if (unannounced_[i].first == socket) {
            unannounced_.removeAt(i);
            return;
        }
}

GameServer::~GameServer() {
    lobby_.setSeatFreedListener({});
    close();
}

bool GameServer::listen(const QHostAddress &address, quint16 base, QString *error) {
    for (int t = 1; t <= kTableCount; ++t) {
        Table &table = tables_[size_t(t - 1)];
        table.relay = std::make_unique<TableRelay>(deck_);
        table.clock = std::make_unique<QTimer>();
        table.clock->setSingleShot(true);
        connect(table.clock.get(), &QTimer::timeout, this,
                [this, t] { apply(t, tables_[size_t(t - 1)].relay->clockRanOut()); });
        table.listener = std::make_unique<QTcpServer>();
        if (!table.listener->listen(address, quint16(base + t))) {
            if (error)
                *error = QStringLiteral("game server table %1, port %2: %3")
                             .arg(t)
                             .arg(base + t)
                             .arg(table.listener->errorString());
            close();
            return false;
        }
        connect(table.listener.get(), &QTcpServer::newConnection, this, [this, t] { accept(t); });
    }
    return true;
}

void GameServer::close() {
    for (Table &table : tables_) {
        for (auto &socket : table.roles)
            if (socket)
                socket->abort();
        if (table.clock)
            table.clock->stop();
        if (table.listener)
            table.listener->close();
        table.listener.reset();
    }
}

bool GameServer::isListening() const {
    return tables_[0].listener && tables_[0].listener->isListening();
}

int GameServer::roleOf(int table, QTcpSocket *socket) const {
    const Table &t = tables_[size_t(table - 1)];
    for (int r = 0; r < 4; ++r)
        if (t.roles[size_t(r)] == socket)
            return r + 1;
    return 0;
}

void GameServer::accept(int table) {
    QTcpServer *listener = tables_[size_t(table - 1)].listener.get();
    while (QTcpSocket *socket = listener->nextPendingConnection()) {
        socket->setParent(this);
        if (!admitUnannounced(socket)) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        connect(socket, &QTcpSocket::readyRead, this,
                [this, table, socket] { readFrom(table, socket); });
        connect(socket, &QTcpSocket::disconnected, this,
                [this, table, socket] { dropped(table, socket); });
        QPointer<QTcpSocket> guard(socket);
        QTimer::singleShot(kAnnounceMs, this, [this, table, guard] {
            if (guard && roleOf(table, guard) == 0)
                guard->abort();
        });
    }
}

void GameServer::readFrom(int table, QTcpSocket *socket) {
    QByteArray buffer = socket->property(kBuffer).toByteArray() + socket->readAll();
    Table &t = tables_[size_t(table - 1)];
    qsizetype used = 0;
    while (buffer.size() - used >= TableRelay::kFrameSize) {
        const QByteArray frame = buffer.mid(used, TableRelay::kFrameSize);
        used += TableRelay::kFrameSize;
        const int role = roleOf(table, socket);
        if (role == 0) {
            // Only the holder of a taken lobby seat, proven by its token: nobody
            // plays for a free seat or for somebody else's.
            if (!admitsRole(table, frame)) {
                socket->abort(); // not a participant of ours
                return;
            }
            const int announced = *TableRelay::connectRole(frame);
            dropStaleRoles(table);
            const TableRelay::Effects effects = t.relay->join(announced);
            if (effects.refused) {
                socket->abort();
                return;
            }
            const Participant &holder = *lobby_.seat(table, announced);
            t.roles[size_t(announced - 1)] = socket;
            t.nicks[size_t(announced - 1)] = holder.nick;
            t.tokens[size_t(announced - 1)] = holder.token;
            markAnnounced(socket);
            lobby_.setConnected(table, announced, true);
            apply(table, effects);
            continue;
        }
        apply(table, t.relay->frame(role, frame));
        if (roleOf(table, socket) == 0)
            return; // the game ended and the table was cleared
    }
    socket->setProperty(kBuffer, buffer.mid(used));
}

bool GameServer::admitsRole(int table, const QByteArray &frame) const {
    const auto role = TableRelay::connectRole(frame);
    if (!role)
        return false;
    const auto &seat = lobby_.seat(table, *role);
    const QByteArray token = TableRelay::connectToken(frame);
    if (!seat || seat->token.isEmpty() || token.size() != seat->token.size())
        return false;
    // Compared in full whatever the first difference, so timing tells nothing.
    char differs = 0;
    for (qsizetype i = 0; i < token.size(); ++i)
        differs |= char(token[i] ^ seat->token[i]);
    return differs == 0;
}

void GameServer::dropStaleRoles(int table) {
    Table &t = tables_[size_t(table - 1)];
    if (t.relay->playing())
        return;
    for (int role = 1; role <= kSeatCount; ++role) {
        QPointer<QTcpSocket> old = t.roles[size_t(role - 1)];
        const auto &seat = lobby_.seat(table, role);
        if (!old || (seat && t.nicks[size_t(role - 1)] == seat->nick &&
                     t.tokens[size_t(role - 1)] == seat->token))
            continue;
        // The seat was given up (and perhaps taken again) since that program
        // connected: its connection no longer stands for the seat.
        // Its leaving must not free the seat for the holder it no longer stands for.
        t.roles[size_t(role - 1)] = nullptr;
        t.nicks[size_t(role - 1)].clear();
        apply(table, t.relay->leave(role));
        if (old)
            old->abort();
    }
}

void GameServer::seatFreed(int table, int role) {
    Table &t = tables_[size_t(table - 1)];
    QPointer<QTcpSocket> socket = t.roles[size_t(role - 1)];
    if (!socket || !t.relay || t.relay->playing())
        return;
    t.roles[size_t(role - 1)] = nullptr;
    apply(table, t.relay->leave(role));
    if (socket)
        socket->abort();
}

void GameServer::dropped(int table, QTcpSocket *socket) {
    const int role = roleOf(table, socket);
    socket->deleteLater();
    if (role == 0)
        return;
    Table &t = tables_[size_t(table - 1)];
    t.roles[size_t(role - 1)] = nullptr;
    apply(table, t.relay->leave(role));
}

void GameServer::apply(int table, const TableRelay::Effects &effects) {
    Table &t = tables_[size_t(table - 1)];
    logNotes(table, effects);
    for (const TableRelay::Output &out : effects.sends)
        if (QTcpSocket *socket = t.roles[size_t(out.role - 1)])
            writeTo(socket, out.bytes);
    if (effects.dealt)
        lobby_.setInPlay(table, true);
    // A participant gone before the deal frees its seat and the seats after it,
    // unless its seat was given up and taken by somebody else meanwhile.
    if (const auto role = effects.leftBeforeDeal;
        role && lobby_.seatOf(table, t.nicks[size_t(*role - 1)]) == *role)
        lobby_.freeFrom(table, *role);
    if (effects.scores && scores_)
        scores_(lobby_.nicks(table), *effects.scores);
    if (effects.over) {
        auto sockets = t.roles;
        t.roles = {};
        lobby_.reset(table);
        for (auto &socket : sockets)
            if (socket)
                closeGently(socket);
    }
    armClock(table);
}

void GameServer::writeTo(QTcpSocket *socket, const QByteArray &bytes) {
    if (socket->property(kClosing).toBool())
        return;
    socket->write(bytes);
    if (socket->bytesToWrite() <= limits_.unsentBytes)
        return;
    socket->setProperty(kClosing, true);
    if (log_)
        log_("game server closed a connection of " + socket->peerAddress().toString().toLatin1() +
             ": more than " + QByteArray::number(limits_.unsentBytes) + " bytes unread");
    // Its loss is handled as a participant leaving, once these effects are applied.
    QMetaObject::invokeMethod(socket, &QTcpSocket::abort, Qt::QueuedConnection);
}

void GameServer::closeGently(QTcpSocket *socket) {
    socket->disconnectFromHost(); // after what was written has gone out
    if (socket->state() != QAbstractSocket::UnconnectedState)
        QTimer::singleShot(kCloseGraceMs, socket, &QTcpSocket::abort);
}

void GameServer::logNotes(int table, const TableRelay::Effects &effects) {
    Table &t = tables_[size_t(table - 1)];
    if (effects.dealt)
        t.notesLogged = 0;
    if (!log_)
        return;
    const QByteArray prefix = "game server table " + QByteArray::number(table) + ": ";
    for (const QByteArray &note : effects.notes) {
        // How a game ended (scores that disagree, a time-out) is always told.
        if (effects.over || t.notesLogged < kNotesPerGame)
            log_(prefix + note);
        else if (t.notesLogged == kNotesPerGame)
            log_(prefix + "more frames dropped; not logged until the next game");
        if (t.notesLogged <= kNotesPerGame)
            ++t.notesLogged;
    }
}

void GameServer::armClock(int table) {
    Table &t = tables_[size_t(table - 1)];
    if (!t.relay->playing()) {
        t.clock->stop();
        return;
    }
    if (t.relay->turn() != t.clockTurn) {
        t.clockTurn = t.relay->turn();
        t.clock->start(t.relay->awaitingSettlement() ? std::min(kSettlementWaitMs, moveDeadlineMs_)
                                                     : moveDeadlineMs_);
    }
}

} // namespace server
