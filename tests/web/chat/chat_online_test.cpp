// The chat, news and statistics parts against a running wem-server: two
// programs chat, the other's lamp lights, the statistics count a start, a
// match and a like once; the chat window's failures; pictures of the chat
// and statistics windows in each design.
#include "match/Ask.h"
#include "match/TForm1.h"
#include "store/Settings.h"
#include "tests/server/ServerHarness.h"
#include "web/ChatNews.h"
#include "web/WebServices.h"
#include "web/view/ImClock2.h"
#include "web/view/TFStat.h"
#include "web/view/TFormChat.h"
#include "web/view/WemIndicators.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace quarn {
namespace {

namespace fs = std::filesystem;
using servertest::RunningServer;

// A program folder of its own (below a folder of its own, where the chat
// and news state files go) naming the test server, with a passport.
struct ProgramFolder {
    QTemporaryDir root;
    fs::path program;
    ProgramFolder(const std::string &serverUrl, const std::string &nick) {
        program = fs::path(root.path().toStdString()) / "Quarn";
        fs::create_directories(program);
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            fs::copy_file(fs::path(QUARN_DIST_DIR) / name, program / name);
        std::ofstream(program / "Quarn.srv") << serverUrl << "\n";
        Settings settings;
        settings.cardFlight = false;
        settings.music = false;
        settings.nick = nick;
        settings.city = "Oslo";
        settings.country = "1-035";
        settings.startReported = false; // a first start
        EXPECT_TRUE(saveSettings(program, settings).ok);
    }
    QString folder() const { return QString::fromStdString(program.string()) + QLatin1Char('/'); }
};

class SilentSound : public SoundPlayer {
  public:
    void Play(std::string_view name, bool) override { played.emplace_back(name); }
    std::vector<std::string> played;
};

// Posts a chat message straight to the server, as another program would.
bool postChat(const std::string &serverUrl, const std::string &nick, const std::string &text,
              const std::string &country = "1-035", const std::string &sex = "M",
              const std::string &stamp = "t") {
    web::TWemRecord message;
    message.GID = web::kChatList;
    message.Nick = nick;
    message.City = "Oslo";
    message.Country = country;
    message.R07 = sex;
    message.R09 = stamp;
    message.R10 = web::chatText(text);
    return web::WebServices(web::Addresses::forServer(serverUrl)).SendWorldResult(message).ok;
}

// Runs the event loop until the window's reads and posts are back.
template <class Window> void settle(const Window &window) {
    for (int i = 0; i < 3000 && window.requestsRunning(); ++i)
        QTest::qWait(10);
    EXPECT_FALSE(window.requestsRunning()) << "the window's requests did not come back";
}

// Starts what `start` sends and waits for the answer `outcome` gives.
template <class Window>
bool sendAndAwait(Window &window, bool (Window::*start)(), void (Window::*outcome)(bool)) {
    bool ok = false;
    const auto connection = QObject::connect(&window, outcome, [&ok](bool answer) { ok = answer; });
    const bool started = (window.*start)();
    settle(window);
    QObject::disconnect(connection);
    return started && ok;
}

// Sends the chat window's message line; true when the message was stored.
bool send(TFormChat &chat) {
    return sendAndAwait(chat, &TFormChat::sendMessage, &TFormChat::messageSent);
}

// Sends the statistics window's like; true when it was counted.
bool like(TFStat &window) {
    return sendAndAwait(window, &TFStat::like, &TFStat::liked);
}

class ChatOnline : public ::testing::Test {
  protected:
    void SetUp() override {
        servertest::ensureApplication();
        ASSERT_TRUE(server_.ok()) << server_.error().toStdString();
        Ask::setQuiet(true);
        Ask::clearAsked();
    }
    void TearDown() override { Ask::clearAsked(); }

    std::unique_ptr<TForm1> openToMenu(const ProgramFolder &folder, SilentSound &sound) {
        auto form = std::make_unique<TForm1>(folder.folder());
        form->setSoundDevice(&sound);
        form->show();
        EXPECT_TRUE(form->startUp());
        QTest::keyRelease(form.get(), Qt::Key_Space);
        EXPECT_TRUE(form->awaitRequests());
        EXPECT_TRUE(form->menuShown());
        return form;
    }
    // Runs `act` on the modal window the next call opens.
    template <class Window, class Act> void onNextModal(Act act) {
        QTimer::singleShot(0, [act] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            act(*window);
            window->close();
        });
    }
    web::TWemStat stats() {
        web::WebServices services(web::Addresses::forServer(server_.baseUrl()));
        const auto read = services.ReadStats();
        EXPECT_TRUE(read.ok);
        return read.value;
    }
    static bool anyLit(TForm1 &form, const char *lamp) {
        for (TSirena *s : form.findChildren<TSirena *>(QString::fromLatin1(lamp)))
            if (s->isVisible() && s->lit() && s->turning())
                return true;
        return false;
    }

    RunningServer server_;
};

TEST_F(ChatOnline, TwoProgramsChatAndTheOthersLampLights) {
    // A message before: the chat state of a first start counts message 1 as seen.
    ASSERT_TRUE(postChat(server_.baseUrl(), "Cid", "Hi"));
    ProgramFolder annFolder(server_.baseUrl(), "Ann"), bobFolder(server_.baseUrl(), "Bob");
    SilentSound annSound, bobSound;
    auto ann = openToMenu(annFolder, annSound);
    auto bob = openToMenu(bobFolder, bobSound);
    EXPECT_FALSE(anyLit(*bob, "GSirenaR"));
    EXPECT_TRUE(anyLit(*bob, "GSirenaB")); // the server's news 1 is new to a first start
    bool sent = false;
    onNextModal<TFormChat>([&sent](TFormChat &chat) {
        settle(chat);
        chat.messageLine()->setText(QStringLiteral("Hello Bob? Привет"));
        sent = send(chat);
        EXPECT_FALSE(chat.messageLine()->isEnabled()); // until the refresh time
        EXPECT_TRUE(chat.refreshTimer()->isActive());
        chat.refreshTime();
        EXPECT_TRUE(chat.messageLine()->isEnabled());
    });
    ann->OpenChat();
    ASSERT_TRUE(sent);

    // Bob's watch looks at the chat every 90th tick of 10 seconds.
    // Each check runs off the window's thread; one under way lets the next
    // tick's pass, so each is awaited.
    for (int tick = 0; tick < web::kChatEveryTicks; ++tick) {
        bob->watchTick();
        ASSERT_TRUE(bob->awaitRequests());
    }
    EXPECT_TRUE(anyLit(*bob, "GSirenaR"));
    EXPECT_NE(std::find(bobSound.played.begin(), bobSound.played.end(), "WToMenK"),
              bobSound.played.end());

    // Bob opens the chat: he reads Ann's message, and the lamp goes out.
    web::TWemRecord newest;
    onNextModal<TFormChat>([&newest](TFormChat &chat) {
        settle(chat);
        newest = chat.rows()[0];
    });
    bob->OpenChat();
    EXPECT_EQ(newest.Nick, "Ann");
    EXPECT_EQ(newest.R10, "Hello_Bob__Привет"); // blanks and "?" travel as "_"
    EXPECT_FALSE(anyLit(*bob, "GSirenaR"));
    const web::ChatState state = web::readChatState(bobFolder.program.parent_path());
    EXPECT_EQ(state.lastSeen, newest.Score);
    // Ann's own message counts as seen by her.
    ann->CheckChat();
    ASSERT_TRUE(ann->awaitRequests());
    EXPECT_FALSE(ann->chatIsNew());
}

TEST_F(ChatOnline, StatisticsCountOneStartOneMatchAndOneLike) {
    const web::TWemStat before = stats();
    ProgramFolder folder(server_.baseUrl(), "Ann");
    SilentSound sound;
    auto form = openToMenu(folder, sound);
    web::TWemStat after = stats();
    EXPECT_EQ(after.Stat1, before.Stat1 + 1);
    EXPECT_EQ(after.Stat2, before.Stat2 + 1); // a first start is a unique one
    EXPECT_TRUE(form->settings().startReported);
    EXPECT_TRUE(loadSettings(folder.program).startReported); // saved at once

    // The end of a local match of 4 hands lost by 12.
    MatchStatistics match;
    match.kind = MatchKind::Local;
    match.hands = 4;
    match.pointsLost = 12;
    form->SendStatistics(match);
    ASSERT_TRUE(form->awaitRequests());
    after = stats();
    EXPECT_EQ(after.StatX[0], before.StatX[0] + 4);
    EXPECT_EQ(after.StatX[3], before.StatX[3] + 12);
    EXPECT_EQ(after.StatX[1], before.StatX[1]);

    // "I like this game!" counts once.
    form->editableSettings().likeSent = false;
    onNextModal<TFStat>([](TFStat &window) {
        settle(window);
        ASSERT_TRUE(window.readOk());
        EXPECT_TRUE(window.likeButton()->isEnabled());
        EXPECT_TRUE(like(window));
        EXPECT_FALSE(window.likeButton()->isEnabled());
    });
    form->showStatistics();
    onNextModal<TFStat>([](TFStat &window) {
        settle(window);
        EXPECT_FALSE(window.likeButton()->isEnabled());
        EXPECT_FALSE(window.like()); // counted already
    });
    form->showStatistics();
    after = stats();
    EXPECT_EQ(after.Stat3, before.Stat3 + 1);
    EXPECT_EQ(after.Stat4, "Ann");
    EXPECT_TRUE(loadSettings(folder.program).likeSent);
}

TEST_F(ChatOnline, AnIncognitoLikeAsksForANickAndCancelSendsNothing) {
    QTemporaryDir dir;
    Settings settings;
    settings.likeSent = false;
    web::WebClient web(web::ServerOfRun{}, {});
    web.addresses() = web::Addresses::forServer(server_.baseUrl());
    TFStat window(AuxContext{dir.path(), &settings, nullptr, {}}, web, {});
    settle(window);
    window.setNickAsker([](const QString &) { return std::nullopt; });
    EXPECT_FALSE(window.like());
    EXPECT_EQ(stats().Stat3, 0);
    // A refused nick is asked again; the accepted one is cut to 12 characters.
    int asked = 0;
    window.setNickAsker([&asked](const QString &) -> std::optional<QString> {
        return ++asked == 1 ? QStringLiteral("two words") : QStringLiteral("LongNickName123");
    });
    EXPECT_TRUE(like(window));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(settings.nick, "LongNickName");
    EXPECT_EQ(stats().Stat4, "LongNickName");
    EXPECT_TRUE(settings.likeSent);
}

TEST(ChatWindow, WithoutTheServerItShowsNoConnectAndASendFails) {
    QTemporaryDir dir;
    Settings settings;
    settings.nick = "Ann";
    web::WebClient web(web::ServerOfRun{}, {});
    web.addresses() =
        web::Addresses::forServer("http://127.0.0.1:" + std::to_string(servertest::freePort()));
    ChatSession session;
    session.stateFolder = dir.path().toStdString();
    TFormChat chat(AuxContext{dir.path(), &settings, nullptr, {}}, web, session);
    QStringList shown;
    chat.setMessageHandler([&shown](const QString &text) { shown << text; });
    settle(chat);
    EXPECT_TRUE(chat.readFailed());
    EXPECT_EQ(chat.rowAtSlot(1), 0);
    chat.messageLine()->setText(QStringLiteral("Hi"));
    EXPECT_FALSE(send(chat));
    EXPECT_EQ(shown, QStringList{QStringLiteral("Unable to send a message!")});
    EXPECT_EQ(chat.messageLine()->text(), QStringLiteral("Hi")); // kept for another try
}

TEST_F(ChatOnline, TheNewestIsDrawnAtTheBottomWhenAsked) {
    for (const char *nick : {"Ann", "Bob", "Cid"})
        ASSERT_TRUE(postChat(server_.baseUrl(), nick, "Hi"));
    QTemporaryDir dir;
    Settings settings;
    web::WebClient web(web::ServerOfRun{}, {});
    web.addresses() = web::Addresses::forServer(server_.baseUrl());
    ChatSession session;
    session.stateFolder = dir.path().toStdString();
    session.state.newestAtBottom = true;
    TFormChat chat(AuxContext{dir.path(), &settings, nullptr, {}}, web, session);
    settle(chat);
    EXPECT_EQ(session.newestKnown, 3);
    EXPECT_EQ(chat.rowAtSlot(10), 1); // the newest in the lowest row
    EXPECT_EQ(chat.rowAtSlot(8), 3);
    EXPECT_EQ(chat.rowAtSlot(1), 0); // rows without a message
    chat.reject();                   // Esc
    EXPECT_EQ(web::readChatState(session.stateFolder).lastSeen, 3);
}

// Pictures of the two windows in each design, for looking at.
TEST_F(ChatOnline, PicturesOfTheWindowsInEachDesign) {
    web::WebServices services(web::Addresses::forServer(server_.baseUrl()));
    const char *texts[] = {"Hello_all!", "Привет,_клуб", "Who_plays_tonight?"};
    int i = 0;
    for (const char *nick : {"Ann", "Ирина", "Bob"}) {
        const bool woman = i == 1;
        ASSERT_TRUE(postChat(server_.baseUrl(), nick, texts[i++], woman ? "1-001" : "1-035",
                             woman ? "W" : "M", "18:05_10.12.2026_Quarn"));
    }
    ASSERT_TRUE(services.SendStart(1, 1));
    ASSERT_TRUE(services.SendGameStats({12, 1, 30, 45, 3, 1}));
    QDir().mkpath(QStringLiteral(QUARN_CHAT_SHOTS));
    web::WebClient web(web::ServerOfRun{}, {});
    web.addresses() = web::Addresses::forServer(server_.baseUrl());
    const struct {
        const char *name;
        bool purple;
        WindowDesign gray;
    } designs[] = {{"concise", false, WindowDesign::GrayConcise},
                   {"aristocratic", false, WindowDesign::GrayAristocratic},
                   {"red-ribbons", false, WindowDesign::GrayWithRedRibbons},
                   {"purple", true, WindowDesign::GrayAristocratic}};
    for (const auto &design : designs) {
        Settings settings;
        settings.nick = "Ann";
        settings.likeSent = false;
        settings.purpleWindows = design.purple;
        settings.windowDesign = design.gray;
        const QString folder = QStringLiteral(QUARN_DIST_DIR);
        ChatSession session;
        QTemporaryDir state;
        session.stateFolder = state.path().toStdString();
        session.state.lastSeen = 2;
        TFormChat chat(AuxContext{folder, &settings, nullptr, {}}, web, session);
        settle(chat);
        chat.grab().save(QStringLiteral(QUARN_CHAT_SHOTS "/chat-%1.png").arg(design.name));
        TFStat stat(AuxContext{folder, &settings, nullptr, {}}, web, {});
        settle(stat);
        stat.grab().save(QStringLiteral(QUARN_CHAT_SHOTS "/stat-%1.png").arg(design.name));
        EXPECT_EQ(stat.values()[0]->text(), QStringLiteral("1"));
    }
    // The lamps' panel and the figure display.
    ImChatNews panel;
    panel.newsLamp()->setLit(true);
    panel.grab().save(QStringLiteral(QUARN_CHAT_SHOTS "/panel.png"));
    FigureSources sources;
    sources.readStats = [&services] { return services.ReadStats(); };
    ImClock2 figure(sources);
    figure.ShowFigure(1);
    EXPECT_EQ(figure.figure().value, QStringLiteral("60")); // 45 lost of 75
    figure.grab().save(QStringLiteral(QUARN_CHAT_SHOTS "/figure.png"));
}

} // namespace
} // namespace quarn

namespace quarn {
namespace {

// The menu with both lamps lit, at the small and the large window: the
// panel and the figure display at the large one, lone lamps at the small.
TEST_F(ChatOnline, MenuLampsAtEachWindowSize) {
    ASSERT_TRUE(postChat(server_.baseUrl(), "Cid", "Hi"));
    for (const auto &[name, size] : {std::pair{"small", WindowSizeSetting::Small},
                                     std::pair{"large", WindowSizeSetting::Large}}) {
        ProgramFolder folder(server_.baseUrl(), "Ann");
        Settings settings = loadSettings(folder.program);
        settings.windowSize = size;
        ASSERT_TRUE(saveSettings(folder.program, settings).ok);
        web::writeChatState(folder.program.parent_path(), {0, false, false});
        SilentSound sound;
        auto form = openToMenu(folder, sound);
        EXPECT_TRUE(anyLit(*form, "GSirenaB")) << name;
        EXPECT_TRUE(anyLit(*form, "GSirenaR")) << name;
        const bool large = form->layout().scaling.S.value() >= 1.6;
        auto *panel = form->findChild<ImChatNews *>();
        auto *figure = form->findChild<ImClock2 *>();
        ASSERT_TRUE(panel && figure);
        EXPECT_EQ(panel->isVisible(), large) << name;
        EXPECT_EQ(figure->isVisible(), large) << name;
        QDir().mkpath(QStringLiteral(QUARN_CHAT_SHOTS));
        form->grab().save(QStringLiteral(QUARN_CHAT_SHOTS "/menu-%1.png").arg(name));
    }
}

} // namespace
} // namespace quarn
