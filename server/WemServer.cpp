#include "server/WemServer.h"

#include "server/HttpWire.h"
#include "server/Synth.h"
#include "server/Tls.h"

#include <QAbstractHttpServer>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QHttpServerRequest>
#include <QThread>
#include <QTimer>

namespace server {
namespace {

constexpr qint64 kStreamChunkMs = 200;
constexpr qint64 kStreamPrebufferMs = 2000;
constexpr qint64 kStreamLimitMs = 3 * 3600 * 1000; // then the player reconnects

// The request headers the server looks at, read in one pass.
struct Headers {
    QByteArray userAgent, cookie, connection, host, contentType;
};

Headers headersOf(const QHttpServerRequest &request) {
    Headers h;
    for (const auto &[key, value] : request.headers()) {
        if (key.compare("User-Agent", Qt::CaseInsensitive) == 0)
            h.userAgent = value;
        else if (key.compare("Cookie", Qt::CaseInsensitive) == 0)
            h.cookie = value;
        else if (key.compare("Connection", Qt::CaseInsensitive) == 0)
            h.connection = value;
        else if (key.compare("Host", Qt::CaseInsensitive) == 0)
            h.host = value;
        else if (key.compare("Content-Type", Qt::CaseInsensitive) == 0)
            h.contentType = value;
    }
    return h;
}

QByteArray methodName(const QHttpServerRequest &request) {
    switch (request.method()) {
    case QHttpServerRequest::Method::Get:
        return "GET";
    case QHttpServerRequest::Method::Post:
        return "POST";
    case QHttpServerRequest::Method::Head:
        return "HEAD";
    default:
        return "OTHER";
    }
}

QByteArray printable(QByteArray text) {
    for (char &c : text)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            c = '?';
    return text;
}

QString tourMessage(const QString &dataDir) {
    QFile file(QDir(dataDir).filePath(QStringLiteral("tour-message.txt")));
    QString text = QStringLiteral("Welcome to the Quarn online tournament!");
    if (file.open(QIODevice::ReadOnly)) {
        const QString line = QString::fromUtf8(file.readLine(400)).trimmed();
        if (!line.isEmpty())
            text = line;
    }
    text.remove(QLatin1Char('$'));
    text.remove(QLatin1Char('*'));
    return text.left(80);
}

// The TLS configuration the options ask for: none for plain HTTP. False,
// with the reason, when the certificate or key does not load.
bool tlsOf(const ServerOptions &options, std::optional<QSslConfiguration> &tls, QString *error) {
    if (options.tlsCert.isEmpty())
        return true;
    QString tlsError;
    tls = loadTlsConfiguration(options.tlsCert, options.tlsKey, &tlsError);
    if (!tls && error)
        *error = QStringLiteral("TLS: %1").arg(tlsError);
    return tls.has_value();
}

} // namespace

class WemServer::Front : public QAbstractHttpServer {
  public:
    explicit Front(WemServer &owner) : owner_(owner) {}

  protected:
    bool handleRequest(const QHttpServerRequest &request, QTcpSocket *socket) override {
        owner_.onRequest(request, socket);
        return true;
    }
    void missingHandler(const QHttpServerRequest &, QTcpSocket *) override {}

  private:
    WemServer &owner_;
};

WemServer::WemServer(ServerOptions options, QString programDir, QObject *parent)
    : QObject(parent), options_(std::move(options)), programDir_(std::move(programDir)) {}

WemServer::~WemServer() {
    stop();
}

bool WemServer::start(QString *error) {
    if (options_.dataDir.isEmpty()) {
        if (error)
            *error = QStringLiteral("no data folder given");
        return false;
    }
    QDir data(options_.dataDir);
    if (!data.mkpath(QStringLiteral("ftp/photos")) || !data.mkpath(QStringLiteral("downloads"))) {
        if (error)
            *error = QStringLiteral("cannot create the data folder %1").arg(options_.dataDir);
        return false;
    }
    log_ = std::make_unique<RequestLog>(!options_.quiet);
    QString dbError;
    if (!db_.open(options_.databaseUrl, options_.dataDir, &dbError)) {
        if (error)
            *error = QStringLiteral("database: %1").arg(dbError);
        return false;
    }
    // Servers sharing a PostgreSQL database share the sessions and the
    // failure counts too; a lone SQLite server keeps them in memory.
    Database *shared = db_.kind() == Database::Kind::Postgres ? &db_ : nullptr;
    const Clock clock = options_.clock ? options_.clock : systemClock();
    sessions_ = std::make_unique<Sessions>(shared, clock);
    throttle_ = std::make_unique<LoginThrottle>(shared, clock);
    passwordQueue_ = std::make_unique<PasswordQueue>(options_.maxPasswordChecks,
                                                     options_.maxPasswordChecksPerAddress);
    // Key derivations use at most half the cores: the event loop keeps the rest.
    passwordWorkers_.setMaxThreadCount(std::max(1, QThread::idealThreadCount() / 2));
    accounts_ = std::make_unique<AccountService>(db_, options_.passwordIterations);
    world_ = std::make_unique<WorldService>(db_, *accounts_, options_.dataDir, options_.chatLimits);
    stats_ = std::make_unique<StatsService>(db_);
    pages_ = std::make_unique<Pages>(options_.dataDir, programDir_);
    games_ = std::make_unique<GameServer>(lobby_, [this](const auto &nicks, const auto &scores) {
        tour_->recordScores(nicks, scores);
    });
    tour_ = std::make_unique<TourService>(
        db_, lobby_, options_.gameServerAddress(), options_.gamePortBase,
        [this] { return games_ && games_->isListening(); }, tourMessage(options_.dataDir));
    const auto logLine = [this](const QByteArray &line) { log_->note(line); };
    games_->setLimits({options_.maxUnannouncedPerAddress, options_.maxUnannounced}, logLine);
    games_->setMoveDeadline(options_.moveDeadlineMs);
    QString gameError;
    if (!games_->listen(options_.listen, options_.gamePortBase, &gameError)) {
        if (error)
            *error = gameError;
        return false;
    }
    // Seats whose program never connected to the game server are freed again.
    auto *seatWatch = new QTimer(this);
    connect(seatWatch, &QTimer::timeout, this,
            [this] { lobby_.expireUnconnected(QDateTime::currentMSecsSinceEpoch(), kSeatWaitMs); });
    seatWatch->start(10'000);
    std::optional<QSslConfiguration> tls;
    if (!tlsOf(options_, tls, error))
        return false;
    front_ = std::make_unique<Front>(*this);
    auto *listener = new GuardedTcpServer(
        {options_.maxConnectionsPerAddress, options_.maxConnections}, logLine, front_.get());
    listener->setTls(std::move(tls));
    // Bursts of new connections wait in the kernel's queue instead of being dropped.
    listener->setListenBacklogSize(1024);
    if (!listener->listen(options_.listen, options_.httpPort)) {
        if (error)
            *error = QStringLiteral("HTTP port %1: %2")
                         .arg(options_.httpPort)
                         .arg(listener->errorString());
        return false;
    }
    front_->bind(listener);
    listener_ = listener;
    httpPort_ = listener->serverPort();
    log_->note(
        QStringLiteral("listening on %1, %2 port %3, game ports %4 to %5, data %6")
            .arg(options_.listen.toString())
            .arg(options_.tlsCert.isEmpty() ? QStringLiteral("HTTP") : QStringLiteral("HTTPS"))
            .arg(httpPort_)
            .arg(options_.gamePortBase + 1)
            .arg(options_.gamePortBase + kTableCount)
            .arg(QDir(options_.dataDir).absolutePath())
            .toUtf8());
    return true;
}

bool WemServer::reload(const ServerOptions &options, QString *error) {
    if (!listener_) {
        if (error)
            *error = QStringLiteral("the server is not running");
        return false;
    }
    std::optional<QSslConfiguration> tls;
    if (!tlsOf(options, tls, error))
        return false;
    // Where the server listens and keeps its data cannot change under it.
    QStringList later;
    if (options.listen != options_.listen || options.httpPort != options_.httpPort ||
        options.gamePortBase != options_.gamePortBase)
        later << QStringLiteral("addresses and ports");
    if (options.dataDir != options_.dataDir || options.databaseUrl != options_.databaseUrl)
        later << QStringLiteral("data folder and database");
    if (options.publicAddress != options_.publicAddress)
        later << QStringLiteral("public address");
    const bool https = !options_.tlsCert.isEmpty();
    if (https != tls.has_value()) {
        later << QStringLiteral("HTTPS on or off");
    } else if (https) {
        listener_->setTls(std::move(tls));
        options_.tlsCert = options.tlsCert;
        options_.tlsKey = options.tlsKey;
    }
    options_.quiet = options.quiet;
    options_.maxConnectionsPerAddress = options.maxConnectionsPerAddress;
    options_.maxConnections = options.maxConnections;
    log_->setEnabled(!options_.quiet);
    listener_->setLimits({options_.maxConnectionsPerAddress, options_.maxConnections});
    world_->reloadChatLists();
    log_->note("reloaded the configuration and the chat's ban and word lists" +
               (later.isEmpty() ? QByteArray()
                                : "; a restart takes the changed " +
                                      later.join(QStringLiteral(", ")).toUtf8()));
    return true;
}

void WemServer::stop() {
    passwordWorkers_.waitForDone();
    if (!pending_.empty())
        flushWrites();
    front_.reset();
    if (games_)
        games_->close();
    games_.reset();
    db_.close();
    if (log_)
        log_->flush();
}

void WemServer::onRequest(const QHttpServerRequest &request, QTcpSocket *socket) {
    const QUrl url = request.url();
    const QByteArray path = url.path(QUrl::FullyEncoded).toLatin1();
    const QByteArray method = methodName(request);
    const QByteArray remote = request.remoteAddress().toString().toLatin1();
    const Headers headers = headersOf(request);
    const bool keepAlive = headers.connection.toLower() != "close";

    Service *service = nullptr;
    if (path == "/acc.php")
        service = accounts_.get();
    else if (path == "/world.php")
        service = world_.get();
    else if (path == "/stat.php")
        service = stats_.get();
    else if (path == "/tour.php")
        service = tour_.get();
    if (service) {
        if (request.method() != QHttpServerRequest::Method::Post)
            return answer(socket, errorReply(405, QStringLiteral("the services take form posts")),
                          keepAlive, remote, method, path);
        if (headers.userAgent != kAccessToken)
            return refuse(socket, 403,
                          QStringLiteral("wrong user agent: the services need the access token"),
                          keepAlive, remote, path);
        if (service == accounts_.get() && headers.contentType.trimmed() == kPhotoContentType)
            return storePhoto(request.body(), headers.cookie, socket, keepAlive, remote, path);
        return serveService(*service, request, headers.cookie, socket, keepAlive, remote, path);
    }
    if (request.method() != QHttpServerRequest::Method::Get)
        return answer(socket, errorReply(405, QStringLiteral("pages are fetched with GET")),
                      keepAlive, remote, method, path);

    const QByteArray fallbackHost =
        options_.gameServerAddress().toLatin1() + ':' + QByteArray::number(httpPort_);
    const QByteArray base = Pages::baseUrl(headers.host, fallbackHost);
    const QString decodedPath = url.path();
    Reply reply;
    if (path == "/config.txt")
        reply = pages_->config(base);
    else if (path == "/news.html")
        reply = pages_->news(base);
    else if (path == "/router.html")
        reply = pages_->routerHelp();
    else if (path == "/get_ip.php")
        reply = Pages::externalAddress(request.remoteAddress());
    else if (decodedPath.startsWith(QStringLiteral("/photos/")))
        reply = pages_->photo(decodedPath.mid(8));
    else if (decodedPath.startsWith(QStringLiteral("/downloads/progr/cards/")))
        reply = pages_->download(decodedPath.mid(23), base);
    else if (path == "/musik/_playlist.html")
        reply = pages_->playlist();
    else if (decodedPath.startsWith(QStringLiteral("/musik/")))
        reply = pages_->song(decodedPath.mid(7));
    else if (decodedPath.startsWith(QStringLiteral("/radio/")))
        return startRadio(decodedPath.mid(7), socket, remote, path);
    else
        reply = errorReply(404, QStringLiteral("not found"));
    answer(socket, reply, keepAlive, remote, method, path);
}

void WemServer::storePhoto(const QByteArray &picture, const QByteArray &cookie, QTcpSocket *socket,
                           bool keepAlive, const QByteArray &remote, const QByteArray &path) {
    QString nick;
    try {
        nick = sessions_->nickOf(Sessions::idFromCookieHeader(cookie));
    } catch (const DatabaseError &e) {
        log_->note(QByteArray("database error: ") + e.what());
        return answer(socket, errorReply(500, QStringLiteral("storage failed")), keepAlive, remote,
                      "POST", path);
    }
    answer(socket, pages_->storePhoto(nick, picture), keepAlive, remote, "POST", path);
}

void WemServer::serveService(Service &service, const QHttpServerRequest &request,
                             const QByteArray &cookie, QTcpSocket *socket, bool keepAlive,
                             const QByteArray &remote, const QByteArray &path) {
    QString formError;
    auto form = FormFields::parse(request.body(), &formError);
    if (!form)
        return refuse(socket, 400, formError, keepAlive, remote, path);
    ServiceRequest serviceRequest{std::move(*form), request.remoteAddress(), QString(), {}, {}};
    AccountService::PasswordTask task;
    try {
        serviceRequest.sessionNick = sessions_->nickOf(Sessions::idFromCookieHeader(cookie));
        if (&service == accounts_.get())
            task = accounts_->passwordTask(serviceRequest.form);
        if (task.kind == AccountService::PasswordTask::Kind::Verify) {
            // The session of that nick's own login with that same password
            // vouches for it: no second derivation.
            if (!task.nick.isEmpty() && task.nick == serviceRequest.sessionNick &&
                sessions_->openedWith(Sessions::idFromCookieHeader(cookie), task.password)) {
                serviceRequest.passwordVerified = true;
                task.kind = AccountService::PasswordTask::Kind::None;
            } else if (const qint64 wait =
                           throttle_->waitSeconds(task.nick, request.remoteAddress());
                       wait > 0) {
                return refuse(socket, 429,
                              QStringLiteral("too many wrong passwords for the nick or from "
                                             "the address: wait %1 s")
                                  .arg(wait),
                              keepAlive, remote, path, options_.refusalHoldMs);
            }
        }
    } catch (const DatabaseError &e) {
        log_->note(QByteArray("database error: ") + e.what());
        return answer(socket, errorReply(500, QStringLiteral("storage failed")), keepAlive, remote,
                      "POST", path);
    }
    if (task.kind == AccountService::PasswordTask::Kind::None)
        return dispatch(service, std::move(serviceRequest), socket, keepAlive, remote, path);
    if (const auto full = passwordQueue_->admit(request.remoteAddress())) {
        if (waitForPasswordPlace(service, std::move(task), std::move(serviceRequest), socket,
                                 keepAlive, remote, path))
            return;
        return refuse(socket, 503, *full, keepAlive, remote, path, options_.refusalHoldMs,
                      PasswordQueue::kRetryAfterSeconds);
    }
    deriveThenDispatch(service, std::move(task), std::move(serviceRequest), socket, keepAlive,
                       remote, path);
}

bool WemServer::waitForPasswordPlace(Service &service, AccountService::PasswordTask task,
                                     ServiceRequest request, QTcpSocket *socket, bool keepAlive,
                                     const QByteArray &remote, const QByteArray &path) {
    // The request waits its turn in its address's line; its place is given
    // back at once when its connection has gone meanwhile.
    const QHostAddress caller = request.remote;
    auto waiting = std::make_shared<std::pair<AccountService::PasswordTask, ServiceRequest>>(
        std::move(task), std::move(request));
    QPointer<QTcpSocket> guard(socket);
    Service *target = &service;
    const std::optional<quint64> ticket = passwordQueue_->waitInLine(
        caller, [this, waiting, guard, keepAlive, remote, path, target, caller] {
            if (!guard) {
                passwordQueue_->release(caller);
                return;
            }
            deriveThenDispatch(*target, std::move(waiting->first), std::move(waiting->second),
                               guard, keepAlive, remote, path);
        });
    if (!ticket)
        return false;
    QTimer::singleShot(
        PasswordQueue::kLineWaitMs, this, [this, ticket, guard, keepAlive, remote, path] {
            if (!passwordQueue_->withdraw(*ticket) || !guard)
                return;
            refuse(guard, 503, QStringLiteral("too many password checks from one address at once"),
                   keepAlive, remote, path, 0, PasswordQueue::kRetryAfterSeconds);
        });
    return true;
}

void WemServer::deriveThenDispatch(Service &service, AccountService::PasswordTask task,
                                   ServiceRequest request, QTcpSocket *socket, bool keepAlive,
                                   const QByteArray &remote, const QByteArray &path) {
    auto shared = std::make_shared<ServiceRequest>(std::move(request));
    QPointer<QTcpSocket> guard(socket);
    Service *target = &service;
    passwordWorkers_.start([this, task, shared, guard, keepAlive, remote, path, target] {
        AccountService::doPasswordTask(task, *shared);
        QMetaObject::invokeMethod(
            this,
            [this, task, shared, guard, keepAlive, remote, path, target] {
                passwordQueue_->release(shared->remote);
                if (task.kind == AccountService::PasswordTask::Kind::Verify) {
                    try {
                        if (shared->passwordVerified.value_or(false))
                            throttle_->recordSuccess(task.nick);
                        else
                            throttle_->recordFailure(task.nick, shared->remote);
                    } catch (const DatabaseError &e) {
                        log_->note(QByteArray("database error: ") + e.what());
                    }
                }
                if (guard)
                    dispatch(*target, std::move(*shared), guard, keepAlive, remote, path);
            },
            Qt::QueuedConnection);
    });
}

void WemServer::refuse(QTcpSocket *socket, int status, const QString &why, bool keepAlive,
                       const QByteArray &remote, const QByteArray &path, int holdMs,
                       int retryAfterSeconds) {
    log_->note("refused " + remote + " POST " + printable(path).left(100) + ' ' +
               QByteArray::number(status) + ": " + why.toUtf8());
    Reply reply = errorReply(status, why);
    // A refusal for load says when to come back.
    if (retryAfterSeconds > 0)
        reply.headers.append({"Retry-After", QByteArray::number(retryAfterSeconds)});
    if (holdMs <= 0)
        return answer(socket, std::move(reply), keepAlive, remote, "POST", path);
    // A guesser's connection waits for its refusal, so a flood of guesses
    // costs the server a timer per connection and second, not a reply per request.
    QPointer<QTcpSocket> guard(socket);
    QTimer::singleShot(holdMs, this, [this, guard, reply, keepAlive, remote, path] {
        if (guard)
            answer(guard, reply, keepAlive, remote, "POST", path);
    });
}

void WemServer::dispatch(Service &service, ServiceRequest request, QPointer<QTcpSocket> socket,
                         bool keepAlive, const QByteArray &remote, const QByteArray &path) {
    if (!service.writes(request.form)) {
        Reply reply = runReader(service, request);
        if (reply.sessionNick) // a login: the session remembers its password's digest
            reply.sessionPassword = request.form.value("pw", BodyStyle::Listed).value_or("");
        return answer(socket, reply, keepAlive, remote, "POST", path);
    }
    pending_.push_back({&service, std::move(request), socket, keepAlive, remote, path});
    if (!flushScheduled_) {
        flushScheduled_ = true;
        QTimer::singleShot(0, this, &WemServer::flushWrites);
    }
}

Reply WemServer::runService(Service &service, const ServiceRequest &request) {
    Reply reply;
    QString error;
    // A refused or malformed request rolls back whatever it did.
    const bool kept = db_.atomically(
        [&] {
            reply = service.handle(request);
            return reply.status == 200;
        },
        &error);
    if (!kept && !error.isEmpty()) {
        log_->note("database error: " + error.toUtf8());
        return errorReply(500, QStringLiteral("storage failed, nothing was changed"));
    }
    return reply;
}

Reply WemServer::runReader(Service &service, const ServiceRequest &request) {
    try {
        return service.handle(request);
    } catch (const DatabaseError &e) {
        log_->note(QByteArray("database error: ") + e.what());
        return errorReply(500, QStringLiteral("storage failed"));
    }
}

void WemServer::flushWrites() {
    flushScheduled_ = false;
    std::vector<PendingWrite> batch;
    batch.swap(pending_);
    std::vector<Reply> replies(batch.size());
    bool stored = true;
    try {
        db_.begin();
    } catch (const DatabaseError &e) {
        log_->note(QByteArray("database error: ") + e.what());
        stored = false;
    }
    if (stored) {
        for (size_t i = 0; i < batch.size(); ++i)
            replies[i] = runService(*batch[i].service, batch[i].request);
        QString error;
        stored = db_.commit(&error);
        if (!stored)
            log_->note("database error at commit: " + error.toUtf8());
    }
    for (size_t i = 0; i < batch.size(); ++i) {
        Reply reply = stored
                          ? replies[i]
                          : errorReply(503, QStringLiteral("storage failed, nothing was stored"));
        if (batch[i].socket)
            answer(batch[i].socket, reply, batch[i].keepAlive, batch[i].remote, "POST",
                   batch[i].path);
    }
}

void WemServer::answer(QTcpSocket *socket, Reply reply, bool keepAlive, const QByteArray &remote,
                       const QByteArray &method, const QByteArray &path) {
    if (reply.sessionNick) {
        try {
            const QByteArray id = sessions_->open(*reply.sessionNick, reply.sessionPassword);
            reply.headers.append({"Set-Cookie", Sessions::setCookieValue(id)});
        } catch (const DatabaseError &e) {
            log_->note(QByteArray("database error: ") + e.what());
            reply = errorReply(503, QStringLiteral("the session could not be stored"));
        }
    }
    log_->add(remote, method, printable(path), reply.status, reply.body.size());
    writeReply(socket, reply, keepAlive);
}

void WemServer::startRadio(const QString &id, QTcpSocket *socket, const QByteArray &remote,
                           const QByteArray &path) {
    const Station *station = nullptr;
    for (const Station &s : Pages::stations())
        if (QString::fromLatin1(s.id) == id)
            station = &s;
    if (!station)
        return answer(socket, errorReply(404, QStringLiteral("no such station")), false, remote,
                      "GET", path);
    if (streams_ >= kMaxStreams) {
        log_->note("refused " + remote + " GET " + printable(path).left(100) +
                   " 503: " + QByteArray::number(kMaxStreams) + " radio listeners already");
        return answer(socket, errorReply(503, QStringLiteral("too many listeners")), false, remote,
                      "GET", path);
    }
    log_->add(remote, "GET", printable(path), 200, -1);
    ++streams_;
    socket->setProperty(kStreamingProperty, true);
    socket->write("HTTP/1.1 200 OK\r\nContent-Type: audio/wav\r\nCache-Control: no-cache\r\n"
                  "Connection: close\r\n\r\n" +
                  wavHeader(0xFFFFFFFFu));
    // The station's tune loops; it is sent at the pace it plays, after a short head start.
    const QByteArray loop = tunePcm(station->seed, 30);
    const qint64 bytesPerMs = kSampleRate * 2 / 1000;
    auto *timer = new QTimer(socket);
    auto position = std::make_shared<qint64>(0);
    auto sent = std::make_shared<qint64>(0);
    auto sendMs = [socket, loop, position, sent, bytesPerMs](qint64 ms) {
        qint64 bytes = ms * bytesPerMs;
        *sent += ms;
        while (bytes > 0) {
            const qint64 take = std::min(bytes, loop.size() - *position);
            socket->write(loop.constData() + *position, take);
            *position = (*position + take) % loop.size();
            bytes -= take;
        }
    };
    sendMs(kStreamPrebufferMs);
    connect(timer, &QTimer::timeout, socket, [socket, sendMs, sent, timer] {
        if (*sent > kStreamLimitMs || socket->bytesToWrite() > 1024 * 1024) {
            timer->stop();
            socket->disconnectFromHost();
            return;
        }
        sendMs(kStreamChunkMs);
    });
    connect(socket, &QObject::destroyed, this, [this] { --streams_; });
    timer->start(int(kStreamChunkMs));
}

} // namespace server
