// The bodies of the tournament requests and the readers of their replies.
#include "net/tour/TourRequests.h"

#include <gtest/gtest.h>

namespace quarn::tour {
namespace {

std::string FreeSeat() {
    return " X 0 0 0 X X X X";
}

std::string TableEntry(int number, const std::string &seats) {
    return "$" + std::to_string(number) + " 127.0.0.1 " + std::to_string(25000 + number) +
           " 4 0 #" + seats + "*";
}

TEST(TourRequests, Bodies) {
    TWemClient me;
    me.Nick = "Anna";
    me.Score = -12;
    me.Kon = 3;
    me.Rating = -400;
    me.Country = "2-045";
    me.City = "New York";
    me.Sex = 'W';
    me.IP = "10.0.0.7";
    EXPECT_EQ(SeatChangeBody(7, 2, SeatAction::Take, me),
              "client4on2=0&gid=46&num=7&can=1&nick2=Anna&score2=-12&kon2=3&rating2=-400"
              "&country2=2-045&city2=New_York&sex2=W&ip2=10.0.0.7");
    EXPECT_EQ(SeatChangeBody(1, 3, SeatAction::Free, TWemClient{}, kSeatChangeServerOff),
              "client3on3=0&gid=46&num=1&can=0&nick3=X&score3=0&kon3=0&rating3=0"
              "&country3=X&city3=X&sex3=X&ip3=X");
    EXPECT_EQ(TableListBody(), "readtable410=&gid=46");
    EXPECT_EQ(ServerInfoBody(), "serverinforead=0&gid=46");
    EXPECT_EQ(SeatReaderBody(4, 3), "readclient3=0&gid=46&num=4");
    EXPECT_EQ(OwnStandingBody("Anna"), "readrating46=0&nick=Anna");
    EXPECT_EQ(TopTenBody(TopCriterion::Rating), "top10r46=0&nick=z");
    EXPECT_EQ(OwnPlaceBody(TopCriterion::Games, 17), "placek46=0&kon1=17");
    EXPECT_EQ(OwnPlaceBody(TopCriterion::Score, -3), "places46=0&score1=-3");
}

TEST(TourRequests, AValueCannotEndItsFieldEarly) {
    TWemClient me;
    me.Nick = "a&can=1";
    const std::string body = SeatChangeBody(1, 1, SeatAction::GiveUp, me);
    EXPECT_NE(body.find("&nick1=acan1&"), std::string::npos) << body;
}

TEST(TourRequests, TableListReadsTenTables) {
    std::string reply;
    for (int t = 1; t <= 10; ++t) {
        std::string seats = FreeSeat() + FreeSeat() + FreeSeat() + FreeSeat();
        if (t == 3)
            seats =
                " Bob 15 4 375 2-045 San_Jose M 10.0.0.1" + FreeSeat() + FreeSeat() + FreeSeat();
        reply += TableEntry(t, seats);
    }
    const auto tables = ParseTableList(reply);
    ASSERT_TRUE(tables);
    EXPECT_EQ((*tables)[1].IP, "127.0.0.1");
    EXPECT_EQ((*tables)[1].Port, 25001);
    EXPECT_EQ((*tables)[10].Port, 25010);
    const TWemClient &bob = (*tables)[3].Seat[1];
    EXPECT_EQ(bob.Nick, "Bob");
    EXPECT_EQ(bob.Score, 15);
    EXPECT_EQ(bob.Kon, 4);
    EXPECT_EQ(bob.Rating, 375);
    EXPECT_EQ(bob.City, "San Jose");
    EXPECT_EQ(bob.Sex, 'M');
    EXPECT_EQ(bob.IP, "10.0.0.1");
    EXPECT_TRUE((*tables)[3].Seat[2].IsFree());
}

TEST(TourRequests, DamagedRepliesAreFailures) {
    std::string nine;
    for (int t = 1; t <= 9; ++t)
        nine += TableEntry(t, FreeSeat() + FreeSeat() + FreeSeat() + FreeSeat());
    const std::string shortSeat = TableEntry(10, FreeSeat() + FreeSeat() + FreeSeat());
    const std::string badNumber = TableEntry(10, " Bob x 4 375 2-045 San_Jose M 10.0.0.1" +
                                                     FreeSeat() + FreeSeat() + FreeSeat());
    for (const std::string &reply : {std::string(), nine, nine + shortSeat, nine + badNumber,
                                     std::string("<html>error</html>")})
        EXPECT_FALSE(ParseTableList(reply)) << reply;
    EXPECT_FALSE(ParseServerInfo(""));
    EXPECT_FALSE(ParseOwnStanding("$1 2$"));
    EXPECT_FALSE(ParseSeatReader("nothing"));
    EXPECT_FALSE(ParseTopTen("garbage"));
    EXPECT_FALSE(ParseOwnPlace("no place"));
}

TEST(TourRequests, ServerInfoStandingSeatAndPlace) {
    const auto info = ParseServerInfo("$Y Welcome_to_the_tables$");
    ASSERT_TRUE(info);
    EXPECT_TRUE(info->on);
    EXPECT_EQ(info->message, "Welcome to the tables");
    EXPECT_FALSE(ParseServerInfo("$N _$")->on);

    const auto standing = ParseOwnStanding("$-7 12 -58$");
    ASSERT_TRUE(standing);
    EXPECT_EQ(standing->score, -7);
    EXPECT_EQ(standing->hands, 12);
    EXPECT_EQ(standing->rating, -58);

    const auto seat = ParseSeatReader("$Eve 1 1 100 1-001 Paris W 10.1.1.1$");
    ASSERT_TRUE(seat);
    EXPECT_EQ(seat->Nick, "Eve");
    EXPECT_EQ(seat->IP, "10.1.1.1");

    EXPECT_EQ(ParseOwnPlace("$x$12$"), 12);
}

TEST(TourRequests, SeatChangeReplies) {
    EXPECT_EQ(ParseSeatChange("$ok$"), SeatChangeResult::Done);
    EXPECT_EQ(ParseSeatChange("$is$"), SeatChangeResult::Refused);
    EXPECT_EQ(ParseSeatChange("$ok is$"), SeatChangeResult::Refused);
    EXPECT_EQ(ParseSeatChange(""), SeatChangeResult::Failed);
    EXPECT_EQ(ParseSeatChange("$no$"), SeatChangeResult::Failed);
    // A taken seat's reply carries the seat's game-server token.
    const std::string token = "0123456789abcdef0123456789abcdef";
    EXPECT_EQ(ParseSeatChange("$ok " + token + "$"), SeatChangeResult::Done);
    const struct {
        std::string reply, token;
    } tokens[] = {
        {"$ok " + token + "$", token},
        {"$ok$", ""},
        {"$is$ " + token, ""},
        {"$ok a#b$", ""},                          // not letters and digits only
        {"$ok " + std::string(41, 'a') + "$", ""}, // longer than the frame can carry
        {"", ""},
    };
    for (const auto &t : tokens)
        EXPECT_EQ(ParseSeatToken(t.reply), t.token) << t.reply;
}

TEST(TourRequests, TopTenSkipsNothingAndKeepsEmptyLines) {
    std::string reply = "$1 Ann Oslo 1-002 W 40*$2 Bo Rome 1-003 M 12*";
    for (int place = 3; place <= 10; ++place)
        reply += "$" + std::to_string(place) + " # # # # 0*";
    const auto lines = ParseTopTen(reply);
    ASSERT_TRUE(lines);
    EXPECT_EQ((*lines)[0].Nick, "Ann");
    EXPECT_EQ((*lines)[0].R07, "W");
    EXPECT_EQ((*lines)[1].Score, 12);
    EXPECT_TRUE((*lines)[2].IsEmpty());
    EXPECT_EQ((*lines)[9].Place, 10);
}

} // namespace
} // namespace quarn::tour
