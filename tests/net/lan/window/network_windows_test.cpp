// Network play through two main windows in one process: the welcome and
// waiting windows start the match, the client sees the table turned, a hand
// is played through the buttons and card clicks to its settlement, chat
// lines reach the other window's panel, and a client that closes mid-hand
// sends the host back to its menu.
#include "NetworkWindows.h"

#include "net/lan/ChatPanel.h"
#include "net/lan/LanTexts.h"

#include "store/ClubFile.h"

#include <gtest/gtest.h>

namespace quarn::lan {
namespace {

using window_testing::HostAndClient;
using window_testing::WaitUntil;

TEST(NetworkWindows, ClientSeesTheHostAtItsSeatTwoAndTheSameDeal) {
    HostAndClient net;
    ASSERT_TRUE(net.Start());
    const GameState &h = net.host.game();
    const GameState &c = net.client.game();
    EXPECT_TRUE(h.Network);
    EXPECT_EQ(h.NetRole, kHostRole);
    EXPECT_EQ(c.NetRole, 2);
    EXPECT_EQ(c.SeatName[2], "Anna");
    EXPECT_EQ(c.SeatName[4], "Bob ");
    EXPECT_EQ(h.SeatName[2], "Bob ");
    EXPECT_EQ(h.SeatName[1], "PC  ");
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(c.Hands[ClientSeat(seat, 2)], h.Hands[seat]);
    // Only the host starts the hand.
    EXPECT_TRUE(net.host.button7()->isEnabled());
    EXPECT_FALSE(net.client.button7()->isEnabled());
    EXPECT_FALSE(net.client.control("WaitBanner")->isVisible());
    // The settings keep what was typed.
    EXPECT_EQ(net.client.form().settings().hostAddress, "127.0.0.1");
}

TEST(NetworkWindows, AHandIsPlayedToItsSettlementOnBothWindows) {
    HostAndClient net;
    ASSERT_TRUE(net.Start());
    QTest::mouseClick(net.host.button7(), Qt::LeftButton); // "To Begin"
    ASSERT_TRUE(WaitUntil([&] { return net.InStep(); }));
    for (int step = 0; step < 400 && net.host.game().ToMove != kHandEnded; ++step) {
        net.Step();
        ASSERT_TRUE(WaitUntil([&] { return net.InStep(); })) << "step " << step;
    }
    ASSERT_EQ(net.host.game().ToMove, kHandEnded);
    EXPECT_FALSE(net.client.button7()->isEnabled());
    QTest::mouseClick(net.host.button7(), Qt::LeftButton); // "Total of game"
    ASSERT_TRUE(WaitUntil([&] { return net.client.game().ToMove == kHandSettled; }));
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(net.client.game().Score[ClientSeat(seat, 2)], net.host.game().Score[seat]);
    // "Next game" rests for a moment after the settlement, and only the host has it.
    EXPECT_FALSE(net.host.button7()->isEnabled());
    EXPECT_TRUE(WaitUntil([&] { return net.host.button7()->isEnabled(); }));
    EXPECT_FALSE(net.client.button7()->isEnabled());
    QTest::mouseClick(net.host.button7(), Qt::LeftButton); // "Next game"
    ASSERT_TRUE(WaitUntil([&] { return net.client.game().MatchHands == 2; }));
}

TEST(NetworkWindows, ABlockOfThreeHandsIsRecordedInEachNetworkClubFile) {
    HostAndClient net;
    ASSERT_TRUE(net.Start());
    for (int hand = 1; hand <= kNetworkBlock; ++hand) {
        ASSERT_TRUE(WaitUntil([&] { return net.host.button7()->isEnabled(); })) << hand;
        if (hand > 1)
            QTest::mouseClick(net.host.button7(), Qt::LeftButton); // "Next game"
        ASSERT_TRUE(WaitUntil([&] { return net.client.game().MatchHands == hand; }));
        QTest::mouseClick(net.host.button7(), Qt::LeftButton); // "To Begin"
        for (int step = 0; step < 400 && net.host.game().ToMove != kHandEnded; ++step) {
            ASSERT_TRUE(WaitUntil([&] { return net.InStep(); }));
            net.Step();
        }
        ASSERT_TRUE(WaitUntil([&] { return net.InStep(); }));
        // Leaving is offered only after the block.
        EXPECT_FALSE(net.host.control<QPushButton>("Button8")->isEnabled());
        QTest::mouseClick(net.host.button7(), Qt::LeftButton); // "Total of game"
        ASSERT_TRUE(WaitUntil([&] { return net.client.game().ToMove == kHandSettled; }))
            << "hand " << hand << " host " << int(net.host.game().ToMove) << " client "
            << int(net.client.game().ToMove) << " button " << net.host.button7()->isEnabled() << " "
            << net.host.button7()->text().toStdString();
    }
    // After the third hand only leaving is possible, on both windows.
    EXPECT_FALSE(net.host.button7()->isEnabled());
    const std::int32_t hostScore = net.host.game().PlayerScore;
    const std::int32_t clientScore = net.client.game().PlayerScore;
    for (window_testing::Program *p : {&net.host, &net.client}) {
        auto *leave = p->control<QPushButton>("Button8");
        ASSERT_TRUE(WaitUntil([&] { return leave->isEnabled(); }));
        QTest::mouseClick(leave, Qt::LeftButton);
        ASSERT_TRUE(WaitUntil([&] { return p->form().menuShown(); }));
    }
    EXPECT_EQ(hostScore + clientScore + net.host.game().Score[1] + net.host.game().Score[3], 0);
    const struct {
        window_testing::Program *program;
        const char *name;
        std::int32_t score;
    } players[] = {{&net.host, "Anna", hostScore}, {&net.client, "Bob", clientScore}};
    for (const auto &player : players) {
        const std::optional<MemberRecord> member =
            readMember(player.program->folder() / "Quarn.net", 1);
        ASSERT_TRUE(member.has_value()) << player.name;
        EXPECT_EQ(member->name, player.name);
        EXPECT_EQ(member->hands, kNetworkBlock);
        EXPECT_EQ(member->cycleScore, player.score);
        const std::optional<MemberRecord> local =
            readMember(player.program->folder() / "Quarn.clb", 1);
        EXPECT_TRUE(!local || local->name != player.name) << "the local club file stays as it was";
    }
}

TEST(NetworkWindows, ChatLinesReachTheOtherWindow) {
    HostAndClient net;
    ASSERT_TRUE(net.Start());
    auto *edit = net.client.control<QLineEdit>("Edit1");
    ASSERT_FALSE(edit->isHidden());
    ASSERT_TRUE(edit->isEnabled());
    EXPECT_EQ(edit->maxLength(), kChatTextMax);
    QTest::keyClicks(edit, QStringLiteral("hello there"));
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(edit->text().isEmpty());
    auto *own = net.client.control<ChatPanel>("ImageMemo");
    auto *other = net.host.control<ChatPanel>("ImageMemo");
    ASSERT_TRUE(own->Lines().Lines()[0].has_value());
    EXPECT_EQ(*own->Lines().Lines()[0], (ChatLine{2, QStringLiteral("hello there")}));
    ASSERT_TRUE(WaitUntil([&] { return other->Lines().Lines()[0].has_value(); }));
    EXPECT_EQ(*other->Lines().Lines()[0], (ChatLine{2, QStringLiteral("hello there")}));
}

TEST(NetworkWindows, HiddenCommandOnTheSendButtonTurnsTheHandsOver) {
    HostAndClient net;
    ASSERT_TRUE(net.Start());
    auto *send = net.host.control<QPushButton>("BitBtn1");
    send->setFocus();
    for (bool open : {true, false}) {
        QTest::keyClicks(send, QStringLiteral("61837"));
        EXPECT_EQ(net.host.game().HandsOpen, open);
    }
    EXPECT_FALSE(net.client.game().HandsOpen);
    EXPECT_FALSE(net.host.control<ChatPanel>("ImageMemo")->Lines().Lines()[0].has_value());
}

TEST(NetworkWindows, ClientClosedMidHandSendsTheHostToItsMenu) {
    HostAndClient net;
    ASSERT_TRUE(net.Start());
    QTest::mouseClick(net.host.button7(), Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return net.InStep(); }));
    Ask::clearAsked();
    net.client.close();
    ASSERT_TRUE(WaitUntil([&] { return net.host.form().menuShown(); }));
    EXPECT_FALSE(net.host.game().InGame);
    EXPECT_TRUE(Ask::asked().contains(InterruptedGameMessage()));
    // The next tick in the menu stops listening.
    net.host.form().Tick();
    EXPECT_FALSE(net.host.form().network().Host()->Listening());
}

} // namespace
} // namespace quarn::lan
