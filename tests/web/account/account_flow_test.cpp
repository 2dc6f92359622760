// Whole account flows against a real wem-server on a temporary data folder,
// through the account windows: registration, the saved login and the next
// start, a wrong password, a damaged saved-login file, transfers with their
// refusals, and the profile with its photo.
#include "Registration.h"
#include "ServerHarness.h"

#include "lang/Language.h"
#include "store/Settings.h"
#include "web/AccountSteps.h"
#include "web/Scramble.h"
#include "web/WebClient.h"
#include "web/view/RequestProgress.h"
#include "web/view/RequestRunner.h"
#include "web/view/TFAcc1.h"
#include "web/view/TFAcc2.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <fstream>

using namespace servertest;
using namespace quarn;

namespace {

// What the windows said and asked, with the answers to give.
struct Talk {
    QStringList said;
    QStringList asked;
    QStringList opened;
    std::deque<bool> answers;
    QString photoFile;

    AccountTalk hooks() {
        AccountTalk talk;
        talk.inform = [this](const QString &text) { said << text; };
        talk.ask = [this](const QString &text) {
            asked << text;
            const bool answer = !answers.empty() && answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        };
        talk.messageWindow = [this](const QStringList &lines) { said << lines; };
        talk.openUrl = [this](const QString &url) { opened << url; };
        talk.choosePhotoFile = [this] { return photoFile; };
        return talk;
    }
};

class AccountFlow : public testing::Test {
  protected:
    void SetUp() override {
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        ASSERT_TRUE(root.isValid());
        ASSERT_TRUE(QDir(root.path()).mkpath(QStringLiteral("Quarn")));
        folder = root.path() + QStringLiteral("/Quarn/");
        client = newClient();
    }

    // A client as the program makes it at start: the server's addresses in
    // force after the configuration page.
    std::unique_ptr<web::WebClient> newClient() {
        auto c = std::make_unique<web::WebClient>(web::ServerOfRun{
            web::ServerSource::File, {}, web::Addresses::forServer(server->baseUrl())});
        web::StoredServicePaths stored;
        web::WebServices(*c).StartOnline(stored);
        return c;
    }

    // Opens the account window and waits for its reads.
    std::unique_ptr<TFAcc1> openWindow(web::Account &account, bool forMatch = false) {
        auto window = std::make_unique<TFAcc1>(AuxContext{folder, &settings, nullptr, {}}, *client,
                                               account, talk.hooks(), requests, forMatch);
        settle(window.get());
        return window;
    }

    // Runs the event loop until the window's requests are back.
    void settle(const QObject *window) {
        QElapsedTimer clock;
        clock.start();
        while (requests.busy(window) && clock.elapsed() < 30000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        ASSERT_FALSE(requests.busy(window)) << "the window's requests did not come back";
    }
    // Clicks a button of the window and waits for what it asked.
    void press(QWidget *window, QPushButton *button) {
        ASSERT_NE(button, nullptr);
        button->click();
        settle(window);
    }
    void press(QWidget *window, const char *name) {
        press(window, child<QPushButton>(window, name));
    }

    template <class T> static T *child(QWidget *window, const char *name) {
        T *found = window->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    static void type(QWidget *window, const char *field, const QString &text) {
        auto *edit = child<QLineEdit>(window, field);
        edit->clear();
        typeInto(edit, text);
    }
    // Key presses carrying each character, as a keyboard of any layout sends them.
    static void typeInto(QWidget *edit, const QString &text) {
        for (const QChar c : text) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(edit, &release);
        }
    }

    void registerDirectly(const std::string &nick, const std::string &pw = "secret1") {
        ASSERT_EQ(accounttest::registerMember(server->baseUrl(), nick, pw), web::kRegistered)
            << nick;
    }

    // Logs in through the account steps, as the window's login does.
    bool logIn(web::Account &account, const std::string &nick) {
        account.user.Nick = nick;
        account.user.Pw = "secret1";
        web::WebServices web(*client);
        return web::LogIn(web, account);
    }

    void fund(const std::string &nick, int amount) {
        DirectDb db(server->databaseUrl(), server->dataDir());
        db.exec(QStringLiteral("UPDATE accounts SET balance = %1 WHERE nick = '%2'")
                    .arg(amount)
                    .arg(QString::fromStdString(nick)));
    }
    qint64 balance(const std::string &nick) {
        DirectDb db(server->databaseUrl(), server->dataDir());
        return db.number(QStringLiteral("SELECT balance FROM accounts WHERE nick = '%1'")
                             .arg(QString::fromStdString(nick)));
    }

    std::filesystem::path savedLoginFile() const {
        return std::filesystem::path(root.path().toStdString()) / "WemUser.wem";
    }

    std::unique_ptr<RunningServer> server;
    QTemporaryDir root;
    QString folder;
    Settings settings;
    std::unique_ptr<web::WebClient> client;
    RequestRunner requests; // before the client goes
    Talk talk;
};

TEST_F(AccountFlow, RegisterSaveTheLoginAndBeLoggedInAtTheNextStart) {
    web::Account account;
    auto window = openWindow(account);
    EXPECT_EQ(account.user.Country2, "1-001"); // the entry defaults
    EXPECT_EQ(account.user.Country1, "Russia");
    auto *create = child<QPushButton>(window.get(), "ButtonCreate");
    EXPECT_FALSE(create->isEnabled());
    type(window.get(), "EditNick", QStringLiteral("Player"));
    type(window.get(), "EditPassword", QStringLiteral("secret1"));
    type(window.get(), "EditCity", QStringLiteral("Kazan"));
    type(window.get(), "EditEMail", QStringLiteral("player@mail.org"));
    EXPECT_EQ(window->fieldLamp(web::kEMailField), 3);
    ASSERT_TRUE(create->isEnabled());
    press(window.get(), create);
    ASSERT_EQ(talk.said, QStringList{word(WordEntry::AccCreated)});
    EXPECT_EQ(account.state, web::AccountState::LoggedIn);
    EXPECT_EQ(account.user.City, "Kazan");
    EXPECT_TRUE(account.countRead);
    EXPECT_EQ(account.memberCount, 1);
    EXPECT_TRUE(account.resultsRead);
    EXPECT_EQ(child<QPushButton>(window.get(), "ButtonLogin")->text(), word(WordEntry::AccSignOut));
    EXPECT_FALSE(child<QLineEdit>(window.get(), "EditNick")->isEnabled());

    // The same nick again is taken.
    {
        web::Account other;
        auto second = openWindow(other);
        type(second.get(), "EditNick", QStringLiteral("Player"));
        type(second.get(), "EditPassword", QStringLiteral("other12"));
        type(second.get(), "EditCity", QStringLiteral("Oslo"));
        type(second.get(), "EditEMail", QStringLiteral("o@mail.org"));
        press(second.get(), "ButtonCreate");
        EXPECT_EQ(talk.said.last(), word(WordEntry::AccNickTaken));
        EXPECT_EQ(other.state, web::AccountState::LoggedOut);
        EXPECT_EQ(other.user.DateR, "00.00.0000");
    }

    auto *save = child<QPushButton>(window.get(), "ButtonSave");
    auto *remove = child<QPushButton>(window.get(), "ButtonDelete");
    ASSERT_TRUE(save->isEnabled());
    EXPECT_FALSE(remove->isEnabled());
    save->click();
    EXPECT_TRUE(account.savedLogin);
    EXPECT_FALSE(save->isEnabled());
    EXPECT_TRUE(remove->isEnabled());
    ASSERT_TRUE(std::filesystem::exists(savedLoginFile()));
    window.reset();

    // The next start: a new account record and a new client.
    client = newClient();
    web::Account next;
    web::WebServices web(*client);
    ASSERT_TRUE(web::StartUpLogin(web, next, folder.toStdString()));
    EXPECT_EQ(next.state, web::AccountState::LoggedIn);
    EXPECT_TRUE(next.savedLogin);
    EXPECT_EQ(next.user.Nick, "Player");
    EXPECT_EQ(next.user.Pw, "secret1");
    EXPECT_EQ(next.user.City, "Kazan");
    EXPECT_EQ(next.user.Country1, "Russia");

    // Sign out, delete the saved login: the next start stays logged out.
    auto again = openWindow(next);
    press(again.get(), "ButtonLogin");
    EXPECT_EQ(next.state, web::AccountState::LoggedOut);
    child<QPushButton>(again.get(), "ButtonDelete")->click();
    EXPECT_FALSE(next.savedLogin);
    EXPECT_FALSE(std::filesystem::exists(savedLoginFile()));
    web::Account third;
    EXPECT_FALSE(web::StartUpLogin(web, third, folder.toStdString()));
    EXPECT_FALSE(third.savedLogin);
}

TEST_F(AccountFlow, AWrongPasswordFailsInTheWindowAndAtStart) {
    registerDirectly("Ann");
    web::Account account;
    auto window = openWindow(account);
    type(window.get(), "EditNick", QStringLiteral("Ann"));
    type(window.get(), "EditPassword", QStringLiteral("wrong12"));
    auto *login = child<QPushButton>(window.get(), "ButtonLogin");
    ASSERT_TRUE(login->isEnabled());
    press(window.get(), login);
    EXPECT_EQ(talk.said, QStringList{word(WordEntry::WebLoginFailed)});
    EXPECT_EQ(account.state, web::AccountState::LoggedOut);
    EXPECT_FALSE(account.resultsRead);
    EXPECT_FALSE(account.countRead);
    // A login in state 1 ends in state 2 even when opened for a match.
    type(window.get(), "EditPassword", QStringLiteral("secret1"));
    press(window.get(), login);
    EXPECT_EQ(account.state, web::AccountState::LoggedIn);

    ASSERT_TRUE(web::writeSavedLogin(savedLoginFile(),
                                     {"Ann", web::Scramble("wrong12", web::kAccountKey)}));
    web::Account next;
    web::WebServices web(*client);
    EXPECT_FALSE(web::StartUpLogin(web, next, folder.toStdString()));
    EXPECT_EQ(next.state, web::AccountState::LoggedOut);
    EXPECT_TRUE(next.savedLogin); // the file is there; only the login failed
}

TEST_F(AccountFlow, ASavedPasswordWithSpecialCharactersIsSentWithHyphens) {
    registerDirectly("Ann", "my-pw--");
    ASSERT_TRUE(web::writeSavedLogin(savedLoginFile(),
                                     {"Ann", web::Scramble("my pw#$", web::kAccountKey)}));
    web::Account account;
    web::WebServices web(*client);
    EXPECT_TRUE(web::StartUpLogin(web, account, folder.toStdString()));
}

TEST_F(AccountFlow, AMalformedSavedLoginFileIsIgnored) {
    registerDirectly("Ann");
    const std::string pwc = web::Scramble("secret1", web::kAccountKey);
    for (const std::string &bytes :
         {"Wem User Fil\r\nAnn\r\n" + pwc + "\r\n", std::string("\xFF\xFE\x00", 3), std::string(),
          "Ann\r\n" + pwc + "\r\n"}) {
        std::ofstream(savedLoginFile(), std::ios::binary) << bytes;
        web::Account account;
        web::WebServices web(*client);
        EXPECT_FALSE(web::StartUpLogin(web, account, folder.toStdString()));
        EXPECT_FALSE(account.savedLogin);
        EXPECT_EQ(account.state, web::AccountState::LoggedOut);
    }
    // A good first line with a damaged password only fails the login.
    std::ofstream(savedLoginFile(), std::ios::binary) << "Wem User File\r\nAnn\r\n!!!\r\n";
    web::Account account;
    web::WebServices web(*client);
    EXPECT_FALSE(web::StartUpLogin(web, account, folder.toStdString()));
}

TEST_F(AccountFlow, TransfersMoveWemsAndRefuseWhatTheyCannotDo) {
    registerDirectly("Ann");
    registerDirectly("Bob");
    fund("Ann", 100);
    web::Account account;
    ASSERT_TRUE(logIn(account, "Ann"));
    web::WebServices web(*client);
    auto window = openWindow(account);
    window->pages()->setCurrentIndex(TFAcc1::Wems);
    press(window.get(), "ButtonRefreshWems");
    ASSERT_EQ(account.user.R04, 100);
    auto *amount = child<QSpinBox>(window.get(), "SpinAmount");
    auto *to = child<QLineEdit>(window.get(), "EditTransferNick");
    auto *transfer = child<QPushButton>(window.get(), "ButtonTransfer");
    EXPECT_EQ(amount->maximum(), 100);

    // Enabling: an amount, a recipient, not oneself.
    amount->setValue(30);
    EXPECT_FALSE(transfer->isEnabled());
    typeInto(to, QStringLiteral("Ann"));
    EXPECT_FALSE(transfer->isEnabled());
    to->setText(QStringLiteral("Bob"));
    EXPECT_TRUE(transfer->isEnabled());
    amount->setValue(0);
    EXPECT_FALSE(transfer->isEnabled());
    amount->setValue(130); // the field stops at the balance
    EXPECT_EQ(amount->value(), 100);

    // No: nothing moves.
    amount->setValue(30);
    talk.answers = {false};
    press(window.get(), transfer);
    ASSERT_EQ(talk.asked.size(), 1);
    EXPECT_EQ(talk.asked[0], word(WordEntry::AccTransferQuestion) + " \"Bob\" 30 Wems?");
    EXPECT_EQ(balance("Ann"), 100);

    talk.answers = {true};
    press(window.get(), transfer);
    EXPECT_EQ(talk.said.last(), word(WordEntry::AccTransferDone));
    EXPECT_EQ(account.user.R04, 70);
    EXPECT_EQ(balance("Ann"), 70);
    EXPECT_EQ(balance("Bob"), 30);

    to->setText(QStringLiteral("Nobody"));
    talk.answers = {true};
    press(window.get(), transfer);
    EXPECT_EQ(talk.said.last(), word(WordEntry::AccNoSuchMember));
    EXPECT_EQ(balance("Ann"), 70);

    // Spent elsewhere since the last read: the fresh balance refuses.
    fund("Ann", 10);
    to->setText(QStringLiteral("Bob"));
    talk.answers = {true};
    press(window.get(), transfer);
    EXPECT_EQ(talk.said.last(), word(WordEntry::AccNotEnoughWems));
    EXPECT_EQ(account.user.R04, 10);
    EXPECT_EQ(balance("Bob"), 30);

    // The server gone: "No Connect!".
    amount->setValue(5);
    server->stop();
    talk.answers = {true};
    press(window.get(), transfer);
    EXPECT_EQ(talk.said.last(), QStringLiteral("No Connect!"));
}

TEST_F(AccountFlow, TypedKeysAreRefusedPerFieldAndLampsFollowTheCheck) {
    web::Account account;
    auto window = openWindow(account);
    type(window.get(), "EditPassword", QStringLiteral("ab#c d$жe"));
    EXPECT_EQ(child<QLineEdit>(window.get(), "EditPassword")->text(), "abcde");
    type(window.get(), "EditNick", QStringLiteral("Ив ан"));
    EXPECT_EQ(child<QLineEdit>(window.get(), "EditNick")->text(), "Иван");
    EXPECT_EQ(window->fieldLamp(web::kNickField), 1); // Cyrillic nick: refused
    type(window.get(), "EditCity", QStringLiteral("Краснодар"));
    EXPECT_EQ(window->fieldLamp(web::kCityField), 2);
    type(window.get(), "EditEMail", QStringLiteral("a@ж b"));
    EXPECT_EQ(child<QLineEdit>(window.get(), "EditEMail")->text(), "a@b");
    EXPECT_EQ(window->fieldLamp(web::kEMailField), 3);
    // Backspace is always taken.
    QTest::keyClick(child<QLineEdit>(window.get(), "EditEMail"), Qt::Key_Backspace);
    EXPECT_EQ(account.user.EMail, "a@");
    EXPECT_EQ(window->fieldLamp(web::kEMailField), 1);
    // Continent and country: the code and the short name.
    auto *continent = child<QComboBox>(window.get(), "ComboBoxContinent");
    continent->setCurrentIndex(5);
    emit continent->activated(5);
    EXPECT_EQ(account.user.Country2, "6-000");
    EXPECT_EQ(account.user.Country1, "Unknown");
    auto *country = child<QComboBox>(window.get(), "ComboBoxCountry");
    ASSERT_EQ(country->count(), 55);
    country->setCurrentIndex(46);
    emit country->activated(46);
    EXPECT_EQ(account.user.Country2, "6-046");
    EXPECT_EQ(account.user.Country1, "South_Africa");
}

TEST_F(AccountFlow, TheWindowIsReadOnlyWhileAnAccountMatchRuns) {
    registerDirectly("Ann");
    web::Account account;
    ASSERT_TRUE(logIn(account, "Ann"));
    web::WebServices web(*client);
    {
        auto window = openWindow(account, true);
        auto *box = child<QCheckBox>(window.get(), "CheckBoxRating");
        ASSERT_TRUE(box->isEnabled());
        box->click();
        EXPECT_EQ(account.state, web::AccountState::PlayingForRating);
        box->click();
        EXPECT_EQ(account.state, web::AccountState::LoggedIn);
    }
    {
        auto window = openWindow(account, false);
        EXPECT_FALSE(child<QCheckBox>(window.get(), "CheckBoxRating")->isEnabled());
    }
    account.accountMatch = true;
    account.savedLogin = true;
    auto window = openWindow(account, true);
    for (const char *name : {"ButtonCreate", "ButtonLogin", "ButtonSave", "ButtonDelete"})
        EXPECT_FALSE(child<QPushButton>(window.get(), name)->isEnabled()) << name;
    EXPECT_FALSE(child<QCheckBox>(window.get(), "CheckBoxRating")->isEnabled());
    EXPECT_FALSE(child<QLineEdit>(window.get(), "EditNick")->isEnabled());
}

TEST_F(AccountFlow, ResultsTopTenAndPresidentFromTheServerOrNoConnect) {
    registerDirectly("Ann");
    web::Account account;
    ASSERT_TRUE(logIn(account, "Ann"));
    web::WebServices web(*client);
    auto window = openWindow(account);
    const QStringList results = window->resultTexts();
    ASSERT_EQ(results.size(), 9);
    EXPECT_EQ(results[1], "Ann");
    EXPECT_EQ(results[2], "0,000");
    // An empty top ten: no rows, the President with an empty nick.
    EXPECT_TRUE(account.topTenRead);
    EXPECT_EQ(window->topTenTexts()[0], QString());
    EXPECT_EQ(account.topTen[0].Nick, "");
    EXPECT_FALSE(account.photo(web::kPresidentPhotoSlot).present);
    window.reset();

    server->stop();
    web::Account offline;
    auto down = openWindow(offline);
    EXPECT_FALSE(offline.topTenRead);
    EXPECT_EQ(down->topTenTexts()[0], "No Connect");
    EXPECT_EQ(down->resultTexts()[1], "No Connect");
    type(down.get(), "EditNick", QStringLiteral("Player"));
    type(down.get(), "EditPassword", QStringLiteral("secret1"));
    type(down.get(), "EditCity", QStringLiteral("Reno"));
    type(down.get(), "EditEMail", QStringLiteral("snow@mail.org"));
    press(down.get(), "ButtonCreate");
    EXPECT_EQ(talk.said.last(), word(WordEntry::WebCannotCreateAccount));
}

TEST_F(AccountFlow, ALoginThatComesBackWhileTheWindowReadsStandsAndIsRead) {
    registerDirectly("Ann");
    web::Account account;
    TFAcc1 window(AuxContext{folder, &settings, nullptr, {}}, *client, account, talk.hooks(),
                  requests);
    ASSERT_TRUE(window.requestsRunning());
    // The start's silent login (its own client here) comes back meanwhile.
    web::WebServices other(web::Addresses::forServer(server->baseUrl()));
    web::Account loggedIn;
    loggedIn.user.Nick = "Ann";
    loggedIn.user.Pw = "secret1";
    ASSERT_TRUE(web::LogIn(other, loggedIn));
    account = loggedIn;
    settle(&window);
    EXPECT_EQ(account.state, web::AccountState::LoggedIn);
    EXPECT_EQ(account.user.Nick, "Ann");
    EXPECT_EQ(window.resultTexts()[1], "Ann"); // read again for the account that stands
    EXPECT_EQ(child<QPushButton>(&window, "ButtonLogin")->text(), word(WordEntry::AccSignOut));
}

// ---- the profile and its photo ---------------------------------------------------

class ProfileFlow : public AccountFlow {
  protected:
    void SetUp() override {
        AccountFlow::SetUp();
        if (HasFatalFailure())
            return;
        registerDirectly("Ann");
        ASSERT_TRUE(logIn(account, "Ann"));
    }
    QString jpeg(int width, int height, QColor colour) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(colour);
        const QString file =
            root.path() + QStringLiteral("/photo-%1x%2.jpg").arg(width).arg(height);
        image.save(file, "JPEG");
        return file;
    }
    web::Account account;
};

TEST_F(ProfileFlow, UpdateInfoStoresTheTextsWithoutDollarOrTilde) {
    TFAcc2 editor(AuxContext{folder, &settings, nullptr, {}}, *client, account, talk.hooks(),
                  requests);
    EXPECT_FALSE(editor.updateInfoButton()->isEnabled());
    typeInto(editor.field(0), QStringLiteral("Anna"));
    typeInto(editor.field(2), QStringLiteral("cards$and~chess"));
    ASSERT_TRUE(editor.updateInfoButton()->isEnabled());
    press(&editor, editor.updateInfoButton());
    EXPECT_FALSE(editor.updateInfoButton()->isEnabled());
    EXPECT_EQ(account.user.Info.Name1, "Anna");
    EXPECT_EQ(account.user.Info.About, "cards and chess");
    web::WebServices own(web::Addresses::forServer(server->baseUrl()));
    EXPECT_EQ(own.ReadProfile("Ann", {}).value.About, "cards and chess");
}

TEST_F(ProfileFlow, APhotoOfTheRightSizeIsUploadedAndShown) {
    TFAcc2 editor(AuxContext{folder, &settings, nullptr, {}}, *client, account, talk.hooks(),
                  requests);
    // Wrong sizes and other files are refused before anything is sent.
    for (const QString &file : {jpeg(200, 251, Qt::red), jpeg(250, 200, Qt::red),
                                root.path() + QStringLiteral("/missing.jpg")}) {
        talk.photoFile = file;
        editor.photoButton()->click();
        EXPECT_EQ(talk.said.last(), word(WordEntry::AccPhotoFormat)) << file.toStdString();
        EXPECT_FALSE(editor.refreshPhotoButton()->isEnabled());
    }
    QImage png(200, 250, QImage::Format_RGB32);
    png.fill(Qt::blue);
    png.save(root.path() + QStringLiteral("/photo.png"), "PNG");
    talk.photoFile = root.path() + QStringLiteral("/photo.png");
    editor.photoButton()->click();
    EXPECT_FALSE(editor.refreshPhotoButton()->isEnabled());

    talk.photoFile = jpeg(200, 250, QColor(20, 160, 40));
    editor.photoButton()->click();
    ASSERT_TRUE(editor.refreshPhotoButton()->isEnabled());
    // The server stores it for the session's nick before it answers; the
    // editor shows the photo it then serves, without a word.
    const qsizetype saidBefore = talk.said.size();
    press(&editor, editor.refreshPhotoButton());
    EXPECT_EQ(talk.said.size(), saidBefore) << talk.said.join(QLatin1Char('|')).toStdString();
    EXPECT_FALSE(editor.refreshPhotoButton()->isEnabled());
    ASSERT_TRUE(account.photo(web::kOwnPhotoSlot).present);
    QImage shown;
    ASSERT_TRUE(shown.loadFromData(QByteArray::fromStdString(account.photo(1).jpeg), "JPEG"));
    EXPECT_EQ(shown.size(), QSize(200, 250));
    EXPECT_GT(qGreen(shown.pixel(100, 100)), 120);

    // A picture too large for a photo (a JPEG with a tail of other bytes) is
    // refused and said so; the account keeps the photo the server serves.
    const QString trailing = jpeg(200, 250, QColor(200, 30, 30));
    {
        QFile file(trailing);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write(QByteArray(int(web::kMaxPhotoBytes), 'x'));
    }
    talk.photoFile = trailing;
    editor.photoButton()->click();
    ASSERT_TRUE(editor.refreshPhotoButton()->isEnabled());
    press(&editor, editor.refreshPhotoButton());
    EXPECT_EQ(talk.said.last(), word(WordEntry::WebPhotoUploadFailed));
    ASSERT_TRUE(shown.loadFromData(QByteArray::fromStdString(account.photo(1).jpeg), "JPEG"));
    EXPECT_GT(qGreen(shown.pixel(100, 100)), 120);
}

// ---- pictures of every page for a look by eye -------------------------------------
// Runs only when QUARN_ACCOUNT_SHOTS names a folder for the pictures and
// QUARN_GRAPHICS_LIBRARY the graphics library file the designs need.

TEST_F(AccountFlow, Screenshots) {
    const QString shots = qEnvironmentVariable("QUARN_ACCOUNT_SHOTS");
    const QString library = qEnvironmentVariable("QUARN_GRAPHICS_LIBRARY");
    if (shots.isEmpty() || library.isEmpty())
        GTEST_SKIP() << "set QUARN_ACCOUNT_SHOTS and QUARN_GRAPHICS_LIBRARY to take the pictures";
    QDir().mkpath(shots);
    QFile::copy(library, folder + QStringLiteral("WemCGraph1.dll"));
    registerDirectly("Ann");
    registerDirectly("Bob");
    fund("Ann", 12345);
    web::Account account;
    ASSERT_TRUE(logIn(account, "Ann"));
    web::WebServices web(*client);
    web::TInfo14 info;
    info.Name1 = "Anna";
    info.Name2 = "Karenina";
    info.About = "Cards, chess and long walks";
    info.EMailO = "anna@mail.org";
    info.WebSite = "http://anna.example.org";
    info.Telegram = "@anna";
    web::SaveOwnProfile(web, account, info);
    web::TWemGame game;
    game.Kon = 12;
    game.Score = 7;
    game.KonL = 12;
    game.Rating = 0.5833;
    web.SaveGameResults("Ann", "secret1", game);
    const struct {
        const char *name;
        bool purple;
        WindowDesign gray;
    } designs[] = {{"concise", false, WindowDesign::GrayConcise},
                   {"aristocratic", false, WindowDesign::GrayAristocratic},
                   {"red", false, WindowDesign::GrayWithRedRibbons},
                   {"purple", true, WindowDesign::GrayAristocratic}};
    for (int language : {0, 1}) {
        setLanguage(language);
        for (const auto &design : designs) {
            settings.purpleWindows = design.purple;
            settings.windowDesign = design.gray;
            auto window = openWindow(account);
            window->show();
            for (int page = 0; page < window->pages()->count(); ++page) {
                window->pages()->setCurrentIndex(page);
                QCoreApplication::processEvents();
                window->grab().save(QStringLiteral("%1/acc1-%2-%3-page%4.png")
                                        .arg(shots, design.name)
                                        .arg(language)
                                        .arg(page + 1));
            }
            TFAcc2 editor(AuxContext{folder, &settings, nullptr, {}}, *client, account,
                          talk.hooks(), requests);
            editor.show();
            QCoreApplication::processEvents();
            editor.grab().save(
                QStringLiteral("%1/acc2-%2-%3.png").arg(shots, design.name).arg(language));
        }
    }
    setLanguage(0);
    web::Account loggedOut;
    auto window = openWindow(loggedOut);
    window->show();
    QCoreApplication::processEvents();
    window->grab().save(shots + QStringLiteral("/acc1-loggedout.png"));
}

} // namespace
