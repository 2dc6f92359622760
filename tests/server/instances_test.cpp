// Two servers on one PostgreSQL database, as behind a load balancer: a login
// on one is valid on the other, and both see the same accounts and lists.
#include "ServiceFixture.h"

using namespace servertest;

namespace {

TEST(TwoInstances, ALoginOnOneIsValidOnTheOtherAndBothShareTheData) {
    PostgresCluster &cluster = PostgresCluster::instance();
    if (!cluster.available())
        GTEST_SKIP() << cluster.whyNot().toStdString();
    const QString url = cluster.newDatabaseUrl();
    RunningServer first(ServerSetup{Backend::Postgres, {}, url, {}, {}});
    RunningServer second(ServerSetup{Backend::Postgres, {}, url, {}, {}});
    ASSERT_TRUE(first.ok()) << first.error().toStdString();
    ASSERT_TRUE(second.ok()) << second.error().toStdString();
    HttpClient program(first.baseUrl()); // one client, its cookies kept across both
    const std::string account = "&city=Moscow&country1=Russia&country2=1-001&sex=M&email=a@mail.ru"
                                "&dater=10.12.2025&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0";
    ASSERT_EQ(program.post("/acc.php", "nick=Ann&pw=secret1" + account).body, "$ok$");
    ASSERT_EQ(program.post("/acc.php", "nick=Bob&pw=secret1" + account).body, "$ok$");
    ASSERT_EQ(program.post("/acc.php", "nick=Ann&pw=secret1&label0=0").status, 200);
    DirectDb db(url, first.dataDir());
    db.exec(QStringLiteral("UPDATE accounts SET balance = 100 WHERE nick = 'Ann'"));

    program.setBaseUrl(second.baseUrl());
    EXPECT_EQ(program.post("/acc.php", "nick=Bob&labelwemsave=0&R04=30").body, "$ok$");
    EXPECT_EQ(program.post("/acc.php", "nick=Ann&labelwemsave=0&R04=-30").body, "$ok$");
    EXPECT_EQ(db.number(QStringLiteral("SELECT balance FROM accounts WHERE nick = 'Bob'")), 30);
    EXPECT_EQ(db.number(QStringLiteral("SELECT balance FROM accounts WHERE nick = 'Ann'")), 70);
    const std::string profile = "nick=Ann&labelinfosave=0&namei=Ann&name2=Lee&about=Hi&telephone=1"
                                "&emailo=a@b.ru&website=w&skype=s&ok=o&vk=v&telegram=t&facebook=f"
                                "&twitter=t&instagramm=i&youtube=y";
    EXPECT_EQ(program.post("/acc.php", profile).body, "$ok$");
    // Someone without the session is still refused on either server.
    HttpClient stranger(second.baseUrl());
    EXPECT_EQ(stranger.post("/acc.php", "nick=Ann&labelwemsave=0&R04=-5").body.find("ok"),
              std::string::npos);

    program.setBaseUrl(first.baseUrl());
    EXPECT_EQ(program.post("/acc.php", "nick=Ann&labelinforead=0").body,
              "$Ann~Lee~Hi~1~a@b.ru~w~s~o~v~t~f~t~i~y$");
    for (int i = 1; i <= 3; ++i)
        ASSERT_EQ(program
                      .post("/world.php", "gid=46&nick=P" + std::to_string(i) +
                                              "&city=Oslo&country=1-035&score=" +
                                              std::to_string(i * 10) + "&R7=M&R8=5.7f&R9=#&R10=#*")
                      .status,
                  200);
    HttpClient left(first.baseUrl()), right(second.baseUrl());
    const std::string list = left.post("/world.php", "gid=46").body;
    EXPECT_EQ(list.rfind("$1 ", 0), 0u) << list;
    EXPECT_EQ(right.post("/world.php", "gid=46").body, list);
    EXPECT_EQ(right.post("/world.php", "rgid=46").body, "$3$");

    // Failed password checks count on both: guesses spread over the two are delayed together.
    for (int i = 0; i < 10; ++i)
        (i % 2 ? left : right)
            .post("/acc.php", "nick=Bob&pw=guess" + std::to_string(i) + "&label0=0");
    EXPECT_EQ(left.post("/acc.php", "nick=Bob&pw=secret1&label0=0").status, 429);
    EXPECT_EQ(right.post("/acc.php", "nick=Bob&pw=secret1&label0=0").status, 429);
}

} // namespace
