#pragma once
// The auxiliary windows whose pictures the graphics library WemCGraph1.dll
// holds, and the names of those pictures. Each window W has
//   "GForm" + W            its "Purple" background (JPEG, the window's client size)
//   "GForm" + W + code     its heading in each picture code (PNG), shown in
//                          "Purple" and over the red ribbon of "Gray with red ribbons"
//   "GIcon48" + W          its 48 x 48 icon
//   concise + code         the heading of the "Gray concise" band (PNG, 48 px high);
//                          a window with a language-neutral concise heading names it
//                          whole and has no code appended
// and a few windows have a language-neutral heading for the red ribbon
// ("GFormCountL"). Plain C++: the generator of the library and the windows
// share this table.

#include "lang/WordEntry.h"

#include <array>
#include <string_view>

namespace quarn {

struct LibraryWindow {
    std::string_view name; // W
    WordEntry title;       // the heading's text
    int width;             // the client size in the "Purple" design
    int height;
    int headingWidth; // "GForm" + W + code: fits the window beside its icon and the red ribbon
    std::string_view concise;    // the "Gray concise" heading's base name
    bool conciseByLanguage;      // true: concise + picture code; false: the name alone
    std::string_view redHeading; // a language-neutral heading for the red ribbon, or empty
    int redWidth;                // its size
    int redHeight;
};

inline constexpr int libraryHeadingHeight = 60;
inline constexpr int conciseHeadingHeight = 48;
inline constexpr int libraryIconSide = 48;

inline constexpr std::array<LibraryWindow, 18> libraryWindows{{
    {"Opt", WordEntry::MainOptions, 500, 400, 260, "Options", true, "", 0, 0},
    {"Speed", WordEntry::OptChoiceOfSpeed, 340, 220, 220, "Speed", true, "", 0, 0},
    {"Count", WordEntry::InfoTitle, 325, 500, 200, "CountInfo", false, "GFormCountL", 200, 100},
    {"History", WordEntry::HistoryTitle, 800, 580, 460, "History", true, "", 0, 0},
    {"TopTen", WordEntry::ClubTopTen, 460, 700, 330, "TopTen", true, "", 0, 0},
    {"End", WordEntry::ClubCompletionOfGame, 620, 720, 480, "End", true, "", 0, 0},
    {"Stat", WordEntry::OptStatistics, 380, 470, 250, "WorldStats", false, "GFormStatL", 330, 90},
    {"Radio", WordEntry::MainRadio, 310, 320, 190, "Radio", false, "GFormRadioL", 260, 80},
    {"Acc", WordEntry::AccPageMyAccount, 600, 520, 420, "Acc", true, "", 0, 0},
    {"AccInfo", WordEntry::AccMyAccountTitle, 520, 560, 390, "AccInfo", true, "", 0, 0},
    {"ServerWrite", WordEntry::WorldTopTenCaption, 460, 360, 330, "ServerWrite", true, "", 0, 0},
    {"ServerRead", WordEntry::WorldTopTenCaption, 620, 640, 460, "ServerRead", true, "", 0, 0},
    {"ServerInfo", WordEntry::WorldPassportCaption, 420, 480, 290, "ServerInfo", true, "", 0, 0},
    {"Chat", WordEntry::MainChat, 640, 600, 460, "Chat", true, "", 0, 0},
    {"Tour", WordEntry::MainTournamentHint, 760, 560, 520, "Tour", true, "", 0, 0},
    {"TourTop", WordEntry::TourTopTenCaption, 460, 600, 330, "TourTop", true, "", 0, 0},
    {"Help", WordEntry::MainHelp, 660, 620, 420, "Help", true, "", 0, 0},
    {"About", WordEntry::MainAbout, 520, 620, 340, "About", true, "", 0, 0},
}};

// The main menu and game table background of the "Purple" design, at the
// small window's size (the loader stretches it to larger windows).
inline constexpr std::string_view purpleMenuBackground = "BGLilu";
inline constexpr int purpleMenuWidth = 760;
inline constexpr int purpleMenuHeight = 500;

// The click ripple: 30 frames of 100 x 100 side by side.
inline constexpr std::string_view saluteStrip = "GTouch";
inline constexpr int saluteFrames = 30;
inline constexpr int saluteFrameSide = 100;

// The game information window's animated icon: 60 frames of 48 x 48.
inline constexpr std::string_view countIconStrip = "GIcon48COunt";
inline constexpr int countIconFrames = 60;

// The game information window's club animations in the "Purple" design.
inline constexpr std::string_view clubAnimationLetters = "ABCDEFG";
inline constexpr int clubAnimationSide = 70;

} // namespace quarn
