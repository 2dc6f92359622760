#pragma once
// Login sessions: the account service hands the program's HTTP client a
// cookie at login, and requests that change an account (transfers, profile)
// must come with the cookie of that account.
#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

namespace server {

class Sessions {
  public:
    static constexpr const char *kCookieName = "wemsid";
    static constexpr int kMaxSessions = 100'000;
    static constexpr qint64 kIdleSeconds = 24 * 3600;

    // A new random session id for the nick.
    QByteArray open(const QString &nick);
    // The nick of a live session, empty otherwise; touching keeps it alive.
    QString nickOf(const QByteArray &id);
    // The session id in a Cookie header, empty when there is none.
    static QByteArray idFromCookieHeader(const QByteArray &header);
    static QByteArray setCookieValue(const QByteArray &id);

  private:
    struct Entry {
        QString nick;
        qint64 lastUse;
    };
    void dropIdle(qint64 now);

    QHash<QByteArray, Entry> entries_;
};

} // namespace server
