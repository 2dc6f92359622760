// The account's pure rules: the saved-login file, the rating text, the size
// of the balance, the refusal of typed keys and the enabling of the account
// window's buttons and of a transfer.
#include "ScriptedServers.h"

#include "store/AtomicFile.h"
#include "web/AccountSteps.h"
#include "web/Scramble.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include <unistd.h>

namespace fs = std::filesystem;
using namespace web;

namespace {

// ---- the saved-login file ----------------------------------------------------

class SavedLoginFile : public testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("quarn-saved-login-" +
                std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        fs::create_directories(root / "Quarn");
    }
    void TearDown() override { fs::remove_all(root); }
    void put(const std::string &bytes) {
        std::ofstream(root / kSavedLoginFileName, std::ios::binary) << bytes;
    }
    fs::path programFolder() const { return root / "Quarn" / ""; }
    fs::path root;
};

TEST_F(SavedLoginFile, LiesInTheFolderAboveTheProgram) {
    EXPECT_EQ(savedLoginPath(programFolder()), root / "WemUser.wem");
    EXPECT_EQ(savedLoginPath(root / "Quarn"), root / "WemUser.wem");
}

TEST_F(SavedLoginFile, WritesThreeLinesAndReadsThemBack) {
    const SavedLogin login{"Игрок", Scramble("secret1", kAccountKey)};
    ASSERT_TRUE(writeSavedLogin(savedLoginPath(programFolder()), login));
    const auto bytes = quarn::readFileBytes(root / "WemUser.wem", 1000).bytes;
    EXPECT_EQ(bytes, "Wem User File\r\n\xC8\xE3\xF0\xEE\xEA\r\n" + login.pwC + "\r\n");
    const auto read = readSavedLogin(root / "WemUser.wem");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->nick, "Игрок");
    EXPECT_EQ(savedPassword(*read), "secret1");
    EXPECT_TRUE(deleteSavedLogin(root / "WemUser.wem"));
    EXPECT_FALSE(fs::exists(root / "WemUser.wem"));
    EXPECT_TRUE(deleteSavedLogin(root / "WemUser.wem")); // already gone
}

TEST_F(SavedLoginFile, ForeignOrDamagedFilesAreIgnored) {
    const std::string pwc = Scramble("secret1", kAccountKey);
    const struct {
        const char *what;
        std::string bytes;
    } cases[] = {
        {"empty", ""},
        {"other first line", "Wem User File 2\r\nAnn\r\n" + pwc + "\r\n"},
        {"lower case", "wem user file\r\nAnn\r\n" + pwc + "\r\n"},
        {"blank before", "\r\nWem User File\r\nAnn\r\n" + pwc + "\r\n"},
        {"binary", std::string("\0\xFF\xFE", 3)},
        {"oversized", "Wem User File\r\n" + std::string(100000, 'A')},
    };
    for (const auto &c : cases) {
        put(c.bytes);
        EXPECT_FALSE(readSavedLogin(root / "WemUser.wem")) << c.what;
    }
    fs::remove(root / "WemUser.wem");
    EXPECT_FALSE(readSavedLogin(root / "WemUser.wem")) << "absent";
    put("Wem User File\nAnn\n" + pwc); // LF only, no final line end
    const auto read = readSavedLogin(root / "WemUser.wem");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->nick, "Ann");
    EXPECT_EQ(read->pwC, pwc);
}

TEST_F(SavedLoginFile, AFailedWriteKeepsTheOldFile) {
    EXPECT_FALSE(writeSavedLogin(root / "missing" / "WemUser.wem", {"Bob", "abc"}));
    EXPECT_FALSE(fs::exists(root / "missing"));
    EXPECT_FALSE(writeSavedLogin(root / "WemUser.wem", {"Bo\nb", "abc"})); // no line breaks
    EXPECT_FALSE(fs::exists(root / "WemUser.wem"));
    put("Wem User File\r\nAnn\r\nxyz\r\n");
    fs::permissions(root / "WemUser.wem", fs::perms::owner_read, fs::perm_options::replace);
    if (::access((root / "WemUser.wem").c_str(), W_OK) == 0)
        GTEST_SKIP() << "root writes read-only files";
    EXPECT_FALSE(writeSavedLogin(root / "WemUser.wem", {"Bob", "abc"}));
    EXPECT_EQ(readSavedLogin(root / "WemUser.wem")->nick, "Ann");
}

TEST(SavedPassword, SpaceHashAndDollarAreSentAsHyphens) {
    EXPECT_EQ(passwordForSending("a b#c$d"), "a-b-c-d");
    EXPECT_EQ(passwordForSending("plain-1"), "plain-1");
    EXPECT_EQ(savedPassword({"Ann", Scramble("my pw#$", kAccountKey)}), "my-pw--");
}

// ---- texts and sizes -----------------------------------------------------------

TEST(RatingText, CommaAndAlwaysThreeDecimals) {
    const struct {
        double rating;
        const char *text;
    } cases[] = {{12.5, "12,500"},      {0, "0,000"},      {-1.25, "-1,250"},
                 {-0.0004, "0,000"},    {2.0005, "2,001"}, {1.23449, "1,234"},
                 {-12.3456, "-12,346"}, {1e-9, "0,000"},   {100, "100,000"}};
    for (const auto &c : cases)
        EXPECT_EQ(formatRating(c.rating), c.text) << c.rating;
}

TEST(WemsFont, ShrinksWithEachFurtherDigit) {
    const struct {
        int balance, size;
    } cases[] = {{0, 48},      {9, 48},      {10, 44},      {99, 44},        {100, 40},
                 {999, 40},    {1000, 36},   {9999, 36},    {10000, 32},     {99999, 32},
                 {100000, 28}, {999999, 28}, {1000000, 24}, {2000000000, 24}};
    for (const auto &c : cases)
        EXPECT_EQ(wemsFontSize(c.balance), c.size) << c.balance;
}

TEST(Profile, DollarAndTildeBecomeSpaces) {
    TInfo14 info;
    info.About = "a$b~c";
    info.YouTube = "~$";
    info.Name1 = "Ann";
    const TInfo14 saved = profileForSaving(info);
    EXPECT_EQ(saved.About, "a b c");
    EXPECT_EQ(saved.YouTube, "  ");
    EXPECT_EQ(saved.Name1, "Ann");
}

TEST(Profile, TextsTheRequestCannotCarryAreReplacedVisibly) {
    const struct {
        const char *text, *saved;
    } cases[] = {
        {"Tom & Jerry", "Tom + Jerry"},          // "&" would cut the request short
        {"Иван Петров", "Иван Петров"},          // code page 1251 holds Cyrillic
        {"電台 FM", "?? FM"},                    // it lacks these
        {"smile \xF0\x9F\x98\x80!", "smile ?!"}, // a four-byte character is one "?"
        {"broken \xC3 byte", "broken ? byte"},
        {"€ 5 & $ 6 ~", "€ 5 +   6  "},
    };
    for (const auto &c : cases) {
        TInfo14 info;
        info.WebSite = c.text;
        const TInfo14 saved = profileForSaving(info);
        EXPECT_EQ(saved.WebSite, c.saved) << c.text;
        EXPECT_EQ(profileForSaving(saved).WebSite, saved.WebSite) << "saved twice: " << c.text;
    }
}

// ---- typed keys ------------------------------------------------------------------

TEST(TypedKeys, EachFieldRefusesWhatItCannotSend) {
    const struct {
        const char *ch;
        bool nick, city, password, email;
    } cases[] = {
        {"a", true, true, true, true},     {"7", true, true, true, true},
        {"@", true, true, true, true},     {"_", true, true, true, true},
        {"ж", true, true, false, false},   {"Ё", true, true, false, false},
        {" ", false, false, false, false}, {"#", false, false, false, false},
        {"$", false, false, false, false}, {"&", false, false, false, false},
        {"~", false, false, false, false}, {"*", false, false, false, false},
        {"é", false, false, false, false}, {"中", false, false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ch);
        EXPECT_EQ(typedCharAccepted(kNickField, c.ch), c.nick);
        EXPECT_EQ(typedCharAccepted(kCityField, c.ch), c.city);
        EXPECT_EQ(typedCharAccepted(kPasswordField, c.ch), c.password);
        EXPECT_EQ(typedCharAccepted(kEMailField, c.ch), c.email);
    }
}

// ---- the account window's buttons ------------------------------------------------

Account filledAccount(AccountState state) {
    Account a;
    a.state = state;
    a.user.Nick = "Player";
    a.user.Pw = "secret1";
    a.user.City = "Krasnodar";
    a.user.EMail = "snow@mail.org";
    return a;
}

TEST(AccountButtonsTable, FollowTheStateTheFieldsAndTheSavedLogin) {
    struct Case {
        const char *what;
        std::function<void(Account &)> change;
        AccountState state;
        bool forMatch;
        AccountButtons expected; // create, loginOrOut, save, remove, playRating, fields
    };
    const Case cases[] = {
        {"logged out, all good",
         {},
         AccountState::LoggedOut,
         false,
         {true, true, false, false, false, true}},
        {"Cyrillic city",
         [](Account &a) { a.user.City = "Краснодар"; },
         AccountState::LoggedOut,
         false,
         {true, true, false, false, false, true}},
        {"Cyrillic nick",
         [](Account &a) { a.user.Nick = "Игрок"; },
         AccountState::LoggedOut,
         false,
         {false, false, false, false, false, true}},
        {"short password",
         [](Account &a) { a.user.Pw = "abc"; },
         AccountState::LoggedOut,
         false,
         {false, false, false, false, false, true}},
        {"e-mail without @",
         [](Account &a) { a.user.EMail = "snow"; },
         AccountState::LoggedOut,
         false,
         {false, true, false, false, false, true}},
        {"no city",
         [](Account &a) { a.user.City.clear(); },
         AccountState::LoggedOut,
         false,
         {false, true, false, false, false, true}},
        {"logged out with a saved login",
         [](Account &a) { a.savedLogin = true; },
         AccountState::LoggedOut,
         false,
         {true, true, false, true, false, true}},
        {"logged in", {}, AccountState::LoggedIn, false, {false, true, true, false, false, false}},
        {"logged in for a match",
         {},
         AccountState::LoggedIn,
         true,
         {false, true, true, false, true, false}},
        {"logged in, saved",
         [](Account &a) { a.savedLogin = true; },
         AccountState::LoggedIn,
         false,
         {false, true, false, true, false, false}},
        {"playing for the rating",
         {},
         AccountState::PlayingForRating,
         true,
         {false, true, true, false, true, false}},
        {"account match running",
         [](Account &a) {
             a.accountMatch = true;
             a.savedLogin = true;
         },
         AccountState::PlayingForRating,
         true,
         {false, false, false, false, false, false}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Account a = filledAccount(c.state);
        if (c.change)
            c.change(a);
        const AccountButtons b = accountButtons(a, c.forMatch);
        EXPECT_EQ(b.create, c.expected.create);
        EXPECT_EQ(b.loginOrOut, c.expected.loginOrOut);
        EXPECT_EQ(b.save, c.expected.save);
        EXPECT_EQ(b.remove, c.expected.remove);
        EXPECT_EQ(b.playRating, c.expected.playRating);
        EXPECT_EQ(b.fields, c.expected.fields);
    }
}

TEST(RatingBox, MovesOnlyBetweenLoggedInAndPlaying) {
    Account a;
    SetPlayingForRating(a, true);
    EXPECT_EQ(a.state, AccountState::LoggedOut);
    a.state = AccountState::LoggedIn;
    SetPlayingForRating(a, true);
    EXPECT_EQ(a.state, AccountState::PlayingForRating);
    SetPlayingForRating(a, false);
    EXPECT_EQ(a.state, AccountState::LoggedIn);
    a.state = AccountState::PlayingForRating;
    LogOut(a);
    EXPECT_EQ(a.state, AccountState::LoggedOut);
}

// ---- transfers -----------------------------------------------------------------

TEST(TransferForm, EnablingAndRefusalsBeforeAnyRequest) {
    const struct {
        const char *what;
        AccountState state;
        int balance;
        int amount;
        const char *to;
        bool enabled;
        TransferCheck check;
    } cases[] = {
        {"ready", AccountState::LoggedIn, 10, 5, "Bob", true, TransferCheck::Ready},
        {"whole balance", AccountState::LoggedIn, 10, 10, "Bob", true, TransferCheck::Ready},
        {"above the balance", AccountState::LoggedIn, 10, 11, "Bob", true,
         TransferCheck::NotEnoughWems},
        {"zero", AccountState::LoggedIn, 10, 0, "Bob", false, TransferCheck::EmptyTransfer},
        {"to oneself", AccountState::LoggedIn, 10, 5, "Player", false, TransferCheck::Ready},
        {"no recipient", AccountState::LoggedIn, 10, 5, "", false, TransferCheck::Ready},
        {"empty balance", AccountState::LoggedIn, 0, 1, "Bob", false, TransferCheck::NotEnoughWems},
        {"logged out", AccountState::LoggedOut, 10, 5, "Bob", false, TransferCheck::Ready},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        Account a = filledAccount(c.state);
        a.user.R04 = c.balance;
        a.transferAmount = c.amount;
        a.transferNick = c.to;
        EXPECT_EQ(transferEnabled(a), c.enabled);
        EXPECT_EQ(checkTransfer(a), c.check);
    }
}

// The account window's reads against a server that drops the connection:
// the first read fails and no other is tried; the flags of an earlier
// opening no longer claim a read, and a logged-out account still gets the
// entry defaults.
TEST(AccountWindowReads, StopAtTheFirstFailure) {
    for (const AccountState state : {AccountState::LoggedOut, AccountState::LoggedIn}) {
        webtest::ScriptedHttpServer server;
        webtest::ScriptedReply dropped;
        dropped.kind = webtest::ScriptedReply::Kind::Close;
        for (int i = 0; i < 8; ++i)
            server.push(dropped);
        WebServices web{Addresses::forServer(server.base())};
        Account account;
        account.state = state;
        account.user.Nick = "Ann";
        account.user.City = "Oslo";
        account.resultsRead = account.countRead = account.topTenRead = true;
        EXPECT_FALSE(ReadAccountWindowData(web, account));
        EXPECT_EQ(server.requests().size(), 1u) << "state " << int(state);
        EXPECT_FALSE(account.topTenRead);
        EXPECT_FALSE(account.resultsRead);
        EXPECT_FALSE(account.countRead);
        EXPECT_EQ(account.user.City, state == AccountState::LoggedOut ? "" : "Oslo");
    }
}

} // namespace
