// Four programs, each logged in with its own account, against a running
// wem-server: the lobby's seats and buttons as the seats fill, the deal
// closing the four lobbies, a hand played to its settlement with the
// standings changed on the server, and the hand broken off by a time-out,
// by a participant leaving and by the server stopping.
#include "TourFixture.h"

#include "lang/Language.h"
#include "opponent/Chooser.h"
#include "rules/Moves.h"
#include "web/WebServices.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace quarn::tour {
namespace {

using lan::testing::WaitUntil;
using testing::Program;

constexpr int kTable = 2;

class TourServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setLanguage(0);
        server_ = std::make_unique<servertest::RunningServer>();
        ASSERT_TRUE(server_->ok()) << server_->error().toStdString();
        const char *nicks[] = {"Anna", "Boris", "Clara", "Denis"};
        for (int i = 0; i < 4; ++i) {
            auto p = testing::MakeProgram(*server_, nicks[i], i % 2 ? 'M' : 'W');
            ASSERT_TRUE(p) << nicks[i];
            programs_.push_back(std::move(p));
        }
    }
    void TearDown() override {
        programs_.clear();
        server_.reset();
    }
    Program &P(int role) { return *programs_[std::size_t(role - 1)]; }

    // The four take the seats of the table in turn; the server deals.
    void SeatAllFour() {
        for (int role = 1; role <= 4; ++role) {
            P(role).OpenLobby();
            P(role).lobby->Refresh();
            ASSERT_TRUE(P(role).SeatEnabled(kTable, role)) << role;
            QTest::mouseClick(P(role).lobby->SeatButtonAt(kTable, role), Qt::LeftButton);
            if (role < 4) {
                ASSERT_EQ(P(role).lobby->Held(), (HeldSeat{kTable, role}));
            }
        }
        ASSERT_TRUE(WaitUntil([&] {
            for (int role = 1; role <= 4; ++role)
                if (!P(role).game.InGame)
                    return false;
            return true;
        }));
    }
    // Every program sees the same hand: the same bank, cards and role to move.
    bool InStep() {
        for (int role = 2; role <= 4; ++role) {
            const GameState &a = P(1).game;
            const GameState &b = P(role).game;
            if (a.Bank != b.Bank || a.MoveNumber != b.MoveNumber || a.Phase != b.Phase ||
                a.Table != b.Table || (a.HandInPlay() != b.HandInPlay()) ||
                (a.HandInPlay() && P(1).RoleToMove() != P(role).RoleToMove()) ||
                (a.ToMove == kHandEnded) != (b.ToMove == kHandEnded))
                return false;
            int cardsA = 0, cardsB = 0;
            for (int s = 1; s <= 4; ++s) {
                cardsA += a.CardCount[s];
                cardsB += b.CardCount[s];
            }
            if (cardsA != cardsB)
                return false;
        }
        return true;
    }
    void LeaderStarts() {
        Program &leader = P(1);
        ASSERT_TRUE(StartHand(leader.game, leader.connection->RuleOutside()));
        leader.connection->OwnMoveMade();
        ASSERT_TRUE(WaitUntil([&] { return InStep() && P(2).game.Phase == kPhasePlaying; }));
    }
    // The participant to move makes its move on its own program.
    void MoveOnce() {
        Program &mover = P(P(1).RoleToMove());
        ASSERT_EQ(mover.game.ToMove, kPlayerSeat);
        const int slot =
            ChooseCard(mover.game.Hands[kPlayerSeat], mover.game.Table, mover.game.MoveNumber);
        ASSERT_TRUE(MoveSeat(mover.game, kPlayerSeat, slot, Announce::Yes,
                             mover.connection->RuleOutside()));
        mover.connection->OwnMoveMade();
        ASSERT_TRUE(WaitUntil([&] { return InStep(); }));
    }
    std::int32_t StandingOnServer(Program &p) {
        const auto reply = p.web->PostTournament(OwnStandingBody(p.nick));
        const auto standing = reply.ok ? ParseOwnStanding(reply.value) : std::nullopt;
        return standing ? standing->score : -99999;
    }

    std::unique_ptr<servertest::RunningServer> server_;
    std::vector<std::unique_ptr<Program>> programs_;
};

TEST_F(TourServerTest, LobbySeatsFillAndAHandIsPlayedToItsSettlement) {
    Program &anna = P(1);
    anna.OpenLobby();
    EXPECT_TRUE(anna.lobby->ServerOn());
    EXPECT_EQ(anna.lobby->ServerPicture()->text(), QStringLiteral("Server On"));
    EXPECT_EQ(anna.SeatText(kTable, 1), QStringLiteral("Take the place of"));
    EXPECT_TRUE(anna.SeatEnabled(kTable, 1));
    EXPECT_EQ(anna.SeatText(kTable, 2), QStringLiteral("Free"));
    EXPECT_FALSE(anna.SeatEnabled(kTable, 2));
    EXPECT_EQ(anna.lobby->ResultValue(1), QStringLiteral("Anna"));
    EXPECT_EQ(anna.lobby->ResultValue(3), QStringLiteral("1"));

    QTest::mouseClick(anna.lobby->SeatButtonAt(kTable, 1), Qt::LeftButton);
    ASSERT_EQ(anna.lobby->Held(), (HeldSeat{kTable, 1}));
    EXPECT_EQ(anna.SeatText(kTable, 1), QStringLiteral("Log off"));
    EXPECT_TRUE(anna.SeatEnabled(kTable, 1));
    EXPECT_FALSE(anna.SeatEnabled(5, 1)) << "one seat at a time";
    EXPECT_FALSE(anna.lobby->CloseButton()->isEnabled());
    anna.lobby->reject();
    EXPECT_TRUE(anna.lobby->isVisible()) << "no closing while a seat is held";
    ASSERT_TRUE(WaitUntil([&] { return anna.connection->State() == kAnnounced; }));

    // Giving the seat up frees it and lets the window close; taking it again.
    QTest::mouseClick(anna.lobby->SeatButtonAt(kTable, 1), Qt::LeftButton);
    EXPECT_EQ(anna.lobby->Held(), HeldSeat{});
    EXPECT_EQ(anna.connection->State(), kNoSeat);
    EXPECT_EQ(anna.SeatText(kTable, 1), QStringLiteral("Take the place of"));
    EXPECT_TRUE(anna.lobby->CloseButton()->isEnabled());
    anna.lobby.reset();

    Program &boris = P(2);
    SeatAllFour();
    for (int role = 1; role <= 4; ++role) {
        EXPECT_FALSE(P(role).lobby->isVisible()) << "the deal closes the lobby";
        EXPECT_EQ(P(role).lobby->Held(), HeldSeat{});
        EXPECT_TRUE(P(role).game.Tournament);
        EXPECT_EQ(P(role).connection->TimerSeat(), LeaderSeat(role));
    }
    // Each program was dealt only its own nine cards: the others' hands are
    // unknown to it, and the four own hands are the whole deck.
    std::set<int> dealt;
    for (int role = 1; role <= 4; ++role) {
        EXPECT_TRUE(P(role).game.HandsUnknown) << role;
        for (int slot = 1; slot <= P(role).game.CardCount[kPlayerSeat]; ++slot)
            dealt.insert(CardNumber(P(role).game.Hands[kPlayerSeat][slot].card));
    }
    EXPECT_EQ(dealt.size(), 36u);
    EXPECT_EQ(boris.game.SeatName[LeaderSeat(2)], "Anna");
    EXPECT_EQ(boris.game.SeatName[4], "Boris");

    const std::int32_t before[] = {0, StandingOnServer(P(1)), StandingOnServer(P(2)),
                                   StandingOnServer(P(3)), StandingOnServer(P(4))};
    LeaderStarts();
    for (int guard = 0; guard < 300 && P(1).game.HandInPlay(); ++guard) {
        MoveOnce();
        if (HasFatalFailure())
            return;
    }
    ASSERT_EQ(P(1).game.ToMove, kHandEnded);
    EXPECT_EQ(P(1).connection->TimerSeat(), kPlayerSeat) << "the leader's clock for the settlement";
    ASSERT_TRUE(SettleHand(P(1).game, P(1).connection->RuleOutside()));
    ASSERT_TRUE(WaitUntil([&] {
        for (int role = 1; role <= 4; ++role)
            if (P(role).connection->State() != kGameOver)
                return false;
        return true;
    }));
    std::int32_t sum = 0;
    for (int role = 1; role <= 4; ++role) {
        EXPECT_EQ(P(role).game.ToMove, kHandSettled) << role;
        EXPECT_TRUE(P(role).game.MayLeave);
        EXPECT_TRUE(P(role).ended.empty());
        const std::int32_t change = StandingOnServer(P(role)) - before[role];
        EXPECT_EQ(change, P(role).game.Score[kPlayerSeat]) << P(role).nick;
        sum += change;
    }
    EXPECT_EQ(sum, 0);
}

// The leader's clock is ticked through at once, faster than the server's own
// clock: the server drops the early "TOut", and the leader, whose program
// has given up and closed its connection, has left the game for the others.
TEST_F(TourServerTest, TheLeadersClockRunningAheadOfTheServersEndsTheGameAsALeaver) {
    SeatAllFour();
    Program &leader = P(1);
    for (int second = 0; second < kMoveSeconds; ++second)
        leader.connection->TickClock();
    ASSERT_EQ(leader.ended.size(), 1u);
    EXPECT_EQ(leader.ended[0], QStringLiteral("Your time is up!|You lose!"));
    for (int role = 2; role <= 4; ++role) {
        ASSERT_TRUE(WaitUntil([&] { return !P(role).ended.empty(); })) << role;
        EXPECT_EQ(P(role).ended[0], QStringLiteral("Player Anna interrupted the game!|You won!"));
        EXPECT_EQ(P(role).game.ToMove, kHandSettled);
        EXPECT_TRUE(P(role).game.MayLeave);
    }
}

TEST_F(TourServerTest, AParticipantLeavingMidHandEndsItForTheOthers) {
    SeatAllFour();
    LeaderStarts();
    for (int i = 0; i < 3; ++i)
        MoveOnce();
    P(3).connection->CloseConnection();
    for (int role : {1, 2, 4}) {
        ASSERT_TRUE(WaitUntil([&] { return !P(role).ended.empty(); })) << role;
        EXPECT_EQ(P(role).ended[0], QStringLiteral("Player Clara interrupted the game!|You won!"));
        EXPECT_EQ(P(role).connection->State(), kGameOver);
    }
    QTest::qWait(100);
    for (int role : {1, 2, 4})
        EXPECT_EQ(P(role).ended.size(), 1u) << "the connection closing after it shows nothing";
}

TEST_F(TourServerTest, TheServerStoppingMidHandIsALostConnection) {
    SeatAllFour();
    LeaderStarts();
    MoveOnce();
    server_->stop();
    for (int role = 1; role <= 4; ++role) {
        ASSERT_TRUE(WaitUntil([&] { return !P(role).ended.empty(); })) << role;
        EXPECT_EQ(P(role).ended[0], QStringLiteral("Lost connection with the server!|"));
        EXPECT_TRUE(P(role).game.MayLeave);
        EXPECT_FALSE(P(role).connection->ErrorFlag());
    }
}

TEST_F(TourServerTest, TopTenWithItsCriteriaAndTheOwnPlace) {
    Program &anna = P(1);
    anna.OpenLobby();
    TFormTournamentTop top(anna.context(), anna.lobby->OwnEntry(), anna.services());
    ASSERT_TRUE(top.ListRead());
    EXPECT_TRUE(top.LineText(1).isEmpty()) << "nobody has played yet";
    ASSERT_TRUE(top.OwnPlace());
    EXPECT_EQ(*top.OwnPlace(), 1);
    EXPECT_EQ(top.PlacePictureName(), QStringLiteral("GPlace01"));
    top.Choice(TopCriterion::Games)->click();
    EXPECT_EQ(TFormTournamentTop::RememberedCriterion(), TopCriterion::Games);
    EXPECT_TRUE(top.ListRead());
}

} // namespace
} // namespace quarn::tour
