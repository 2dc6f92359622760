// The welcome window's network section with its input rules and address
// list, the waiting window on a host and on a client, and the chat panel.
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "LanFixture.h"
#include "lang/Language.h"
#include "net/lan/AddressRules.h"
#include "net/lan/ChatPanel.h"
#include "net/lan/LanConnection.h"
#include "net/lan/LanTexts.h"
#include "net/lan/NetworkSection.h"
#include "net/lan/TFormWait.h"

namespace quarn::lan {
namespace {

using testing::Program;
using testing::RawPeer;
using testing::WaitUntil;

template <typename T> T *Child(QWidget &parent, const char *name) {
    T *child = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

TEST(AddressRules, AddressNeedsFourPartsOfOneToThreeCharacters) {
    const struct {
        const char *text;
        bool accepted;
    } cases[] = {
        {"192.168.0.1", true}, {"999.1.1.1", true},  {"1.2.3.4", true}, {"192.168.0", false},
        {"1234.1.1.1", false}, {"1.2.3.4.5", false}, {"1..2.3", false}, {"1.2.3.", false},
        {"", false},           {"...", false},       {".1.2.3", false}, {"12.34.56.7890", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsAddressShape(c.text), c.accepted) << c.text;
}

TEST(AddressRules, PortMustBeAUsablePortNumber) {
    const struct {
        const char *text;
        int port; // 0: refused
    } cases[] = {{"25666", 25666}, {"1", 1},     {"65535", 65535}, {"", 0},       {"0", 0},
                 {"00000", 0},     {"65536", 0}, {"99999", 0},     {"123456", 0}, {"12a", 0}};
    for (const auto &c : cases) {
        const auto port = PortNumber(c.text);
        EXPECT_EQ(port.has_value(), c.port != 0) << c.text;
        if (port) {
            EXPECT_EQ(*port, c.port) << c.text;
        }
    }
}

TEST(AddressRules, ListKeepsRoomForTheOutsideAndLoopAddresses) {
    const std::vector<std::string> seven = {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4",
                                            "10.0.0.5", "10.0.0.6", "10.0.0.7"};
    const struct {
        std::vector<std::string> interfaces;
        std::string outside;
        std::vector<std::string> shown;
    } cases[] = {
        {{}, "", {"127.0.0.1"}},
        {{"192.168.1.5"}, "203.0.113.7", {"192.168.1.5", "203.0.113.7", "127.0.0.1"}},
        {seven, "", {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "10.0.0.5", "127.0.0.1"}},
        {seven,
         "203.0.113.7",
         {"10.0.0.1", "10.0.0.2", "10.0.0.3", "10.0.0.4", "203.0.113.7", "127.0.0.1"}},
    };
    for (const auto &c : cases) {
        const std::vector<ListedAddress> list = AddressList(c.interfaces, c.outside);
        ASSERT_EQ(list.size(), c.shown.size());
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(list[i].address, c.shown[i]);
            EXPECT_EQ(list[i].loop, i + 1 == list.size());
        }
    }
}

class NetworkSectionTest : public ::testing::Test {
  protected:
    void SetUp() override { setLanguage(English); }
    NetworkSection section{QStringLiteral("192.168.0.7"), QStringLiteral("25666")};
    QLineEdit *address = Child<QLineEdit>(section, "EditAddress");
    QLineEdit *port = Child<QLineEdit>(section, "EditPort");
};

TEST_F(NetworkSectionTest, ServerItemFirstWithAnEmptyDisabledAddress) {
    EXPECT_EQ(section.Role(), 1);
    EXPECT_TRUE(address->text().isEmpty());
    EXPECT_FALSE(address->isEnabled());
    EXPECT_EQ(port->text(), QStringLiteral("25666"));
    EXPECT_EQ(address->maxLength(), 20);
    EXPECT_EQ(port->maxLength(), 5);
    section.SetRole(2);
    EXPECT_EQ(address->text(), QStringLiteral("192.168.0.7"));
    EXPECT_TRUE(address->isEnabled());
    section.SetRole(1);
    EXPECT_TRUE(address->text().isEmpty());
}

TEST_F(NetworkSectionTest, BoxesPutBackTheLastAcceptedTextAfterAForeignCharacter) {
    section.SetRole(2);
    const auto retype = [](QLineEdit *box, const char *keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClicks(box, QString::fromLatin1(keys));
        return box->text();
    };
    EXPECT_EQ(retype(port, "80x1"), QStringLiteral("801"));
    EXPECT_EQ(retype(port, "x"), QString()); // the emptied box was accepted
    EXPECT_EQ(retype(port, "123456"), QStringLiteral("12345"));
    // An emptied address box is not accepted: a foreign character brings
    // back the address typed before.
    EXPECT_EQ(retype(address, "x"), QStringLiteral("192.168.0.7"));
    EXPECT_EQ(retype(address, "10.a"), QStringLiteral("10."));
    QTest::keyClicks(address, QStringLiteral("5,6"));
    EXPECT_EQ(address->text(), QStringLiteral("10.56"));
    // What the client typed comes back when the client item is chosen again.
    section.SetRole(1);
    section.SetRole(2);
    EXPECT_EQ(address->text(), QStringLiteral("10.56"));
}

TEST_F(NetworkSectionTest, ConfirmationChecksAddressAndPort) {
    section.show();
    const struct {
        int role;
        const char *address;
        const char *port;
        std::optional<WordEntry> problem;
        const char *focused;
    } cases[] = {
        {2, "192.168.0", "25666", WordEntry::NetIncorrectAddress, "EditAddress"},
        {2, "1234.1.1.1", "25666", WordEntry::NetIncorrectAddress, "EditAddress"},
        {2, "999.1.1.1", "25666", std::nullopt, nullptr},
        {2, "10.0.0.1", "", WordEntry::NetIncorrectPort, "EditPort"},
        {2, "10.0.0.1", "70000", WordEntry::NetIncorrectPort, "EditPort"},
        {1, "", "25666", std::nullopt, nullptr},
        {1, "", "0", WordEntry::NetIncorrectPort, "EditPort"},
    };
    for (const auto &c : cases) {
        section.SetRole(c.role);
        address->setText(QString::fromLatin1(c.address));
        port->setText(QString::fromLatin1(c.port));
        EXPECT_EQ(section.EntryProblem(), c.problem) << c.address << " " << c.port;
        if (c.focused) {
            EXPECT_EQ(section.focusWidget(), Child<QWidget>(section, c.focused)) << c.focused;
        }
    }
}

TEST_F(NetworkSectionTest, RemembersTheClientsAddressAndThePort) {
    section.SetRole(2);
    address->setText(QStringLiteral("10.1.2.3"));
    port->setText(QStringLiteral("3000"));
    section.RememberEntries();
    EXPECT_EQ(section.LastAddress(), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(section.LastPort(), QStringLiteral("3000"));
    section.SetRole(1);
    port->setText(QStringLiteral("4000"));
    section.RememberEntries();
    EXPECT_EQ(section.LastAddress(), QStringLiteral("10.1.2.3"));
    EXPECT_EQ(section.LastPort(), QStringLiteral("4000"));
}

TEST_F(NetworkSectionTest, ReceivedAddressesEndWithTheOutsideAndLoopAddresses) {
    section.SetOutsideAddressLookup([] { return std::string("203.0.113.7"); });
    section.show();
    QTest::mouseClick(Child<QPushButton>(section, "ButtonReceiveAddresses"), Qt::LeftButton);
    std::vector<QLineEdit *> shown;
    for (int i = 1; i <= 6; ++i) {
        QLineEdit *box =
            Child<QLineEdit>(section, QStringLiteral("EditIP%1").arg(i).toLatin1().constData());
        EXPECT_TRUE(box->isReadOnly());
        if (box->isVisible())
            shown.push_back(box);
    }
    ASSERT_GE(shown.size(), 2u);
    EXPECT_EQ(shown[shown.size() - 2]->text(), QStringLiteral("203.0.113.7"));
    EXPECT_EQ(shown.back()->text(), QStringLiteral("127.0.0.1"));
    EXPECT_EQ(shown.back()->toolTip(), QStringLiteral("Loop"));
}

TEST(WaitingWindow, HostAnnouncesEachClientAndThenOnlyStarts) {
    setLanguage(English);
    Program program(Program::Kind::Host);
    ASSERT_TRUE(program.Host().StartHosting(0, "Anna"));
    TFormWait form(program.Host());
    form.open();
    QLabel *first = Child<QLabel>(form, "Label1");
    QPushButton *ok = Child<QPushButton>(form, "ButtonOk");
    QPushButton *cancel = Child<QPushButton>(form, "ButtonCancel");
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Please, wait..."));
    EXPECT_EQ(first->text(), QStringLiteral("Expectation of connection of other players..."));
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(cancel->isEnabled());

    const char *lines[] = {"LabelPlayer2", "LabelPlayer3", "LabelPlayer4"};
    const char *texts[] = {"The second player was connected...",
                           "The third player was connected...",
                           "The fourth player was connected..."};
    std::vector<std::unique_ptr<RawPeer>> clients;
    for (int n = 1; n <= 3; ++n) {
        auto peer = std::make_unique<RawPeer>();
        ASSERT_TRUE(peer->Connect(program.Host().Port()));
        peer->Send(HelloMessage("P" + std::to_string(n) + "  "));
        ASSERT_TRUE(WaitUntil([&] { return program.Host().Clients() == n; }));
        clients.push_back(std::move(peer));
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_FALSE(cancel->isEnabled());
        for (int i = 0; i < 3; ++i) {
            QLabel *line = Child<QLabel>(form, lines[i]);
            EXPECT_EQ(line->isVisible(), i < n) << n << " " << i;
            EXPECT_EQ(line->text(), QString::fromLatin1(texts[i]));
        }
    }
    form.reject(); // Escape: "Cancel" is no longer offered
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(program.Host().Listening());
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
    EXPECT_TRUE(program.Host().Listening());
}

TEST(WaitingWindow, HostCancelStopsListening) {
    Program program(Program::Kind::Host);
    ASSERT_TRUE(program.Host().StartHosting(0, "Anna"));
    TFormWait form(program.Host());
    form.open();
    QTest::mouseClick(Child<QPushButton>(form, "ButtonCancel"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_FALSE(program.Host().Listening());
    EXPECT_EQ(program.Host().Joining(), kIdle);
}

TEST(WaitingWindow, ClientClosesWithTheStartResultWhenSeated) {
    setLanguage(English);
    Program host(Program::Kind::Host);
    ASSERT_TRUE(host.Host().StartHosting(0, "Anna"));
    Program client(Program::Kind::Client);
    client.Client().StartJoining(QStringLiteral("127.0.0.1"), host.Host().Port(), "Bob");
    TFormWait form(client.Client());
    QSignalSpy finished(&form, &QDialog::finished);
    form.open();
    EXPECT_EQ(Child<QLabel>(form, "Label1")->text(), QStringLiteral("Expectation of game..."));
    EXPECT_FALSE(Child<QPushButton>(form, "ButtonOk")->isEnabled());
    ASSERT_TRUE(finished.wait(testing::kWaitMs));
    EXPECT_EQ(finished.at(0).at(0).toInt(), int(QDialog::Accepted));
    EXPECT_EQ(client.Client().Joining(), kJoined);
}

TEST(WaitingWindow, ClientWithoutAGameSaysSoAndCancels) {
    setLanguage(English);
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    Program client(Program::Kind::Client);
    QSignalSpy failed(&client.Client(), &LanClient::connectionFailed);
    client.Client().StartJoining(QStringLiteral("127.0.0.1"), port, "Bob");
    TFormWait form(client.Client());
    form.open();
    ASSERT_TRUE(failed.wait(testing::kWaitMs));
    form.Timer1Timer();
    EXPECT_EQ(Child<QLabel>(form, "Label1")->text(),
              QStringLiteral("There are no accessible games"));
    QTest::mouseClick(Child<QPushButton>(form, "ButtonCancel"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Rejected);
    EXPECT_EQ(client.Client().Joining(), kIdle);
}

TEST(ChatPanelLines, NewLinesFillUpThenScroll) {
    ChatLines lines;
    for (int i = 1; i <= 6; ++i) {
        lines.Add(i % 4 + 1, QString::number(i));
        const int first = std::max(1, i - 3);
        for (int k = 0; k < kChatPanelLines; ++k) {
            const int expected = first + k;
            const auto &line = lines.Lines()[std::size_t(k)];
            if (expected > i) {
                EXPECT_FALSE(line.has_value()) << i << " " << k;
            } else {
                ASSERT_TRUE(line.has_value()) << i << " " << k;
                EXPECT_EQ(line->text, QString::number(expected));
                EXPECT_EQ(line->role, expected % 4 + 1);
            }
        }
    }
    lines.Clear();
    EXPECT_FALSE(lines.Lines()[0].has_value());
}

TEST(ChatPanelLines, WideLinesLoseAtMostTwelveCharactersAndEndInDots) {
    const auto tenPixelsEach = [](const QString &t) { return 10 * int(t.size()); };
    const struct {
        const char *text;
        const char *shown;
    } cases[] = {
        {"short", "short"},
        {"exactly8", "exactly8"},
        {"ninechars", "ninechar..."},
        {"abcdefghijklmn", "abcdefgh..."},
        {"abcdefghijklmnopqrstuvwxyz", "abcdefghijklmn..."}, // twelve gone, still too wide
    };
    for (const auto &c : cases)
        EXPECT_EQ(FitChatLine(QString::fromLatin1(c.text), tenPixelsEach, 85),
                  QString::fromLatin1(c.shown))
            << c.text;
}

TEST(ChatPanelLines, RoleColours) {
    EXPECT_EQ(RoleColour(1), QColor(128, 0, 0));
    EXPECT_EQ(RoleColour(2), QColor(0, 0, 128));
    EXPECT_EQ(RoleColour(3), QColor(0, 128, 0));
    EXPECT_EQ(RoleColour(4), QColor(128, 128, 0));
}

TEST(ChatPanelLines, PanelDrawsEachLineInItsSendersColour) {
    ChatPanel panel;
    panel.resize(200, 80);
    panel.AddLine(2, QStringLiteral("WWWW"));
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    panel.render(&image);
    // Inked pixels are navy, or navy blended with the grey ground.
    const QColor ground(image.pixel(image.width() - 1, image.height() - 1));
    ASSERT_EQ(ground.red(), ground.blue());
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c == ground)
                continue;
            ++inked;
            EXPECT_TRUE(c.red() == c.green() && c.blue() > c.red()) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 0);
}

TEST(LanTexts, InterruptedGameMessage) {
    setLanguage(English);
    EXPECT_EQ(InterruptedGameMessage(),
              QStringLiteral(
                  "One of player has interrupted game!\n\rPress OK for exit to the main menu..."));
}

} // namespace
} // namespace quarn::lan

namespace quarn::lan {
namespace {

class ConnectionTest : public ::testing::Test {
  protected:
    void SetUp() override { setLanguage(English); }

    bool Confirm(NetworkSection &section) {
        return connection.ConfirmStart(section, "Bob", nullptr,
                                       [this](const QString &m) { errors << m; });
    }

    GameState game;
    testing::SoundLog sound;
    LanConnection connection{game, Outside{nullptr, &sound, nullptr, nullptr}};
    QStringList errors;
};

TEST_F(ConnectionTest, RefusedEntriesKeepTheWelcomeWindowOpen) {
    QTcpServer taken;
    ASSERT_TRUE(taken.listen(QHostAddress::Any, 0));
    const struct {
        int role;
        QString address;
        QString port;
        const char *message;
    } cases[] = {
        {2, QStringLiteral("192.168.0"), QStringLiteral("25666"), "Incorrect IP-address!"},
        {1, QString(), QString(), "Incorrect Port!"},
        {1, QString(), QString::number(taken.serverPort()), "Incorrect Port!"}, // cannot be opened
    };
    for (const auto &c : cases) {
        errors.clear();
        NetworkSection section(c.address, c.port);
        section.SetRole(c.role);
        EXPECT_FALSE(Confirm(section));
        EXPECT_EQ(errors, QStringList{QString::fromLatin1(c.message)});
    }
}

TEST_F(ConnectionTest, ClientStartsWhenSeatedAndPassesTheSessionsSignalsOn) {
    Program host(Program::Kind::Host);
    ASSERT_TRUE(host.Host().StartHosting(0, "Anna"));
    NetworkSection section(QStringLiteral("127.0.0.1"), QString::number(host.Host().Port()));
    section.SetRole(2);
    ASSERT_TRUE(Confirm(section));
    EXPECT_TRUE(errors.isEmpty());
    ASSERT_NE(connection.Client(), nullptr);
    EXPECT_EQ(connection.Host(), nullptr);
    EXPECT_EQ(connection.MoveAnnouncer(), connection.Session());
    EXPECT_EQ(game.NetRole, 2);
    EXPECT_EQ(game.SeatName[2], "Anna");
    EXPECT_EQ(section.LastAddress(), QStringLiteral("127.0.0.1"));

    // The messages after the seat wait for the window's match to start.
    QSignalSpy chat(&connection, &LanConnection::chatReceived);
    ASSERT_TRUE(host.session->SendChat(QStringLiteral("welcome")));
    connection.Client()->Release();
    ASSERT_TRUE(chat.wait(testing::kWaitMs));
    EXPECT_EQ(chat.at(0).at(1).toString(), QStringLiteral("welcome"));

    connection.Close();
    EXPECT_FALSE(connection.Client()->Connected());
}

} // namespace
} // namespace quarn::lan
