// Login sessions and the failure counts of password checks: kept in memory
// for one server, or in the database that several servers share.
#include "ServerHarness.h"

#include "server/Database.h"
#include "server/PasswordGuard.h"
#include "server/Sessions.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

using server::LoginThrottle;
using server::PasswordQueue;
using server::Sessions;
using namespace servertest;

namespace {

TEST(Sessions, TheSessionIdIsFoundAmongOtherCookies) {
    const struct {
        QByteArray header;
        QByteArray id;
    } cases[] = {
        {"wemsid=abc123", "abc123"},     {"theme=dark; wemsid=abc123; lang=ru", "abc123"},
        {"  wemsid=abc123  ", "abc123"}, {"xwemsid=abc123", ""},
        {"wemsidx=abc123", ""},          {"", ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(Sessions::idFromCookieHeader(c.header), c.id) << c.header.constData();
}

// Where the state lives: memory, or a database (SQLite file, PostgreSQL cluster).
enum class Store { Memory, Sqlite, Postgres };

class SharedState : public testing::TestWithParam<Store> {
  protected:
    void SetUp() override {
        ensureApplication();
        if (GetParam() == Store::Memory)
            return;
        QString url = QStringLiteral("sqlite:") + folder.filePath(QStringLiteral("s.sqlite"));
        if (GetParam() == Store::Postgres) {
            PostgresCluster &cluster = PostgresCluster::instance();
            if (!cluster.available())
                GTEST_SKIP() << cluster.whyNot().toStdString();
            url = cluster.newDatabaseUrl();
        }
        QString error;
        ASSERT_TRUE(db.open(url, folder.path(), &error)) << error.toStdString();
        shared = &db;
    }
    server::Clock clock() {
        return [this] { return now; };
    }

    QTemporaryDir folder;
    server::Database db;
    server::Database *shared = nullptr;
    qint64 now = 1'000'000;
};

TEST_P(SharedState, SessionIdsAreRandomAndNameTheirNick) {
    Sessions sessions(shared, clock());
    const QByteArray ann = sessions.open(QStringLiteral("Ann"));
    const QByteArray bob = sessions.open(QStringLiteral("Bob"));
    EXPECT_NE(ann, bob);
    EXPECT_EQ(ann.size(), 32);
    EXPECT_EQ(sessions.nickOf(ann), QStringLiteral("Ann"));
    EXPECT_EQ(sessions.nickOf(bob), QStringLiteral("Bob"));
    EXPECT_TRUE(sessions.nickOf("0123456789abcdef0123456789abcdef").isEmpty());
    EXPECT_TRUE(sessions.nickOf("").isEmpty());
    EXPECT_TRUE(sessions.nickOf("' OR 1=1 --").isEmpty());
    EXPECT_TRUE(Sessions::setCookieValue(ann).startsWith("wemsid=" + ann + ";"));
}

TEST_P(SharedState, ASessionKnowsOnlyThePasswordItWasOpenedWith) {
    Sessions sessions(shared, clock());
    const QByteArray ann = sessions.open(QStringLiteral("Ann"), "secret1");
    const QByteArray bare = sessions.open(QStringLiteral("Bob"));
    EXPECT_TRUE(sessions.openedWith(ann, "secret1"));
    EXPECT_FALSE(sessions.openedWith(ann, "secret2"));
    EXPECT_FALSE(sessions.openedWith(ann, ""));
    EXPECT_FALSE(sessions.openedWith(bare, ""));
    EXPECT_FALSE(sessions.openedWith("0123456789abcdef0123456789abcdef", "secret1"));
    // Another server on the same sessions has no digest: it checks the password itself.
    Sessions other(shared, clock());
    EXPECT_FALSE(other.openedWith(ann, "secret1"));
    // An expired session proves nothing any more.
    now += Sessions::kIdleSeconds + 1;
    EXPECT_TRUE(sessions.nickOf(ann).isEmpty());
    EXPECT_FALSE(sessions.openedWith(ann, "secret1"));
}

TEST_P(SharedState, AnIdleSessionExpiresAndAUsedOneLivesOn) {
    Sessions sessions(shared, clock());
    const QByteArray used = sessions.open(QStringLiteral("Ann"));
    const QByteArray idle = sessions.open(QStringLiteral("Bob"));
    // Use keeps a session alive well past the idle time counted from its opening.
    for (int hour = 1; hour <= 30; ++hour) {
        now += 3600;
        ASSERT_EQ(sessions.nickOf(used), QStringLiteral("Ann")) << hour;
    }
    EXPECT_TRUE(sessions.nickOf(idle).isEmpty());
    // Exactly the idle time is still alive; a second more is not.
    now += Sessions::kIdleSeconds;
    EXPECT_EQ(sessions.nickOf(used), QStringLiteral("Ann"));
    now += Sessions::kIdleSeconds + 1;
    EXPECT_TRUE(sessions.nickOf(used).isEmpty());
}

TEST_P(SharedState, AFullStoreDropsIdleSessionsFirstThenTheLeastRecentlyUsed) {
    Sessions sessions(shared, clock(), 3);
    const QByteArray a = sessions.open(QStringLiteral("A"));
    now += 10;
    const QByteArray b = sessions.open(QStringLiteral("B"));
    now += 10;
    const QByteArray c = sessions.open(QStringLiteral("C"));
    now += 100;
    ASSERT_EQ(sessions.nickOf(a), QStringLiteral("A")); // A used last now, B longest ago
    const QByteArray d = sessions.open(QStringLiteral("D"));
    EXPECT_TRUE(sessions.nickOf(b).isEmpty());
    for (const auto &[id, nick] : {std::pair{a, "A"}, std::pair{c, "C"}, std::pair{d, "D"}})
        EXPECT_EQ(sessions.nickOf(id), QString::fromLatin1(nick));
    // Once C and D have gone idle, a new session replaces them and A stays.
    now += 200;
    ASSERT_EQ(sessions.nickOf(a), QStringLiteral("A"));
    now += Sessions::kIdleSeconds - 100;
    const QByteArray e = sessions.open(QStringLiteral("E"));
    EXPECT_EQ(sessions.nickOf(a), QStringLiteral("A"));
    EXPECT_EQ(sessions.nickOf(e), QStringLiteral("E"));
    EXPECT_TRUE(sessions.nickOf(c).isEmpty());
    EXPECT_TRUE(sessions.nickOf(d).isEmpty());
}

TEST_P(SharedState, FailedPasswordChecksDelayTheNickAndTheAddress) {
    LoginThrottle throttle(shared, clock());
    const QHostAddress home(QStringLiteral("10.0.0.1")), other(QStringLiteral("10.0.0.2"));
    const QString ann = QStringLiteral("Ann"), bob = QStringLiteral("Bob");
    for (int i = 0; i < LoginThrottle::kFreeNickFailures; ++i) {
        ASSERT_EQ(throttle.waitSeconds(ann, home), 0) << i;
        throttle.recordFailure(ann, home);
    }
    EXPECT_EQ(throttle.waitSeconds(ann, home), 0);
    throttle.recordFailure(ann, home);
    EXPECT_EQ(throttle.waitSeconds(ann, home), 1);
    EXPECT_EQ(throttle.waitSeconds(ann, other), 1); // the nick is delayed from everywhere
    EXPECT_EQ(throttle.waitSeconds(bob, home), 0);  // the address is still within its allowance
    throttle.recordFailure(ann, other);
    throttle.recordFailure(ann, other);
    EXPECT_EQ(throttle.waitSeconds(ann, home), 4);
    now += 3;
    EXPECT_EQ(throttle.waitSeconds(ann, home), 1);
    now += 1;
    EXPECT_EQ(throttle.waitSeconds(ann, home), 0);
    // The right password starts the nick's count again.
    throttle.recordSuccess(ann);
    EXPECT_EQ(throttle.waitSeconds(ann, home), 0);
    throttle.recordFailure(ann, home);
    EXPECT_EQ(throttle.waitSeconds(ann, home), 0);

    // An address guessing at many nicks is delayed for every nick, but not
    // reset by a success of one of them.
    const QHostAddress guesser(QStringLiteral("192.0.2.7"));
    for (int i = 0; i < LoginThrottle::kFreeAddressFailures + 3; ++i)
        throttle.recordFailure(QStringLiteral("Guess%1").arg(i), guesser);
    EXPECT_EQ(throttle.waitSeconds(bob, guesser), 4);
    throttle.recordSuccess(bob);
    EXPECT_EQ(throttle.waitSeconds(bob, guesser), 4);
    // Failures are forgotten after a quiet hour.
    now += LoginThrottle::kForgetSeconds + 1;
    EXPECT_EQ(throttle.waitSeconds(bob, guesser), 0);
    throttle.recordFailure(QStringLiteral("Guess0"), guesser);
    EXPECT_EQ(throttle.waitSeconds(bob, guesser), 0);
}

std::string storeName(const testing::TestParamInfo<Store> &info) {
    static const char *const kNames[] = {"Memory", "SQLite", "PostgreSQL"};
    return kNames[int(info.param)];
}

INSTANTIATE_TEST_SUITE_P(Store, SharedState,
                         testing::Values(Store::Memory, Store::Sqlite, Store::Postgres), storeName);

TEST(LoginThrottle, TheDelayDoublesUpToItsCeiling) {
    const struct {
        qint64 failures;
        qint64 seconds;
    } cases[] = {{0, 0}, {5, 0}, {6, 1}, {7, 2}, {10, 16}, {15, 512}, {16, 900}, {1000, 900}};
    for (const auto &c : cases)
        EXPECT_EQ(LoginThrottle::delayAfter(c.failures, 5), c.seconds) << c.failures;
}

TEST(PasswordQueue, AdmitsWithinTheBoundsAndSaysWhyNot) {
    PasswordQueue queue(3, 2);
    const QHostAddress a(QStringLiteral("10.0.0.1")), b(QStringLiteral("10.0.0.2")),
        c(QStringLiteral("10.0.0.3"));
    EXPECT_FALSE(queue.admit(a));
    EXPECT_FALSE(queue.admit(a));
    const auto third = queue.admit(a);
    ASSERT_TRUE(third);
    EXPECT_TRUE(third->contains(QStringLiteral("one address")));
    EXPECT_FALSE(queue.admit(b));
    const auto full = queue.admit(c);
    ASSERT_TRUE(full);
    EXPECT_TRUE(full->contains(QStringLiteral("waiting")));
    queue.release(a);
    EXPECT_FALSE(queue.admit(c));
    EXPECT_EQ(queue.waiting(), 3);
    for (const QHostAddress &caller : {a, b, c})
        queue.release(caller);
    EXPECT_EQ(queue.waiting(), 0);
    EXPECT_FALSE(queue.admit(a));
    EXPECT_FALSE(queue.admit(a));
}

TEST(PasswordQueue, ABurstFromOneAddressWaitsInLineForItsTurn) {
    PasswordQueue queue(4, 2);
    const QHostAddress a(QStringLiteral("10.0.0.1")), b(QStringLiteral("10.0.0.2"));
    ASSERT_FALSE(queue.admit(a));
    ASSERT_FALSE(queue.admit(a));
    std::vector<int> started;
    ASSERT_TRUE(queue.admit(a));
    const auto third = queue.waitInLine(a, [&] { started.push_back(3); });
    const auto fourth = queue.waitInLine(a, [&] { started.push_back(4); });
    ASSERT_TRUE(third && fourth);
    EXPECT_EQ(queue.inLine(), 2);
    // Each place a's checks free goes to the next in a's line, in order.
    queue.release(a);
    EXPECT_EQ(started, std::vector<int>({3}));
    EXPECT_EQ(queue.waiting(), 2);
    // One that waited too long leaves the line; it cannot leave twice.
    EXPECT_TRUE(queue.withdraw(*fourth));
    EXPECT_FALSE(queue.withdraw(*fourth));
    EXPECT_FALSE(queue.withdraw(*third)); // it has started
    queue.release(a);
    EXPECT_EQ(started, std::vector<int>({3}));
    EXPECT_EQ(queue.inLine(), 0);
    // The line of one address is bounded, and so is the server as a whole.
    for (int i = 0; i < PasswordQueue::kMaxInLine; ++i)
        EXPECT_TRUE(queue.waitInLine(a, [] {})) << i;
    EXPECT_FALSE(queue.waitInLine(a, [] {}));
    ASSERT_FALSE(queue.admit(b));
    ASSERT_FALSE(queue.admit(b));
    ASSERT_FALSE(queue.admit(a));
    EXPECT_FALSE(queue.waitInLine(b, [] {})); // four running: no room at all
}

} // namespace
