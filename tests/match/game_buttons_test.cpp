// The command and leave buttons through every state of a hand and every kind
// of match.
#include "match/GameButtons.h"

#include <gtest/gtest.h>

using namespace quarn;

namespace {

struct ButtonCase {
    const char *name;
    HandSituation situation;
    WordEntry label;
    bool commandEnabled;
    bool leaveEnabled;
    bool tick;
};

HandSituation local(int phase, int toMove, int hand = 1, bool noPlay = false) {
    return {phase, toMove, MatchKind::Local, 0, 0, hand, noPlay};
}

HandSituation of(MatchKind kind, int phase, int toMove, int hand, int netRole = 0,
                 int tourRole = 0) {
    return {phase, toMove, kind, netRole, tourRole, hand, false};
}

const ButtonCase buttonCases[] = {
    {"LocalDealtWaitsForStart", local(1, 2), WordEntry::MainToBegin, true, false, false},
    {"LocalDealtPlayerHoldsOpeningNine", local(1, 4), WordEntry::MainToBegin, true, false, false},
    {"HostDealt", of(MatchKind::Network, 1, 1, 1, 1), WordEntry::MainToBegin, true, false, false},
    {"ClientDealtWaitsForHost", of(MatchKind::Network, 1, 1, 1, 2), WordEntry::MainToBegin, false,
     false, false},
    {"TournamentDealtRoleOne", of(MatchKind::Tournament, 1, 3, 1, 0, 1), WordEntry::MainToBegin,
     true, false, false},
    {"TournamentDealtOtherRole", of(MatchKind::Tournament, 1, 3, 1, 0, 2), WordEntry::MainToBegin,
     false, false, false},
    {"ComputerSeatToMove", local(2, 1), WordEntry::MainPass, false, false, true},
    {"LastComputerSeatToMove", local(2, 3), WordEntry::MainPass, false, false, true},
    {"PlayerToMoveWithPlayableCard", local(2, 4, 1, false), WordEntry::MainPass, false, false,
     true},
    {"PlayerToMoveWithoutPlay", local(2, 4, 1, true), WordEntry::MainPass, true, false, true},
    {"LocalHandEnded", local(2, 5), WordEntry::MainTotalOfGame, true, false, true},
    {"ClientHandEnded", of(MatchKind::Network, 2, 5, 4, 3), WordEntry::MainTotalOfGame, false,
     false, true},
    {"TournamentHandEndedOtherRole", of(MatchKind::Tournament, 2, 5, 1, 0, 4),
     WordEntry::MainTotalOfGame, false, false, true},
    {"LocalSettledMidCycle", local(2, 6, 7), WordEntry::MainNextGame, true, true, true},
    {"LocalSettledCycleComplete", local(2, 6, 30), WordEntry::MainNextGame, false, true, true},
    {"LocalSettledSecondCycleComplete", local(2, 6, 60), WordEntry::MainNextGame, false, true,
     true},
    {"LocalSettledJustAfterCycle", local(2, 6, 31), WordEntry::MainNextGame, true, true, true},
    {"HostSettledMidBlock", of(MatchKind::Network, 2, 6, 4, 1), WordEntry::MainNextGame, true,
     false, true},
    {"HostSettledBlockComplete", of(MatchKind::Network, 2, 6, 6, 1), WordEntry::MainNextGame, false,
     true, true},
    {"ClientSettledMidBlock", of(MatchKind::Network, 2, 6, 4, 2), WordEntry::MainNextGame, false,
     false, true},
    {"ClientSettledBlockComplete", of(MatchKind::Network, 2, 6, 6, 4), WordEntry::MainNextGame,
     false, true, true},
    {"AccountSettledMidBlock", of(MatchKind::Account, 2, 6, 5), WordEntry::MainNextGame, true,
     false, true},
    {"AccountSettledBlockComplete", of(MatchKind::Account, 2, 6, 9), WordEntry::MainNextGame, false,
     true, true},
    {"TournamentSettledRoleOne", of(MatchKind::Tournament, 2, 6, 1, 0, 1), WordEntry::MainNextGame,
     false, true, true},
    {"TournamentSettledOtherRole", of(MatchKind::Tournament, 2, 6, 1, 0, 3),
     WordEntry::MainNextGame, false, false, true},
};

class GameButtonsTest : public ::testing::TestWithParam<ButtonCase> {};

TEST_P(GameButtonsTest, FollowTheHand) {
    const ButtonCase &c = GetParam();
    const GameButtons b = gameButtonsFor(c.situation);
    EXPECT_EQ(b.commandLabel, c.label);
    EXPECT_EQ(b.commandEnabled, c.commandEnabled);
    EXPECT_EQ(b.leaveEnabled, c.leaveEnabled);
    EXPECT_EQ(b.tickRunning, c.tick);
}

INSTANTIATE_TEST_SUITE_P(States, GameButtonsTest, ::testing::ValuesIn(buttonCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace

#include "rules/GameState.h"

namespace {

// Which computer seats this program's tick moves, by kind of match and
// number of connected clients.
TEST(TickSeats, FollowTheMatchAndTheClients) {
    const struct {
        const char *name;
        bool network;
        std::uint8_t role;
        int clientsLess1;
        bool tournament;
        bool seat1, seat2, seat3;
    } cases[] = {
        {"Local", false, 0, -1, false, true, true, true},
        {"HostOneClient", true, 1, 0, false, true, false, true},
        {"HostTwoClients", true, 1, 1, false, false, false, true},
        {"HostThreeClients", true, 1, 2, false, false, false, false},
        {"Client", true, 2, -1, false, false, false, false},
        {"Tournament", false, 0, -1, true, false, false, false},
    };
    for (const auto &c : cases) {
        GameState g;
        g.Network = c.network;
        g.NetRole = c.role;
        g.ClientsLess1 = c.clientsLess1;
        g.Tournament = c.tournament;
        EXPECT_EQ(tickMovesSeat(g, 1), c.seat1) << c.name;
        EXPECT_EQ(tickMovesSeat(g, 2), c.seat2) << c.name;
        EXPECT_EQ(tickMovesSeat(g, 3), c.seat3) << c.name;
        EXPECT_FALSE(tickMovesSeat(g, 4)) << c.name;
    }
}

} // namespace
