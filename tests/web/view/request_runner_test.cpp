// The request runner: results come back on the window's thread, a closed
// owner's late result is dropped, cancelling stops a transfer to a server that
// never answers, and a sequence stops at its first failure.
#include "tests/server/HungServer.h"
#include "web/Cancel.h"
#include "web/HttpClient.h"
#include "web/view/RequestRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>

namespace {

using quarn::RequestRunner;

// Processes events until `done` holds or `ms` have passed.
template <class Done> bool waitFor(Done done, int ms = 20000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

TEST(RequestRunner, ResultArrivesOnTheOwnersThread) {
    RequestRunner runner;
    QObject owner;
    std::optional<int> got;
    Qt::HANDLE jobThread = nullptr;
    Qt::HANDLE doneThread = nullptr;
    runner.run<int>(
        &owner,
        [&] {
            jobThread = QThread::currentThreadId();
            return 42;
        },
        [&](int value) {
            doneThread = QThread::currentThreadId();
            got = value;
        });
    EXPECT_TRUE(runner.busy(&owner));
    ASSERT_TRUE(waitFor([&] { return got.has_value(); }));
    EXPECT_EQ(*got, 42);
    EXPECT_NE(jobThread, QThread::currentThreadId());
    EXPECT_EQ(doneThread, QThread::currentThreadId());
    EXPECT_FALSE(runner.busy(&owner));
}

// An owner destroyed while its request to a silent server runs: the transfer
// stops at once and the reply never reaches the dead owner.
TEST(RequestRunner, DestroyedOwnerCancelsAndDropsTheReply) {
    servertest::HungServer server;
    RequestRunner runner;
    auto owner = std::make_unique<QObject>();
    std::atomic<bool> started{false};
    std::atomic<bool> returned{false};
    bool delivered = false;
    runner.run<bool>(
        owner.get(),
        [&] {
            web::HttpOptions options;
            options.requestTimeoutMs = 60000;
            options.stallSeconds = 60;
            web::HttpClient client(options);
            started = true;
            const bool ok = client.post(server.url(), "a=1", "").ok;
            returned = true;
            return ok;
        },
        [&](bool) { delivered = true; });
    ASSERT_TRUE(waitFor([&] { return started.load(); }));
    QThread::msleep(200);
    owner.reset();
    EXPECT_TRUE(waitFor([&] { return returned.load(); }, 8000)) << "the transfer was not cancelled";
    waitFor([] { return false; }, 100);
    EXPECT_FALSE(delivered);
}

// Cancelling one owner leaves another owner's jobs alone; jobs run one at a
// time in the order they were started.
TEST(RequestRunner, CancelAllTouchesOnlyItsOwner) {
    RequestRunner runner;
    QObject closed;
    QObject open;
    std::vector<int> order;
    runner.run<int>(
        &closed,
        [] {
            while (!web::transferCancelled())
                QThread::msleep(5);
            return 1;
        },
        [&](int v) { order.push_back(v); });
    runner.run<int>(
        &open, [] { return 2; }, [&](int v) { order.push_back(v); });
    runner.cancelAll(&closed);
    ASSERT_TRUE(waitFor([&] { return !runner.busy(&open) && !runner.busy(&closed); }));
    EXPECT_EQ(order, std::vector<int>{2});
}

TEST(RequestRunner, StepsStopAtTheFirstFailure) {
    struct Case {
        std::vector<bool> results;
        bool allOk;
        int stepsRun;
    };
    const Case cases[] = {
        {{true, true, true}, true, 3},
        {{true, false, true}, false, 2},
        {{false, true}, false, 1},
        {{}, true, 0},
    };
    for (const Case &c : cases) {
        RequestRunner runner;
        QObject owner;
        std::atomic<int> run{0};
        std::vector<RequestRunner::Step> steps;
        for (bool result : c.results)
            steps.push_back([&run, result] {
                ++run;
                return result;
            });
        std::optional<bool> allOk;
        runner.runSteps(&owner, steps, [&](bool ok) { allOk = ok; });
        ASSERT_TRUE(waitFor([&] { return allOk.has_value(); }));
        EXPECT_EQ(*allOk, c.allOk);
        EXPECT_EQ(run.load(), c.stepsRun);
    }
}

} // namespace
