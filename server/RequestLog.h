#pragma once
// One line per request on standard error: time, caller, method, path,
// status and answer size. Buffered, flushed a few times a second and at exit,
// so that logging does not slow the server under load.
#include <QByteArray>
#include <QObject>
#include <QTimer>

namespace server {

class RequestLog : public QObject {
    Q_OBJECT
  public:
    explicit RequestLog(bool enabled, QObject *parent = nullptr);
    ~RequestLog() override;
    void add(const QByteArray &remote, const QByteArray &method, const QByteArray &path, int status,
             qint64 bytes);
    void note(const QByteArray &text);                    // a free line (start, stop, errors)
    void setEnabled(bool enabled) { enabled_ = enabled; } // the request lines
    void flush();

  private:
    bool enabled_;
    QByteArray buffer_;
    QByteArray stamp_;
    qint64 stampSecond_ = -1;
    QTimer timer_;
};

} // namespace server
