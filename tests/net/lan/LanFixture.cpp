#include "LanFixture.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "store/AtomicFile.h"
#include "store/ClubFile.h"
#include "store/ClubStanding.h"

namespace quarn::lan::testing {

RawPeer::RawPeer(QTcpSocket *socket) {
    if (socket == nullptr) {
        owned_ = std::make_unique<QTcpSocket>();
        socket = owned_.get();
    }
    socket_ = socket;
    QObject::connect(socket_, &QTcpSocket::readyRead,
                     [this] { received_ += Bytes(socket_->readAll()); });
}

RawPeer::~RawPeer() {
    socket_->disconnect();
}

bool RawPeer::Connect(quint16 port) {
    socket_->connectToHost(QHostAddress::LocalHost, port);
    return WaitUntil([this] { return socket_->state() == QAbstractSocket::ConnectedState; });
}

void RawPeer::Send(std::string_view bytes) {
    socket_->write(bytes.data(), qint64(bytes.size()));
    socket_->flush();
}

std::string RawPeer::Take(std::size_t n) {
    if (!WaitUntil([&] { return received_.size() >= n; }))
        return received_;
    std::string head = received_.substr(0, n);
    received_.erase(0, n);
    return head;
}

RawHost::RawHost() {
    server_.listen(QHostAddress::LocalHost, 0);
}

RawPeer &RawHost::Accept() {
    WaitUntil([this] { return server_.hasPendingConnections(); });
    QTcpSocket *socket = server_.nextPendingConnection();
    EXPECT_NE(socket, nullptr);
    peer_ = std::make_unique<RawPeer>(socket);
    return *peer_;
}

int SoundLog::Count(std::string_view name) const {
    return int(std::count(played.begin(), played.end(), std::string(name)));
}

void NetClubRecorder::UpdateClub(const ClubUpdate &update) {
    updates.push_back(update);
    const auto password = encodePassword("pw");
    const std::filesystem::path path = folder_ / (update.networkClub ? "Quarn.net" : "Quarn.clb");
    recordMatchEnd(path, update.oldLine, memberRecordOf(update.line, password.value_or("")));
}

Program::Program(Kind kind, const std::filesystem::path &folder) : recorder(folder) {
    const Outside outside{nullptr, &sound, nullptr, &recorder};
    if (kind == Kind::Host)
        session = std::make_unique<LanHost>(game, outside);
    else
        session = std::make_unique<LanClient>(game, outside);
}

Deck DeckOpenedBy(int hostSeat, std::uint64_t seed) {
    DeckRandom random(seed);
    Deck deck = ShuffleDeck(random);
    const int wanted = (hostSeat - 1) * kCardsPerSeat + 1;
    for (int i = 1; i <= kDeckSize; ++i) {
        if (deck[i].card == kOpeningCard)
            std::swap(deck[i], deck[wanted]);
    }
    return deck;
}

int SlotOfCard(const GameState &game, int seat, TStr2 card) {
    return SlotOf(game.Hands[seat], card, game.CardCount[seat]);
}

void WriteFreshNetClub(const std::filesystem::path &folder) {
    std::filesystem::create_directories(folder);
    const ClubFile club = ClubFile::fresh("0000000000", "net games");
    ASSERT_TRUE(writeFileAtomically(folder / "Quarn.net", club.bytes()));
}

} // namespace quarn::lan::testing
