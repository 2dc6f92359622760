// The radio's files: the state file read line by line and rewritten with its
// reset rule, the station list with its comments and damaged lines, the
// country filter, the volume picture rule and the music player's song list.
#include "radio/Playlist.h"
#include "radio/RadioState.h"
#include "radio/StationList.h"
#include "store/Cp1251.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace quarn {
namespace {

std::string cp1251(std::string_view utf8) {
    return utf8ToCp1251(utf8).value();
}

// ---- state file ----

struct StateCase {
    const char *what;
    std::string file;
    TRadio expected;
};

TRadio withDefault(void (*change)(TRadio &)) {
    TRadio radio = defaultRadio();
    change(radio);
    return radio;
}

TEST(RadioStateFile, ReadsLineByLineOverTheDefaultStation) {
    const StateCase cases[] = {
        {"empty file keeps the default", "", defaultRadio()},
        {"all seven lines",
         cp1251("Радио Рокс\r\nhttp://host/r\r\nRussian "
                "Federation\r\nRRADIO_LOGO_X\r\n1\r\n70\r\n3\r\n"),
         withDefault([](TRadio &r) {
             r.Name = "Радио Рокс";
             r.URL = "http://host/r";
             r.Resurs = "RRADIO_LOGO_X";
             r.Enabled = true;
             r.Volume = 70;
             r.KakStations = 3;
         })},
        {"LF line ends and a missing last line end", "A\nB\nC\nD\n1\n40\n5",
         withDefault([](TRadio &r) {
             r.Name = "A";
             r.URL = "B";
             r.Country = "C";
             r.Resurs = "D";
             r.Enabled = true;
             r.Volume = 40;
             r.KakStations = 5;
         })},
        {"three lines: the rest stays default", "A\r\nB\r\nC\r\n", withDefault([](TRadio &r) {
             r.Name = "A";
             r.URL = "B";
             r.Country = "C";
         })},
        {"any text but 1 reads as off", "A\r\nB\r\nC\r\nD\r\ntrue\r\n", withDefault([](TRadio &r) {
             r.Name = "A";
             r.URL = "B";
             r.Country = "C";
             r.Resurs = "D";
         })},
        {"volume 35 is kept as it is", "A\r\nB\r\nC\r\nD\r\n0\r\n35\r\n0\r\n",
         withDefault([](TRadio &r) {
             r.Name = "A";
             r.URL = "B";
             r.Country = "C";
             r.Resurs = "D";
             r.Volume = 35;
         })},
        {"damaged numbers keep their defaults", "A\r\nB\r\nC\r\nD\r\n1\r\nloud\r\n99\r\n",
         withDefault([](TRadio &r) {
             r.Name = "A";
             r.URL = "B";
             r.Country = "C";
             r.Resurs = "D";
             r.Enabled = true;
         })},
        {"volume above 100 and a negative country are refused",
         "A\r\nB\r\nC\r\nD\r\n1\r\n300\r\n-1\r\n", withDefault([](TRadio &r) {
             r.Name = "A";
             r.URL = "B";
             r.Country = "C";
             r.Resurs = "D";
             r.Enabled = true;
         })},
        {"an empty first line reads as empty", "\r\nB\r\nC\r\nD\r\n", withDefault([](TRadio &r) {
             r.Name = "";
             r.URL = "B";
             r.Country = "C";
             r.Resurs = "D";
         })},
    };
    for (const StateCase &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(readRadioState(c.file, defaultRadio()), c.expected);
    }
}

TEST(RadioStateFile, WritesSevenCp1251Lines) {
    TRadio radio = defaultRadio();
    radio.Enabled = true;
    radio.Volume = 60;
    radio.KakStations = 27;
    EXPECT_EQ(formatRadioState(radio),
              "Quarn Radio Moscow\r\nhttp://127.0.0.1:8046/radio/QRN0001\r\nRussian "
              "Federation\r\nRRADIO_LOGO_QRN0001\r\n1\r\n60\r\n27\r\n");
    EXPECT_EQ(readRadioState(formatRadioState(radio), TRadio{}), radio);
}

TEST(RadioStateFile, DefaultStationFollowsTheClubServer) {
    for (const char *site : {"http://club.example.org:9000/", "http://club.example.org:9000"}) {
        const TRadio radio = defaultRadio(site);
        EXPECT_EQ(radio.URL, "http://club.example.org:9000/radio/QRN0001") << site;
        EXPECT_EQ(radio.Resurs, "RRADIO_LOGO_QRN0001");
    }
    EXPECT_EQ(defaultRadio().URL, builtInRadioSite() + "radio/QRN0001");
}

TEST(RadioReconnect, WaitDoublesFromTheBaseUpToAMinute) {
    const std::pair<int, int> cases[] = {{0, 2000},  {1, 4000},   {2, 8000},
                                         {3, 16000}, {4, 32000},  {5, 60000},
                                         {6, 60000}, {40, 60000}, {1000000, 60000}};
    for (const auto &[attempt, wait] : cases)
        EXPECT_EQ(radioReconnectDelayMs(attempt), wait) << attempt;
    EXPECT_EQ(radioReconnectDelayMs(3, 50), 400);
    EXPECT_EQ(radioReconnectDelayMs(0, 0), 1); // never a busy loop
}

TEST(RadioStateFile, IncompleteStationIsResetToTheDefault) {
    struct Case {
        const char *what;
        void (*change)(TRadio &);
        bool reset;
    };
    const Case cases[] = {
        {"complete station stays", [](TRadio &) {}, false},
        {"empty name", [](TRadio &r) { r.Name.clear(); }, true},
        {"empty address", [](TRadio &r) { r.URL.clear(); }, true},
        {"empty country", [](TRadio &r) { r.Country.clear(); }, true},
        {"empty logo", [](TRadio &r) { r.Resurs.clear(); }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        TRadio radio{true, "N", "U", "C", "R", true, 80, 12};
        c.change(radio);
        const TRadio before = radio;
        resetIncompleteStation(radio);
        if (c.reset) {
            TRadio expected = defaultRadio();
            expected.CanUse = true; // not part of the station
            EXPECT_EQ(radio, expected);
        } else {
            EXPECT_EQ(radio, before);
        }
    }
}

class RadioFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        root_ =
            std::filesystem::temp_directory_path() /
            ("quarn-radio-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
             "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(root_);
        std::filesystem::create_directories(program());
    }
    void TearDown() override { std::filesystem::remove_all(root_); }
    std::filesystem::path program() const { return root_ / "Quarn"; }
    void put(const std::filesystem::path &file, std::string_view bytes) {
        std::ofstream(file, std::ios::binary) << bytes;
    }
    std::string contents(const std::filesystem::path &file) {
        std::ifstream in(file, std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        return all.str();
    }
    std::filesystem::path root_;
};

TEST_F(RadioFolder, StateFileLivesAboveTheProgramFolder) {
    EXPECT_EQ(radioStatePath(program()), root_ / "WemRadio.ini");
    EXPECT_EQ(radioStatePath(program() / ""), root_ / "WemRadio.ini");
}

TEST_F(RadioFolder, FileWithEmptyFirstLineIsReplacedByTheDefaultAtSave) {
    const auto file = radioStatePath(program());
    put(file, "\r\nhttp://x\r\nUSA\r\nRRADIO_LOGO_X\r\n1\r\n90\r\n12\r\n");
    TRadio radio = loadRadioState(file);
    EXPECT_TRUE(radio.Name.empty());
    ASSERT_TRUE(saveRadioState(file, radio));
    EXPECT_EQ(contents(file), formatRadioState(defaultRadio()));
}

TEST_F(RadioFolder, MissingOrUnreadableStateFileGivesTheDefault) {
    EXPECT_EQ(loadRadioState(radioStatePath(program())), defaultRadio());
    std::filesystem::create_directory(radioStatePath(program())); // a folder, not a file
    EXPECT_EQ(loadRadioState(radioStatePath(program())), defaultRadio());
    TRadio radio = defaultRadio();
    EXPECT_FALSE(saveRadioState(radioStatePath(program()), radio));
}

TEST_F(RadioFolder, TextTheFileCannotHoldIsSavedAsTheDefault) {
    const auto file = radioStatePath(program());
    TRadio radio = defaultRadio();
    radio.Name = "電台"; // no code page 1251 characters
    radio.Volume = 90;
    ASSERT_TRUE(saveRadioState(file, radio));
    EXPECT_EQ(loadRadioState(file), defaultRadio());
}

TEST_F(RadioFolder, DiskListCountsBesideOrAboveTheProgram) {
    EXPECT_FALSE(diskStationListPresent(program()));
    put(program() / "WemRadio.rad", "# only a comment\r\n");
    EXPECT_TRUE(diskStationListPresent(program()));
    EXPECT_EQ(stationListPath(program(), false), program() / "WemRadio.rad");
    put(root_ / "WemRadio.rad", "");
    EXPECT_EQ(stationListPath(program(), false), root_ / "WemRadio.rad");
    EXPECT_EQ(stationListPath(program(), true), root_ / "WemRadio.ser");
    EXPECT_FALSE(readStationList(root_ / "WemRadio.ser"));
}

// ---- volume ----

TEST(RadioVolume, PictureNameRoundsUpToTheNextStep) {
    const std::pair<int, const char *> cases[] = {
        {0, "RRADIO_VOLUME00"},  {1, "RRADIO_VOLUME01"},   {10, "RRADIO_VOLUME01"},
        {11, "RRADIO_VOLUME02"}, {35, "RRADIO_VOLUME04"},  {90, "RRADIO_VOLUME09"},
        {91, "RRADIO_VOLUME10"}, {100, "RRADIO_VOLUME10"}, {250, "RRADIO_VOLUME10"},
        {-5, "RRADIO_VOLUME00"},
    };
    for (const auto &[volume, name] : cases)
        EXPECT_EQ(volumePictureName(volume), name) << volume;
}

TEST(RadioVolume, ButtonsStepByTenWithinTheRange) {
    EXPECT_EQ(raisedVolume(30), 40);
    EXPECT_EQ(raisedVolume(100), 100);
    EXPECT_EQ(raisedVolume(95), 100);
    EXPECT_EQ(loweredVolume(30), 20);
    EXPECT_EQ(loweredVolume(0), 0);
    EXPECT_EQ(loweredVolume(5), 0);
}

// ---- station list ----

const std::string kList =
    cp1251("# code#id#name#country#address#logo\r\n"
           "RUS#AVT0001#Авторадио Moscow#Russian Federation#http://a/1#RRADIO_LOGO_AVTORADIO\r\n"
           "#RUS#HID0001#Commented out#Russian Federation#http://a/x#L\r\n"
           "RUS#SHORT\r\n"
           "RU\r\n"
           "\r\n"
           "RUSXQRN0009#Bad separator#Russian Federation#http://a/9#L\r\n"
           "RUS#NONAME1\r\n"
           "USA#QRN0004#Quarn Radio New York#USA#http://a/4#RRADIO_LOGO_QRN0004\r\n"
           "RUS#QRN0002#Quarn Radio Volga#Russian Federation#http://a/2#RRADIO_LOGO_QRN0002\r\n"
           "RUS#QRN0003#Twice#Russian Federation#http://a/3a#LOGO_A\r\n"
           "RUS#QRN0003#Twice#Russian Federation#http://a/3b\r\n"
           "SK0#QRN0010#Seoul#South Korea#http://a/10#L10");

TEST(StationList, CountryFilterListsItsStationsInOrder) {
    struct Case {
        int filter;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {1, {"Авторадио Moscow", "Quarn Radio Volga", "Twice", "Twice"}},
        {13, {"Quarn Radio New York"}},
        {28, {"Seoul"}},
        {2, {}},  // a country with no station
        {0, {}},  // outside 1 to 28
        {29, {}}, // outside 1 to 28
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.filter);
        std::vector<std::string> names;
        for (const StationEntry &entry : stationsOfCountry(kList, c.filter))
            names.push_back(entry.name);
        EXPECT_EQ(names, c.names);
    }
    EXPECT_EQ(stationsOfCountry(kList, 1)[1].id, "QRN0002");
}

TEST(StationList, ChoosingAStationSetsItsFourValues) {
    const auto volga = findStation(kList, "QRN0002");
    ASSERT_TRUE(volga);
    EXPECT_EQ(volga->Name, "Quarn Radio Volga");
    EXPECT_EQ(volga->Country, "Russian Federation");
    EXPECT_EQ(volga->URL, "http://a/2");
    EXPECT_EQ(volga->Resurs, "RRADIO_LOGO_QRN0002");
    // The last line wins; its missing logo stays empty.
    const auto twice = findStation(kList, "QRN0003");
    ASSERT_TRUE(twice);
    EXPECT_EQ(twice->URL, "http://a/3b");
    EXPECT_EQ(twice->Resurs, "");
    // A line without the fields gives empty values.
    const auto bare = findStation(kList, "NONAME1");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->Name, "");
    EXPECT_FALSE(findStation(kList, "HID0001")); // commented out
    EXPECT_FALSE(findStation(kList, "QRN0009")); // no "#" after the code
    EXPECT_FALSE(findStation(kList, "MISSING"));
}

TEST(StationList, DamagedBytesNeverStopTheReader) {
    const std::string damaged = std::string("RUS#\0\0\0\0\0\0\0#\xFF\x98#", 16) + "\n###\n#\nR";
    EXPECT_TRUE(stationsOfCountry(damaged, 1).size() <= 1);
    EXPECT_FALSE(findStation(damaged, "X"));
}

TEST(StationList, SelectsTheLastEntryOfTheCurrentStation) {
    const auto entries = stationsOfCountry(kList, 1);
    EXPECT_EQ(entryOfStation(entries, "Twice"), 3);
    EXPECT_EQ(entryOfStation(entries, "Авторадио Moscow"), 0);
    EXPECT_EQ(entryOfStation(entries, "Elsewhere"), -1);
}

TEST(StationList, TwentyEightCountriesWithThreeCharacterCodes) {
    ASSERT_EQ(radioCountries().size(), 28u);
    EXPECT_EQ(radioCountries()[0].code, "RUS");
    EXPECT_EQ(radioCountries()[27].code, "SK0");
    for (const RadioCountry &country : radioCountries())
        EXPECT_EQ(country.code.size(), 3u) << country.name;
}

// ---- song list ----

TEST(SongList, LinesGiveArtistTitleAndAddress) {
    const auto songs = parsePlaylist("The_Quarn_Band~Nine_of_Diamonds.mp3\r\n"
                                     "\r\n"
                                     "No_Artist.mp3\r\n"
                                     "Bad\x01Line~x.mp3\r\n"
                                     "A~B_C",
                                     "http://h/musik/");
    ASSERT_EQ(songs.size(), 3u);
    EXPECT_EQ(songs[0].artist, "The Quarn Band");
    EXPECT_EQ(songs[0].title, "Nine of Diamonds");
    EXPECT_EQ(songs[0].url, "http://h/musik/The_Quarn_Band~Nine_of_Diamonds.mp3");
    EXPECT_EQ(songs[1].artist, "");
    EXPECT_EQ(songs[1].title, "No Artist");
    EXPECT_EQ(songs[2].title, "B C");
}

TEST(SongList, HoldsAtMostAThousandSongsAndNeedsFive) {
    std::string page;
    for (int i = 0; i < 1200; ++i)
        page += "A~S" + std::to_string(i) + ".mp3\n";
    EXPECT_EQ(parsePlaylist(page, "u/").size(), kMaxSongs);
    EXPECT_FALSE(musicPlayerInUse(4));
    EXPECT_TRUE(musicPlayerInUse(5));
}

TEST(SongList, VolumeClickSidesAndTheDeadMiddle) {
    const struct {
        int volume, x, expected;
    } cases[] = {{50, 35, 55}, {50, 61, 55}, {100, 40, 100}, {50, 25, 45}, {50, 1, 45},
                 {0, 10, 0},   {50, 0, 50},  {50, 26, 50},   {50, 34, 50}};
    for (const auto &c : cases)
        EXPECT_EQ(musicVolumeAfterClick(c.volume, c.x), c.expected) << c.volume << " " << c.x;
}

} // namespace
} // namespace quarn
