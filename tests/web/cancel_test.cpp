// Cancelling a transfer from another thread, and the time limits of a server
// that takes the connection and never answers.
#include "ScriptedServers.h"
#include "web/Cancel.h"
#include "web/HttpClient.h"
#include "web/WebServices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <future>
#include <thread>

namespace {

using namespace web;
using namespace webtest;
using Clock = std::chrono::steady_clock;

// Seconds a call took.
double secondsOf(const std::function<void()> &call) {
    const auto start = Clock::now();
    call();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

ScriptedReply stall() {
    ScriptedReply reply;
    reply.kind = ScriptedReply::Kind::Stall;
    return reply;
}

std::string scratchFile() {
    return (std::filesystem::temp_directory_path() /
            ("quarn-cancel-" + std::to_string(::getpid()) + ".bin"))
        .string();
}

struct CancelCase {
    const char *name;
    std::function<bool(HttpClient &, const std::string &url)> transfer; // true when it succeeded
};

const CancelCase kTransfers[] = {
    {"post", [](HttpClient &c, const std::string &url) { return c.post(url, "a=1", "").ok; }},
    {"get", [](HttpClient &c, const std::string &url) { return c.get(url).ok; }},
    {"getToFile",
     [](HttpClient &c, const std::string &url) { return c.getToFile(url, scratchFile()); }},
};

// Options whose stall guard cannot end a transfer to a silent server first:
// only the whole-request limit (or a cancel) can.
HttpOptions silentServerOptions(long requestTimeoutMs) {
    HttpOptions options;
    options.stallSeconds = 60;
    options.requestTimeoutMs = requestTimeoutMs;
    return options;
}

// A server that never answers: each kind of transfer returns soon after
// another thread cancels it, well before any of its time limits.
TEST(Cancel, RunningTransferReturnsWhenCancelled) {
    for (const CancelCase &c : kTransfers) {
        SCOPED_TRACE(c.name);
        ScriptedHttpServer server;
        server.push(stall());
        HttpClient client(silentServerOptions(60000));
        const CancelFlag flag = makeCancelFlag();
        auto running = std::async(std::launch::async, [&] {
            CancelScope scope(flag);
            bool ok = true;
            const double seconds =
                secondsOf([&] { ok = c.transfer(client, server.base() + "/x"); });
            return std::make_pair(ok, seconds);
        });
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        flag->store(true);
        ASSERT_EQ(running.wait_for(std::chrono::seconds(20)), std::future_status::ready);
        const auto [ok, seconds] = running.get();
        EXPECT_FALSE(ok);
        EXPECT_LT(seconds, 10.0) << "the transfer waited for a time limit";
    }
    std::filesystem::remove(scratchFile());
}

// A job cancelled before its next step sends nothing more; a thread without
// a scope is not affected by another thread's flag.
TEST(Cancel, CancelledScopeSendsNoRequestAndStaysOnItsThread) {
    ScriptedHttpServer server;
    WebServices web{Addresses::forServer(server.base())};
    const CancelFlag flag = makeCancelFlag();
    flag->store(true);
    std::thread([&] {
        CancelScope scope(flag);
        EXPECT_TRUE(transferCancelled());
        EXPECT_FALSE(web.ReadMemberCount().ok);
        EXPECT_FALSE(web.FetchNews().ok);
    }).join();
    EXPECT_TRUE(server.requests().empty());
    EXPECT_FALSE(transferCancelled());
    server.answer("$7$");
    EXPECT_EQ(web.ReadMemberCount().value, 7);
}

// Scopes nest: the inner one's flag holds while it lives, the outer one's
// after it ends.
TEST(Cancel, ScopesNest) {
    const CancelFlag outer = makeCancelFlag();
    const CancelFlag inner = makeCancelFlag();
    CancelScope a(outer);
    {
        CancelScope b(inner);
        outer->store(true);
        EXPECT_FALSE(transferCancelled());
    }
    EXPECT_TRUE(transferCancelled());
}

// Without a read time-out and with a long stall guard, the whole-request limit
// still ends a post to a server that never answers.
TEST(Cancel, WholeRequestLimitEndsASilentPost) {
    ScriptedHttpServer server;
    server.push(stall());
    HttpClient client(silentServerOptions(500));
    bool ok = true;
    const double seconds =
        secondsOf([&] { ok = client.post(server.base() + "/acc.php", "a=1", "").ok; });
    EXPECT_FALSE(ok);
    EXPECT_LT(seconds, 30.0);
}

// The limits a window's request runs under by default.
TEST(Cancel, DefaultLimitsAreShort) {
    const HttpOptions options;
    EXPECT_LE(options.connectTimeoutMs, 3000);
    EXPECT_LE(options.requestTimeoutMs, 10000);
    EXPECT_GT(options.requestTimeoutMs, 0);
    EXPECT_LE(options.stallSeconds, 15);
}

} // namespace
