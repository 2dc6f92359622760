// The world windows through their controls: the passport window with its
// checks and the settings it fills, the submission of a completed local game
// to a running wem-server, and the world top ten window's categories read
// from that server (and "No Connect" with the server down).
#include "server/ServerHarness.h"
#include "ui/UiFixture.h"
#include "web/world/RenoAccount.h"

#include "store/Settings.h"
#include "web/Countries.h"
#include "web/WebServices.h"
#include "web/WorldLists.h"
#include "web/view/TFormServerInfo.h"
#include "web/view/TFormServerRead.h"
#include "web/view/TFormServerWrite.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace quarn {
namespace {

using testing_support::WindowFixture;

// Types the text key by key (letters outside ASCII as keys that carry them).
void retype(QLineEdit *edit, const QString &text) {
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    for (const QChar ch : text) {
        if (ch.unicode() < 0x80) {
            QTest::keyClick(edit, char(ch.unicode()));
            continue;
        }
        QTest::sendKeyEvent(QTest::Press, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, edit, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
}

// ---- the passport window ---------------------------------------------------

class PassportWindow : public ::testing::Test {
  protected:
    WindowFixture fixture;
};

TEST_F(PassportWindow, ShowsThePassportOfTheSettings) {
    fixture.settings.nick = "Ann";
    fixture.settings.country = "2-026";
    fixture.settings.city = "Beirut";
    fixture.settings.sex = 'W';
    TFormServerInfo window(fixture.settings); // the simple form other windows use
    EXPECT_EQ(window.windowTitle(), QStringLiteral("My Passport"));
    EXPECT_EQ(window.nickEdit()->text(), QStringLiteral("Ann"));
    EXPECT_EQ(window.cityEdit()->text(), QStringLiteral("Beirut"));
    EXPECT_EQ(window.continentList()->currentIndex(), 1);
    EXPECT_EQ(window.countryList()->currentText(), QStringLiteral("Lebanon"));
    EXPECT_EQ(window.countryList()->count(), 52);
    EXPECT_FALSE(window.countryList()->itemIcon(26).isNull()); // the flag
    EXPECT_EQ(window.sexList()->currentIndex(), 1);
    EXPECT_TRUE(window.okButton()->isEnabled());
}

TEST_F(PassportWindow, TypedCharactersTheCheckRefusesAreNotTaken) {
    TFormServerInfo window(fixture.context());
    retype(window.nickEdit(), QStringLiteral("Ab c$#&*~д!"));
    EXPECT_EQ(window.nickEdit()->text(), QStringLiteral("Abcд!"));
    retype(window.nickEdit(), QStringLiteral("ThirteenChars"));
    EXPECT_EQ(window.nickEdit()->text(), QStringLiteral("ThirteenChar")); // at most 12
    retype(window.cityEdit(), QStringLiteral("Sixteen_letters_"));
    EXPECT_EQ(window.cityEdit()->text().size(), 15);
}

TEST_F(PassportWindow, EveryEditIsCheckedAndStoredOnlyWhenBothPass) {
    struct Case {
        QString nick;
        QString city;
        web::FieldVerdict nickVerdict;
        web::FieldVerdict cityVerdict;
        bool ok;
        const char *storedNick; // the last edit that passed stays
        const char *storedCity;
    };
    const Case cases[] = {
        {QStringLiteral("Player"), QStringLiteral("Reno"), web::kAccepted, web::kAccepted, true,
         "Player", "Reno"},
        {QStringLiteral("Игрок"), QStringLiteral("Moscow"), web::kCyrillic, web::kAccepted, true,
         "Игрок", "Moscow"},
        {QStringLiteral("Snow"), QStringLiteral("Краснодар"), web::kAccepted, web::kCyrillic, true,
         "Snow", "Краснодар"},
        {QStringLiteral("P"), QStringLiteral("Oslo"), web::kRefused, web::kAccepted, false,
         "Incognito", "Moscow"},
        {QStringLiteral("Player"), QString(), web::kAccepted, web::kRefused, false, "Player",
         "Moscow"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.nick.toStdString() + " / " + c.city.toStdString());
        fixture.settings.nick = "Incognito";
        fixture.settings.city = "Moscow";
        TFormServerInfo window(fixture.context());
        retype(window.nickEdit(), c.nick);
        retype(window.cityEdit(), c.city);
        EXPECT_EQ(window.nickVerdict(), c.nickVerdict);
        EXPECT_EQ(window.cityVerdict(), c.cityVerdict);
        EXPECT_EQ(window.okButton()->isEnabled(), c.ok);
        EXPECT_EQ(fixture.settings.nick, c.storedNick);
        EXPECT_EQ(fixture.settings.city, c.storedCity);
    }
}

TEST_F(PassportWindow, DoesNotCloseWhileAFieldIsRefused) {
    TFormServerInfo window(fixture.context());
    window.show();
    QApplication::setActiveWindow(&window);
    retype(window.nickEdit(), QStringLiteral("P"));
    window.cityEdit()->setFocus();
    window.reject();
    EXPECT_TRUE(window.isVisible());
    QTRY_VERIFY(window.nickEdit()->hasFocus());

    retype(window.nickEdit(), QStringLiteral("Player"));
    retype(window.cityEdit(), QStringLiteral("R"));
    window.nickEdit()->setFocus();
    window.reject();
    EXPECT_TRUE(window.isVisible());
    QTRY_VERIFY(window.cityEdit()->hasFocus());

    retype(window.cityEdit(), QStringLiteral("Reno"));
    window.reject();
    EXPECT_FALSE(window.isVisible());
}

TEST_F(PassportWindow, ListsSetTheCountryCodeAndTheSex) {
    TFormServerInfo window(fixture.context());
    window.continentList()->setCurrentIndex(2); // North America
    EXPECT_EQ(fixture.settings.country, "3-000");
    EXPECT_EQ(window.countryList()->count(), 36);
    EXPECT_EQ(window.countryList()->currentIndex(), 0);
    window.countryList()->setCurrentIndex(34);
    EXPECT_EQ(fixture.settings.country, "3-034");
    EXPECT_EQ(window.countryList()->currentText(), QStringLiteral("USA"));
    window.sexList()->setCurrentIndex(1);
    EXPECT_EQ(fixture.settings.sex, 'W');
    window.sexList()->setCurrentIndex(0);
    EXPECT_EQ(fixture.settings.sex, 'M');
}

TEST_F(PassportWindow, WhatItStoresSurvivesTheSettingsFile) {
    TFormServerInfo window(fixture.context());
    retype(window.nickEdit(), QStringLiteral("Игрок"));
    retype(window.cityEdit(), QStringLiteral("Краснодар"));
    window.continentList()->setCurrentIndex(4);
    window.countryList()->setCurrentIndex(13); // Norfolk Island
    window.sexList()->setCurrentIndex(1);
    const std::filesystem::path folder = fixture.folder().toStdString();
    ASSERT_TRUE(saveSettings(folder, fixture.settings).ok);
    const Settings read = loadSettings(folder);
    EXPECT_EQ(read.nick, "Игрок");
    EXPECT_EQ(read.country, "5-013");
    EXPECT_EQ(read.city, "Краснодар");
    EXPECT_EQ(read.sex, 'W');
    TFormServerInfo again(fixture.settings);
    EXPECT_EQ(again.countryList()->currentText(), QStringLiteral("Norfolk Island"));
}

// ---- windows that talk to wem-server ---------------------------------------

class ServerWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        servertest::ensureApplication();
        server = std::make_unique<servertest::RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        web = std::make_unique<web::WebServices>(web::Addresses::forServer(server->baseUrl()));
        hooks.message = [this](const QString &text) { messages << text; };
    }
    void usePassport(const std::string &nick, const std::string &country, const std::string &city,
                     char sex) {
        fixture.settings.nick = nick;
        fixture.settings.country = country;
        fixture.settings.city = city;
        fixture.settings.sex = sex;
    }

    WindowFixture fixture;
    std::unique_ptr<servertest::RunningServer> server;
    std::unique_ptr<web::WebServices> web;
    WorldWindowHooks hooks;
    QStringList messages;
};

TEST_F(ServerWindows, SubmissionPutsTheRowIntoTheWorldListOnce) {
    usePassport("Snowman", "2-026", "Krasnodar", 'W');
    TFormServerWrite window(fixture.context(), *web, 57, nullptr, hooks);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("World Top Ten"));
    ASSERT_TRUE(window.sendButton()->isEnabled());
    window.sendButton()->click();
    EXPECT_EQ(window.place(), 1);
    EXPECT_FALSE(window.sendButton()->isEnabled());
    EXPECT_TRUE(messages.isEmpty());
    window.Send(); // barred after one send
    EXPECT_EQ(web->ReadWorldCount(web::kLocalGamesList).value, 1);

    const auto rows = web->ReadWorldList(web::kLocalGamesList);
    ASSERT_TRUE(rows.ok);
    EXPECT_EQ(rows.value[0].Nick, "Snowman");
    EXPECT_EQ(rows.value[0].City, "Krasnodar");
    EXPECT_EQ(rows.value[0].Country, "2-026");
    EXPECT_EQ(rows.value[0].R07, "W");
    EXPECT_EQ(rows.value[0].Score, 57);
    EXPECT_EQ(rows.value[0].R08, "5.7f");

    // The passport window does not enable a second send.
    hooks.run = [](QDialog &) {};
    TFormServerWrite same(fixture.context(), *web, 57, nullptr, hooks);
    same.Send();
    same.OpenPassport();
    EXPECT_FALSE(same.sendButton()->isEnabled());
}

TEST_F(ServerWindows, SendIsEnabledByThePassport) {
    struct Case {
        const char *nick;
        const char *city;
        bool passportUsed;
        bool enabled;
    };
    const Case cases[] = {
        {"Player", "Moscow", false, true}, {"Игрок", "Moscow", false, true},
        {"Игрок", "Moscow", true, false},  {"Player", "Москва", true, true},
        {"P", "Moscow", false, false},     {"P", "Moscow", true, false},
    };
    hooks.run = [](QDialog &) {}; // the passport window opens and closes unchanged
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.nick) + " / " + c.city);
        usePassport(c.nick, "1-001", c.city, 'M');
        TFormServerWrite window(fixture.context(), *web, 10, nullptr, hooks);
        if (c.passportUsed)
            window.passportButton()->click();
        EXPECT_EQ(window.sendButton()->isEnabled(), c.enabled);
    }
    EXPECT_EQ(fixture.sound.played, std::vector<std::string>(3, "WOpenFo"));
}

TEST_F(ServerWindows, AFailedSendSaysSoAndMayBeRepeated) {
    server->stop();
    TFormServerWrite window(fixture.context(), *web, 30, nullptr, hooks);
    window.sendButton()->click();
    EXPECT_EQ(messages, QStringList{QStringLiteral("Unable to write the result of the game!")});
    EXPECT_TRUE(window.sendButton()->isEnabled());
    EXPECT_EQ(window.place(), 0);
}

class WorldTopTen : public ServerWindows {
  protected:
    void SetUp() override {
        ServerWindows::SetUp();
        if (HasFatalFailure())
            return;
        // An account with a rating and a result in the account list.
        const web::TWemUser ann = testing_support::renoAccount();
        ASSERT_EQ(web->RegisterAccount(ann), web::kRegistered);
        const auto login = web->LoginAccount("Ann", "secret1");
        ASSERT_TRUE(login.ok);
        // Its record and its list entry as a replayed game left them.
        servertest::storeGameRecord(*server, "Ann",
                                    {.kon = 30, .best = 77, .rating = 2.55, .sessions = 1});
        servertest::DirectDb(server->databaseUrl(), server->dataDir())
            .exec(QStringLiteral("INSERT INTO world_results (gid, score, nick, country, city, "
                                 "r07, r08, r09, r10, created) VALUES (346, 77, 'Ann', 'USA', "
                                 "'Reno', 'W', '5.7f', '#', '#', '2025-12-10')"));
        // Two local games and one of the mobile edition.
        ASSERT_GT(
            web->SendWorldResult(web::localGameEntry({"Snowman", "2-026", "Krasnodar", 'M'}, 41))
                .value,
            0);
        ASSERT_GT(
            web->SendWorldResult(web::localGameEntry({"Incognito", "1-001", "Moscow", 'M'}, 12))
                .value,
            0);
        web::TWemRecord mobile = web::localGameEntry({"Droid", "4-003", "Recife", 'W'}, 5);
        mobile.GID = web::kMobileGamesList;
        ASSERT_GT(web->SendWorldResult(mobile).value, 0);

        account.state = web::AccountState::LoggedIn;
        account.user = login.value;
        ASSERT_TRUE(testing_support::writeClubFile(fixture.folder(), false, {{"Anna", 120}}));
        ASSERT_TRUE(testing_support::writeClubFile(fixture.folder(), true, {{"Boris", 90}}));
    }
    // The library with the window's pictures: the categories, not the classic layout.
    void withLibrary() {
        ASSERT_TRUE(testing_support::makeGraphicsLibrary(fixture.folder(),
                                                         {QStringLiteral("GFormServerRead")}));
    }
    WorldTopTenSources sources() { return {web.get(), &account, {}}; }

    web::Account account;
    web::WorldTopTenState state;
};

TEST_F(WorldTopTen, EveryCategoryShowsWhatTheServerHolds) {
    withLibrary();
    struct Case {
        int category;
        QString nick;
        QString where;
        QString value;
        std::string country;
        int count; // -1: no count
        QString ownValue;
    };
    const Case cases[] = {
        {1,
         QStringLiteral("Ann"),
         QStringLiteral("Reno"),
         QStringLiteral("2.550"),
         "3-034",
         -1,
         {}},
        {2, QStringLiteral("Ann"), QStringLiteral("Reno, USA"), QStringLiteral("77"), "", 1,
         QStringLiteral("77")},
        {3, QStringLiteral("Snowman"), QStringLiteral("Krasnodar"), QStringLiteral("41"), "2-026",
         2, QStringLiteral("12")},
        {4,
         QStringLiteral("Droid"),
         QStringLiteral("Recife, 4-003"),
         QStringLiteral("5"),
         "",
         1,
         {}},
        {6, QStringLiteral("Anna"), {}, QStringLiteral("120"), "", -1, {}},
        {7, QStringLiteral("Boris"), {}, QStringLiteral("90"), "", -1, {}},
    };
    TFormServerRead window(fixture.context(), sources(), state, nullptr, hooks);
    EXPECT_FALSE(window.classic());
    for (const Case &c : cases) {
        SCOPED_TRACE(c.category);
        window.categoryButton(c.category)->click();
        EXPECT_EQ(static_cast<int>(state.category), c.category);
        const auto &top = window.topPart();
        ASSERT_FALSE(top.failed);
        ASSERT_FALSE(top.rows.empty());
        EXPECT_EQ(top.rows[0].place, 1);
        EXPECT_EQ(top.rows[0].nick, c.nick);
        EXPECT_EQ(top.rows[0].where, c.where);
        EXPECT_EQ(top.rows[0].value, c.value);
        EXPECT_EQ(top.rows[0].country, c.country);
        EXPECT_EQ(window.gameCount(), c.count);
        if (c.ownValue.isEmpty()) {
            EXPECT_TRUE(window.ownPart().rows.empty());
        } else {
            ASSERT_EQ(window.ownPart().rows.size(), 1u);
            EXPECT_EQ(window.ownPart().rows[0].value, c.ownValue);
        }
    }
}

TEST_F(WorldTopTen, TheTournamentListComesFromItsReaderOrSaysNoConnect) {
    withLibrary();
    state.category = web::WorldCategory::Tournament;
    {
        TFormServerRead window(fixture.context(), sources(), state, nullptr, hooks);
        EXPECT_TRUE(window.topPart().failed);
        EXPECT_TRUE(window.findChild<QRadioButton *>(QStringLiteral("RadioCriterion1"))
                        ->isVisibleTo(&window));
    }
    std::vector<char> asked;
    WorldTopTenSources withTournament = sources();
    withTournament.tournamentTopTen = [&asked](char criterion) {
        asked.push_back(criterion);
        web::Reply<web::WorldRows> reply;
        reply.ok = true;
        reply.value[0].Nick = "Tourist";
        reply.value[0].City = "Oslo";
        reply.value[0].Country = "1-035";
        reply.value[0].R07 = "M";
        reply.value[0].Score = 9;
        return reply;
    };
    TFormServerRead window(fixture.context(), withTournament, state, nullptr, hooks);
    ASSERT_EQ(window.topPart().rows.size(), 1u);
    EXPECT_EQ(window.topPart().rows[0].place, 1);
    EXPECT_EQ(window.topPart().rows[0].nick, QStringLiteral("Tourist"));
    window.findChild<QRadioButton *>(QStringLiteral("RadioCriterion2"))->click();
    EXPECT_EQ(asked, (std::vector<char>{'s', 'r'}));
    EXPECT_EQ(state.criterion, 'r');
}

TEST_F(WorldTopTen, WithTheServerDownEveryWorldReadSaysNoConnect) {
    withLibrary();
    server->stop();
    TFormServerRead window(fixture.context(), sources(), state, nullptr, hooks);
    for (int category : {1, 2, 3, 4}) {
        SCOPED_TRACE(category);
        window.categoryButton(category)->click();
        EXPECT_TRUE(window.topPart().failed);
        EXPECT_TRUE(window.topPart().rows.empty());
        EXPECT_EQ(window.countFailed(), category != 1);
    }
    window.categoryButton(6)->click(); // the club lists need no server
    EXPECT_FALSE(window.topPart().failed);
    EXPECT_EQ(window.topPart().rows.size(), 1u);
}

TEST_F(WorldTopTen, WithoutTheLibraryTheClassicLayoutReadsThreeLists) {
    TFormServerRead window(fixture.context(), sources(), state, nullptr, hooks);
    ASSERT_TRUE(window.classic());
    EXPECT_EQ(window.categoryButton(1), nullptr);
    EXPECT_EQ(window.topPart().rows[0].nick, QStringLiteral("Snowman")); // choice 1: local games
    window.findChild<QRadioButton *>(QStringLiteral("RadioClassic3"))->click();
    EXPECT_EQ(state.category, web::WorldCategory::AccountScore);
    EXPECT_EQ(state.classicChoice, 3);
    EXPECT_EQ(window.topPart().rows[0].nick, QStringLiteral("Ann"));
    window.findChild<QRadioButton *>(QStringLiteral("RadioClassic2"))->click();
    EXPECT_EQ(window.topPart().rows[0].nick, QStringLiteral("Droid"));
}

TEST_F(WorldTopTen, RefreshAppearsTenSecondsAfterALoadAndThePassportReloads) {
    withLibrary();
    TFormServerRead window(fixture.context(), sources(), state, nullptr, hooks);
    EXPECT_TRUE(window.refreshTimer()->isActive());
    EXPECT_TRUE(window.refreshTimer()->isSingleShot());
    EXPECT_EQ(window.refreshTimer()->interval(), 10000);
    EXPECT_FALSE(window.refreshButton()->isVisibleTo(&window));

    // The passport window changes the nick: the own rows follow it.
    hooks.run = [this](QDialog &) {
        fixture.settings.nick = "Snowman";
        fixture.settings.city = "Krasnodar";
    };
    TFormServerRead withPassport(fixture.context(), sources(), state, nullptr, hooks);
    ASSERT_EQ(withPassport.ownPart().rows.size(), 1u);
    EXPECT_EQ(withPassport.ownPart().rows[0].value, QStringLiteral("12"));
    withPassport.findChild<TWemCardsButton *>(QStringLiteral("ButtonPassport"))->click();
    ASSERT_EQ(withPassport.ownPart().rows.size(), 1u);
    EXPECT_EQ(withPassport.ownPart().rows[0].value, QStringLiteral("41"));
    EXPECT_EQ(fixture.sound.played, std::vector<std::string>{"WOpenFo"});
}

} // namespace
} // namespace quarn
