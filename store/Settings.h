#pragma once
// The user's settings and their file Quarn.ini in the program's folder: 35
// lines of code page 1251 text with CR LF ends, in which markers such as
// "<# General>" alternate with values whose meaning is their position. Most
// switches are packed one character each into the 20-character line 2.
// The file layout is shared with other card games of the same family.
#include "lang/Language.h"
#include "store/BuiltinServicePaths.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

inline constexpr std::string_view settingsFileName = "Quarn.ini";
inline constexpr int settingsLineCount = 35;
// The message the caller shows (as an error box) when saving fails twice.
inline constexpr std::string_view cantSaveOptionsMessage = "Can`t save options!";

// Value ranges of the settings that select from a list.
// (faceSetCount, backSetCount and backgroundColourCount: lang/Language.h)
inline constexpr int backgroundPictureCount = 10; // pictures 1 to 10
inline constexpr int minFontScale = 50;
inline constexpr int maxFontScale = 150;
inline constexpr int minGifFrameDelay = 10;
inline constexpr int maxGifFrameDelay = 5000;

// The four fonts "Large font", "Small font", "Special font 1" and "Special
// font 2" as shipped: the default file, the names the program starts with and
// what the options' button "Default" restores.
inline constexpr std::array<std::string_view, 4> defaultFontNames{"Comic Sans MS", "Comic Sans MS",
                                                                  "FixedSys", "Courier New"};

// The settings that choose one of a few codes; the values are the file's.
enum class ClubDisplayMode : int { Score = 1, Rating = 2 };
enum class WindowSizeSetting : int {
    Small = 1,
    FullScreen = 2,
    Average1 = 3,
    Average2 = 4,
    Large = 5,
};
enum class WindowDesign : int { GrayConcise = 1, GrayAristocratic = 2, GrayWithRedRibbons = 3 };
// The main menu's and the game table's design.
enum class ScreenDesign : int { Customizable = 0, Purple = 1 };
enum class GifCaptureArea : int { ClientArea = 1, WholeWindow = 2 };

// Every value of the settings file, each with its default.
struct Settings {
    // ---- line 2, the general flag line, one character per value ----------
    int language = 0;         // 1: language index 0 to 9
    bool soundEffects = true; // 2: with music, '0' to '3'
    bool music = true;
    bool gifAnimation = true;                                 // 3: animated pictures
    bool cardFlight = true;                                   // 4
    ClubDisplayMode clubDisplayMode = ClubDisplayMode::Score; // 5
    bool multiplayer = false;                                 // 6: network game mode
    bool redMouseCursor = true;                               // 7: the program's own cursors
    int flightSpeed = 4;                                      // 8: 1 to 6
    WindowSizeSetting windowSize = WindowSizeSetting::Small;  // 9
    bool startReported = true;       // 10: first start reported to the statistics service
    bool likeSent = true;            // 11
    bool radioListFromServer = true; // 12: read the radio station list from the server first
    int headingColour = 1;           // 13: colour variant 1 to 7 of the heading pictures
    bool newButtons = false;         // 14
    bool purpleWindows = false;      // 15: auxiliary windows in the "Purple" design
    WindowDesign windowDesign = WindowDesign::GrayAristocratic; // 16
    ScreenDesign menuDesign = ScreenDesign::Customizable;       // 17
    ScreenDesign tableDesign = ScreenDesign::Customizable;      // 18
    bool saluteOnButtons = true;                                // 19
    bool saluteOnCards = true;                                  // 20

    // ---- the other lines ------------------------------------------------
    int faceSet = 0;               // line 4: position in the face-set list
    int backSet = 0;               // line 6: position in the back list
    bool alwaysOneBack = false;    //   and "Always one"
    bool highlightPlayable = true; // line 8: "To sellect possible cards for move"
    bool strongOpponents = false;  //   character 2: the computer seats play strongly
    // Lines 10 to 17: "Large font", "Small font", special fonts 1 and 2.
    std::array<std::string, 4> fontNames{
        std::string(defaultFontNames[0]), std::string(defaultFontNames[1]),
        std::string(defaultFontNames[2]), std::string(defaultFontNames[3])};
    std::array<int, 4> fontScales{100, 100, 100, 100}; // percent, 50 to 150
    std::string hostAddress = "127.0.0.1";             // line 19: network game host last typed
    std::string port = "25666";                        // line 20
    int backgroundPicture = 2;                         // line 22: 1 to 10
    int backgroundColour = 0;                          //   and its colour variant 0 to 6
    std::string playerName = "Mr.X";                   // line 24: the name last typed at log-in
    // line 26: enciphered service path of the world ratings
    std::string ratingsPath{kBuiltinWorldServicePath};
    std::string nick = "Incognito"; // line 27: passport, at most 12 characters
    std::string country = "1-001";  // line 28: passport country code
    std::string city = "Moscow";    // line 29: passport, at most 15 characters
    char sex = 'M';                 // line 30: 'M' or 'W'
    // line 31: enciphered service path of the statistics
    std::string statisticsPath{kBuiltinStatisticsServicePath};
    bool recordGif = false;                                     // line 33
    GifCaptureArea gifCaptureArea = GifCaptureArea::ClientArea; // line 34
    int gifFrameDelay = 1000;                                   // line 35: milliseconds, 10 to 5000

    bool operator==(const Settings &) const = default;
};

// The program always starts with the default font names, whatever the file says.
void resetFontNames(Settings &settings);

// What reading the file's bytes gave.
struct SettingsRead {
    Settings values;
    bool ignored = false;  // fewer than 35 lines: every default stands
    int stoppedAtLine = 0; // the line whose value broke its rule; 0 when all were read
};

// Reads the settings from the file's bytes over `defaults`. A file of fewer
// than 35 lines is ignored; a line that breaks its rule stops the reading
// there and what was read before stays. Values that convert but lie outside
// their list keep their default and reading goes on.
SettingsRead parseSettings(std::string_view bytes, const Settings &defaults = Settings{});

// The 35 lines of the file (code page 1251, without line ends). Texts that
// the reader would refuse (empty where a value is required, line breaks,
// characters code page 1251 lacks) are written as their default, so one bad
// value can never stop the next reading early and lose the values after it.
std::vector<std::string> settingsLines(const Settings &settings);

// Reads `folder`/Quarn.ini (two attempts) over `defaults`; without a readable
// file every default stands. The caller supplies the built-in enciphered
// service paths in `defaults`. The font names come back as defaultFontNames.
Settings loadSettings(const std::filesystem::path &folder, const Settings &defaults = Settings{});

struct SettingsSaved {
    bool ok = false;
    std::string_view message; // cantSaveOptionsMessage when not ok
};

// Writes all 35 lines to `folder`/Quarn.ini (two attempts). The file is
// replaced through a temporary file, so a failed save leaves the old file
// whole. The caller does not save at all while a club file was found missing
// or damaged at start, and deletes its temporary music file first.
SettingsSaved saveSettings(const std::filesystem::path &folder, const Settings &settings);

} // namespace quarn
