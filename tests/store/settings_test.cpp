// The settings file: its exact layout, the reading rules of every line, the
// stop rules, the damaged forms and the load/save round trip.
#include "store/Settings.h"

#include "store/AtomicFile.h"
#include "store/LineFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace quarn {
// Failures show the settings as the file would hold them.
void PrintTo(const Settings &settings, std::ostream *out) {
    for (const std::string &line : settingsLines(settings))
        *out << "\n    " << line;
}
} // namespace quarn

using namespace quarn;

namespace {

// The file the program writes for the default settings, byte for byte.
const char *const defaultFile = "<# General>\r\n"
                                "011110141RL010020011\r\n"
                                "<# Cards>\r\n"
                                "0\r\n"
                                "<# Decks>\r\n"
                                "000\r\n"
                                "<# Individual>\r\n"
                                "1#####\r\n"
                                "<# Fonts>\r\n"
                                "Comic Sans MS\r\n"
                                "Comic Sans MS\r\n"
                                "FixedSys\r\n"
                                "Courier New\r\n"
                                "100\r\n"
                                "100\r\n"
                                "100\r\n"
                                "100\r\n"
                                "<# IP & Port>\r\n"
                                "127.0.0.1\r\n"
                                "25666\r\n"
                                "<# Background>\r\n"
                                "020\r\n"
                                "<# Name Of Player>\r\n"
                                "Mr.X\r\n"
                                "<# World Top Ten>\r\n"
                                "Wh0e8ADhdCxEudaOgweeSt5/iRoqHgkg3o/20m4iPA\r\n"
                                "Incognito\r\n"
                                "1-001\r\n"
                                "Moscow\r\n"
                                "M\r\n"
                                "Wh0e8ADhdCxEudaOgweeSt5/iRoqHwkUbykcxpbz\r\n"
                                "<# Save Games as GIF>\r\n"
                                "\xEB\r\n"
                                "1\r\n"
                                "1000\r\n";

// Settings in which every value differs from its default, so that a value
// the reader drops or keeps shows in a comparison.
Settings customSettings() {
    Settings s;
    s.language = 3;
    s.soundEffects = true;
    s.music = false;
    s.gifAnimation = false;
    s.cardFlight = false;
    s.clubDisplayMode = ClubDisplayMode::Rating;
    s.multiplayer = true;
    s.redMouseCursor = false;
    s.flightSpeed = 6;
    s.windowSize = WindowSizeSetting::Average2;
    s.startReported = false;
    s.likeSent = false;
    s.radioListFromServer = false;
    s.headingColour = 7;
    s.newButtons = true;
    s.purpleWindows = true;
    s.windowDesign = WindowDesign::GrayWithRedRibbons;
    s.menuDesign = ScreenDesign::Purple;
    s.tableDesign = ScreenDesign::Purple;
    s.saluteOnButtons = false;
    s.saluteOnCards = false;
    s.faceSet = 47;
    s.backSet = 12;
    s.alwaysOneBack = true;
    s.highlightPlayable = false;
    s.strongOpponents = true;
    s.fontNames = {"DejaVu Sans", "Liberation Serif", "Terminus", "Liberation Mono"};
    s.fontScales = {50, 150, 75, 120};
    s.hostAddress = "192.168.0.17";
    s.port = "31000";
    s.backgroundPicture = 10;
    s.backgroundColour = 6;
    s.playerName = "Иван Петров";
    s.ratingsPath = "Xq7!zz/ratings";
    s.nick = "Мышь";
    s.country = "2-051";
    s.city = "Санкт-Петербург";
    s.sex = 'W';
    s.statisticsPath = "Kv3%stat";
    s.recordGif = true;
    s.gifCaptureArea = GifCaptureArea::WholeWindow;
    s.gifFrameDelay = 5000;
    return s;
}

// Sets every value kept on line `first` or later back to its default: what a
// stop at that line leaves.
Settings keptBefore(Settings s, int first) {
    const Settings d;
    struct Group {
        int line;
        std::function<void(Settings &, const Settings &)> reset;
    };
    const std::vector<Group> groups{
        {4, [](Settings &s, const Settings &d) { s.faceSet = d.faceSet; }},
        {6, [](Settings &s,
               const Settings &d) { s.backSet = d.backSet, s.alwaysOneBack = d.alwaysOneBack; }},
        {8,
         [](Settings &s, const Settings &d) {
             s.highlightPlayable = d.highlightPlayable, s.strongOpponents = d.strongOpponents;
         }},
        {10, [](Settings &s, const Settings &d) { s.fontNames[0] = d.fontNames[0]; }},
        {11, [](Settings &s, const Settings &d) { s.fontNames[1] = d.fontNames[1]; }},
        {12, [](Settings &s, const Settings &d) { s.fontNames[2] = d.fontNames[2]; }},
        {13, [](Settings &s, const Settings &d) { s.fontNames[3] = d.fontNames[3]; }},
        {14, [](Settings &s, const Settings &d) { s.fontScales[0] = d.fontScales[0]; }},
        {15, [](Settings &s, const Settings &d) { s.fontScales[1] = d.fontScales[1]; }},
        {16, [](Settings &s, const Settings &d) { s.fontScales[2] = d.fontScales[2]; }},
        {17, [](Settings &s, const Settings &d) { s.fontScales[3] = d.fontScales[3]; }},
        {19, [](Settings &s, const Settings &d) { s.hostAddress = d.hostAddress; }},
        {20, [](Settings &s, const Settings &d) { s.port = d.port; }},
        {22,
         [](Settings &s, const Settings &d) {
             s.backgroundPicture = d.backgroundPicture, s.backgroundColour = d.backgroundColour;
         }},
        {24, [](Settings &s, const Settings &d) { s.playerName = d.playerName; }},
        {26, [](Settings &s, const Settings &d) { s.ratingsPath = d.ratingsPath; }},
        {27, [](Settings &s, const Settings &d) { s.nick = d.nick; }},
        {28, [](Settings &s, const Settings &d) { s.country = d.country; }},
        {29, [](Settings &s, const Settings &d) { s.city = d.city; }},
        {30, [](Settings &s, const Settings &d) { s.sex = d.sex; }},
        {31, [](Settings &s, const Settings &d) { s.statisticsPath = d.statisticsPath; }},
        {33, [](Settings &s, const Settings &d) { s.recordGif = d.recordGif; }},
        {34, [](Settings &s, const Settings &d) { s.gifCaptureArea = d.gifCaptureArea; }},
        {35, [](Settings &s, const Settings &d) { s.gifFrameDelay = d.gifFrameDelay; }},
    };
    for (const Group &group : groups) {
        if (group.line >= first)
            group.reset(s, d);
    }
    return s;
}

std::vector<std::string> customLines() {
    return settingsLines(customSettings());
}

std::string withLine(std::vector<std::string> lines, int number, const std::string &text) {
    lines[static_cast<size_t>(number - 1)] = text;
    return joinCrlfLines(lines);
}

// ---- layout ---------------------------------------------------------------

TEST(SettingsLayout, DefaultsAreWrittenAsTheDocumentedFile) {
    EXPECT_EQ(joinCrlfLines(settingsLines(Settings{})), defaultFile);
}

TEST(SettingsLayout, DefaultFileReadsBackAsDefaults) {
    const SettingsRead read = parseSettings(defaultFile);
    EXPECT_FALSE(read.ignored);
    EXPECT_EQ(read.stoppedAtLine, 0);
    EXPECT_EQ(read.values, Settings{});
}

TEST(SettingsLayout, CustomValuesAreWrittenInCodePage1251AtTheirPositions) {
    const std::vector<std::string> lines = customLines();
    ASSERT_EQ(lines.size(), 35u);
    const std::vector<std::pair<int, std::string>> expected{
        {2, "320021064##171131100"},
        {4, "47"},
        {6, "121"},
        {8, "01####"},
        {14, "50"},
        {22, "106"},
        {24, "\xC8\xE2\xE0\xED \xCF\xE5\xF2\xF0\xEE\xE2"},
        {28, "2-051"},
        {30, "W"},
        {33, "\xE8"},
        {34, "2"},
        {35, "5000"},
    };
    for (const auto &[number, text] : expected) {
        EXPECT_EQ(lines[static_cast<size_t>(number - 1)], text) << "line " << number;
    }
}

// ---- line 2 ---------------------------------------------------------------

struct GeneralWriteCase {
    const char *name;
    std::function<void(Settings &)> change;
    int position;
    char written;
};

class GeneralLineWriting : public ::testing::TestWithParam<GeneralWriteCase> {};

TEST_P(GeneralLineWriting, WritesTheCodeAndReadsItBack) {
    Settings s;
    GetParam().change(s);
    const std::string line = settingsLines(s)[1];
    ASSERT_EQ(line.size(), 20u);
    EXPECT_EQ(line[static_cast<size_t>(GetParam().position - 1)], GetParam().written);
    const SettingsRead read = parseSettings(joinCrlfLines(settingsLines(s)));
    EXPECT_EQ(read.stoppedAtLine, 0);
    Settings expected = s;
    if (expected.flightSpeed < 1 || expected.flightSpeed > 6)
        expected.flightSpeed = 4;
    EXPECT_EQ(read.values, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, GeneralLineWriting,
    ::testing::Values(
        GeneralWriteCase{"Korean", [](Settings &s) { s.language = 9; }, 1, '9'},
        GeneralWriteCase{"SoundAndMusicOff", [](Settings &s) { s.soundEffects = s.music = false; },
                         2, '0'},
        GeneralWriteCase{"SoundOnMusicOff", [](Settings &s) { s.music = false; }, 2, '2'},
        GeneralWriteCase{"SoundOffMusicOn", [](Settings &s) { s.soundEffects = false; }, 2, '3'},
        GeneralWriteCase{"RatingMode",
                         [](Settings &s) { s.clubDisplayMode = ClubDisplayMode::Rating; }, 5, '2'},
        GeneralWriteCase{"Multiplayer", [](Settings &s) { s.multiplayer = true; }, 6, '1'},
        GeneralWriteCase{"SlowestFlight", [](Settings &s) { s.flightSpeed = 1; }, 8, '1'},
        GeneralWriteCase{"SpeedOutOfRangeWritesFour", [](Settings &s) { s.flightSpeed = 9; }, 8,
                         '4'},
        GeneralWriteCase{"AverageWindow2",
                         [](Settings &s) { s.windowSize = WindowSizeSetting::Average2; }, 9, '4'},
        GeneralWriteCase{"StartNotReported", [](Settings &s) { s.startReported = false; }, 10, '#'},
        GeneralWriteCase{"NoLike", [](Settings &s) { s.likeSent = false; }, 11, '#'},
        GeneralWriteCase{"RadioListFromDisk", [](Settings &s) { s.radioListFromServer = false; },
                         12, '1'},
        GeneralWriteCase{"HeadingColour5", [](Settings &s) { s.headingColour = 5; }, 13, '5'},
        GeneralWriteCase{"PurpleWindows", [](Settings &s) { s.purpleWindows = true; }, 15, '1'},
        GeneralWriteCase{"GrayConcise",
                         [](Settings &s) { s.windowDesign = WindowDesign::GrayConcise; }, 16, '1'},
        GeneralWriteCase{"PurpleTable", [](Settings &s) { s.tableDesign = ScreenDesign::Purple; },
                         18, '1'},
        GeneralWriteCase{"NoCardSalute", [](Settings &s) { s.saluteOnCards = false; }, 20, '0'}),
    [](const auto &info) { return std::string(info.param.name); });

struct GeneralReadCase {
    const char *name;
    std::string line2;
    std::function<void(Settings &)> expect; // applied to the defaults
    int stoppedAtLine;
};

class GeneralLineReading : public ::testing::TestWithParam<GeneralReadCase> {};

// Line 2 is replaced in the default file; a stop on line 2 also keeps the
// custom face set of line 4 from being read.
TEST_P(GeneralLineReading, TakesOnlyTheListedCodes) {
    std::vector<std::string> lines = settingsLines(Settings{});
    lines[3] = "7";
    const SettingsRead read = parseSettings(withLine(lines, 2, GetParam().line2));
    Settings expected;
    GetParam().expect(expected);
    if (GetParam().stoppedAtLine == 0)
        expected.faceSet = 7;
    EXPECT_EQ(read.stoppedAtLine, GetParam().stoppedAtLine);
    EXPECT_EQ(read.values, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GeneralLineReading,
    ::testing::Values(
        GeneralReadCase{"OneCharacterSetsFrench", "3", [](Settings &s) { s.language = 3; }, 0},
        GeneralReadCase{"EmptyLineKeepsDefaults", "", [](Settings &) {}, 0},
        GeneralReadCase{"ReservedLanguageIsEnglish", "k", [](Settings &) {}, 0},
        GeneralReadCase{"UnknownLanguageIsEnglish", "x", [](Settings &) {}, 0},
        GeneralReadCase{"SoundOffMusicOn", "#3", [](Settings &s) { s.soundEffects = false; }, 0},
        GeneralReadCase{"UnknownSoundCodeKeepsBoth", "#4", [](Settings &) {}, 0},
        GeneralReadCase{"OnlyZeroTurnsOff", "#0x0#x0",
                        [](Settings &s) {
                            s.soundEffects = s.music = false;
                            s.cardFlight = s.redMouseCursor = false;
                        },
                        0},
        GeneralReadCase{"ClubModeOnlyChangesOnTwo", "####3", [](Settings &) {}, 0},
        GeneralReadCase{"MultiplayerOnlyOnOne", "#####2", [](Settings &) {}, 0},
        GeneralReadCase{"SpeedOutsideItsCodes", "#######75",
                        [](Settings &s) { s.windowSize = WindowSizeSetting::Large; }, 0},
        GeneralReadCase{"ShortLineKeepsYesFlags", "#########", [](Settings &) {}, 0},
        GeneralReadCase{"ReportFlagsAreNoWithoutTheirLetter", "#########rl2",
                        [](Settings &s) {
                            s.startReported = s.likeSent = false;
                            s.radioListFromServer = false;
                        },
                        0},
        GeneralReadCase{"DigitOutsideHeadingColoursIsIgnored", "############9",
                        [](Settings &s) {
                            s.startReported = s.likeSent = false;
                            s.radioListFromServer = false;
                        },
                        0},
        GeneralReadCase{"HeadingColourThatIsNoDigitStops", "3###########x11",
                        [](Settings &s) {
                            s.language = 3;
                            s.startReported = s.likeSent = false;
                            s.radioListFromServer = false;
                        },
                        2},
        GeneralReadCase{"DesignsAndSalutes", "############11130100",
                        [](Settings &s) {
                            s.newButtons = s.purpleWindows = true;
                            s.windowDesign = WindowDesign::GrayWithRedRibbons;
                            s.menuDesign = ScreenDesign::Customizable;
                            s.tableDesign = ScreenDesign::Purple;
                            s.saluteOnButtons = s.saluteOnCards = false;
                            s.startReported = s.likeSent = false;
                            s.radioListFromServer = false;
                        },
                        0},
        GeneralReadCase{"CodesOutsideDesignsAreIgnored", "############10042x2x",
                        [](Settings &s) {
                            s.startReported = s.likeSent = false;
                            s.radioListFromServer = false;
                        },
                        0}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- the other lines --------------------------------------------------------

struct LineCase {
    const char *name;
    int line;
    std::string text;
    std::function<void(Settings &)> expect; // applied to the custom settings
};

class LineValues : public ::testing::TestWithParam<LineCase> {};

// One line of the custom file replaced: the reading goes on to the end.
TEST_P(LineValues, TakesTheValueAndReadsOn) {
    const SettingsRead read =
        parseSettings(withLine(customLines(), GetParam().line, GetParam().text));
    Settings expected = customSettings();
    GetParam().expect(expected);
    EXPECT_EQ(read.stoppedAtLine, 0);
    EXPECT_EQ(read.values, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, LineValues,
    ::testing::Values(
        LineCase{"NegativeFaceSetKeepsDefault", 4, "-1", [](Settings &s) { s.faceSet = 0; }},
        LineCase{"FaceSetPastTheListKeepsDefault", 4, "48", [](Settings &s) { s.faceSet = 0; }},
        LineCase{"BackSetPastTheList", 6, "135",
                 [](Settings &s) { s.backSet = 0, s.alwaysOneBack = false; }},
        LineCase{"LongBackLineUsesThreeCharacters", 6, "0710", [](Settings &s) { s.backSet = 7; }},
        // A line of one character leaves the opponents at their default, the standard chooser.
        LineCase{"HighlightOnUnlessZero", 8, "x",
                 [](Settings &s) { s.highlightPlayable = true, s.strongOpponents = false; }},
        LineCase{"EmptyHighlightLineKeepsItOn", 8, "",
                 [](Settings &s) { s.highlightPlayable = true, s.strongOpponents = false; }},
        LineCase{"StrongOpponentsOnOne", 8, "11####",
                 [](Settings &s) { s.highlightPlayable = true, s.strongOpponents = true; }},
        LineCase{"StandardChooserOnHash", 8, "0#####",
                 [](Settings &s) { s.strongOpponents = false; }},
        LineCase{"StandardChooserOnAnyOtherCharacter", 8, "0x####",
                 [](Settings &s) { s.strongOpponents = false; }},
        LineCase{"StandardChooserOnZero", 8, "00", [](Settings &s) { s.strongOpponents = false; }},
        LineCase{"StrongOpponentsOnShortLine", 8, "01", [](Settings &) {}},
        LineCase{"CharactersThreeToSixAreIgnored", 8, "0#1111",
                 [](Settings &s) { s.strongOpponents = false; }},
        LineCase{"TwoCharacterFontName", 12, "Ab", [](Settings &s) { s.fontNames[2] = "Ab"; }},
        LineCase{"ScaleAboveRange", 15, "151", [](Settings &s) { s.fontScales[1] = 100; }},
        LineCase{"ScaleBelowRange", 16, "49", [](Settings &s) { s.fontScales[2] = 100; }},
        LineCase{"MarkerTextIsNotChecked", 18, "anything", [](Settings &) {}},
        LineCase{"BackgroundPastTheList", 22, "115",
                 [](Settings &s) { s.backgroundPicture = 2, s.backgroundColour = 5; }},
        LineCase{"BackgroundColourPastTheList", 22, "037",
                 [](Settings &s) { s.backgroundPicture = 3, s.backgroundColour = 0; }},
        LineCase{"EmptyRatingsPathKeepsDefault", 26, "",
                 [](Settings &s) { s.ratingsPath = Settings{}.ratingsPath; }},
        LineCase{"NickCutToTwelve", 27, "ABCDEFGHIJKLMN",
                 [](Settings &s) { s.nick = "ABCDEFGHIJKL"; }},
        LineCase{"CyrillicNickCutToTwelveLetters", 27, std::string(13, '\xC6'),
                 [](Settings &s) { s.nick = "ЖЖЖЖЖЖЖЖЖЖЖЖ"; }},
        LineCase{"EmptyNick", 27, "", [](Settings &s) { s.nick = ""; }},
        LineCase{"CountryPastContinentOne", 28, "1-049", [](Settings &s) { s.country = "1-001"; }},
        LineCase{"LastCountryOfContinentOne", 28, "1-048",
                 [](Settings &s) { s.country = "1-048"; }},
        LineCase{"ContinentSeven", 28, "7-001", [](Settings &s) { s.country = "1-001"; }},
        LineCase{"ContinentZero", 28, "0-001", [](Settings &s) { s.country = "1-001"; }},
        LineCase{"LastCountryOfContinentSix", 28, "6-054",
                 [](Settings &s) { s.country = "6-054"; }},
        LineCase{"CountryWithoutDash", 28, "1x001", [](Settings &s) { s.country = "1-001"; }},
        LineCase{"CountryNotANumber", 28, "1-0a1", [](Settings &s) { s.country = "1-001"; }},
        LineCase{"CountryWithSign", 28, "1--01", [](Settings &s) { s.country = "1-001"; }},
        LineCase{"CityCutToFifteen", 29, "Llanfairpwllgwyngyll",
                 [](Settings &s) { s.city = "Llanfairpwllgwy"; }},
        LineCase{"UnknownSexIsM", 30, "F", [](Settings &s) { s.sex = 'M'; }},
        LineCase{"TwoLetterSexIsM", 30, "WW", [](Settings &s) { s.sex = 'M'; }},
        LineCase{"EmptyStatisticsPathKeepsDefault", 31, "",
                 [](Settings &s) { s.statisticsPath = Settings{}.statisticsPath; }},
        LineCase{"GifOff", 33, "\xEB", [](Settings &s) { s.recordGif = false; }},
        LineCase{"GifOnlyOnTheOneLetter", 33, "\xE8\xE8", [](Settings &s) { s.recordGif = false; }},
        LineCase{"GifUtf8LetterIsNotTheMarker", 33, "и", [](Settings &s) { s.recordGif = false; }},
        LineCase{"CaptureAreaPastTheList", 34, "3",
                 [](Settings &s) { s.gifCaptureArea = GifCaptureArea::ClientArea; }},
        LineCase{"DelayBelowRange", 35, "9", [](Settings &s) { s.gifFrameDelay = 1000; }},
        LineCase{"LowestDelay", 35, "10", [](Settings &s) { s.gifFrameDelay = 10; }}),
    [](const auto &info) { return std::string(info.param.name); });

struct StopCase {
    const char *name;
    int line;
    std::string text;
};

class StopRules : public ::testing::TestWithParam<StopCase> {};

// A line that breaks its rule stops the reading: the values before it stay,
// the line's own value and all after it keep their defaults.
TEST_P(StopRules, KeepsWhatWasReadBefore) {
    const SettingsRead read =
        parseSettings(withLine(customLines(), GetParam().line, GetParam().text));
    EXPECT_FALSE(read.ignored);
    EXPECT_EQ(read.stoppedAtLine, GetParam().line);
    EXPECT_EQ(read.values, keptBefore(customSettings(), GetParam().line));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, StopRules,
    ::testing::Values(
        StopCase{"FaceSetNotANumber", 4, "abc"}, StopCase{"FaceSetWithBlank", 4, " 5"},
        StopCase{"FaceSetWithTrailingBlank", 4, "5 "}, StopCase{"FaceSetWithPlus", 4, "+5"},
        StopCase{"FaceSetOverflow", 4, "99999999999"}, StopCase{"EmptyFaceSet", 4, ""},
        StopCase{"BacksOfOneCharacter", 6, "5"}, StopCase{"BacksNotDigits", 6, "x51"},
        StopCase{"FontNameOfOneCharacter", 10, "A"}, StopCase{"EmptyFourthFontName", 13, ""},
        StopCase{"EmptyScale", 14, ""}, StopCase{"ScaleNotANumber", 17, "1o0"},
        StopCase{"EmptyAddressMarker", 18, ""}, StopCase{"EmptyAddress", 19, ""},
        StopCase{"EmptyPort", 20, ""}, StopCase{"EmptyBackgroundMarker", 21, ""},
        StopCase{"EmptyBackground", 22, ""}, StopCase{"ShortBackground", 22, "05"},
        StopCase{"BackgroundNotDigits", 22, "0x0"}, StopCase{"EmptyNameMarker", 23, ""},
        StopCase{"EmptyName", 24, ""}, StopCase{"ShortCountry", 28, "1-01"},
        StopCase{"LongCountry", 28, "1-0011"}, StopCase{"CaptureAreaNotANumber", 34, "x"},
        StopCase{"EmptyDelay", 35, ""}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(StopRules, ShortCountryKeepsRatingsPathAndNick) {
    const SettingsRead read = parseSettings(withLine(customLines(), 28, "1-01"));
    EXPECT_EQ(read.values.ratingsPath, customSettings().ratingsPath);
    EXPECT_EQ(read.values.nick, customSettings().nick);
    EXPECT_EQ(read.values.city, Settings{}.city);
}

// ---- damaged files ----------------------------------------------------------

struct FixtureCase {
    const char *file;
    bool ignored;
    int stoppedAtLine;
};

class DamagedFiles : public ::testing::TestWithParam<FixtureCase> {};

TEST_P(DamagedFiles, NeverBreakTheReader) {
    const FileBytes file =
        readFileBytes(fs::path(QUARN_TEST_DATA) / "settings" / GetParam().file, 1 << 20);
    ASSERT_EQ(file.status, ReadStatus::Ok) << GetParam().file;
    const SettingsRead read = parseSettings(file.bytes);
    EXPECT_EQ(read.ignored, GetParam().ignored);
    EXPECT_EQ(read.stoppedAtLine, GetParam().stoppedAtLine);
    if (GetParam().ignored) {
        EXPECT_EQ(read.values, Settings{});
    }
}

INSTANTIATE_TEST_SUITE_P(Fixtures, DamagedFiles,
                         ::testing::Values(FixtureCase{"empty.ini", true, 0},
                                           FixtureCase{"34_lines.ini", true, 0},
                                           FixtureCase{"binary_garbage.ini", true, 0},
                                           FixtureCase{"cut_in_line_20.ini", true, 0},
                                           FixtureCase{"bare_lf_line_ends.ini", false, 0},
                                           FixtureCase{"extra_lines_after_35.ini", false, 0},
                                           FixtureCase{"utf8_with_bom.ini", false, 0},
                                           FixtureCase{"backs_line_5.ini", false, 6},
                                           FixtureCase{"all_lines_empty.ini", false, 4},
                                           FixtureCase{"other_game_flags.ini", false, 0}),
                         [](const auto &info) {
                             std::string name = info.param.file;
                             for (char &c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

TEST(DamagedFiles, BackLineOfOneCharacterLeavesEverythingAfterAtDefaults) {
    const FileBytes file =
        readFileBytes(fs::path(QUARN_TEST_DATA) / "settings" / "backs_line_5.ini", 1 << 20);
    const SettingsRead read = parseSettings(file.bytes);
    Settings expected;
    expected.language = 1;
    expected.faceSet = 5;
    EXPECT_EQ(read.values, expected);
}

// ---- load and save ----------------------------------------------------------

class SettingsFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quarn-settings-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    std::string fileBytes() const { return readFileBytes(folder_ / "Quarn.ini", 1 << 20).bytes; }
    fs::path folder_;
};

TEST_F(SettingsFileTest, RoundTripKeepsEveryValueButTheFontNames) {
    const Settings saved = customSettings();
    ASSERT_TRUE(saveSettings(folder_, saved).ok);
    Settings expected = saved;
    resetFontNames(expected);
    EXPECT_EQ(loadSettings(folder_), expected);
    EXPECT_EQ(loadSettings(folder_).fontNames[2], defaultFontNames[2]);
}

TEST_F(SettingsFileTest, SecondSaveReplacesTheFirst) {
    ASSERT_TRUE(saveSettings(folder_, customSettings()).ok);
    ASSERT_TRUE(saveSettings(folder_, Settings{}).ok);
    EXPECT_EQ(fileBytes(), defaultFile);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(SettingsFileTest, MissingOrUnreadableFileGivesTheCallersDefaults) {
    Settings defaults;
    defaults.ratingsPath = "built-in ratings";
    defaults.statisticsPath = "built-in statistics";
    Settings expected = defaults;
    resetFontNames(expected);
    EXPECT_EQ(loadSettings(folder_, defaults), expected);
    fs::create_directory(folder_ / "Quarn.ini");
    EXPECT_EQ(loadSettings(folder_, defaults), expected);
}

TEST_F(SettingsFileTest, OversizedFileIsNotRead) {
    std::string bytes = joinCrlfLines(customLines());
    bytes += std::string(100 * 1024, 'x');
    ASSERT_TRUE(writeFileAtomically(folder_ / "Quarn.ini", bytes));
    Settings expected;
    resetFontNames(expected);
    EXPECT_EQ(loadSettings(folder_), expected);
}

TEST_F(SettingsFileTest, FailedSaveReportsTheMessageAndKeepsTheOldFile) {
    EXPECT_EQ(saveSettings(folder_ / "missing", Settings{}).message, "Can`t save options!");
    EXPECT_FALSE(saveSettings(folder_ / "missing", Settings{}).ok);
    fs::create_directory(folder_ / "Quarn.ini");
    const SettingsSaved saved = saveSettings(folder_, Settings{});
    EXPECT_FALSE(saved.ok);
    EXPECT_EQ(saved.message, cantSaveOptionsMessage);
    EXPECT_TRUE(fs::is_directory(folder_ / "Quarn.ini"));
}

// ---- values the reader would refuse are written as defaults ---------------

struct UnwritableCase {
    const char *name;
    std::function<void(Settings &)> change;
    int line;
    std::string written;
};

class UnwritableValues : public ::testing::TestWithParam<UnwritableCase> {};

TEST_P(UnwritableValues, AreWrittenAsDefaultsSoLaterValuesSurvive) {
    Settings s = customSettings();
    GetParam().change(s);
    const std::vector<std::string> lines = settingsLines(s);
    EXPECT_EQ(lines[static_cast<size_t>(GetParam().line - 1)], GetParam().written);
    const SettingsRead read = parseSettings(joinCrlfLines(lines));
    EXPECT_EQ(read.stoppedAtLine, 0);
    EXPECT_EQ(read.values.gifFrameDelay, customSettings().gifFrameDelay);
}

INSTANTIATE_TEST_SUITE_P(
    Values, UnwritableValues,
    ::testing::Values(
        UnwritableCase{"EmptyAddress", [](Settings &s) { s.hostAddress.clear(); }, 19, "127.0.0.1"},
        UnwritableCase{"EmptyPort", [](Settings &s) { s.port.clear(); }, 20, "25666"},
        UnwritableCase{"EmptyName", [](Settings &s) { s.playerName.clear(); }, 24, "Mr.X"},
        UnwritableCase{"NameWithLineBreak", [](Settings &s) { s.playerName = "Ann\r\nBob"; }, 24,
                       "Mr.X"},
        UnwritableCase{"ChineseName", [](Settings &s) { s.playerName = "王伟"; }, 24, "Mr.X"},
        UnwritableCase{"OneLetterFont", [](Settings &s) { s.fontNames[0] = "A"; }, 10,
                       "Comic Sans MS"},
        UnwritableCase{"ChineseCity", [](Settings &s) { s.city = "北京"; }, 29, "Moscow"},
        UnwritableCase{"NickWithLineBreak", [](Settings &s) { s.nick = "a\nb"; }, 27, "Incognito"},
        UnwritableCase{"PathWithLineBreak", [](Settings &s) { s.ratingsPath = "a\rb"; }, 26,
                       "Wh0e8ADhdCxEudaOgweeSt5/iRoqHgkg3o/20m4iPA"},
        UnwritableCase{"EmptyStatisticsPath", [](Settings &s) { s.statisticsPath.clear(); }, 31,
                       "Wh0e8ADhdCxEudaOgweeSt5/iRoqHwkUbykcxpbz"},
        UnwritableCase{"BadCountry", [](Settings &s) { s.country = "9-999"; }, 28, "1-001"},
        UnwritableCase{"CountryPastItsContinent", [](Settings &s) { s.country = "4-015"; }, 28,
                       "1-001"},
        UnwritableCase{"UnknownSex", [](Settings &s) { s.sex = 'x'; }, 30, "M"},
        UnwritableCase{"BackSetOfThreeDigits", [](Settings &s) { s.backSet = 150; }, 6, "001"},
        UnwritableCase{"BackgroundPictureZero", [](Settings &s) { s.backgroundPicture = 0; }, 22,
                       "026"},
        UnwritableCase{"BackgroundColourOfTwoDigits", [](Settings &s) { s.backgroundColour = 12; },
                       22, "100"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
