// Recording hands as animated GIFs through the real window: the film of a
// played hand, idle waits, the file's name and folder, leaving mid-hand, the
// option switched off, and a folder that cannot take the film.
#include "WindowFixture.h"

#include "tests/table/DecodedGif.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace quarn::testing {
namespace {

const QDateTime SettledAt(QDate(2022, 10, 18), QTime(9, 28, 14));
const QString FilmName = QStringLiteral("2022.10.18-09.28.14.gif");

class RecordingThroughWindow : public WindowTest {
  protected:
    Settings recordingSettings(bool on, int delayMs = 200) {
        Settings s = quickSettings();
        s.recordGif = on;
        s.gifCaptureArea = GifCaptureArea::ClientArea;
        s.gifFrameDelay = delayMs;
        return s;
    }

    // Opens the window with the settings, logs in a new player and deals.
    TForm1 &dealWith(const Settings &settings) {
        writeSettings(settings);
        TForm1 &form = openToMenu();
        form.setRecordingClock([this] { return clockNow_; });
        logInNewPlayer(QStringLiteral("Filmer"));
        EXPECT_TRUE(form.game().InGame);
        return form;
    }

    void settle() {
        ASSERT_EQ(form_->game().ToMove, kHandEnded);
        QTest::mouseClick(button7(), Qt::LeftButton);
        ASSERT_EQ(form_->game().ToMove, kHandSettled);
    }

    QString gifFolder() const { return QString::fromStdString((folder_ / "GIFGame").string()); }
    QStringList films() const {
        return QDir(gifFolder())
            .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDir::Name);
    }
    std::optional<DecodedGif> film(const QString &name) const {
        return decodeGifFile(gifFolder() + QLatin1Char('/') + name);
    }

    QDateTime clockNow_ = SettledAt;
};

void expectDelays(const DecodedGif &gif, int delayCs) {
    ASSERT_FALSE(gif.frames.empty());
    for (std::size_t i = 0; i + 1 < gif.frames.size(); ++i)
        EXPECT_EQ(gif.frames[i].delayCs, delayCs) << "frame " << i;
    EXPECT_EQ(gif.frames.back().delayCs, 500) << "the last frame stays 5 seconds";
}

TEST_F(RecordingThroughWindow, PlayedHandIsSavedAtItsSettlement) {
    TForm1 &form = dealWith(recordingSettings(true, 200));
    EXPECT_TRUE(form.recording());
    EXPECT_EQ(form.film().frameCount(), 1) << "the deal is the first frame";
    EXPECT_FALSE(QDir(gifFolder()).exists()) << "nothing is written before the settlement";

    QTest::mouseClick(button7(), Qt::LeftButton); // "To Begin"
    form.CaptureFrame();
    playHandToItsEnd(false);
    form.CaptureFrame();
    const int framesBeforeSettling = form.film().frameCount();
    settle();

    EXPECT_FALSE(form.recording()) << "the capture timer stops at the settlement";
    form.waitForRecordingSaved();
    EXPECT_TRUE(form.gifBannerText().isEmpty()) << "the banner goes once the film is written";
    ASSERT_EQ(films(), QStringList{FilmName});
    const std::optional<DecodedGif> gif = film(FilmName);
    ASSERT_TRUE(gif);
    EXPECT_GT(gif->frames.size(), 1u);
    EXPECT_LE(gif->frames.size(), 250u);
    EXPECT_EQ(int(gif->frames.size()), framesBeforeSettling + 1)
        << "the settled table is the last frame";
    EXPECT_EQ(gif->screen, form.size());
    expectDelays(*gif, 20);
    EXPECT_EQ(gif->frames.front().rect, QRect(QPoint(0, 0), form.size()));

    // The next hand is a new film, under the time of its own settlement.
    clockNow_ = SettledAt.addSecs(75);
    QTest::mouseClick(button7(), Qt::LeftButton); // "Next game"
    EXPECT_TRUE(form.recording());
    EXPECT_EQ(form.film().frameCount(), 1);
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    settle();
    form.waitForRecordingSaved();
    EXPECT_EQ(films(), (QStringList{FilmName, QStringLiteral("2022.10.18-09.29.29.gif")}));
}

TEST_F(RecordingThroughWindow, WholeWindowAreaRecordsEvenWithoutAScreenToCopy) {
    Settings settings = recordingSettings(true);
    settings.gifCaptureArea = GifCaptureArea::WholeWindow;
    TForm1 &form = dealWith(settings);
    EXPECT_EQ(form.film().frameCount(), 1);
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    settle();
    form.waitForRecordingSaved();
    const std::optional<DecodedGif> gif = film(FilmName);
    ASSERT_TRUE(gif);
    EXPECT_GT(gif->frames.size(), 1u);
    // The window with its frame as the screen shows it, or its own drawing
    // where the platform has no screen to copy from.
    EXPECT_TRUE(gif->screen == form.frameGeometry().size() || gif->screen == form.size())
        << gif->screen.width() << "x" << gif->screen.height();
    EXPECT_EQ(gif->frames.back().delayCs, 500);
}

TEST_F(RecordingThroughWindow, IdleTicksAddNoFrames) {
    TForm1 &form = dealWith(recordingSettings(true));
    QTest::mouseClick(button7(), Qt::LeftButton);
    // Wait for the player's turn: nothing moves on the table then.
    for (int step = 0; step < 100 && form.game().ToMove != 4; ++step)
        form.Tick();
    ASSERT_EQ(form.game().ToMove, 4);
    form.CaptureFrame();
    const int frames = form.film().frameCount();
    for (int tick = 0; tick < 100; ++tick) // ten seconds of the capture timer
        form.CaptureFrame();
    EXPECT_EQ(form.film().frameCount(), frames);
    clickCard(firstSlot(true) ? firstSlot(true) : 1);
    if (form.game().ToMove == 4)
        QTest::mouseClick(button7(), Qt::LeftButton); // no card fitted: pass
    form.CaptureFrame();
    EXPECT_EQ(form.film().frameCount(), frames + 1) << "the move changed the table";
}

TEST_F(RecordingThroughWindow, RecordingOffWritesNothing) {
    TForm1 &form = dealWith(recordingSettings(false));
    EXPECT_FALSE(form.recording());
    QTest::mouseClick(button7(), Qt::LeftButton);
    form.CaptureFrame();
    EXPECT_EQ(form.film().frameCount(), 0);
    playHandToItsEnd(false);
    settle();
    form.SaveRecording();
    form.waitForRecordingSaved();
    EXPECT_FALSE(QDir(gifFolder()).exists());
    EXPECT_TRUE(form.gifBannerText().isEmpty());
}

TEST_F(RecordingThroughWindow, OptionSwitchedOffMidHandDropsTheFilm) {
    TForm1 &form = dealWith(recordingSettings(true));
    QTest::mouseClick(button7(), Qt::LeftButton);
    form.Tick();
    form.editableSettings().recordGif = false;
    playHandToItsEnd(false);
    settle();
    form.waitForRecordingSaved();
    EXPECT_FALSE(QDir(gifFolder()).exists());
}

struct LeavingCase {
    const char *name;
    bool byClosing;
};

class LeavingMidHand : public RecordingThroughWindow,
                       public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(LeavingMidHand, SavesTheHandSoFar) {
    TForm1 &form = dealWith(recordingSettings(true, 150));
    QTest::mouseClick(button7(), Qt::LeftButton);
    for (int tick = 0; tick < 6; ++tick) {
        form.Tick();
        form.CaptureFrame();
    }
    const int frames = form.film().frameCount();
    ASSERT_GT(frames, 1);

    Ask::setNextAnswer(QMessageBox::Yes);
    if (GetParam().byClosing)
        form.close();
    else
        control<QMenu>("PopupMenu1")->findChild<QAction *>(QStringLiteral("Quit"))->trigger();
    // Closing waits for the film by itself; leaving to the menu goes on at once.
    if (!GetParam().byClosing)
        form.waitForRecordingSaved();

    EXPECT_FALSE(form.recording());
    ASSERT_EQ(films(), QStringList{FilmName});
    const std::optional<DecodedGif> gif = film(FilmName);
    ASSERT_TRUE(gif);
    EXPECT_EQ(int(gif->frames.size()), frames);
    expectDelays(*gif, 15);
}

INSTANTIATE_TEST_SUITE_P(Ways, LeavingMidHand,
                         ::testing::Values(LeavingCase{"Closing", true},
                                           LeavingCase{"AbandoningToTheMenu", false}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(RecordingThroughWindow, LeavingAfterTheSettlementHasNothingMoreToSave) {
    TForm1 &form = dealWith(recordingSettings(true));
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    settle();
    form.waitForRecordingSaved();
    QFile::remove(gifFolder() + QLatin1Char('/') + FilmName);
    Ask::setNextAnswer(QMessageBox::Yes);
    form.close();
    EXPECT_TRUE(films().isEmpty());
}

struct BlockedCase {
    const char *name;
    bool folderIsAFile;
    bool nameIsAFolder;
    bool readOnlyFolder;
};

class RecordingBlocked : public RecordingThroughWindow,
                         public ::testing::WithParamInterface<BlockedCase> {};

TEST_P(RecordingBlocked, PlayerIsToldAndTheGameGoesOn) {
    const BlockedCase &c = GetParam();
    const QString folder = gifFolder();
    if (c.folderIsAFile) {
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a folder");
    }
    if (c.nameIsAFolder) {
        ASSERT_TRUE(QDir().mkpath(folder + QLatin1Char('/') + FilmName));
    }
    if (c.readOnlyFolder) {
        ASSERT_TRUE(QDir().mkpath(folder));
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        if (QFileInfo(folder).isWritable()) // the super-user writes anyway
            GTEST_SKIP() << "read-only folders are writable for this user";
    }

    TForm1 &form = dealWith(recordingSettings(true));
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    settle();
    form.waitForRecordingSaved();

    EXPECT_EQ(form.gifBannerText(), QStringLiteral("Error of disk writing!"));
    if (c.folderIsAFile) {
        QFile file(folder);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), QByteArray("not a folder"));
    } else {
        EXPECT_EQ(films(), c.nameIsAFolder ? QStringList{FilmName} : QStringList{})
            << "nothing half-written";
    }
    // The game goes on, and the next hand is recorded again.
    QTest::mouseClick(button7(), Qt::LeftButton);
    EXPECT_EQ(form.game().Phase, kPhaseDealt);
    EXPECT_TRUE(form.recording());
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

INSTANTIATE_TEST_SUITE_P(Obstacles, RecordingBlocked,
                         ::testing::Values(BlockedCase{"FolderIsAFile", true, false, false},
                                           BlockedCase{"NameIsAFolder", false, true, false},
                                           BlockedCase{"ReadOnlyFolder", false, false, true}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace quarn::testing
