#pragma once
// What the main window shows: the title screen, the menu with the club's
// members, or the table of a match. The window changes screen only through
// nextScreen, so the table of moves below is the whole of it.

namespace quarn {

enum class Screen { Title, Menu, Table };

enum class ScreenEvent {
    TitleLeft,   // a key or a click on the title screen, after a good start-up
    MatchChosen, // a player was chosen in the menu and the match begins
    MatchLeft,   // the match ended, was abandoned or was interrupted
};

// The screen after the event. An event that does not belong to the screen
// leaves it as it is (a network interruption that arrives while the menu
// already shows).
constexpr Screen nextScreen(Screen screen, ScreenEvent event) {
    switch (event) {
    case ScreenEvent::TitleLeft:
        return screen == Screen::Title ? Screen::Menu : screen;
    case ScreenEvent::MatchChosen:
        return screen == Screen::Menu ? Screen::Table : screen;
    case ScreenEvent::MatchLeft:
        return screen == Screen::Table ? Screen::Menu : screen;
    }
    return screen;
}

// The window's one-time start-up (settings, club files, language, pictures),
// run right after the first paint or when the title is left first.
enum class StartUp {
    Pending,    // not begun, not scheduled
    Scheduled,  // the first paint asked for it
    Done,       // everything loaded
    ClubFailed, // a club file is missing or damaged: the window closes
};

} // namespace quarn
