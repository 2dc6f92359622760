#include "server/HttpWire.h"

#include <QFile>
#include <QSslSocket>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>

namespace server {
namespace {

constexpr const char *kUnansweredBytes = "wemUnansweredBytes";
constexpr const char *kRequestLimit = "wemRequestLimit";
constexpr const char *kRefused = "wemRefused";
constexpr const char *kLastActive = "wemLastActive";
// A streamed file is read in pieces of this size, and the next piece only
// when less than this is waiting to go out.
constexpr qint64 kFilePiece = 64 * 1024;

// A photo upload may be larger than the other requests. Decided from the
// head at the start of a request; a head that is not all there yet gets the
// common limit.
qint64 requestLimitOf(const QByteArray &start) {
    const qsizetype headEnd = start.indexOf("\r\n\r\n");
    const QByteArray head = start.left(headEnd).toLower();
    const bool photo = headEnd > 0 && head.startsWith("post /acc.php ") &&
                       head.contains("\r\ncontent-type: " + QByteArray(kPhotoContentType));
    return photo ? kMaxPhotoRequestBytes : kMaxRequestBytes;
}

// Runs before the HTTP server reads the new bytes: counts what arrived since
// the last answer and cuts off a request that grows beyond the limit.
void guardRequestSize(QTcpSocket *socket, const LogLine &log) {
    if (socket->property(kRefused).toBool()) {
        socket->readAll(); // the HTTP server must not parse what follows either
        return;
    }
    const qint64 before = socket->property(kUnansweredBytes).toLongLong();
    if (before == 0)
        socket->setProperty(kRequestLimit, requestLimitOf(socket->peek(kMaxRequestBytes)));
    const qint64 total = before + socket->bytesAvailable();
    socket->setProperty(kUnansweredBytes, total);
    const qint64 limit = socket->property(kRequestLimit).toLongLong();
    if (total <= std::max(limit, kMaxRequestBytes))
        return;
    socket->readAll();
    socket->setProperty(kRefused, true);
    log("refused a request of " + socket->peerAddress().toString().toLatin1() + ": more than " +
        QByteArray::number(kMaxRequestBytes) + " bytes");
    socket->write(httpResponse(
        errorReply(413, QStringLiteral("request larger than %1 bytes").arg(kMaxRequestBytes)),
        false));
    socket->disconnectFromHost();
}

// Sends a file in pieces, each when the connection has taken the one before.
void streamFile(QTcpSocket *socket, const QString &path) {
    auto *file = new QFile(path, socket);
    if (!file->open(QIODevice::ReadOnly)) {
        socket->abort(); // the head promised a length the body cannot keep
        return;
    }
    socket->setProperty(kStreamingProperty, true);
    auto pump = [socket, file] {
        while (socket->bytesToWrite() < kFilePiece) {
            const QByteArray piece = file->read(kFilePiece);
            if (piece.isEmpty()) {
                file->close();
                QObject::disconnect(socket, &QTcpSocket::bytesWritten, file, nullptr);
                socket->disconnectFromHost();
                return;
            }
            socket->write(piece);
        }
    };
    QObject::connect(socket, &QTcpSocket::bytesWritten, file, pump);
    pump();
}

} // namespace

QByteArray reasonPhrase(int status) {
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 403:
        return "Forbidden";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 413:
        return "Payload Too Large";
    case 429:
        return "Too Many Requests";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray httpResponse(const Reply &reply, bool keepAlive) {
    const bool file = !reply.filePath.isEmpty();
    QByteArray out;
    out.reserve(160 + reply.body.size());
    out +=
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    out += "Content-Type: " + reply.contentType + "\r\n";
    out +=
        "Content-Length: " + QByteArray::number(file ? reply.fileSize : reply.body.size()) + "\r\n";
    for (const auto &[name, value] : reply.headers)
        out += name + ": " + value + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    if (!file)
        out += reply.body;
    return out;
}

void writeReply(QTcpSocket *socket, const Reply &reply, bool keepAlive) {
    socket->setProperty(kUnansweredBytes, qint64(0));
    // A streamed file closes its connection: nothing else may be written between its pieces.
    const bool file = !reply.filePath.isEmpty();
    socket->write(httpResponse(reply, keepAlive && !file));
    if (file)
        streamFile(socket, reply.filePath);
    else if (!keepAlive)
        socket->disconnectFromHost();
}

GuardedTcpServer::GuardedTcpServer(Limits limits, LogLine log, QObject *parent)
    : QTcpServer(parent), limits_(limits), log_(std::move(log)) {}

// Takes a connection out of the counts; only its address is used, so this
// also runs while the socket object is being destroyed.
void GuardedTcpServer::forget(QTcpSocket *socket) {
    const auto it = peers_.constFind(socket);
    if (it == peers_.constEnd())
        return;
    const QHostAddress peer = it.value();
    peers_.erase(it);
    --total_;
    if (--perAddress_[peer] <= 0)
        perAddress_.remove(peer);
}

bool GuardedTcpServer::closeLongestIdle() {
    QTcpSocket *idlest = nullptr;
    qint64 oldest = 0;
    for (auto it = peers_.cbegin(); it != peers_.cend(); ++it) {
        QTcpSocket *socket = it.key();
        // Busy connections (a request half read, a stream running) are not idle.
        if (socket->property(kStreamingProperty).toBool() ||
            socket->property(kUnansweredBytes).toLongLong() > 0 || socket->bytesToWrite() > 0)
            continue;
        const qint64 active = socket->property(kLastActive).toLongLong();
        if (!idlest || active < oldest) {
            idlest = socket;
            oldest = active;
        }
    }
    if (!idlest)
        return false;
    log_("closed the idle connection of " + idlest->peerAddress().toString().toLatin1() +
         ": the server is at its limit of " + QByteArray::number(limits_.total) + " connections");
    forget(idlest);
    idlest->abort();
    return true;
}

QTcpSocket *GuardedTcpServer::adopt(qintptr descriptor) {
    QTcpSocket *socket = nullptr;
    if (tls_) {
        auto *tls = new QSslSocket(this);
        tls->setSslConfiguration(*tls_);
        socket = tls;
    } else {
        socket = new QTcpSocket(this);
    }
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return nullptr;
    }
    return socket;
}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    QTcpSocket *socket = adopt(descriptor);
    if (!socket)
        return;
    auto *tls = qobject_cast<QSslSocket *>(socket);
    const QHostAddress peer = socket->peerAddress();
    const QByteArray caller = peer.toString().toLatin1();
    auto refuse = [&](const QString &why) {
        log_("refused a connection from " + caller + ": " + why.toLatin1());
        if (tls) { // an answer would need the handshake first
            socket->abort();
            socket->deleteLater();
            return;
        }
        socket->write(httpResponse(errorReply(503, why), false));
        socket->disconnectFromHost();
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(5000, socket, &QObject::deleteLater);
    };
    if (perAddress_.value(peer) >= limits_.perAddress)
        return refuse(
            QStringLiteral("more than %1 connections from one address").arg(limits_.perAddress));
    if (total_ >= limits_.total && !closeLongestIdle())
        return refuse(QStringLiteral("the server is busy with %1 connections").arg(limits_.total));
    ++total_;
    ++perAddress_[peer];
    peers_.insert(socket, peer);
    socket->setProperty(kLastActive, ++activity_);
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { forget(socket); });
    connect(socket, &QObject::destroyed, this, [this, socket] { forget(socket); });
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Connections left open without a word are closed after a while.
    auto *idle = new QTimer(socket);
    idle->setSingleShot(true);
    idle->setInterval(kIdleMs);
    connect(idle, &QTimer::timeout, socket, [socket] {
        if (!socket->property(kStreamingProperty).toBool())
            socket->abort();
    });
    idle->start();
    // Connected before the HTTP server's own reader, so it runs first.
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, idle] {
        idle->start();
        socket->setProperty(kLastActive, ++activity_);
        guardRequestSize(socket, log_);
    });
    if (tls) {
        // A caller that speaks plain HTTP or fails the handshake is dropped.
        connect(tls, &QSslSocket::errorOccurred, tls, [tls](QAbstractSocket::SocketError error) {
            if (error == QAbstractSocket::SslHandshakeFailedError)
                tls->abort();
        });
        tls->startServerEncryption();
    }
    addPendingConnection(socket);
}

} // namespace server
