// The account match against a scripted account service: the pre-charge and
// its three attempts, the record at the end with its retry question, and
// the account list submission with its bonus. The player's answers, the
// sound and the waits are recorded instead of shown, heard and slept.
#include "ScriptedServers.h"

#include "web/AccountMatch.h"
#include "web/AccountRating.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

namespace {

using namespace web;
using webtest::ScriptedHttpServer;
using webtest::ScriptedReply;

const char *kRefused = "$no$ error: database busy";

ScriptedReply reply(int status, std::string body) {
    ScriptedReply r;
    r.status = status;
    r.body = std::move(body);
    return r;
}

ScriptedReply closed() {
    ScriptedReply r;
    r.kind = ScriptedReply::Kind::Close;
    return r;
}

class AccountMatchTest : public testing::Test {
  protected:
    void SetUp() override {
        account.state = AccountState::LoggedIn;
        account.user.Nick = "Ann";
        account.user.Pw = "pw12";
        account.user.City = "Omsk";
        account.user.Country1 = "Russia";
        account.user.Sex = 'W';
        account.game.Kon = 9;
        account.game.Rating = 2.5;
        account.game.KonL = 9;
        account.game.Score = 14;
        account.game.Best = 40;
        account.game.Sessions = 1;
        account.match = MatchTicket{41, 987654321};
    }

    AccountMatchIo io() {
        AccountMatchIo io;
        io.openAccountWindow = [this] {
            events.push_back("window");
            windowAction(account);
        };
        io.playFailure = [this] { events.push_back("WWrongs"); };
        io.wait = [this](int seconds) { events.push_back("wait " + std::to_string(seconds)); };
        io.showCouldNotConnect = [this] { events.push_back("could not connect"); };
        io.askRepeatRecord = [this] { return answer("repeat record?"); };
        io.askRepeatSubmission = [this] { return answer("repeat submission?"); };
        return io;
    }

    bool answer(const char *question) {
        events.push_back(question);
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty())
            answers.pop_front();
        return yes;
    }

    std::vector<std::string> bodies() const {
        std::vector<std::string> all;
        for (const auto &request : server.requests())
            all.push_back(request.target + " " + request.body);
        return all;
    }

    ScriptedHttpServer server;
    WebServices web{Addresses::forServer(server.base())};
    Account account;
    // The player ticks "Play global rating" unless a test says otherwise.
    std::function<void(Account &)> windowAction = [](Account &a) {
        a.state = AccountState::PlayingForRating;
    };
    std::deque<bool> answers;
    std::vector<std::string> events;
};

bool contains(const std::string &text, const std::string &part) {
    return text.find(part) != std::string::npos;
}

// --- start ---

TEST_F(AccountMatchTest, PreChargeInUpToThreeAttempts) {
    const struct {
        const char *name;
        int failures; // saves refused before one is stored (3: none is)
        bool started;
        std::vector<std::string> events;
    } cases[] = {
        {"first attempt", 0, true, {"window"}},
        {"second attempt", 1, true, {"window", "WWrongs", "wait 2"}},
        {"third attempt", 2, true, {"window", "WWrongs", "wait 2", "WWrongs", "wait 3"}},
        {"never",
         3,
         false,
         {"window", "WWrongs", "wait 2", "WWrongs", "wait 3", "WWrongs", "could not connect"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        events.clear();
        ScriptedHttpServer fresh;
        WebServices freshWeb{Addresses::forServer(fresh.base())};
        fresh.answer("$9 40 2.5 1 9 14 0 #$");
        for (int i = 0; i < c.failures; ++i)
            fresh.answer(kRefused, 503);
        if (c.failures < 3)
            fresh.answer("$ok 57 1234567890123$");

        const AccountMatchStart start = StartAccountMatch(freshWeb, account, io());
        EXPECT_EQ(start.started, c.started);
        EXPECT_TRUE(start.accountChanged);
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(account.accountMatch, c.started);
        EXPECT_EQ(account.state,
                  c.started ? AccountState::PlayingForRating : AccountState::LoggedOut);
        // Only the server holds the pre-charge.
        EXPECT_EQ(account.game.Kon, 9);
        EXPECT_EQ(account.game.KonL, 9);
        EXPECT_EQ(account.game.Score, 14);
        EXPECT_DOUBLE_EQ(account.game.Rating, 2.5);
        // The match the service opened; its hands are dealt from the seed.
        EXPECT_EQ(account.match.id, c.started ? 57 : 0);
        EXPECT_EQ(account.match.seed, c.started ? 1234567890123u : 0u);

        const auto requests = fresh.requests();
        ASSERT_EQ(requests.size(), std::size_t(1 + std::min(c.failures + 1, 3)));
        for (std::size_t i = 1; i < requests.size(); ++i) {
            const std::string &body = requests[i].body;
            EXPECT_TRUE(contains(body, "crdQuarnkon=12&")) << body;
            EXPECT_TRUE(contains(body, "crdQuarnrating=-2.11666666666667&")) << body;
            EXPECT_TRUE(contains(body, "crdQuarnkonl=0&")) << body;
            EXPECT_TRUE(contains(body, "crdQuarnscore=0&")) << body;
            EXPECT_TRUE(contains(body, "crdQuarnbest=40&")) << body;
            EXPECT_TRUE(contains(body, "crdQuarnstrong=0")) << body;
        }
    }
}

TEST_F(AccountMatchTest, UnreadableRecordLogsOutWithoutPreCharge) {
    server.answer(kRefused, 503);
    const AccountMatchStart start = StartAccountMatch(web, account, io());
    EXPECT_FALSE(start.started);
    EXPECT_EQ(events, (std::vector<std::string>{"window", "could not connect"}));
    EXPECT_EQ(account.state, AccountState::LoggedOut);
    EXPECT_FALSE(account.accountMatch);
    EXPECT_FALSE(account.resultsRead);
    EXPECT_EQ(server.requests().size(), 1u);
}

TEST_F(AccountMatchTest, WithoutTheBoxNoMatchAndNoRequest) {
    const struct {
        const char *name;
        std::function<void(Account &)> action;
        bool changed;
    } cases[] = {
        {"box left unticked", [](Account &) {}, false},
        {"signed out", [](Account &a) { a.state = AccountState::LoggedOut; }, true},
        {"other nick", [](Account &a) { a.user.Nick = "Bob"; }, true},
    };
    for (const auto &c : cases) {
        SetUp();
        account.accountMatch = true; // left from an earlier match
        windowAction = c.action;
        const AccountMatchStart start = StartAccountMatch(web, account, io());
        EXPECT_FALSE(start.started) << c.name;
        EXPECT_EQ(start.accountChanged, c.changed) << c.name;
        EXPECT_FALSE(account.accountMatch) << c.name;
    }
    EXPECT_TRUE(server.requests().empty());
}

// --- end ---

struct RecordCase {
    const char *name;
    int localKonL;
    int matchScore;
    int gameTotal;
    int best;
    std::string savedPart; // fields of the save after kon
    bool gameComplete;
};

TEST_F(AccountMatchTest, RecordReplacesThePreCharge) {
    const RecordCase cases[] = {
        {"game goes on", 9, 6, 20, 40,
         "crdQuarnbest=40&crdQuarnrating=2.55&crdQuarnses=1&"
         "crdQuarnkonl=12&crdQuarnscore=20&",
         false},
        {"game completed, new best", 27, 6, 55, 40,
         "crdQuarnbest=55&crdQuarnrating=2.55&crdQuarnses=2&crdQuarnkonl=0&crdQuarnscore=0&", true},
        {"game completed, best kept", 27, 6, 30, 40,
         "crdQuarnbest=40&crdQuarnrating=2.55&crdQuarnses=2&crdQuarnkonl=0&crdQuarnscore=0&", true},
    };
    const double charged = PreChargedRating(2.5, 9);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        ScriptedHttpServer fresh;
        WebServices freshWeb{Addresses::forServer(fresh.base())};
        account.state = AccountState::PlayingForRating;
        account.accountMatch = true;
        account.game.KonL = c.localKonL;
        // The server's record holds the pre-charge.
        char reply[80];
        std::snprintf(reply, sizeof reply, "$12 %d %.15g 1 0 0 0 #$", c.best, charged);
        fresh.answer(reply);
        fresh.answer("$ok$");
        const AccountMatchRecord record =
            RecordAccountMatch(freshWeb, account, c.matchScore, c.gameTotal, io(), "123.0456.78");
        EXPECT_TRUE(record.stored);
        EXPECT_NEAR(record.rating, 2.55, 1e-12);
        EXPECT_EQ(record.gameComplete, c.gameComplete);
        EXPECT_FALSE(account.accountMatch);
        EXPECT_TRUE(events.empty());
        // Read, save, and the read of the service's own record (unanswered
        // here: the local figures stand in).
        const auto requests = fresh.requests();
        ASSERT_EQ(requests.size(), 3u);
        EXPECT_TRUE(contains(requests[1].body, "crdQuarnkon=12&" + c.savedPart))
            << requests[1].body;
        EXPECT_TRUE(contains(requests[1].body, "&crdQuarnmatch=41&crdQuarnmoves=123.0456.78"))
            << requests[1].body;
        EXPECT_EQ(account.game.Kon, 12);
    }
}

TEST_F(AccountMatchTest, RecordAsksUntilStoredOrDeclined) {
    const double charged = PreChargedRating(2.5, 9);
    char held[80];
    std::snprintf(held, sizeof held, "$12 40 %.15g 1 0 0 0 #$", charged);
    const struct {
        const char *name;
        std::vector<ScriptedReply> replies;
        std::deque<bool> answers;
        bool stored;
        int questions;
    } cases[] = {
        {"save refused, yes, stored",
         {reply(200, held), reply(503, kRefused), reply(200, held), reply(200, "$ok$")},
         {true},
         true,
         1},
        {"read refused twice, then stored",
         {reply(503, kRefused), reply(503, kRefused), reply(200, held), reply(200, "$ok$")},
         {true, true},
         true,
         2},
        {"save refused, declined", {reply(200, held), reply(503, kRefused)}, {false}, false, 1},
        {"server gone, declined", {closed()}, {false}, false, 1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        events.clear();
        ScriptedHttpServer fresh;
        WebServices freshWeb{Addresses::forServer(fresh.base())};
        for (const auto &reply : c.replies)
            fresh.push(reply);
        answers = c.answers;
        account.state = AccountState::PlayingForRating;
        account.accountMatch = true;
        const AccountMatchRecord record = RecordAccountMatch(freshWeb, account, 6, 20, io());
        EXPECT_EQ(record.stored, c.stored);
        EXPECT_EQ(int(std::count(events.begin(), events.end(), "repeat record?")), c.questions);
        EXPECT_FALSE(account.accountMatch);
        if (c.stored) {
            EXPECT_NEAR(record.rating, 2.55, 1e-12);
            EXPECT_EQ(account.game.KonL, 12);
        } else {
            // Declined: the pre-charge stays in force on the server, and
            // the current game's hands stay as they were.
            EXPECT_EQ(account.game.KonL, 9);
            EXPECT_FALSE(record.gameComplete);
        }
    }
}

// The account takes the service's record from its replay, not its own
// computation; a save sent again after a lost acknowledgement names the same
// match and moves, which the service records once.
TEST_F(AccountMatchTest, TheServicesReplayedRecordIsTaken) {
    const double charged = PreChargedRating(2.5, 9);
    char held[80];
    std::snprintf(held, sizeof held, "$12 40 %.15g 1 0 0 0 #$", charged);
    server.answer(held);
    server.push(closed());
    server.answer(held);
    server.answer("$ok$");
    server.answer("$12 40 3.250000 1 12 31 0 #$");
    answers = {true};
    account.state = AccountState::PlayingForRating;
    const AccountMatchRecord record = RecordAccountMatch(web, account, 6, 20, io(), "1.2.3");
    EXPECT_TRUE(record.stored);
    EXPECT_DOUBLE_EQ(record.rating, 3.25);
    EXPECT_EQ(account.game.KonL, 12);
    EXPECT_EQ(account.game.Score, 31);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 5u);
    for (const std::size_t save : {1u, 3u})
        EXPECT_TRUE(contains(requests[save].body, "&crdQuarnmatch=41&crdQuarnmoves=1.2.3"))
            << requests[save].body;
}

TEST_F(AccountMatchTest, RecordOnlyWhilePlayingForTheRating) {
    account.accountMatch = true;
    const AccountMatchRecord record = RecordAccountMatch(web, account, 6, 20, io());
    EXPECT_FALSE(record.stored);
    EXPECT_FALSE(account.accountMatch);
    EXPECT_TRUE(server.requests().empty());
}

// --- the account list ---

TEST_F(AccountMatchTest, SubmissionEarnsTheBonusOfItsPlace) {
    const struct {
        int place;
        bool addStored;
        int bonus;
        std::vector<std::string> paths; // after the world result
    } cases[] = {
        {1, true, 25, {"/acc.php", "/acc.php"}},  {2, true, 10, {"/acc.php", "/acc.php"}},
        {10, true, 10, {"/acc.php", "/acc.php"}}, {11, true, 0, {"/acc.php"}},
        {3, false, kBonusFailed, {"/acc.php"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.place);
        ScriptedHttpServer fresh;
        WebServices freshWeb{Addresses::forServer(fresh.base())};
        account.user.R04 = 7;
        fresh.answer("$" + std::to_string(c.place) + "$");
        if (PlaceBonus(c.place) > 0)
            fresh.answer(c.addStored ? "$ok$" : "$no$ error", c.addStored ? 200 : 400);
        if (c.bonus != kBonusFailed)
            fresh.answer("$" + std::to_string(7 + c.bonus) + "$");
        const AccountGameSubmission sent = SubmitAccountGame(freshWeb, account, 55, io());
        EXPECT_TRUE(sent.submitted);
        EXPECT_EQ(sent.place, c.place);
        EXPECT_EQ(sent.score, 55);
        EXPECT_EQ(sent.bonus, c.bonus);
        EXPECT_EQ(account.user.R04, c.bonus == kBonusFailed ? 7 : 7 + c.bonus);
        const auto requests = fresh.requests();
        ASSERT_EQ(requests.size(), 1 + c.paths.size());
        EXPECT_EQ(requests[0].target, "/world.php");
        EXPECT_TRUE(contains(requests[0].body, "gid=346&nick=Ann&city=Omsk&country=Russia&"
                                               "score=55&R7=W&R8=5.7f&R9=#&rqid=m41&match=41&"
                                               "R10=#*"))
            << requests[0].body;
        for (std::size_t i = 0; i < c.paths.size(); ++i)
            EXPECT_EQ(requests[i + 1].target, c.paths[i]);
        if (PlaceBonus(c.place) > 0) {
            EXPECT_TRUE(contains(requests[1].body, "nick=Ann&labelwemsave=0&R04=" +
                                                       std::to_string(PlaceBonus(c.place))))
                << requests[1].body;
        }
    }
    EXPECT_TRUE(events.empty());
}

TEST_F(AccountMatchTest, SubmissionRepeatsWhileThePlayerSaysYes) {
    server.answer(kRefused, 503);
    server.answer(kRefused, 503);
    server.answer("$12$");
    server.answer("$7$");
    answers = {true, true};
    AccountGameSubmission sent = SubmitAccountGame(web, account, -3, io());
    EXPECT_TRUE(sent.submitted);
    EXPECT_EQ(sent.place, 12);
    EXPECT_EQ(sent.bonus, 0);
    EXPECT_EQ(events, (std::vector<std::string>{"repeat submission?", "repeat submission?"}));

    events.clear();
    server.answer(kRefused, 503);
    answers = {false};
    const std::size_t before = server.requests().size();
    sent = SubmitAccountGame(web, account, -3, io());
    EXPECT_FALSE(sent.submitted);
    EXPECT_EQ(events, (std::vector<std::string>{"repeat submission?"}));
    EXPECT_EQ(server.requests().size(), before + 1); // no bonus, no balance
}

} // namespace
