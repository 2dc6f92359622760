// The radio and the music player on the main window: where the indicator and
// the three music buttons sit at each window size (and that they cover none
// of the menu's or the table's controls), their turns with each other and
// with the melody, and the radio starting again when the options change the
// station list source. The window talks to a running wem-server named in
// its server file; the program folder lies one level below a temporary
// folder, where the radio keeps its state file and the fetched list.
#include "match/Ask.h"
#include "match/TForm1.h"
#include "match/TFormPassword.h"
#include "radio/view/FreePlace.h"
#include "radio/view/ImRadio.h"
#include "radio/view/TMyMediaPL.h"
#include "store/Settings.h"
#include "tests/server/ServerHarness.h"
#include "web/ServerFile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>

namespace quarn::radiotest {
namespace {

class SilentSound : public SoundPlayer {
  public:
    void Play(std::string_view, bool) override {}
};

struct WindowCase {
    const char *name;
    WindowSizeSetting size;
    bool large; // the indicator (scale 1.6 and more) and the buttons (1.5 and more) show
};

const WindowCase kSizes[] = {
    {"small", WindowSizeSetting::Small, false},
    {"average-1", WindowSizeSetting::Average1, false},
    {"average-2", WindowSizeSetting::Average2, true},
    {"large", WindowSizeSetting::Large, true},
};

class RadioOnTheWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(temp_.isValid());
        ASSERT_TRUE(server_.ok()) << server_.error().toStdString();
        ASSERT_TRUE(QDir(temp_.path()).mkdir(QStringLiteral("Quarn")));
        for (const char *name : {"Quarn.clb", "Quarn.net"})
            ASSERT_TRUE(QFile::copy(QStringLiteral(QUARN_DIST_DIR "/") + QLatin1String(name),
                                    program() + QLatin1String(name)));
        put(program() + QString::fromLatin1(web::kServerFileName.data()),
            QByteArray::fromStdString(server_.baseUrl() + "\r\n"));
        settings_.cardFlight = false;
        settings_.music = false;
        Ask::clearAsked();
        Ask::setQuiet(true);
    }
    void TearDown() override {
        if (form_)
            form_->setAttribute(Qt::WA_DeleteOnClose, false);
        form_.reset();
        Ask::clearAsked();
    }

    QString program() const { return temp_.path() + QStringLiteral("/Quarn/"); }
    void put(const QString &path, const QByteArray &bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void withRadioLibrary() {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUARN_DIST_DIR "/WemRadio02.dll"),
                                program() + QStringLiteral("WemRadio02.dll")));
    }
    // The radio's state file: the server's first station, switched on or off.
    void radioState(bool enabled) {
        put(temp_.path() + QStringLiteral("/WemRadio.ini"),
            QByteArray::fromStdString("Quarn Radio Moscow\r\n" + server_.baseUrl() +
                                      "/radio/QRN0001\r\nRussian Federation\r\n"
                                      "RRADIO_LOGO_QRN0001\r\n" +
                                      (enabled ? "1" : "0") + "\r\n30\r\n0\r\n"));
    }

    TForm1 &openToMenu(WindowSizeSetting size) {
        settings_.windowSize = size;
        EXPECT_TRUE(saveSettings(std::filesystem::path(program().toStdString()), settings_).ok);
        form_ = std::make_unique<TForm1>(program());
        form_->setSoundDevice(&sound_);
        form_->show();
        EXPECT_TRUE(form_->startUp());
        EXPECT_TRUE(
            form_->awaitRequests()); // the start's configuration comes off the window's thread
        QTest::keyRelease(form_.get(), Qt::Key_Space);
        EXPECT_TRUE(form_->menuShown());
        // The radio's list, the configuration and the song list come in
        // off the window's thread.
        EXPECT_TRUE(form_->awaitRequests());
        return *form_;
    }

    template <typename T = QWidget> T *control(const char *name) const {
        return form_->findChild<T *>(QString::fromLatin1(name));
    }
    std::vector<QWidget *> radioAndMusic() const {
        return {control("ImRadio"), control("ImagePlay"), control("ImageNext"),
                control("ImageVol")};
    }

    // Starts a match as a new player through the name-and-password window.
    void startMatch() {
        QTimer::singleShot(0, [] {
            auto *form = qobject_cast<TFormPassword *>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("EditName")),
                             QStringLiteral("Ann"));
            QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("EditPassword")),
                             QStringLiteral("pw"));
            QTest::keyClicks(form->findChild<QLineEdit *>(QStringLiteral("EditPassword2")),
                             QStringLiteral("pw"));
            QTest::mouseClick(form->findChild<QPushButton *>(QStringLiteral("ButtonOk")),
                              Qt::LeftButton);
        });
        QTest::mouseClick(control<QPushButton>("Button6"), Qt::LeftButton);
    }

    // Every shown control of the window that `widget` overlaps.
    QStringList overlapped(const QWidget *widget) const {
        QStringList names;
        for (QWidget *other : form_->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (other != widget && !other->isWindow() && other->isVisible() &&
                widget->geometry().intersects(other->geometry()))
                names << other->objectName();
        return names;
    }

    void shoot(const QString &name) {
        QDir().mkpath(QStringLiteral(QUARN_RADIO_SHOTS));
        form_->grab().save(QStringLiteral(QUARN_RADIO_SHOTS "/") + name + QStringLiteral(".png"));
    }

    QTemporaryDir temp_;
    servertest::RunningServer server_;
    Settings settings_;
    SilentSound sound_;
    std::unique_ptr<TForm1> form_;
};

TEST_F(RadioOnTheWindow, IndicatorAndMusicButtonsCoverNoOtherControl) {
    withRadioLibrary();
    for (const WindowCase &c : kSizes) {
        SCOPED_TRACE(c.name);
        TForm1 &form = openToMenu(c.size);
        ASSERT_NE(form.musicPlayer(), nullptr);
        ASSERT_TRUE(form.musicPlayer()->Create()) << "the served song list is read";
        for (QWidget *widget : radioAndMusic()) {
            ASSERT_NE(widget, nullptr);
            EXPECT_EQ(widget->isVisible(), c.large) << widget->objectName().toStdString();
            if (!c.large)
                continue;
            EXPECT_TRUE(form.rect().contains(widget->geometry()));
            EXPECT_EQ(overlapped(widget), QStringList()) << widget->objectName().toStdString();
        }
        if (c.large)
            shoot(QStringLiteral("menu-") + QLatin1String(c.name));
        // On the table the buttons stay, the indicator goes.
        startMatch();
        ASSERT_TRUE(form.game().InGame);
        EXPECT_FALSE(control("ImRadio")->isVisible());
        for (QWidget *widget : radioAndMusic()) {
            if (widget->objectName() == QLatin1String("ImRadio"))
                continue;
            EXPECT_EQ(widget->isVisible(), c.large) << widget->objectName().toStdString();
            if (c.large) {
                EXPECT_EQ(overlapped(widget), QStringList()) << widget->objectName().toStdString();
            }
        }
        if (c.large)
            shoot(QStringLiteral("table-") + QLatin1String(c.name));
        form_.reset();
    }
}

TEST_F(RadioOnTheWindow, IndicatorAndMusicButtonsFollowTheWindowSizeOfTheOptions) {
    withRadioLibrary();
    TForm1 &form = openToMenu(WindowSizeSetting::Large);
    for (const WindowCase &c : {kSizes[2], kSizes[0], kSizes[3]}) {
        SCOPED_TRACE(c.name);
        form.editableSettings().windowSize = c.size;
        form.windowSizeChanged();
        for (QWidget *widget : radioAndMusic()) {
            EXPECT_EQ(widget->isVisible(), c.large) << widget->objectName().toStdString();
            if (c.large) {
                EXPECT_EQ(overlapped(widget), QStringList()) << widget->objectName().toStdString();
            }
        }
        if (c.large) {
            EXPECT_EQ(control("ImagePlay")->geometry().bottom(), form.height() - 70 + 60);
        }
    }
}

TEST(RadioIndicatorFreePlace, NearestPlaceThatCoversNothing) {
    const QRect bounds(0, 0, 400, 300);
    const QSize size(100, 50);
    struct Case {
        const char *name;
        QPoint wanted;
        std::vector<QRect> taken;
        std::optional<QPoint> expected;
    } cases[] = {
        {"free where wanted", {50, 50}, {QRect(200, 200, 10, 10)}, QPoint(50, 50)},
        {"pushed below a control", {50, 50}, {QRect(0, 0, 400, 98)}, QPoint(50, 98)},
        {"pushed right of a control", {50, 50}, {QRect(0, 0, 152, 300)}, QPoint(152, 50)},
        {"kept inside the window", {350, 280}, {}, QPoint(300, 250)},
        {"nowhere free", {50, 50}, {QRect(0, 0, 400, 300)}, std::nullopt},
        {"a gap just large enough",
         {0, 0},
         {QRect(0, 0, 400, 100), QRect(0, 150, 400, 150), QRect(0, 100, 200, 50)},
         QPoint(200, 100)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(nearestFreePlace(c.wanted, size, bounds, c.taken, 2), c.expected) << c.name;
}

TEST_F(RadioOnTheWindow, IndicatorInEachStateOnTheLargeMenu) {
    const struct {
        const char *name;
        bool library;
        bool enabled;
        const char *picture;
    } states[] = {
        {"cannot-use", false, false, "GRadioB"},
        {"off", true, false, "GRadioR"},
        {"playing", true, true, "GRadioG"},
    };
    for (const auto &state : states) {
        SCOPED_TRACE(state.name);
        QFile::remove(program() + QStringLiteral("WemRadio02.dll"));
        if (state.library)
            withRadioLibrary();
        radioState(state.enabled);
        openToMenu(WindowSizeSetting::Large);
        auto *indicator = control<ImRadio>("ImRadio");
        ASSERT_TRUE(indicator->isVisible());
        EXPECT_EQ(indicator->statePicture(), QLatin1String(state.picture));
        shoot(QStringLiteral("indicator-") + QLatin1String(state.name));
        form_.reset();
    }
}

TEST_F(RadioOnTheWindow, MusicAndRadioTakeTurnsAndSilenceTheMelody) {
    withRadioLibrary();
    radioState(true);
    settings_.music = true;
    TForm1 &form = openToMenu(WindowSizeSetting::Large);
    RadioController &radio = form.radio();
    TMyMediaPL &music = *form.musicPlayer();
    ASSERT_EQ(radio.look(), RadioLook::Playing);
    EXPECT_FALSE(form.settings().music) << "the radio switched the melody off";

    // A song: the radio goes off and its indicator shows it.
    QTest::mouseClick(control("ImageNext"), Qt::LeftButton);
    EXPECT_TRUE(music.Play());
    EXPECT_FALSE(radio.radio().Enabled);
    EXPECT_FALSE(radio.audio().hasStream());
    EXPECT_EQ(control<ImRadio>("ImRadio")->statePicture(), QStringLiteral("GRadioR"));

    // The radio again: the songs stop.
    QTest::mouseClick(control("ImRadio"), Qt::LeftButton);
    EXPECT_TRUE(radio.radio().Enabled);
    EXPECT_FALSE(music.Play());
    EXPECT_FALSE(music.audio().playing());

    // With the radio off and the melody switched on again, a song silences the melody.
    QTest::mouseClick(control("ImRadio"), Qt::LeftButton);
    form.editableSettings().music = true;
    QTest::mouseClick(control("ImagePlay"), Qt::LeftButton);
    EXPECT_TRUE(music.Play());
    EXPECT_FALSE(form.settings().music);
}

TEST_F(RadioOnTheWindow, ChangingTheListSourceStartsTheRadioAgainKeepingTheStation) {
    withRadioLibrary();
    radioState(false);
    settings_.radioListFromServer = true;
    TForm1 &form = openToMenu(WindowSizeSetting::Large);
    RadioController &radio = form.radio();
    ASSERT_TRUE(radio.radio().CanUse);
    // This run's choices: another station, louder, switched on.
    radio.SelectStation("QRN0004");
    radio.setVolume(60);
    radio.setEnabled(true);
    ASSERT_EQ(radio.look(), RadioLook::Playing);

    // From the disk, where there is no list: the radio cannot be used.
    form.editableSettings().radioListFromServer = false;
    form.radioListSourceChanged();
    EXPECT_FALSE(radio.radio().CanUse);
    EXPECT_FALSE(radio.radio().Enabled);
    EXPECT_FALSE(radio.audio().hasStream());
    EXPECT_EQ(control<ImRadio>("ImRadio")->statePicture(), QStringLiteral("GRadioB"));

    // Back to the server: usable, with the run's station and volume (the
    // state file still holds the last run's), switched off.
    form.editableSettings().radioListFromServer = true;
    form.radioListSourceChanged();
    EXPECT_TRUE(radio.starting());
    ASSERT_TRUE(form.awaitRequests());
    ASSERT_TRUE(radio.radio().CanUse);
    EXPECT_EQ(radio.radio().Name, "Quarn Radio New York");
    EXPECT_EQ(radio.radio().Volume, 60);
    EXPECT_EQ(radio.look(), RadioLook::Off);

    // Playing, to a disk list that is there: the station plays on from it.
    QFile served(temp_.path() + QStringLiteral("/WemRadio.ser"));
    ASSERT_TRUE(served.open(QIODevice::ReadOnly));
    put(temp_.path() + QStringLiteral("/WemRadio.rad"), served.readAll());
    radio.setEnabled(true);
    form.editableSettings().radioListFromServer = false;
    form.radioListSourceChanged();
    ASSERT_TRUE(radio.radio().CanUse);
    EXPECT_EQ(radio.look(), RadioLook::Playing);
    EXPECT_EQ(radio.audio().source().toString(),
              QString::fromStdString(server_.baseUrl() + "/radio/QRN0004"));
}

} // namespace
} // namespace quarn::radiotest
