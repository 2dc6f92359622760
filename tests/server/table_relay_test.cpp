// The game server's rules for one table, without sockets.
#include "server/TableRelay.h"

#include "store/Cp1251.h"

#include <gtest/gtest.h>

#include <set>

using server::TableRelay;

namespace {

QByteArray fixedDeck() {
    return TableRelay::shuffledDeck();
}

QByteArray framed(const QByteArray &payload, int role) {
    return TableRelay::frameOf(payload, char('0' + role));
}

// A table whose four participants have joined and been dealt.
class DealtTable : public testing::Test {
  protected:
    void SetUp() override {
        for (int role = 1; role <= 3; ++role) {
            const auto effects = relay.join(role);
            EXPECT_TRUE(effects.sends.isEmpty());
            EXPECT_FALSE(effects.dealt);
        }
        const auto effects = relay.join(4);
        ASSERT_TRUE(effects.dealt);
        deal = effects.sends;
    }
    TableRelay relay{fixedDeck};
    QList<TableRelay::Output> deal;
};

std::set<int> receivers(const TableRelay::Effects &effects) {
    std::set<int> roles;
    for (const auto &out : effects.sends)
        roles.insert(out.role);
    return roles;
}

TEST_F(DealtTable, EveryoneGetsTheSameDealOfOneWholeDeck) {
    ASSERT_EQ(deal.size(), 4);
    std::set<int> roles;
    for (const auto &out : deal) {
        roles.insert(out.role);
        EXPECT_EQ(out.bytes, deal[0].bytes);
    }
    EXPECT_EQ(roles, (std::set<int>{1, 2, 3, 4}));
    const QByteArray &message = deal[0].bytes;
    ASSERT_EQ(message.size(), TableRelay::kDealSize);
    EXPECT_EQ(message[0], 'b');
    // 36 different cards of six ranks to ace in four suits, read as code page 1251.
    std::set<std::string> cards;
    const std::string ranks = quarn::cp1251ToUtf8("6789\xC2\xC4\xCA\xD2"
                                                  "1");
    const std::string suits = quarn::cp1251ToUtf8("\xF7\xE1\xEA\xEF");
    for (int i = 0; i < 36; ++i) {
        const QByteArray code = message.mid(1 + 2 * i, 2);
        const std::string rank = quarn::cp1251ToUtf8(code.left(1).toStdString());
        const std::string suit = quarn::cp1251ToUtf8(code.mid(1).toStdString());
        EXPECT_NE(ranks.find(rank), std::string::npos) << i;
        EXPECT_NE(suits.find(suit), std::string::npos) << i;
        cards.insert(code.toStdString());
        // Its rank digit, 1 for a six up to 9 for an ace.
        const char digit = message[73 + i];
        const std::string order = "6789\x31\xC2\xC4\xCA\xD2";
        EXPECT_EQ(digit - '0', int(order.find(code[0])) + 1) << i;
    }
    EXPECT_EQ(cards.size(), 36u);
}

TEST_F(DealtTable, GameFramesGoToTheOtherThreeUnchangedAndNeverBack) {
    const QList<QByteArray> payloads = {"hbegin", "hhod07", "hpass0", "hitogs", "sHello"};
    for (int sender = 1; sender <= 4; ++sender) {
        for (const QByteArray &payload : payloads) {
            const QByteArray f = framed(payload, sender);
            const auto effects = relay.frame(sender, f);
            std::set<int> expected{1, 2, 3, 4};
            expected.erase(sender);
            EXPECT_EQ(receivers(effects), expected) << payload.constData() << " from " << sender;
            for (const auto &out : effects.sends)
                EXPECT_EQ(out.bytes, f);
            EXPECT_FALSE(effects.over);
        }
    }
}

TEST_F(DealtTable, FramesThatAreForgedOrUnknownAreDropped) {
    // Role 2 claiming to be role 3, an unknown word, a short frame.
    EXPECT_TRUE(relay.frame(2, framed("hhod01", 3)).sends.isEmpty());
    EXPECT_TRUE(relay.frame(2, framed("xyz", 2)).sends.isEmpty());
    EXPECT_TRUE(relay.frame(2, "hhod01#2").sends.isEmpty());
    EXPECT_TRUE(relay.playing());
}

TEST_F(DealtTable, TheLeadersScoresEndTheGameWithAnEToEveryone) {
    // Scores of a non-leader are ignored.
    EXPECT_FALSE(relay.frame(2, framed("o   12   -4   -6   -2", 2)).over);
    const auto effects = relay.frame(1, framed("o   12   -4   -6   -2", 1));
    ASSERT_TRUE(effects.over);
    ASSERT_TRUE(effects.scores);
    EXPECT_EQ(*effects.scores, (std::array<qint64, 4>{12, -4, -6, -2}));
    EXPECT_EQ(receivers(effects), (std::set<int>{1, 2, 3, 4}));
    for (const auto &out : effects.sends) {
        EXPECT_EQ(out.bytes.size(), TableRelay::kFrameSize);
        EXPECT_EQ(out.bytes[0], 'e');
    }
    EXPECT_FALSE(relay.playing());
    EXPECT_FALSE(relay.joined(1));
}

TEST_F(DealtTable, ATimeOutIsPassedOnAndEndsTheGame) {
    const auto effects = relay.frame(3, framed("TOut", 3));
    EXPECT_TRUE(effects.over);
    int timeouts = 0, ends = 0;
    for (const auto &out : effects.sends) {
        if (out.bytes.startsWith("TOut")) {
            ++timeouts;
            EXPECT_NE(out.role, 3);
        }
        if (out.bytes.startsWith('e'))
            ++ends;
    }
    EXPECT_EQ(timeouts, 3);
    EXPECT_EQ(ends, 4);
}

TEST_F(DealtTable, ALeaverIsAnnouncedWithItsRoleAsSixthCharacter) {
    for (const char *how : {"disconnect", "disA"}) {
        TableRelay table{fixedDeck};
        for (int role = 1; role <= 4; ++role)
            table.join(role);
        const auto effects =
            std::string(how) == "disA" ? table.frame(2, framed("disA", 2)) : table.leave(2);
        EXPECT_TRUE(effects.over) << how;
        EXPECT_EQ(receivers(effects), (std::set<int>{1, 3, 4})) << how;
        for (const auto &out : effects.sends) {
            EXPECT_EQ(out.bytes[0], 'a');
            EXPECT_EQ(out.bytes[5], '2');
            EXPECT_EQ(out.bytes.size(), TableRelay::kFrameSize);
        }
    }
}

TEST(TableRelayWaiting, RolesJoinOnceAndLeaversBeforeTheDealFreeTheirSeat) {
    TableRelay relay{fixedDeck};
    EXPECT_FALSE(relay.join(1).refused);
    EXPECT_TRUE(relay.join(1).refused);
    EXPECT_TRUE(relay.join(0).refused);
    EXPECT_TRUE(relay.join(5).refused);
    // Nothing is relayed before the deal.
    EXPECT_FALSE(relay.join(2).refused);
    EXPECT_TRUE(relay.frame(1, framed("sHi", 1)).sends.isEmpty());
    const auto effects = relay.leave(2);
    EXPECT_EQ(effects.leftBeforeDeal, 2);
    EXPECT_TRUE(effects.sends.isEmpty());
    EXPECT_FALSE(relay.join(2).refused); // the seat can be taken again
}

TEST(TableRelayMessages, ConnectFramesAndScoresAreReadStrictly) {
    EXPECT_EQ(TableRelay::connectRole(framed("connect3", 3)), 3);
    EXPECT_FALSE(TableRelay::connectRole(framed("connect3", 2)));
    EXPECT_FALSE(TableRelay::connectRole(framed("connect9", 9)));
    EXPECT_FALSE(TableRelay::connectRole(framed("hello", 1)));
    EXPECT_FALSE(TableRelay::connectRole("connect1"));

    EXPECT_EQ(TableRelay::parseScores("o    0    0    0    0"),
              (std::array<qint64, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(TableRelay::parseScores("o   12   -4"));
    EXPECT_FALSE(TableRelay::parseScores("o   12   xx   -6   -2"));
    EXPECT_FALSE(TableRelay::parseScores("o                    "));
    // The frame the leader sends for the scores 12, -4, -6, -2.
    EXPECT_EQ(framed("o   12   -4   -6   -2", 1),
              QByteArray("o   12   -4   -6   -2") + QByteArray(28, '#') + "1");
}

} // namespace
