// The statistics service's counters.
#include "ServiceFixture.h"

using namespace servertest;

namespace {

class Statistics : public ServiceTest {};
INSTANTIATE_ON_BOTH_BACKENDS(Statistics);

std::string gameStats(const std::array<long long, 12> &r) {
    std::string body = "gid=46";
    for (int i = 0; i < 12; ++i)
        body += "&R" + std::to_string(i + 1) + "=" + std::to_string(r[size_t(i)]);
    return body;
}

// The statistics "ok": the second and third characters after the last "$".
bool accepted(const std::string &reply) {
    const size_t dollar = reply.rfind('$', reply.size() >= 2 ? reply.size() - 2 : 0);
    if (dollar == std::string::npos)
        return false;
    const std::string text = reply.substr(dollar + 1, reply.find('#', dollar) - dollar - 1);
    return text.size() >= 3 && text.substr(1, 2) == "ok";
}

TEST_P(Statistics, StartsLikesAndMatchesFeedTheCounters) {
    EXPECT_EQ(stat("gid=46").body, "$0 0 0  0 0 0 0 0 0 0 0 0 0 0 0 0 *");
    EXPECT_TRUE(accepted(stat("gid=46&stat1=1&stat2=1").body));
    EXPECT_TRUE(accepted(stat("gid=46&stat1=1&stat2=0").body));
    EXPECT_TRUE(accepted(stat("gid=46&stat3=1&stat4=Ann").body));
    EXPECT_TRUE(accepted(
        stat("gid=46&stat3=1&stat4=\xC8\xE3\xF0\xEE\xEA").body)); // a Cyrillic passport nick
    EXPECT_TRUE(accepted(stat(gameStats({12, 0, 0, 40, 0, 0, 0, 0, 0, 0, 0, 0})).body));
    EXPECT_TRUE(accepted(stat(gameStats({30, 1, 25, 0, 3, 1, 0, 0, 0, 0, 0, 7})).body));
    EXPECT_EQ(stat("gid=46").body, "$2 1 2 \xC8\xE3\xF0\xEE\xEA 42 1 25 40 3 1 0 0 0 0 0 7 0 *");
    // Another game code has counters of its own.
    EXPECT_EQ(stat("gid=47").body.substr(0, 4), "$0 0");
}

TEST_P(Statistics, ForgedValuesAreRefusedAndCountNothing) {
    const std::string refused[] = {
        "gid=46&stat1=5&stat2=0",
        "gid=46&stat1=1&stat2=-1",
        "gid=46&stat1=1",
        "gid=46&stat3=2&stat4=Ann",
        "gid=46&stat3=1&stat4=A b",
        gameStats({-1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
        gameStats({2000000, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}),
        "gid=46&R1=1&R2=0",
        "gid=abc&stat1=1&stat2=0",
    };
    for (const std::string &body : refused) {
        const HttpResult reply = stat(body);
        EXPECT_EQ(reply.status, 400) << body;
        EXPECT_FALSE(accepted(reply.body)) << body;
    }
    EXPECT_EQ(stat("gid=46").body, "$0 0 0  0 0 0 0 0 0 0 0 0 0 0 0 0 *");
}

TEST_P(Statistics, ACounterBeyondThirtyTwoBitsIsShownAtTheLargestValue) {
    ASSERT_TRUE(accepted(stat(gameStats({1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0})).body));
    db().exec(QStringLiteral("UPDATE stats SET x1 = 5000000000 WHERE gid = 46"));
    EXPECT_EQ(stat("gid=46").body.substr(0, 20), "$0 0 0  2147483647 0");
}

} // namespace
