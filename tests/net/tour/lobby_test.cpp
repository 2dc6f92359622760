// The lobby against a scripted tournament service: the server going off
// with a seat held, the message's smallest font, the same-address rule and
// the error timer freeing the seats after a game-server connection error.
#include "net/tour/TFormTournament.h"

#include "lang/Language.h"
#include "net/tour/TourRequests.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <map>

namespace quarn::tour {
namespace {

// The tournament service as a script: replies by request name, every body kept.
class ScriptedService {
  public:
    std::string tableAddress = "10.0.0.1";
    int basePort = 25000;
    bool serverOn = true;
    std::string message = "Hello";
    std::string seatAtReader = "$Bob 0 0 0 1-001 Oslo M 10.9.9.9$";
    std::vector<std::string> bodies;
    // Seats held by other accounts, by table and seat.
    std::map<std::pair<int, int>, std::string> others{{{5, 1}, "Bob"}};

    web::Reply<std::string> Post(std::string_view body) {
        bodies.emplace_back(body);
        const auto starts = [&](std::string_view p) { return body.substr(0, p.size()) == p; };
        if (starts("readtable410"))
            return {Tables(), true};
        if (starts("serverinforead"))
            return {std::string("$") + (serverOn ? "Y" : "N") + " " + message + "$", true};
        if (starts("client")) {
            Note(std::string(body));
            return {"$ok$", true};
        }
        if (starts("readclient"))
            return {seatAtReader, true};
        if (starts("readrating"))
            return {"$3 2 150$", true};
        if (starts("place"))
            return {"$7$", true};
        return {};
    }
    std::vector<std::string> SeatChanges() const {
        std::vector<std::string> changes;
        for (const std::string &b : bodies)
            if (b.rfind("client", 0) == 0)
                changes.push_back(b.substr(0, b.find("&nick")));
        return changes;
    }

  private:
    // A seat change as the service keeps it: action 1 seats the nick.
    void Note(const std::string &body) {
        const int seat = body[9] - '0';
        const auto field = [&](const std::string &name) {
            const std::size_t at = body.find("&" + name + "=");
            const std::size_t from = at + name.size() + 2;
            return body.substr(from, body.find('&', from) - from);
        };
        const int table = std::stoi(field("num"));
        held_[{table, seat}] = field("can") == "1";
    }
    std::string Tables() const {
        std::string reply;
        for (int t = 1; t <= kTableCount; ++t) {
            reply += "$" + std::to_string(t) + " " + tableAddress + " " +
                     std::to_string(basePort + t) + " 4 0 #";
            for (int s = 1; s <= 4; ++s)
                reply += others.count({t, s})
                             ? " " + others.at({t, s}) + " 0 0 0 1-001 Oslo M 10.9.9.9"
                         : Seated(t, s) ? " Anna 0 0 0 1-001 Oslo W 10.9.9.9"
                                        : " X 0 0 0 X X X X";
            reply += "*";
        }
        return reply;
    }
    bool Seated(int table, int seat) const {
        const auto it = held_.find({table, seat});
        return it != held_.end() && it->second;
    }

  public:
    // The server frees a seat of the player's (a table reset behind it).
    void FreeOwn(int table, int seat) { held_[{table, seat}] = false; }

  private:
    std::map<std::pair<int, int>, bool> held_;
};

class LobbyTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setLanguage(0);
        account_.user.Nick = "Anna";
        account_.user.City = "Oslo";
        account_.user.Country2 = "1-001";
        account_.state = web::AccountState::LoggedIn;
    }
    std::unique_ptr<TFormTournament> Open() {
        TourLobbyServices services;
        services.post = [this](std::string_view body) { return service_.Post(body); };
        services.externalIp = [] { return std::string("10.9.9.9"); };
        services.showMessage = [this](const QString &text) { messages_.push_back(text); };
        AuxContext context;
        context.settings = &settings_;
        return std::make_unique<TFormTournament>(context, connection_, account_, services);
    }

    ScriptedService service_;
    Settings settings_;
    web::Account account_;
    GameState game_;
    TourConnection connection_{game_, Outside{}};
    std::vector<QString> messages_;
};

TEST_F(LobbyTest, OwnResultsAndTheServerMessage) {
    auto lobby = Open();
    EXPECT_EQ(lobby->ResultValue(2), QStringLiteral("3"));
    EXPECT_EQ(lobby->ResultValue(3), QStringLiteral("7"));
    EXPECT_EQ(lobby->ResultValue(4), QStringLiteral("150"));
    EXPECT_EQ(lobby->ResultValue(5), QStringLiteral("2"));
    EXPECT_EQ(lobby->ServerMessage()->text(), QStringLiteral("Hello"));
    EXPECT_EQ(lobby->SeatButtonAt(5, 1)->text(), QStringLiteral("Bob : 0"));
    EXPECT_EQ(connection_.ServerAddress(), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(connection_.BasePort(), 25000);
    const int normal = lobby->ServerMessage()->font().pixelSize();
    service_.message = std::string(60, 'm');
    lobby->Refresh();
    EXPECT_LT(lobby->ServerMessage()->font().pixelSize(), normal);
    service_.message = std::string(45, 'm');
    lobby->Refresh();
    const int middle = lobby->ServerMessage()->font().pixelSize();
    EXPECT_LT(middle, normal);
    service_.message = std::string(60, 'm');
    lobby->Refresh();
    EXPECT_LT(lobby->ServerMessage()->font().pixelSize(), middle);
}

TEST_F(LobbyTest, ServerGoingOffFreesTheHeldSeat) {
    auto lobby = Open();
    lobby->TakeSeat(3, 1);
    ASSERT_EQ(lobby->Held(), (HeldSeat{3, 1}));
    EXPECT_EQ(connection_.State(), kConnecting);
    service_.serverOn = false;
    service_.bodies.clear();
    lobby->Refresh();
    for (int t = 1; t <= kTableCount; ++t)
        for (int s = 1; s <= 4; ++s) {
            EXPECT_EQ(lobby->SeatButtonAt(t, s)->text(), QStringLiteral("Server Off"));
            EXPECT_FALSE(lobby->SeatButtonAt(t, s)->isEnabled());
        }
    EXPECT_EQ(service_.SeatChanges(), std::vector<std::string>{"client3on1=0&gid=46&num=3&can=0"});
    EXPECT_EQ(lobby->Held(), HeldSeat{});
    EXPECT_EQ(connection_.State(), kNoSeat);
    EXPECT_EQ(lobby->ServerPicture()->text(), QStringLiteral("Server Off"));
    EXPECT_TRUE(lobby->CloseButton()->isEnabled());
}

TEST_F(LobbyTest, SameAddressAtTheTableIsRefusedUnlessTheServerIsOnLoopback) {
    auto lobby = Open();
    lobby->TakeSeat(5, 2);
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0],
              QStringLiteral("This table is already occupied by a player with your IP!"));
    EXPECT_TRUE(service_.SeatChanges().empty());
    EXPECT_EQ(lobby->Held(), HeldSeat{});

    service_.tableAddress = "127.0.0.1";
    lobby->Refresh();
    lobby->TakeSeat(5, 2);
    EXPECT_EQ(messages_.size(), 1u);
    EXPECT_EQ(lobby->Held(), (HeldSeat{5, 2}));
}

TEST_F(LobbyTest, ConnectionErrorFreesTheOwnSeatAndTheSeatsAfterIt) {
    QTcpServer probe;
    ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
    service_.tableAddress = "127.0.0.1";
    service_.basePort = probe.serverPort() - 2;
    probe.close(); // nobody listens on table 2's port
    auto lobby = Open();
    QSignalSpy flagged(&connection_, &TourConnection::errorFlagged);
    lobby->TakeSeat(2, 1);
    ASSERT_EQ(lobby->Held(), (HeldSeat{2, 1}));
    ASSERT_TRUE(flagged.wait());
    service_.bodies.clear();
    lobby->CheckConnectionError();
    ASSERT_EQ(messages_.size(), 1u);
    EXPECT_EQ(messages_[0], QStringLiteral("Server connection error!"));
    EXPECT_EQ(service_.SeatChanges(),
              (std::vector<std::string>{
                  "client4on1=0&gid=46&num=2&can=0", "client4on2=0&gid=46&num=2&can=0",
                  "client4on3=0&gid=46&num=2&can=0", "client4on4=0&gid=46&num=2&can=0"}));
    EXPECT_EQ(lobby->Held(), HeldSeat{});
    EXPECT_EQ(connection_.State(), kNoSeat);
    EXPECT_FALSE(connection_.ErrorFlag());
}

// The server frees the player's seat behind another (a participant gave up,
// a seat expired or lost its connection) and closes its game connection:
// whether the next refresh or the connection's loss tells of it first, the
// lobby forgets the seat quietly and can be closed again.
TEST_F(LobbyTest, ASeatTheServerFreedOrGaveToAnotherIsForgotten) {
    struct Case {
        const char *what;
        int seat;
        std::map<std::pair<int, int>, std::string> othersAfter;
        bool connectionLostFirst;
    };
    const std::map<std::pair<int, int>, std::string> before{
        {{5, 1}, "Bob"}, {{5, 2}, "Cid"}, {{5, 3}, "Dan"}};
    const Case cases[] = {
        {"seat 4 after seat 2 gave up", 4, {{{5, 1}, "Bob"}}, false},
        {"seat 4 after seat 2 gave up, connection closed", 4, {{{5, 1}, "Bob"}}, true},
        {"seat 2 freed and taken by Eve", 2, {{{5, 1}, "Bob"}, {{5, 2}, "Eve"}}, false},
        {"seat 3 freed and taken by Eve, connection closed",
         3,
         {{{5, 1}, "Bob"}, {{5, 2}, "Cid"}, {{5, 3}, "Eve"}},
         true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTcpServer gameServer;
        ASSERT_TRUE(gameServer.listen(QHostAddress::LocalHost));
        service_.tableAddress = "127.0.0.1";
        service_.basePort = gameServer.serverPort() - 5;
        service_.others = before;
        for (int s = 1; s < 4; ++s)
            if (s >= c.seat)
                service_.others.erase({5, s});
        messages_.clear();
        auto lobby = Open();
        lobby->show();
        lobby->TakeSeat(5, c.seat);
        ASSERT_EQ(lobby->Held(), (HeldSeat{5, c.seat}));
        ASSERT_TRUE(gameServer.waitForNewConnection(5000));
        QTcpSocket *game = gameServer.nextPendingConnection();
        ASSERT_TRUE(QTest::qWaitFor([&] { return connection_.State() == kAnnounced; }));
        EXPECT_FALSE(lobby->CloseButton()->isEnabled());

        service_.FreeOwn(5, c.seat);
        service_.others = c.othersAfter;
        service_.bodies.clear();
        if (c.connectionLostFirst) {
            QSignalSpy flagged(&connection_, &TourConnection::errorFlagged);
            game->abort();
            ASSERT_TRUE(flagged.wait());
            lobby->CheckConnectionError();
        } else {
            lobby->Refresh();
        }
        EXPECT_EQ(lobby->Held(), HeldSeat{});
        EXPECT_TRUE(messages_.empty()) << messages_.front().toStdString();
        EXPECT_TRUE(service_.SeatChanges().empty()) << "the seats are no longer ours to free";
        EXPECT_EQ(connection_.State(), kNoSeat);
        EXPECT_FALSE(connection_.Connected());
        EXPECT_TRUE(lobby->CloseButton()->isEnabled());
        QTest::keyClick(lobby.get(), Qt::Key_Escape);
        EXPECT_FALSE(lobby->isVisible());
    }
}

TEST_F(LobbyTest, TheWindowClosesOnlyWithoutASeat) {
    auto lobby = Open();
    lobby->show();
    lobby->TakeSeat(1, 1);
    QTest::keyClick(lobby.get(), Qt::Key_Escape);
    EXPECT_TRUE(lobby->isVisible());
    EXPECT_TRUE(lobby->RefreshTimer()->isActive());
    lobby->GiveUpSeat();
    EXPECT_EQ(lobby->Held(), HeldSeat{});
    QTest::keyClick(lobby.get(), Qt::Key_Escape);
    EXPECT_FALSE(lobby->isVisible());
    EXPECT_FALSE(lobby->RefreshTimer()->isActive());
    EXPECT_FALSE(lobby->ErrorTimer()->isActive());
}

} // namespace
} // namespace quarn::tour
