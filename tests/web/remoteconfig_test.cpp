#include "web/Addresses.h"
#include "web/RemoteConfig.h"
#include "web/Scramble.h"

#include <gtest/gtest.h>

namespace {

using namespace web;

TEST(RemoteConfig, ValuesRunToTheNextHash) {
    using Values = std::vector<std::string>;
    EXPECT_EQ(remoteValues("AccPath=abc#rest", "AccPath", 1), (Values{"abc"}));
    EXPECT_EQ(remoteValues("AccPath abc", "AccPath", 1), (Values{"abc"})); // to the end
    EXPECT_EQ(remoteValues("AccPath", "AccPath", 1), (Values{""}));        // key at the end
    EXPECT_EQ(remoteValues("NewsQuarn5.3:Y#one#two#three#17#", "NewsQuarn5.3", 5),
              (Values{"Y", "one", "two", "three", "17"}));
    EXPECT_EQ(remoteValues("NewsQuarn5.3:Y#one#", "NewsQuarn5.3", 5),
              (Values{"Y", "one", "", "", ""}));
    EXPECT_FALSE(remoteValues("nothing here", "AccPath", 1).has_value());
    EXPECT_FALSE(remoteValues("", "AccPath", 1).has_value());
}

TEST(RemoteConfig, ReadsEveryKey) {
    const std::string page = "CTGamesPause\n"
                             "WTGamesPatt=WWW#\n"
                             "StatPath=SSS#\n"
                             "AccPath=AAA#\n"
                             "NewsQuarn5.3=Y#Hello#Новости#http://x.org/#42#\n"
                             "DownLoad_Link_Quarn=http://d.org/q#\n"
                             "Google_Play_Link_Quarn=http://g.org/q#\n";
    const RemoteConfig c = parseRemoteConfig(page);
    EXPECT_TRUE(c.chatPaused);
    EXPECT_FALSE(c.worldPaused);
    EXPECT_EQ(c.worldService, "WWW");
    EXPECT_EQ(c.statisticsService, "SSS");
    EXPECT_EQ(c.accountService, "AAA");
    EXPECT_TRUE(c.showStartMessage);
    EXPECT_EQ(c.startMessage[1], "Новости");
    EXPECT_EQ(c.startMessage[2], "http://x.org/");
    EXPECT_EQ(c.newsNumber, "42");
    EXPECT_EQ(c.downloadLink, "http://d.org/q");
    EXPECT_EQ(c.googlePlayLink, "http://g.org/q");
}

TEST(RemoteConfig, PausedWorldListsIgnoreTheirAddress) {
    const RemoteConfig c = parseRemoteConfig("WTGamesPause#WTGamesPatt=WWW#");
    EXPECT_TRUE(c.worldPaused);
    EXPECT_FALSE(c.worldService.has_value());
    EXPECT_FALSE(c.chatPaused);
}

TEST(RemoteConfig, OddPagesChangeNothing) {
    for (const char *page : {"", "<html>404</html>", "AccPath=#StatPath=#", "N#e#w#s"}) {
        SCOPED_TRACE(page);
        const RemoteConfig c = parseRemoteConfig(page);
        EXPECT_FALSE(c.accountService.has_value());
        EXPECT_FALSE(c.statisticsService.has_value());
        EXPECT_FALSE(c.worldService.has_value());
        EXPECT_FALSE(c.showStartMessage);
    }
    EXPECT_FALSE(parseRemoteConfig("NewsQuarn5.3=N#a#b#c#1#").showStartMessage);
}

// Which address each service uses after start, from the stored copies and
// the remote page.
TEST(AddressInForce, StoredCopyRemotePageAndBuiltIn) {
    const std::string otherWorld = Scramble("http://w.example/world.php", kConfigKey);
    const std::string otherStat = Scramble("http://s.example/stat.php", kConfigKey);
    const std::string otherAcc = Scramble("http://a.example/acc.php", kAccountKey);
    const std::string storedWorld = Scramble("http://stored/world.php", kConfigKey);

    struct Case {
        const char *name;
        StoredServicePaths stored;
        RemoteConfig remote;
        std::string world, statistics, account; // in force
        std::string storedWorldAfter, storedStatAfter;
    };
    RemoteConfig fromPage;
    fromPage.worldService = otherWorld;
    fromPage.statisticsService = otherStat;
    fromPage.accountService = otherAcc;

    const Case cases[] = {
        {"first start without a page: no world or statistics address yet",
         {},
         {},
         "",
         "",
         std::string(builtin::kAccountService),
         std::string(builtin::kWorldService),
         std::string(builtin::kStatisticsService)},
        {"stored copies in force",
         {storedWorld, std::string(builtin::kStatisticsService)},
         {},
         "http://stored/world.php",
         "http://127.0.0.1:8046/stat.php",
         std::string(builtin::kAccountService),
         storedWorld,
         std::string(builtin::kStatisticsService)},
        {"the page replaces everything, stored copies stay",
         {storedWorld, ""},
         fromPage,
         "http://w.example/world.php",
         "http://s.example/stat.php",
         otherAcc,
         storedWorld,
         std::string(builtin::kStatisticsService)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Addresses a = Addresses::builtIn();
        StoredServicePaths stored = c.stored;
        putAddressesInForce(a, stored, c.remote);
        EXPECT_EQ(a.worldService, c.world);
        EXPECT_EQ(a.statisticsService, c.statistics);
        EXPECT_EQ(a.accountService, c.account);
        EXPECT_EQ(stored.worldService, c.storedWorldAfter);
        EXPECT_EQ(stored.statisticsService, c.storedStatAfter);
    }
}

} // namespace
