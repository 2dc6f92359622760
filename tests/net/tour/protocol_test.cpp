// The 50-character framing, the program's payloads and the seats of the four
// roles, deal blocks included.
#include "net/tour/TourProtocol.h"

#include "net/lan/LanProtocol.h"

#include <gtest/gtest.h>

namespace quarn::tour {
namespace {

TEST(TourFrame, PadsWithHashesAndEndsWithTheRoleDigit) {
    struct Case {
        std::string payload;
        int role;
        std::string expected;
    };
    const Case cases[] = {
        {"connect2", 2, "connect2" + std::string(41, '#') + "2"},
        {"hhod07", 3, "hhod07" + std::string(43, '#') + "3"},
        {"", 4, std::string(49, '#') + "4"},
        // 50 characters or more: the 50th becomes the digit.
        {std::string(60, 'x'), 1, std::string(49, 'x') + "1"},
    };
    for (const Case &c : cases) {
        const std::string frame = Frame(c.payload, c.role);
        EXPECT_EQ(frame, c.expected) << c.payload;
        EXPECT_EQ(frame.size(), std::size_t(kFrameLength));
    }
}

TEST(TourFrame, ScoresOfTheLeaderAreRightAlignedInFiveCharacters) {
    // The leader's seats 4, 2, 1, 3 hold roles 1, 2, 3, 4.
    std::array<std::int32_t, kSeatCount + 1> seatScores{};
    seatScores[4] = 12;
    seatScores[2] = -4;
    seatScores[1] = -6;
    seatScores[3] = -2;
    const std::string frame = Frame(ScoresPayload(ScoresByRole(seatScores, 1)), 1);
    EXPECT_EQ(frame, "o   12   -4   -6   -2" + std::string(28, '#') + "1");
}

TEST(TourFrame, PayloadsOfTheProgram) {
    EXPECT_EQ(ConnectPayload(3), "connect3");
    // The seat token fills the frame's spare bytes at most; the role digit stays last.
    const std::string token(32, 'a');
    EXPECT_EQ(Frame(ConnectPayload(2, token), 2), "connect2" + token + std::string(9, '#') + "2");
    EXPECT_EQ(Frame(ConnectPayload(2, std::string(60, 'b')), 2),
              "connect2" + std::string(41, 'b') + "2");
    EXPECT_EQ(MovePayload(1), "hhod01");
    EXPECT_EQ(MovePayload(9), "hhod09");
    EXPECT_EQ(ChatPayload("hi"), "shi");
    EXPECT_EQ(ChatPayload(std::string(20, 'z')), "s" + std::string(15, 'z'));
}

// The local seat of role p (columns) on the program of role d (rows).
TEST(TourSeats, EveryRoleSitsAtItsOwnSeatFourAndTheOthersByTheTable) {
    const int table[5][5] = {
        {}, {0, 4, 2, 1, 3}, {0, 2, 4, 3, 1}, {0, 3, 1, 4, 2}, {0, 1, 3, 2, 4},
    };
    for (int d = 1; d <= 4; ++d)
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(LocalSeat(d, p), table[d][p]) << "own role " << d << ", role " << p;
            EXPECT_EQ(RoleAtSeat(d, table[d][p]), p);
        }
    EXPECT_EQ(LeaderSeat(1), 4);
    EXPECT_EQ(LeaderSeat(2), 2);
    EXPECT_EQ(LeaderSeat(3), 3);
    EXPECT_EQ(LeaderSeat(4), 1);
    EXPECT_EQ(LocalSeat(0, 1), 0);
    EXPECT_EQ(LocalSeat(1, 5), 0);
    EXPECT_EQ(RoleAtSeat(1, 6), 0);
}

TEST(TourSeats, RoleThreeHoldsDeckCardsTenToEighteenAtItsSeatFour) {
    DeckRandom random(7);
    const Deck server = ShuffleDeck(random);
    const Deck local = LocalDeck(server, 3);
    ASSERT_TRUE(IsCompleteDeck(local));
    for (int i = 1; i <= kCardsPerSeat; ++i) {
        EXPECT_EQ(local[27 + i], server[9 + i]) << "own cards at seat 4";
        // Role 1 (deck cards 28..36) at seat 3, role 2 (19..27) at seat 1.
        EXPECT_EQ(local[18 + i], server[27 + i]);
        EXPECT_EQ(local[i], server[18 + i]);
        // Role 4 (cards 1..9) at seat 2.
        EXPECT_EQ(local[9 + i], server[i]);
    }
}

TEST(TourSeats, AnUnknownOwnRoleGivesADeckTheRulesRefuse) {
    DeckRandom random(1);
    EXPECT_FALSE(IsCompleteDeck(LocalDeck(ShuffleDeck(random), 0)));
}

} // namespace
} // namespace quarn::tour
