#pragma once
// wem-server in one object: the HTTP front (services, pages, photos,
// downloads, songs, radio), the game server and the storage, all on the
// thread that creates it.
//
// Requests that may change stored data are collected for the length of one
// turn of the event loop and run in one transaction, each in a savepoint of
// its own; they are answered only after the commit. So an acknowledged write
// is stored, and a failed commit is reported to every request in it.
#include "server/AccountService.h"
#include "server/Database.h"
#include "server/GameServer.h"
#include "server/HttpWire.h"
#include "server/Lobby.h"
#include "server/Pages.h"
#include "server/PasswordGuard.h"
#include "server/RequestLog.h"
#include "server/ServerOptions.h"
#include "server/Sessions.h"
#include "server/StatsService.h"
#include "server/TourService.h"
#include "server/WorldService.h"

#include <QObject>
#include <QPointer>
#include <QTcpSocket>
#include <QThreadPool>

#include <memory>
#include <vector>

class QHttpServerRequest;

namespace server {

// The access token the program sends as User-Agent to the services.
inline constexpr const char *kAccessToken = "KorbelWintaph";

class WemServer : public QObject {
    Q_OBJECT
  public:
    // programDir: the game's program folder whose libraries are offered for
    // download (may be empty).
    WemServer(ServerOptions options, QString programDir, QObject *parent = nullptr);
    ~WemServer() override;

    bool start(QString *error);
    void stop();
    // Takes the parts of new options that apply without a restart: the
    // request log on or off, the connection limits and the TLS certificate
    // (for new connections), and reads the chat's ban and word lists again.
    // The others (addresses, ports, folders, database) wait for a restart
    // and are named in the log. False, keeping everything as it was, when
    // the new certificate cannot be loaded.
    bool reload(const ServerOptions &options, QString *error);
    quint16 httpPort() const { return httpPort_; }
    Database &database() { return db_; }
    Lobby &lobby() { return lobby_; }
    RequestLog &log() { return *log_; }

    // This installation's password of the photo upload account.

    // Radio streams at once; more get 503.
    static constexpr int kMaxStreams = 32;
    // How long a taken seat waits for its program's game-server connection.
    static constexpr qint64 kSeatWaitMs = 120'000;

  private:
    class Front;
    struct PendingWrite {
        Service *service;
        ServiceRequest request;
        QPointer<QTcpSocket> socket;
        bool keepAlive;
        QByteArray remote, path;
    };

    void onRequest(const QHttpServerRequest &request, QTcpSocket *socket);
    void serveService(Service &service, const QHttpServerRequest &request, const QByteArray &cookie,
                      QTcpSocket *socket, bool keepAlive, const QByteArray &remote,
                      const QByteArray &path);
    // A photo posted to the account service: stored for the session's nick.
    void storePhoto(const QByteArray &picture, const QByteArray &cookie, QTcpSocket *socket,
                    bool keepAlive, const QByteArray &remote, const QByteArray &path);
    // Runs the request now when it only reads, or queues it for the next batch of writes.
    void dispatch(Service &service, ServiceRequest request, QPointer<QTcpSocket> socket,
                  bool keepAlive, const QByteArray &remote, const QByteArray &path);
    // A request that changes nothing, run as it comes.
    Reply runReader(Service &service, const ServiceRequest &request);
    // A request that may write, run in a savepoint of the open batch.
    Reply runService(Service &service, const ServiceRequest &request);
    void answer(QTcpSocket *socket, Reply reply, bool keepAlive, const QByteArray &remote,
                const QByteArray &method, const QByteArray &path);
    // Answers a refusal, after holdMs, and says why in one line of the log;
    // a refusal for load says in Retry-After when to come back.
    void refuse(QTcpSocket *socket, int status, const QString &why, bool keepAlive,
                const QByteArray &remote, const QByteArray &path, int holdMs = 0,
                int retryAfterSeconds = 0);
    // Puts a password check whose address has its share running into that
    // address's line; false when the line has no room (it is to be refused).
    bool waitForPasswordPlace(Service &service, AccountService::PasswordTask task,
                              ServiceRequest request, QTcpSocket *socket, bool keepAlive,
                              const QByteArray &remote, const QByteArray &path);
    // Runs the key derivation of a request on a worker, then dispatches it.
    void deriveThenDispatch(Service &service, AccountService::PasswordTask task,
                            ServiceRequest request, QTcpSocket *socket, bool keepAlive,
                            const QByteArray &remote, const QByteArray &path);
    void flushWrites();
    void startRadio(const QString &id, QTcpSocket *socket, const QByteArray &remote,
                    const QByteArray &path);

    ServerOptions options_;
    QString programDir_;
    Database db_;
    Lobby lobby_;
    std::unique_ptr<Sessions> sessions_;
    std::unique_ptr<LoginThrottle> throttle_;
    std::unique_ptr<PasswordQueue> passwordQueue_;
    std::unique_ptr<RequestLog> log_;
    std::unique_ptr<AccountService> accounts_;
    std::unique_ptr<WorldService> world_;
    std::unique_ptr<StatsService> stats_;
    std::unique_ptr<TourService> tour_;
    std::unique_ptr<Pages> pages_;
    std::unique_ptr<GameServer> games_;
    std::unique_ptr<Front> front_;
    GuardedTcpServer *listener_ = nullptr; // owned by front_
    quint16 httpPort_ = 0;
    std::vector<PendingWrite> pending_;
    bool flushScheduled_ = false;
    int streams_ = 0;
    QThreadPool passwordWorkers_; // key derivations, off the event loop
};

} // namespace server
