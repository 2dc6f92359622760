// Account matches through the main window against a running wem-server: the
// account entry starts the match and stores the pre-charge, three hands are
// played as the player would, and leaving records them; a match that
// completes the game goes to the account list with its bonus; a server that
// stops in the middle is asked about and nothing it acknowledged is lost.
#include "WindowFixture.h"
#include "tests/server/TestMember.h"

#include "store/History.h"
#include "tests/server/ServerHarness.h"
#include "ui/AuxWindowSet.h"
#include "ui/GameCount.h"
#include "ui/TFormCount.h"
#include "ui/TFormEndGame.h"
#include "web/AccountRating.h"
#include "web/WebServices.h"

#include <QAction>
#include <QDir>
#include <QMessageBox>

#include <fstream>

namespace quarn::testing {
namespace {

using servertest::RunningServer;
using servertest::ServerSetup;

// The service writes ratings with six decimals, and the end of a match
// carries the rounding of the stored pre-charge forward, so a rating read back
// may differ from the exact one by a few units of the sixth decimal.
constexpr double kRatingDecimals = 1e-5;

class AccountMatchFlow : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        server_ = std::make_unique<RunningServer>();
        ASSERT_TRUE(server_->ok()) << server_->error().toStdString();
        std::ofstream(folder_ / "Quarn.srv") << server_->baseUrl() << "\n";
        const web::TWemUser user = servertest::testMember({.nick = "Ann",
                                                           .city = "Omsk",
                                                           .sex = 'W',
                                                           .email = "ann@example.org",
                                                           .dateR = "01.02.2024"});
        ASSERT_EQ(own().RegisterAccount(user), web::kRegistered);
    }

    web::WebServices own() {
        return web::WebServices(web::Addresses::forServer(server_->baseUrl()));
    }

    // The menu, logged in to the account through the window's own client;
    // the account window stands in as a player who ticks "Play global rating".
    void openLoggedIn() {
        writeSettings(quickSettings());
        openToMenu();
        const auto login = web::WebServices(form_->web()).LoginAccount("Ann", "secret1");
        ASSERT_TRUE(login.ok);
        form_->account().user = login.value;
        form_->account().state = web::AccountState::LoggedIn;
        form_->setAccountWindowForMatch([this] {
            ++accountWindows_;
            form_->account().state = web::AccountState::PlayingForRating;
        });
        form_->setAccountPictureUpdate([this] { ++pictureUpdates_; });
    }

    // 27 hands of the current game played: the next match completes it.
    void accountBeforeItsLastMatch() {
        servertest::storeGameRecord(
            *server_, "Ann",
            {.kon = 27, .rating = web::AccountRating(40, 27), .konl = 27, .score = 40});
    }

    web::TWemGame serverRecord() {
        const auto read = own().ReadGameResults("Ann", "secret1", {});
        EXPECT_TRUE(read.ok);
        return read.value;
    }

    // Hands until the block of three is complete, then the player may only leave.
    void playBlock() {
        for (int hand = 1; hand <= 3; ++hand) {
            ASSERT_EQ(form_->game().Phase, kPhaseDealt);
            QTest::mouseClick(button7(), Qt::LeftButton); // "To Begin"
            playHandToItsEnd(false);
            QTest::mouseClick(button7(), Qt::LeftButton); // "Total of game"
            ASSERT_EQ(form_->game().ToMove, kHandSettled);
            if (hand < 3) {
                EXPECT_FALSE(button8()->isEnabled()) << "an account match leaves after 3 hands";
                QTest::mouseClick(button7(), Qt::LeftButton); // "Next game"
            }
        }
        EXPECT_FALSE(button7()->isEnabled());
        EXPECT_TRUE(button8()->isEnabled());
    }

    std::unique_ptr<RunningServer> server_;
    int accountWindows_ = 0;
    int pictureUpdates_ = 0;
};

TEST_F(AccountMatchFlow, ThreeHandsRecordedOnTheServer) {
    openLoggedIn();
    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
    ASSERT_EQ(accountWindows_, 1);
    ASSERT_FALSE(form_->menuShown());
    EXPECT_TRUE(form_->game().IsAccountGame());
    EXPECT_TRUE(form_->account().accountMatch);
    EXPECT_EQ(form_->game().PlayerName.substr(0, 3), "Ann");

    // The server holds the pre-charge: three hands scored -50.
    web::TWemGame held = serverRecord();
    EXPECT_EQ(held.Kon, 3);
    EXPECT_EQ(held.KonL, 0);
    EXPECT_NEAR(held.Rating, web::AccountRating(-50, 3), kRatingDecimals);
    EXPECT_EQ(form_->account().game.Kon, 0); // the local record keeps its own values

    playBlock();
    // The game information in state 3: the hands of the current game, the
    // account's rating as a whole number, no current rating.
    const TCount count = fillCount(form_->game(), form_->accountStanding());
    EXPECT_EQ(count.Count_KonCur, "3");
    EXPECT_EQ(count.Count_ReiBeg, "0");
    EXPECT_EQ(count.Count_ReiCur, "?");

    const int score = form_->game().PlayerScore;
    QTest::mouseClick(button8(), Qt::LeftButton); // "Exit to menu"
    EXPECT_TRUE(form_->menuShown());
    EXPECT_TRUE(Ask::asked().isEmpty()) << Ask::asked().join('|').toStdString();

    held = serverRecord();
    EXPECT_EQ(held.Kon, 3);
    EXPECT_EQ(held.KonL, 3);
    EXPECT_EQ(held.Score, score);
    EXPECT_EQ(held.Sessions, 0);
    EXPECT_NEAR(held.Rating, web::AccountRating(score, 3), kRatingDecimals);
    EXPECT_NEAR(form_->game().Rating, held.Rating, kRatingDecimals);
    // Back in the menu the account is logged in, no longer playing for the rating.
    EXPECT_EQ(form_->account().state, web::AccountState::LoggedIn);
    EXPECT_FALSE(form_->account().accountMatch);
    EXPECT_GE(pictureUpdates_, 2);
    EXPECT_TRUE(windows_.accountEndOfGame.empty());

    const auto rows = readHistoryFile(folder_, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].kind, 'A');
    EXPECT_EQ(std::stoi(rows[0].result), score);
}

TEST_F(AccountMatchFlow, CompletedGameGoesToTheAccountListWithItsBonus) {
    accountBeforeItsLastMatch();
    openLoggedIn();
    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
    ASSERT_TRUE(form_->game().IsAccountGame());
    EXPECT_EQ(form_->game().HandNumber, 28); // the first hand is dealt
    EXPECT_EQ(form_->game().PlayerTotal, 40);
    playBlock();
    const TCount count = fillCount(form_->game(), form_->accountStanding());
    EXPECT_EQ(count.Count_KonCur, "30");

    const int score = form_->game().PlayerScore;
    const int total = 40 + score;
    QTest::mouseClick(button8(), Qt::LeftButton);
    EXPECT_TRUE(form_->menuShown());

    const web::TWemGame held = serverRecord();
    EXPECT_EQ(held.Kon, 30);
    EXPECT_EQ(held.KonL, 0);
    EXPECT_EQ(held.Score, 0);
    EXPECT_EQ(held.Sessions, 1);
    EXPECT_EQ(held.Best, std::max(0, total));
    EXPECT_NEAR(held.Rating, web::AccountRating(40 + score, 30), kRatingDecimals);

    // The only entry of the list: place 1, 25 Wems.
    ASSERT_EQ(windows_.accountEndOfGame.size(), 1u);
    EXPECT_EQ(windows_.accountEndOfGame[0].place, 1);
    EXPECT_EQ(windows_.accountEndOfGame[0].score, total);
    EXPECT_EQ(windows_.accountEndOfGame[0].bonus, 25);
    EXPECT_TRUE(windows_.endOfGame.empty());
    const auto list = own().ReadWorldList(web::kAccountGamesList);
    ASSERT_TRUE(list.ok);
    EXPECT_EQ(list.value[0].Nick, "Ann");
    EXPECT_EQ(list.value[0].Score, total);
    EXPECT_EQ(list.value[1].Nick, "#");
    EXPECT_EQ(own().ReadBalance("Ann").value, 25);
    EXPECT_EQ(form_->account().user.R04, 25);
}

// The server goes away after the pre-charge. Leaving asks to try again; the
// server comes back (same data, same port) and the record is completed.
// Declined, the acknowledged pre-charge stays in force.
class ServerStopped : public AccountMatchFlow, public ::testing::WithParamInterface<bool> {};

TEST_P(ServerStopped, InTheMiddleOfAnAccountMatch) {
    const bool comesBack = GetParam();
    openLoggedIn();
    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
    ASSERT_TRUE(form_->game().IsAccountGame());
    playBlock();
    const int score = form_->game().PlayerScore;
    ServerSetup setup;
    setup.dataDir = server_->dataDir();
    const quint16 port = server_->httpPort();
    setup.adjust = [port](server::ServerOptions &o) { o.httpPort = port; };
    server_->stop();

    std::unique_ptr<RunningServer> restarted;
    QStringList questions;
    Ask::setQuiet(false);
    QTimer::singleShot(0, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        questions << box->text();
        if (comesBack)
            restarted = std::make_unique<RunningServer>(setup);
        box->button(comesBack ? QMessageBox::Yes : QMessageBox::No)->click();
    });
    QTest::mouseClick(button8(), Qt::LeftButton);
    Ask::setQuiet(true);
    EXPECT_TRUE(form_->menuShown());
    ASSERT_EQ(questions.size(), 1);
    EXPECT_TRUE(questions[0].contains(QStringLiteral("Could not connect to server!")));
    EXPECT_TRUE(questions[0].contains(QStringLiteral("Repeat?")));
    EXPECT_EQ(form_->account().state, web::AccountState::LoggedIn);
    EXPECT_FALSE(form_->account().accountMatch);

    if (!restarted)
        restarted = std::make_unique<RunningServer>(setup);
    ASSERT_TRUE(restarted->ok()) << restarted->error().toStdString();
    const web::TWemGame held = serverRecord();
    EXPECT_EQ(held.Kon, 3); // the acknowledged pre-charge is kept
    if (comesBack) {
        EXPECT_EQ(held.KonL, 3);
        EXPECT_EQ(held.Score, score);
        EXPECT_NEAR(held.Rating, web::AccountRating(score, 3), kRatingDecimals);
        EXPECT_NEAR(form_->game().Rating, held.Rating, kRatingDecimals);
    } else {
        EXPECT_EQ(held.KonL, 0);
        EXPECT_NEAR(held.Rating, web::AccountRating(-50, 3), kRatingDecimals);
    }
}

INSTANTIATE_TEST_SUITE_P(Account, ServerStopped, ::testing::Bool(), [](const auto &info) {
    return std::string(info.param ? "ServerComesBack" : "PlayerGivesUp");
});

// The real windows on the values of an account match: the game information
// in state 3 during the match and the end-of-game window with the place,
// score and bonus of the account list. Their pictures go to shots/.
TEST_F(AccountMatchFlow, WindowsShowTheAccountValues) {
    const std::filesystem::path library = std::filesystem::path(QUARN_DIST_DIR) / "WemCGraph1.dll";
    if (std::filesystem::exists(library))
        std::filesystem::copy_file(library, folder_ / "WemCGraph1.dll");
    accountBeforeItsLastMatch();
    openLoggedIn();
    AuxWindowSet windows({dir_.path() + QLatin1Char('/'), &form_->editableSettings(), &sound_,
                          [](const QString &) {}},
                         form_.get());
    windows.setAccountSource([this] { return form_->accountStanding(); });
    QStringList shown;
    std::optional<EndOfGameView> end;
    windows.setRunner([&](QDialog &dialog) {
        dialog.show();
        QCoreApplication::processEvents(); // the first frames of the animations
        const QString name = QString::fromLatin1(dialog.metaObject()->className());
        QDir().mkpath(QStringLiteral(QUARN_ACCOUNT_SHOTS));
        EXPECT_TRUE(dialog.grab().save(QStringLiteral(QUARN_ACCOUNT_SHOTS "/") + name +
                                       QStringLiteral(".png")));
        shown << name;
        if (auto *window = qobject_cast<TFormEndGame *>(&dialog))
            end = window->view();
        dialog.accept();
    });
    form_->setAuxiliaryWindows(&windows);
    // The main window forgets this set before the set goes, whatever fails.
    const std::shared_ptr<void> restore(nullptr,
                                        [this](void *) { form_->setAuxiliaryWindows(&windows_); });

    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
    ASSERT_TRUE(form_->game().IsAccountGame());
    QTest::mouseClick(button7(), Qt::LeftButton); // "To Begin"
    playHandToItsEnd(false);
    QTest::mouseClick(button7(), Qt::LeftButton);
    form_->findChild<QAction *>(QStringLiteral("GenCount"))->trigger();
    ASSERT_EQ(shown, QStringList{QStringLiteral("quarn::TFormCount")});
    const TCount &count = currentCount();
    EXPECT_EQ(count.Count_KonAll, "28");
    EXPECT_EQ(count.Count_KonCur, "28"); // KonL 27 + one hand of this match
    EXPECT_EQ(count.Count_ScoBeg, "40");
    EXPECT_EQ(count.Count_ReiBeg, "2"); // 40 / 27 + 27 / 30 = 2.38
    EXPECT_EQ(count.Count_ReiCur, "?");

    QTest::mouseClick(button7(), Qt::LeftButton); // "Next game"
    for (int hand = 2; hand <= 3; ++hand) {
        QTest::mouseClick(button7(), Qt::LeftButton);
        playHandToItsEnd(false);
        QTest::mouseClick(button7(), Qt::LeftButton);
        if (hand < 3)
            QTest::mouseClick(button7(), Qt::LeftButton);
    }
    const int total = form_->game().PlayerTotal;
    QTest::mouseClick(button8(), Qt::LeftButton);
    ASSERT_EQ(shown.size(), 2);
    EXPECT_EQ(shown[1], QStringLiteral("quarn::TFormEndGame"));
    ASSERT_TRUE(end);
    EXPECT_EQ(end->medalPlace, 1);
    EXPECT_EQ(end->bonus, 25);
    EXPECT_EQ(end->result, "Result: " + std::to_string(total));
    EXPECT_EQ(end->titleLine, WordEntry::ClubVicePresident);
}

// Only a logged-in player outside network play gets the account window; a
// player who leaves the box unticked gets no match and no pre-charge.
TEST_F(AccountMatchFlow, AccountMatchOnlyWhenLoggedInOutsideNetworkPlay) {
    openLoggedIn();
    form_->account().state = web::AccountState::LoggedOut;
    form_->startAccountMatch();
    EXPECT_EQ(accountWindows_, 0);
    form_->account().state = web::AccountState::LoggedIn;
    form_->editableSettings().multiplayer = true;
    form_->startAccountMatch();
    EXPECT_EQ(accountWindows_, 0);
    form_->editableSettings().multiplayer = false;
    form_->setAccountWindowForMatch([this] { ++accountWindows_; });
    QTest::mouseClick(control<QPushButton>("Button5"), Qt::LeftButton);
    EXPECT_EQ(accountWindows_, 1);
    EXPECT_TRUE(form_->menuShown());
    EXPECT_EQ(serverRecord().Kon, 0);
}

} // namespace
} // namespace quarn::testing
