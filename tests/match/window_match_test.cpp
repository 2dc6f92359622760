// Whole matches played through the main window as a person plays them.
#include "WindowFixture.h"

#include "rules/Moves.h"
#include "store/History.h"

#include <QMenu>

using namespace quarn;
using namespace quarn::testing;

namespace {

class MatchThroughWindow : public WindowTest {};

TEST_F(MatchThroughWindow, NewPlayerPlaysTwoHandsAndLeavesWithTheResultRecorded) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    logInNewPlayer(QStringLiteral("Tester"));

    const GameState &g = form.game();
    ASSERT_TRUE(g.InGame);
    EXPECT_FALSE(form.menuShown());
    EXPECT_EQ(g.Phase, kPhaseDealt);
    EXPECT_EQ(g.HandNumber, 1);
    EXPECT_EQ(button7()->text(), QStringLiteral("To Begin"));
    EXPECT_TRUE(button7()->isEnabled());
    EXPECT_FALSE(button8()->isEnabled());
    EXPECT_FALSE(form.timer()->isActive()) << "the tick waits for the start command";
    EXPECT_EQ(form.settings().playerName, "Tester");

    // Before the start the tick moves nobody, even when a computer seat opens.
    const auto countsBefore = g.CardCount;
    form.Tick();
    EXPECT_EQ(g.CardCount, countsBefore);

    for (int hand = 1; hand <= 2; ++hand) {
        QTest::mouseClick(button7(), Qt::LeftButton);
        EXPECT_EQ(g.Phase, kPhasePlaying);
        EXPECT_EQ(g.Bank, 8);
        EXPECT_TRUE(form.timer()->isActive());
        EXPECT_EQ(form.timer()->interval(), 200);
        EXPECT_EQ(button7()->text(), QStringLiteral("Pass"));

        playHandToItsEnd();
        EXPECT_EQ(button7()->text(), QStringLiteral("Total of game"));
        EXPECT_TRUE(button7()->isEnabled());
        EXPECT_FALSE(button8()->isEnabled());

        QTest::mouseClick(button7(), Qt::LeftButton);
        EXPECT_EQ(g.ToMove, kHandSettled);
        EXPECT_EQ(g.Bank, 0);
        EXPECT_EQ(scoreSum(), 0);
        EXPECT_EQ(button7()->text(), QStringLiteral("Next game"));
        EXPECT_TRUE(button7()->isEnabled());
        EXPECT_TRUE(button8()->isEnabled());
        if (hand == 1) {
            QTest::mouseClick(button7(), Qt::LeftButton);
            EXPECT_EQ(g.Phase, kPhaseDealt);
            EXPECT_EQ(g.HandNumber, 2);
            EXPECT_FALSE(form.timer()->isActive());
        }
    }

    const int score = g.PlayerScore;
    QTest::mouseClick(button8(), Qt::LeftButton);
    EXPECT_FALSE(g.InGame);
    EXPECT_TRUE(form.menuShown());
    EXPECT_FALSE(form.timer()->isActive()) << "the menu rests until the next deal";

    // The club file holds the new player with two hands and the match score.
    const std::optional<ClubFile> file = club();
    ASSERT_TRUE(file);
    bool found = false;
    for (int line = 1; line <= 5; ++line) {
        const std::optional<MemberRecord> m = file->member(line);
        if (m && m->name == "Tester") {
            found = true;
            EXPECT_EQ(m->hands, 2);
            EXPECT_EQ(m->cycleScore, score);
            EXPECT_DOUBLE_EQ(m->rating, score / 2.0);
            EXPECT_EQ(decodePassword(m->encodedPassword), std::optional<std::string>("pw   "));
        }
    }
    EXPECT_TRUE(found);
    EXPECT_TRUE(file->isCorrect());

    const std::vector<HistoryRow> rows = readHistoryFile(folder_, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(QString::fromStdString(rows[0].player).trimmed(), QStringLiteral("Tester"));
    EXPECT_EQ(QString::fromStdString(rows[0].games).trimmed(), QStringLiteral("2"));
    EXPECT_EQ(QString::fromStdString(rows[0].result).trimmed(), QString::number(score));
    EXPECT_EQ(rows[0].kind, 'L');

    // The menu shows the new member.
    bool listed = false;
    for (int line = 1; line <= 5; ++line)
        listed = listed || control<QPushButton>(("Button" + std::to_string(line)).c_str())
                               ->text()
                               .startsWith("Tester");
    EXPECT_TRUE(listed);
}

TEST_F(MatchThroughWindow, CardFlightPlaysTheSameHand) {
    Settings s;
    s.cardFlight = true;
    s.flightSpeed = 6;
    writeSettings(s);
    TForm1 &form = openToMenu();
    logInNewPlayer(QStringLiteral("Flyer"));
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    EXPECT_EQ(form.game().CardCount[1] + form.game().CardCount[2] + form.game().CardCount[3] +
                  form.game().CardCount[4] + form.game().MoveNumber - 1,
              36);
}

TEST_F(MatchThroughWindow, MemberWithTheWrongPasswordStaysInTheMenu) {
    addMember("Anna", "abc", 12, 5, 0.5);
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    logInMember(1, QStringLiteral("abd"));
    EXPECT_TRUE(form.menuShown());
    EXPECT_FALSE(form.game().InGame);
    EXPECT_TRUE(Ask::asked().contains(QStringLiteral("The incorrect password!")));

    logInMember(1, QStringLiteral("abc"));
    ASSERT_TRUE(form.game().InGame);
    EXPECT_EQ(form.game().PlayerKind, 1);
    EXPECT_EQ(form.game().HandNumber, 13);
    EXPECT_EQ(form.game().ScoreAtStart, 5);
    EXPECT_EQ(form.game().SeatName[4], "Anna");
}

TEST_F(MatchThroughWindow, EmptyMemberButtonDoesNothing) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    QTest::mouseClick(control<QPushButton>("Button3"), Qt::LeftButton);
    EXPECT_TRUE(form.menuShown());
    EXPECT_FALSE(form.game().InGame);
    EXPECT_EQ(sound_.count("WOpenFo"), 0);
}

TEST_F(MatchThroughWindow, CancelledLogInKeepsTheMenu) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    answerLogIn(QStringLiteral("Nobody"), QStringLiteral("1"), QStringLiteral("1"), true);
    QTest::mouseClick(control<QPushButton>("Button6"), Qt::LeftButton);
    EXPECT_TRUE(form.menuShown());
    EXPECT_FALSE(form.game().InGame);
    EXPECT_EQ(form.settings().playerName, "Mr.X");
}

// Leaving a match without its result: through the pop-up menu or by
// closing the window, answered yes or no.
struct LeaveCase {
    const char *name;
    bool byClosing;
    bool answerYes;
    bool memberRemoved;
    bool windowOpen;
};

class LeaveMidMatch : public WindowTest, public ::testing::WithParamInterface<LeaveCase> {};

TEST_P(LeaveMidMatch, AsksAndRemovesTheMemberOnlyOnYes) {
    const LeaveCase &c = GetParam();
    addMember("Anna", "abc", 12, 5, 0.5);
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    logInMember(1, QStringLiteral("abc"));
    ASSERT_TRUE(form.game().InGame);
    QTest::mouseClick(button7(), Qt::LeftButton);
    form.Tick();

    Ask::clearAsked();
    Ask::setNextAnswer(c.answerYes ? QMessageBox::Yes : QMessageBox::No);
    if (c.byClosing)
        form.close();
    else
        control<QMenu>("PopupMenu1")->findChild<QAction *>(QStringLiteral("Quit"))->trigger();

    ASSERT_EQ(Ask::asked().size(), 1);
    EXPECT_EQ(
        Ask::asked().front(),
        c.byClosing
            ? QStringLiteral("You want to leave from game? All datas for want of it will be lost!")
            : QStringLiteral(
                  "You want to leave in the main menu?\n\rAll datas for want of it will be lost!"));
    EXPECT_EQ(club()->memberEmpty(1), c.memberRemoved);
    EXPECT_EQ(form.isVisible(), c.windowOpen);
    EXPECT_TRUE(listHistoryFiles(folder_).empty()) << "nothing is recorded";
    EXPECT_EQ(form.menuShown(), !c.byClosing && c.answerYes);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeaveMidMatch,
                         ::testing::Values(LeaveCase{"PopupYes", false, true, true, true},
                                           LeaveCase{"PopupNo", false, false, false, true},
                                           LeaveCase{"CloseYes", true, true, true, false},
                                           LeaveCase{"CloseNo", true, false, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(MatchThroughWindow, ClosingInTheMenuAsksNothingAndSavesTheSettings) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    QTest::mouseClick(control<QPushButton>("BMode"), Qt::LeftButton);
    EXPECT_EQ(sound_.count("WOpenFo"), 1) << "the club display mode plays its sound";
    QTest::mouseClick(control<QPushButton>("Button11"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(Ask::asked().isEmpty());
    EXPECT_EQ(loadSettings(folder_).clubDisplayMode, ClubDisplayMode::Rating);
}

TEST_F(MatchThroughWindow, CompletedCycleAllowsOnlyLeavingAndShowsTheEndOfGame) {
    addMember("Anna", "abc", 29, 70, 2.0);
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    logInMember(1, QStringLiteral("abc"));
    ASSERT_EQ(form.game().HandNumber, 30);
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    QTest::mouseClick(button7(), Qt::LeftButton);
    EXPECT_FALSE(button7()->isEnabled()) << "no next game after hand 30";
    EXPECT_TRUE(button8()->isEnabled());

    const int total = form.game().PlayerTotal;
    QTest::mouseClick(button8(), Qt::LeftButton);
    ASSERT_EQ(windows_.endOfGame.size(), 1u);
    EXPECT_EQ(windows_.endOfGame[0].score, total);
    EXPECT_EQ(windows_.worldTopTen, std::vector<std::int32_t>{total});
    const std::optional<MemberRecord> anna = club()->member(1);
    ASSERT_TRUE(anna);
    EXPECT_EQ(anna->hands, 30);
    EXPECT_EQ(anna->cycleScore, 0) << "a new cycle starts at 0";
    // The cycle's score enters the top ten at the place the window is told.
    const int place = windows_.endOfGame[0].place;
    if (total >= 12) {
        ASSERT_GE(place, 1);
        EXPECT_EQ(club()->topTen(place).name, "Anna");
        EXPECT_EQ(club()->topTen(place).score, std::optional<int>(total));
    } else {
        EXPECT_EQ(place, 0);
    }
}

} // namespace
