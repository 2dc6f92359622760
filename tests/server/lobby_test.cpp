// The seat rules of the tournament tables.
#include "server/Lobby.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

using server::Lobby;
using server::Participant;
using server::SeatResult;

namespace {

Participant player(const char *nick, const char *address = "127.0.0.1") {
    Participant p;
    p.nick = QString::fromLatin1(nick);
    p.address = QHostAddress(QString::fromLatin1(address));
    return p;
}

TEST(Lobby, SeatKOnlyAfterSeatKMinusOne) {
    Lobby lobby;
    EXPECT_EQ(lobby.take(1, 2, player("Ann")), SeatResult::Refused);
    EXPECT_EQ(lobby.take(1, 1, player("Ann")), SeatResult::Taken);
    EXPECT_EQ(lobby.take(1, 3, player("Bob")), SeatResult::Refused);
    EXPECT_EQ(lobby.take(1, 2, player("Bob")), SeatResult::Taken);
    EXPECT_EQ(lobby.take(1, 2, player("Cid")), SeatResult::Refused); // taken
    EXPECT_EQ(lobby.freeSeats(1), 2);
}

TEST(Lobby, ANickSitsAtOneSeatOnly) {
    Lobby lobby;
    ASSERT_EQ(lobby.take(1, 1, player("Ann")), SeatResult::Taken);
    EXPECT_EQ(lobby.take(2, 1, player("Ann")), SeatResult::Refused);
}

TEST(Lobby, OneOutsideAddressPerTableButLoopbackIsExcepted) {
    struct Case {
        const char *first;
        const char *second;
        SeatResult expected;
    };
    const Case cases[] = {
        {"203.0.113.5", "203.0.113.5", SeatResult::Refused},
        {"203.0.113.5", "::ffff:203.0.113.5", SeatResult::Refused},
        {"203.0.113.5", "203.0.113.6", SeatResult::Taken},
        {"127.0.0.1", "127.0.0.1", SeatResult::Taken},
        {"::1", "::1", SeatResult::Taken},
    };
    for (const Case &c : cases) {
        Lobby lobby;
        ASSERT_EQ(lobby.take(3, 1, player("Ann", c.first)), SeatResult::Taken);
        EXPECT_EQ(lobby.take(3, 2, player("Bob", c.second)), c.expected)
            << c.first << " / " << c.second;
    }
}

TEST(Lobby, SeatsCannotChangeWhileTheGameIsOn) {
    Lobby lobby;
    for (int s = 1; s <= 4; ++s)
        lobby.take(5, s, player(("P" + std::to_string(s)).c_str()));
    lobby.setInPlay(5, true);
    EXPECT_EQ(lobby.free(5, 4), SeatResult::Refused);
    EXPECT_TRUE(lobby.seat(5, 4).has_value());
    lobby.reset(5);
    EXPECT_FALSE(lobby.inPlay(5));
    EXPECT_EQ(lobby.freeSeats(5), 4);
}

TEST(Lobby, FreeingASeatFreesTheSeatsAfterIt) {
    for (const bool byServer : {false, true}) {
        Lobby lobby;
        for (int s = 1; s <= 3; ++s)
            lobby.take(2, s, player(("P" + std::to_string(s)).c_str()));
        EXPECT_EQ(lobby.seatOf(2, "P3"), 3);
        if (byServer)
            lobby.freeFrom(2, 2);
        else
            EXPECT_EQ(lobby.free(2, 2), SeatResult::Freed);
        EXPECT_TRUE(lobby.seat(2, 1).has_value());
        EXPECT_FALSE(lobby.seat(2, 2).has_value());
        EXPECT_FALSE(lobby.seat(2, 3).has_value());
        EXPECT_EQ(lobby.seatOf(2, "P3"), 0);
        EXPECT_EQ(lobby.seatOf(2, "P1"), 1);
        EXPECT_EQ(lobby.seatOf(3, "P1"), 0); // another table
    }
}

TEST(Lobby, SeatsWhoseProgramNeverConnectedAreFreedAfterTheirWait) {
    Lobby lobby;
    auto at = [](const char *nick, qint64 ms) {
        Participant p = player(nick);
        p.takenMs = ms;
        return p;
    };
    // Table 1: seat 1 connected long ago, seat 2 never connected, seat 3 taken just now.
    lobby.take(1, 1, at("Ann", 0));
    lobby.take(1, 2, at("Bob", 1000));
    lobby.take(1, 3, at("Cid", 119'000));
    lobby.setConnected(1, 1, true);
    // Table 2: in play, never touched.
    for (int s = 1; s <= 4; ++s)
        lobby.take(2, s, at(("P" + std::to_string(s)).c_str(), 0));
    lobby.setInPlay(2, true);

    std::vector<std::pair<int, int>> told;
    lobby.setSeatFreedListener([&](int table, int seat) { told.emplace_back(table, seat); });

    EXPECT_EQ(lobby.expireUnconnected(100'000, 120'000), 0);
    EXPECT_EQ(lobby.expireUnconnected(122'000, 120'000), 2); // Bob's seat and Cid's after it
    // The game server hears of both, so it can close their connections.
    EXPECT_EQ(told, (std::vector<std::pair<int, int>>{{1, 2}, {1, 3}}));
    EXPECT_TRUE(lobby.seat(1, 1).has_value());
    EXPECT_FALSE(lobby.seat(1, 2).has_value());
    EXPECT_FALSE(lobby.seat(1, 3).has_value());
    EXPECT_EQ(lobby.freeSeats(2), 0);
}

TEST(Lobby, TablesAndSeatsOutsideTheRangeAreRefused) {
    Lobby lobby;
    EXPECT_EQ(lobby.take(0, 1, player("Ann")), SeatResult::Refused);
    EXPECT_EQ(lobby.take(11, 1, player("Ann")), SeatResult::Refused);
    EXPECT_EQ(lobby.take(1, 5, player("Ann")), SeatResult::Refused);
    EXPECT_EQ(lobby.free(1, 0), SeatResult::Refused);
    EXPECT_FALSE(lobby.seat(12, 1).has_value());
}

} // namespace
