#include <gtest/gtest.h>

#include "match/MatchDriver.h"
#include "rules/Moves.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;
using test::PlayingState;

// Seat 1: 6ч 8б 9п (8б and 9п fit on 9б); seat 2 holds nothing that fits;
// the player holds the ten of diamonds and the jack of spades.
GameState Position(int toMove) {
    return PlayingState({"6ч 8б 9п", "7ч", "7п", "1б Вп"}, "9б", toMove);
}

MatchDriver DriverAt(int toMove) {
    MatchDriver driver([] { return Outside{}; });
    driver.game() = Position(toMove);
    return driver;
}

TEST(SeatKinds, FollowTheModeOfTheMatch) {
    struct Case {
        const char *mode;
        bool network;
        std::uint8_t netRole;
        std::int32_t clientsLess1;
        bool tournament;
        std::array<SeatKind, 4> kinds;
    };
    using enum SeatKind;
    const Case cases[] = {
        {"local", false, kLocalRole, -1, false, {Computer, Computer, Computer, LocalPlayer}},
        {"host with one client",
         true,
         kHostRole,
         0,
         false,
         {Computer, NetworkPeer, Computer, LocalPlayer}},
        {"host with three clients",
         true,
         kHostRole,
         2,
         false,
         {NetworkPeer, NetworkPeer, NetworkPeer, LocalPlayer}},
        {"client", true, 2, 0, false, {NetworkPeer, NetworkPeer, NetworkPeer, LocalPlayer}},
        {"tournament",
         false,
         kLocalRole,
         -1,
         true,
         {GameServer, GameServer, GameServer, LocalPlayer}},
    };
    for (const Case &c : cases) {
        GameState game;
        game.Network = c.network;
        game.NetRole = c.netRole;
        game.ClientsLess1 = c.clientsLess1;
        game.Tournament = c.tournament;
        for (int seat = 1; seat <= kSeatCount; ++seat)
            EXPECT_EQ(seatKindOf(game, seat), c.kinds[seat - 1]) << c.mode << " seat " << seat;
    }
}

TEST(MatchDriver, TheTickMovesAComputerSeatWithItsChooser) {
    MatchDriver driver = DriverAt(1);
    int asked = 0;
    driver.setChooser(1, [&](const GameState &game, int seat) {
        ++asked;
        EXPECT_EQ(seat, 1);
        return SlotOf(game.Hands[1], C("9п"));
    });
    ASSERT_TRUE(driver.moveComputerSeat());
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(driver.game().Table[kSpades][kNine], C("9п"));
    EXPECT_EQ(driver.game().ToMove, 2);

    // Seat 2 has no chooser of its own: the standard one passes for it.
    ASSERT_TRUE(driver.moveComputerSeat());
    EXPECT_EQ(driver.game().HandPaid[2], -kStake - kPassFee);
    EXPECT_EQ(driver.game().ToMove, 3);
}

TEST(MatchDriver, AnIllegalChoiceFallsBackToTheStandardChooser) {
    const std::pair<const char *, int> faults[] = {
        {"unplayable card", SlotOf(Position(1).Hands[1], C("6ч"))},
        {"slot beyond the hand", 7},
        {"negative slot", -3},
        {"pass while a card fits", 0},
    };
    for (const auto &[what, slot] : faults) {
        MatchDriver driver = DriverAt(1);
        driver.setChooser(1, [slot](const GameState &, int) { return slot; });
        MatchDriver standard = DriverAt(1);
        ASSERT_TRUE(driver.moveComputerSeat()) << what;
        ASSERT_TRUE(standard.moveComputerSeat()) << what;
        EXPECT_EQ(driver.game(), standard.game()) << what;
    }
}

TEST(MatchDriver, TheTickNeverMovesThePlayerNorAPeer) {
    MatchDriver player = DriverAt(kPlayerSeat);
    const GameState before = player.game();
    EXPECT_FALSE(player.moveComputerSeat());
    EXPECT_EQ(player.game(), before);

    MatchDriver client = DriverAt(1);
    client.game().Network = true;
    client.game().NetRole = 2;
    const GameState clientBefore = client.game();
    EXPECT_FALSE(client.moveComputerSeat());
    EXPECT_EQ(client.game(), clientBefore);
}

TEST(MatchDriver, ThePlayerPlaysOnlyAPlayableCardOnHisTurn) {
    MatchDriver driver = DriverAt(kPlayerSeat);
    const int jack = SlotOf(driver.game().Hands[kPlayerSeat], C("Вп"));
    const int ten = SlotOf(driver.game().Hands[kPlayerSeat], C("1б"));
    EXPECT_TRUE(driver.isPlayerSlot(jack));
    EXPECT_FALSE(driver.isPlayerSlot(3));
    const GameState before = driver.game();
    EXPECT_FALSE(driver.playerPlays(jack));
    EXPECT_FALSE(driver.playerPlays(0));
    EXPECT_EQ(driver.game(), before);
    ASSERT_TRUE(driver.playerPlays(ten));
    EXPECT_EQ(driver.game().Table[kDiamonds][kTen], C("1б"));
    EXPECT_FALSE(driver.playerToMove());
    EXPECT_FALSE(driver.playerPasses()); // no longer his turn
}

TEST(MatchDriver, SettingAChooserForThePlayerOrAnUnknownSeatIsIgnored) {
    for (const int seat : {0, kPlayerSeat, 5}) {
        MatchDriver driver = DriverAt(1);
        driver.setChooser(seat, [](const GameState &, int) { return 99; });
        MatchDriver standard = DriverAt(1);
        ASSERT_TRUE(driver.moveComputerSeat());
        ASSERT_TRUE(standard.moveComputerSeat());
        EXPECT_EQ(driver.game(), standard.game()) << seat;
    }
}

} // namespace
} // namespace quarn

namespace quarn {
namespace {

// Every move the driver makes or is told of reaches the strong opponent's
// account of the hand and the move listener, in order.
TEST(MatchDriver, EveryMoveIsNotedForTheStrongOpponentAndTheListener) {
    MatchDriver driver = DriverAt(1);
    std::vector<std::pair<int, TStr2>> heard;
    driver.setMoveListener([&](int seat, TStr2 card) { heard.emplace_back(seat, card); });
    driver.setStrongOpponents(true, 46);
    ASSERT_TRUE(driver.strongOpponents());

    ASSERT_TRUE(driver.moveComputerSeat()); // seat 1: a card that fits
    ASSERT_TRUE(driver.moveComputerSeat()); // seat 2: nothing fits, a pass
    driver.noteMoveMade(3, kEmptyCard);     // a peer's pass, applied elsewhere

    ASSERT_EQ(heard.size(), 3u);
    EXPECT_EQ(heard[0].first, 1);
    EXPECT_TRUE(heard[0].second == C("8б") || heard[0].second == C("9п"));
    EXPECT_EQ(heard[1], std::make_pair(2, kEmptyCard));
    const HandKnowledge &known = driver.knowledge();
    EXPECT_EQ(known.PlayCount(), 1);
    EXPECT_EQ(known.Play(0).seat, 1);
    EXPECT_NE(known.Excluded(2), 0u) << "a pass proves the seat held no card that fitted";

    driver.handDealt();
    EXPECT_EQ(driver.knowledge(), HandKnowledge{});
    driver.setStrongOpponents(false, 0);
    EXPECT_FALSE(driver.strongOpponents());
}

} // namespace
} // namespace quarn
