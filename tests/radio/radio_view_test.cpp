// The radio as the main window drives it: when it can be used, the state
// file, the indicator, the radio window's country filter, station choice and
// volume, and the streams of a running wem-server.
#include "RadioFixture.h"
#include "ServerLog.h"

#include "radio/StationList.h"
#include "radio/view/ImRadio.h"
#include "radio/view/TFormRadio.h"
#include "store/Cp1251.h"
#include "tests/server/ServerHarness.h"
#include "web/WebServices.h"

#include "table/ResourceLibrary.h"
#include <QAudioDevice>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <cstdint>

namespace quarn::radiotest {
namespace {

const QByteArray kList = QByteArray::fromStdString(
    utf8ToCp1251("# stations\r\n"
                 "RUS#QRN0001#Quarn Radio Moscow#Russian Federation#http://127.0.0.1:9/a#"
                 "RRADIO_LOGO_QRN0001\r\n"
                 "RUS#QRN0002#Quarn Radio Volga#Russian Federation#http://127.0.0.1:9/v#"
                 "RRADIO_LOGO_QRN0002\r\n"
                 "damaged line\r\n"
                 "USA#QRN0004#Quarn Radio New York#USA#http://127.0.0.1:9/n#RRADIO_LOGO_QRN0004\r\n"
                 "USA#QRN0011#No Logo FM#USA#http://127.0.0.1:9/x\r\n")
        .value());

// What a choice in a box does: the entry becomes current, then the box reports it.
void choose(QComboBox *box, int index) {
    box->setCurrentIndex(index);
    emit box->activated(index);
}

using RadioStart = RadioFolderFixture;

TEST_F(RadioStart, CanUseNeedsTheLibraryAndAList) {
    struct Case {
        const char *what;
        bool library;
        bool fromServer;
        bool fetchSucceeds;
        const char *diskListIn; // "", "program" or "parent"
        bool canUse;
    };
    const Case cases[] = {
        {"disk list above the program", true, false, false, "parent", true},
        {"disk list beside the program", true, false, false, "program", true},
        {"no disk list", true, false, true, "", false},
        {"server list fetched", true, true, true, "", true},
        {"server unreachable, disk list present", true, true, false, "parent", false},
        {"no radio library", false, false, false, "parent", false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir fresh;
        temp_.swap(fresh);
        QDir(parent()).mkdir(QStringLiteral("Quarn"));
        if (c.library)
            withLibrary();
        if (QByteArray(c.diskListIn) == "parent")
            put(parent() + "/WemRadio.rad", kList);
        if (QByteArray(c.diskListIn) == "program")
            put(program() + "/WemRadio.rad", kList);
        settings_.radioListFromServer = c.fromServer;
        std::string fetchedInto;
        fetch_ = [&](const std::string &folder, const std::string &name) {
            fetchedInto = folder + "/" + name;
            return c.fetchSucceeds;
        };
        put(parent() + "/WemRadio.ini", "A\r\nhttp://h/a\r\nUSA\r\nL\r\n1\r\n50\r\n12\r\n");
        RadioController radio(context());
        radio.RadioStart();
        EXPECT_EQ(radio.radio().CanUse, c.canUse);
        EXPECT_EQ(radio.look() == RadioLook::CannotUse, !c.canUse);
        if (c.canUse) {
            EXPECT_EQ(radio.radio().Name, "A"); // the state file was read
            EXPECT_TRUE(radio.radio().Enabled);
            EXPECT_EQ(radio.radio().KakStations, 12);
        } else {
            EXPECT_FALSE(radio.radio().Enabled);
        }
        if (c.fromServer)
            EXPECT_EQ(QString::fromStdString(fetchedInto), parent() + "/WemRadio.ser");
    }
}

class FakeMelody : public MelodyControl {
  public:
    bool melodyOn() const override { return on; }
    void switchMelodyOff() override { on = false; }
    bool on = true;
};

TEST_F(RadioStart, ShowingTheMenuPlaysAnEnabledRadioAndSilencesTheMelody) {
    withLibrary();
    put(parent() + "/WemRadio.rad", kList);
    for (const bool enabled : {false, true}) {
        SCOPED_TRACE(enabled);
        put(parent() + "/WemRadio.ini", QByteArray("A\r\nhttp://127.0.0.1:9/a\r\nUSA\r\nL\r\n") +
                                            (enabled ? "1" : "0") + "\r\n50\r\n12\r\n");
        FakeMelody melody;
        RadioContext c = context();
        c.melody = &melody;
        RadioController radio(c);
        radio.RadioStart();
        radio.StartWithMenu();
        EXPECT_EQ(radio.audio().hasStream(), enabled);
        EXPECT_EQ(melody.on, !enabled);
    }
}

// The server's list comes later than the start (it is fetched off the
// window's thread): the radio waits unusable, a menu shown meanwhile plays
// the station once the list is in, and the list of a start that a newer
// one replaced counts for nothing.
TEST_F(RadioStart, TheServersListArrivingLaterCompletesTheStart) {
    withLibrary();
    settings_.radioListFromServer = true;
    put(parent() + "/WemRadio.ini", "A\r\nhttp://127.0.0.1:9/a\r\nUSA\r\nL\r\n1\r\n50\r\n12\r\n");
    FakeMelody melody;
    RadioContext c = context();
    c.melody = &melody;
    std::vector<std::function<void(bool)>> pending;
    c.fetchList = [&pending](const std::string &, const std::string &,
                             std::function<void(bool)> done) {
        pending.push_back(std::move(done));
    };
    RadioController radio(c);
    radio.RadioStart();
    ASSERT_EQ(pending.size(), 1u);
    EXPECT_TRUE(radio.starting());
    EXPECT_EQ(radio.look(), RadioLook::CannotUse);
    radio.StartWithMenu();
    EXPECT_FALSE(radio.audio().hasStream());
    EXPECT_TRUE(melody.on);

    radio.RadioStart(); // the options changed the source meanwhile
    ASSERT_EQ(pending.size(), 2u);
    pending[0](true); // the first start's late list
    EXPECT_TRUE(radio.starting());
    EXPECT_FALSE(radio.radio().CanUse);

    pending[1](true);
    EXPECT_FALSE(radio.starting());
    ASSERT_TRUE(radio.radio().CanUse);
    EXPECT_EQ(radio.radio().Name, "A");
    EXPECT_TRUE(radio.audio().hasStream()) << "the menu came while the list was on its way";
    EXPECT_FALSE(melody.on);
}

TEST_F(RadioStart, WithoutTheRadioEveryUseShowsTheMessage) {
    RadioController radio(context());
    radio.RadioStart();
    radio.ToggleRadio(Qt::LeftButton);
    radio.ToggleRadio(Qt::RightButton);
    radio.OpenRadio(nullptr);
    ASSERT_EQ(messages_.size(), 3);
    EXPECT_EQ(messages_[0], QStringLiteral("Can`t find WemRadio.rad + WemRadio02.dll"));
    EXPECT_FALSE(radio.radio().Enabled);
    EXPECT_FALSE(radio.audio().hasStream());
}

TEST_F(RadioStart, SaveWritesTheStateAboveTheProgramAndResetsAnEmptyName) {
    withLibrary();
    put(parent() + "/WemRadio.rad", kList);
    put(parent() + "/WemRadio.ini", "\r\nhttp://h/a\r\nUSA\r\nL\r\n1\r\n50\r\n12\r\n");
    RadioController radio(context());
    radio.RadioStart();
    radio.RadioSave();
    EXPECT_EQ(read(parent() + "/WemRadio.ini").toStdString(), formatRadioState(defaultRadio()));
}

TEST_F(RadioStart, ARunThatNeverReadTheStateLeavesItsFileAlone) {
    const QByteArray saved = "My Station\r\nhttp://h/m\r\nUSA\r\nL\r\n1\r\n70\r\n12\r\n";
    struct Case {
        const char *what;
        bool library;
        bool fromServer;
        bool fetchSucceeds;
    } cases[] = {
        {"no radio library", false, false, false},
        {"server list not fetched", true, true, false},
        {"no disk list", true, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        QFile::remove(program() + "/WemRadio02.dll");
        if (c.library)
            withLibrary();
        settings_.radioListFromServer = c.fromServer;
        fetch_ = [&c](const std::string &, const std::string &) { return c.fetchSucceeds; };
        put(parent() + "/WemRadio.ini", saved);
        RadioController radio(context());
        radio.RadioStart();
        ASSERT_FALSE(radio.radio().CanUse);
        radio.RadioSave();
        EXPECT_EQ(read(parent() + "/WemRadio.ini"), saved);
    }
}

TEST_F(RadioStart, TheDefaultStationIsTheClubServersFirst) {
    withLibrary();
    put(parent() + "/WemRadio.rad", kList);
    RadioContext c = context();
    c.site = "http://club.example.org:9000/";
    RadioController radio(c);
    radio.RadioStart(); // no state file
    EXPECT_EQ(radio.radio().URL, "http://club.example.org:9000/radio/QRN0001");
    EXPECT_EQ(radio.radio().Name, "Quarn Radio Moscow");
    radio.RadioSave();
    EXPECT_EQ(read(parent() + "/WemRadio.ini").toStdString(),
              formatRadioState(defaultRadio("http://club.example.org:9000")));
}

TEST_F(RadioStart, AStreamThatEndsIsOpenedAgainAfterGrowingWaits) {
    // Without an audio device nothing is fetched, so the stream's ends and
    // its data come only from this test.
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio device";
    withLibrary();
    put(parent() + "/WemRadio.rad", kList);
    RadioContext c = context();
    c.reconnectBaseMs = 50;
    RadioController radio(c);
    radio.RadioStart();
    ASSERT_TRUE(radio.radio().CanUse);
    ImRadio indicator(radio);
    radio.setEnabled(true);
    const QUrl station = radio.audio().source();
    // The server closes the stream (or it breaks off) again and again: each
    // wait is twice the last.
    for (const int wait : {50, 100, 200, 400}) {
        SCOPED_TRACE(wait);
        emit radio.audio().finished();
        EXPECT_EQ(radio.look(), RadioLook::Reconnecting);
        EXPECT_EQ(radio.reconnectDelayMs(), wait);
        EXPECT_FALSE(radio.audio().hasStream());
        EXPECT_EQ(indicator.statePicture(), QStringLiteral("GRadioR"));
        EXPECT_TRUE(indicator.toolTip().endsWith(QStringLiteral("(No Connect)")));
        QTRY_VERIFY_WITH_TIMEOUT(radio.audio().hasStream(), 5000);
        EXPECT_EQ(radio.audio().source(), station);
        EXPECT_EQ(radio.look(), RadioLook::Playing);
    }
    // Once the stream's data arrives the waits start again from the first.
    emit radio.audio().receiving();
    emit radio.audio().failed();
    EXPECT_EQ(radio.reconnectDelayMs(), 50);
    // Switched off, nothing is opened again.
    radio.setEnabled(false);
    EXPECT_EQ(radio.reconnectDelayMs(), 0);
    EXPECT_EQ(radio.look(), RadioLook::Off);
    QTest::qWait(200);
    EXPECT_FALSE(radio.audio().hasStream());
}

class RadioWindow : public RadioFolderFixture {
  protected:
    void SetUp() override {
        RadioFolderFixture::SetUp();
        withLibrary();
        put(parent() + "/WemRadio.rad", kList);
        radio_ = std::make_unique<RadioController>(context());
        radio_->RadioStart();
        ASSERT_TRUE(radio_->radio().CanUse);
    }
    QStringList stationNames(const TFormRadio &window) {
        QStringList names;
        for (int i = 0; i < window.stationBox()->count(); ++i)
            names << window.stationBox()->itemText(i);
        return names;
    }
    std::unique_ptr<RadioController> radio_;
};

TEST_F(RadioWindow, CountryBoxHoldsTheTwentyEightCountriesWithFlags) {
    TFormRadio window(*radio_);
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Wem Internet-Radio"));
    ASSERT_EQ(window.countryBox()->count(), 28);
    EXPECT_EQ(window.countryBox()->itemText(0), QStringLiteral("Russian Federation"));
    EXPECT_EQ(window.countryBox()->itemText(27), QStringLiteral("South Korea"));
    for (int i = 0; i < 28; ++i)
        EXPECT_FALSE(window.countryBox()->itemIcon(i).isNull()) << i;
    EXPECT_EQ(window.countryBox()->currentIndex(), 0);
}

TEST_F(RadioWindow, StationBoxIsFilteredByCountry) {
    TFormRadio window(*radio_);
    EXPECT_EQ(stationNames(window), QStringList({QStringLiteral("Quarn Radio Moscow"),
                                                 QStringLiteral("Quarn Radio Volga")}));
    EXPECT_EQ(window.stationBox()->currentIndex(), 0); // the current station
    choose(window.countryBox(), 12);                   // USA
    EXPECT_EQ(radio_->radio().KakStations, 12);
    EXPECT_EQ(stationNames(window),
              QStringList({QStringLiteral("Quarn Radio New York"), QStringLiteral("No Logo FM")}));
    // The current station is not among them: the first is chosen.
    EXPECT_EQ(radio_->radio().Name, "Quarn Radio New York");
    EXPECT_EQ(radio_->radio().URL, "http://127.0.0.1:9/n");
    EXPECT_EQ(window.logoPicture(), QStringLiteral("RRADIO_LOGO_QRN0004"));
}

TEST_F(RadioWindow, ChoosingAStationSetsItsValuesAndSwitchesAPlayingStream) {
    TFormRadio window(*radio_);
    emit window.playButton()->clicked();
    ASSERT_TRUE(radio_->radio().Enabled);
    choose(window.stationBox(), 1);
    EXPECT_EQ(radio_->radio().Name, "Quarn Radio Volga");
    EXPECT_EQ(radio_->radio().Country, "Russian Federation");
    EXPECT_EQ(radio_->radio().Resurs, "RRADIO_LOGO_QRN0002");
    EXPECT_EQ(radio_->audio().source().toString(), QStringLiteral("http://127.0.0.1:9/v"));
    EXPECT_EQ(window.stationBox()->toolTip(), QStringLiteral("Quarn Radio Volga"));
}

TEST_F(RadioWindow, ACountryWithoutStationsKeepsTheStationPlaying) {
    TFormRadio window(*radio_);
    emit window.playButton()->clicked();
    const QUrl playing = radio_->audio().source();
    choose(window.countryBox(), 1); // Ukraine: none in the list
    EXPECT_EQ(window.stationBox()->count(), 0);
    EXPECT_EQ(radio_->radio().Name, "Quarn Radio Moscow");
    EXPECT_EQ(radio_->audio().source(), playing);
    EXPECT_TRUE(radio_->radio().Enabled);
}

TEST_F(RadioWindow, VolumeButtonsStepWithinTheRange) {
    struct Case {
        int start;
        bool plus;
        int expected;
        const char *picture;
    };
    const Case cases[] = {
        {30, true, 40, "RRADIO_VOLUME04"},  {100, true, 100, "RRADIO_VOLUME10"},
        {0, false, 0, "RRADIO_VOLUME00"},   {35, false, 25, "RRADIO_VOLUME03"},
        {95, true, 100, "RRADIO_VOLUME10"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start);
        TRadio state = radio_->radio();
        state.Volume = c.start;
        state.Enabled = true;
        radio_->setRadio(state);
        radio_->PlayRadio();
        TFormRadio window(*radio_);
        emit(c.plus ? window.buttonPlus() : window.buttonMinus())->clicked();
        EXPECT_EQ(radio_->radio().Volume, c.expected);
        EXPECT_EQ(window.volumePicture(), QString::fromLatin1(c.picture));
        EXPECT_DOUBLE_EQ(radio_->audio().volume(), c.expected / 100.0);
    }
    TRadio state = radio_->radio();
    state.Volume = 35;
    radio_->setRadio(state);
    TFormRadio window(*radio_);
    EXPECT_EQ(window.volumePicture(), QStringLiteral("RRADIO_VOLUME04"));
}

TEST_F(RadioWindow, EveryControlHasAnAccessibleNameOrABuddy) {
    TFormRadio window(*radio_);
    for (QPushButton *button : {window.playButton(), window.buttonMinus(), window.buttonPlus()})
        EXPECT_FALSE(button->accessibleName().isEmpty()) << button->objectName().toStdString();
    EXPECT_EQ(window.buttonMinus()->objectName(), QStringLiteral("ButtonMinus"));
    EXPECT_EQ(window.buttonPlus()->objectName(), QStringLiteral("ButtonPlus"));
    int buddies = 0;
    for (QLabel *label : window.findChildren<QLabel *>())
        if (label->buddy() == window.countryBox() || label->buddy() == window.stationBox())
            ++buddies;
    EXPECT_EQ(buddies, 2);
}

TEST_F(RadioWindow, IndicatorShowsTheStateAndTogglesOnALeftClick) {
    ImRadio indicator(*radio_);
    EXPECT_EQ(indicator.statePicture(), QStringLiteral("GRadioR"));
    EXPECT_EQ(indicator.toolTip(), QStringLiteral("Wem Internet-Radio: Quarn Radio Moscow"));
    QTest::mouseClick(&indicator, Qt::LeftButton);
    EXPECT_TRUE(radio_->radio().Enabled);
    EXPECT_EQ(indicator.statePicture(), QStringLiteral("GRadioG"));
    QTest::keyClick(&indicator, Qt::Key_Space);
    EXPECT_FALSE(radio_->radio().Enabled);
    EXPECT_FALSE(radio_->audio().hasStream());
    QTest::mouseClick(&indicator, Qt::LeftButton);
    QDir().mkpath(QStringLiteral(QUARN_RADIO_SHOTS));
    indicator.grab().save(QStringLiteral(QUARN_RADIO_SHOTS "/indicator-playing.png"));
    QTest::mouseClick(&indicator, Qt::LeftButton);
    const QImage picture = indicator.grab().toImage();
    picture.save(QStringLiteral(QUARN_RADIO_SHOTS "/indicator-off.png"));
    EXPECT_EQ(picture.size(), QSize(220, 125));
    EXPECT_NE(picture.pixel(37 + 70, 6 + 40), picture.pixel(2, 2)); // the radio is drawn
}

TEST(RadioIndicatorPlace, FollowsTheMenuLayoutFromScale16) {
    const QRect animation(100, 300, 150, 100); // right edge 250
    const QRect button6(600, 500, 200, 40);
    const QRect button5(600, 450, 200, 41); // bottom 491
    EXPECT_FALSE(radioIndicatorPlace(1.59, animation, button5, button6, 800));
    // (250 + 600) / 2 - 110 = 315; (800 + 450 + 41) / 2 - 62.5 = 583.
    EXPECT_EQ(radioIndicatorPlace(1.6, animation, button5, button6, 800), QPoint(315, 583));
    // Halves go to the even neighbour: (251 + 600) / 2 - 110 = 315.5 -> 316.
    EXPECT_EQ(radioIndicatorPlace(2.0, QRect(100, 300, 151, 100), button5, button6, 800),
              QPoint(316, 583));
    // (801 + 491) / 2 - 62.5 = 583.5 -> 584.
    EXPECT_EQ(radioIndicatorPlace(2.0, animation, button5, button6, 801), QPoint(315, 584));
}

TEST_F(RadioWindow, WindowInEachDesign) {
    const QString graphics = QStringLiteral(QUARN_DIST_DIR "/WemCGraph1.dll");
    if (QFile::exists(graphics))
        QFile::copy(graphics, program() + "/WemCGraph1.dll");
    QDir().mkpath(QStringLiteral(QUARN_RADIO_SHOTS));
    const struct {
        const char *name;
        bool purple;
        WindowDesign design;
        int height;
    } designs[] = {{"concise", false, WindowDesign::GrayConcise, 279},
                   {"aristocratic", false, WindowDesign::GrayAristocratic, 295},
                   {"red", false, WindowDesign::GrayWithRedRibbons, 325},
                   {"purple", true, WindowDesign::GrayAristocratic, 320}};
    for (const auto &d : designs) {
        SCOPED_TRACE(d.name);
        settings_.purpleWindows = d.purple;
        settings_.windowDesign = d.design;
        RadioController radio(context());
        radio.RadioStart();
        TFormRadio window(radio);
        if (QFile::exists(graphics))
            EXPECT_EQ(window.height(), d.height);
        window.show();
        const QImage shot = window.grab().toImage();
        EXPECT_FALSE(shot.isNull());
        shot.save(QStringLiteral(QUARN_RADIO_SHOTS "/radio-%1.png").arg(QLatin1String(d.name)));
        window.close();
    }
}

// ---- against wem-server ----

class RadioOnServer : public RadioFolderFixture {
  protected:
    void SetUp() override {
        RadioFolderFixture::SetUp();
        ASSERT_TRUE(server_.ok()) << server_.error().toStdString();
        withLibrary();
        settings_.radioListFromServer = true;
        web_ = std::make_unique<web::WebServices>(web::Addresses::forServer(server_.baseUrl()));
        fetch_ = [this](const std::string &folder, const std::string &name) {
            return web_->DownloadResource(std::string(kDiskStationList), folder, name);
        };
        radio_ = std::make_unique<RadioController>(context());
        radio_->RadioStart();
        ASSERT_TRUE(radio_->radio().CanUse);
    }
    servertest::RunningServer server_;
    std::unique_ptr<web::WebServices> web_;
    std::unique_ptr<RadioController> radio_;
};

TEST_F(RadioOnServer, EveryServedStationHasItsOwnLogoInTheLibrary) {
    const auto list = readStationList(radio_->stationListFile().toStdString());
    ASSERT_TRUE(list);
    const ResourceLibrary library(program(), QStringLiteral("WemRadio02.dll"));
    int stations = 0;
    for (int filter = 1; filter <= 28; ++filter)
        for (const StationEntry &entry : stationsOfCountry(*list, filter)) {
            ++stations;
            const auto fields = findStation(*list, entry.id);
            ASSERT_TRUE(fields);
            EXPECT_NE(fields->Resurs, std::string(kNoLogo)) << entry.id;
            EXPECT_FALSE(library.picture(QString::fromStdString(fields->Resurs)).isNull())
                << fields->Resurs;
        }
    EXPECT_GE(stations, 8);
}

TEST_F(RadioOnServer, SwitchedOnItStreamsTheChosenStation) {
    ServerLog log;
    radio_->audio().setFetchWithoutDevice(true);
    TFormRadio window(*radio_);
    choose(window.countryBox(), 26); // Japan
    ASSERT_EQ(window.stationBox()->count(), 1);
    EXPECT_EQ(radio_->radio().Resurs, "RRADIO_LOGO_QRN0008");
    emit window.playButton()->clicked();
    EXPECT_TRUE(radio_->radio().Enabled);
    QDir().mkpath(QStringLiteral(QUARN_RADIO_SHOTS));
    window.grab().save(QStringLiteral(QUARN_RADIO_SHOTS "/radio-japan-playing.png"));
    EXPECT_EQ(radio_->audio().source().toString(),
              QString::fromStdString(server_.baseUrl()) + QStringLiteral("/radio/QRN0008"));
    emit window.buttonPlus()->clicked();
    EXPECT_DOUBLE_EQ(radio_->audio().volume(), 0.4);
    // The stream arrives in the background while the window keeps answering
    // (without an audio device its bytes are fetched and dropped).
    QSignalSpy failed(&radio_->audio(), &Audio::failed);
    QSignalSpy receiving(&radio_->audio(), &Audio::receiving);
    if (QMediaDevices::defaultAudioOutput().isNull())
        QTRY_VERIFY_WITH_TIMEOUT(radio_->audio().discardedBytes() > 20000, 10000);
    QTRY_COMPARE_WITH_TIMEOUT(receiving.count(), 1, 10000);
    EXPECT_EQ(failed.count(), 0);
    EXPECT_EQ(radio_->look(), RadioLook::Playing);
    // The server's log shows the station's stream being fetched.
    QTRY_COMPARE_WITH_TIMEOUT(log.count("/radio/QRN0008"), 1, 5000);
    // Switched off, the stream is released.
    emit window.playButton()->clicked();
    EXPECT_FALSE(radio_->audio().hasStream());
}

TEST_F(RadioOnServer, TheDefaultStationIsOneTheServerLists) {
    const auto list = readStationList(radio_->stationListFile().toStdString());
    ASSERT_TRUE(list);
    const TRadio station = defaultRadio(server_.baseUrl() + "/");
    const auto served = findStation(*list, "QRN0001");
    ASSERT_TRUE(served);
    EXPECT_EQ(served->Name, station.Name);
    EXPECT_EQ(served->URL, station.URL);
    EXPECT_EQ(served->Country, station.Country);
    EXPECT_EQ(served->Resurs, station.Resurs);
}

TEST_F(RadioOnServer, NoStreamIsFetchedWithoutAnAudioDevice) {
    if (!QMediaDevices::defaultAudioOutput().isNull())
        GTEST_SKIP() << "this machine has an audio device";
    ServerLog log;
    radio_->setEnabled(true);
    EXPECT_EQ(radio_->look(), RadioLook::Playing);
    QTest::qWait(1000);
    EXPECT_EQ(log.count("/radio/"), 0);
    EXPECT_EQ(radio_->audio().discardedBytes(), 0);
}

// The root mean square of 16-bit little-endian samples.
double rms(const std::string &pcm) {
    double sum = 0;
    const std::size_t samples = pcm.size() / 2;
    for (std::size_t i = 0; i < samples; ++i) {
        const auto sample = std::int16_t(std::uint16_t(std::uint8_t(pcm[2 * i])) |
                                         std::uint16_t(std::uint8_t(pcm[2 * i + 1]) << 8));
        sum += double(sample) * sample;
    }
    return samples ? std::sqrt(sum / double(samples)) : 0.0;
}

TEST_F(RadioOnServer, EveryStationStreamsADistinctAudibleTune) {
    const auto list = readStationList(radio_->stationListFile().toStdString());
    ASSERT_TRUE(list);
    servertest::HttpClient client(server_.baseUrl());
    std::vector<std::string> heard;
    for (int filter = 1; filter <= 28; ++filter)
        for (const StationEntry &entry : stationsOfCountry(*list, filter)) {
            const auto fields = findStation(*list, entry.id);
            ASSERT_TRUE(fields);
            ASSERT_EQ(fields->URL.rfind(server_.baseUrl(), 0), 0u) << fields->URL;
            const std::string stream =
                client.get(fields->URL.substr(server_.baseUrl().size()), 40000).body;
            ASSERT_GT(stream.size(), 30000u) << entry.id;
            EXPECT_EQ(stream.substr(0, 4), "RIFF") << entry.id;
            // The first two seconds after the 44-byte header: louder than
            // -30 dB of full scale, and unlike every other station's.
            const std::string samples = stream.substr(44, 30000);
            EXPECT_GT(rms(samples), 32768 * 0.0316) << entry.id;
            for (const std::string &other : heard)
                EXPECT_NE(samples, other) << entry.id;
            heard.push_back(samples);
        }
    EXPECT_GE(heard.size(), 8u);
}

TEST_F(RadioOnServer, AMissingStreamShowsTheFailureAndStaysUsable) {
    TRadio state = radio_->radio();
    state.URL = server_.baseUrl() + "/radio/NOSUCH1";
    radio_->setRadio(state);
    radio_->audio().setFetchWithoutDevice(true);
    ImRadio indicator(*radio_);
    QSignalSpy failed(&radio_->audio(), &Audio::failed);
    QTest::mouseClick(&indicator, Qt::LeftButton);
    ASSERT_TRUE(radio_->radio().Enabled);
    ASSERT_TRUE(failed.wait(10000));
    EXPECT_TRUE(radio_->streamFailed());
    EXPECT_EQ(indicator.statePicture(), QStringLiteral("GRadioR"));
    // Still usable: another station plays.
    TFormRadio window(*radio_);
    choose(window.stationBox(), 0);
    EXPECT_FALSE(radio_->streamFailed());
    EXPECT_EQ(radio_->look(), RadioLook::Playing);
    QTest::mouseClick(&indicator, Qt::LeftButton);
    EXPECT_FALSE(radio_->radio().Enabled);
}

} // namespace
} // namespace quarn::radiotest
