#pragma once
// Login sessions: the account service hands the program's HTTP client a
// cookie at login, and requests that change an account (transfers, profile)
// must come with the cookie of that account.
//
// Kept in memory for one server; kept in the database (table `sessions`)
// when given one, so that every server sharing it knows every session.
#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

namespace server {

class Database;

// Seconds since the epoch; tests pass their own clock.
using Clock = std::function<qint64()>;
Clock systemClock();

class Sessions {
  public:
    static constexpr const char *kCookieName = "wemsid";
    static constexpr int kMaxSessions = 100'000;
    static constexpr qint64 kIdleSeconds = 24 * 3600;

    explicit Sessions(Database *shared = nullptr, Clock clock = systemClock(),
                      int maxSessions = kMaxSessions);

    // A new random session id for the nick, opened by a login with that
    // password. When the store is full, idle sessions go first, then the one
    // used longest ago.
    QByteArray open(const QString &nick, const QByteArray &password = {});
    // True when this server opened the session with a login with this
    // password: a later check of the same password needs no key derivation.
    // Only a keyed digest is kept, in this server's memory (another server
    // sharing the sessions derives the key itself).
    bool openedWith(const QByteArray &id, const QByteArray &password) const;
    // The nick of a live session, empty otherwise; using it keeps it alive.
    // Throws DatabaseError when the shared store fails.
    QString nickOf(const QByteArray &id);
    // The session id in a Cookie header, empty when there is none.
    static QByteArray idFromCookieHeader(const QByteArray &header);
    static QByteArray setCookieValue(const QByteArray &id);

  private:
    struct Entry {
        QString nick;
        qint64 lastUse;
    };
    void makeRoomInMemory(qint64 now);
    void makeRoomInDatabase(qint64 now);

    QByteArray proofOf(const QByteArray &password) const;

    Database *db_;
    Clock clock_;
    int maxSessions_;
    QHash<QByteArray, Entry> entries_;
    QByteArray proofKey_;                  // random, made at start, never stored
    QHash<QByteArray, QByteArray> proofs_; // session id -> keyed digest of its login password
};

} // namespace server
