#include "net/lan/LanClient.h"

#include <QTcpSocket>

#include "net/lan/SocketClose.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn::lan {

LanClient::LanClient(GameState &game, const Outside &outside, QObject *parent)
    : LanSession(game, outside, parent) {}

LanClient::~LanClient() {
    if (socket_)
        socket_->disconnect(this);
}

void LanClient::StartJoining(const QString &address, quint16 port, const std::string &playerName) {
    closeSocket();
    reader_.Reset();
    game_.Network = true;
    game_.NetRole = kFirstClientRole;
    joiningState_ = kWaiting;
    waiting_ = true;
    awaitingFirstDeal_ = false;
    ownWireName_ = WireName(playerName);

    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, &LanClient::sendHello);
    connect(socket_, &QTcpSocket::readyRead, this, &LanClient::readHost);
    connect(socket_, &QTcpSocket::disconnected, this, &LanClient::connectionGone);
    connect(socket_, &QTcpSocket::errorOccurred, this, &LanClient::connectionGone);
    socket_->connectToHost(address, port);
}

bool LanClient::Connected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

void LanClient::sendHello() {
    if (joiningState_ == kWaiting)
        send(HelloMessage(ownWireName_));
}

void LanClient::readHost() {
    // See LanHost::readPeer: a later read must not overtake this one.
    if (reading_)
        return;
    reading_ = true;
    while (socket_) {
        if (!queue_.empty()) {
            if (holding_)
                break;
            const LanMessage message = std::move(queue_.front());
            queue_.pop_front();
            handle(message);
            continue;
        }
        if (holding_ || socket_->bytesAvailable() <= 0)
            break;
        const QByteArray bytes = socket_->readAll();
        for (LanMessage &message :
             reader_.Feed(std::string_view(bytes.constData(), std::size_t(bytes.size()))))
            queue_.push_back(std::move(message));
    }
    reading_ = false;
}

void LanClient::Release() {
    holding_ = false;
    readHost();
}

void LanClient::handle(const LanMessage &message) {
    if (message.kind == LanKind::Assignment) {
        takeAssignment(message);
        return;
    }
    // Everything else comes to a client that has its seat.
    if (joiningState_ != kJoined)
        return;
    bool applied = false;
    switch (message.kind) {
    case LanKind::Update:
        takeUpdate(message);
        return;
    case LanKind::Chat:
        outside_.Sound().Play(kSoundChat, false);
        emit chatReceived(message.role, ChatText(message.text));
        return;
    case LanKind::Abort:
        endGame();
        return;
    case LanKind::Deal:
        takeDeal(message);
        return;
    case LanKind::Begin:
        applied = StartHand(game_, RuleOutside());
        break;
    case LanKind::Move:
        applied = ApplyMove(message.slot);
        break;
    case LanKind::Pass:
        applied = ApplyPass();
        break;
    case LanKind::Settlement:
        applied = SettleHand(game_, RuleOutside());
        break;
    default:
        return;
    }
    if (applied)
        emit gameMessageApplied();
}

void LanClient::takeAssignment(const LanMessage &message) {
    if (joiningState_ != kWaiting)
        return;
    game_.NetRole = std::uint8_t(message.role);
    game_.ClientsLess1 = message.role - kFirstClientRole;
    joiningState_ = kJoined;
    waiting_ = false;
    awaitingFirstDeal_ = true;
    holding_ = holdAfterJoining_;
    placeNames(message.names);
    emit joined();
}

void LanClient::takeUpdate(const LanMessage &message) {
    // "connect3+" tells the first client of the second; "connect4+" the
    // first two of the third.
    const int clients = message.role;
    if (game_.NetRole >= clients + kFirstClientRole - 1)
        return;
    game_.ClientsLess1 = clients - 1;
    placeNames(message.names);
    emit namesChanged();
}

void LanClient::takeDeal(const LanMessage &message) {
    const Deck deck = TurnDeck(message.deck, game_.NetRole);
    if (!IsCompleteDeck(deck))
        return;
    // Dealt from here on, also for what the deal's own redraw asks.
    awaitingFirstDeal_ = false;
    NewHand(game_, deck, RuleOutside());
    emit gameMessageApplied();
}

void LanClient::placeNames(const WireNames &names) {
    for (int hostSeat = 1; hostSeat <= kSeatCount; ++hostSeat)
        game_.SeatName[ClientSeat(hostSeat, game_.NetRole)] = NameFromWire(names[hostSeat]);
}

void LanClient::connectionGone() {
    if (!socket_)
        return;
    closeSocket();
    if (joiningState_ == kWaiting) {
        // Swallowed: the waiting window says no game is there.
        waiting_ = true;
        emit connectionFailed();
        return;
    }
    if (joiningState_ != kJoined)
        return;
    emit peerLost();
    if ((game_.InGame && !game_.MayLeave) || awaitingFirstDeal_) {
        StopMatch();
        awaitingFirstDeal_ = false;
        joiningState_ = kIdle;
        emit gameInterrupted();
    } else {
        joiningState_ = kIdle;
    }
}

void LanClient::endGame() {
    closeSocket();
    joiningState_ = kIdle;
    awaitingFirstDeal_ = false;
    emit peerLost();
    StopMatch();
    emit gameInterrupted();
}

bool LanClient::SendChat(const QString &text) {
    const std::string wire = ChatWireText(text);
    if (wire.empty())
        return false;
    send(ChatMessage(game_.NetRole, wire));
    return true;
}

void LanClient::Cancel() {
    closeSocket();
    joiningState_ = kIdle;
    awaitingFirstDeal_ = false;
}

void LanClient::AnnounceMove(int, int slot, TStr2) {
    send(MoveMessage(slot, game_.NetRole));
}

void LanClient::AnnouncePass(int) {
    send(PassMessage(game_.NetRole));
}

void LanClient::CloseConnection() {
    closeSocket();
    joiningState_ = kIdle;
    awaitingFirstDeal_ = false;
}

void LanClient::send(const std::string &message) {
    if (!Connected())
        return;
    socket_->write(message.data(), qint64(message.size()));
    socket_->flush();
}

void LanClient::closeSocket() {
    if (!socket_)
        return;
    QTcpSocket *socket = socket_;
    socket_ = nullptr;
    queue_.clear();
    holding_ = false;
    closeQuietly(socket, this);
}

} // namespace quarn::lan
