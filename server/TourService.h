#pragma once
// The tournament web service: the lobby of ten tables (table list, server
// state, seat changes, seat reader) and the tournament standings (own
// standing, top ten and place by score, rating or hands).
//
// A participant's standing: total score, hands played (one per tournament
// game) and rating, the average score per hand in hundredths, rounded.
#include "server/Database.h"
#include "server/Lobby.h"
#include "server/Service.h"

#include <array>
#include <functional>

namespace server {

class TourService : public Service {
  public:
    // gameServerOn: whether the game server is listening; address and base
    // port: what the table list gives the program for it.
    TourService(Database &db, Lobby &lobby, QString address, quint16 basePort,
                std::function<bool()> gameServerOn, QString message);
    bool writes(const FormFields &form) const override;
    Reply handle(const ServiceRequest &request) override;

    // The leader's scores of a finished game, by role; empty nicks are skipped.
    void recordScores(const std::array<QString, 4> &nicks, const std::array<qint64, 4> &scores);
    static qint64 ratingOf(qint64 score, qint64 kon);

  private:
    Reply tableList();
    Reply serverInfo();
    Reply seatChange(const ServiceRequest &request, int seat);
    // Actions 0 and 2: a seat of the table of the session's own participant,
    // its own or one after it; the seats after it are freed too.
    Reply freeSeat(const QString &sessionNick, int table, int seat);
    Reply seatReader(const FormFields &form, int seat);
    Reply ownStanding(const FormFields &form);
    Reply topTen(char criterion);
    Reply ownPlace(const FormFields &form, char criterion);
    QList<QByteArray> seatFields(const std::optional<Participant> &participant) const;

    Database &db_;
    Lobby &lobby_;
    QString address_;
    quint16 basePort_;
    std::function<bool()> gameServerOn_;
    QString message_;
};

} // namespace server
