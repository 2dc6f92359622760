// wem-server: the online services, pages and game server of Quarn.
#include "server/ServerOptions.h"
#include "server/WemServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGINT and SIGTERM end the event loop, so the server closes its sockets
// and its database cleanly.
void quitOnSignals(QCoreApplication &app) {
    if (::pipe(signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app] {
        char byte;
        [[maybe_unused]] const auto got = ::read(signalPipe[0], &byte, 1);
        app.quit();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// Connections are bounded by the server's own limits, not by the soft limit
// of open files (often 1024): raise it as far as the system allows.
void raiseOpenFileLimit() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < limit.rlim_max) {
        limit.rlim_cur = limit.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &limit);
    }
}

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("wem-server"));
    const server::ParsedOptions parsed = server::parseServerOptions(app.arguments());
    if (!parsed.options) {
        std::fputs(qPrintable(parsed.message + QLatin1Char('\n')),
                   parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    server::ServerOptions options = *parsed.options;
    const QString appDir = QCoreApplication::applicationDirPath();
    if (options.dataDir.isEmpty())
        options.dataDir = server::defaultDataDir(appDir);
    // The build puts the game's program folder beside the server's folder.
    const QString programDir = QDir(appDir).absoluteFilePath(QStringLiteral("../Quarn"));

    raiseOpenFileLimit();
    server::WemServer wem(options, programDir);
    QString error;
    if (!wem.start(&error)) {
        std::fprintf(stderr, "wem-server: %s\n", qPrintable(error));
        return 1;
    }
    quitOnSignals(app);
    const int code = app.exec();
    wem.log().note("stopping");
    wem.stop();
    return code;
}
