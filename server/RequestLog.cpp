#include "server/RequestLog.h"

#include <QDateTime>

#include <cstdio>

namespace server {

RequestLog::RequestLog(bool enabled, QObject *parent) : QObject(parent), enabled_(enabled) {
    timer_.setInterval(250);
    connect(&timer_, &QTimer::timeout, this, &RequestLog::flush);
    timer_.start();
}

RequestLog::~RequestLog() {
    flush();
}

void RequestLog::add(const QByteArray &remote, const QByteArray &method, const QByteArray &path,
                     int status, qint64 bytes) {
    if (!enabled_)
        return;
    // The time text changes once a second; make it only then.
    const qint64 second = QDateTime::currentSecsSinceEpoch();
    if (second != stampSecond_) {
        stampSecond_ = second;
        stamp_ = QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1();
    }
    buffer_ += stamp_ + ' ' + remote + ' ' + method + ' ' + path.left(200) + ' ' +
               QByteArray::number(status) + ' ' + QByteArray::number(bytes) + '\n';
    if (buffer_.size() > 64 * 1024)
        flush();
}

void RequestLog::note(const QByteArray &text) {
    buffer_ += QDateTime::currentDateTime().toString(Qt::ISODate).toLatin1() +
               " wem-server: " + text + '\n';
    flush();
}

void RequestLog::flush() {
    if (buffer_.isEmpty())
        return;
    std::fwrite(buffer_.constData(), 1, size_t(buffer_.size()), stderr);
    std::fflush(stderr);
    buffer_.clear();
}

} // namespace server
