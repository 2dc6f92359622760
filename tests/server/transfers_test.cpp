// Wems move between accounts only whole: a transfer can neither create nor
// lose Wems, also when many are made at once.
#include "ServiceFixture.h"

#include <random>
#include <thread>

using namespace servertest;

namespace {

class Transfers : public ServiceTest {
  protected:
    void fund(const char *nick, int amount) {
        db().exec(QStringLiteral("UPDATE accounts SET balance = %1 WHERE nick = '%2'")
                      .arg(amount)
                      .arg(QLatin1String(nick)));
    }
    qint64 balance(const char *nick) {
        return db().number(QStringLiteral("SELECT balance FROM accounts WHERE nick = '%1'")
                               .arg(QLatin1String(nick)));
    }
};
INSTANTIATE_ON_BOTH_BACKENDS(Transfers);

TEST_P(Transfers, TheProgramsTwoStepsMoveTheAmountOnce) {
    ASSERT_EQ(acc(registerBody("Bob")).body, "$ok$");
    registerAndLogin("Ann");
    fund("Ann", 100);
    EXPECT_EQ(acc("nick=Ann&labelwemread=0").body, "$100$");
    // The program credits the recipient, then debits its own account.
    EXPECT_EQ(acc("nick=Bob&labelwemsave=0&R04=30").body, "$ok$");
    EXPECT_EQ(balance("Ann"), 70);
    EXPECT_EQ(balance("Bob"), 30);
    EXPECT_EQ(acc("nick=Ann&labelwemsave=0&R04=-30").body, "$ok$");
    EXPECT_EQ(balance("Ann"), 70);
    // A second debit has no transfer behind it.
    EXPECT_EQ(acc("nick=Ann&labelwemsave=0&R04=-30").body.find("ok"), std::string::npos);
    EXPECT_EQ(balance("Ann"), 70);
}

TEST_P(Transfers, RequestsThatWouldCreateOrLoseWemsAreRefused) {
    ASSERT_EQ(acc(registerBody("Bob")).body, "$ok$");
    HttpClient stranger(server->baseUrl()); // never logged in
    registerAndLogin("Ann");
    fund("Ann", 50);
    fund("Bob", 50);
    struct Case {
        const char *why;
        HttpClient *who;
        std::string body;
    };
    const Case cases[] = {
        {"more than the balance", client.get(), "nick=Bob&labelwemsave=0&R04=51"},
        {"to nobody", client.get(), "nick=Nobody&labelwemsave=0&R04=5"},
        {"taking from another account", client.get(), "nick=Bob&labelwemsave=0&R04=-5"},
        {"adding to the own account", client.get(), "nick=Ann&labelwemsave=0&R04=25"},
        {"without a login", &stranger, "nick=Bob&labelwemsave=0&R04=5"},
        {"zero", client.get(), "nick=Bob&labelwemsave=0&R04=0"},
        {"not a number", client.get(), "nick=Bob&labelwemsave=0&R04=5x"},
        {"far too much", client.get(), "nick=Bob&labelwemsave=0&R04=99999999999"},
    };
    for (const Case &c : cases) {
        const HttpResult reply = c.who->post("/acc.php", c.body);
        EXPECT_EQ(reply.body.find("ok"), std::string::npos) << c.why << ": " << reply.body;
    }
    EXPECT_EQ(balance("Ann"), 50);
    EXPECT_EQ(balance("Bob"), 50);
}

TEST_P(Transfers, ConcurrentTransfersKeepTheTotal) {
    const char *nicks[] = {"Ann", "Bob", "Cid", "Dan"};
    for (const char *nick : nicks)
        ASSERT_EQ(acc(registerBody(nick)).body, "$ok$");
    for (const char *nick : nicks)
        fund(nick, 300);
    std::atomic<int> done{0};
    std::vector<std::thread> players;
    for (int p = 0; p < 4; ++p) {
        players.emplace_back([&, p] {
            HttpClient own(server->baseUrl());
            own.post("/acc.php", std::string("nick=") + nicks[p] + "&pw=secret1&label0=0");
            std::mt19937 random(unsigned(p) + 7u);
            for (int i = 0; i < 40; ++i) {
                const std::string to = nicks[(p + 1 + int(random() % 3)) % 4];
                const std::string amount = std::to_string(1 + random() % 60);
                if (own.post("/acc.php", "nick=" + to + "&labelwemsave=0&R04=" + amount).body ==
                        "$ok$" &&
                    own.post("/acc.php",
                             std::string("nick=") + nicks[p] + "&labelwemsave=0&R04=-" + amount)
                            .body == "$ok$")
                    ++done;
            }
        });
    }
    for (auto &t : players)
        t.join();
    EXPECT_GT(done.load(), 0);
    auto direct = db();
    EXPECT_EQ(direct.number("SELECT SUM(balance) FROM accounts"), 1200);
    EXPECT_EQ(direct.number("SELECT COUNT(*) FROM accounts WHERE balance < 0"), 0);
    // Every balance equals its start plus its ledger entries.
    EXPECT_EQ(
        direct.number("SELECT COUNT(*) FROM accounts a WHERE a.balance <> 300 + "
                      "(SELECT COALESCE(SUM(amount), 0) FROM wem_ledger l WHERE l.nick = a.nick)"),
        0);
    EXPECT_EQ(direct.number("SELECT COUNT(*) FROM pending_debits"), 0);
}

} // namespace
