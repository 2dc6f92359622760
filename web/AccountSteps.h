#pragma once
// What the account window and the start-up do with the run's account, as
// functions over the request layer and the Account record, without windows:
// start-up login, the reads before the window opens, registration, login,
// sign-out, the saved login, transfers of Wems, the profile and the rules
// that enable the window's buttons. Nothing here shows a message; the steps
// return what the window says.
#include <filesystem>
#include <string>
#include <string_view>

#include "web/Account.h"
#include "web/FieldCheck.h"
#include "web/SavedLogin.h"
#include "web/WebServices.h"

namespace web {

// ---- start-up ----------------------------------------------------------

// Reads the saved login beside the program and logs in with it, silently.
// An absent or foreign file leaves the account logged out; a good one sets
// the saved-login flag whatever the login gives. True when logged in.
bool StartUpLogin(WebServices &web, Account &account, const std::filesystem::path &programFolder);

// ---- the account window ------------------------------------------------

// The reads before the account window shows: the top ten, the own results
// and place, the member count, the own photo and profile, the President's
// profile and photo; a logged-out account gets the entry defaults. The reads
// stop at the first that does not reach the server (false): a server that is
// down or hung costs one read's time-out, not one per read.
bool ReadAccountWindowData(WebServices &web, Account &account);

// The entry defaults of a logged-out account: no city, Russia, male, no
// e-mail, no registration date.
void SetEntryDefaults(TWemUser &user);

// Own results and their place (refresh of "My results").
void ReadOwnResults(WebServices &web, Account &account);
// The President (top-ten row 1): profile and photo (slot 2).
void ReadPresident(WebServices &web, Account &account);
// The top ten and its read flag.
void ReadTopTenRows(WebServices &web, Account &account);
// The balance into R04 when logged in; false when it could not be read.
bool ReadOwnBalance(WebServices &web, Account &account);

// "Create an account": registers the current account with today's date
// ("dd.mm.yyyy") and, when created, logs in and reads results, place,
// member count and profile.
RegisterResult CreateAccount(WebServices &web, Account &account, const std::string &today);

// "Login to account": true and state 2 on success; on failure the results-
// and count-read flags are cleared and the state stays 1.
bool LogIn(WebServices &web, Account &account);

// "Sign out": state 1, no own photo, the balance and reserved numbers 0.
void LogOut(Account &account);

// "Play global rating" ticked or unticked (only between states 2 and 3).
void SetPlayingForRating(Account &account, bool playing);

// "Save" and "Delete" of the saved login beside the program.
bool SaveLogin(Account &account, const std::filesystem::path &programFolder);
void DeleteLogin(Account &account, const std::filesystem::path &programFolder);

// ---- enabling ----------------------------------------------------------

struct AccountButtons {
    bool create = false;     // "Create an account"
    bool loginOrOut = false; // "Login to account" / "Sign out"
    bool save = false;       // may "Save" be enabled (also needs an edit since filling)
    bool remove = false;     // "Delete"
    bool playRating = false; // "Play global rating"
    bool fields = false;     // the input fields
};

// `forAccountMatch`: the window was opened by the start of an account match.
AccountButtons accountButtons(const Account &account, bool forAccountMatch);

// Whether a typed character (UTF-8, one character) is taken by a field of
// the "My account" page: nick and city refuse what the single-character
// check refuses, password and e-mail also Cyrillic letters.
bool typedCharAccepted(FieldMode field, std::string_view character);

// ---- Wems --------------------------------------------------------------

// "Transfer Wems" may be pressed.
bool transferEnabled(const Account &account);

enum class TransferCheck { Ready, NotEnoughWems, EmptyTransfer };
// The refusals before the question is asked.
TransferCheck checkTransfer(const Account &account);

enum class TransferOutcome { Done, NoSuchMember, NoConnect, NotEnoughWems };
// The transfer of the account's form after the player said yes: the balance
// is read again, the recipient credited, the own account debited and the
// balance read once more.
TransferOutcome TransferWems(WebServices &web, Account &account);

// The font size of the balance on the "Wems" page: 48 up to 9, four less for
// each further digit down to 28 for six digits, 24 beyond.
int wemsFontSize(int balance);

// ---- texts -------------------------------------------------------------

// A rating with a comma and always three decimals: "12,500", "0,000", "-1,250".
std::string formatRating(double rating);

// ---- profile -----------------------------------------------------------

// The profile as it is saved: "$" and "~" become spaces; an "&" (which
// would cut the request short, so that nothing at all was saved) becomes
// "+", and a character the account's code page 1251 cannot carry becomes
// "?". The editor shows the texts so changed before it saves them.
TInfo14 profileForSaving(TInfo14 info);
// "Update info": saves the profile and, when saved, reads it back into Info.
bool SaveOwnProfile(WebServices &web, Account &account, const TInfo14 &info);
// After an upload: the own photo is fetched again into slot 1.
bool ReadOwnPhoto(WebServices &web, Account &account);

} // namespace web
