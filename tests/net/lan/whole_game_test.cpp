// Whole network games in one process: a host and one, two or three clients
// over real loopback connections play blocks of three hands through the rule
// operations the windows use (the host's person and computer seats, each
// client's person), and every program ends with the same game; the network
// club file records each player; chat travels; a client that leaves mid-hand
// ends the game for everyone.
#include <QSignalSpy>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "LanFixture.h"
#include "opponent/Chooser.h"
#include "rules/Match.h"
#include "rules/Moves.h"
#include "store/ClubFile.h"

namespace quarn::lan {
namespace {

using testing::Program;
using testing::WaitUntil;

const char *const kNames[] = {"Anna", "Bob", "Cleo", "Dan"};

class NetworkGame {
  public:
    NetworkGame(int clients, const QString &folder) {
        for (int i = 0; i <= clients; ++i) {
            const std::filesystem::path path = folder.toStdString() + "/" + kNames[i];
            testing::WriteFreshNetClub(path);
            programs_.push_back(std::make_unique<Program>(
                i == 0 ? Program::Kind::Host : Program::Kind::Client, path));
        }
    }

    Program &host() { return *programs_[0]; }
    // The client that joined as the i-th (1..3), role i + 1.
    Program &client(int i) { return *programs_[std::size_t(i)]; }
    int clients() const { return int(programs_.size()) - 1; }
    void dropClient(int i) { programs_[std::size_t(i)].reset(); }

    // Hosting, joining one by one, and the start of every program's match
    // as a new player.
    void Join(std::uint64_t seed) {
        ASSERT_TRUE(host().Host().StartHosting(0, kNames[0]));
        for (int i = 1; i <= clients(); ++i) {
            QSignalSpy joined(&client(i).Client(), &LanClient::joined);
            client(i).Client().StartJoining(QStringLiteral("127.0.0.1"), host().Host().Port(),
                                            kNames[i]);
            ASSERT_TRUE(joined.wait(testing::kWaitMs)) << "client " << i;
            ASSERT_EQ(client(i).game.NetRole, i + 1);
        }
        ASSERT_TRUE(WaitUntil([&] { return namesAgree(); }));
        for (auto &program : programs_) {
            program->game.PlayerKind = kNewPlayer;
            NewMatch(program->game, PlayerStanding{program->game.SeatName[4], 0.0, 0, 0});
        }
        auto random = std::make_shared<DeckRandom>(seed);
        host().Host().SetDeckSource([random] { return ShuffleDeck(*random); });
    }

    // One action of whichever person or computer seat holds the turn, as the
    // windows make it; false when the block is over.
    bool Act() {
        GameState &g = host().game;
        if (g.Phase == kPhaseDealt)
            return StartHand(g, host().Out());
        if (g.ToMove >= 1 && g.ToMove <= 4) {
            const int seat = g.ToMove;
            if (seat == 4 || ComputerHoldsSeat(g.ClientsLess1, seat))
                Move(host(), seat);
            else
                Move(client(RoleOfHostSeat(seat) - 1), 4);
            return true;
        }
        if (g.ToMove == kHandEnded)
            return SettleHand(g, host().Out());
        if (g.ToMove == kHandSettled && g.HandNumber % kNetworkBlock != 0)
            return host().Host().Deal();
        return false;
    }

    // Plays until the block of hands is over; every action is waited for
    // on every program before the next.
    void PlayBlock() {
        ASSERT_TRUE(host().Host().Deal());
        ASSERT_TRUE(WaitUntil([&] { return allAgree(); }));
        int actions = 0;
        while (Act()) {
            ASSERT_TRUE(WaitUntil([&] { return allAgree(); })) << "after action " << actions;
            ASSERT_LT(++actions, 2000);
        }
    }

    // Every client holds the host's game, turned to its own seat.
    bool allAgree() {
        for (int i = 1; i <= clients(); ++i) {
            if (!programs_[std::size_t(i)] || !agrees(client(i)))
                return false;
        }
        return true;
    }

    bool namesAgree() {
        for (int i = 1; i <= clients(); ++i) {
            for (int seat = 1; seat <= 4; ++seat) {
                if (client(i).game.SeatName[ClientSeat(seat, i + 1)] != host().game.SeatName[seat])
                    return false;
            }
        }
        return true;
    }

  private:
    static void Move(Program &p, int seat) {
        GameState &g = p.game;
        const int slot = ChooseCard(g.Hands[seat], g.Table, g.MoveNumber);
        ASSERT_TRUE(MoveSeat(g, seat, slot, Announce::Yes, p.Out()));
    }

    bool agrees(Program &c) {
        const GameState &h = host().game;
        const GameState &g = c.game;
        const int role = g.NetRole;
        if (g.MatchHands != h.MatchHands || g.HandNumber != h.HandNumber || g.Phase != h.Phase ||
            g.MoveNumber != h.MoveNumber || g.Bank != h.Bank || g.Table != h.Table ||
            g.MayLeave != h.MayLeave || HostSeat(g.ToMove, role) != h.ToMove)
            return false;
        for (int seat = 1; seat <= 4; ++seat) {
            const int turned = ClientSeat(seat, role);
            if (g.Score[turned] != h.Score[seat] || g.CardCount[turned] != h.CardCount[seat] ||
                g.Hands[turned] != h.Hands[seat] || g.HandPaid[turned] != h.HandPaid[seat] ||
                g.HandPenalty[turned] != h.HandPenalty[seat])
                return false;
        }
        return true;
    }

    std::vector<std::unique_ptr<Program>> programs_;
};

class WholeGames : public ::testing::TestWithParam<int> {
  protected:
    QTemporaryDir folder;
};

TEST_P(WholeGames, EveryProgramEndsTheBlockWithTheSameGameAndRecordsIt) {
    const int clients = GetParam();
    NetworkGame net(clients, folder.path());
    net.Join(100 + std::uint64_t(clients));
    net.PlayBlock();

    GameState &h = net.host().game;
    ASSERT_EQ(h.HandNumber, kNetworkBlock);
    ASSERT_EQ(h.ToMove, kHandSettled);
    ASSERT_TRUE(h.MayLeave);
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat)
        sum += h.Score[seat];
    EXPECT_EQ(sum, 0);
    EXPECT_TRUE(net.allAgree());

    // Each person leaves with the results; its network club file keeps them.
    for (int i = 0; i <= clients; ++i) {
        Program &p = i == 0 ? net.host() : net.client(i);
        const std::int32_t score = p.game.PlayerScore;
        ASSERT_TRUE(EndMatch(p.game, p.game.PlayerScore, p.game.MatchHands, p.Out())) << kNames[i];
        ASSERT_EQ(p.recorder.updates.size(), 1u);
        EXPECT_TRUE(p.recorder.updates[0].networkClub);
        const auto member = readMember(p.recorder.NetClubPath(), 1);
        ASSERT_TRUE(member.has_value()) << kNames[i];
        EXPECT_EQ(member->name, kNames[i]);
        EXPECT_EQ(member->hands, kNetworkBlock);
        EXPECT_EQ(member->cycleScore, score);
        EXPECT_EQ(p.session->Joining(), kIdle);
    }
    EXPECT_FALSE(net.host().Host().Listening());
}

INSTANTIATE_TEST_SUITE_P(Clients, WholeGames, ::testing::Values(1, 2, 3),
                         [](const auto &info) { return std::to_string(info.param) + "Clients"; });

TEST(WholeGame, ChatTravelsToEveryOtherPlayer) {
    QTemporaryDir folder;
    NetworkGame net(3, folder.path());
    net.Join(3);
    std::vector<std::unique_ptr<QSignalSpy>> spies;
    for (int i = 0; i <= 3; ++i) {
        Program &p = i == 0 ? net.host() : net.client(i);
        spies.push_back(std::make_unique<QSignalSpy>(p.session.get(), &LanSession::chatReceived));
    }
    for (int sender = 0; sender <= 3; ++sender) {
        Program &p = sender == 0 ? net.host() : net.client(sender);
        const QString line = QStringLiteral("hi from %1").arg(sender + 1);
        ASSERT_TRUE(p.session->SendChat(line));
        for (int i = 0; i <= 3; ++i) {
            if (i == sender)
                continue;
            ASSERT_TRUE(WaitUntil([&] { return !spies[std::size_t(i)]->isEmpty(); }))
                << sender << "->" << i;
            const QList<QVariant> got = spies[std::size_t(i)]->takeFirst();
            EXPECT_EQ(got.at(0).toInt(), sender + 1);
            EXPECT_EQ(got.at(1).toString(), line);
        }
    }
    for (auto &spy : spies)
        EXPECT_TRUE(spy->isEmpty());
}

TEST(WholeGame, ChatBetweenMovesKeepsEveryoneInStep) {
    QTemporaryDir folder;
    NetworkGame net(2, folder.path());
    net.Join(5);
    ASSERT_TRUE(net.host().Host().Deal());
    ASSERT_TRUE(WaitUntil([&] { return net.allAgree(); }));
    // A chat line goes out right before each move, so lines and moves meet
    // in the same reads.
    for (int step = 0; net.host().game.ToMove != kHandEnded && step < 200; ++step) {
        net.host().session->SendChat(QStringLiteral("go hhod"));
        net.client(1).session->SendChat(QStringLiteral("ok"));
        ASSERT_TRUE(net.Act());
        ASSERT_TRUE(WaitUntil([&] { return net.allAgree(); })) << "step " << step;
    }
    EXPECT_EQ(net.host().game.ToMove, kHandEnded);
}

TEST(WholeGame, ClientClosedMidHandSendsEveryoneToTheMenu) {
    QTemporaryDir folder;
    NetworkGame net(3, folder.path());
    net.Join(9);
    ASSERT_TRUE(net.host().Host().Deal());
    ASSERT_TRUE(WaitUntil([&] { return net.allAgree(); }));
    for (int i = 0; i < 12; ++i) {
        ASSERT_TRUE(net.Act());
        ASSERT_TRUE(WaitUntil([&] { return net.allAgree(); }));
    }
    QSignalSpy hostInterrupted(net.host().session.get(), &LanSession::gameInterrupted);
    QSignalSpy firstInterrupted(net.client(1).session.get(), &LanSession::gameInterrupted);
    QSignalSpy thirdInterrupted(net.client(3).session.get(), &LanSession::gameInterrupted);

    net.dropClient(2); // the second client's program closes

    ASSERT_TRUE(WaitUntil([&] {
        return hostInterrupted.count() == 1 && firstInterrupted.count() == 1 &&
               thirdInterrupted.count() == 1;
    }));
    for (Program *p : {&net.host(), &net.client(1), &net.client(3)}) {
        EXPECT_FALSE(p->game.InGame);
        EXPECT_EQ(p->sound.Count(kSoundInterrupted), 1);
        EXPECT_EQ(p->session->Joining(), kIdle);
    }
    EXPECT_TRUE(net.host().Host().CloseListenerPending());
}

} // namespace
} // namespace quarn::lan
