// The main window as the leader of a tournament table against a running
// wem-server, with three other programs: the lobby opened from the menu's
// tournament picture when logged in, the deal shown on the table with the
// leader's "To Begin" and its move clock at the bottom seat, the hand played
// by clicks and settled with "Total of game", and the leave button. The
// pictures of the lobby and of the table with a running clock are saved.
#include "TourFixture.h"

#include "../../match/WindowFixture.h"
#include "lang/QtWords.h"
#include "opponent/Chooser.h"

#include <algorithm>

#include <QApplication>
#include <QLabel>

namespace quarn::tour {
namespace {

using lan::testing::WaitUntil;
using testing::Program;

constexpr int kTable = 4;

void SaveShot(QWidget &widget, const QString &name) {
    QDir().mkpath(QStringLiteral(QUARN_TOUR_SHOTS));
    widget.grab().save(QStringLiteral(QUARN_TOUR_SHOTS "/") + name);
}

class TourWindowTest : public quarn::testing::WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        server_ = std::make_unique<servertest::RunningServer>();
        ASSERT_TRUE(server_->ok()) << server_->error().toStdString();
    }
    void TearDown() override {
        others_.clear();
        WindowTest::TearDown();
        server_.reset();
    }
    // The other three take seats 2, 3 and 4 once the window holds seat 1.
    void SeatTheOthers() {
        const char *nicks[] = {"Boris", "Clara", "Denis"};
        for (int i = 0; i < 3; ++i) {
            auto p = testing::MakeProgram(*server_, nicks[i], 'M');
            ASSERT_TRUE(p);
            p->OpenLobby();
            QTest::mouseClick(p->lobby->SeatButtonAt(kTable, i + 2), Qt::LeftButton);
            others_.push_back(std::move(p));
        }
    }
    Program &Other(int role) { return *others_[std::size_t(role - 2)]; }
    // The participant to move makes its move, wherever it sits.
    void MoveOnce(TForm1 &form) {
        const GameState &g = form.game();
        if (g.ToMove == kPlayerSeat) {
            const int slot = firstSlot(true);
            if (slot == 0)
                QTest::mouseClick(control<QPushButton>("Button7"), Qt::LeftButton);
            else
                clickCard(slot);
        } else {
            Program &mover = Other(RoleAtSeat(1, g.ToMove));
            ASSERT_EQ(mover.game.ToMove, kPlayerSeat);
            const int slot =
                ChooseCard(mover.game.Hands[kPlayerSeat], mover.game.Table, mover.game.MoveNumber);
            ASSERT_TRUE(MoveSeat(mover.game, kPlayerSeat, slot, Announce::Yes,
                                 mover.connection->RuleOutside()));
        }
        const int moves = g.MoveNumber;
        const auto bank = g.Bank;
        ASSERT_TRUE(WaitUntil([&] {
            for (auto &p : others_)
                if (p->game.Bank != g.Bank || p->game.MoveNumber != g.MoveNumber)
                    return false;
            return true;
        })) << moves
            << " " << bank;
    }

    std::unique_ptr<servertest::RunningServer> server_;
    std::vector<std::unique_ptr<Program>> others_;
};

TEST_F(TourWindowTest, TheWindowLeadsATournamentHandFromTheLobbyToTheLeaveButton) {
    Settings settings = quickSettings();
    writeSettings(settings);
    TForm1 &form = openToMenu();
    form.web().addresses() = web::Addresses::forServer(server_->baseUrl());
    web::WebServices web(form.web());
    ASSERT_TRUE(testing::RegisterAndLogIn(web, "Anna", 'W', form.account()));

    // The picture opens the lobby; in it the window takes seat 1 and the
    // others fill the table: the deal closes the lobby.
    bool lobbySeen = false;
    QTimer::singleShot(0, [&] {
        auto *lobby = qobject_cast<TFormTournament *>(QApplication::activeModalWidget());
        ASSERT_NE(lobby, nullptr);
        lobbySeen = true;
        SaveShot(*lobby, QStringLiteral("lobby-empty.png"));
        QTest::mouseClick(lobby->SeatButtonAt(kTable, 1), Qt::LeftButton);
        ASSERT_EQ(lobby->Held(), (HeldSeat{kTable, 1}));
        SeatTheOthers();
        lobby->Refresh();
        SaveShot(*lobby, QStringLiteral("lobby-seats.png"));
    });
    QTest::mouseClick(control<QPushButton>("ImageTournament"), Qt::LeftButton);
    ASSERT_TRUE(lobbySeen);
    ASSERT_TRUE(WaitUntil([&] { return form.game().InGame; }));
    const GameState &g = form.game();
    EXPECT_TRUE(g.Tournament);
    EXPECT_EQ(g.SeatName[2], "Boris");
    auto *begin = control<QPushButton>("Button7");
    EXPECT_EQ(begin->text(), QStringLiteral("To Begin"));
    EXPECT_TRUE(begin->isEnabled()) << "the leader starts";
    auto *clock = control<QLabel>("ImTimer4");
    ASSERT_NE(clock, nullptr);
    EXPECT_TRUE(clock->isVisible());
    EXPECT_EQ(clock->text(), QStringLiteral("26"));
    form.tournament().TickClock();
    EXPECT_EQ(clock->text(), QStringLiteral("25"));
    SaveShot(form, QStringLiteral("table-clock.png"));

    QTest::mouseClick(begin, Qt::LeftButton);
    // Every other program must have started the hand before the first of
    // them can move: the opening seat may be any of them.
    ASSERT_TRUE(WaitUntil([&] {
        return std::all_of(others_.begin(), others_.end(),
                           [](const auto &p) { return p->game.Phase == kPhasePlaying; });
    }));
    for (int guard = 0; guard < 300 && g.HandInPlay(); ++guard) {
        MoveOnce(form);
        if (HasFatalFailure())
            return;
        QTest::qWait(0);
        if (g.HandInPlay() && g.ToMove != kPlayerSeat) {
            EXPECT_TRUE(
                control<QLabel>(("ImTimer" + std::to_string(g.ToMove)).c_str())->isVisible());
        }
    }
    ASSERT_EQ(g.ToMove, kHandEnded);
    EXPECT_EQ(begin->text(), QStringLiteral("Total of game"));
    ASSERT_TRUE(begin->isEnabled());
    QTest::mouseClick(begin, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return form.tournament().State() == kGameOver; }));
    auto *leave = control<QPushButton>("Button8");
    ASSERT_TRUE(WaitUntil([&] { return leave->isEnabled(); }));
    for (int role = 2; role <= 4; ++role)
        ASSERT_TRUE(WaitUntil([&] { return Other(role).game.ToMove == kHandSettled; }));

    // Leaving records the match and opens the lobby again.
    bool reopened = false;
    QTimer::singleShot(50, [&] {
        auto *lobby = qobject_cast<TFormTournament *>(QApplication::activeModalWidget());
        reopened = lobby != nullptr;
        if (lobby)
            lobby->reject();
    });
    QTest::mouseClick(leave, Qt::LeftButton);
    ASSERT_TRUE(WaitUntil([&] { return reopened; }));
    EXPECT_FALSE(form.game().Tournament);
}

} // namespace
} // namespace quarn::tour
