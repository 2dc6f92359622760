#include "server/Sessions.h"

#include "server/Database.h"

#include <QDateTime>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>

namespace server {
namespace {

// A shared session's last use is written at most this often, not at every request.
constexpr qint64 kTouchSeconds = 60;

} // namespace

Clock systemClock() {
    return [] { return QDateTime::currentSecsSinceEpoch(); };
}

Sessions::Sessions(Database *shared, Clock clock, int maxSessions)
    : db_(shared), clock_(std::move(clock)), maxSessions_(maxSessions) {
    quint32 words[8];
    QRandomGenerator::system()->fillRange(words);
    proofKey_ = QByteArray(reinterpret_cast<const char *>(words), sizeof words);
}

QByteArray Sessions::proofOf(const QByteArray &password) const {
    return QMessageAuthenticationCode::hash(password, proofKey_, QCryptographicHash::Sha256);
}

bool Sessions::openedWith(const QByteArray &id, const QByteArray &password) const {
    const auto it = proofs_.constFind(id);
    return it != proofs_.constEnd() && *it == proofOf(password);
}

QByteArray Sessions::open(const QString &nick, const QByteArray &password) {
    const qint64 now = clock_();
    quint32 words[4];
    QRandomGenerator::system()->fillRange(words);
    const QByteArray id = QByteArray(reinterpret_cast<const char *>(words), sizeof words).toHex();
    if (db_) {
        makeRoomInDatabase(now);
        db_->run(QStringLiteral("INSERT INTO sessions (id, nick, last_use) VALUES (?, ?, ?)"),
                 {QString::fromLatin1(id), nick, now});
    } else {
        makeRoomInMemory(now);
        entries_.insert(id, {nick, now});
    }
    if (!password.isEmpty()) {
        if (proofs_.size() >= maxSessions_)
            proofs_.clear(); // those sessions derive the key once more
        proofs_.insert(id, proofOf(password));
    }
    return id;
}

QString Sessions::nickOf(const QByteArray &id) {
    if (id.isEmpty() || id.size() > 64)
        return {};
    const qint64 now = clock_();
    if (db_) {
        QSqlQuery &q = db_->run(QStringLiteral("SELECT nick, last_use FROM sessions WHERE id = ?"),
                                {QString::fromLatin1(id)});
        if (!q.next()) {
            q.finish();
            return {};
        }
        const QString nick = q.value(0).toString();
        const qint64 lastUse = q.value(1).toLongLong();
        q.finish();
        if (now - lastUse > kIdleSeconds) {
            db_->run(QStringLiteral("DELETE FROM sessions WHERE id = ?"),
                     {QString::fromLatin1(id)});
            proofs_.remove(id);
            return {};
        }
        if (now - lastUse >= kTouchSeconds)
            db_->run(QStringLiteral("UPDATE sessions SET last_use = ? WHERE id = ?"),
                     {now, QString::fromLatin1(id)});
        return nick;
    }
    auto it = entries_.find(id);
    if (it == entries_.end()) {
        proofs_.remove(id);
        return {};
    }
    if (now - it->lastUse > kIdleSeconds) {
        entries_.erase(it);
        proofs_.remove(id);
        return {};
    }
    it->lastUse = now;
    return it->nick;
}

void Sessions::makeRoomInMemory(qint64 now) {
    if (entries_.size() < maxSessions_)
        return;
    for (auto it = entries_.begin(); it != entries_.end();)
        it = now - it->lastUse > kIdleSeconds ? entries_.erase(it) : std::next(it);
    if (entries_.size() < maxSessions_)
        return;
    // Still full: forget the session used longest ago.
    auto oldest = entries_.begin();
    for (auto it = entries_.begin(); it != entries_.end(); ++it)
        if (it->lastUse < oldest->lastUse)
            oldest = it;
    entries_.erase(oldest);
}

void Sessions::makeRoomInDatabase(qint64 now) {
    const qint64 count = db_->scalar(QStringLiteral("SELECT COUNT(*) FROM sessions")).toLongLong();
    if (count < maxSessions_)
        return;
    db_->run(QStringLiteral("DELETE FROM sessions WHERE last_use < ?"), {now - kIdleSeconds});
    const qint64 left = db_->scalar(QStringLiteral("SELECT COUNT(*) FROM sessions")).toLongLong();
    if (left < maxSessions_)
        return;
    db_->run(QStringLiteral("DELETE FROM sessions WHERE id IN "
                            "(SELECT id FROM sessions ORDER BY last_use, id LIMIT ?)"),
             {left - maxSessions_ + 1});
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
