// The main window's sound: effects go through the sound system and honour
// their switch, right clicks on cards speak them in the current language,
// and the melody follows the screens (title and menu yes, a match no).
// Recording outputs stand in for the audio device.
#include "WindowFixture.h"

#include "lang/Language.h"
#include "table/Sound.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

namespace quarn::testing {
namespace {

// Records what it plays; each sound "plays" for playMs milliseconds.
class RecordingWave : public WaveOutput {
  public:
    void start(const QByteArray &wave) override {
        started.push_back(wave);
        since.start();
    }
    void stop() override {}
    bool playing() const override { return since.isValid() && since.elapsed() < playMs; }
    std::vector<QByteArray> started;
    int playMs = 0;
    QElapsedTimer since;
};

class RecordingMidi : public MidiOutput {
  public:
    bool open(const QString &file) override {
        opened = file;
        return true;
    }
    void play() override {
        ++plays;
        isPlaying = true;
    }
    void stop() override { isPlaying = false; }
    void close() override {
        ++closes;
        isPlaying = false;
    }
    bool playing() const override { return isPlaying; }
    bool failed() const override { return false; }
    QString opened;
    int plays = 0;
    int closes = 0;
    bool isPlaying = false;
};

class WindowSoundTest : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        ASSERT_TRUE(temporary_.isValid());
    }

    // The window with its own sound system (no recording device in front of
    // it), recording outputs and a private temporary folder.
    TForm1 &openWithSound(const Settings &settings) {
        writeSettings(settings);
        form_ = std::make_unique<TForm1>(dir_.path() + QLatin1Char('/'));
        form_->setAuxiliaryWindows(&windows_);
        auto w = std::make_unique<RecordingWave>();
        auto m = std::make_unique<RecordingMidi>();
        wave_ = w.get();
        midi_ = m.get();
        form_->sound().setWaveOutput(std::move(w));
        form_->sound().setMidiOutput(std::move(m));
        form_->sound().setTemporaryFolder(temporary_.path());
        form_->sound().setVoiceObserver(
            [this](const QString &name) { voices_.push_back(name.toStdString()); });
        form_->show();
        EXPECT_TRUE(form_->startUp());
        return *form_;
    }

    void toMenu() {
        QTest::keyRelease(form_.get(), Qt::Key_Space);
        ASSERT_TRUE(form_->menuShown());
    }

    void fireMusicTimer() {
        auto *timer = form_->findChild<QTimer *>(QStringLiteral("TimerMusic"));
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), 1000);
        QMetaObject::invokeMethod(timer, "timeout");
    }

    // Right-clicks the middle of slot `slot` of a seat's hand area.
    void rightClickCard(int seat, int slot) {
        const int x = form_->canvas().cardLefts(seat)[std::size_t(slot)] + 3;
        QTest::mouseClick(control(("ImageCards" + std::to_string(seat)).c_str()), Qt::RightButton,
                          {}, QPoint(x, 20));
    }

    QTemporaryDir temporary_;
    RecordingWave *wave_ = nullptr;
    RecordingMidi *midi_ = nullptr;
    std::vector<std::string> voices_;
};

TEST_F(WindowSoundTest, EffectsFollowTheirSwitch) {
    for (const bool on : {true, false}) {
        SCOPED_TRACE(on ? "effects on" : "effects off");
        Settings s = quickSettings();
        s.soundEffects = on;
        openWithSound(s);
        toMenu();
        logInNewPlayer(QStringLiteral("Listener"));
        ASSERT_TRUE(form_->game().InGame);
        QFile deal(QStringLiteral(":/res/wav/WTasoKo"));
        ASSERT_TRUE(deal.open(QIODevice::ReadOnly));
        const QByteArray shuffle = deal.readAll();
        const bool heard = std::find(wave_->started.begin(), wave_->started.end(), shuffle) !=
                           wave_->started.end();
        EXPECT_EQ(heard, on) << "the deal's shuffle";
        if (!on) {
            EXPECT_TRUE(wave_->started.empty());
        }
        form_.reset();
    }
}

TEST_F(WindowSoundTest, AMoveWaitsForItsSoundWithoutTheTickMovingAgain) {
    openWithSound(quickSettings());
    toMenu();
    logInNewPlayer(QStringLiteral("Listener"));
    QTest::mouseClick(button7(), Qt::LeftButton); // "To Begin"
    const GameState &g = form_->game();
    for (int step = 0; step < 20 && g.ToMove == 4; ++step) {
        const int slot = firstSlot(true);
        if (slot != 0)
            clickCard(slot);
        else
            QTest::mouseClick(button7(), Qt::LeftButton);
    }
    ASSERT_TRUE(g.ToMove >= 1 && g.ToMove <= 3);
    ASSERT_TRUE(form_->timer()->isActive());

    // The move's sound lasts longer than the tick's interval.
    wave_->started.clear();
    wave_->playMs = 3 * form_->timer()->interval();
    form_->Tick();
    EXPECT_EQ(wave_->started.size(), 1u) << "one move, one sound";
    EXPECT_TRUE(form_->timer()->isActive()) << "the tick goes on after the sound";
}

TEST_F(WindowSoundTest, RightClicksSpeakCardsInTheCurrentLanguage) {
    Settings s = quickSettings();
    s.language = Korean;
    openWithSound(s);
    toMenu();
    logInNewPlayer(QStringLiteral("Listener"));
    const GameState &g = form_->game();

    // A card of the own hand, at any time of the hand.
    const QStringList messagesBefore = Ask::asked();
    rightClickCard(4, 1);
    ASSERT_EQ(voices_.size(), 1u);
    EXPECT_EQ(voices_[0], voiceResourceName(g.Hands[4][1].card, Korean).toStdString());
    EXPECT_TRUE(voices_[0].ends_with("VoiceKor"));
    EXPECT_EQ(Ask::asked(), messagesBefore) << "no message without the voice library";
    EXPECT_EQ(g.CardCount[4], 9) << "a right click is no move";

    // The other seats' hidden cards say nothing while the hand runs.
    rightClickCard(2, 1);
    EXPECT_EQ(voices_.size(), 1u);

    QTest::mouseClick(button7(), Qt::LeftButton); // "To Begin"
    playHandToItsEnd(false);
    voices_.clear();

    // After the hand the other hands lie open and speak.
    int seat = 1;
    while (seat <= 3 && g.CardCount[seat] == 0)
        ++seat;
    ASSERT_LE(seat, 3);
    rightClickCard(seat, 1);
    ASSERT_EQ(voices_.size(), 1u);
    EXPECT_EQ(voices_[0], voiceResourceName(g.Hands[seat][1].card, Korean).toStdString());

    // The nine of diamonds lies on the table after every hand.
    voices_.clear();
    const QRect table = control("ImageStol")->geometry();
    const QPoint nine =
        tablePlace(form_->layout(), kDiamonds, kNine) - table.topLeft() + QPoint(5, 5);
    QTest::mouseClick(control("ImageStol"), Qt::RightButton, {}, nine);
    ASSERT_FALSE(voices_.empty());
    EXPECT_EQ(voices_.back(), "Bu09VoiceKor");
}

TEST_F(WindowSoundTest, MelodyPlaysOnTitleAndMenuButNotInAMatch) {
    openWithSound(quickSettings());
    EXPECT_EQ(midi_->opened, temporary_.path() + QStringLiteral("/temp46_25.mid"));
    EXPECT_TRUE(QFileInfo::exists(midi_->opened));
    EXPECT_TRUE(midi_->isPlaying) << "title screen";
    toMenu();
    EXPECT_TRUE(midi_->isPlaying) << "menu";

    // The song ends: the menu's timer starts it again.
    midi_->isPlaying = false;
    fireMusicTimer();
    EXPECT_TRUE(midi_->isPlaying);
    EXPECT_EQ(midi_->plays, 2);

    logInNewPlayer(QStringLiteral("Listener"));
    ASSERT_TRUE(form_->game().InGame);
    EXPECT_FALSE(midi_->isPlaying) << "a match starts in silence";
    fireMusicTimer();
    EXPECT_FALSE(midi_->isPlaying) << "the timer keeps it silent during the match";

    // Through a hand and out to the menu: the melody is back.
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    QTest::mouseClick(button7(), Qt::LeftButton); // "Total of game"
    QTest::mouseClick(button8(), Qt::LeftButton); // "Exit to menu"
    ASSERT_TRUE(form_->menuShown());
    EXPECT_TRUE(midi_->isPlaying);
}

TEST_F(WindowSoundTest, MusicSwitchStartsAndStopsAtOnce) {
    Settings s = quickSettings();
    s.music = false;
    openWithSound(s);
    toMenu();
    EXPECT_FALSE(midi_->isPlaying);
    fireMusicTimer();
    EXPECT_FALSE(midi_->isPlaying) << "music off: the timer does not start it";
    form_->editableSettings().music = true;
    form_->applyMusicSetting();
    EXPECT_TRUE(midi_->isPlaying);
    form_->editableSettings().music = false;
    form_->applyMusicSetting();
    EXPECT_FALSE(midi_->isPlaying);
}

TEST_F(WindowSoundTest, LostMusicFileSilencesTheMelodyUntilTheNextStart) {
    openWithSound(quickSettings());
    toMenu();
    midi_->isPlaying = false;
    ASSERT_TRUE(QFile::remove(midi_->opened));
    const QStringList messagesBefore = Ask::asked();
    fireMusicTimer();
    EXPECT_FALSE(midi_->isPlaying);
    EXPECT_EQ(Ask::asked(), messagesBefore);
}

TEST_F(WindowSoundTest, AnUnwritableMusicFileIsReportedAndTheGameGoesOn) {
    writeSettings(quickSettings());
    form_ = std::make_unique<TForm1>(dir_.path() + QLatin1Char('/'));
    form_->setAuxiliaryWindows(&windows_);
    auto m = std::make_unique<RecordingMidi>();
    midi_ = m.get();
    form_->sound().setMidiOutput(std::move(m));
    form_->sound().setTemporaryFolder(temporary_.path() + QStringLiteral("/missing/folder"));
    form_->show();
    ASSERT_TRUE(form_->startUp());
    EXPECT_TRUE(Ask::asked().contains(QStringLiteral("Can`t create music file!")));
    EXPECT_FALSE(midi_->isPlaying);
    toMenu();
}

TEST_F(WindowSoundTest, ClosingStopsTheMelodyAndDeletesItsFile) {
    openWithSound(quickSettings());
    toMenu();
    const QString file = midi_->opened;
    ASSERT_TRUE(QFileInfo::exists(file));
    form_->close();
    EXPECT_FALSE(midi_->isPlaying);
    EXPECT_GE(midi_->closes, 1);
    EXPECT_FALSE(QFileInfo::exists(file));
}

} // namespace
} // namespace quarn::testing
