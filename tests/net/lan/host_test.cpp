// The host against raw clients on 127.0.0.1: the exact bytes of the seats,
// names, deals and relays, and what it ignores or drops.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "LanFixture.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn::lan {
namespace {

using testing::Program;
using testing::RawPeer;
using testing::WaitUntil;

class HostOverRawSockets : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(host().StartHosting(0, "Anna Karenina")); }

    LanHost &host() { return program.Host(); }
    GameState &game() { return program.game; }

    // A raw client that joined with the name; its assignment taken.
    std::unique_ptr<RawPeer> Join(std::string_view wireName) {
        auto peer = std::make_unique<RawPeer>();
        EXPECT_TRUE(peer->Connect(host().Port()));
        peer->Send(HelloMessage(wireName));
        peer->Take(kAssignmentLength);
        return peer;
    }

    // Deals the deck and starts the hand as the host's person does; every
    // client takes the deal and the start.
    void DealAndStart(const Deck &deck, std::vector<RawPeer *> clients) {
        host().SetDeckSource([deck] { return deck; });
        ASSERT_TRUE(host().Deal());
        ASSERT_TRUE(StartHand(game(), program.Out()));
        for (RawPeer *client : clients) {
            EXPECT_EQ(client->Take(kDealLength), DealMessage(deck));
            EXPECT_EQ(client->Take(kGameMessageLength), "hbegin1");
        }
    }

    Program program{Program::Kind::Host};
};

TEST_F(HostOverRawSockets, SeatsNamesAndUpdatesAsClientsJoin) {
    QSignalSpy joined(&host(), &LanHost::clientJoined);
    struct Step {
        std::string name;
        std::string assignment;
        std::string update; // to each client that joined earlier
        std::array<std::string, 5> seatNames;
    } steps[] = {
        {"Bob ", "connect2+2AnnaBob PC  PC  ", "", {"", "PC  ", "Bob ", "PC  ", "Anna"}},
        {"Cleo",
         "connect2+3AnnaBob CleoPC  ",
         "connect3+AnnaBob CleoPC  ",
         {"", "Cleo", "Bob ", "PC  ", "Anna"}},
        {"Dan ",
         "connect2+4AnnaBob CleoDan ",
         "connect4+AnnaBob CleoDan ",
         {"", "Cleo", "Bob ", "Dan ", "Anna"}},
    };
    std::vector<std::unique_ptr<RawPeer>> clients;
    for (const Step &step : steps) {
        auto peer = std::make_unique<RawPeer>();
        ASSERT_TRUE(peer->Connect(host().Port()));
        peer->Send(HelloMessage(step.name));
        EXPECT_EQ(peer->Take(kAssignmentLength), step.assignment);
        for (auto &earlier : clients)
            EXPECT_EQ(earlier->Take(kUpdateLength), step.update) << step.name;
        clients.push_back(std::move(peer));
        EXPECT_EQ(host().Clients(), int(clients.size()));
        EXPECT_EQ(game().ClientsLess1, int(clients.size()) - 1);
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_EQ(game().SeatName[seat], step.seatNames[seat]) << step.name << " seat " << seat;
    }
    ASSERT_EQ(joined.count(), 3);
    EXPECT_EQ(joined.at(2).at(0).toInt(), 3);
    EXPECT_EQ(game().NetRole, kHostRole);
    EXPECT_TRUE(game().Network);
}

TEST(HostHello, AnotherGameOrProtocolGetsNoSeat) {
    const std::string wrongHellos[] = {
        "wem4725connect1Evil", // another game code
        "wem4626connect1Evil", // another protocol number
        "wex4625connect1Evil",
        "wem4625connect2Evil",
    };
    for (const std::string &wrong : wrongHellos) {
        Program program(Program::Kind::Host);
        ASSERT_TRUE(program.Host().StartHosting(0, "Anna"));
        RawPeer peer;
        ASSERT_TRUE(peer.Connect(program.Host().Port()));
        peer.Send(wrong);
        peer.Send(HelloMessage("Bob "));
        // The first answer is the seat of the right hello, with its name.
        EXPECT_EQ(peer.Take(kAssignmentLength), "connect2+2AnnaBob PC  PC  ") << wrong;
        EXPECT_EQ(program.Host().Clients(), 1) << wrong;
    }
}

TEST_F(HostOverRawSockets, NoSeatAfterTheDealNorForAFourthClient) {
    auto first = Join("Bob ");
    const Deck deck = testing::DeckOpenedBy(4);
    host().SetDeckSource([deck] { return deck; });
    ASSERT_TRUE(host().Deal());
    EXPECT_EQ(first->Take(kDealLength), DealMessage(deck));
    EXPECT_EQ(host().Joining(), kPlaying);

    RawPeer late;
    ASSERT_TRUE(late.Connect(host().Port()));
    late.Send(HelloMessage("Late"));
    // A chat line of the joined client is read after the late hello.
    QSignalSpy chat(&host(), &LanSession::chatReceived);
    first->Send("s2ping");
    ASSERT_TRUE(chat.wait(testing::kWaitMs));
    EXPECT_EQ(host().Clients(), 1);
    EXPECT_TRUE(late.Received().empty());
    EXPECT_EQ(game().SeatName[1], "PC  ");
}

TEST_F(HostOverRawSockets, TwoGameMessagesInOneReadAreAppliedInOrderAndRelayedOnceEach) {
    auto first = Join("Bob ");
    auto second = Join("Cleo");
    first->Take(kUpdateLength);
    const Deck deck = testing::DeckOpenedBy(2);
    DealAndStart(deck, {first.get(), second.get()});
    ASSERT_EQ(game().ToMove, 2);
    const int slot = testing::SlotOfCard(game(), 2, kOpeningCard);
    const int bankBefore = game().Bank;
    const int seat3Before = game().Score[3];

    const std::string both = MoveMessage(slot, 2) + PassMessage(2);
    first->Send(both);
    ASSERT_TRUE(WaitUntil([&] { return game().ToMove == 4; }));
    EXPECT_EQ(game().Table[kDiamonds][kNine], kOpeningCard);
    EXPECT_EQ(game().CardCount[2], 8);
    EXPECT_EQ(game().Bank, bankBefore + kPassFee);
    EXPECT_EQ(game().Score[3], seat3Before - kPassFee);
    EXPECT_EQ(second->Take(2 * kGameMessageLength), both);

    // The next message from the host is the first thing the origin hears.
    ASSERT_TRUE(Pass(game(), 4, Announce::Yes, Advance::Yes, program.Out()));
    EXPECT_EQ(first->Take(kGameMessageLength), "hpass01");
    EXPECT_EQ(second->Take(kGameMessageLength), "hpass01");
}

TEST_F(HostOverRawSockets, MessageSplitOverTwoReads) {
    auto first = Join("Bob ");
    DealAndStart(testing::DeckOpenedBy(2), {first.get()});
    const std::string move = MoveMessage(testing::SlotOfCard(game(), 2, kOpeningCard), 2);
    first->Send(move.substr(0, 3));
    QTest::qWait(0);
    first->Send(move.substr(3));
    ASSERT_TRUE(WaitUntil([&] { return game().MoveNumber == 2; }));
    EXPECT_EQ(game().Table[kDiamonds][kNine], kOpeningCard);
}

TEST_F(HostOverRawSockets, ChatLinesAreRelayedAndNeverPlayed) {
    auto first = Join("Bob ");
    auto second = Join("Cleo");
    first->Take(kUpdateLength);
    DealAndStart(testing::DeckOpenedBy(2), {first.get(), second.get()});
    const GameState before = game();
    QSignalSpy chat(&host(), &LanSession::chatReceived);
    // Relayed as the text padded with blanks to the chat line's 15
    // characters; a longer line is cut to them, and nothing in a line is
    // played.
    const auto padded = [](std::string text) { return text + std::string(15 - text.size(), ' '); };
    const struct {
        std::string sent;
        std::string relayed;
    } lines[] = {
        {"s2hi bob", "s2" + padded("hi bob")},
        {"s2hbegin1 ok", "s2" + padded("hbegin1 ok")},
        {"s2b9\xE1 hhod", "s2" + padded("b9\xE1 hhod")},
        {"s2hpass02hhod021", "s2" + padded("hpass02hhod021")},
        {"s20123456789abcdefghij", "s20123456789abcde"},
    };
    for (const auto &line : lines) {
        first->Send(line.sent);
        ASSERT_TRUE(chat.wait(testing::kWaitMs)) << line.sent;
        EXPECT_EQ(chat.takeFirst().at(0).toInt(), 2);
        EXPECT_EQ(second->Take(line.relayed.size()), line.relayed);
    }
    EXPECT_EQ(program.sound.Count(kSoundChat), int(std::size(lines)));
    EXPECT_EQ(game(), before);
}

TEST_F(HostOverRawSockets, MovesThatCannotBeMadeAreDroppedNotRelayed) {
    auto first = Join("Bob ");
    auto second = Join("Cleo");
    first->Take(kUpdateLength);
    DealAndStart(testing::DeckOpenedBy(2), {first.get(), second.get()});
    const int opener = testing::SlotOfCard(game(), 2, kOpeningCard);
    const int other = opener == 1 ? 2 : 1; // a card that does not open the hand
    const std::string dropped[] = {MoveMessage(0, 2), MoveMessage(10, 2), MoveMessage(99, 2),
                                   MoveMessage(other, 2)};
    for (const std::string &move : dropped)
        first->Send(move);
    const std::string good = MoveMessage(opener, 2);
    first->Send(good);
    EXPECT_EQ(second->Take(kGameMessageLength), good);
    EXPECT_EQ(game().MoveNumber, 2);
    EXPECT_EQ(game().CardCount[2], 8);
}

TEST_F(HostOverRawSockets, ClientLostMidHandEndsTheGameForEveryone) {
    QSignalSpy interrupted(&host(), &LanSession::gameInterrupted);
    QSignalSpy lost(&host(), &LanSession::peerLost);
    auto first = Join("Bob ");
    auto second = Join("Cleo");
    first->Take(kUpdateLength);
    DealAndStart(testing::DeckOpenedBy(4), {first.get(), second.get()});

    first->Socket().close();
    ASSERT_TRUE(interrupted.wait(testing::kWaitMs));
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(game().InGame);
    EXPECT_EQ(program.sound.Count(kSoundInterrupted), 1);
    EXPECT_EQ(second->Take(kAbort.size()), kAbort);
    EXPECT_TRUE(
        WaitUntil([&] { return second->Socket().state() == QAbstractSocket::UnconnectedState; }));

    // The listening socket closes at the next tick in the menu.
    EXPECT_TRUE(host().CloseListenerPending());
    EXPECT_TRUE(host().Listening());
    host().MenuTick();
    EXPECT_FALSE(host().CloseListenerPending());
    EXPECT_FALSE(host().Listening());
}

TEST_F(HostOverRawSockets, OnlyClientLostSendsNoAbort) {
    QSignalSpy interrupted(&host(), &LanSession::gameInterrupted);
    auto first = Join("Bob ");
    DealAndStart(testing::DeckOpenedBy(4), {first.get()});
    first->Socket().close();
    ASSERT_TRUE(interrupted.wait(testing::kWaitMs));
    EXPECT_FALSE(game().InGame);
}

TEST_F(HostOverRawSockets, ClientLostAfterTheBlockIsOnlyALostPeer) {
    QSignalSpy interrupted(&host(), &LanSession::gameInterrupted);
    QSignalSpy lost(&host(), &LanSession::peerLost);
    auto first = Join("Bob ");
    DealAndStart(testing::DeckOpenedBy(4), {first.get()});
    game().MayLeave = true; // a settled third hand
    first->Socket().close();
    ASSERT_TRUE(lost.wait(testing::kWaitMs));
    EXPECT_EQ(interrupted.count(), 0);
    EXPECT_TRUE(game().InGame);
}

TEST_F(HostOverRawSockets, ClientLostWhileWaitingEndsTheGameAtTheDeal) {
    QSignalSpy interrupted(&host(), &LanSession::gameInterrupted);
    QSignalSpy lost(&host(), &LanSession::peerLost);
    auto first = Join("Bob ");
    first->Socket().close();
    ASSERT_TRUE(lost.wait(testing::kWaitMs));
    EXPECT_EQ(interrupted.count(), 0);
    ASSERT_TRUE(host().Deal());
    ASSERT_TRUE(interrupted.wait(testing::kWaitMs));
    EXPECT_FALSE(game().InGame);
}

TEST_F(HostOverRawSockets, CancelClosesTheListener) {
    auto first = Join("Bob ");
    host().Cancel();
    EXPECT_FALSE(host().Listening());
    EXPECT_EQ(host().Joining(), kIdle);
    EXPECT_TRUE(
        WaitUntil([&] { return first->Socket().state() == QAbstractSocket::UnconnectedState; }));
}

TEST(HostListen, PortInUseIsReported) {
    QTcpServer other;
    ASSERT_TRUE(other.listen(QHostAddress::Any, 0));
    Program program(Program::Kind::Host);
    EXPECT_FALSE(program.Host().StartHosting(other.serverPort(), "Anna"));
    EXPECT_EQ(program.Host().Joining(), kIdle);
    EXPECT_FALSE(program.game.Network);
}

} // namespace
} // namespace quarn::lan
