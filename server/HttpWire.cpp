#include "server/HttpWire.h"

#include <QTcpSocket>
#include <QTimer>

namespace server {
namespace {

constexpr const char *kUnansweredBytes = "wemUnansweredBytes";
constexpr const char *kRefused = "wemRefused";

// Runs before the HTTP server reads the new bytes: counts what arrived since
// the last answer and cuts off a request that grows beyond the limit.
void guardRequestSize(QTcpSocket *socket) {
    if (socket->property(kRefused).toBool()) {
        socket->readAll(); // the HTTP server must not parse what follows either
        return;
    }
    const qint64 total = socket->property(kUnansweredBytes).toLongLong() + socket->bytesAvailable();
    socket->setProperty(kUnansweredBytes, total);
    if (total <= kMaxRequestBytes)
        return;
    socket->readAll();
    socket->setProperty(kRefused, true);
    socket->write(httpResponse(
        errorReply(413, QStringLiteral("request larger than %1 bytes").arg(kMaxRequestBytes)),
        false));
    socket->disconnectFromHost();
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
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    default:
        return "Status";
    }
}

QByteArray httpResponse(const Reply &reply, bool keepAlive) {
    QByteArray out;
    out.reserve(160 + reply.body.size());
    out +=
        "HTTP/1.1 " + QByteArray::number(reply.status) + ' ' + reasonPhrase(reply.status) + "\r\n";
    out += "Content-Type: " + reply.contentType + "\r\n";
    out += "Content-Length: " + QByteArray::number(reply.body.size()) + "\r\n";
    for (const auto &[name, value] : reply.headers)
        out += name + ": " + value + "\r\n";
    out += keepAlive ? "Connection: keep-alive\r\n\r\n" : "Connection: close\r\n\r\n";
    out += reply.body;
    return out;
}

void writeReply(QTcpSocket *socket, const Reply &reply, bool keepAlive) {
    socket->setProperty(kUnansweredBytes, qint64(0));
    socket->write(httpResponse(reply, keepAlive));
    if (!keepAlive)
        socket->disconnectFromHost();
}

void GuardedTcpServer::incomingConnection(qintptr descriptor) {
    auto *socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        return;
    }
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
    connect(socket, &QTcpSocket::readyRead, socket, [socket, idle] {
        idle->start();
        guardRequestSize(socket);
    });
    addPendingConnection(socket);
}

} // namespace server
