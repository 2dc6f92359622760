// The music player against a running wem-server: the song list, the
// buttons, the songs following one another, and its give and take with the
// radio and the melody.
#include "RadioFixture.h"
#include "ServerLog.h"

#include "radio/view/TMyMediaPL.h"
#include "tests/server/ServerHarness.h"
#include "web/WebServices.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTest>
#include <QWidget>

namespace quarn::radiotest {
namespace {

class FakeMelody : public MelodyControl {
  public:
    bool melodyOn() const override { return on; }
    void switchMelodyOff() override { on = false; }
    bool on = true;
};

MusicContext pageContext(std::optional<std::string> page, MelodyControl *melody) {
    MusicContext context;
    context.fetchSongList = [page] { return page; };
    context.songFolderUrl = "http://127.0.0.1:9/musik/";
    context.melody = melody;
    return context;
}

std::string songsPage(int count) {
    std::string page;
    for (int i = 1; i <= count; ++i)
        page += "Band_" + std::to_string(i) + "~Song_" + std::to_string(i) + ".mp3\r\n";
    return page;
}

TEST(MusicPlayer, InUseOnlyWithMoreThanFourSongs) {
    const struct {
        std::optional<std::string> page;
        bool inUse;
    } cases[] = {{std::nullopt, false}, {songsPage(4), false}, {songsPage(5), true}};
    for (const auto &c : cases) {
        QWidget window;
        window.resize(1290, 850);
        TMyMediaPL player(pageContext(c.page, nullptr), &window);
        player.MusicSetup();
        EXPECT_EQ(player.Create(), c.inUse);
        player.setWindowState(1.7, false, QImage());
        player.drawAll();
        EXPECT_EQ(player.ImagePlay()->isVisibleTo(&window), c.inUse);
        EXPECT_FALSE(player.Play());
        EXPECT_EQ(player.Volume(), 50);
    }
}

TEST(MusicPlayer, ButtonsShowOnlyFromScale15OutsideTheTitleScreen) {
    QWidget window;
    window.resize(1290, 850);
    TMyMediaPL player(pageContext(songsPage(6), nullptr), &window);
    player.MusicSetup();
    const struct {
        double scale;
        bool title;
        bool shown;
    } cases[] = {{1.49, false, false}, {1.5, true, false}, {1.5, false, true}};
    for (const auto &c : cases) {
        player.setWindowState(c.scale, c.title, QImage());
        player.drawAll();
        for (QWidget *button : {static_cast<QWidget *>(player.ImagePlay()),
                                static_cast<QWidget *>(player.ImageNext()),
                                static_cast<QWidget *>(player.ImageVol())})
            EXPECT_EQ(button->isVisibleTo(&window), c.shown) << c.scale << c.title;
    }
    EXPECT_EQ(player.ImagePlay()->pos(), QPoint(10, 850 - 70));
    EXPECT_EQ(player.ImageNext()->pos(), QPoint(75, 850 - 70));
    EXPECT_EQ(player.ImageVol()->pos(), QPoint(140, 850 - 70));
    EXPECT_FALSE(player.ImageVol()->accessibleName().isEmpty());
}

TEST(MusicPlayer, RowSlidesAlongTheBottomAwayFromTheWindowsControls) {
    QWidget window;
    window.resize(1520, 1000);
    TMyMediaPL player(pageContext(songsPage(5), nullptr), &window);
    player.MusicSetup();
    const struct {
        const char *name;
        std::vector<QRect> taken;
        QPoint play; // where the play button goes; next and volume follow at 65 and 130
    } cases[] = {
        {"free bottom left", {QRect(0, 0, 400, 400)}, {10, 930}},
        {"a control at the bottom left", {QRect(0, 880, 300, 120)}, {302, 930}},
        {"a control just above the row",
         {QRect(0, 850, 1520, 70), QRect(0, 400, 1520, 10)},
         {10, 930}},
    };
    for (const auto &c : cases) {
        player.setWindowState(2.0, false, QImage(), c.taken);
        player.drawAll();
        EXPECT_EQ(player.ImagePlay()->pos(), c.play) << c.name;
        EXPECT_EQ(player.ImageNext()->pos(), c.play + QPoint(65, 0)) << c.name;
        EXPECT_EQ(player.ImageVol()->pos(), c.play + QPoint(130, 0)) << c.name;
    }
    // With the whole bottom strip taken the row goes to the nearest free
    // place above it, still covering nothing.
    const std::vector<QRect> bottomTaken{QRect(0, 900, 1520, 100)};
    player.setWindowState(2.0, false, QImage(), bottomTaken);
    player.drawAll();
    for (const QWidget *button :
         {static_cast<QWidget *>(player.ImagePlay()), static_cast<QWidget *>(player.ImageVol())}) {
        EXPECT_TRUE(QRect(0, 0, 1520, 1000).contains(button->geometry()));
        EXPECT_FALSE(button->geometry().intersects(bottomTaken[0]));
    }
    EXPECT_EQ(player.ImagePlay()->pos(), QPoint(10, 838));
}

// A player of six songs with its buttons shown on a large window.
struct ShownPlayer {
    ShownPlayer() : player(pageContext(songsPage(6), nullptr), &window) {
        window.resize(1290, 850);
        player.MusicSetup();
        player.setWindowState(1.7, false, QImage());
        player.drawAll();
    }
    QWidget window;
    TMyMediaPL player;
};

TEST(MusicPlayer, VolumeClicksAndTheDeadMiddle) {
    ShownPlayer shown;
    TMyMediaPL &player = shown.player;
    QTest::mouseClick(player.ImageVol(), Qt::LeftButton, {}, QPoint(50, 30));
    EXPECT_EQ(player.Volume(), 55);
    EXPECT_DOUBLE_EQ(player.audio().volume(), 0.55);
    QTest::mouseClick(player.ImageVol(), Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(player.Volume(), 55);
    QTest::mouseClick(player.ImageVol(), Qt::LeftButton, {}, QPoint(10, 30));
    EXPECT_EQ(player.Volume(), 50);
}

TEST(MusicPlayer, PlayingSwitchesTheMelodyOffAndStopsForTheRadio) {
    QWidget window;
    window.resize(1290, 850);
    FakeMelody melody;
    TMyMediaPL player(pageContext(songsPage(6), &melody), &window);
    player.MusicSetup();
    QSignalSpy started(&player, &TMyMediaPL::startedPlaying);
    player.playClicked();
    EXPECT_TRUE(player.Play());
    EXPECT_FALSE(melody.on);
    EXPECT_EQ(started.count(), 1);
    player.stopForRadio();
    EXPECT_FALSE(player.Play());
}

TEST(MusicPlayer, ASongThatPlayedRestartsTheCountOfFailuresInARow) {
    // Without an audio device nothing is fetched: the songs' ends and
    // failures come only from this test.
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio device";
    QWidget window;
    TMyMediaPL player(pageContext(songsPage(5), nullptr), &window);
    player.MusicSetup();
    player.NextSong();
    // Four of five songs fail, one plays, four fail again: still playing.
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < 4; ++i)
            emit player.audio().failed();
        ASSERT_TRUE(player.Play()) << round;
        emit player.audio().finished();
    }
    EXPECT_TRUE(player.Play());
    EXPECT_TRUE(player.audio().playing());
    // Five failures in a row: every song fails, the player stops.
    for (int i = 0; i < 5; ++i)
        emit player.audio().failed();
    EXPECT_FALSE(player.Play());
}

TEST(MusicPlayer, SongsStopWhenTheWindowShrinksAndTheButtonsHide) {
    ShownPlayer shown;
    TMyMediaPL &player = shown.player;
    const QWidget &window = shown.window;
    player.NextSong();
    ASSERT_TRUE(player.Play());
    player.setWindowState(1.2, false, QImage());
    player.drawAll();
    EXPECT_FALSE(player.ImagePlay()->isVisibleTo(&window));
    EXPECT_FALSE(player.Play());
    EXPECT_FALSE(player.audio().playing());
    // Large again: the buttons come back, silent, ready to play.
    player.setWindowState(1.7, false, QImage());
    player.drawAll();
    EXPECT_TRUE(player.ImagePlay()->isVisibleTo(&window));
    EXPECT_FALSE(player.Play());
}

class MusicOnServer : public RadioFolderFixture {
  protected:
    void SetUp() override {
        RadioFolderFixture::SetUp();
        ASSERT_TRUE(server_.ok());
        web_ = std::make_unique<web::WebServices>(web::Addresses::forServer(server_.baseUrl()));
    }
    MusicContext serverContext() {
        MusicContext context;
        context.fetchSongList = [this]() -> std::optional<std::string> {
            auto reply = web_->FetchSongList();
            if (!reply.ok)
                return std::nullopt;
            return reply.value;
        };
        context.songFolderUrl = web_->addresses().songFolderUrl();
        return context;
    }
    servertest::RunningServer server_;
    std::unique_ptr<web::WebServices> web_;
};

TEST_F(MusicOnServer, PlaysTheServedSongsOneAfterAnother) {
    ServerLog log;
    QWidget window;
    window.resize(1290, 850);
    TMyMediaPL player(serverContext(), &window);
    player.MusicSetup();
    ASSERT_TRUE(player.Create());
    ASSERT_GE(player.Max(), 5);
    for (const Song &song : player.songs())
        EXPECT_EQ(song.url.rfind(server_.baseUrl() + "/musik/", 0), 0u) << song.url;
    player.audio().setFetchWithoutDevice(true);
    player.NextSong();
    EXPECT_TRUE(player.Play());
    const QUrl first = player.audio().source();
    EXPECT_TRUE(first.toString().startsWith(QString::fromStdString(server_.baseUrl())));
    EXPECT_EQ(player.ImagePlay()->accessibleDescription().isEmpty(), false);
    // Each song that ends is followed by the next (without an audio device a
    // song "ends" once it has arrived whole).
    QSignalSpy ended(&player.audio(), &Audio::finished);
    if (QMediaDevices::defaultAudioOutput().isNull())
        QTRY_VERIFY_WITH_TIMEOUT(ended.count() >= 2, 20000);
    else
        emit player.audio().finished();
    // The server's log: the list, then one song after another.
    const auto songsFetched = [&log] {
        const QByteArray text = log.text();
        return text.count(" GET /musik/") - text.count(" GET /musik/_playlist.html");
    };
    QTRY_VERIFY_WITH_TIMEOUT(songsFetched() >= 2, 5000);
    EXPECT_EQ(log.count("/musik/_playlist.html"), 1);
    EXPECT_TRUE(player.Play());
    EXPECT_TRUE(player.audio().hasStream());
    EXPECT_TRUE(player.audio().playing());
    player.playClicked();
    EXPECT_FALSE(player.Play());
}

TEST_F(MusicOnServer, SongsThatCannotBeOpenedStopThePlayerInsteadOfLooping) {
    QWidget window;
    TMyMediaPL player(pageContext(songsPage(5), nullptr), &window);
    player.MusicSetup();
    player.audio().setFetchWithoutDevice(true);
    player.NextSong();
    QSignalSpy failed(&player.audio(), &Audio::failed);
    QTRY_VERIFY_WITH_TIMEOUT(!player.Play(), 20000);
}

} // namespace
} // namespace quarn::radiotest
