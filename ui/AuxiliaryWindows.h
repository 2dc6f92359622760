#pragma once
// The windows that the main window opens but that other parts of the program
// build: options, top ten, history, end of game, game information, speed,
// help, about, radio, chat. The main window calls them through this
// interface; until a window exists its call does nothing visible.

#include <cstdint>

namespace quarn {

struct GameState;

class AuxiliaryWindows {
  public:
    virtual ~AuxiliaryWindows() = default;
    virtual void showOptions() {}
    virtual void showTopTen(bool /*networkClub*/) {}
    virtual void showHistory() {}
    // After a completed cycle: the place in the club's top ten (0 when the
    // result did not enter it) and the cycle score.
    virtual void showEndOfGame(bool /*networkClub*/, int /*place*/, std::int32_t /*score*/) {}
    // After a rated account game: the place in the account list, the game's
    // score and the bonus in Wems (0 none, -1 could not be added).
    virtual void showAccountEndOfGame(int /*place*/, std::int32_t /*score*/, int /*bonus*/) {}
    // After a completed local cycle: the world top ten submission window.
    virtual void submitWorldTopTen(std::int32_t /*score*/) {}
    // The world top ten window ("Top Ten" when the graphics library is there).
    virtual void showWorldTopTen() {}
    // The passport window (the options' "Passport").
    virtual void showPassport() {}
    virtual void showGameInformation(const GameState & /*game*/) {}
    virtual void showSpeed() {}
    virtual void showHelp() {}
    virtual void showAbout() {}
    virtual void showRadio() {}
    virtual void showChat() {}
    // The pictures of the menu that open the online windows.
    virtual void showAccount() {}
    // False when no account is logged in (the menu then asks to log in).
    virtual bool showTournament() { return false; }
    virtual void showStatistics() {}
    virtual void showNews() {}
    virtual void openHomePage() {}
};

} // namespace quarn
