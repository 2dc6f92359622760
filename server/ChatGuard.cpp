#include "server/ChatGuard.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace server {
namespace {

constexpr qint64 kMinuteMs = 60'000;
constexpr qint64 kHourMs = 60 * kMinuteMs;
// The lists are small text files; a larger one is read no further.
constexpr qint64 kListFileLimit = 1 << 20;

// One key per caller: an IPv4 caller is the same whether it came over IPv4
// or as an IPv4-mapped IPv6 address.
QHostAddress plainAddress(const QHostAddress &address) {
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return isV4 ? QHostAddress(v4) : address;
}

int postsSince(const std::deque<qint64> &times, qint64 sinceMs) {
    int count = 0;
    for (auto it = times.rbegin(); it != times.rend() && *it > sinceMs; ++it)
        ++count;
    return count;
}

void dropBefore(std::deque<qint64> &times, qint64 sinceMs) {
    while (!times.empty() && times.front() <= sinceMs)
        times.pop_front();
}

Reply tooMany(const QString &why) {
    return errorReply(429, why);
}

} // namespace

void ChatGuard::reloadLists() {
    for (WatchedList *list : {&bans_, &words_}) {
        list->modified = QDateTime();
        list->size = -2; // matches no file, present or not
    }
}

bool ChatGuard::WatchedList::refresh() {
    const QFileInfo info(path);
    const bool exists = !path.isEmpty() && info.exists() && info.isFile();
    const QDateTime modified = exists ? info.lastModified() : QDateTime();
    const qint64 size = exists ? info.size() : -1;
    if (modified == this->modified && size == this->size)
        return false;
    this->modified = modified;
    this->size = size;
    lines.clear();
    QFile file(path);
    if (!exists || !file.open(QIODevice::ReadOnly))
        return true;
    const QString text = QString::fromUtf8(file.read(kListFileLimit));
    for (QString line : text.split(QLatin1Char('\n'))) {
        const qsizetype comment = line.indexOf(QLatin1Char('#'));
        if (comment >= 0)
            line.truncate(comment);
        line = line.trimmed();
        if (!line.isEmpty())
            lines << line;
    }
    return true;
}

ChatGuard::ChatGuard(QString dataDir, ChatLimits limits) : limits_(limits) {
    if (dataDir.isEmpty())
        return; // no operator's lists
    bans_.path = QDir(dataDir).filePath(QString::fromLatin1(kBanFile));
    words_.path = QDir(dataDir).filePath(QString::fromLatin1(kWordFile));
}

bool ChatGuard::banned(const QString &nick, const QHostAddress &address) {
    if (bans_.refresh()) {
        bannedNicks_.clear();
        bannedSubnets_.clear();
        for (const QString &line : std::as_const(bans_.lines)) {
            const QPair<QHostAddress, int> subnet = QHostAddress::parseSubnet(line);
            if (!subnet.first.isNull())
                bannedSubnets_ << subnet;
            else
                bannedNicks_.insert(line.toLower());
        }
    }
    if (bannedNicks_.contains(nick.toLower()))
        return true;
    const QHostAddress caller = plainAddress(address);
    for (const auto &[network, length] : std::as_const(bannedSubnets_))
        if (caller.isInSubnet(plainAddress(network), length))
            return true;
    return false;
}

void ChatGuard::forgetOldPosts(qint64 nowMs) {
    // Once a minute, so a crowd of callers cannot make every post slow.
    if (nowMs - lastSweepMs_ < kMinuteMs)
        return;
    lastSweepMs_ = nowMs;
    for (QHash<QString, Posts> *table : {&byNick_, &byAddress_}) {
        for (auto it = table->begin(); it != table->end();) {
            dropBefore(it->times, nowMs - kHourMs);
            it = it->times.empty() ? table->erase(it) : std::next(it);
        }
    }
}

std::optional<Reply> ChatGuard::admit(const QString &nick, const QHostAddress &address,
                                      qint64 nowMs) {
    if (banned(nick, address))
        return errorReply(403, QStringLiteral("banned from the chat"));
    forgetOldPosts(nowMs);
    Posts &byNick = byNick_[nick.toLower()];
    Posts &byAddress = byAddress_[plainAddress(address).toString()];
    dropBefore(byNick.times, nowMs - kHourMs);
    dropBefore(byAddress.times, nowMs - kHourMs);
    if (!byNick.times.empty() && nowMs - byNick.times.back() < limits_.nickIntervalMs) {
        const qint64 waitS = (limits_.nickIntervalMs - (nowMs - byNick.times.back()) + 999) / 1000;
        return tooMany(QStringLiteral("one chat message at a time: wait %1 s").arg(waitS));
    }
    if (postsSince(byNick.times, nowMs - kHourMs) >= limits_.nickPerHour)
        return tooMany(QStringLiteral("too many chat messages from this nick within an hour"));
    if (postsSince(byAddress.times, nowMs - kMinuteMs) >= limits_.addressPerMinute)
        return tooMany(QStringLiteral("too many chat messages from one address within a minute"));
    if (postsSince(byAddress.times, nowMs - kHourMs) >= limits_.addressPerHour)
        return tooMany(QStringLiteral("too many chat messages from one address within an hour"));
    byNick.times.push_back(nowMs);
    byAddress.times.push_back(nowMs);
    return std::nullopt;
}

QString ChatGuard::masked(const QString &text) {
    if (words_.refresh()) {
        wholeWords_.clear();
        prefixes_.clear();
        for (const QString &line : std::as_const(words_.lines)) {
            if (line.endsWith(QLatin1Char('*')))
                prefixes_ << line.chopped(1).toLower();
            else
                wholeWords_.insert(line.toLower());
        }
        prefixes_.removeAll(QString());
    }
    if (wholeWords_.isEmpty() && prefixes_.isEmpty())
        return text;
    QString out = text;
    qsizetype start = 0;
    while (start < out.size()) {
        if (!out[start].isLetterOrNumber()) {
            ++start;
            continue;
        }
        qsizetype end = start;
        while (end < out.size() && out[end].isLetterOrNumber())
            ++end;
        const QString word = out.mid(start, end - start).toLower();
        bool listed = wholeWords_.contains(word);
        for (qsizetype i = 0; !listed && i < prefixes_.size(); ++i)
            listed = word.startsWith(prefixes_[i]);
        if (listed)
            out.replace(start, end - start, QString(end - start, QLatin1Char('-')));
        start = end;
    }
    return out;
}

} // namespace server
