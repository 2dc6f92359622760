// The world service: score lists, their places and counts, own results, the
// chat, and the account list's place bonus.
#include "ServiceFixture.h"

#include "server/WorldService.h"

using namespace servertest;

namespace {

class WorldLists : public ServiceTest {
  protected:
    HttpResult send(int gid, const std::string &nick, int score, const std::string &city = "Oslo",
                    const std::string &country = "1-035", const std::string &r9 = "#",
                    const std::string &r10 = "#") {
        return world("gid=" + std::to_string(gid) + "&nick=" + nick + "&city=" + city +
                     "&country=" + country + "&score=" + std::to_string(score) +
                     "&R7=M&R8=5.7f&R9=" + r9 + "&R10=" + r10 + "*");
    }
};
INSTANTIATE_ON_BOTH_BACKENDS(WorldLists);

TEST_P(WorldLists, ScoresAreRankedWithTheEarlierEntryFirstOnTies) {
    EXPECT_EQ(world("gid=46").body, "#"); // empty: no entry at all
    EXPECT_EQ(send(46, "Ann", 40).body, "$1$");
    EXPECT_EQ(send(46, "Bob", 55).body, "$1$");
    EXPECT_EQ(send(46, "Cid", 40).body, "$3$"); // behind Ann's earlier 40
    EXPECT_EQ(send(46, "Dan", -12).body, "$4$");
    const std::string list = world("gid=46").body;
    EXPECT_EQ(list.substr(0, list.find('*') + 1), "$1 2 55 Bob 1-035 Oslo M 5.7f # #*");
    EXPECT_NE(list.find("$2 1 40 Ann "), std::string::npos);
    EXPECT_NE(list.find("$3 3 40 Cid "), std::string::npos);
    EXPECT_NE(list.find("$4 4 -12 Dan "), std::string::npos);
    EXPECT_EQ(world("rgid=46").body, "$4$");
    EXPECT_EQ(world("rgid=146").body, "$0$");
    // Other lists are separate.
    EXPECT_EQ(world("gid=146").body, "#");
}

TEST_P(WorldLists, AListReadGivesTenRowsAndOwnResultsCarryTheirPlaces) {
    for (int i = 0; i < 12; ++i)
        ASSERT_EQ(send(46, "P" + std::to_string(i), 100 - i).status, 200);
    ASSERT_EQ(send(46, "Ann", 95, "Bergen").status, 200);
    ASSERT_EQ(send(46, "Ann", 50, "Bergen").status, 200);
    ASSERT_EQ(send(46, "Ann", 70, "Oslo").status, 200); // another Ann
    const std::string list = world("gid=46").body;
    EXPECT_EQ(std::count(list.begin(), list.end(), '$'), 10);
    EXPECT_EQ(world("rgid=46").body, "$15$");
    const std::string own = world("gid=46&nick=Ann&city=Bergen").body;
    EXPECT_EQ(std::count(own.begin(), own.end(), '$'), 2);
    EXPECT_EQ(own.substr(0, 3), "$7 "); // 95 after 100..96 and the earlier 95 of P5
    EXPECT_NE(own.find("$15 "), std::string::npos);
}

TEST_P(WorldLists, BadEntriesAreRefusedAndNotStored) {
    struct Case {
        const char *why;
        std::string body;
    };
    const std::string tail = "&score=10&R7=M&R8=5.7f&R9=#&R10=#*";
    const Case cases[] = {
        {"unknown list", "gid=47&nick=Ann&city=Oslo&country=1-035" + tail},
        {"nick with a blank", "gid=46&nick=A nn&city=Oslo&country=1-035" + tail},
        {"nick with a $", "gid=46&nick=A$n&city=Oslo&country=1-035" + tail},
        {"country code out of range", "gid=46&nick=Ann&city=Oslo&country=4-015" + tail},
        {"score not a number",
         "gid=46&nick=Ann&city=Oslo&country=1-035&score=1e3&R7=M&R8=5.7f&R9=#&R10=#*"},
        {"sex not M or W",
         "gid=46&nick=Ann&city=Oslo&country=1-035&score=1&R7=Q&R8=5.7f&R9=#&R10=#*"},
        {"a field absent", "gid=46&nick=Ann&city=Oslo&score=10&R7=M&R8=5.7f&R9=#&R10=#*"},
        {"account list entry without a country", "gid=346&nick=Ann&city=Moscow" + tail},
    };
    for (const Case &c : cases) {
        const HttpResult reply = world(c.body);
        EXPECT_EQ(reply.status, 400) << c.why << ": " << reply.body;
        EXPECT_FALSE(holdsStatusWord(reply.body)) << c.why;
    }
    EXPECT_EQ(world("rgid=46").body, "$0$");
    EXPECT_EQ(world("gid=999").status, 400);
}

TEST_P(WorldLists, ChatMessagesAreNumberedByTheServerAndReadNewestFirst) {
    // A burst of messages from one address, which the chat's rate limit
    // would refuse (chat_guard_test.cpp): a server without it.
    client.reset();
    ServerSetup setup;
    setup.backend = GetParam();
    setup.adjust = [](server::ServerOptions &options) {
        options.chatLimits = {0, 1000, 1000, 1000};
    };
    server = std::make_unique<RunningServer>(setup);
    ASSERT_TRUE(server->ok()) << server->error().toStdString();
    client = std::make_unique<HttpClient>(server->baseUrl());
    // Two senders who both read number 0 and both send 1.
    EXPECT_EQ(send(100, "Ann", 1, "Oslo", "1-035", "10:15:00_10.12.2025_Quarn", "Hello_all").status,
              200);
    EXPECT_EQ(send(100, "Bob", 1, "Oslo", "1-035", "10:15:01_10.12.2025_Quarn", "Hi,Ann").status,
              200);
    for (int i = 0; i < 10; ++i)
        send(100, "Cid", 1, "Oslo", "1-035", "t", "msg" + std::to_string(i));
    const std::string chat = world("gid=100").body;
    EXPECT_EQ(std::count(chat.begin(), chat.end(), '$'), 10);
    EXPECT_EQ(chat.substr(0, chat.find('*') + 1), "$1 12 12 Cid 1-035 Oslo M 5.7f t msg9*");
    EXPECT_EQ(db().number("SELECT COUNT(DISTINCT score) FROM world_results WHERE gid = 100"), 12);
    // A stamp whose local time has a blank keeps the fields of the reply apart.
    EXPECT_EQ(send(100, "Ann", 13, "Oslo", "1-035", "10:15 AM_10.12.2025_Quarn", "Hi").status, 200);
    const std::string newest = world("gid=100").body;
    EXPECT_EQ(newest.substr(0, newest.find('*') + 1),
              "$1 13 13 Ann 1-035 Oslo M 5.7f 10:15_AM_10.12.2025_Quarn Hi*");
    // A text outside the chat set is refused (the program sends "_" instead).
    EXPECT_EQ(send(100, "Ann", 14, "Oslo", "1-035", "t", "two words").status, 400);
    EXPECT_EQ(send(100, "Ann", 14, "Oslo", "1-035", "t", "a*b").status, 400);
}

TEST(WorldBonus, PlacesOneToTenEarnWems) {
    EXPECT_EQ(server::WorldService::bonusForPlace(1), 25);
    EXPECT_EQ(server::WorldService::bonusForPlace(2), 10);
    EXPECT_EQ(server::WorldService::bonusForPlace(10), 10);
    EXPECT_EQ(server::WorldService::bonusForPlace(11), 0);
    EXPECT_EQ(server::WorldService::bonusForPlace(0), 0);
}

} // namespace
