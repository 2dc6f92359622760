#pragma once
// The command line of wem-server.
#include <QHostAddress>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace server {

// The chat's rate limit (server/ChatGuard.h).
struct ChatLimits {
    qint64 nickIntervalMs = 10'000; // between two posts of one nick
    int nickPerHour = 30;           // posts of one nick within an hour
    int addressPerMinute = 6;       // posts from one address within a minute
    int addressPerHour = 120;       // posts from one address within an hour
};

struct ServerOptions {
    QHostAddress listen{QHostAddress::LocalHost};
    quint16 httpPort = 8046;
    quint16 gamePortBase = 25046;      // table t listens on base + t
    QString dataDir;                   // empty: "wem-data" beside the executable
    QString databaseUrl;               // empty: SQLite in the data folder
    QString publicAddress;             // empty: derived from the listen address
    bool quiet = false;                // no request log (the load benchmark)
    int maxConnectionsPerAddress = 64; // HTTP connections of one caller address at once
    int maxConnections = 4096;         // HTTP connections at once
    // With both set (PEM files), the HTTP port speaks only HTTPS.
    QString tlsCert; // the certificate, followed by its chain if any
    QString tlsKey;  // its private key, unencrypted
    // Not on the command line (the tests lower them): game-server connections
    // that have not announced their role yet, per address and in all.
    int maxUnannouncedPerAddress = 8;
    int maxUnannounced = 200;
    // How long the game server waits for an awaited action at a table (the
    // program's move clock of 26 s, plus room for the network and the
    // program's card flights); not on the command line (the tests lower it).
    int moveDeadlineMs = 40'000;
    // Key derivations waiting or running, in all and per address.
    int maxPasswordChecks = 32;
    int maxPasswordChecksPerAddress = 2;
    // How long a delayed or unadmitted password check waits for its refusal.
    int refusalHoldMs = 1000;
    // PBKDF2 rounds for new password hashes; not on the command line (the
    // tests lower it to keep their many registrations quick).
    int passwordIterations = 60'000;
    // Not on the command line: the chat's rate limit.
    ChatLimits chatLimits;
    // Not on the command line: seconds since the epoch for the sessions and the
    // password delays; empty is the system clock (tests hold it still).
    std::function<qint64()> clock;

    // The address the tournament lobby gives out for the game server.
    QString gameServerAddress() const;
};

struct ParsedOptions {
    std::optional<ServerOptions> options; // empty: do not run
    QString message;                      // help text or the error
    int exitCode = 0;
};

// Reads the arguments (the first being the program name). --help gives the
// help text and exit code 0; a bad argument gives an error and exit code 2.
// --config FILE reads options from a file first; the command line overrides.
ParsedOptions parseServerOptions(const QStringList &arguments);

// The options of a configuration file as arguments appended to `arguments`:
// "key = value" lines for the value options, "key = yes/no" for the flags,
// blank lines and "#" comments skipped. False, with the file and line in
// `error`, for an unreadable file, an unknown key or a line without "=".
bool configArguments(const QString &file, const QStringList &valueOptions,
                     const QStringList &flagOptions, QStringList &arguments, QString &error);

// The default data folder: "wem-data" beside the executable.
QString defaultDataDir(const QString &applicationDir);

} // namespace server
