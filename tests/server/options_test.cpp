// The command line of wem-server.
#include "server/ServerOptions.h"

#include <gtest/gtest.h>

using server::parseServerOptions;

namespace {

QStringList args(std::initializer_list<const char *> list) {
    QStringList result{QStringLiteral("wem-server")};
    for (const char *a : list)
        result << QString::fromUtf8(a);
    return result;
}

TEST(ServerOptions, DefaultsAreLoopbackAndTheProgramsPorts) {
    const auto parsed = parseServerOptions(args({}));
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->listen, QHostAddress(QHostAddress::LocalHost));
    EXPECT_EQ(parsed.options->httpPort, 8046);
    EXPECT_EQ(parsed.options->gamePortBase, 25046);
    EXPECT_TRUE(parsed.options->dataDir.isEmpty());
    EXPECT_TRUE(parsed.options->databaseUrl.isEmpty());
    EXPECT_EQ(parsed.options->gameServerAddress(), QStringLiteral("127.0.0.1"));
}

TEST(ServerOptions, EveryOptionIsRead) {
    const auto parsed = parseServerOptions(
        args({"--listen", "0.0.0.0", "--http-port", "9000", "--game-port-base", "30000", "--data",
              "/srv/wem", "--db", "postgresql://wem:pw@db.example:5432/wem", "--public-address",
              "192.0.2.7", "--quiet", "--max-connections-per-address", "16", "--max-connections",
              "500"}));
    ASSERT_TRUE(parsed.options) << parsed.message.toStdString();
    EXPECT_EQ(parsed.options->httpPort, 9000);
    EXPECT_EQ(parsed.options->gamePortBase, 30000);
    EXPECT_EQ(parsed.options->dataDir, QStringLiteral("/srv/wem"));
    EXPECT_EQ(parsed.options->databaseUrl,
              QStringLiteral("postgresql://wem:pw@db.example:5432/wem"));
    EXPECT_EQ(parsed.options->gameServerAddress(), QStringLiteral("192.0.2.7"));
    EXPECT_TRUE(parsed.options->quiet);
    EXPECT_EQ(parsed.options->maxConnectionsPerAddress, 16);
    EXPECT_EQ(parsed.options->maxConnections, 500);
}

TEST(ServerOptions, ListeningEverywhereGivesPlayersLoopbackUnlessAPublicAddressIsSet) {
    const auto parsed = parseServerOptions(args({"--listen", "0.0.0.0"}));
    ASSERT_TRUE(parsed.options);
    EXPECT_EQ(parsed.options->gameServerAddress(), QStringLiteral("127.0.0.1"));
}

TEST(ServerOptions, HelpExplainsEachOptionAndRunsNothing) {
    const auto parsed = parseServerOptions(args({"--help"}));
    EXPECT_FALSE(parsed.options);
    EXPECT_EQ(parsed.exitCode, 0);
    for (const char *option :
         {"--listen", "--http-port", "--game-port-base", "--data", "--db", "--public-address"})
        EXPECT_TRUE(parsed.message.contains(QLatin1String(option))) << option;
}

TEST(ServerOptions, BadArgumentsAreRefusedWithAReason) {
    const std::vector<QStringList> bad = {
        args({"--http-port", "70000"}),
        args({"--http-port", "eighty"}),
        args({"--game-port-base", "0"}),
        args({"--game-port-base", "65530"}),
        args({"--listen", "not-an-address"}),
        args({"--db", "mysql://x"}),
        args({"--public-address", "nowhere"}),
        args({"--max-connections-per-address", "0"}),
        args({"--max-connections", "many"}),
        args({"--unknown"}),
        args({"stray"}),
    };
    for (const QStringList &a : bad) {
        const auto parsed = parseServerOptions(a);
        EXPECT_FALSE(parsed.options) << a.join(' ').toStdString();
        EXPECT_EQ(parsed.exitCode, 2) << a.join(' ').toStdString();
        EXPECT_FALSE(parsed.message.isEmpty());
    }
}

} // namespace
