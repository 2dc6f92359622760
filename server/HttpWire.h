#pragma once
// The HTTP side of the server below the routing: writing answers straight to
// the connection, and a listening socket that refuses oversized requests
// before they are buffered.
#include "server/Reply.h"

#include <QTcpServer>

class QTcpSocket;

namespace server {

// Largest request (head and body) the server reads; the services' requests
// are well below 8 KiB.
constexpr qint64 kMaxRequestBytes = 16 * 1024;
// A connection that sends nothing for this long is closed (radio streams excepted).
constexpr int kIdleMs = 120'000;
// Marks a connection that streams (the radio): it is never idle.
inline constexpr const char *kStreamingProperty = "wemStreaming";

QByteArray reasonPhrase(int status);
// The whole HTTP/1.1 answer for a reply.
QByteArray httpResponse(const Reply &reply, bool keepAlive);
// Writes the answer and marks the connection's request as answered.
void writeReply(QTcpSocket *socket, const Reply &reply, bool keepAlive);

class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
  public:
    using QTcpServer::QTcpServer;

  protected:
    void incomingConnection(qintptr descriptor) override;
};

} // namespace server
