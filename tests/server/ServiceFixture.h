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
        server = std::make_unique<RunningServer>(GetParam());
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
    void registerAndLogin(const std::string &nick, const std::string &pw = "secret1") {
        ASSERT_EQ(acc(registerBody(nick, pw)).body, "$ok$");
        ASSERT_EQ(acc("nick=" + nick + "&pw=" + pw + "&label0=0").status, 200);
    }
    DirectDb db() { return DirectDb(server->databaseUrl(), server->dataDir()); }

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

// The program reads "ok" and "is" anywhere in a reply as success or "nick taken".
inline bool holdsStatusWord(const std::string &reply) {
    return reply.find("ok") != std::string::npos || reply.find("is") != std::string::npos;
}

} // namespace servertest
