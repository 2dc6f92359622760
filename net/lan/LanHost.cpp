#include "net/lan/LanHost.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include "rules/Match.h"

namespace quarn::lan {
namespace {

// Connections beyond the three seats are kept open without an answer (a
// late client waits); past this many live ones new connections are refused.
constexpr std::size_t kMaxConnections = 16;

} // namespace

LanHost::LanHost(GameState &game, const Outside &outside, QObject *parent)
    : LanSession(game, outside, parent) {}

LanHost::~LanHost() {
    for (auto &peer : peers_) {
        if (peer->socket)
            peer->socket->disconnect(this);
    }
}

bool LanHost::StartHosting(quint16 port, const std::string &playerName) {
    closeAll();
    peers_.clear();
    if (!server_) {
        server_ = new QTcpServer(this);
        connect(server_, &QTcpServer::newConnection, this, &LanHost::acceptConnections);
    }
    if (!server_->listen(QHostAddress::Any, port))
        return false;
    game_.Network = true;
    game_.NetRole = kHostRole;
    game_.ClientsLess1 = -1;
    joiningState_ = kWaiting;
    closeListener_ = false;
    clientLostBeforeDeal_ = false;
    ownWireName_ = WireName(playerName);
    clientNames_ = {};
    fillSeatNames();
    return true;
}

quint16 LanHost::Port() const {
    return Listening() ? server_->serverPort() : 0;
}

bool LanHost::Listening() const {
    return server_ && server_->isListening();
}

void LanHost::acceptConnections() {
    // Connections that ended without joining are forgotten here, outside
    // their own signal handlers.
    std::erase_if(peers_, [](const auto &peer) { return peer->lost && peer->role == 0; });
    while (server_->hasPendingConnections()) {
        QTcpSocket *socket = server_->nextPendingConnection();
        const auto live =
            std::count_if(peers_.begin(), peers_.end(), [](const auto &p) { return !p->lost; });
        if (static_cast<std::size_t>(live) >= kMaxConnections) {
            socket->abort();
            socket->deleteLater();
            continue;
        }
        auto peer = std::make_unique<Peer>();
        peer->socket = socket;
        peer->reader = std::make_unique<LanReader>(LanSide::Host);
        Peer *p = peer.get();
        connect(socket, &QTcpSocket::readyRead, this, [this, p] { readPeer(p); });
        connect(socket, &QTcpSocket::disconnected, this, [this, p] { peerGone(p); });
        connect(socket, &QTcpSocket::errorOccurred, this, [this, p] { peerGone(p); });
        peers_.push_back(std::move(peer));
    }
}

void LanHost::readPeer(Peer *peer) {
    // A handler that waits in a local event loop (a modal box, a sound
    // played to its end) must not let a later read overtake this one: the
    // later bytes wait in their socket until this read is done.
    if (reading_)
        return;
    reading_ = true;
    Peer *next = peer;
    while (next) {
        const QByteArray bytes = next->socket ? next->socket->readAll() : QByteArray();
        const std::vector<LanMessage> messages =
            next->reader->Feed(std::string_view(bytes.constData(), std::size_t(bytes.size())));
        for (const LanMessage &message : messages) {
            if (next->lost)
                break;
            switch (message.kind) {
            case LanKind::Hello:
                handleHello(*next, message);
                break;
            case LanKind::Move:
            case LanKind::Pass:
                handleGameMessage(*next, message);
                break;
            case LanKind::Chat:
                handleChat(*next, message);
                break;
            default:
                break; // a client sends no deal, start, settlement or abort
            }
        }
        next = nullptr;
        for (auto &p : peers_) {
            if (!p->lost && p->socket && p->socket->bytesAvailable() > 0) {
                next = p.get();
                break;
            }
        }
    }
    reading_ = false;
}

void LanHost::handleHello(Peer &peer, const LanMessage &message) {
    if (joiningState_ != kWaiting || peer.role != 0 || Clients() >= kMaxClients)
        return;
    peer.role = Clients() + kFirstClientRole;
    clients_.push_back(&peer);
    game_.ClientsLess1 = Clients() - 1;
    clientNames_[HostSeatOfRole(peer.role)] = message.name;
    fillSeatNames();

    const WireNames names = wireNames();
    send(peer.socket, AssignmentMessage(peer.role, names));
    for (Peer *earlier : clients_) {
        if (earlier != &peer)
            send(earlier->socket, UpdateMessage(Clients(), names));
    }
    emit clientJoined(Clients());
}

void LanHost::handleGameMessage(Peer &peer, const LanMessage &message) {
    // Moves carry no seat: they go to the seat that is to move here, as on
    // every program, so all stay in step.
    if (peer.role == 0)
        return;
    const bool move = message.kind == LanKind::Move;
    if (!(move ? ApplyMove(message.slot) : ApplyPass()))
        return;
    sendToClients(move ? MoveMessage(message.slot, peer.role) : PassMessage(peer.role), peer.role);
    emit gameMessageApplied();
}

void LanHost::handleChat(Peer &peer, const LanMessage &message) {
    if (peer.role == 0)
        return;
    // Relayed as a line of the chat line's 15 characters, whatever the
    // client sent.
    sendToClients(ChatMessage(peer.role, message.text), peer.role);
    outside_.Sound().Play(kSoundChat, false);
    emit chatReceived(peer.role, ChatText(message.text));
}

void LanHost::peerGone(Peer *peer) {
    if (peer->lost)
        return;
    peer->lost = true;
    if (peer->socket) {
        peer->socket->disconnect(this);
        peer->socket->deleteLater();
    }
    if (peer->role == 0)
        return;
    emit peerLost();
    if (game_.InGame && !game_.MayLeave)
        interruptGame();
    else if (joiningState_ == kWaiting)
        clientLostBeforeDeal_ = true;
}

void LanHost::interruptGame() {
    StopMatch();
    const bool others = Clients() >= 2;
    for (Peer *client : clients_) {
        if (client->lost || !client->socket)
            continue;
        if (others)
            send(client->socket, std::string(kAbort));
        client->lost = true;
        client->socket->disconnect(this);
        client->socket->disconnectFromHost(); // after what is still to be written
        client->socket->deleteLater();
    }
    joiningState_ = kIdle;
    closeListener_ = true;
    emit gameInterrupted();
}

void LanHost::MenuTick() {
    if (!closeListener_)
        return;
    closeListener_ = false;
    if (server_)
        server_->close();
}

bool LanHost::Deal() {
    const Deck deck = deckSource_ ? deckSource_() : ShuffleDeck();
    if (!NewHand(game_, deck, RuleOutside()))
        return false;
    joiningState_ = kPlaying;
    const std::string message = DealMessage(deck);
    for (Peer *client : clients_)
        send(client->socket, message);
    if (clientLostBeforeDeal_) {
        // A client left while the host waited: the game cannot be played.
        // Ended after the deal's own handling is over.
        clientLostBeforeDeal_ = false;
        QTimer::singleShot(0, this, [this] {
            if (game_.InGame && !game_.MayLeave)
                interruptGame();
        });
    }
    return true;
}

bool LanHost::SendChat(const QString &text) {
    const std::string wire = ChatWireText(text);
    if (wire.empty())
        return false;
    sendToClients(ChatMessage(kHostRole, wire), kHostRole);
    return true;
}

void LanHost::Cancel() {
    closeAll();
    joiningState_ = kIdle;
}

void LanHost::AnnounceStart() {
    sendToClients(std::string(kBegin), kHostRole);
}

void LanHost::AnnounceMove(int, int slot, TStr2) {
    sendToClients(MoveMessage(slot, kHostRole), kHostRole);
}

void LanHost::AnnouncePass(int) {
    sendToClients(PassMessage(kHostRole), kHostRole);
}

void LanHost::AnnounceSettle(const std::array<std::int32_t, 5> &) {
    sendToClients(std::string(kSettlement), kHostRole);
}

void LanHost::CloseConnection() {
    closeAll();
    joiningState_ = kIdle;
}

void LanHost::closeAll() {
    if (server_)
        server_->close();
    for (auto &peer : peers_) {
        if (peer->lost || !peer->socket)
            continue;
        peer->lost = true;
        peer->socket->disconnect(this);
        peer->socket->disconnectFromHost();
        peer->socket->deleteLater();
    }
    clients_.clear();
    closeListener_ = false;
}

void LanHost::fillSeatNames() {
    const WireNames names = wireNames();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        game_.SeatName[seat] = NameFromWire(names[seat]);
}

WireNames LanHost::wireNames() const {
    WireNames names;
    for (int seat = 1; seat <= kSeatCount; ++seat)
        names[seat] = clientNames_[seat].empty() ? std::string(kComputerName) : clientNames_[seat];
    names[kSeatCount] = ownWireName_;
    return names;
}

void LanHost::sendToClients(const std::string &message, int originRole) {
    for (Peer *client : clients_) {
        if (client->role != originRole && !client->lost)
            send(client->socket, message);
    }
}

void LanHost::send(QTcpSocket *socket, const std::string &message) {
    if (!socket || socket->state() != QAbstractSocket::ConnectedState)
        return;
    socket->write(message.data(), qint64(message.size()));
    socket->flush();
}

} // namespace quarn::lan
