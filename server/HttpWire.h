#pragma once
// The HTTP side of the server below the routing: writing answers straight to
// the connection (large files in pieces), and a listening socket that refuses
// oversized requests before they are buffered and keeps the number of
// connections per address and in all within limits.
#include "server/Reply.h"

#include <QHash>
#include <QHostAddress>
#include <QSslConfiguration>
#include <QTcpServer>

#include <functional>
#include <optional>

class QTcpSocket;

namespace server {

// Largest request (head and body) the server reads; the services' requests
// are well below 8 KiB.
constexpr qint64 kMaxRequestBytes = 16 * 1024;
// Largest photo served and accepted by the upload: a 200 x 250 JPEG needs far less.
constexpr qint64 kMaxPhotoBytes = 256 * 1024;
// The content type of a photo upload: the picture's bytes posted to the
// account service on the session of the nick it belongs to.
inline constexpr const char *kPhotoContentType = "image/jpeg";
// A photo upload may be that much larger than the other requests.
constexpr qint64 kMaxPhotoRequestBytes = kMaxRequestBytes + kMaxPhotoBytes;
// A connection that sends nothing for this long is closed (radio streams excepted).
constexpr int kIdleMs = 120'000;
// Marks a connection that streams (the radio, a large file): it is never idle.
inline constexpr const char *kStreamingProperty = "wemStreaming";

QByteArray reasonPhrase(int status);
// The whole HTTP/1.1 answer for a reply (for a file reply: its head only).
QByteArray httpResponse(const Reply &reply, bool keepAlive);
// Writes the answer and marks the connection's request as answered. A file
// reply is sent in pieces as the caller takes them, then the connection closes.
void writeReply(QTcpSocket *socket, const Reply &reply, bool keepAlive);

// One line of the server's log, for what the front refuses.
using LogLine = std::function<void(const QByteArray &)>;

class GuardedTcpServer : public QTcpServer {
    Q_OBJECT
  public:
    struct Limits {
        int perAddress = 64; // connections of one address at once
        int total = 4096;    // connections at once; beyond it the longest idle one is closed
    };
    GuardedTcpServer(Limits limits, LogLine log, QObject *parent = nullptr);
    int connections() const { return total_; }
    // New connections from now on; those open keep what they had.
    void setLimits(Limits limits) { limits_ = limits; }
    // With a configuration every connection speaks TLS from its first byte
    // (a caller that does not is dropped); without one, plain HTTP.
    void setTls(std::optional<QSslConfiguration> tls) { tls_ = std::move(tls); }

  protected:
    void incomingConnection(qintptr descriptor) override;

  private:
    void forget(QTcpSocket *socket);
    // A socket for the connection: plain, or TLS not yet started.
    QTcpSocket *adopt(qintptr descriptor);
    // Closes the connection that has been idle longest, if one is idle at all.
    bool closeLongestIdle();

    Limits limits_;
    LogLine log_;
    std::optional<QSslConfiguration> tls_;
    QHash<QHostAddress, int> perAddress_;
    QHash<QTcpSocket *, QHostAddress> peers_; // the connections counted, with their callers
    int total_ = 0;
    qint64 activity_ = 0; // numbers the connections' last activities in their order
};

} // namespace server
