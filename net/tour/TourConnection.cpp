#include "net/tour/TourConnection.h"

#include <QTcpSocket>
#include <QTimer>

#include "lang/QtWords.h"
#include "net/lan/LanProtocol.h"
#include "net/lan/SocketClose.h"
#include "rules/Moves.h"
#include "rules/SoundPlayer.h"

namespace quarn::tour {

namespace {

constexpr int kClockIntervalMs = 1000;

} // namespace

TourConnection::TourConnection(GameState &game, const Outside &outside, QObject *parent)
    : QObject(parent), game_(game), outside_(outside) {
    clockTimer_ = new QTimer(this);
    clockTimer_->setInterval(kClockIntervalMs);
    connect(clockTimer_, &QTimer::timeout, this, &TourConnection::TickClock);
}

TourConnection::~TourConnection() {
    if (socket_)
        socket_->disconnect(this);
}

void TourConnection::SetServer(const QString &address, int basePort) {
    address_ = address;
    basePort_ = basePort;
}

Outside TourConnection::RuleOutside() {
    Outside out = outside_;
    out.announcer = this;
    return out;
}

bool TourConnection::Connected() const {
    return socket_ && socket_->state() == QAbstractSocket::ConnectedState;
}

bool TourConnection::ClockRunning() const {
    return clockTimer_->isActive();
}

// ---- The seat and the connection ---------------------------------------------

void TourConnection::Connect(int table, int role, const std::string &seatToken) {
    closeSocket();
    stopClock();
    reader_.Reset();
    table_ = table;
    role_ = role;
    seatToken_ = seatToken;
    state_ = kConnecting;
    errorFlag_ = false;
    socket_ = new QTcpSocket(this);
    connect(socket_, &QTcpSocket::connected, this, &TourConnection::connected);
    connect(socket_, &QTcpSocket::readyRead, this, &TourConnection::readServer);
    connect(socket_, &QTcpSocket::disconnected, this, &TourConnection::socketGone);
    connect(socket_, &QTcpSocket::errorOccurred, this, &TourConnection::socketError);
    socket_->connectToHost(address_, quint16(basePort_ + table));
}

void TourConnection::connected() {
    if (state_ != kConnecting)
        return;
    socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    send(ConnectPayload(role_, seatToken_));
    state_ = kAnnounced;
    game_.HandNumber = 0;
}

void TourConnection::LeaveSeat() {
    send(kLeaveSeat);
    closeSocket();
    state_ = kNoSeat;
    table_ = 0;
}

void TourConnection::CloseConnection() {
    closeSocket();
    stopClock();
    if (state_ != kNoSeat)
        state_ = kGameOver;
}

void TourConnection::Forget() {
    closeSocket();
    stopClock();
    state_ = kNoSeat;
    role_ = 0;
    table_ = 0;
}

void TourConnection::send(std::string_view payload) {
    if (!Connected())
        return;
    const std::string frame = Frame(payload, role_);
    socket_->write(frame.data(), qint64(frame.size()));
    socket_->flush();
}

void TourConnection::closeSocket() {
    if (!socket_)
        return;
    QTcpSocket *socket = socket_;
    socket_ = nullptr;
    lan::closeQuietly(socket, this);
}

// ---- Received messages ---------------------------------------------------------

void TourConnection::readServer() {
    // A slot that opens a message window runs a nested event loop; a read
    // that comes meanwhile waits for this one to finish.
    if (reading_)
        return;
    reading_ = true;
    while (socket_ && socket_->bytesAvailable() > 0) {
        const QByteArray bytes = socket_->readAll();
        for (const TourMessage &message :
             reader_.Feed(std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
            if (!socket_)
                break;
            handle(message);
        }
    }
    reading_ = false;
}

void TourConnection::handle(const TourMessage &message) {
    switch (message.kind) {
    case TourKind::Chat:
        outside_.Sound().Play(kSoundSuccess, false);
        emit chatReceived(message.role, QString::fromStdString(lan::NameFromWire(message.text)));
        return;
    case TourKind::Deal:
        takeDeal(message.deck);
        return;
    case TourKind::Begin:
        applied(StartHand(game_, RuleOutside()));
        return;
    case TourKind::Move: {
        const int seat = game_.ToMove;
        const int slot = game_.HandInPlay() ? slotOfMove(seat, message) : 0;
        if (slot < 1 || slot > game_.CardCount[seat] ||
            !IsPlayable(game_, game_.Hands[seat][slot].card))
            return; // dropped
        const TStr2 card = game_.Hands[seat][slot].card;
        const bool moved = MoveSeat(game_, seat, slot, Announce::No, RuleOutside());
        if (moved)
            emit seatMoved(seat, CardNumber(card));
        applied(moved);
        return;
    }
    case TourKind::Pass: {
        const int seat = game_.ToMove;
        const bool moved =
            game_.HandInPlay() && MoveSeat(game_, seat, 0, Announce::No, RuleOutside());
        if (moved)
            emit seatMoved(seat, 0);
        applied(moved);
        return;
    }
    case TourKind::Settlement:
        applied(SettleHand(game_, RuleOutside()));
        return;
    case TourKind::GameOver:
        state_ = kGameOver;
        stopClock();
        closeSocket();
        emit chatClosed();
        emit gameOver();
        return;
    case TourKind::Left:
        participantLeft(message.role);
        return;
    case TourKind::TimeOut:
        participantTimedOut(message.role);
        return;
    default:
        return; // what the program itself sends, or nothing known
    }
}

int TourConnection::slotOfMove(int seat, const TourMessage &move) {
    if (move.card.IsEmpty())
        return move.slot; // a server that passes moves on as sent
    if (game_.HandsUnknown && seat != kPlayerSeat)
        TakeIntoHiddenHand(game_, seat, move.card);
    return SlotOf(game_.Hands[seat], move.card, game_.CardCount[seat]);
}

void TourConnection::applied(bool changed) {
    if (!changed)
        return;
    if (game_.Phase == kPhasePlaying && game_.ToMove != kHandSettled)
        restartClockForTurn();
    emit gameMessageApplied();
}

void TourConnection::takeDeal(const Deck &serverDeck) {
    Deck deck = LocalDeck(serverDeck, role_);
    // The own hand (seat 4) must be known; the others' may be masked.
    for (int i = 1; i <= kCardsPerSeat; ++i)
        if (deck[(kPlayerSeat - 1) * kCardsPerSeat + i].card == kUnknownCard)
            return;
    const bool masked = !IsCompleteDeck(deck);
    if (!FillUnknownCards(deck) || state_ == kGameOver || state_ == kNoSeat)
        return;
    const bool firstDeal = game_.HandNumber == 0;
    game_.Tournament = true;
    game_.Network = false;
    game_.PlayerKind = kTournamentPlayer;
    if (roleNames_)
        names_ = roleNames_();
    emit dealArriving(firstDeal);
    if (firstDeal)
        NewMatch(game_, standing_);
    game_.HandsUnknown = masked;
    for (int role = 1; role <= kRoleCount; ++role)
        if (!names_[std::size_t(role)].empty())
            game_.SeatName[LocalSeat(role_, role)] = names_[std::size_t(role)];
    NewHand(game_, deck, RuleOutside());
    startClockAt(LeaderSeat(role_));
    emit gameMessageApplied();
}

QString TourConnection::nameOfRole(int role) const {
    if (!IsRole(role) || !IsRole(role_))
        return {};
    return QString::fromStdString(TrimTrailingBlanks(game_.SeatName[LocalSeat(role_, role)]));
}

void TourConnection::participantLeft(int role) {
    if (state_ == kGameOver)
        return;
    outside_.Sound().Play(kSoundRefused, false);
    endWithMessage(word(WordEntry::TourPlayerInterrupted).arg(nameOfRole(role)),
                   word(WordEntry::TourYouWon));
}

void TourConnection::participantTimedOut(int role) {
    if (state_ == kGameOver)
        return;
    outside_.Sound().Play(kSoundPlayerWon, false);
    endWithMessage(word(WordEntry::TourPlayerTimeIsUp).arg(nameOfRole(role)),
                   word(WordEntry::TourYouWon));
}

void TourConnection::ownTimeOut() {
    send(kTimeOut);
    outside_.Sound().Play(kSoundRefused, false);
    endWithMessage(word(WordEntry::TourYourTimeIsUp), word(WordEntry::TourYouLose));
}

void TourConnection::endWithMessage(const QString &message, const QString &line) {
    state_ = kGameOver;
    game_.MayLeave = true;
    stopClock();
    closeSocket();
    game_.ToMove = kHandSettled;
    emit chatClosed();
    emit gameEnded(message, line);
}

void TourConnection::socketError() {
    if (!socket_)
        return;
    if (game_.Tournament && game_.InGame && state_ != kGameOver && state_ != kNoSeat) {
        socketGone();
        return;
    }
    closeSocket();
    if (state_ == kConnecting || state_ == kAnnounced) {
        errorFlag_ = true;
        emit errorFlagged();
    }
    emit chatClosed();
}

void TourConnection::socketGone() {
    if (!socket_)
        return;
    closeSocket();
    emit chatClosed();
    if (state_ == kGameOver || state_ == kNoSeat)
        return;
    if (!(game_.Tournament && game_.InGame)) {
        // Before the deal the lobby frees the seat, as after a socket error.
        errorFlag_ = true;
        emit errorFlagged();
        return;
    }
    endWithMessage(word(WordEntry::TourLostConnection), QString());
}

// ---- Move clock ----------------------------------------------------------------

void TourConnection::startClockAt(int seat) {
    timerSeat_ = seat;
    clock_ = kMoveSeconds;
    clockTimer_->start();
    emit clockChanged();
}

void TourConnection::stopClock() {
    clockTimer_->stop();
    const bool shown = timerSeat_ != 0;
    timerSeat_ = 0;
    clock_ = 0;
    if (shown)
        emit clockChanged();
}

void TourConnection::restartClockForTurn() {
    if (state_ == kGameOver)
        return;
    if (game_.ToMove >= 1 && game_.ToMove <= kSeatCount)
        startClockAt(game_.ToMove);
    else if (game_.ToMove == kHandEnded)
        startClockAt(LeaderSeat(role_)); // the leader has to settle
    else
        stopClock();
}

void TourConnection::OwnMoveMade() {
    if (game_.Tournament && game_.Phase == kPhasePlaying)
        restartClockForTurn();
}

void TourConnection::TickClock() {
    if (!game_.Tournament || timerSeat_ == 0 || state_ == kGameOver)
        return;
    if (clock_ > 0)
        --clock_;
    emit clockChanged();
    if (timerSeat_ != kPlayerSeat)
        return;
    if (clock_ == 0) {
        ownTimeOut();
        return;
    }
    outside_.Sound().Play(clock_ > kHurrySeconds ? kSoundClock : kSoundClockHurry, false);
}

// ---- Sending -------------------------------------------------------------------

bool TourConnection::SendChat(const QString &text) {
    const std::string wire = lan::ToWireText(text.left(lan::kChatTextMax).toStdString());
    if (wire.empty() || !Connected())
        return false;
    send(ChatPayload(wire));
    return true;
}

void TourConnection::AnnounceStart() {
    if (role_ != kLeaderRole)
        return;
    send(kBegin);
    holdClockForOwnMove();
}

void TourConnection::AnnounceMove(int, int slot, TStr2 card) {
    send(MovePayload(slot, card));
    holdClockForOwnMove();
}

void TourConnection::AnnouncePass(int) {
    send(kPass);
    holdClockForOwnMove();
}

void TourConnection::holdClockForOwnMove() {
    // The move is made: the own time no longer runs while the operation's
    // sound plays. The clock restarts for the seat then to move once the
    // operation has returned (OwnMoveApplied).
    clockTimer_->stop();
}

void TourConnection::AnnounceSettle(const std::array<std::int32_t, 5> &scores) {
    if (role_ == kLeaderRole) {
        send(kSettle);
        send(ScoresPayload(ScoresByRole(scores, role_)));
    }
    // A tournament game is one hand: its settlement ends the clock and the chat.
    stopClock();
    emit chatClosed();
}

} // namespace quarn::tour
