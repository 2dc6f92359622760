// HTTPS: wem-server with a certificate of a club's own authority, and the
// program's web client reaching it through a server file that names that
// authority; a client that cannot verify the certificate sends nothing.
#include "ServiceFixture.h"
#include "tests/server/TestMember.h"

#include "store/AtomicFile.h"
#include "web/WebServices.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

using namespace servertest;

namespace {

// Runs openssl in `folder`; false (with its output) when it failed.
testing::AssertionResult openssl(const QString &folder, const QStringList &arguments) {
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral("openssl"), arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return testing::AssertionFailure() << "openssl " << arguments.join(' ').toStdString()
                                           << ": " << process.readAll().toStdString();
    return testing::AssertionSuccess();
}

// An authority `name`.pem/.key, and with `server` a certificate it signs for
// 127.0.0.1 (server.pem, server.key). EC keys: quick to make.
testing::AssertionResult makeAuthority(const QString &folder, const QString &name) {
    return openssl(folder, {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                            "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", name + ".key",
                            "-out", name + ".pem", "-days", "2", "-subj", "/CN=" + name});
}

testing::AssertionResult makeServerCertificate(const QString &folder, const QString &authority) {
    QFile extensions(QDir(folder).filePath(QStringLiteral("server.ext")));
    if (!extensions.open(QIODevice::WriteOnly) ||
        extensions.write("subjectAltName = IP:127.0.0.1\nbasicConstraints = CA:FALSE\n") < 0)
        return testing::AssertionFailure() << "cannot write server.ext";
    extensions.close();
    const testing::AssertionResult request = openssl(
        folder, {"req", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes",
                 "-keyout", "server.key", "-out", "server.csr", "-subj", "/CN=127.0.0.1"});
    if (!request)
        return request;
    return openssl(folder, {"x509", "-req", "-in", "server.csr", "-CA", authority + ".pem",
                            "-CAkey", authority + ".key", "-CAcreateserial", "-out", "server.pem",
                            "-days", "2", "-extfile", "server.ext"});
}

class Https : public testing::Test {
  protected:
    void SetUp() override {
        ensureApplication();
        ASSERT_TRUE(makeAuthority(keys.path(), QStringLiteral("club-ca")));
        ASSERT_TRUE(makeAuthority(keys.path(), QStringLiteral("stranger-ca")));
        ASSERT_TRUE(makeServerCertificate(keys.path(), QStringLiteral("club-ca")));
        ServerSetup setup;
        setup.adjust = [this](server::ServerOptions &options) {
            options.tlsCert = keys.filePath(QStringLiteral("server.pem"));
            options.tlsKey = keys.filePath(QStringLiteral("server.key"));
        };
        server = std::make_unique<RunningServer>(setup);
        ASSERT_TRUE(server->ok()) << server->error().toStdString();
        base = "https://127.0.0.1:" + std::to_string(server->httpPort());
    }

    // A program folder whose server file holds `text`; the client it gives.
    std::unique_ptr<web::WebClient> clientFor(const std::string &text) {
        const std::filesystem::path program =
            std::filesystem::path(top.path().toStdString()) / ("Quarn" + std::to_string(++runs));
        std::filesystem::create_directories(program);
        EXPECT_TRUE(quarn::writeFileAtomically(program / "Quarn.srv", text));
        return std::make_unique<web::WebClient>(web::serverOfRun(program));
    }
    std::string authority(const char *name) const {
        return keys.filePath(QString::fromLatin1(name) + ".pem").toStdString();
    }
    qint64 accounts() {
        DirectDb db(server->databaseUrl(), server->dataDir());
        return db.number(QStringLiteral("SELECT COUNT(*) FROM accounts"));
    }

    QTemporaryDir keys, top;
    std::unique_ptr<RunningServer> server;
    std::string base;
    int runs = 0;
};

TEST_F(Https, TheClubsAuthorityLetsTheProgramRegisterAndLogIn) {
    // The authority named relative to the server file's folder.
    ASSERT_TRUE(QFile::copy(QString::fromStdString(authority("club-ca")),
                            top.filePath(QStringLiteral("club-ca.pem"))));
    const auto client = clientFor(base + "\n../club-ca.pem\n");
    ASSERT_EQ(client->source(), web::ServerSource::File);
    EXPECT_EQ(client->addresses().worldService, base + "/world.php");
    web::WebServices services(*client);
    const web::TWemUser ann = testMember({.nick = "Ann", .email = "ann@mail.ru"});
    EXPECT_EQ(services.RegisterAccount(ann), web::kRegistered);
    const auto login = services.LoginAccount("Ann", ann.Pw);
    ASSERT_TRUE(login.ok);
    EXPECT_EQ(login.value.EMail, "ann@mail.ru");
    EXPECT_EQ(accounts(), 1);
}

TEST_F(Https, ACertificateThatDoesNotVerifyGetsNothingSent) {
    const struct {
        const char *what;
        std::string file;
    } cases[] = {
        {"no authority: the system's store does not know the club's", base + "\n"},
        {"another authority", base + "\n" + authority("stranger-ca") + "\n"},
        {"an authority file that is missing", base + "\n" + authority("missing") + "\n"},
    };
    for (const auto &c : cases) {
        const auto client = clientFor(c.file);
        web::WebServices services(*client);
        const web::TWemUser bob = testMember({.nick = "Bob"});
        EXPECT_NE(services.RegisterAccount(bob), web::kRegistered) << c.what;
        EXPECT_FALSE(services.LoginAccount("Bob", bob.Pw).ok) << c.what;
    }
    EXPECT_EQ(accounts(), 0);
}

TEST_F(Https, PlainHttpOnTheTlsPortGetsNoAnswer) {
    HttpClient plain("http://127.0.0.1:" + std::to_string(server->httpPort()));
    EXPECT_EQ(plain.post("/acc.php", ServiceTest::registerBody("Cid")).status, 0);
    EXPECT_EQ(accounts(), 0);
}

TEST(HttpsSetup, AnUnreadableCertificateOrKeyStopsTheStart) {
    QTemporaryDir keys;
    ASSERT_TRUE(makeAuthority(keys.path(), QStringLiteral("club-ca")));
    const QString pem = keys.filePath(QStringLiteral("club-ca.pem"));
    const QString key = keys.filePath(QStringLiteral("club-ca.key"));
    const QString missing = keys.filePath(QStringLiteral("missing.pem"));
    const std::pair<QString, QString> cases[] = {
        {missing, key}, {pem, missing}, {key, key}, {pem, pem}};
    for (const auto &[certificate, privateKey] : cases) {
        ServerSetup setup;
        setup.adjust = [&](server::ServerOptions &options) {
            options.tlsCert = certificate;
            options.tlsKey = privateKey;
        };
        RunningServer server(setup);
        EXPECT_FALSE(server.ok()) << certificate.toStdString() << " " << privateKey.toStdString();
        EXPECT_TRUE(server.error().startsWith(QStringLiteral("TLS: ")))
            << server.error().toStdString();
    }
}

} // namespace
