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

// The data folder defaults to "wem-data" beside the executable.
server::ServerOptions withDefaults(server::ServerOptions options) {
    if (options.dataDir.isEmpty())
        options.dataDir = server::defaultDataDir(QCoreApplication::applicationDirPath());
    return options;
}

// Only writes the signal's number to the pipe: the event loop does the rest.
void onSignal(int number) {
    const char byte = char(number);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGHUP reads the configuration (the same command line and file) and the
// chat's lists again; a configuration that no longer reads is refused and
// the server runs on as it was.
void reloadOnHangup(server::WemServer &wem, const QStringList &arguments) {
    const server::ParsedOptions parsed = server::parseServerOptions(arguments);
    QString error = parsed.message;
    if (!parsed.options || !wem.reload(withDefaults(*parsed.options), &error))
        wem.log().note("SIGHUP: kept the running configuration: " + error.toUtf8());
}

// SIGINT and SIGTERM end the event loop, so the server closes its sockets
// and its database cleanly; SIGHUP reloads.
void handleSignals(QCoreApplication &app, server::WemServer &wem) {
    if (::pipe(signalPipe) != 0)
        return;
    auto *notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [&app, &wem] {
        char byte = 0;
        if (::read(signalPipe[0], &byte, 1) != 1)
            return;
        if (byte == SIGHUP)
            reloadOnHangup(wem, app.arguments());
        else
            app.quit();
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int number : {SIGINT, SIGTERM, SIGHUP})
        sigaction(number, &action, nullptr);
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
    const server::ServerOptions options = withDefaults(*parsed.options);
    const QString appDir = QCoreApplication::applicationDirPath();
    // The build puts the game's program folder beside the server's folder.
    const QString programDir = QDir(appDir).absoluteFilePath(QStringLiteral("../Quarn"));

    raiseOpenFileLimit();
    server::WemServer wem(options, programDir);
    QString error;
    if (!wem.start(&error)) {
        std::fprintf(stderr, "wem-server: %s\n", qPrintable(error));
        return 1;
    }
    handleSignals(app, wem);
    const int code = app.exec();
    wem.log().note("stopping");
    wem.stop();
    return code;
}
