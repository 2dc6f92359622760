#pragma once
// What keeps password checks from being used against the server or its
// accounts: a bound on the key derivations waiting or running (in all and
// per caller address), and a growing delay after failed password checks of
// one nick or from one address.
//
// The failure counts are kept in memory for one server, or in the database
// (table `login_failures`) when given one, so that servers sharing it count
// together.
#include "server/Sessions.h"

#include <QHash>
#include <QHostAddress>
#include <QString>

#include <deque>
#include <functional>
#include <optional>

namespace server {

class Database;

// Admission of key derivations to the worker threads. A caller whose
// address has its share running (a family or a LAN party behind one router
// starting their programs together) may wait in its address's line for a
// place instead of being refused at once.
class PasswordQueue {
  public:
    static constexpr int kMaxWaiting = 32;   // derivations waiting or running, in all
    static constexpr int kMaxPerAddress = 2; // of one caller address
    static constexpr int kMaxInLine = 6;     // callers of one address waiting their turn
    static constexpr int kMaxInLines = 64;   // callers waiting their turn, in all
    static constexpr int kLineWaitMs = 5000; // the longest a caller waits in the line
    // What a refusal for load tells the caller to wait before it asks again.
    static constexpr int kRetryAfterSeconds = 3;

    using Start = std::function<void()>;

    explicit PasswordQueue(int maxWaiting = kMaxWaiting, int maxPerAddress = kMaxPerAddress)
        : maxWaiting_(maxWaiting), maxPerAddress_(maxPerAddress) {}
    // Takes a place for the caller, or gives the reason it gets none.
    std::optional<QString> admit(const QHostAddress &caller);
    // Puts a caller that `admit` refused into its address's line: `start`
    // runs, with the place taken, once a place of that address frees. A
    // ticket to withdraw it with; nothing when the line is full or the
    // server as a whole has no room (then it is refused).
    std::optional<quint64> waitInLine(const QHostAddress &caller, Start start);
    // Takes a caller out of its line (it waited too long); false when it is
    // no longer there (it has started).
    bool withdraw(quint64 ticket);
    // Frees the caller's place; the callers in line that now fit start.
    void release(const QHostAddress &caller);
    int waiting() const { return waiting_; }
    int inLine() const;

  private:
    struct Waiter {
        quint64 ticket;
        Start start;
    };
    int maxWaiting_, maxPerAddress_;
    int waiting_ = 0;
    QHash<QHostAddress, int> perAddress_;
    QHash<QHostAddress, std::deque<Waiter>> lines_;
    quint64 nextTicket_ = 1;
};

class LoginThrottle {
  public:
    // Failures allowed without delay: per nick, and per address (players behind one router).
    static constexpr int kFreeNickFailures = 5;
    static constexpr int kFreeAddressFailures = 20;
    // Each failure beyond them doubles the wait, up to this.
    static constexpr qint64 kMaxDelaySeconds = 15 * 60;
    // Failures older than this are forgotten.
    static constexpr qint64 kForgetSeconds = 3600;
    static constexpr int kMaxEntries = 100'000;

    explicit LoginThrottle(Database *shared = nullptr, Clock clock = systemClock());

    // Seconds the caller must still wait before the nick's password is
    // checked again from that address; 0 when it may go on. Throws
    // DatabaseError when the shared store fails.
    qint64 waitSeconds(const QString &nick, const QHostAddress &caller);
    void recordFailure(const QString &nick, const QHostAddress &caller);
    // The right password: the nick's count starts again (the address's does not,
    // or one own account would reset an address that guesses others).
    void recordSuccess(const QString &nick);

    // The wait after `failures` failures of which `free` cost nothing.
    static qint64 delayAfter(qint64 failures, int free);

  private:
    struct Count {
        qint64 failures = 0;
        qint64 lastFailure = 0;
    };
    Count countOf(const QString &key);
    void addFailure(const QString &key, qint64 now);
    qint64 waitFor(const QString &key, int free, qint64 now);

    Database *db_;
    Clock clock_;
    QHash<QString, Count> counts_;
};

} // namespace server
