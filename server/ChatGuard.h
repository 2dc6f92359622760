#pragma once
// What keeps the shared chat usable: a rate limit per caller address and per
// nick, a ban list and a word list the operator edits in the data folder.
//
// - chat-bans.txt: one nick, address or subnet ("10.0.0.0/8") a line; "#"
//   starts a comment. A post from a listed nick (in any case) or address is
//   refused.
// - chat-words.txt: one word a line; a word ending in "*" stands for every
//   word it begins. Listed words in a message are masked with "-", letter
//   for letter; only whole words, so a listed word inside a longer one stays.
//
// Both files are read again when they change, and on reloadLists() (the
// server's SIGHUP), so the operator needs no restart. The counts of the rate limit live in memory.
#include "server/Reply.h"
#include "server/ServerOptions.h"

#include <QDateTime>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QSet>
#include <QString>
#include <QStringList>

#include <deque>
#include <optional>

namespace server {

class ChatGuard {
  public:
    explicit ChatGuard(QString dataDir, ChatLimits limits = {});

    // A refusal for a post of `nick` from `address` at `nowMs`, or nothing
    // when it may be stored. An admitted post is counted at once.
    std::optional<Reply> admit(const QString &nick, const QHostAddress &address, qint64 nowMs);
    // The message with every listed word masked.
    QString masked(const QString &text);
    // Reads both lists again at their next use, changed or not (an edit
    // that kept a file's size within the same moment goes unseen otherwise).
    void reloadLists();

    static constexpr const char *kBanFile = "chat-bans.txt";
    static constexpr const char *kWordFile = "chat-words.txt";

  private:
    // A file's lines without comments and blanks, read again when it changed.
    struct WatchedList {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        QStringList lines;
        bool refresh();
    };
    struct Posts {
        std::deque<qint64> times; // oldest first, at most an hour back
    };
    bool banned(const QString &nick, const QHostAddress &address);
    void forgetOldPosts(qint64 nowMs);

    ChatLimits limits_;
    WatchedList bans_;
    WatchedList words_;
    // Built from the lists when they change.
    QSet<QString> bannedNicks_;
    QList<QPair<QHostAddress, int>> bannedSubnets_;
    QSet<QString> wholeWords_;
    QStringList prefixes_;
    QHash<QString, Posts> byNick_;
    QHash<QString, Posts> byAddress_;
    qint64 lastSweepMs_ = 0;
};

} // namespace server
