// A client against a raw host on 127.0.0.1: its hello, the seat and names it
// takes, the turned deal, the game messages it applies, chat, abort and a
// lost host.
#include <QSignalSpy>
#include <gtest/gtest.h>

#include "LanFixture.h"
#include "rules/Match.h"
#include "rules/Moves.h"

namespace quarn::lan {
namespace {

using testing::Program;
using testing::RawHost;
using testing::RawPeer;
using testing::WaitUntil;

// Host seats 4, 2, 1, 3 hold Anna, Bob, Cleo, Dan.
WireNames FullTable() {
    WireNames names;
    names[1] = "Cleo";
    names[2] = "Bob ";
    names[3] = "Dan ";
    names[4] = "Anna";
    return names;
}

class ClientOverRawHost : public ::testing::Test {
  protected:
    // Connects; the host takes the hello.
    RawPeer &Connect(std::string_view name = "Cleo Patra") {
        client().StartJoining(QStringLiteral("127.0.0.1"), raw.Port(), std::string(name));
        RawPeer &peer = raw.Accept();
        hello = peer.Take(kHelloLength);
        return peer;
    }

    // Connected and seated as `role`; the host has not dealt.
    RawPeer &Seated(int role) {
        RawPeer &peer = Connect();
        QSignalSpy joined(&client(), &LanClient::joined);
        peer.Send(AssignmentMessage(role, FullTable()));
        EXPECT_TRUE(joined.wait(testing::kWaitMs));
        return peer;
    }

    // Seated as role 2 with the host's deal of the deck applied; `reference`
    // is the host's own game after that deal.
    RawPeer &Dealt(const Deck &deck) {
        RawPeer &peer = Seated(2);
        reference.Network = true;
        reference.NetRole = kHostRole;
        EXPECT_TRUE(NewHand(reference, deck));
        peer.Send(DealMessage(deck));
        EXPECT_TRUE(WaitUntil([&] { return game().MatchHands == 1; }));
        return peer;
    }

    LanClient &client() { return program.Client(); }
    GameState &game() { return program.game; }

    RawHost raw;
    Program program{Program::Kind::Client};
    GameState reference;
    std::string hello;
};

TEST_F(ClientOverRawHost, HelloAsSoonAsConnected) {
    Connect("Cleo Patra");
    EXPECT_EQ(hello, "wem4625connect1Cleo");
    EXPECT_EQ(game().NetRole, 2);
    EXPECT_EQ(client().Joining(), kWaiting);
    EXPECT_TRUE(client().Waiting());
}

TEST_F(ClientOverRawHost, AssignmentGivesRoleAndTurnedNames) {
    struct Case {
        int role;
        std::array<std::string, 5> seatNames; // the client's seats 1..4
    } cases[] = {
        {2, {"", "Dan ", "Anna", "Cleo", "Bob "}},
        {3, {"", "Bob ", "Dan ", "Anna", "Cleo"}},
        {4, {"", "Anna", "Cleo", "Bob ", "Dan "}}, // the host at seat 1, the first client at seat 3
    };
    for (const Case &c : cases) {
        RawHost host;
        Program program(Program::Kind::Client);
        QSignalSpy joined(&program.Client(), &LanClient::joined);
        program.Client().StartJoining(QStringLiteral("127.0.0.1"), host.Port(), "Zed");
        RawPeer &peer = host.Accept();
        peer.Take(kHelloLength);
        peer.Send(AssignmentMessage(c.role, FullTable()));
        ASSERT_TRUE(joined.wait(testing::kWaitMs)) << c.role;
        EXPECT_EQ(program.game.NetRole, c.role);
        EXPECT_EQ(program.game.ClientsLess1, c.role - 2);
        EXPECT_EQ(program.Client().Joining(), kJoined);
        EXPECT_FALSE(program.Client().Waiting());
        EXPECT_TRUE(program.Client().AwaitingFirstDeal());
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_EQ(program.game.SeatName[seat], c.seatNames[seat])
                << "role " << c.role << " seat " << seat;
    }
}

TEST_F(ClientOverRawHost, UpdatesReachTheClientsThatJoinedBefore) {
    struct Case {
        int role;
        int clients; // the update after the second (2) or third (3) client
        bool taken;
    } cases[] = {{2, 2, true}, {2, 3, true}, {3, 2, false}, {3, 3, true}, {4, 3, false}};
    for (const Case &c : cases) {
        RawHost host;
        Program program(Program::Kind::Client);
        QSignalSpy joined(&program.Client(), &LanClient::joined);
        QSignalSpy names(&program.Client(), &LanClient::namesChanged);
        QSignalSpy chat(&program.Client(), &LanSession::chatReceived);
        program.Client().StartJoining(QStringLiteral("127.0.0.1"), host.Port(), "Zed");
        RawPeer &peer = host.Accept();
        peer.Take(kHelloLength);
        WireNames before = FullTable();
        before[3] = "PC  ";
        peer.Send(AssignmentMessage(c.role, before));
        ASSERT_TRUE(joined.wait(testing::kWaitMs));
        peer.Send(UpdateMessage(c.clients, FullTable()));
        peer.Send("s1sync");
        ASSERT_TRUE(chat.wait(testing::kWaitMs));
        EXPECT_EQ(names.count(), c.taken ? 1 : 0) << c.role << " " << c.clients;
        EXPECT_EQ(program.game.ClientsLess1, c.taken ? c.clients - 1 : c.role - 2)
            << c.role << " " << c.clients;
        const int danAt = ClientSeat(3, c.role);
        EXPECT_EQ(program.game.SeatName[danAt], c.taken ? "Dan " : "PC  ")
            << c.role << " " << c.clients;
    }
}

TEST_F(ClientOverRawHost, HeldMessagesWaitUntilTheMatchHasStarted) {
    client().HoldAfterJoining(true);
    RawPeer &peer = Connect();
    QSignalSpy joined(&client(), &LanClient::joined);
    QSignalSpy chat(&client(), &LanSession::chatReceived);
    const Deck deck = testing::DeckOpenedBy(4, 29);
    peer.Send(AssignmentMessage(2, FullTable()) + DealMessage(deck) + std::string(kBegin));
    ASSERT_TRUE(joined.wait(testing::kWaitMs));
    EXPECT_EQ(game().MatchHands, 0);
    peer.Send("s1hello");
    // The window starts its match here; then the deal, start and chat follow in order.
    game().PlayerKind = kNewPlayer;
    NewMatch(game(), PlayerStanding{"Cleo", 0.0, 0, 0});
    client().Release();
    ASSERT_TRUE(WaitUntil([&] { return chat.count() == 1; }));
    EXPECT_EQ(game().MatchHands, 1);
    EXPECT_EQ(game().HandNumber, 1);
    EXPECT_EQ(game().Phase, kPhasePlaying);
}

TEST_F(ClientOverRawHost, SecondAssignmentIsIgnored) {
    RawPeer &peer = Seated(2);
    QSignalSpy chat(&client(), &LanSession::chatReceived);
    peer.Send(AssignmentMessage(4, FullTable()));
    peer.Send("s1sync");
    ASSERT_TRUE(chat.wait(testing::kWaitMs));
    EXPECT_EQ(game().NetRole, 2);
}

TEST_F(ClientOverRawHost, DealIsTurnedToTheClientsSeats) {
    const Deck deck = testing::DeckOpenedBy(4, 21);
    Dealt(deck);
    EXPECT_FALSE(client().AwaitingFirstDeal());
    EXPECT_TRUE(game().InGame);
    EXPECT_EQ(game().Phase, kPhaseDealt);
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(game().Hands[ClientSeat(seat, 2)], reference.Hands[seat]) << seat;
        EXPECT_EQ(game().CardCount[seat], 9);
    }
    EXPECT_EQ(game().ToMove, 2); // the host opens, and sits at seat 2 here
}

TEST_F(ClientOverRawHost, StartAndMoveInOneReadAreBothApplied) {
    const Deck deck = testing::DeckOpenedBy(4, 22);
    RawPeer &peer = Dealt(deck);
    const int slot = testing::SlotOfCard(reference, 4, kOpeningCard);
    peer.Send(std::string(kBegin) + MoveMessage(slot, 1));
    ASSERT_TRUE(WaitUntil([&] { return game().MoveNumber == 2; }));
    EXPECT_EQ(game().Phase, kPhasePlaying);
    EXPECT_EQ(game().Bank, 8);
    EXPECT_EQ(game().Table[kDiamonds][kNine], kOpeningCard);
    EXPECT_EQ(game().CardCount[2], 8);
    EXPECT_EQ(game().ToMove, ClientSeat(1, 2));
}

TEST_F(ClientOverRawHost, MessageSplitOverTwoReads) {
    const Deck deck = testing::DeckOpenedBy(4, 23);
    RawPeer &peer = Dealt(deck);
    peer.Send(kBegin);
    const std::string move = MoveMessage(testing::SlotOfCard(reference, 4, kOpeningCard), 1);
    peer.Send(move.substr(0, 4));
    QTest::qWait(0);
    peer.Send(move.substr(4));
    ASSERT_TRUE(WaitUntil([&] { return game().MoveNumber == 2; }));
}

TEST_F(ClientOverRawHost, OwnMovesGoToTheHostWithTheRoleDigit) {
    const Deck deck = testing::DeckOpenedBy(2, 24); // the client opens
    RawPeer &peer = Dealt(deck);
    peer.Send(kBegin);
    ASSERT_TRUE(WaitUntil([&] { return game().Phase == kPhasePlaying; }));
    ASSERT_EQ(game().ToMove, 4);
    const int slot = testing::SlotOfCard(game(), 4, kOpeningCard);
    ASSERT_TRUE(PlayCard(game(), 4, slot, Announce::Yes, program.Out()));
    EXPECT_EQ(peer.Take(kGameMessageLength), MoveMessage(slot, 2));
    game().ToMove = 4; // as if the others had passed
    ASSERT_TRUE(Pass(game(), 4, Announce::Yes, Advance::Yes, program.Out()));
    EXPECT_EQ(peer.Take(kGameMessageLength), "hpass02");
}

TEST_F(ClientOverRawHost, ChatLineIsShownNotPlayed) {
    RawPeer &peer = Dealt(testing::DeckOpenedBy(4, 25));
    const GameState before = game();
    QSignalSpy chat(&client(), &LanSession::chatReceived);
    peer.Send("s1hi bob");
    ASSERT_TRUE(chat.wait(testing::kWaitMs));
    EXPECT_EQ(chat.at(0).at(0).toInt(), 1);
    EXPECT_EQ(chat.at(0).at(1).toString(), QStringLiteral("hi bob"));
    EXPECT_EQ(program.sound.Count(kSoundChat), 1);
    EXPECT_EQ(game(), before);

    // Sent in code page 1251, cut to the chat line's 15 characters and
    // padded with blanks to them; letters of game messages stay as typed.
    const struct {
        QString typed;
        std::string sent;
    } lines[] = {
        {QStringLiteral("Привет, hi"), "s2\xCF\xF0\xE8\xE2\xE5\xF2, hi     "},
        {QStringLiteral("0123456789abcdefgh"), "s20123456789abcde"},
        {QStringLiteral("ok hbegin1"), "s2ok hbegin1     "},
        {QStringLiteral("xhpass02hhod011"), "s2xhpass02hhod011"},
    };
    for (const auto &line : lines) {
        ASSERT_TRUE(client().SendChat(line.typed));
        EXPECT_EQ(peer.Take(line.sent.size()), line.sent);
    }
    EXPECT_FALSE(client().SendChat(QString()));
}

TEST_F(ClientOverRawHost, SlotsOutsideTheHandAreDropped) {
    const Deck deck = testing::DeckOpenedBy(4, 26);
    RawPeer &peer = Dealt(deck);
    peer.Send(kBegin);
    for (int slot : {0, 10, 99})
        peer.Send(MoveMessage(slot, 1));
    peer.Send(MoveMessage(testing::SlotOfCard(reference, 4, kOpeningCard), 1));
    ASSERT_TRUE(WaitUntil([&] { return game().MoveNumber == 2; }));
    EXPECT_EQ(game().CardCount[2], 8);
    EXPECT_EQ(game().ToMove, ClientSeat(1, 2));
}

TEST_F(ClientOverRawHost, AbortEndsTheGame) {
    RawPeer &peer = Dealt(testing::DeckOpenedBy(4, 27));
    QSignalSpy interrupted(&client(), &LanSession::gameInterrupted);
    peer.Send(kAbort);
    ASSERT_TRUE(interrupted.wait(testing::kWaitMs));
    EXPECT_FALSE(game().InGame);
    EXPECT_EQ(program.sound.Count(kSoundInterrupted), 1);
    EXPECT_FALSE(client().Connected());
    EXPECT_TRUE(
        WaitUntil([&] { return peer.Socket().state() == QAbstractSocket::UnconnectedState; }));
}

TEST_F(ClientOverRawHost, LostHostDuringAGameOrBeforeTheFirstDealInterrupts) {
    for (bool dealt : {false, true}) {
        RawHost host;
        Program program(Program::Kind::Client);
        QSignalSpy joined(&program.Client(), &LanClient::joined);
        QSignalSpy interrupted(&program.Client(), &LanSession::gameInterrupted);
        QSignalSpy lost(&program.Client(), &LanSession::peerLost);
        program.Client().StartJoining(QStringLiteral("127.0.0.1"), host.Port(), "Zed");
        RawPeer &peer = host.Accept();
        peer.Take(kHelloLength);
        peer.Send(AssignmentMessage(2, FullTable()));
        ASSERT_TRUE(joined.wait(testing::kWaitMs));
        if (dealt) {
            peer.Send(DealMessage(testing::DeckOpenedBy(4)));
            ASSERT_TRUE(WaitUntil([&] { return program.game.InGame; }));
        }
        peer.Socket().close();
        ASSERT_TRUE(interrupted.wait(testing::kWaitMs)) << dealt;
        EXPECT_EQ(lost.count(), 1);
        EXPECT_FALSE(program.game.InGame);
        EXPECT_FALSE(program.Client().AwaitingFirstDeal());
    }
}

TEST_F(ClientOverRawHost, LostHostAfterTheBlockIsOnlyALostPeer) {
    RawPeer &peer = Dealt(testing::DeckOpenedBy(4, 28));
    game().MayLeave = true; // a settled third hand
    QSignalSpy interrupted(&client(), &LanSession::gameInterrupted);
    QSignalSpy lost(&client(), &LanSession::peerLost);
    peer.Socket().close();
    ASSERT_TRUE(lost.wait(testing::kWaitMs));
    EXPECT_EQ(interrupted.count(), 0);
    EXPECT_TRUE(game().InGame);
}

TEST(ClientConnect, NobodyListeningLeavesTheClientWaiting) {
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    Program program(Program::Kind::Client);
    QSignalSpy failed(&program.Client(), &LanClient::connectionFailed);
    program.Client().StartJoining(QStringLiteral("127.0.0.1"), port, "Zed");
    ASSERT_TRUE(failed.wait(testing::kWaitMs));
    EXPECT_TRUE(program.Client().Waiting());
    EXPECT_EQ(program.Client().Joining(), kWaiting);
    EXPECT_FALSE(program.Client().Connected());
}

} // namespace
} // namespace quarn::lan
