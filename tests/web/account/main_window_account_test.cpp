// The main window's account picture: the saved login at the first paint
// (silent), the lamp's hint for the state, and the account window that the
// picture opens.
#include "Registration.h"
#include "ServerHarness.h"

#include "match/Ask.h"
#include "match/TForm1.h"
#include "ui/AuxWindowSet.h"
#include "web/SavedLogin.h"
#include "web/Scramble.h"
#include "web/ServerFile.h"
#include "web/WebServices.h"
#include "web/view/TFAcc1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace servertest;
using namespace quarn;
namespace fs = std::filesystem;

namespace {

class MainWindowAccount : public testing::Test {
  protected:
    void SetUp() override {
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        ASSERT_TRUE(root.isValid());
        folder = fs::path(root.path().toStdString()) / "Quarn";
        fs::create_directories(folder);
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            fs::copy_file(fs::path(QUARN_DIST_DIR) / name, folder / name);
        // The club's own server, named beside the program.
        std::ofstream(folder / std::string(web::kServerFileName))
            << "127.0.0.1:" << server->httpPort() << "\n";
        ASSERT_EQ(accounttest::registerMember(server->baseUrl(), "Ann"), web::kRegistered);
        Ask::setQuiet(true);
    }
    void TearDown() override {
        if (form) {
            form->setAttribute(Qt::WA_DeleteOnClose, false);
            form.reset();
        }
    }
    void saveLogin(const std::string &password) {
        ASSERT_TRUE(web::writeSavedLogin(web::savedLoginPath(folder / ""),
                                         {"Ann", web::Scramble(password, web::kAccountKey)}));
    }
    TForm1 &start() {
        form = std::make_unique<TForm1>(QString::fromStdString((folder / "").string()));
        form->show();
        EXPECT_TRUE(form->startUp());
        QTest::keyRelease(form.get(), Qt::Key_Space);
        EXPECT_TRUE(form->awaitRequests());
        return *form;
    }
    QPushButton *accountPicture() const {
        return form->findChild<QPushButton *>(QStringLiteral("ImageAccount"));
    }

    std::unique_ptr<RunningServer> server;
    QTemporaryDir root;
    fs::path folder;
    std::unique_ptr<TForm1> form;
};

TEST_F(MainWindowAccount, TheSavedLoginLogsInSilentlyAtTheFirstPaint) {
    saveLogin("secret1");
    TForm1 &window = start();
    EXPECT_EQ(window.account().state, web::AccountState::LoggedIn);
    EXPECT_EQ(window.account().user.City, "Moscow");
    EXPECT_TRUE(window.account().savedLogin);
    ASSERT_NE(accountPicture(), nullptr);
    EXPECT_EQ(accountPicture()->toolTip(), word(WordEntry::AccHintLoggedIn));
    EXPECT_TRUE(Ask::asked().isEmpty());
    // The menu with the account picture, for a look by eye.
    const QString shots = qEnvironmentVariable("QUARN_ACCOUNT_SHOTS");
    if (!shots.isEmpty())
        window.grab().save(shots + QStringLiteral("/main-menu-logged-in.png"));
}

TEST_F(MainWindowAccount, AWrongSavedPasswordLeavesTheAccountLoggedOutWithoutAWord) {
    saveLogin("wrong12");
    TForm1 &window = start();
    EXPECT_EQ(window.account().state, web::AccountState::LoggedOut);
    EXPECT_EQ(accountPicture()->toolTip(), word(WordEntry::AccHintLoggedOut));
    EXPECT_TRUE(Ask::asked().isEmpty());
}

TEST_F(MainWindowAccount, ThePictureOpensTheAccountWindowAndShowsTheNewState) {
    TForm1 &window = start();
    AuxWindowSet windows(
        {QString::fromStdString((folder / "").string()), &window.editableSettings(), nullptr, {}},
        &window);
    windows.setAccountOpener([&window] { window.openAccountWindow(); });
    window.setAuxiliaryWindows(&windows);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *account = qobject_cast<TFAcc1 *>(QApplication::activeModalWidget());
        opened = account != nullptr;
        if (!account)
            return;
        // Its reads come back while it is open; log in through it, then close it.
        const auto settle = [account] {
            for (int i = 0; i < 3000 && account->requestsRunning(); ++i)
                QTest::qWait(10);
            EXPECT_FALSE(account->requestsRunning());
        };
        settle();
        account->findChild<QLineEdit *>(QStringLiteral("EditNick"))->setText(QStringLiteral("Ann"));
        account->findChild<QLineEdit *>(QStringLiteral("EditPassword"))
            ->setText(QStringLiteral("secret1"));
        account->findChild<QPushButton *>(QStringLiteral("ButtonLogin"))->click();
        settle();
        account->reject();
    });
    ASSERT_NE(accountPicture(), nullptr);
    accountPicture()->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(window.account().state, web::AccountState::LoggedIn);
    EXPECT_EQ(accountPicture()->toolTip(), word(WordEntry::AccHintLoggedIn));
    window.setAuxiliaryWindows(nullptr);
}

} // namespace
