// The wem-server program itself: its command line, its log and a clean stop.
#include "ServerHarness.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>

using namespace servertest;

namespace {

struct ProgramRun {
    int exitCode;
    QString out;
    QString err;
};

ProgramRun runProgram(const QStringList &arguments) {
    QProcess process;
    process.start(QStringLiteral(QUARN_SERVER_EXE), arguments);
    process.waitForFinished(20000);
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// A statistics read, retried while the starting server does not answer yet.
HttpResult firstStatistics(HttpClient &client) {
    HttpResult reply;
    for (int attempt = 0; attempt < 100 && reply.status == 0; ++attempt) {
        reply = client.post("/stat.php", "gid=46");
        if (reply.status == 0)
            QThread::msleep(100);
    }
    return reply;
}

TEST(ServerProgram, HelpAndBadArgumentsEndAtOnce) {
    const ProgramRun help = runProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(QStringLiteral("--game-port-base")));
    const ProgramRun bad = runProgram({QStringLiteral("--http-port"), QStringLiteral("x")});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains(QStringLiteral("--http-port")));
}

TEST(ServerProgram, ServesLogsEachRequestAndStopsCleanlyOnSigterm) {
    ensureApplication();
    QTemporaryDir data;
    const quint16 http = freePort();
    const quint16 base = freePortBlock();
    QProcess process;
    process.start(QStringLiteral(QUARN_SERVER_EXE),
                  {QStringLiteral("--data"), data.path(), QStringLiteral("--http-port"),
                   QString::number(http), QStringLiteral("--game-port-base"),
                   QString::number(base)});
    ASSERT_TRUE(process.waitForStarted());
    HttpClient client("http://127.0.0.1:" + std::to_string(http));
    const HttpResult reply = firstStatistics(client);
    EXPECT_EQ(reply.status, 200);
    EXPECT_EQ(client.post("/stat.php", "gid=46", "nobody").status, 403);
    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    const QString log = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(log.contains(QStringLiteral("POST /stat.php 200"))) << log.toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("POST /stat.php 403"))) << log.toStdString();
    EXPECT_TRUE(QFileInfo::exists(data.filePath(QStringLiteral("wem.sqlite"))));
}

// Writes `text` to `path`, keeping the file's time as it was: an edit that
// the server's watch of size and time cannot see, only a reload.
void rewriteUnseen(const QString &path, const QByteArray &text) {
    const QDateTime modified = QFileInfo(path).lastModified(); // invalid for a new file
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite | QIODevice::Truncate));
    ASSERT_EQ(file.write(text), text.size());
    ASSERT_TRUE(file.flush());
    if (modified.isValid()) {
        ASSERT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
    }
}

// The log so far: the server writes it a few times a second.
QString logUntil(QProcess &process, QString &log, const QString &line) {
    for (int attempt = 0; attempt < 50 && !log.contains(line); ++attempt) {
        process.waitForReadyRead(100);
        log += QString::fromUtf8(process.readAllStandardError());
    }
    return log;
}

TEST(ServerProgram, SighupReloadsTheBanListAndTheConfiguration) {
    ensureApplication();
    QTemporaryDir data;
    const quint16 http = freePort();
    const quint16 base = freePortBlock();
    const QString config = data.filePath(QStringLiteral("wem-server.conf"));
    const auto writeConfig = [&](const char *quiet) {
        QFile file(config);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QStringLiteral("data = %1\nhttp-port = %2\ngame-port-base = %3\nquiet = %4\n")
                       .arg(data.path())
                       .arg(http)
                       .arg(base)
                       .arg(QLatin1String(quiet))
                       .toUtf8());
    };
    writeConfig("no");
    const QString bans = data.filePath(QStringLiteral("chat-bans.txt"));
    rewriteUnseen(bans, "zed\nyul\n");
    QProcess process;
    process.start(QStringLiteral(QUARN_SERVER_EXE), {QStringLiteral("--config"), config});
    ASSERT_TRUE(process.waitForStarted());
    HttpClient client("http://127.0.0.1:" + std::to_string(http));
    const auto chat = [&](const std::string &nick) {
        return client.post("/world.php", "gid=100&nick=" + nick +
                                             "&city=Oslo&country=1-035&score=1&R7=M&R8=5.7f&R9="
                                             "10:15_10.12.2026_Quarn&R10=Hi*");
    };
    const HttpResult reply = firstStatistics(client);
    ASSERT_EQ(reply.status, 200);
    EXPECT_EQ(chat("Cat").status, 200); // the server has read the list

    // Same size, same time: without the signal the new bans go unseen.
    rewriteUnseen(bans, "ann\nbob\n");
    EXPECT_EQ(chat("Ann").status, 200);
    writeConfig("yes");
    ::kill(pid_t(process.processId()), SIGHUP);
    QString log;
    logUntil(process, log, QStringLiteral("reloaded"));
    ASSERT_TRUE(log.contains(QStringLiteral("reloaded the configuration"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("a restart takes"))) << log.toStdString();
    EXPECT_EQ(chat("Bob").status, 403);
    EXPECT_EQ(chat("Dan").status, 200);

    // A configuration that no longer reads leaves the server as it was.
    QFile::resize(config, 0);
    QFile broken(config);
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("http-port = none\n");
    broken.close();
    ::kill(pid_t(process.processId()), SIGHUP);
    logUntil(process, log, QStringLiteral("kept the running configuration"));
    EXPECT_TRUE(log.contains(QStringLiteral("SIGHUP: kept the running configuration")))
        << log.toStdString();
    EXPECT_EQ(client.post("/stat.php", "gid=46").status, 200);

    ::kill(pid_t(process.processId()), SIGTERM);
    ASSERT_TRUE(process.waitForFinished(20000));
    EXPECT_EQ(process.exitCode(), 0);
    log += QString::fromUtf8(process.readAllStandardError());
    // The request lines stopped with quiet = yes; the first ones were logged.
    EXPECT_TRUE(log.contains(QStringLiteral("POST /world.php 200"))) << log.toStdString();
    EXPECT_FALSE(log.contains(QStringLiteral("POST /world.php 403"))) << log.toStdString();
}

TEST(ServerProgram, APortInUseIsReportedAsAFailure) {
    ensureApplication();
    QTcpServer holder;
    ASSERT_TRUE(holder.listen(QHostAddress::LocalHost, 0));
    QTemporaryDir data;
    const ProgramRun run =
        runProgram({QStringLiteral("--data"), data.path(), QStringLiteral("--http-port"),
                    QString::number(holder.serverPort()), QStringLiteral("--game-port-base"),
                    QString::number(freePortBlock())});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("HTTP port"))) << run.err.toStdString();
}

} // namespace
