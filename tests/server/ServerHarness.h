#pragma once
// Test harness for wem-server: the server running in-process on a thread of
// its own (free ports, a temporary data folder), a blocking HTTP client on
// libcurl, raw game-server connections and a throwaway PostgreSQL cluster.
#include "server/ServerOptions.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <memory>
#include <optional>
#include <string>

class QThread;

namespace servertest {

// Makes sure a QCoreApplication exists (the server's thread needs one).
void ensureApplication();

// A free TCP port on 127.0.0.1, and a base port whose next ten ports are free.
quint16 freePort();
quint16 freePortBlock(int count = 10);

enum class Backend { Sqlite, Postgres };
const char *backendName(Backend backend);

// A PostgreSQL cluster in a temporary folder, started once per test program
// and stopped at its end. Each call of newDatabaseUrl() creates an empty
// database. Unavailable (with the reason) when PostgreSQL is not installed or
// will not start.
class PostgresCluster {
  public:
    static PostgresCluster &instance();
    bool available() const { return available_; }
    const QString &whyNot() const { return whyNot_; }
    QString newDatabaseUrl();
    ~PostgresCluster();

  private:
    PostgresCluster();
    bool available_ = false;
    QString whyNot_;
    QString folder_;
    QString binDir_;
    QString user_;
    quint16 port_ = 0;
    int databases_ = 0;
};

// What a test server is started with beyond the defaults.
struct ServerSetup {
    Backend backend = Backend::Sqlite;
    QString dataDir;     // empty: a temporary folder
    QString databaseUrl; // a given database (a second server on the same one)
    QString programDir;  // the game's program folder offered for downloads
    std::function<void(server::ServerOptions &)> adjust; // lowered limits and the like
};

// wem-server on its own thread, started in the constructor.
class RunningServer {
  public:
    explicit RunningServer(Backend backend = Backend::Sqlite, const QString &dataDir = QString());
    explicit RunningServer(const ServerSetup &setup);
    ~RunningServer();
    bool ok() const { return error_.isEmpty(); }
    const QString &error() const { return error_; }
    std::string baseUrl() const;
    quint16 httpPort() const { return httpPort_; }
    quint16 gameBase() const { return options_.gamePortBase; }
    const QString &dataDir() const { return options_.dataDir; }
    const QString &databaseUrl() const { return options_.databaseUrl; }
    // Stops the server (its thread ends); the data folder stays.
    void stop();

  private:
    std::unique_ptr<QTemporaryDir> temp_;
    server::ServerOptions options_;
    QThread *thread_ = nullptr;
    QString error_;
    quint16 httpPort_ = 0;
};

struct HttpResult {
    long status = 0; // 0: no answer
    std::string body;
};

// One HTTP client with its own cookie store, like the program's shared client.
class HttpClient {
  public:
    explicit HttpClient(std::string baseUrl);
    ~HttpClient();
    HttpClient(const HttpClient &) = delete;
    HttpClient &operator=(const HttpClient &) = delete;
    // A form post with the access token as User-Agent (or `agent`).
    HttpResult post(const std::string &path, const std::string &body,
                    const char *agent = "KorbelWintaph");
    HttpResult get(const std::string &path, long maxBytes = 0);
    // Talks to another server from now on, keeping the cookies.
    void setBaseUrl(std::string baseUrl) { base_ = std::move(baseUrl); }

  private:
    std::string base_;
    void *curl_;
};

// The test's own connection to the server's database (SQLite file or
// PostgreSQL), to set up and check what is stored.
class DirectDb {
  public:
    DirectDb(const QString &databaseUrl, const QString &dataDir);
    DirectDb(const DirectDb &) = delete;
    DirectDb &operator=(const DirectDb &) = delete;
    ~DirectDb();
    qint64 number(const QString &sql);
    void exec(const QString &sql);

  private:
    QString name_;
};

// A raw game-server connection: sends 50-byte frames, receives bytes.
class GameClient {
  public:
    // source: the local address to connect from (any of 127.0.0.0/8 reaches the server).
    GameClient(quint16 port, const char *source = nullptr);
    ~GameClient();
    bool connected() const { return fd_ >= 0; }
    void send(const QByteArray &bytes);
    // Reads until `count` bytes have arrived or the time runs out.
    QByteArray receive(int count, int timeoutMs = 5000);
    // True when the server closed the connection within the time.
    bool closedByServer(int timeoutMs = 5000);

  private:
    int fd_ = -1;
};

QByteArray frame(const QByteArray &payload, char lastByte);

// An account's game record as earlier matches left it, written straight into
// the server's database (no request sets one).
struct GameRecord {
    long long kon = 0, best = 0;
    double rating = 0.0;
    long long sessions = 0, konl = 0, score = 0;
};
void storeGameRecord(const RunningServer &server, const std::string &nick, const GameRecord &r);

} // namespace servertest
