// The command line of wem-server.
#include "server/ServerOptions.h"

#include <QFile>
#include <QTemporaryDir>

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

// The values both the full command line and the full configuration file set.
void expectEveryOptionSet(const server::ParsedOptions &parsed, const QString &dataDir) {
    ASSERT_TRUE(parsed.options) << parsed.message.toStdString();
    EXPECT_EQ(parsed.options->listen, QHostAddress(QHostAddress::AnyIPv4));
    EXPECT_EQ(parsed.options->httpPort, 9000);
    EXPECT_EQ(parsed.options->gamePortBase, 30000);
    EXPECT_EQ(parsed.options->dataDir, dataDir);
    EXPECT_EQ(parsed.options->databaseUrl,
              QStringLiteral("postgresql://wem:pw@db.example:5432/wem"));
    EXPECT_EQ(parsed.options->gameServerAddress(), QStringLiteral("192.0.2.7"));
    EXPECT_TRUE(parsed.options->quiet);
    EXPECT_EQ(parsed.options->maxConnectionsPerAddress, 16);
    EXPECT_EQ(parsed.options->maxConnections, 500);
    EXPECT_EQ(parsed.options->tlsCert, QStringLiteral("/etc/wem/cert.pem"));
    EXPECT_EQ(parsed.options->tlsKey, QStringLiteral("/etc/wem/key.pem"));
}

TEST(ServerOptions, EveryOptionIsRead) {
    const auto parsed = parseServerOptions(args({"--listen",
                                                 "0.0.0.0",
                                                 "--http-port",
                                                 "9000",
                                                 "--game-port-base",
                                                 "30000",
                                                 "--data",
                                                 "/srv/wem",
                                                 "--db",
                                                 "postgresql://wem:pw@db.example:5432/wem",
                                                 "--public-address",
                                                 "192.0.2.7",
                                                 "--quiet",
                                                 "--max-connections-per-address",
                                                 "16",
                                                 "--max-connections",
                                                 "500",
                                                 "--tls-cert",
                                                 "/etc/wem/cert.pem",
                                                 "--tls-key",
                                                 "/etc/wem/key.pem"}));
    expectEveryOptionSet(parsed, QStringLiteral("/srv/wem"));
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
        args({"--tls-cert", "cert.pem"}), // a certificate needs its key
        args({"--tls-key", "key.pem"}),
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

// A configuration file in a temporary folder.
class ConfigFile {
  public:
    explicit ConfigFile(const char *text) {
        QFile file(path());
        if (file.open(QIODevice::WriteOnly))
            file.write(text);
    }
    QString path() const { return folder_.filePath(QStringLiteral("wem-server.conf")); }

  private:
    QTemporaryDir folder_;
};

TEST(ServerConfigFile, EveryOptionIsReadFromTheFile) {
    const ConfigFile config("# a club's server\n"
                            "listen = 0.0.0.0\n"
                            "  http-port=9000  \n"
                            "\n"
                            "game-port-base = 30000\n"
                            "data = /var/lib/wem server\n"
                            "db = postgresql://wem:pw@db.example:5432/wem\n"
                            "public-address = 192.0.2.7\n"
                            "quiet = yes\n"
                            "max-connections-per-address = 16\n"
                            "max-connections = 500\n"
                            "tls-cert = /etc/wem/cert.pem\n"
                            "tls-key = /etc/wem/key.pem\n");
    const auto parsed = parseServerOptions(
        {QStringLiteral("wem-server"), QStringLiteral("--config"), config.path()});
    expectEveryOptionSet(parsed, QStringLiteral("/var/lib/wem server"));
}

TEST(ServerConfigFile, TheCommandLineOverridesTheFileInEitherOrder) {
    const ConfigFile config("http-port = 9000\ndata = /srv/file\nquiet = no\n");
    const QString file = config.path();
    const QStringList orders[] = {
        {QStringLiteral("wem-server"), QStringLiteral("--http-port"), QStringLiteral("9100"),
         QStringLiteral("--config"), file},
        {QStringLiteral("wem-server"), QStringLiteral("--config=") + file,
         QStringLiteral("--http-port"), QStringLiteral("9100")},
    };
    for (const QStringList &arguments : orders) {
        const auto parsed = parseServerOptions(arguments);
        ASSERT_TRUE(parsed.options) << parsed.message.toStdString();
        EXPECT_EQ(parsed.options->httpPort, 9100);
        EXPECT_EQ(parsed.options->dataDir, QStringLiteral("/srv/file"));
        EXPECT_FALSE(parsed.options->quiet);
    }
}

TEST(ServerConfigFile, BadFilesAreRefusedNamingTheLine) {
    struct Case {
        const char *text;
        const char *reason; // part of the message
    };
    const Case cases[] = {
        {"listen = 0.0.0.0\nport = 80\n", "wem-server.conf:2: unknown key: port"},
        {"listen 0.0.0.0\n", "wem-server.conf:1: expected key = value"},
        {"quiet = perhaps\n", "quiet takes yes or no"},
        {"http-port = eighty\n", "--http-port: not a port: eighty"},
        {"config = other.conf\n", "unknown key: config"},
        {"help = yes\n", "unknown key: help"},
    };
    for (const Case &c : cases) {
        const ConfigFile config(c.text);
        const auto parsed = parseServerOptions(
            {QStringLiteral("wem-server"), QStringLiteral("--config"), config.path()});
        EXPECT_FALSE(parsed.options) << c.text;
        EXPECT_EQ(parsed.exitCode, 2) << c.text;
        EXPECT_TRUE(parsed.message.contains(QLatin1String(c.reason)))
            << c.text << " -> " << parsed.message.toStdString();
    }
}

TEST(ServerConfigFile, AMissingFileOrAMissingNameIsRefused) {
    const ConfigFile config("quiet = yes\n");
    const std::vector<QStringList> bad = {
        args({"--config", "/nonexistent/wem-server.conf"}),
        args({"--config"}),
        {QStringLiteral("wem-server"), QStringLiteral("--config"), config.path(),
         QStringLiteral("--config"), config.path()},
    };
    for (const QStringList &a : bad) {
        const auto parsed = parseServerOptions(a);
        EXPECT_FALSE(parsed.options) << a.join(' ').toStdString();
        EXPECT_EQ(parsed.exitCode, 2) << a.join(' ').toStdString();
        EXPECT_TRUE(parsed.message.contains(QLatin1String("--config")))
            << parsed.message.toStdString();
    }
}

} // namespace
