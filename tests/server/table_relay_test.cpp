// The game server's rules for one table, without sockets: the deal, the
// server's own game of the hand, what it relays and drops, its settlement,
// its clock, and leavers.
#include "server/TableRelay.h"

#include "rules/Moves.h"
#include "store/Cp1251.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>

using server::TableRelay;

namespace {

QByteArray framed(const QByteArray &payload, int role) {
    return TableRelay::frameOf(payload, char('0' + role));
}

// The 36 cards in card-number order with the nine of diamonds moved to deck position `nineAt`.
QByteArray deckWithOpeningCardAt(int nineAt) {
    QByteArray deck;
    for (int n = 1; n <= quarn::kDeckSize; ++n)
        deck += QByteArray::fromStdString(quarn::CardFromNumber(n).Bytes());
    const QByteArray nine = QByteArray::fromStdString(quarn::kOpeningCard.Bytes());
    const qsizetype at = deck.indexOf(nine);
    const qsizetype to = 2 * (nineAt - 1);
    const QByteArray other = deck.mid(to, 2);
    deck.replace(to, 2, nine);
    deck.replace(at, 2, other);
    return deck;
}

std::set<int> receivers(const TableRelay::Effects &effects) {
    std::set<int> roles;
    for (const auto &out : effects.sends)
        roles.insert(out.role);
    return roles;
}

std::set<int> allBut(int role) {
    std::set<int> roles{1, 2, 3, 4};
    roles.erase(role);
    return roles;
}

// The move the awaited participant may make now: its first card that fits
// (slot and card, as the others get it), or a pass.
QByteArray legalMove(const TableRelay &relay) {
    const quarn::GameState &game = relay.game();
    const int seat = TableRelay::seatOfRole(relay.awaitedRole());
    for (int slot = 1; slot <= game.CardCount[seat]; ++slot)
        if (quarn::IsPlayable(game, game.Hands[seat][slot].card))
            return "hhod" + QByteArray::number(slot).rightJustified(2, '0') +
                   QByteArray::fromStdString(game.Hands[seat][slot].card.Bytes());
    return "hpass0";
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
    // Sends the awaited participant's legal moves until the hand has ended;
    // the move that ends it brings the server's settlement.
    void playToTheEnd() {
        while (relay.game().HandInPlay()) {
            const int role = relay.awaitedRole();
            const QByteArray f = framed(legalMove(relay), role);
            const auto effects = relay.frame(role, f);
            ASSERT_EQ(receivers(effects), allBut(role)) << f.left(6).constData();
            for (const auto &out : effects.sends)
                EXPECT_EQ(out.bytes, f);
            ASSERT_EQ(bool(effects.scores), !relay.game().HandInPlay());
            settledAtEnd = effects.scores;
        }
    }
    qint64 nowMs = 1'000'000; // the server's clock, moved by the tests
    TableRelay relay{TableRelay::shuffledDeck, [this] { return nowMs; }};
    QList<TableRelay::Output> deal;
    std::optional<std::array<qint64, 4>> settledAtEnd;
};

// Each role's deal holds its own block of nine cards and the nine of
// diamonds; every other card travels as "??" with the rank digit 0. The own
// blocks together are one whole deck.
TEST_F(DealtTable, EveryoneGetsOnlyItsOwnNineCardsAndTheOpeningCard) {
    ASSERT_EQ(deal.size(), 4);
    std::set<int> roles;
    std::set<std::string> cards;
    const QByteArray nine = QByteArray::fromStdString(quarn::kOpeningCard.Bytes());
    const std::string ranks = quarn::cp1251ToUtf8("6789\xC2\xC4\xCA\xD2"
                                                  "1");
    const std::string suits = quarn::cp1251ToUtf8("\xF7\xE1\xEA\xEF");
    const std::string order = "6789\x31\xC2\xC4\xCA\xD2";
    for (const auto &out : deal) {
        roles.insert(out.role);
        const QByteArray &message = out.bytes;
        ASSERT_EQ(message.size(), TableRelay::kDealSize);
        EXPECT_EQ(message[0], 'b');
        int seen = 0;
        for (int i = 0; i < 36; ++i) {
            const QByteArray code = message.mid(1 + 2 * i, 2);
            const char digit = message[73 + i];
            const bool own = i / 9 == 4 - out.role;
            if (!own && code != nine) {
                EXPECT_EQ(code, "??") << "role " << out.role << " sees card " << i;
                EXPECT_EQ(digit, '0') << i;
                continue;
            }
            ++seen;
            const std::string rank = quarn::cp1251ToUtf8(code.left(1).toStdString());
            const std::string suit = quarn::cp1251ToUtf8(code.mid(1).toStdString());
            EXPECT_NE(ranks.find(rank), std::string::npos) << i;
            EXPECT_NE(suits.find(suit), std::string::npos) << i;
            // Its rank digit, 1 for a six up to 9 for an ace.
            EXPECT_EQ(digit - '0', int(order.find(code[0])) + 1) << i;
            if (own)
                cards.insert(code.toStdString());
        }
        EXPECT_GE(seen, 9);
        EXPECT_LE(seen, 10); // the nine of diamonds of another block
        EXPECT_TRUE(message.contains(nine)) << "everyone sees who opens";
    }
    EXPECT_EQ(roles, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(cards.size(), 36u);
}

// The others learn the card of a move from the server's own game, whatever
// card the mover claims: a move travels as "hhod", the slot and its card.
TEST_F(DealtTable, AMoveReachesTheOthersWithTheCardOfItsSlot) {
    ASSERT_FALSE(relay.frame(1, framed("hbegin", 1)).sends.isEmpty());
    const int role = relay.awaitedRole();
    const QByteArray move = legalMove(relay);
    ASSERT_TRUE(move.startsWith("hhod"));
    QByteArray claimed = move.left(6) + "6\xEF"; // another card than the slot's
    const auto effects = relay.frame(role, framed(claimed, role));
    ASSERT_EQ(receivers(effects), allBut(role));
    for (const auto &out : effects.sends)
        EXPECT_EQ(out.bytes, framed(move, role));
    EXPECT_EQ(move.mid(6, 2), QByteArray::fromStdString(quarn::kOpeningCard.Bytes()));
}

TEST(TableRelayDeal, TheServersGameHoldsTheDealtBlocksAndOpensWithTheNineOfDiamonds) {
    // Role p holds deck block 5 - p; whoever holds the nine of diamonds moves first.
    struct Case {
        int nineAt;
        int opener;
    };
    for (const Case c : {Case{1, 4}, Case{12, 3}, Case{27, 2}, Case{36, 1}}) {
        const QByteArray deck = deckWithOpeningCardAt(c.nineAt);
        TableRelay relay([deck] { return deck; });
        for (int role = 1; role <= 4; ++role)
            relay.join(role);
        EXPECT_EQ(relay.awaitedRole(), 1) << "the leader starts";
        ASSERT_FALSE(relay.frame(1, framed("hbegin", 1)).sends.isEmpty());
        EXPECT_EQ(relay.awaitedRole(), c.opener) << c.nineAt;
        for (int role = 1; role <= 4; ++role) {
            const quarn::Hand &hand = relay.game().Hands[TableRelay::seatOfRole(role)];
            const int first = 2 * 9 * (4 - role);
            for (int i = 0; i < 9; ++i) {
                const quarn::TStr2 card{deck[first + 2 * i], deck[first + 2 * i + 1]};
                EXPECT_TRUE(quarn::HoldsCard(hand, card)) << "role " << role << " card " << i;
            }
        }
    }
}

TEST_F(DealtTable, AWholeHandIsRelayedAndSettledByTheServer) {
    const QByteArray begin = framed("hbegin", 1);
    EXPECT_EQ(receivers(relay.frame(1, begin)), allBut(1));
    playToTheEnd();
    const QByteArray chat = framed("sGG", 3);
    EXPECT_EQ(receivers(relay.frame(3, chat)), allBut(3));
    // Settled by the server as the hand ended; the leader's "hitogs" only shows it, once.
    ASSERT_TRUE(settledAtEnd);
    const auto settlement = relay.frame(1, framed("hitogs", 1));
    EXPECT_EQ(receivers(settlement), allBut(1));
    EXPECT_FALSE(settlement.scores);
    EXPECT_TRUE(relay.frame(1, framed("hitogs", 1)).sends.isEmpty());
    const auto scores = *settledAtEnd;
    EXPECT_EQ(scores[0] + scores[1] + scores[2] + scores[3], 0);
    for (int role = 1; role <= 4; ++role)
        EXPECT_EQ(scores[size_t(role - 1)], relay.game().Score[TableRelay::seatOfRole(role)]);
    EXPECT_FALSE(settlement.over);
    // The leader's scores end the game: "e" to everyone.
    QByteArray claim("o");
    for (qint64 s : scores)
        claim += QByteArray::number(s).rightJustified(5, ' ');
    const auto end = relay.frame(1, framed(claim, 1));
    EXPECT_TRUE(end.over);
    EXPECT_FALSE(end.scores);
    EXPECT_TRUE(end.notes.isEmpty());
    EXPECT_EQ(receivers(end), (std::set<int>{1, 2, 3, 4}));
    for (const auto &out : end.sends) {
        EXPECT_EQ(out.bytes.size(), TableRelay::kFrameSize);
        EXPECT_EQ(out.bytes[0], 'e');
    }
    EXPECT_FALSE(relay.playing());
    EXPECT_FALSE(relay.joined(1));
}

TEST_F(DealtTable, MovesTheRulesDoNotAllowNowAreDroppedAndChangeNothing) {
    struct Case {
        const char *what;
        bool started;
        int role; // 0: the awaited role; -1: a role that is not awaited
        QByteArray payload;
    };
    const Case cases[] = {
        {"start by another than the leader", false, 2, "hbegin"},
        {"card before the start", false, 0, "hhod01"},
        {"settlement before the hand ended", true, 1, "hitogs"},
        {"second start", true, 1, "hbegin"},
        {"card out of turn", true, -1, "hhod01"},
        {"pass out of turn", true, -1, "hpass0"},
        {"slot 0", true, 0, "hhod00"},
        {"slot beyond the hand", true, 0, "hhod10"},
        {"slot not a number", true, 0, "hhodx1"},
        {"pass while the nine of diamonds fits", true, 0, "hpass0"},
        {"unknown game word", true, 0, "hzzz01"},
    };
    for (const Case &c : cases) {
        TableRelay table{TableRelay::shuffledDeck};
        for (int role = 1; role <= 4; ++role)
            table.join(role);
        if (c.started)
            table.frame(1, framed("hbegin", 1));
        const int awaited = table.awaitedRole();
        const int role = c.role == 0 ? awaited : c.role == -1 ? awaited % 4 + 1 : c.role;
        const quarn::GameState before = table.game();
        const int turn = table.turn();
        const auto effects = table.frame(role, framed(c.payload, role));
        EXPECT_TRUE(effects.sends.isEmpty()) << c.what;
        EXPECT_FALSE(effects.over) << c.what;
        EXPECT_FALSE(effects.notes.isEmpty()) << c.what;
        EXPECT_EQ(table.game(), before) << c.what;
        EXPECT_EQ(table.turn(), turn) << c.what;
        EXPECT_EQ(table.awaitedRole(), awaited) << c.what;
    }
}

TEST_F(DealtTable, ACardThatDoesNotFitIsDropped) {
    relay.frame(1, framed("hbegin", 1));
    const int role = relay.awaitedRole();
    const int seat = TableRelay::seatOfRole(role);
    // On the first move only the nine of diamonds fits.
    const int nine = quarn::SlotOf(relay.game().Hands[seat], quarn::kOpeningCard);
    const int other = nine == 1 ? 2 : 1;
    EXPECT_TRUE(
        relay.frame(role, framed("hhod0" + QByteArray::number(other), role)).sends.isEmpty());
    EXPECT_EQ(receivers(relay.frame(role, framed("hhod0" + QByteArray::number(nine), role))),
              allBut(role));
    EXPECT_NE(relay.awaitedRole(), role);
}

TEST_F(DealtTable, FramesThatAreForgedOrUnknownAreDropped) {
    // Role 2 claiming to be role 3, an unknown word, a short frame.
    EXPECT_TRUE(relay.frame(2, framed("hhod01", 3)).sends.isEmpty());
    EXPECT_TRUE(relay.frame(2, framed("xyz", 2)).sends.isEmpty());
    EXPECT_TRUE(relay.frame(2, "hhod01#2").sends.isEmpty());
    EXPECT_TRUE(relay.playing());
}

TEST_F(DealtTable, ScoresOfTheLeaderThatDisagreeOrComeEarlyAreIgnored) {
    const QByteArray forged = framed("o   99  -33  -33  -33", 1);
    // Before the settlement, and from another role: noted, nothing else.
    relay.frame(1, framed("hbegin", 1));
    for (const auto &[role, f] :
         {std::pair{1, forged}, std::pair{2, framed("o   99  -33  -33  -33", 2)}}) {
        const auto early = relay.frame(role, f);
        EXPECT_FALSE(early.over);
        EXPECT_FALSE(early.scores);
        EXPECT_TRUE(early.sends.isEmpty());
        EXPECT_FALSE(early.notes.isEmpty());
    }
    playToTheEnd();
    // Before the leader's settlement went on: still ignored.
    EXPECT_FALSE(relay.frame(1, forged).over);
    ASSERT_FALSE(relay.frame(1, framed("hitogs", 1)).sends.isEmpty());
    // After it: the game ends, the forged scores are noted and go nowhere.
    const auto end = relay.frame(1, forged);
    EXPECT_TRUE(end.over);
    EXPECT_FALSE(end.scores);
    ASSERT_EQ(end.notes.size(), 1);
    EXPECT_TRUE(end.notes[0].contains("disagree")) << end.notes[0].constData();
}

TEST_F(DealtTable, ATimeOutCountsOnlyFromTheAwaitedRoleOnceTheServersClockAgrees) {
    relay.frame(1, framed("hbegin", 1));
    const int awaited = relay.awaitedRole();
    const int other = awaited % 4 + 1;
    struct Case {
        const char *what;
        int role;
        qint64 afterMs; // since the action became awaited
        bool accepted;
    };
    const Case cases[] = {
        {"another role at once", other, 0, false},
        {"another role when the time is up", other, 30'000, false},
        {"the awaited role at once", awaited, 0, false},
        {"the awaited role three seconds early", awaited, 23'000, false},
        {"the awaited role within the slack", awaited, 24'500, true},
    };
    const qint64 turnStarted = nowMs;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        nowMs = turnStarted + c.afterMs;
        const auto effects = relay.frame(c.role, framed("TOut", c.role));
        if (!c.accepted) {
            EXPECT_FALSE(effects.over);
            EXPECT_TRUE(effects.sends.isEmpty());
            EXPECT_TRUE(relay.playing());
            continue;
        }
        EXPECT_TRUE(effects.over);
        int timeouts = 0, ends = 0;
        for (const auto &out : effects.sends) {
            if (out.bytes.startsWith("TOut")) {
                ++timeouts;
                EXPECT_NE(out.role, c.role);
            }
            if (out.bytes.startsWith('e'))
                ++ends;
        }
        EXPECT_EQ(timeouts, 3);
        EXPECT_EQ(ends, 4);
    }
}

TEST_F(DealtTable, EachMoveStartsTheTimeOfTheNextAnew) {
    relay.frame(1, framed("hbegin", 1));
    nowMs += 20'000;
    const int mover = relay.awaitedRole();
    ASSERT_FALSE(relay.frame(mover, framed(legalMove(relay), mover)).sends.isEmpty());
    nowMs += 20'000; // 40 s since the start, 20 s since the move
    const int next = relay.awaitedRole();
    EXPECT_FALSE(relay.frame(next, framed("TOut", next)).over);
}

TEST_F(DealtTable, ChatGoesOnAtMostOnceASecondPerRole) {
    struct Step {
        int role;
        qint64 atMs; // since the first line
        bool relayed;
    };
    const Step steps[] = {
        {2, 0, true},    {2, 10, false},   {2, 999, false}, {3, 999, true},
        {2, 1000, true}, {2, 1500, false}, {3, 2000, true},
    };
    const qint64 start = nowMs;
    for (const Step &s : steps) {
        nowMs = start + s.atMs;
        const auto effects = relay.frame(s.role, framed("sHi", s.role));
        EXPECT_EQ(receivers(effects), s.relayed ? allBut(s.role) : std::set<int>{})
            << "role " << s.role << " at " << s.atMs;
    }
}

TEST_F(DealtTable, WhenTheServersClockRunsOutTheAwaitedRoleLosesByTime) {
    struct Case {
        const char *when;
        int moves;         // legal moves after the start; -1: not started
        bool settled;      // the leader sent "hitogs"
        bool leaderSilent; // the hand ended, the leader sent nothing
    };
    for (const Case c :
         {Case{"before the start", -1, false, false}, Case{"on the first move", 0, false, false},
          Case{"later in the hand", 3, false, false},
          Case{"the leader silent at the hand's end", 1000, false, true},
          Case{"after the settlement", 1000, true, false}}) {
        TableRelay table{TableRelay::shuffledDeck};
        for (int role = 1; role <= 4; ++role)
            table.join(role);
        if (c.moves >= 0)
            table.frame(1, framed("hbegin", 1));
        for (int i = 0; i < c.moves && table.game().HandInPlay(); ++i)
            table.frame(table.awaitedRole(), framed(legalMove(table), table.awaitedRole()));
        if (c.settled) {
            ASSERT_FALSE(table.frame(1, framed("hitogs", 1)).sends.isEmpty()) << c.when;
        }
        const int awaited = table.awaitedRole();
        const auto effects = table.clockRanOut();
        EXPECT_TRUE(effects.over) << c.when;
        EXPECT_FALSE(table.playing()) << c.when;
        std::set<int> timedOut, ended, settledByServer;
        for (const auto &out : effects.sends) {
            if (out.bytes.startsWith("hitogs")) {
                EXPECT_EQ(out.bytes, framed("hitogs", 0)) << c.when;
                EXPECT_TRUE(ended.empty()) << "the settlement comes before the end";
                settledByServer.insert(out.role);
            } else if (out.bytes.startsWith("TOut")) {
                EXPECT_EQ(out.bytes, framed("TOut", awaited)) << c.when;
                timedOut.insert(out.role);
            } else if (out.bytes.startsWith('e')) {
                ended.insert(out.role);
            }
        }
        const bool handEnded = c.settled || c.leaderSilent;
        EXPECT_EQ(timedOut, handEnded ? std::set<int>{} : allBut(awaited)) << c.when;
        const std::set<int> everyone{1, 2, 3, 4};
        EXPECT_EQ(settledByServer, c.leaderSilent ? everyone : std::set<int>{}) << c.when;
        EXPECT_EQ(ended, (std::set<int>{1, 2, 3, 4})) << c.when;
    }
    TableRelay waiting;
    EXPECT_TRUE(waiting.clockRanOut().sends.isEmpty());
}

TEST_F(DealtTable, ALeaverIsAnnouncedWithItsRoleAsSixthCharacter) {
    for (const char *how : {"disconnect", "disA"}) {
        TableRelay table{TableRelay::shuffledDeck};
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
    TableRelay relay;
    EXPECT_FALSE(relay.join(1).refused);
    EXPECT_TRUE(relay.join(1).refused);
    EXPECT_TRUE(relay.join(0).refused);
    EXPECT_TRUE(relay.join(5).refused);
    // Nothing is relayed before the deal.
    EXPECT_FALSE(relay.join(2).refused);
    EXPECT_TRUE(relay.frame(1, framed("sHi", 1)).sends.isEmpty());
    EXPECT_EQ(relay.awaitedRole(), 0);
    const auto effects = relay.leave(2);
    EXPECT_EQ(effects.leftBeforeDeal, 2);
    EXPECT_TRUE(effects.sends.isEmpty());
    EXPECT_FALSE(relay.join(2).refused); // the seat can be taken again
}

TEST(TableRelayDeal, ADeckSourceWithoutAWholeDeckIsReplacedByAShuffle) {
    TableRelay relay([] { return QByteArray(72, 'x'); });
    for (int role = 1; role <= 3; ++role)
        relay.join(role);
    const auto effects = relay.join(4);
    ASSERT_TRUE(effects.dealt);
    EXPECT_FALSE(effects.notes.isEmpty());
    EXPECT_NE(effects.sends[0].bytes.mid(1, 72), QByteArray(72, 'x'));
    EXPECT_EQ(relay.game().CardCount[1] + relay.game().CardCount[2] + relay.game().CardCount[3] +
                  relay.game().CardCount[4],
              36);
}

TEST(TableRelayMessages, ConnectFramesAndScoresAreReadStrictly) {
    EXPECT_EQ(TableRelay::connectRole(framed("connect3", 3)), 3);
    EXPECT_FALSE(TableRelay::connectRole(framed("connect3", 2)));
    EXPECT_FALSE(TableRelay::connectRole(framed("connect9", 9)));
    EXPECT_FALSE(TableRelay::connectRole(framed("hello", 1)));
    EXPECT_FALSE(TableRelay::connectRole("connect1"));
    // The seat token rides in the spare bytes between the role and the fill.
    EXPECT_EQ(TableRelay::connectToken(framed("connect3" + QByteArray(32, 'a'), 3)),
              QByteArray(32, 'a'));
    EXPECT_EQ(TableRelay::connectRole(framed("connect3" + QByteArray(41, 'f'), 3)), 3);
    EXPECT_EQ(TableRelay::connectToken(framed("connect3" + QByteArray(41, 'f'), 3)),
              QByteArray(41, 'f'));
    EXPECT_EQ(TableRelay::connectToken(framed("connect3", 3)), "");
    EXPECT_EQ(TableRelay::connectToken("connect1abc"), "");

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
