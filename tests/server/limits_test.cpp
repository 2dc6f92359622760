// What a caller may not do to the server: fetch its private files, guess
// passwords without end, fill its password workers, or hold its connections.
#include "ServiceFixture.h"

#include "server/Pages.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <chrono>
#include <latch>
#include <thread>
#include <vector>

using namespace servertest;

namespace {

void putFile(const QString &path, const QByteArray &content) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

bool refusedWith(const HttpResult &reply, long status, const char *words) {
    return reply.status == status && reply.body.rfind("$no$ error: ", 0) == 0 &&
           reply.body.find(words) != std::string::npos;
}

// Polls until the condition holds or five seconds have passed.
template <class Condition> bool eventually(Condition condition) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!condition()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

TEST(Downloads, OnlyTheResourceLibrariesAndTheStationListAreServed) {
    QTemporaryDir program;
    for (const char *name : {"Quarn.clb", "Quarn.net", "Quarn.ini", "Quarn", "WemUser.wem",
                             "WemCards06A.dll", "Notes.txt"})
        putFile(program.filePath(QString::fromLatin1(name)), QByteArray("content of ") + name);
    RunningServer server(ServerSetup{Backend::Sqlite, {}, {}, program.path(), {}});
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    putFile(QDir(server.dataDir()).filePath(QStringLiteral("downloads/Quarn.ini")), "club ini");
    HttpClient client(server.baseUrl());
    EXPECT_EQ(client.get("/downloads/progr/cards/WemCards06A.dll").body,
              "content of WemCards06A.dll");
    EXPECT_EQ(client.get("/downloads/progr/cards/WemRadio.rad").status, 200);
    for (const char *name : {"Quarn.clb", "Quarn.net", "Quarn.ini", "Quarn", "WemUser.wem",
                             "Notes.txt", "wem.sqlite", "ftp-password", "WemCards06B.dll"}) {
        const HttpResult reply = client.get(std::string("/downloads/progr/cards/") + name);
        EXPECT_EQ(reply.status, 404) << name;
        EXPECT_EQ(reply.body.find("content"), std::string::npos) << name;
    }
}

TEST(Downloads, ALargeFileArrivesWholeAndTheConnectionServesOnAfterwards) {
    RunningServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    QByteArray library(6 * 1024 * 1024 + 123, '\0');
    for (qsizetype i = 0; i < library.size(); ++i)
        library[i] = char((i * 131) >> 7);
    putFile(QDir(server.dataDir()).filePath(QStringLiteral("downloads/WemBackG03.dll")), library);
    HttpClient client(server.baseUrl());
    const HttpResult reply = client.get("/downloads/progr/cards/WemBackG03.dll");
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body == library.toStdString()) << reply.body.size();
    EXPECT_EQ(client.post("/acc.php", "label1=0").body, "$0$");
}

TEST(Photos, OnlyJpegPicturesOfAPhotosSizeAreServed) {
    RunningServer server;
    ASSERT_TRUE(server.ok()) << server.error().toStdString();
    const QString photos = QDir(server.dataDir()).filePath(QStringLiteral("ftp/photos/"));
    QByteArray big("\xFF\xD8\xFF\xE0", 4);
    big.append(server::kMaxPhotoBytes, 'x');
    putFile(photos + QStringLiteral("Big.jpg"), big);
    putFile(photos + QStringLiteral("Fit.jpg"), big.left(server::kMaxPhotoBytes));
    putFile(photos + QStringLiteral("Odd.jpg"), QByteArray("\xFF\xD8GIF89a", 8));
    HttpClient client(server.baseUrl());
    EXPECT_EQ(client.get("/photos/Big.jpg").status, 404);
    EXPECT_EQ(client.get("/photos/Odd.jpg").status, 404);
    EXPECT_EQ(client.get("/photos/Fit.jpg").body.size(), size_t(server::kMaxPhotoBytes));
}

// The server's clock stands still, so that a wait of one second cannot run out
// between a refusal and the next request.
class PasswordChecks : public ServiceTest {
  protected:
    PasswordChecks() {
        adjust = [](server::ServerOptions &o) { o.clock = [] { return qint64(1'800'000'000); }; };
    }
};

TEST_P(PasswordChecks, WrongPasswordsOfOneNickAreDelayedForEveryoneButItsSession) {
    registerAndLogin("Ann"); // this client keeps Ann's session
    ASSERT_EQ(acc(registerBody("Bob")).body, "$ok$");
    HttpClient guesser(server->baseUrl());
    for (int i = 0; i < 10; ++i)
        ASSERT_EQ(guesser.post("/acc.php", "nick=Ann&pw=guess" + std::to_string(i) + "&label0=0")
                      .body.rfind("$no$", 0),
                  0u)
            << i;
    // The next check of Ann's password waits, even with the right password.
    for (const std::string &body :
         {std::string("nick=Ann&pw=secret1&label0=0"), std::string("nick=Ann&pw=x&crdQuarnbest=0"),
          std::string("nick=Ann&pw=secret1&crdQuarnkon=1&crdQuarnbest=1&crdQuarnrating=1&"
                      "crdQuarnses=1&crdQuarnkonl=1&crdQuarnscore=1")}) {
        EXPECT_TRUE(refusedWith(guesser.post("/acc.php", body), 429, "wait")) << body;
        HttpClient fresh(server->baseUrl());
        EXPECT_TRUE(refusedWith(fresh.post("/acc.php", body), 429, "wait")) << body;
    }
    // Another nick from the same address is not delayed yet.
    EXPECT_EQ(guesser.post("/acc.php", "nick=Bob&pw=secret1&label0=0").status, 200);
    // Ann's own session with the password of its login is trusted: her results
    // are read and saved without a second key derivation. Another password is
    // checked as from anyone.
    EXPECT_TRUE(refusedWith(acc("nick=Ann&pw=guess0&crdQuarnbest=0"), 429, "wait"));
    EXPECT_EQ(acc("nick=Ann&pw=secret1&crdQuarnbest=0").body, "$0 0 0.000000 0 0 0 0 #$");
    // Her pre-charge is taken at once (the server computes its figures itself).
    EXPECT_EQ(acc("nick=Ann&pw=secret1&crdQuarnkon=3&crdQuarnbest=4&crdQuarnrating=1.5&"
                  "crdQuarnses=1&crdQuarnkonl=3&crdQuarnscore=4")
                  .body.rfind("$ok", 0),
              0u);
}

TEST_P(PasswordChecks, AnAddressGuessingManyNicksIsDelayed) {
    ASSERT_EQ(acc(registerBody("Cid")).body, "$ok$");
    for (int i = 0; i < 25; ++i)
        ASSERT_EQ(
            acc("nick=Nobody" + std::to_string(i) + "&pw=secret1&label0=0").body.rfind("$no$", 0),
            0u)
            << i;
    EXPECT_TRUE(refusedWith(acc("nick=Cid&pw=secret1&label0=0"), 429, "address"));
}

TEST_P(PasswordChecks, AFullQueueRefusesWithAClearReply) {
    server = std::make_unique<RunningServer>(ServerSetup{
        GetParam(), {}, {}, {}, [](server::ServerOptions &o) { o.maxPasswordChecks = 0; }});
    ASSERT_TRUE(server->ok()) << server->error().toStdString();
    client = std::make_unique<HttpClient>(server->baseUrl());
    EXPECT_TRUE(refusedWith(acc(registerBody("Dan")), 503, "too many password checks"));
    EXPECT_TRUE(refusedWith(acc("nick=Dan&pw=secret1&label0=0"), 503, "too many password checks"));
    EXPECT_EQ(db().number(QStringLiteral("SELECT COUNT(*) FROM accounts")), 0);
    EXPECT_EQ(acc("label1=0").body, "$0$"); // requests without a password go on
    // The refusal is one for load: it says when to come back.
    GameClient raw(server->httpPort());
    const QByteArray body = "nick=Dan&pw=secret1&label0=0";
    raw.send("POST /acc.php HTTP/1.1\r\nHost: x\r\nUser-Agent: KorbelWintaph\r\n"
             "Content-Length: " +
             QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    const QByteArray refusal = raw.receive(300, 5000);
    EXPECT_TRUE(refusal.startsWith("HTTP/1.1 503")) << refusal.constData();
    EXPECT_TRUE(QString::fromLatin1(refusal).contains(
        QRegularExpression(QStringLiteral("\r\nRetry-After: [1-9][0-9]*\r\n"),
                           QRegularExpression::CaseInsensitiveOption)))
        << refusal.constData();
}

INSTANTIATE_ON_BOTH_BACKENDS(PasswordChecks);

// Password checks slow enough to overlap, as with the real key derivation.
class PasswordBurst : public ServiceTest {
  protected:
    PasswordBurst() {
        adjust = [](server::ServerOptions &o) { o.passwordIterations = 200'000; };
    }
};

TEST_P(PasswordBurst, FourProgramsBehindOneAddressStartingTogetherAllLogIn) {
    const char *nicks[] = {"Ann", "Bob", "Cid", "Dan"};
    for (const char *nick : nicks)
        ASSERT_EQ(acc(registerBody(nick)).body, "$ok$");
    std::latch ready(4);
    std::vector<HttpResult> logins(4);
    std::vector<std::thread> programs;
    for (int p = 0; p < 4; ++p)
        programs.emplace_back([&, p] {
            HttpClient own(server->baseUrl()); // all from 127.0.0.1
            ready.arrive_and_wait();
            logins[std::size_t(p)] =
                own.post("/acc.php", std::string("nick=") + nicks[p] + "&pw=secret1&label0=0");
        });
    for (std::thread &program : programs)
        program.join();
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(logins[std::size_t(p)].status, 200) << nicks[p] << ": " << logins[p].body;
        EXPECT_EQ(logins[std::size_t(p)].body.rfind("$no$", 0), std::string::npos) << nicks[p];
    }
}

INSTANTIATE_ON_BOTH_BACKENDS(PasswordBurst);

class Connections : public testing::Test {
  protected:
    void start(const std::function<void(server::ServerOptions &)> &adjust) {
        server = std::make_unique<RunningServer>(ServerSetup{Backend::Sqlite, {}, {}, {}, adjust});
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
    }
    std::unique_ptr<RunningServer> server;
};

TEST_F(Connections, OneAddressGetsItsShareAndOthersAreStillServed) {
    start([](server::ServerOptions &o) { o.maxConnectionsPerAddress = 4; });
    std::vector<std::unique_ptr<GameClient>> idle;
    for (int i = 0; i < 4; ++i)
        idle.push_back(std::make_unique<GameClient>(server->httpPort(), "127.0.0.2"));
    GameClient extra(server->httpPort(), "127.0.0.2");
    ASSERT_TRUE(extra.connected());
    const QByteArray refusal = extra.receive(400, 5000);
    EXPECT_TRUE(refusal.startsWith("HTTP/1.1 503")) << refusal.constData();
    EXPECT_TRUE(refusal.contains("connections from one address"));
    EXPECT_TRUE(extra.closedByServer());
    HttpClient other(server->baseUrl()); // from 127.0.0.1
    EXPECT_EQ(other.post("/acc.php", "label1=0").body, "$0$");
    idle.clear();
    EXPECT_TRUE(eventually([&] {
        GameClient again(server->httpPort(), "127.0.0.2");
        again.send("POST /acc.php HTTP/1.1\r\nHost: x\r\nUser-Agent: KorbelWintaph\r\n"
                   "Content-Length: 8\r\nConnection: close\r\n\r\nlabel1=0");
        return again.receive(12, 2000).startsWith("HTTP/1.1 200");
    }));
}

TEST_F(Connections, AtTheLimitTheLongestIdleConnectionMakesRoom) {
    start([](server::ServerOptions &o) { o.maxConnections = 6; });
    std::vector<std::unique_ptr<GameClient>> idle;
    for (int i = 0; i < 6; ++i)
        idle.push_back(std::make_unique<GameClient>(server->httpPort(),
                                                    ("127.0.0." + std::to_string(10 + i)).c_str()));
    HttpClient caller(server->baseUrl());
    EXPECT_EQ(caller.post("/acc.php", "label1=0").body, "$0$");
    EXPECT_TRUE(idle.front()->closedByServer());
}

TEST_F(Connections, UnannouncedGameConnectionsAreBounded) {
    start([](server::ServerOptions &o) {
        o.maxUnannouncedPerAddress = 3;
        o.maxUnannounced = 5;
    });
    const quint16 table1 = quint16(server->gameBase() + 1);
    std::vector<std::unique_ptr<GameClient>> silent;
    for (int i = 0; i < 3; ++i)
        silent.push_back(std::make_unique<GameClient>(table1, "127.0.0.2"));
    GameClient fourth(table1, "127.0.0.2");
    EXPECT_TRUE(fourth.closedByServer());
    // Two more from elsewhere fill the server; the next one closes the oldest silent one.
    GameClient a(table1, "127.0.0.3"), b(quint16(server->gameBase() + 2), "127.0.0.3");
    GameClient player(table1, "127.0.0.4");
    EXPECT_TRUE(silent.front()->closedByServer());
    // A connection that announces itself (for a taken seat) no longer counts.
    const std::string token = seatToken(seatNewAccount(server->baseUrl(), "Ann", 1, 1));
    ASSERT_FALSE(token.empty());
    player.send(connectFrame(1, token));
    EXPECT_FALSE(player.closedByServer(300));
}

} // namespace
