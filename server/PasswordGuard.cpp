#include "server/PasswordGuard.h"

#include "server/Database.h"

#include <algorithm>

namespace server {
namespace {

QString nickKey(const QString &nick) {
    return QStringLiteral("nick:") + nick;
}

QString addressKey(const QHostAddress &caller) {
    return QStringLiteral("addr:") + caller.toString();
}

} // namespace

std::optional<QString> PasswordQueue::admit(const QHostAddress &caller) {
    if (waiting_ >= maxWaiting_)
        return QStringLiteral("too many password checks waiting, try again in a moment");
    int &mine = perAddress_[caller];
    if (mine >= maxPerAddress_) {
        if (mine == 0)
            perAddress_.remove(caller);
        return QStringLiteral("too many password checks from one address at once");
    }
    ++mine;
    ++waiting_;
    return std::nullopt;
}

std::optional<quint64> PasswordQueue::waitInLine(const QHostAddress &caller, Start start) {
    if (waiting_ >= maxWaiting_ || inLine() >= kMaxInLines)
        return std::nullopt;
    std::deque<Waiter> &line = lines_[caller];
    if (int(line.size()) >= kMaxInLine) {
        if (line.empty())
            lines_.remove(caller);
        return std::nullopt;
    }
    line.push_back({nextTicket_, std::move(start)});
    return nextTicket_++;
}

bool PasswordQueue::withdraw(quint64 ticket) {
    for (auto line = lines_.begin(); line != lines_.end(); ++line) {
        const auto it = std::find_if(line->begin(), line->end(),
                                     [ticket](const Waiter &w) { return w.ticket == ticket; });
        if (it == line->end())
            continue;
        line->erase(it);
        if (line->empty())
            lines_.erase(line);
        return true;
    }
    return false;
}

int PasswordQueue::inLine() const {
    int count = 0;
    for (const std::deque<Waiter> &line : lines_)
        count += int(line.size());
    return count;
}

void PasswordQueue::release(const QHostAddress &caller) {
    --waiting_;
    auto it = perAddress_.find(caller);
    if (it != perAddress_.end() && --*it <= 0)
        perAddress_.erase(it);
    // The freed place goes to the caller's own line first, then to any line
    // the bound in all held back. The starts run once the queue is settled.
    std::vector<Start> starts;
    QList<QHostAddress> addresses = lines_.keys();
    addresses.removeAll(caller);
    addresses.prepend(caller);
    for (const QHostAddress &address : addresses) {
        auto line = lines_.find(address);
        while (line != lines_.end() && !line->empty() && !admit(address)) {
            starts.push_back(std::move(line->front().start));
            line->pop_front();
        }
        if (line != lines_.end() && line->empty())
            lines_.erase(line);
    }
    for (Start &start : starts)
        start();
}

LoginThrottle::LoginThrottle(Database *shared, Clock clock)
    : db_(shared), clock_(std::move(clock)) {}

qint64 LoginThrottle::delayAfter(qint64 failures, int free) {
    if (failures <= free)
        return 0;
    const qint64 doublings = std::min<qint64>(failures - free - 1, 20);
    return std::min<qint64>(qint64(1) << doublings, kMaxDelaySeconds);
}

LoginThrottle::Count LoginThrottle::countOf(const QString &key) {
    if (!db_)
        return counts_.value(key);
    QSqlQuery &q = db_->run(
        QStringLiteral("SELECT failures, last_failure FROM login_failures WHERE key = ?"), {key});
    Count count;
    if (q.next())
        count = {q.value(0).toLongLong(), q.value(1).toLongLong()};
    q.finish();
    return count;
}

qint64 LoginThrottle::waitFor(const QString &key, int free, qint64 now) {
    const Count count = countOf(key);
    if (count.failures == 0 || now - count.lastFailure > kForgetSeconds)
        return 0;
    const qint64 until = count.lastFailure + delayAfter(count.failures, free);
    return std::max<qint64>(0, until - now);
}

qint64 LoginThrottle::waitSeconds(const QString &nick, const QHostAddress &caller) {
    const qint64 now = clock_();
    return std::max(waitFor(nickKey(nick), kFreeNickFailures, now),
                    waitFor(addressKey(caller), kFreeAddressFailures, now));
}

void LoginThrottle::addFailure(const QString &key, qint64 now) {
    if (db_) {
        // One statement, so that two servers counting at once lose no failure.
        db_->run(QStringLiteral(
                     "INSERT INTO login_failures (key, failures, last_failure) VALUES (?, 1, ?) "
                     "ON CONFLICT (key) DO UPDATE SET failures = CASE WHEN ? - "
                     "login_failures.last_failure > ? THEN 1 ELSE login_failures.failures + 1 "
                     "END, last_failure = excluded.last_failure"),
                 {key, now, now, kForgetSeconds});
        return;
    }
    if (counts_.size() >= kMaxEntries) {
        for (auto it = counts_.begin(); it != counts_.end();)
            it = now - it->lastFailure > kForgetSeconds ? counts_.erase(it) : std::next(it);
        if (counts_.size() >= kMaxEntries)
            counts_.erase(counts_.begin()); // still full: any one goes
    }
    Count &count = counts_[key];
    if (now - count.lastFailure > kForgetSeconds)
        count.failures = 0;
    ++count.failures;
    count.lastFailure = now;
}

void LoginThrottle::recordFailure(const QString &nick, const QHostAddress &caller) {
    const qint64 now = clock_();
    addFailure(nickKey(nick), now);
    addFailure(addressKey(caller), now);
}

void LoginThrottle::recordSuccess(const QString &nick) {
    if (db_)
        db_->run(QStringLiteral("DELETE FROM login_failures WHERE key = ?"), {nickKey(nick)});
    else
        counts_.remove(nickKey(nick));
}

} // namespace server
