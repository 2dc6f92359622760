#pragma once
// The world service: the world lists of final scores (local games 46, mobile
// edition 146, account games 346) and the chat (list 100).
//
// Lists are ordered by score, the earlier entry first on equal scores; a
// list read gives the ten best with their places. Chat messages are numbered
// by the server, one above the newest, so numbers rise without gaps or
// duplicates however many players send at once; a read gives the last ten,
// newest first.
#include "server/AccountService.h"
#include "server/ChatGuard.h"
#include "server/Database.h"
#include "server/Service.h"

#include <QDateTime>
#include <QHash>

namespace server {

constexpr int kLocalList = 46;
constexpr int kMobileList = 146;
constexpr int kAccountList = 346;
constexpr int kChatList = 100;

class WorldService : public Service {
  public:
    // dataDir: where the operator keeps the chat's ban list and word list.
    WorldService(Database &db, AccountService &accounts, const QString &dataDir = QString(),
                 ChatLimits chatLimits = {})
        : db_(db), accounts_(accounts), chatGuard_(dataDir, chatLimits) {}
    bool writes(const FormFields &form) const override;
    Reply handle(const ServiceRequest &request) override;

    // Wems for a place in the account list: 25 for the first, 10 for places 2 to 10.
    static qint64 bonusForPlace(qint64 place);
    // The chat's ban and word lists are read again before the next post.
    void reloadChatLists() { chatGuard_.reloadLists(); }

  private:
    Reply readList(int gid);
    Reply readCount(int gid);
    Reply readOwn(const FormFields &form);
    Reply sendResult(const ServiceRequest &request);
    // The place an entry holds now in its list.
    qint64 placeOf(qint64 resultId);
    QByteArray entryText(qint64 place, QSqlQuery &row);

    Database &db_;
    AccountService &accounts_;
    ChatGuard chatGuard_;
    struct CachedList {
        QByteArray body;
        qint64 takenMs;
    };
    QHash<int, CachedList> cache_; // list reads, dropped on every write to the list
};

} // namespace server
