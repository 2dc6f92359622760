#pragma once
// The statistics service: per game code, the counts of starts, unique
// starts, likes with the last liker's nick, and twelve match counters.
#include "server/Database.h"
#include "server/Service.h"

namespace server {

class StatsService : public Service {
  public:
    explicit StatsService(Database &db) : db_(db) {}
    bool writes(const FormFields &form) const override;
    Reply handle(const ServiceRequest &request) override;

  private:
    Reply readStats(qint64 gid);
    Reply sendStart(const FormFields &form, qint64 gid);
    Reply sendLike(const FormFields &form, qint64 gid);
    Reply sendGameStats(const FormFields &form, qint64 gid);

    Database &db_;
};

} // namespace server
