// The HTTP front: the access token, malformed and oversized requests, and
// acknowledged writes surviving a restart.
#include "ServiceFixture.h"

#include <QFile>

#include <random>

using namespace servertest;

namespace {

class HttpFront : public testing::Test {
  protected:
    void SetUp() override {
        server = std::make_unique<RunningServer>();
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        client = std::make_unique<HttpClient>(server->baseUrl());
    }
    std::unique_ptr<RunningServer> server;
    std::unique_ptr<HttpClient> client;
};

TEST_F(HttpFront, ServicesWithoutTheAccessTokenAnswer403AndChangeNothing) {
    struct Case {
        const char *path;
        std::string body;
    };
    const Case writes[] = {
        {"/acc.php", "nick=Ann&pw=secret1&city=Oslo&country1=Norway&country2=1-035&sex=M&email=a@b."
                     "no&dater=1.1.2025&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
        {"/world.php", "gid=46&nick=Ann&city=Oslo&country=1-035&score=10&R7=M&R8=5.7f&R9=#&R10=#*"},
        {"/stat.php", "gid=46&stat1=1&stat2=1"},
        {"/tour.php", "readtable410=&gid=46"},
    };
    for (const Case &c : writes)
        for (const char *agent : {"", "Mozilla/5.0", "KorbelWintaph2", "korbelwintaph"}) {
            const HttpResult reply = client->post(c.path, c.body, agent);
            EXPECT_EQ(reply.status, 403) << c.path << " " << agent;
            EXPECT_FALSE(holdsStatusWord(reply.body)) << reply.body;
        }
    EXPECT_EQ(client->post("/acc.php", "label1=0").body, "$0$");
    EXPECT_EQ(client->post("/world.php", "rgid=46").body, "$0$");
    EXPECT_EQ(client->post("/stat.php", "gid=46").body.substr(0, 6), "$0 0 0");
}

TEST_F(HttpFront, MalformedRequestsGetClearErrors) {
    struct Case {
        const char *why;
        const char *path;
        std::string body;
        long status;
    };
    const Case cases[] = {
        {"duplicate field", "/stat.php", "gid=46&gid=47", 400},
        {"unknown request", "/acc.php", "hello=1", 400},
        {"empty body", "/world.php", "", 400},
        {"binary garbage", "/tour.php", std::string("\x01\x02=\xff&&=", 8), 400},
        {"body over the form limit", "/acc.php", "about=" + std::string(9000, 'a'), 400},
        {"request over the size limit", "/stat.php", "gid=46&x=" + std::string(40000, 'a'), 413},
    };
    for (const Case &c : cases) {
        const HttpResult reply = client->post(c.path, c.body);
        EXPECT_EQ(reply.status, c.status) << c.why;
        EXPECT_NE(reply.body.find("error"), std::string::npos) << c.why;
        EXPECT_FALSE(holdsStatusWord(reply.body)) << c.why;
    }
    EXPECT_EQ(client->get("/acc.php").status, 405);
    EXPECT_EQ(client->get("/nothing-here").status, 404);
    // The server is still there after all of it.
    HttpClient fresh(server->baseUrl());
    EXPECT_EQ(fresh.post("/acc.php", "label1=0").body, "$0$");
}

TEST_F(HttpFront, RandomBodiesAndBytesNeverBringItDown) {
    std::mt19937 random(46);
    // Bodies made of the services' own field names and values, shuffled, and plain noise.
    const std::vector<std::string> pieces = {"nick=Ann",
                                             "pw=secret1",
                                             "label0=0",
                                             "label1=0",
                                             "labelwemsave=0",
                                             "R04=-5",
                                             "R04=99",
                                             "gid=46",
                                             "gid=100",
                                             "score=7",
                                             "rgid=346",
                                             "crdQuarnkon=0",
                                             "crdQuarnrating=1e308",
                                             "crdQuarnses=1",
                                             "stat1=1",
                                             "stat3=1",
                                             "R1=5",
                                             "client4on1=0",
                                             "num=1",
                                             "can=1",
                                             "readclient2=0",
                                             "city=Oslo",
                                             "country2=9-999",
                                             "sex=M",
                                             "R10=*",
                                             "=",
                                             "&",
                                             "%",
                                             "%zz",
                                             "$",
                                             "~",
                                             "\xff\xfe",
                                             "a=b=c"};
    const char *paths[] = {"/acc.php", "/world.php", "/stat.php", "/tour.php"};
    for (int i = 0; i < 400; ++i) {
        std::string body;
        const int count = int(random() % 8);
        for (int k = 0; k < count; ++k)
            body += pieces[random() % pieces.size()] + (random() % 4 ? "&" : "");
        if (i % 5 == 0)
            for (int k = 0; k < 40; ++k)
                body += char(random() % 256);
        const HttpResult reply = client->post(paths[i % 4], body);
        ASSERT_NE(reply.status, 0) << body;
        EXPECT_NE(reply.status, 500) << body;
    }
    for (int table = 1; table <= 10; ++table) {
        GameClient noise(quint16(server->gameBase() + table));
        QByteArray bytes;
        for (int k = 0; k < 500; ++k)
            bytes.append(char(random() % 256));
        noise.send(bytes);
    }
    HttpClient fresh(server->baseUrl());
    EXPECT_EQ(fresh.post("/stat.php", "gid=46").status, 200);
    const std::string token = seatToken(seatNewAccount(server->baseUrl(), "Zed", 1, 1));
    ASSERT_FALSE(token.empty());
    GameClient player(quint16(server->gameBase() + 1));
    player.send(connectFrame(1, token));
    EXPECT_FALSE(player.closedByServer(300));
}

TEST_F(HttpFront, AcknowledgedWritesSurviveARestart) {
    QTemporaryDir keep;
    const QString folder = keep.path() + QStringLiteral("/data");
    server = std::make_unique<RunningServer>(Backend::Sqlite, folder);
    ASSERT_TRUE(server->ok());
    HttpClient first(server->baseUrl());
    int acknowledged = 0;
    for (int i = 0; i < 50; ++i)
        if (first
                .post("/stat.php",
                      "gid=46&R1=1&R2=0&R3=0&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0")
                .body == "$ ok#")
            ++acknowledged;
    ASSERT_EQ(first
                  .post("/world.php",
                        "gid=46&nick=Ann&city=Oslo&country=1-035&score=10&R7=M&R8=5.7f&R9=#&R10=#*")
                  .body,
              "$1$");
    server->stop();
    server = std::make_unique<RunningServer>(Backend::Sqlite, folder);
    ASSERT_TRUE(server->ok());
    HttpClient second(server->baseUrl());
    EXPECT_EQ(acknowledged, 50);
    EXPECT_EQ(second.post("/stat.php", "gid=46")
                  .body.rfind("$0 0 0  " + std::to_string(acknowledged) + " ", 0),
              0u);
    EXPECT_EQ(second.post("/world.php", "rgid=46").body, "$1$");
}

} // namespace
