// The tournament lobby over HTTP and the game server over raw TCP: seats,
// the deal, the relaying, the end of a game and the standings it leaves.
#include "ServiceFixture.h"

#include <thread>

using namespace servertest;

namespace {

class Tournament : public ServiceTest {
  protected:
    std::string seatBody(int table, int seat, int action, const std::string &nick,
                         const std::string &ip = "127.0.0.1") {
        const std::string s = std::to_string(seat);
        const bool own = action == 1;
        return "client4on" + s + "=0&gid=46&num=" + std::to_string(table) +
               "&can=" + std::to_string(action) + "&nick" + s + "=" + (own ? nick : "X") +
               "&score" + s + "=0&kon" + s + "=0&rating" + s + "=0&country" + s + "=" +
               (own ? "1-001" : "X") + "&city" + s + "=" + (own ? "Moscow" : "X") + "&sex" + s +
               "=" + (own ? "M" : "X") + "&ip" + s + "=" + (own ? ip : "X");
    }
    void seatFour(int table) {
        const char *nicks[] = {"Ann", "Bob", "Cid", "Dan"};
        for (int s = 0; s < 4; ++s) {
            ASSERT_EQ(acc(registerBody(nicks[s])).body, "$ok$");
            ASSERT_EQ(tour(seatBody(table, s + 1, 1, nicks[s])).body, "$ok$") << nicks[s];
        }
    }
    // Four participants connected with their roles; each has received the deal.
    std::vector<std::unique_ptr<GameClient>> connectFour(int table) {
        std::vector<std::unique_ptr<GameClient>> clients;
        for (int role = 1; role <= 4; ++role) {
            clients.push_back(std::make_unique<GameClient>(quint16(server->gameBase() + table)));
            EXPECT_TRUE(clients.back()->connected());
            clients.back()->send(frame("connect" + QByteArray::number(role), char('0' + role)));
        }
        return clients;
    }
};
INSTANTIATE_ON_BOTH_BACKENDS(Tournament);

std::vector<std::string> split(const std::string &text, char separator) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (true) {
        const size_t at = text.find(separator, start);
        parts.push_back(text.substr(start, at - start));
        if (at == std::string::npos)
            return parts;
        start = at + 1;
    }
}

TEST_P(Tournament, TheTableListHasTenTablesOfThirtyEightFields) {
    const std::string list = tour("readtable410=&gid=46").body;
    std::vector<std::string> records = split(list, '*');
    ASSERT_EQ(records.size(), 11u);
    EXPECT_EQ(records.back(), "");
    for (int t = 1; t <= 10; ++t) {
        const std::string &record = records[size_t(t - 1)];
        ASSERT_EQ(record[0], '$');
        const auto fields = split(record.substr(1), ' ');
        ASSERT_EQ(fields.size(), 38u) << record;
        EXPECT_EQ(fields[0], std::to_string(t));
        EXPECT_EQ(fields[1], "127.0.0.1");
        EXPECT_EQ(fields[2],
                  std::to_string(server->gameBase() + t)); // table 1's port minus 1 is the base
        EXPECT_EQ(std::vector<std::string>(fields.begin() + 6, fields.begin() + 14),
                  (std::vector<std::string>{"X", "0", "0", "0", "X", "X", "X", "X"}));
    }
    EXPECT_EQ(tour("serverinforead=0&gid=46").body, "$Y Welcome_to_the_Quarn_online_tournament!$");
    EXPECT_EQ(tour("readtable410=&gid=47").status, 400);
}

TEST_P(Tournament, SeatsAreTakenInOrderByMembersOnly) {
    ASSERT_EQ(acc(registerBody("Ann")).body, "$ok$");
    ASSERT_EQ(acc(registerBody("Bob")).body, "$ok$");
    EXPECT_EQ(tour(seatBody(3, 2, 1, "Ann")).body, "$is$"); // seat 1 is free
    EXPECT_NE(tour(seatBody(3, 1, 1, "Nobody")).body.find("is"), std::string::npos);
    EXPECT_EQ(tour(seatBody(3, 1, 1, "Ann")).body, "$ok$");
    EXPECT_EQ(tour(seatBody(3, 2, 1, "Ann")).body, "$is$"); // one seat per nick
    EXPECT_EQ(tour(seatBody(3, 2, 1, "Bob")).body, "$ok$");
    EXPECT_EQ(tour("readclient1=0&gid=46&num=3").body, "$Ann 0 0 0 1-001 Moscow M 127.0.0.1$");
    EXPECT_EQ(tour("readclient3=0&gid=46&num=3").body, "$X 0 0 0 X X X X$");
    // Giving up seat 2, then freeing seat 1.
    EXPECT_EQ(tour(seatBody(3, 2, 2, "")).body, "$ok$");
    EXPECT_EQ(tour(seatBody(3, 1, 0, "")).body, "$ok$");
    EXPECT_EQ(tour("readclient1=0&gid=46&num=3").body, "$X 0 0 0 X X X X$");
    EXPECT_EQ(tour(seatBody(11, 1, 1, "Ann")).status, 400);
}

TEST_P(Tournament, AGameIsDealtRelayedEndedAndScored) {
    seatFour(2);
    auto clients = connectFour(2);
    QByteArray deal;
    for (auto &c : clients) {
        const QByteArray got = c->receive(109);
        ASSERT_EQ(got.size(), 109);
        EXPECT_EQ(got[0], 'b');
        if (deal.isEmpty())
            deal = got;
        EXPECT_EQ(got, deal);
    }
    // While the game is on, seats cannot change.
    EXPECT_EQ(tour(seatBody(2, 4, 2, "")).body, "$is$");
    // The leader starts; the other three get the frame, the leader nothing.
    const QByteArray begin = frame("hbegin", '1');
    clients[0]->send(begin);
    for (int r = 1; r < 4; ++r)
        EXPECT_EQ(clients[size_t(r)]->receive(50), begin);
    const QByteArray chat = frame("sHi", '3');
    clients[2]->send(chat);
    for (int r : {0, 1, 3})
        EXPECT_EQ(clients[size_t(r)]->receive(50), chat);
    EXPECT_TRUE(clients[0]->receive(1, 200).isEmpty());
    EXPECT_TRUE(clients[2]->receive(1, 200).isEmpty());
    // Settlement and scores: everyone gets "e", the table is free again.
    clients[0]->send(frame("hitogs", '1'));
    clients[0]->send(frame("o   12   -4   -6   -2", '1'));
    for (int r = 0; r < 4; ++r) {
        QByteArray got = clients[size_t(r)]->receive(r == 0 ? 50 : 100);
        if (r != 0) {
            EXPECT_EQ(got.left(50), frame("hitogs", '1'));
            got = got.mid(50);
        }
        EXPECT_EQ(got.left(1), "e") << r;
        EXPECT_TRUE(clients[size_t(r)]->closedByServer()) << r;
    }
    EXPECT_EQ(tour("readclient1=0&gid=46&num=2").body, "$X 0 0 0 X X X X$");
    // Standings: score, hands, rating (score per hand in hundredths).
    EXPECT_EQ(tour("readrating46=0&nick=Ann").body, "$12 1 1200$");
    EXPECT_EQ(tour("readrating46=0&nick=Cid").body, "$-6 1 -600$");
    EXPECT_EQ(tour("readrating46=0&nick=Eve").body, "$0 0 0$");
    const std::string top = tour("top10s46=0&nick=z").body;
    EXPECT_EQ(top.substr(0, top.find('*') + 1), "$1 Ann Moscow 1-001 M 12*");
    EXPECT_EQ(std::count(top.begin(), top.end(), '*'), 10);
    EXPECT_NE(top.find("$5 # # # # 0*"), std::string::npos);
    EXPECT_EQ(tour("places46=0&score1=-3").body, "$3$");
    EXPECT_EQ(tour("placek46=0&kon1=1").body, "$1$");
    EXPECT_EQ(tour("placer46=0&rating1=1200").body, "$1$");
}

TEST_P(Tournament, ALeaverEndsTheGameForTheOthers) {
    seatFour(4);
    auto clients = connectFour(4);
    for (auto &c : clients)
        ASSERT_EQ(c->receive(109).size(), 109);
    clients[2].reset(); // role 3 goes away
    for (int r : {0, 1, 3}) {
        const QByteArray got = clients[size_t(r)]->receive(50);
        ASSERT_EQ(got.size(), 50) << r;
        EXPECT_EQ(got[0], 'a');
        EXPECT_EQ(got[5], '3');
        EXPECT_TRUE(clients[size_t(r)]->closedByServer());
    }
    EXPECT_EQ(tour("readclient1=0&gid=46&num=4").body, "$X 0 0 0 X X X X$");
    EXPECT_EQ(tour("readrating46=0&nick=Ann").body, "$0 0 0$");
}

TEST_P(Tournament, StrangersAndDuplicateRolesAreTurnedAway) {
    GameClient garbage(quint16(server->gameBase() + 1));
    garbage.send(QByteArray(50, 'z'));
    EXPECT_TRUE(garbage.closedByServer());
    GameClient first(quint16(server->gameBase() + 1));
    first.send(frame("connect1", '1'));
    GameClient twin(quint16(server->gameBase() + 1));
    twin.send(frame("connect1", '1'));
    EXPECT_TRUE(twin.closedByServer());
    EXPECT_FALSE(first.closedByServer(300));
}

} // namespace
