#pragma once
// A rated account match against the computer, as the account service sees
// it: the pre-charge at its start, the record at its end and, after a
// completed game of 30 hands, the result in the account list with its bonus.
// Plain C++ over the requests and the run's account; what the player sees
// and hears comes through AccountMatchIo, so the windows decide the texts
// and the tests need neither a window nor a clock.
#include <functional>

#include "web/Account.h"
#include "web/WebServices.h"

namespace web {

// Every call may be empty: it then does nothing (a question answers No).
struct AccountMatchIo {
    // The account window, modal, with "Play global rating" enabled.
    std::function<void()> openAccountWindow;
    // The failure sound ("WWrongs") after a pre-charge that was not stored.
    std::function<void()> playFailure;
    // Waits between two pre-charge attempts.
    std::function<void(int seconds)> wait;
    // "Could not connect to server!"
    std::function<void()> showCouldNotConnect;
    // "Could not connect to server!", a line break, "Repeat?"; true for Yes.
    std::function<bool()> askRepeatRecord;
    // "Unable to write the result of the game!", a space, "Repeat?"; true for Yes.
    std::function<bool()> askRepeatSubmission;
};

struct AccountMatchStart {
    bool started = false; // deal the first hand with the account's standing
    // The state or the nick changed: the account picture and the menu are redrawn.
    bool accountChanged = false;
};

// Opens the account window; when the player ticked "Play global rating"
// (state 3) reads the game record and stores the pre-charge: Kon + 3, the
// rating as if the match scored -50, KonL and Score 0, in up to three
// attempts 2 and 3 seconds apart. The local record keeps its own Kon, KonL,
// Score and Rating: only the server holds the pre-charge. On success the
// account-match flag is set. When the record cannot be read or the
// pre-charge not stored, the player is told and logged out.
//
// The service charges from its own record and opens the match: its id and
// seed go to account.match, and every hand of the match is dealt from that
// seed (with the strong opponents, when on, seeded from it too).
AccountMatchStart StartAccountMatch(WebServices &web, Account &account, const AccountMatchIo &io,
                                    bool strongOpponents = false);

struct AccountMatchRecord {
    bool stored = false;       // the match is in the server's record
    double rating = 0.0;       // the account's rating (the old one when not stored)
    bool gameComplete = false; // the record shows a completed game (KonL 0)
};

// The end of an account match (state 3 only): the server's record gets the
// real score in place of the pre-charge, the current game's hands and score,
// and when the match completes the game the best score and one more game.
// While it cannot be stored the player is asked whether to try again. The
// account-match flag is cleared either way.
//
// The record carries the match id and the player's moves (`moves`, see
// opponent/MatchReplay.h); the service replays them and stores only what its
// replay gives, so the account then takes the service's record as it reads
// it back. A save sent again after a lost acknowledgement changes nothing
// more on the service.
AccountMatchRecord RecordAccountMatch(WebServices &web, Account &account, int matchScore,
                                      int gameTotal, const AccountMatchIo &io,
                                      const std::string &moves = {});

constexpr int kBestPlaceBonus = 25; // Wems for place 1 of the account list
constexpr int kTopTenBonus = 10;    // Wems for places 2 to 10
constexpr int kBonusFailed = -1;

// The Wems a place of the account list earns.
int PlaceBonus(int place);

struct AccountGameSubmission {
    bool submitted = false;
    int place = 0;
    int score = 0;
    int bonus = 0; // 25, 10, 0, or kBonusFailed when the bonus could not be added
};

// A completed game's total goes to the account list (346) under the
// account's nick, city, country name and sex, naming the match that
// completed it (the service lists the total of its own replay, once); a place 1 to 10 adds its
// bonus to the balance, and the balance is read again unless that failed.
// While the list cannot be written the player is asked whether to try again.
AccountGameSubmission SubmitAccountGame(WebServices &web, Account &account, int gameTotal,
                                        const AccountMatchIo &io);

} // namespace web
