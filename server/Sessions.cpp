#include "server/Sessions.h"

#include <QRandomGenerator>

namespace server {

QByteArray Sessions::open(const QString &nick) {
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (entries_.size() >= kMaxSessions)
        dropIdle(now);
    if (entries_.size() >= kMaxSessions) {
        // Still full: forget the session used longest ago.
        auto oldest = entries_.begin();
        for (auto it = entries_.begin(); it != entries_.end(); ++it)
            if (it->lastUse < oldest->lastUse)
                oldest = it;
        entries_.erase(oldest);
    }
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray id = QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex();
    entries_.insert(id, {nick, now});
    return id;
}

QString Sessions::nickOf(const QByteArray &id) {
    if (id.isEmpty())
        return {};
    auto it = entries_.find(id);
    if (it == entries_.end())
        return {};
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    if (now - it->lastUse > kIdleSeconds) {
        entries_.erase(it);
        return {};
    }
    it->lastUse = now;
    return it->nick;
}

void Sessions::dropIdle(qint64 now) {
    for (auto it = entries_.begin(); it != entries_.end();)
        it = now - it->lastUse > kIdleSeconds ? entries_.erase(it) : std::next(it);
}

QByteArray Sessions::idFromCookieHeader(const QByteArray &header) {
    for (QByteArray part : header.split(';')) {
        part = part.trimmed();
        const QByteArray prefix = QByteArray(kCookieName) + '=';
        if (part.startsWith(prefix))
            return part.mid(prefix.size());
    }
    return {};
}

QByteArray Sessions::setCookieValue(const QByteArray &id) {
    return QByteArray(kCookieName) + '=' + id + "; Path=/; HttpOnly";
}

} // namespace server
