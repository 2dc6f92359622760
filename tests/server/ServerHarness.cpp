#include "ServerHarness.h"

#include "server/WemServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTcpServer>
#include <QThread>
#include <QUrl>
#include <QUuid>

#include <curl/curl.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <future>
#include <stdexcept>

namespace servertest {

void ensureApplication() {
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "server_tests";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    curl_global_init(CURL_GLOBAL_DEFAULT);
}

quint16 freePort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// Bases below the ephemeral range, so no outgoing connection takes a port meanwhile.
quint16 freePortBlock(int count) {
    for (int attempt = 0; attempt < 200; ++attempt) {
        const auto base = quint16(QRandomGenerator::global()->bounded(20000, 32700));
        bool free = true;
        for (int i = 1; i <= count && free; ++i) {
            QTcpServer probe;
            free = probe.listen(QHostAddress::LocalHost, quint16(base + i));
        }
        if (free)
            return base;
    }
    return 0;
}

const char *backendName(Backend backend) {
    return backend == Backend::Sqlite ? "SQLite" : "PostgreSQL";
}

// --- PostgreSQL -------------------------------------------------------------

namespace {

bool runAs(const QString &user, const QString &program, const QStringList &arguments,
           QString *output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    if (user.isEmpty())
        process.start(program, arguments);
    else
        process.start(QStringLiteral("runuser"),
                      QStringList{QStringLiteral("-u"), user, QStringLiteral("--"), program} +
                          arguments);
    const bool finished = process.waitForFinished(60'000);
    if (output)
        *output = QString::fromLocal8Bit(process.readAll()).right(800);
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

QString postgresBinDir() {
    QDir root(QStringLiteral("/usr/lib/postgresql"));
    QStringList versions = root.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
    std::sort(versions.begin(), versions.end(),
              [](const QString &a, const QString &b) { return a.toInt() > b.toInt(); });
    for (const QString &v : versions) {
        const QString bin = root.filePath(v + QStringLiteral("/bin"));
        if (QFileInfo(bin + QStringLiteral("/initdb")).isExecutable())
            return bin;
    }
    return {};
}

} // namespace

PostgresCluster &PostgresCluster::instance() {
    static PostgresCluster cluster;
    return cluster;
}

PostgresCluster::PostgresCluster() {
    ensureApplication();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        whyNot_ = QStringLiteral("the Qt PostgreSQL driver is not installed");
        return;
    }
    binDir_ = postgresBinDir();
    if (binDir_.isEmpty()) {
        whyNot_ =
            QStringLiteral("PostgreSQL is not installed (no initdb under /usr/lib/postgresql)");
        return;
    }
    // PostgreSQL refuses to run as root; CI runs as root, so the cluster belongs to "postgres".
    if (::geteuid() == 0)
        user_ = QStringLiteral("postgres");
    folder_ = QDir::temp().filePath(
        QStringLiteral("wem-pg-%1").arg(QUuid::createUuid().toString(QUuid::Id128)));
    QDir().mkpath(folder_);
    QFile::setPermissions(
        folder_, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                     QFileDevice::ReadOther | QFileDevice::ExeOther | QFileDevice::ReadGroup |
                     QFileDevice::ExeGroup | QFileDevice::WriteOther | QFileDevice::WriteGroup);
    QString output;
    const QString data = folder_ + QStringLiteral("/data");
    if (!runAs(user_, binDir_ + QStringLiteral("/initdb"),
               {QStringLiteral("-D"), data, QStringLiteral("-A"), QStringLiteral("trust"),
                QStringLiteral("-U"), QStringLiteral("wem"), QStringLiteral("-E"),
                QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync")},
               &output)) {
        whyNot_ = QStringLiteral("initdb failed: ") + output;
        return;
    }
    port_ = freePort();
    const QString settings =
        QStringLiteral("-c listen_addresses=127.0.0.1 -p %1 -k %2 -c fsync=off")
            .arg(port_)
            .arg(folder_);
    if (!runAs(user_, binDir_ + QStringLiteral("/pg_ctl"),
               {QStringLiteral("-D"), data, QStringLiteral("-o"), settings, QStringLiteral("-l"),
                folder_ + QStringLiteral("/log"), QStringLiteral("-w"), QStringLiteral("-t"),
                QStringLiteral("60"), QStringLiteral("start")},
               &output)) {
        whyNot_ = QStringLiteral("pg_ctl start failed: ") + output;
        return;
    }
    available_ = true;
}

PostgresCluster::~PostgresCluster() {
    if (available_)
        runAs(user_, binDir_ + QStringLiteral("/pg_ctl"),
              {QStringLiteral("-D"), folder_ + QStringLiteral("/data"), QStringLiteral("-m"),
               QStringLiteral("immediate"), QStringLiteral("stop")},
              nullptr);
    if (!folder_.isEmpty())
        QDir(folder_).removeRecursively();
}

QString PostgresCluster::newDatabaseUrl() {
    const QString name = QStringLiteral("wemtest%1").arg(++databases_);
    {
        QSqlDatabase admin =
            QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pg-admin"));
        admin.setHostName(QStringLiteral("127.0.0.1"));
        admin.setPort(port_);
        admin.setUserName(QStringLiteral("wem"));
        admin.setDatabaseName(QStringLiteral("postgres"));
        if (admin.open())
            QSqlQuery(admin).exec(QStringLiteral("CREATE DATABASE ") + name);
        admin.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("pg-admin"));
    return QStringLiteral("postgresql://wem@127.0.0.1:%1/%2").arg(port_).arg(name);
}

// --- the server on a thread ---------------------------------------------------

namespace {

class ServerThread : public QThread {
  public:
    ServerThread(server::ServerOptions options, QString programDir,
                 std::promise<std::pair<QString, quint16>> &started)
        : options_(std::move(options)), programDir_(std::move(programDir)), started_(started) {}

  protected:
    void run() override {
        server::WemServer wem(options_, programDir_);
        QString error;
        if (!wem.start(&error)) {
            started_.set_value({error.isEmpty() ? QStringLiteral("start failed") : error, 0});
            return;
        }
        started_.set_value({QString(), wem.httpPort()});
        exec();
        wem.stop();
    }

  private:
    server::ServerOptions options_;
    QString programDir_;
    std::promise<std::pair<QString, quint16>> &started_;
};

} // namespace

RunningServer::RunningServer(Backend backend, const QString &dataDir)
    : RunningServer(ServerSetup{backend, dataDir, {}, {}, {}}) {}

RunningServer::RunningServer(const ServerSetup &setup) {
    ensureApplication();
    if (setup.dataDir.isEmpty()) {
        temp_ = std::make_unique<QTemporaryDir>();
        options_.dataDir = temp_->path();
    } else {
        options_.dataDir = setup.dataDir;
    }
    if (!setup.databaseUrl.isEmpty()) {
        options_.databaseUrl = setup.databaseUrl;
    } else if (setup.backend == Backend::Postgres) {
        PostgresCluster &cluster = PostgresCluster::instance();
        if (!cluster.available()) {
            error_ = QStringLiteral("PostgreSQL unavailable: ") + cluster.whyNot();
            return;
        }
        options_.databaseUrl = cluster.newDatabaseUrl();
    }
    options_.listen = QHostAddress::LocalHost;
    options_.httpPort = 0;
    options_.gamePortBase = freePortBlock();
    options_.quiet = true;
    options_.passwordIterations =
        1000;                   // many registrations per test; the default is tested on its own
    options_.refusalHoldMs = 0; // refusals at once: the tests wait for nothing
    const quint16 chosenBase = options_.gamePortBase;
    if (setup.adjust)
        setup.adjust(options_);
    const bool ownPorts = options_.gamePortBase == chosenBase;
    // The free block was probed and closed again before the server binds it,
    // so a test running beside this one may take a port in between: the
    // server then starts again on another block rather than fail the test.
    constexpr int kStartAttempts = 6;
    for (int attempt = 1; attempt <= kStartAttempts; ++attempt) {
        std::promise<std::pair<QString, quint16>> started;
        auto result = started.get_future();
        thread_ = new ServerThread(options_, setup.programDir, started);
        thread_->start();
        const auto [error, port] = result.get();
        error_ = error;
        httpPort_ = port;
        if (error_.isEmpty())
            return;
        stop();
        if (!ownPorts || !error_.contains(QStringLiteral("port"), Qt::CaseInsensitive))
            return;
        options_.gamePortBase = freePortBlock();
    }
}

RunningServer::~RunningServer() {
    stop();
}

void RunningServer::stop() {
    if (!thread_)
        return;
    thread_->quit();
    thread_->wait();
    delete thread_;
    thread_ = nullptr;
}

std::string RunningServer::baseUrl() const {
    return "http://127.0.0.1:" + std::to_string(httpPort_);
}

// --- HTTP client ----------------------------------------------------------------

namespace {

size_t collect(char *data, size_t size, size_t count, void *target) {
    static_cast<std::string *>(target)->append(data, size * count);
    return size * count;
}

} // namespace

HttpClient::HttpClient(std::string baseUrl) : base_(std::move(baseUrl)), curl_(curl_easy_init()) {
    curl_easy_setopt(curl_, CURLOPT_COOKIEFILE, "");
    curl_easy_setopt(curl_, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl_, CURLOPT_TIMEOUT_MS, 30000L);
    curl_easy_setopt(curl_, CURLOPT_WRITEFUNCTION, collect);
}

HttpClient::~HttpClient() {
    curl_easy_cleanup(curl_);
}

HttpResult HttpClient::post(const std::string &path, const std::string &body, const char *agent) {
    HttpResult result;
    const std::string url = base_ + path;
    curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl_, CURLOPT_USERAGENT, agent);
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDS, body.data());
    curl_easy_setopt(curl_, CURLOPT_POSTFIELDSIZE, long(body.size()));
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &result.body);
    if (curl_easy_perform(curl_) == CURLE_OK)
        curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &result.status);
    return result;
}

HttpResult HttpClient::get(const std::string &path, long maxBytes) {
    HttpResult result;
    const std::string url = base_ + path;
    curl_easy_setopt(curl_, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl_, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(curl_, CURLOPT_USERAGENT, "");
    curl_easy_setopt(curl_, CURLOPT_WRITEDATA, &result.body);
    if (maxBytes > 0) {
        // An endless stream: stop once enough has arrived.
        curl_xferinfo_callback enough = [](void *target, curl_off_t, curl_off_t, curl_off_t,
                                           curl_off_t) -> int {
            const auto *state = static_cast<std::pair<std::string *, long> *>(target);
            return long(state->first->size()) >= state->second ? 1 : 0;
        };
        curl_easy_setopt(curl_, CURLOPT_XFERINFOFUNCTION, enough);
    }
    std::pair<std::string *, long> state{&result.body, maxBytes};
    curl_easy_setopt(curl_, CURLOPT_XFERINFODATA, &state);
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, maxBytes > 0 ? 0L : 1L);
    const CURLcode code = curl_easy_perform(curl_);
    if (code == CURLE_OK || (maxBytes > 0 && code == CURLE_ABORTED_BY_CALLBACK))
        curl_easy_getinfo(curl_, CURLINFO_RESPONSE_CODE, &result.status);
    curl_easy_setopt(curl_, CURLOPT_NOPROGRESS, 1L);
    return result;
}

// --- direct database access --------------------------------------------------------

DirectDb::DirectDb(const QString &databaseUrl, const QString &dataDir)
    : name_(QStringLiteral("direct-%1").arg(QUuid::createUuid().toString(QUuid::Id128))) {
    ensureApplication();
    QSqlDatabase db;
    if (databaseUrl.startsWith(QStringLiteral("postgres"))) {
        const QUrl url(databaseUrl);
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name_);
        db.setHostName(url.host());
        db.setPort(url.port());
        db.setUserName(url.userName());
        db.setDatabaseName(url.path().mid(1));
    } else {
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(QDir(dataDir).filePath(QStringLiteral("wem.sqlite")));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=10000"));
    }
    if (!db.open())
        throw std::runtime_error(db.lastError().text().toStdString());
}

DirectDb::~DirectDb() {
    QSqlDatabase::database(name_, false).close();
    QSqlDatabase::removeDatabase(name_);
}

qint64 DirectDb::number(const QString &sql) {
    QSqlQuery q(QSqlDatabase::database(name_));
    if (!q.exec(sql) || !q.next())
        throw std::runtime_error((sql + ": " + q.lastError().text()).toStdString());
    return q.value(0).toLongLong();
}

void DirectDb::exec(const QString &sql) {
    QSqlQuery q(QSqlDatabase::database(name_));
    if (!q.exec(sql))
        throw std::runtime_error((sql + ": " + q.lastError().text()).toStdString());
}

// --- raw game-server connection -------------------------------------------------------

GameClient::GameClient(quint16 port, const char *source) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    if (source) {
        sockaddr_in local{};
        local.sin_family = AF_INET;
        ::inet_pton(AF_INET, source, &local.sin_addr);
        if (::bind(fd_, reinterpret_cast<sockaddr *>(&local), sizeof local) != 0) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd_, reinterpret_cast<sockaddr *>(&address), sizeof address) != 0) {
        ::close(fd_);
        fd_ = -1;
        return;
    }
    int one = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
}

GameClient::~GameClient() {
    if (fd_ >= 0)
        ::close(fd_);
}

void GameClient::send(const QByteArray &bytes) {
    qsizetype sent = 0;
    while (fd_ >= 0 && sent < bytes.size()) {
        const ssize_t n =
            ::send(fd_, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n <= 0)
            return;
        sent += n;
    }
}

QByteArray GameClient::receive(int count, int timeoutMs) {
    QByteArray data;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (fd_ >= 0 && data.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            break;
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, int(left.count())) <= 0)
            break;
        char buffer[4096];
        const ssize_t n =
            ::recv(fd_, buffer, size_t(std::min<qsizetype>(sizeof buffer, count - data.size())), 0);
        if (n <= 0)
            break;
        data.append(buffer, n);
    }
    return data;
}

bool GameClient::closedByServer(int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (fd_ >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0)
            return false;
        pollfd p{fd_, POLLIN, 0};
        if (::poll(&p, 1, int(left.count())) <= 0)
            return false;
        char buffer[256];
        if (::recv(fd_, buffer, sizeof buffer, 0) <= 0)
            return true;
    }
    return true;
}

QByteArray frame(const QByteArray &payload, char lastByte) {
    QByteArray f = payload.left(49);
    f.append(49 - f.size(), '#');
    f.append(lastByte);
    return f;
}

void storeGameRecord(const RunningServer &server, const std::string &nick, const GameRecord &r) {
    DirectDb(server.databaseUrl(), server.dataDir())
        .exec(QStringLiteral("INSERT INTO game_results (nick, game, kon, best, rating, sessions, "
                             "konl, score, r1, r2) VALUES ('%1', 'crdQuarn', %2, %3, %4, %5, %6, "
                             "%7, 0, '#')")
                  .arg(QString::fromStdString(nick))
                  .arg(r.kon)
                  .arg(r.best)
                  .arg(r.rating, 0, 'g', 17)
                  .arg(r.sessions)
                  .arg(r.konl)
                  .arg(r.score));
}

} // namespace servertest
