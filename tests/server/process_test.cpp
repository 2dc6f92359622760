// The wem-server program itself: its command line, its log and a clean stop.
#include "ServerHarness.h"

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
    HttpResult reply;
    for (int attempt = 0; attempt < 100 && reply.status == 0; ++attempt) {
        reply = client.post("/stat.php", "gid=46");
        if (reply.status == 0)
            QThread::msleep(100);
    }
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
