#pragma once
// A wem-server with a client, for the service tests; run on SQLite and, when
// PostgreSQL can be started, on PostgreSQL too.
#include "ServerHarness.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace servertest {

class ServiceTest : public testing::TestWithParam<Backend> {
  protected:
    void SetUp() override {
        ServerSetup setup;
        setup.backend = GetParam();
        setup.adjust = adjust;
        server = std::make_unique<RunningServer>(setup);
        if (!server->ok()) {
            if (GetParam() == Backend::Postgres)
                GTEST_SKIP() << server->error().toStdString();
            FAIL() << server->error().toStdString();
        }
        client = std::make_unique<HttpClient>(server->baseUrl());
    }
    void TearDown() override {
        client.reset();
        server.reset();
    }

    HttpResult acc(const std::string &body) { return client->post("/acc.php", body); }
    HttpResult world(const std::string &body) { return client->post("/world.php", body); }
    HttpResult stat(const std::string &body) { return client->post("/stat.php", body); }
    HttpResult tour(const std::string &body) { return client->post("/tour.php", body); }

  public:
    // Registers an account with sensible fields, changed by `extra` ("&city=Oslo" ...
    // replaces nothing: callers give a whole body when they need other values).
    static std::string registerBody(const std::string &nick, const std::string &pw = "secret1",
                                    const std::string &city = "Moscow",
                                    const std::string &email = "ann@mail.ru",
                                    const std::string &country2 = "1-001") {
        return "nick=" + nick + "&pw=" + pw + "&city=" + city +
               "&country1=Russia&country2=" + country2 + "&sex=M&email=" + email +
               "&dater=10.12.2025&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0";
    }

  protected:
    void registerAndLogin(const std::string &nick, const std::string &pw = "secret1") {
        ASSERT_EQ(acc(registerBody(nick, pw)).body, "$ok$");
        ASSERT_EQ(acc("nick=" + nick + "&pw=" + pw + "&label0=0").status, 200);
    }
    DirectDb db() { return DirectDb(server->databaseUrl(), server->dataDir()); }
    // An account's game record as earlier matches left it (no request sets one).
    void storeRecord(const std::string &nick, const GameRecord &r) {
        storeGameRecord(*server, nick, r);
    }

    // Options of the server beyond the defaults, set before SetUp runs.
    std::function<void(server::ServerOptions &)> adjust;
    std::unique_ptr<RunningServer> server;
    std::unique_ptr<HttpClient> client;
};

inline std::string backendParamName(const testing::TestParamInfo<Backend> &info) {
    return backendName(info.param);
}

#define INSTANTIATE_ON_BOTH_BACKENDS(Suite)                                                        \
    INSTANTIATE_TEST_SUITE_P(                                                                      \
        Db, Suite, testing::Values(servertest::Backend::Sqlite, servertest::Backend::Postgres),    \
        servertest::backendParamName)

// A seat change of the tournament lobby as the program posts it: action 1
// takes the seat with the nick's entry, 0 and 2 free it with the free-seat
// record; `form` "client3on" is the variant the program sends when it finds
// the server off.
inline std::string seatChangeBody(int table, int seat, int action, const std::string &nick,
                                  const std::string &form = "client4on") {
    const std::string s = std::to_string(seat);
    const bool own = action == 1;
    return form + s + "=0&gid=46&num=" + std::to_string(table) + "&can=" + std::to_string(action) +
           "&nick" + s + "=" + (own ? nick : "X") + "&score" + s + "=0&kon" + s + "=0&rating" + s +
           "=0&country" + s + "=" + (own ? "1-001" : "X") + "&city" + s + "=" +
           (own ? "Moscow" : "X") + "&sex" + s + "=" + (own ? "M" : "X") + "&ip" + s + "=" +
           (own ? "127.0.0.1" : "X");
}

// A new account, logged in on an HTTP client of its own, takes the seat, as
// a program does before it connects to the game server (the game server
// takes a role only for a taken seat). The seat change's reply.
inline std::string seatNewAccount(const std::string &baseUrl, const std::string &nick, int table,
                                  int seat) {
    HttpClient program(baseUrl);
    program.post("/acc.php", ServiceTest::registerBody(nick));
    program.post("/acc.php", "nick=" + nick + "&pw=secret1&label0=0");
    return program.post("/tour.php", seatChangeBody(table, seat, 1, nick)).body;
}

// The game-server token of a taken seat's reply "$ok <token>$"; empty for any other reply.
inline std::string seatToken(const std::string &reply) {
    if (reply.rfind("$ok ", 0) != 0 || reply.size() < 6 || reply.back() != '$')
        return {};
    return reply.substr(4, reply.size() - 5);
}

// A seat taken: "$ok" with a token of 32 hex digits.
inline bool seatTaken(const std::string &reply) {
    const std::string token = seatToken(reply);
    return token.size() == 32 && token.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// The "connect" frame of a role with a seat token in its spare bytes.
inline QByteArray connectFrame(int role, const std::string &token) {
    return frame("connect" + QByteArray::number(role) + QByteArray::fromStdString(token),
                 char('0' + role));
}

// The program reads "ok" and "is" anywhere in a reply as success or "nick taken".
inline bool holdsStatusWord(const std::string &reply) {
    return reply.find("ok") != std::string::npos || reply.find("is") != std::string::npos;
}

} // namespace servertest
