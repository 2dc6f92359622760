#include "web/AccountSteps.h"

#include "store/Cp1251.h"
#include "web/Endpoints.h"
#include "web/FieldCheck.h"
#include "web/ProfileFields.h"
#include "web/Scramble.h"
#include "web/WorldLists.h"

#include <algorithm>
#include <cmath>

namespace web {
namespace {

void readPlace(WebServices &web, Account &account) {
    account.game.Place = web.ReadPlace(account.game.Rating).value;
}

void readMemberCount(WebServices &web, Account &account) {
    const Reply<int> count = web.ReadMemberCount();
    account.countRead = count.ok;
    if (count.ok)
        account.memberCount = count.value;
}

void readOwnProfile(WebServices &web, Account &account) {
    account.user.Info = web.ReadProfile(account.user.Nick, account.user.Info).value;
}

void readGameResults(WebServices &web, Account &account) {
    const Reply<TWemGame> results =
        web.ReadGameResults(account.user.Nick, account.user.Pw, account.game);
    account.resultsRead = results.ok;
    account.game = results.value;
}

void readPhoto(WebServices &web, Account &account, int slot, const std::string &nick) {
    Reply<std::string> photo = web.DownloadPhoto(nick);
    PhotoSlot &target = account.photo(slot);
    target.present = photo.ok;
    target.jpeg = photo.ok ? std::move(photo.value) : std::string();
}

void forgetOwnPhoto(Account &account) {
    account.photo(kOwnPhotoSlot) = PhotoSlot{};
}

// A login's record replaces the current account; the scrambled password is
// made again from the password sent.
void takeLogin(Account &account, TWemUser record, const std::string &pw) {
    account.user = std::move(record);
    account.user.Pw = pw;
    account.user.PwC = Scramble(quarn::utf8ToCp1251(pw).value_or(std::string()), kAccountKey);
}

bool nickAndPasswordUsable(const TWemUser &user) {
    return FieldCheck(user.Nick, kNickField) != kRefused &&
           FieldCheck(user.Pw, kPasswordField) == kAccepted;
}

} // namespace

bool StartUpLogin(WebServices &web, Account &account, const std::filesystem::path &programFolder) {
    const std::optional<SavedLogin> saved = readSavedLogin(savedLoginPath(programFolder));
    if (!saved)
        return false;
    account.savedLogin = true;
    const std::string pw = savedPassword(*saved);
    Reply<TWemUser> login = web.LoginAccount(saved->nick, pw, account.user);
    takeLogin(account, std::move(login.value), pw);
    account.state = login.ok ? AccountState::LoggedIn : AccountState::LoggedOut;
    return login.ok;
}

void SetEntryDefaults(TWemUser &user) {
    user.City.clear();
    user.Country2 = "1-001";
    user.Country1 = "Russia";
    user.Sex = 'M';
    user.EMail.clear();
    user.DateR = "00.00.0000";
}

void ReadTopTenRows(WebServices &web, Account &account) {
    const Reply<TopTenRows> rows = web.ReadTopTen();
    account.topTenRead = rows.ok;
    account.topTen = rows.value;
}

void ReadOwnResults(WebServices &web, Account &account) {
    if (!account.isLoggedIn())
        return;
    readGameResults(web, account);
    readPlace(web, account);
}

void ReadPresident(WebServices &web, Account &account) {
    const std::string &nick = account.topTen[0].Nick;
    account.president = web.ReadProfile(nick, TInfo14{}).value;
    readPhoto(web, account, kPresidentPhotoSlot, nick);
}

namespace {

// The reads in their order; false at the first that did not reach the
// server, whose later reads are not tried (and show "No Connect").
bool readWindowDataUntilFailure(WebServices &web, Account &account) {
    account.resultsRead = false;
    account.countRead = false;
    ReadTopTenRows(web, account);
    if (!account.topTenRead)
        return false;
    if (account.isLoggedIn()) {
        ReadOwnResults(web, account);
        if (!account.resultsRead)
            return false;
    }
    readMemberCount(web, account);
    if (!account.countRead)
        return false;
    // A missing photo or profile is no failure: the window shows the default.
    if (account.isLoggedIn()) {
        readPhoto(web, account, kOwnPhotoSlot, account.user.Nick);
        readOwnProfile(web, account);
    }
    ReadPresident(web, account);
    return true;
}

} // namespace

bool ReadAccountWindowData(WebServices &web, Account &account) {
    const bool reached = readWindowDataUntilFailure(web, account);
    if (!account.isLoggedIn())
        SetEntryDefaults(account.user);
    return reached;
}

bool ReadOwnBalance(WebServices &web, Account &account) {
    if (!account.isLoggedIn())
        return false;
    const Reply<int> balance = web.ReadBalance(account.user.Nick);
    if (balance.ok)
        account.user.R04 = balance.value;
    return balance.ok;
}

RegisterResult CreateAccount(WebServices &web, Account &account, const std::string &today) {
    TWemUser &user = account.user;
    user.DateR = today;
    user.R01 = user.R02 = user.R03 = "xxx";
    user.R04 = user.R05 = user.R06 = 0;
    const RegisterResult result = web.RegisterAccount(user);
    if (result != kRegistered) {
        account.state = AccountState::LoggedOut;
        user.DateR = "00.00.0000";
        return result;
    }
    account.state = AccountState::LoggedIn;
    readMemberCount(web, account);
    const std::string pw = user.Pw;
    Reply<TWemUser> login = web.LoginAccount(user.Nick, pw, user);
    // The account exists with the values just sent: a login that fails now
    // keeps them rather than the login's reset record.
    if (login.ok)
        takeLogin(account, std::move(login.value), pw);
    else
        account.user.PwC = Scramble(quarn::utf8ToCp1251(pw).value_or(std::string()), kAccountKey);
    readGameResults(web, account);
    readPlace(web, account);
    forgetOwnPhoto(account);
    readOwnProfile(web, account);
    return result;
}

bool LogIn(WebServices &web, Account &account) {
    const std::string pw = account.user.Pw;
    Reply<TWemUser> login = web.LoginAccount(account.user.Nick, pw, account.user);
    account.user.PwC = Scramble(quarn::utf8ToCp1251(pw).value_or(std::string()), kAccountKey);
    if (!login.ok) {
        account.resultsRead = false;
        account.countRead = false;
        account.state = AccountState::LoggedOut;
        return false;
    }
    account.state = AccountState::LoggedIn;
    takeLogin(account, std::move(login.value), pw);
    readGameResults(web, account);
    readPlace(web, account);
    readMemberCount(web, account);
    readPhoto(web, account, kOwnPhotoSlot, account.user.Nick);
    readOwnProfile(web, account);
    ReadPresident(web, account);
    return true;
}

void LogOut(Account &account) {
    account.state = AccountState::LoggedOut;
    forgetOwnPhoto(account);
    account.user.R04 = account.user.R05 = account.user.R06 = 0;
}

void SetPlayingForRating(Account &account, bool playing) {
    if (playing && account.state == AccountState::LoggedIn)
        account.state = AccountState::PlayingForRating;
    else if (!playing && account.state == AccountState::PlayingForRating)
        account.state = AccountState::LoggedIn;
}

bool SaveLogin(Account &account, const std::filesystem::path &programFolder) {
    if (!writeSavedLogin(savedLoginPath(programFolder), {account.user.Nick, account.user.PwC}))
        return false;
    account.savedLogin = true;
    return true;
}

void DeleteLogin(Account &account, const std::filesystem::path &programFolder) {
    deleteSavedLogin(savedLoginPath(programFolder));
    account.savedLogin = false;
}

AccountButtons accountButtons(const Account &account, bool forAccountMatch) {
    AccountButtons b;
    if (account.accountMatch)
        return b; // read-only while an account match runs
    const TWemUser &u = account.user;
    const bool in = account.isLoggedIn();
    b.fields = !in;
    b.create = !in && FieldCheck(u.Nick, kNickField) != kRefused &&
               FieldCheck(u.City, kCityField) != kRefused &&
               FieldCheck(u.Pw, kPasswordField) == kAccepted &&
               FieldCheck(u.EMail, kEMailField) == kAccepted;
    b.loginOrOut = in || nickAndPasswordUsable(u);
    b.save = in && !account.savedLogin;
    b.remove = account.savedLogin;
    b.playRating = in && forAccountMatch;
    return b;
}

bool typedCharAccepted(FieldMode field, std::string_view character) {
    const FieldVerdict verdict = FieldCheck(character, kTypedChar);
    if (field == kNickField || field == kCityField)
        return verdict != kRefused;
    return verdict == kAccepted;
}

bool transferEnabled(const Account &account) {
    return account.isLoggedIn() && account.user.R04 >= 1 && account.transferAmount >= 1 &&
           !account.transferNick.empty() && account.transferNick != account.user.Nick;
}

TransferCheck checkTransfer(const Account &account) {
    if (account.user.R04 < account.transferAmount)
        return TransferCheck::NotEnoughWems;
    if (account.transferAmount <= 0)
        return TransferCheck::EmptyTransfer;
    return TransferCheck::Ready;
}

TransferOutcome TransferWems(WebServices &web, Account &account) {
    const int amount = account.transferAmount;
    const Reply<int> balance = web.ReadBalance(account.user.Nick);
    if (balance.ok)
        account.user.R04 = balance.value;
    if (!balance.ok)
        return TransferOutcome::NoConnect;
    if (account.user.R04 < amount)
        return TransferOutcome::NotEnoughWems;
    if (!web.AddBalance(account.transferNick, amount))
        return TransferOutcome::NoSuchMember;
    const bool debited = web.AddBalance(account.user.Nick, -amount);
    ReadOwnBalance(web, account);
    return debited ? TransferOutcome::Done : TransferOutcome::NoConnect;
}

int wemsFontSize(int balance) {
    const int digits =
        static_cast<int>(std::to_string(std::abs(static_cast<long long>(balance))).size());
    if (digits > 6)
        return 24;
    return 48 - 4 * (digits - 1);
}

std::string formatRating(double rating) {
    std::string text = ratingText(rating);
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

namespace {

// One profile text as it can be saved (see profileForSaving).
std::string profileTextForSaving(std::string_view text) {
    std::string saved;
    saved.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = std::max<std::size_t>(1, quarn::utf8CharacterLength(text));
        const std::string_view character = text.substr(0, length);
        text.remove_prefix(length);
        if (character == "$" || character == "~")
            saved += ' ';
        else if (character == "&")
            saved += '+';
        else if (!quarn::utf8ToCp1251(character))
            saved += '?';
        else
            saved += character;
    }
    return saved;
}

} // namespace

TInfo14 profileForSaving(TInfo14 info) {
    for (const ProfileField &field : kProfileFields)
        info.*field.text = profileTextForSaving(info.*field.text);
    return info;
}

bool SaveOwnProfile(WebServices &web, Account &account, const TInfo14 &info) {
    const TInfo14 saved = profileForSaving(info);
    if (!web.SaveProfile(account.user.Nick, saved))
        return false;
    account.user.Info = saved;
    readOwnProfile(web, account);
    return true;
}

bool ReadOwnPhoto(WebServices &web, Account &account) {
    readPhoto(web, account, kOwnPhotoSlot, account.user.Nick);
    return account.photo(kOwnPhotoSlot).present;
}

} // namespace web
