// The service requests against a scripted server: what each one sends, how
// it reads odd replies, and that a silent server cannot hold it for good.
#include "ScriptedServers.h"

#include "web/Scramble.h"
#include "web/WebServices.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace web;
using webtest::ScriptedHttpServer;
using webtest::ScriptedReply;

class Requests : public testing::Test {
  protected:
    ScriptedHttpServer server;
    WebServices web{Addresses::forServer(server.base())};

    webtest::RecordedRequest onlyRequest() {
        const auto all = server.requests();
        EXPECT_EQ(all.size(), 1u);
        return all.empty() ? webtest::RecordedRequest{} : all.back();
    }
};

// --- what goes out ---

struct Outgoing {
    const char *name;
    std::function<void(WebServices &)> call;
    std::string path;
    std::string body; // code page 1251
};

TEST_F(Requests, EachRequestPostsItsFieldsToItsService) {
    TWemUser user;
    user.Nick = "Player";
    user.Pw = "secret1";
    user.City = "Москва";
    user.Country1 = "Russia";
    user.Country2 = "1-001";
    user.Sex = 'W';
    user.EMail = "p@x.ru";
    user.DateR = "01.02.2024";
    user.R01 = user.R02 = user.R03 = "xxx";
    user.R05 = -3;
    TInfo14 info;
    info.Name1 = "Ann";
    info.WebSite = "w.org";
    info.Skype = "sk";
    info.YouTube = "yt";
    TWemGame game;
    game.Kon = 12;
    game.Best = 40;
    game.Rating = 2.55;
    game.Sessions = 1;
    game.KonL = 3;
    game.Score = -5;
    game.R2 = "#";
    TWemRecord entry;
    entry.GID = 100;
    entry.Nick = "Игрок";
    entry.City = "Omsk";
    entry.Country = "1-001";
    entry.Score = 7;
    entry.R07 = "M";
    entry.R09 = "12:00_01.02.2024_Quarn";
    entry.R10 = "Hello_all";

    const Outgoing table[] = {
        {"RegisterAccount", [&](WebServices &w) { w.RegisterAccount(user); }, "/acc.php",
         "nick=Player&pw=secret1&city=\xCC\xEE\xF1\xEA\xE2\xE0&country1=Russia&country2=1-001&"
         "sex=W&email=p@x.ru&dater=01.02.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=-3&R06=0"},
        {"LoginAccount", [](WebServices &w) { w.LoginAccount("Player", "pa ss"); }, "/acc.php",
         "nick=Player&pw=pa%20ss&label0=0"},
        {"ReadTopTen", [](WebServices &w) { w.ReadTopTen(); }, "/acc.php", "crdQuarnkon=0"},
        {"ReadPlace", [](WebServices &w) { w.ReadPlace(12.5); }, "/acc.php", "crdQuarnrating=12.5"},
        {"ReadPlace tiny", [](WebServices &w) { w.ReadPlace(0.000001); }, "/acc.php",
         "crdQuarnrating=0"},
        {"ReadMemberCount", [](WebServices &w) { w.ReadMemberCount(); }, "/acc.php", "label1=0"},
        {"ReadBalance", [](WebServices &w) { w.ReadBalance("Player"); }, "/acc.php",
         "nick=Player&labelwemread=0"},
        {"AddBalance", [](WebServices &w) { w.AddBalance("Player", -25); }, "/acc.php",
         "nick=Player&labelwemsave=0&R04=-25"},
        {"ReadProfile", [](WebServices &w) { w.ReadProfile("Player", {}); }, "/acc.php",
         "nick=Player&labelinforead=0"},
        {"SaveProfile", [&](WebServices &w) { w.SaveProfile("Player", info); }, "/acc.php",
         "nick=Player&labelinfosave=0&namei=Ann&name2=&about=&telephone=&emailo=&website=w.org&"
         "skype=sk&ok=&vk=&telegram=&facebook=&twitter=&instagramm=&youtube=yt"},
        {"ReadGameResults", [](WebServices &w) { w.ReadGameResults("Player", "pw12", {}); },
         "/acc.php", "nick=Player&pw=pw12&crdQuarnbest=0"},
        {"SaveGameResults", [&](WebServices &w) { w.SaveGameResults("Player", "pw12", game); },
         "/acc.php",
         "nick=Player&pw=pw12&crdQuarnkon=12&crdQuarnbest=40&crdQuarnrating=2.55&crdQuarnses=1&"
         "crdQuarnkonl=3&crdQuarnscore=-5&crdQuarnR1=0&crdQuarnR2=#"},
        {"ReadWorldList", [](WebServices &w) { w.ReadWorldList(346); }, "/world.php", "gid=346"},
        {"ReadWorldCount", [](WebServices &w) { w.ReadWorldCount(46); }, "/world.php", "rgid=46"},
        {"ReadOwnResults", [](WebServices &w) { w.ReadOwnResults(146, "Player", "Omsk"); },
         "/world.php", "gid=146&nick=Player&city=Omsk"},
        {"SendWorldResult", [&](WebServices &w) { w.SendWorldResult(entry); }, "/world.php",
         "gid=100&nick=\xC8\xE3\xF0\xEE\xEA&city=Omsk&country=1-001&score=7&R7=M&R8=5.7f&"
         "R9=12:00_01.02.2024_Quarn&R10=Hello_all*"},
        {"ReadStats", [](WebServices &w) { w.ReadStats(); }, "/stat.php", "gid=46"},
        {"SendStart", [](WebServices &w) { w.SendStart(1, 0); }, "/stat.php",
         "gid=46&stat1=1&stat2=0"},
        {"SendLike", [](WebServices &w) { w.SendLike(1, "Player"); }, "/stat.php",
         "gid=46&stat3=1&stat4=Player"},
        {"SendGameStats",
         [](WebServices &w) {
             w.SendGameStats({12, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, -1});
         },
         "/stat.php", "gid=46&R1=12&R2=0&R3=0&R4=40&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=-1"},
        {"PostTournament", [](WebServices &w) { w.PostTournament("readtable410=&gid=46"); },
         "/tour.php", "readtable410=&gid=46"},
    };
    size_t seen = 0;
    for (const auto &c : table) {
        SCOPED_TRACE(c.name);
        server.answer("$ok$");
        c.call(web);
        const auto requests = server.requests();
        ASSERT_EQ(requests.size(), seen + 1);
        const auto &r = requests[seen++];
        EXPECT_EQ(r.method, "POST");
        EXPECT_EQ(r.target, c.path);
        EXPECT_EQ(r.body, c.body);
        EXPECT_EQ(r.header("User-Agent"), "KorbelWintaph");
        EXPECT_EQ(r.header("Accept"), "text/html, */*");
        EXPECT_EQ(r.header("Content-Type"), "application/x-www-form-urlencoded");
    }
}

TEST_F(Requests, UnsendableTextsFailWithoutARequest) {
    TInfo14 info;
    info.About = "Tom & Jerry&nick=other";
    EXPECT_FALSE(web.SaveProfile("Player", info));
    info.About = "北京";
    EXPECT_FALSE(web.SaveProfile("Player", info));
    EXPECT_TRUE(server.requests().empty());
}

// --- how replies are read ---

TEST_F(Requests, RegisterAccountStatus) {
    const struct {
        std::string reply;
        int status;
        RegisterResult result;
    } cases[] = {
        {"$ok$", 200, kRegistered},     {"$is$", 200, kNickTaken},  {"ok is", 200, kNickTaken},
        {"$no$", 200, kRegisterFailed}, {"", 200, kRegisterFailed}, {"$ok$", 500, kRegisterFailed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        server.answer(c.reply, c.status);
        EXPECT_EQ(web.RegisterAccount(TWemUser{}), c.result);
    }
}

TEST_F(Requests, LoginAccountReadsTheRecord) {
    TWemUser current;
    current.Info.About = "kept";
    server.answer("$Reno 3-034 USA W anon@mail.us 01.02.2024 a b c 250 1 2$");
    const auto r = web.LoginAccount("Player", "secret1", current);
    ASSERT_TRUE(r.ok); // "no" inside the account's own data is no refusal
    EXPECT_EQ(r.value.Nick, "Player");
    EXPECT_EQ(r.value.Pw, "secret1");
    EXPECT_EQ(Unscramble(r.value.PwC, kAccountKey), "secret1");
    EXPECT_EQ(r.value.City, "Reno");
    EXPECT_EQ(r.value.Country1, "3-034");
    EXPECT_EQ(r.value.Country2, "USA");
    EXPECT_EQ(r.value.Sex, 'W');
    EXPECT_EQ(r.value.EMail, "anon@mail.us");
    EXPECT_EQ(r.value.DateR, "01.02.2024");
    EXPECT_EQ(r.value.R03, "c");
    EXPECT_EQ(r.value.R04, 250);
    EXPECT_EQ(r.value.R06, 2);
    EXPECT_EQ(r.value.Info.About, "kept");
}

TEST_F(Requests, LoginAccountOddReplies) {
    const struct {
        std::string reply;
        bool ok;
        std::string city;
        int balance;
    } cases[] = {
        {"$no$ error: wrong password", false, "#", 0},
        {"no", false, "#", 0},
        {"", true, "#", 0},                      // no record: the reset values
        {"$\xCE\xEC\xF1\xEA$", true, "Омск", 0}, // a short record fills what it has
        {"$Omsk a b M e d x y z many 0 0$", false, "Omsk", 0},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        server.answer(c.reply);
        const auto r = web.LoginAccount("Player", "secret1");
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.value.City, c.city);
        EXPECT_EQ(r.value.R04, c.balance);
        if (c.city == "#") {
            EXPECT_EQ(r.value.Sex, '#');
            EXPECT_EQ(r.value.DateR, "00.00.0000");
        }
    }
}

TEST_F(Requests, ReadTopTen) {
    server.answer("$1 Ann Omsk 1-001 1-005 W 12,500*$2 Bob Oslo 1-035 1-035 M -0.25*");
    const auto r = web.ReadTopTen();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value[0].Nick, "Ann");
    EXPECT_EQ(r.value[0].Country, "1-005"); // field 5 replaces field 4
    EXPECT_EQ(r.value[0].Sex, 'W');
    EXPECT_DOUBLE_EQ(r.value[0].Rating, 12.5);
    EXPECT_EQ(r.value[1].City, "Oslo");
    EXPECT_DOUBLE_EQ(r.value[1].Rating, -0.25);
    EXPECT_EQ(r.value[2].Nick, "");
    EXPECT_EQ(r.value[2].Sex, 'M');

    server.answer("$1 Ann Omsk 1-001 1-005 W twelve*");
    const auto bad = web.ReadTopTen();
    EXPECT_FALSE(bad.ok);
    EXPECT_EQ(bad.value[0].Nick, "");
}

TEST_F(Requests, NumberReplies) {
    const struct {
        std::string reply;
        int status;
        int number;
        bool ok;
    } cases[] = {
        {"$17$", 200, 17, true}, {"$17", 200, 1, true},    {"17$", 200, -1, false},
        {"", 200, -1, false},    {"$17$", 404, -1, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        server.answer(c.reply, c.status);
        const auto place = web.ReadPlace(2.5);
        EXPECT_EQ(place.value, c.number);
        EXPECT_EQ(place.ok, c.ok);
        server.answer(c.reply, c.status);
        EXPECT_EQ(web.ReadWorldCount(46).value, c.number);
        server.answer(c.reply, c.status);
        EXPECT_EQ(web.SendWorldResult(TWemRecord{}).value, c.number);
    }
}

TEST_F(Requests, ReadBalance) {
    const struct {
        std::string reply;
        bool ok;
        int balance;
    } cases[] = {
        {"$250$", true, 250}, {"$-4$", true, -4},   {"$no$", false, -1},
        {"no", false, -1},    {"$abc$", false, -1}, {"ok", false, -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        server.answer(c.reply);
        const auto r = web.ReadBalance("Player");
        EXPECT_EQ(r.ok, c.ok);
        EXPECT_EQ(r.value, c.balance);
    }
}

TEST_F(Requests, ReadProfileKeepsWhatTheReplyLacks) {
    TInfo14 current;
    current.YouTube = "old";
    current.Telephone = "old";
    server.answer("$Ann~Lee~I know a casino~+7 900~a@b.c~site.org~skype$");
    auto r = web.ReadProfile("Player", current);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(r.value.Name2, "Lee");
    EXPECT_EQ(r.value.About, "I know a casino");
    EXPECT_EQ(r.value.Telephone, "+7 900");
    EXPECT_EQ(r.value.WebSite, "site.org"); // sixth on the wire
    EXPECT_EQ(r.value.Skype, "skype");
    EXPECT_EQ(r.value.YouTube, "old");

    server.answer("$no$");
    r = web.ReadProfile("Player", current);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.value.Telephone, "old");
}

TEST_F(Requests, ReadGameResults) {
    TWemGame current;
    current.Best = 99;
    current.KonL = 9;
    current.Place = 4;
    server.answer("$12 40 2,55 1 3 -5 0 #$");
    auto r = web.ReadGameResults("Player", "pw12", current);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value.Kon, 12);
    EXPECT_EQ(r.value.Best, 40);
    EXPECT_DOUBLE_EQ(r.value.Rating, 2.55);
    EXPECT_EQ(r.value.Sessions, 1);
    EXPECT_EQ(r.value.KonL, 3);
    EXPECT_EQ(r.value.Score, -5);
    EXPECT_EQ(r.value.R2, "#");
    EXPECT_EQ(r.value.Place, 4);

    current.Kon = 30;
    server.answer("");
    r = web.ReadGameResults("Player", "pw12", current);
    EXPECT_TRUE(r.ok); // no record, no status word: the reset record
    EXPECT_EQ(r.value.Kon, 0);
    EXPECT_EQ(r.value.Best, 99);
    EXPECT_EQ(r.value.KonL, 9);

    server.answer("$12 forty 2,55 1 3 -5 0 #$");
    r = web.ReadGameResults("Player", "pw12", current);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.value.Kon, 0);
    EXPECT_EQ(r.value.Best, 99);
}

TEST_F(Requests, ReadWorldList) {
    server.answer("$1 0 120 Ann 1-001 Omsk W 5.7f 12:00_01.02.2024_Quarn Hello*"
                  "$2 0 95 \xC8\xE3\xF0\xEE\xEA 2-010 Beijing M 5.7f # #*");
    auto r = web.ReadWorldList(100);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value[0].Place, 1);
    EXPECT_EQ(r.value[0].Score, 120);
    EXPECT_EQ(r.value[0].R09, "12:00_01.02.2024_Quarn");
    EXPECT_EQ(r.value[0].R10, "Hello");
    EXPECT_EQ(r.value[1].Nick, "Игрок");
    EXPECT_EQ(r.value[2].Nick, "#");
    EXPECT_EQ(r.value[2].R10, "#*");
    EXPECT_EQ(r.value[9].GID, 100);

    server.answer("$1 0 lots Ann*");
    r = web.ReadWorldList(46);
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.value[0].Nick, "#");
    EXPECT_EQ(r.value[0].GID, 46);
}

TEST_F(Requests, ReadStats) {
    server.answer("$100 20 7 Ann 1 2 3 4 5 6 7 8 9 10 11 12 13 z*");
    auto r = web.ReadStats();
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.value.GID, 46);
    EXPECT_EQ(r.value.Stat1, 100);
    EXPECT_EQ(r.value.Stat4, "Ann");
    EXPECT_EQ(r.value.StatX[0], 1);
    EXPECT_EQ(r.value.StatX[11], 12);
    EXPECT_EQ(r.value.StatY, 13);
    EXPECT_EQ(r.value.StatZ, "z");

    server.answer("$100 x 7 Ann*");
    r = web.ReadStats();
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(r.value.Stat1, 0);
}

TEST_F(Requests, StatisticsAcknowledgements) {
    const struct {
        std::string reply;
        bool ok;
    } cases[] = {{"$ ok#", true}, {"$1ok#", true}, {"$ok#", false}, {"ok", false}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        server.answer(c.reply);
        EXPECT_EQ(web.SendStart(1, 1), c.ok);
        server.answer(c.reply);
        EXPECT_EQ(web.SendLike(1, "Ann"), c.ok);
        server.answer(c.reply);
        EXPECT_EQ(web.SendGameStats({}), c.ok);
    }
}

TEST_F(Requests, OkAnywhere) {
    server.answer("Booking done");
    EXPECT_TRUE(web.AddBalance("Ann", 5));
    server.answer("$no$");
    EXPECT_FALSE(web.AddBalance("Ann", 5));
    server.answer("$ok$", 403);
    EXPECT_FALSE(web.SaveGameResults("Ann", "pw12", {}));
}

// --- the shared client ---

TEST_F(Requests, SharedClientKeepsCookies) {
    ScriptedReply first;
    first.body = "$Omsk 1-001 Russia M a@b.c 01.01.2024 x x x 0 0 0$";
    first.headers = {"Set-Cookie: session=abc123; Path=/"};
    server.push(first);
    server.answer("$5$");
    ASSERT_TRUE(web.LoginAccount("Ann", "pw12").ok);
    ASSERT_TRUE(web.ReadBalance("Ann").ok);
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[1].header("Cookie"), "session=abc123");
}

TEST_F(Requests, ReadTimeoutStartsWithTheFirstListRead) {
    EXPECT_EQ(web.sharedClient().readTimeout(), 0);
    server.answer("$ok$");
    web.AddBalance("Ann", 1);
    EXPECT_EQ(web.sharedClient().readTimeout(), 0);
    for (const auto &read : std::vector<std::function<void(WebServices &)>>{
             [](WebServices &w) { w.ReadWorldList(46); },
             [](WebServices &w) { w.ReadOwnResults(46, "Ann", "Omsk"); },
             [](WebServices &w) { w.ReadStats(); }}) {
        WebServices fresh{Addresses::forServer(server.base())};
        server.answer("");
        read(fresh);
        EXPECT_EQ(fresh.sharedClient().readTimeout(), kReadTimeoutMs);
    }
}

TEST_F(Requests, StalledReplyFailsWithinTheReadTimeout) {
    ScriptedReply stall;
    stall.kind = ScriptedReply::Kind::Stall;
    server.push(stall);
    const auto list = web.ReadWorldList(46);
    EXPECT_FALSE(list.ok);
    EXPECT_EQ(list.value[0].Nick, "#");
    // The time-out stays in force for every later post.
    server.push(stall);
    EXPECT_FALSE(web.LoginAccount("Ann", "pw12").ok);
}

TEST(RequestsStall, WithoutReadTimeoutTheStallGuardEndsTheWait) {
    ScriptedHttpServer server;
    HttpOptions options;
    options.stallSeconds = 1;
    WebServices web{Addresses::forServer(server.base()), options};
    ScriptedReply stall;
    stall.kind = ScriptedReply::Kind::Stall;
    server.push(stall);
    EXPECT_EQ(web.RegisterAccount(TWemUser{}), kRegisterFailed);
}

TEST_F(Requests, BrokenTransfersFail) {
    for (auto kind : {ScriptedReply::Kind::Close, ScriptedReply::Kind::Truncate}) {
        ScriptedReply reply;
        reply.kind = kind;
        reply.body = "$17$";
        server.push(reply);
        EXPECT_FALSE(web.ReadPlace(1).ok);
        server.push(reply);
        EXPECT_FALSE(web.ReadWorldList(46).ok);
    }
}

TEST(RequestsTransport, OversizedReplyFails) {
    ScriptedHttpServer server;
    HttpOptions options;
    options.maxReplyBytes = 1000;
    WebServices web{Addresses::forServer(server.base()), options};
    server.answer("$" + std::string(5000, '1') + "$");
    EXPECT_FALSE(web.ReadMemberCount().ok);
    server.answer("$7$");
    EXPECT_EQ(web.ReadMemberCount().value, 7);
}

TEST(RequestsTransport, NoServerMeansFailure) {
    WebServices web{
        Addresses::forServer("http://127.0.0.1:" + std::to_string(webtest::closedPort()))};
    EXPECT_EQ(web.RegisterAccount(TWemUser{}), kRegisterFailed);
    EXPECT_FALSE(web.LoginAccount("Ann", "pw12").ok);
    EXPECT_EQ(web.ReadPlace(1).value, -1);
    EXPECT_FALSE(web.ReadWorldList(46).ok);
    EXPECT_FALSE(web.SendStart(1, 0));
    EXPECT_FALSE(web.PostTournament("gid=46").ok);
}

TEST_F(Requests, ServiceWithoutAddressFailsWithoutARequest) {
    web.addresses().statisticsService.clear();
    web.addresses().worldService.clear();
    EXPECT_FALSE(web.SendStart(1, 1));
    EXPECT_FALSE(web.ReadStats().ok);
    EXPECT_FALSE(web.ReadWorldList(46).ok);
    web.addresses().accountService = "not scrambled!";
    EXPECT_FALSE(web.ReadMemberCount().ok);
    EXPECT_TRUE(server.requests().empty());
}

} // namespace
