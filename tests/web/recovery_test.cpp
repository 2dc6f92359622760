// The two refusals the requests mend without the player: a session the
// server lost (logged in again quietly, the request sent once more) and a
// refusal for load (sent again after the server's Retry-After, a few times,
// cancellable), against a scripted server.
#include "ScriptedServers.h"

#include "web/Cancel.h"
#include "web/ReplyScan.h"
#include "web/WebServices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

namespace {

using namespace web;
using webtest::ScriptedHttpServer;
using webtest::ScriptedReply;

constexpr const char *kLoginAccepted = "$Omsk 3-034 USA W a@b.ru 01.02.2024 a b c 250 1 2$";
constexpr const char *kNoSession = "$no$ log in first";

ScriptedReply busy(int retryAfterSeconds) {
    ScriptedReply reply;
    reply.status = 503;
    reply.body = "$no$ error: too many password checks from one address at once";
    reply.headers = {"Retry-After: " + std::to_string(retryAfterSeconds)};
    return reply;
}

int countWith(const std::vector<webtest::RecordedRequest> &requests, const std::string &field) {
    int n = 0;
    for (const auto &request : requests)
        n += request.body.find(field) != std::string::npos;
    return n;
}

TEST(SessionRefusal, IsTheNoteOfAMissingSessionOnly) {
    EXPECT_TRUE(refusedForWantOfSession("$no$ log in first"));
    EXPECT_FALSE(refusedForWantOfSession("$no$ only the own account can be charged"));
    EXPECT_FALSE(refusedForWantOfSession("$ok$"));
    EXPECT_FALSE(refusedForWantOfSession("$Reno log in first$")); // the account's own text
    EXPECT_FALSE(refusedForWantOfSession(""));
}

// A request of the logged-in account refused for want of a session: the
// login held is sent again, then the request; a second refusal stands.
TEST(SessionLost, TheRequestLogsInAgainQuietlyAndIsSentOnce) {
    struct Case {
        const char *what;
        std::vector<std::string> replies; // after the first login
        bool holdsLogin;                  // the client logged in before
        bool ok;
        int logins;   // login requests after the first
        int requests; // AddBalance requests
    } cases[] = {
        {"renewed", {kNoSession, kLoginAccepted, "$ok$"}, true, true, 1, 2},
        {"refused again", {kNoSession, kLoginAccepted, kNoSession}, true, false, 1, 2},
        {"login refused", {kNoSession, "$no$ error: wrong password"}, true, false, 1, 1},
        {"nothing held", {kNoSession}, false, false, 0, 1},
        {"other refusal", {"$no$ only the own account can be charged"}, true, false, 0, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedHttpServer server;
        WebServices web{Addresses::forServer(server.base())};
        if (c.holdsLogin) {
            server.answer(kLoginAccepted);
            ASSERT_TRUE(web.LoginAccount("Player", "secret1").ok);
        }
        for (const std::string &reply : c.replies)
            server.answer(reply);
        const size_t before = server.requests().size();
        EXPECT_EQ(web.AddBalance("Player", 5), c.ok);
        const auto all = server.requests();
        const std::vector<webtest::RecordedRequest> after(all.begin() + long(before), all.end());
        EXPECT_EQ(countWith(after, "label0="), c.logins);
        EXPECT_EQ(countWith(after, "labelwemsave="), c.requests);
        if (c.logins)
            EXPECT_NE(after[1].body.find("pw=secret1"), std::string::npos);
    }
}

// Another nick's request never logs in as the held one, and a refused login
// for the held nick forgets the password it held.
TEST(SessionLost, OnlyTheHeldNicksRequestsLogInAgain) {
    ScriptedHttpServer server;
    WebServices web{Addresses::forServer(server.base())};
    server.answer(kLoginAccepted);
    ASSERT_TRUE(web.LoginAccount("Player", "secret1").ok);
    server.answer(kNoSession);
    EXPECT_FALSE(web.AddBalance("Other", 5));
    EXPECT_EQ(countWith(server.requests(), "label0="), 1);

    server.answer("$no$ error: wrong password");
    EXPECT_FALSE(web.LoginAccount("Player", "changed").ok);
    server.answer(kNoSession);
    TInfo14 info;
    EXPECT_FALSE(web.SaveProfile("Player", info));
    EXPECT_EQ(countWith(server.requests(), "label0="), 2) << "no quiet login after the refusal";
}

// A refusal for load is sent again after the server's wait, a bounded number
// of times; a wait beyond the longest allowed is not waited for.
TEST(LoadRefusal, IsSentAgainAfterTheServersWait) {
    struct Case {
        const char *what;
        int refusals;
        int retryAfter;
        bool ok;
        size_t requests;
    } cases[] = {
        {"one refusal", 1, 1, true, 2},
        {"refused every time", kLoadRetries + 1, 1, false, size_t(kLoadRetries) + 1},
        {"too long a wait", 1, int(kLoadRetryLongestSeconds) + 1, false, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedHttpServer server;
        WebServices web{Addresses::forServer(server.base())};
        for (int i = 0; i < c.refusals; ++i)
            server.push(busy(c.retryAfter));
        server.answer(kLoginAccepted);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(web.LoginAccount("Player", "secret1").ok, c.ok);
        EXPECT_EQ(server.requests().size(), c.requests);
        if (c.ok)
            EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::seconds(c.retryAfter))
                << "the server's wait was kept";
    }
}

TEST(LoadRefusal, TheWaitEndsWhenTheTransfersAreCancelled) {
    ScriptedHttpServer server;
    WebServices web{Addresses::forServer(server.base())};
    server.push(busy(10));
    server.answer(kLoginAccepted);
    CancelFlag flag = makeCancelFlag();
    std::thread canceller([flag] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        flag->store(true);
    });
    bool ok = true;
    {
        CancelScope scope(flag);
        ok = web.LoginAccount("Player", "secret1").ok;
    }
    canceller.join();
    EXPECT_FALSE(ok);
    EXPECT_EQ(server.requests().size(), 1u) << "nothing sent after the cancel";
}

} // namespace
