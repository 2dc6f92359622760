#include "server/WorldService.h"

#include "server/FieldRules.h"

#include <QSqlQuery>

#include <limits>

namespace server {
namespace {

// A cached list is served for at most this long, so that another server on
// the same database is seen soon.
constexpr qint64 kCacheMs = 1000;
constexpr qint64 kMaxScore = 1'000'000;

bool isListId(qint64 gid) {
    return gid == kLocalList || gid == kMobileList || gid == kAccountList || gid == kChatList;
}

std::optional<int> listId(const std::optional<QByteArray> &text) {
    if (!text)
        return std::nullopt;
    const auto gid = integerValue(*text, 0, 100'000);
    if (!gid || !isListId(*gid))
        return std::nullopt;
    return int(*gid);
}

Reply badList() {
    return errorReply(400, QStringLiteral("gid: expected a list id 46, 146, 346 or 100"));
}

const QString kColumns = QStringLiteral("id, score, nick, country, city, r07, r08, r09, r10");

QString nowText() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

} // namespace

qint64 WorldService::bonusForPlace(qint64 place) {
    if (place == 1)
        return 25;
    if (place >= 2 && place <= 10)
        return 10;
    return 0;
}

bool WorldService::writes(const FormFields &form) const {
    return form.has("score");
}

Reply WorldService::handle(const ServiceRequest &request) {
    const FormFields &form = request.form;
    if (form.has("score"))
        return sendResult(request);
    if (form.has("rgid")) {
        const auto gid = listId(form.value("rgid", BodyStyle::Listed));
        return gid ? readCount(*gid) : badList();
    }
    if (form.has("nick"))
        return readOwn(form);
    if (form.has("gid") && form.fields().size() == 1) {
        const auto gid = listId(form.value("gid", BodyStyle::Listed));
        return gid ? readList(*gid) : badList();
    }
    return errorReply(400, QStringLiteral("unknown world request"));
}

QByteArray WorldService::entryText(qint64 place, QSqlQuery &row) {
    QList<QByteArray> fields{QByteArray::number(place),
                             QByteArray::number(row.value(0).toLongLong()),
                             QByteArray::number(row.value(1).toLongLong())};
    for (int i = 2; i < 9; ++i)
        fields << toWire(row.value(i).toString());
    return '$' + fields.join(' ') + '*';
}

Reply WorldService::readList(int gid) {
    const qint64 nowMs = QDateTime::currentMSecsSinceEpoch();
    Reply reply;
    const auto cached = cache_.constFind(gid);
    if (cached != cache_.cend() && nowMs - cached->takenMs < kCacheMs) {
        reply.body = cached->body;
        return reply;
    }
    QSqlQuery &q = db_.run(QStringLiteral("SELECT %1 FROM world_results WHERE gid = ? "
                                          "ORDER BY score DESC, id LIMIT 10")
                               .arg(kColumns),
                           {gid});
    QByteArray body;
    qint64 place = 0;
    while (q.next())
        body += entryText(++place, q);
    q.finish();
    reply.body = body.isEmpty() ? QByteArray("#") : body; // no "$": an empty list
    cache_.insert(gid, {reply.body, nowMs});
    return reply;
}

Reply WorldService::readCount(int gid) {
    return numberReply(
        db_.scalar(QStringLiteral("SELECT COUNT(*) FROM world_results WHERE gid = ?"), {gid})
            .toLongLong());
}

Reply WorldService::readOwn(const FormFields &form) {
    const auto gid = listId(form.value("gid", BodyStyle::Raw));
    if (!gid)
        return badList();
    const auto nick = form.value("nick", BodyStyle::Raw);
    const auto city = form.value("city", BodyStyle::Raw);
    if (!nick || !city)
        return errorReply(400, QStringLiteral("field nick or city absent"));
    QSqlQuery &q = db_.run(
        QStringLiteral("SELECT %1, (SELECT COUNT(*) FROM world_results o WHERE o.gid = w.gid AND "
                       "(o.score > w.score OR (o.score = w.score AND o.id < w.id))) "
                       "FROM world_results w WHERE gid = ? AND nick = ? AND city = ? "
                       "ORDER BY score DESC, id LIMIT 10")
            .arg(kColumns),
        {*gid, fromWire(*nick), fromWire(*city)});
    QByteArray body;
    while (q.next())
        body += entryText(q.value(9).toLongLong() + 1, q);
    q.finish();
    Reply reply;
    reply.body = body.isEmpty() ? QByteArray("#") : body;
    return reply;
}

Reply WorldService::sendResult(const ServiceRequest &request) {
    const FormFields &form = request.form;
    const QString &sessionNick = request.sessionNick;
    const auto gid = listId(form.value("gid", BodyStyle::Raw));
    if (!gid)
        return badList();
    const QByteArray nick = form.value("nick", BodyStyle::Raw).value_or(QByteArray());
    const QByteArray city = form.value("city", BodyStyle::Raw).value_or(QByteArray());
    const QByteArray country = form.value("country", BodyStyle::Raw).value_or(QByteArray());
    const QByteArray scoreText = form.value("score", BodyStyle::Raw).value_or(QByteArray());
    const QByteArray r7 = form.value("R7", BodyStyle::Raw).value_or(QByteArray());
    const QByteArray r8 = form.value("R8", BodyStyle::Raw).value_or(QByteArray());
    // The chat stamp holds the local time, which may have blanks ("10:15 AM"); the
    // chat shows "_" as a blank, so blanks travel as "_" here.
    const QByteArray r9 = form.value("R9", BodyStyle::Raw).value_or(QByteArray()).replace(' ', '_');
    QByteArray r10 = form.value("R10", BodyStyle::Raw).value_or(QByteArray());
    if (r10.endsWith('*'))
        r10.chop(1); // the program closes the last value with "*"

    const bool account = *gid == kAccountList;
    const bool chat = *gid == kChatList;
    if (account ? !isAccountNick(nick) : !isPassportNick(nick))
        return errorReply(400, QStringLiteral("nick: expected 1 to 12 letters, digits or signs"));
    if (!isPassportCity(city))
        return errorReply(400, QStringLiteral("city: expected 2 to 15 letters"));
    if (!form.has("country"))
        return errorReply(400, QStringLiteral("field country absent"));
    if (account ? !(country.isEmpty() || isToken(country, 15)) : !isCountryCode(country))
        return errorReply(
            400, QStringLiteral("country: expected a country %1").arg(account ? "name" : "code"));
    const auto score =
        integerValue(scoreText, chat ? 0 : -kMaxScore, kMaxScore * (chat ? 1000 : 1));
    if (!score)
        return errorReply(400, QStringLiteral("score: expected an integer"));
    if (!isSex(r7))
        return errorReply(400, QStringLiteral("R7: expected M or W"));
    if (!isToken(r8, 10))
        return errorReply(400, QStringLiteral("R8: expected a version"));
    if (!isToken(r9, 60))
        return errorReply(400, QStringLiteral("R9: expected a short text without blanks"));
    if (chat ? !isChatText(r10) : !isToken(r10, 15))
        return errorReply(400,
                          QStringLiteral("R10: expected %1")
                              .arg(chat ? "up to 80 letters, digits or signs" : "a short text"));
    if (account && fromWire(nick) != sessionNick)
        return statusReply("no", QStringLiteral("log in to the account first"));
    // A program's own id of this result: a repeat after a lost acknowledgement
    // gets the place of the entry already made.
    const QByteArray requestId = form.value("rqid", BodyStyle::Raw).value_or(QByteArray());
    if (!requestId.isEmpty() && !isToken(requestId, 40))
        return errorReply(400, QStringLiteral("rqid: expected a short text without blanks"));
    if (!requestId.isEmpty() && !chat) {
        const QVariant earlier =
            db_.scalar(QStringLiteral("SELECT result_id FROM world_requests "
                                      "WHERE gid = ? AND nick = ? AND request = ?"),
                       {*gid, fromWire(nick), fromWire(requestId)});
        if (earlier.isValid())
            return numberReply(placeOf(earlier.toLongLong()));
    }

    qint64 value = *score;
    std::optional<qint64> matchId;
    if (account) {
        // The account list takes only a game the server replayed itself, with
        // the total its replay gave, once per match.
        matchId = integerValue(form.value("match", BodyStyle::Raw).value_or(QByteArray()), 1,
                               std::numeric_limits<qint64>::max());
        const auto game = matchId ? accounts_.completedGame(sessionNick, *matchId) : std::nullopt;
        if (!game)
            return errorReply(400, QStringLiteral("match: no completed game of this account "
                                                  "with that match id"));
        if (game->listedResult != 0)
            return numberReply(placeOf(game->listedResult));
        value = game->gameTotal;
    }
    QString text = fromWire(r10);
    if (chat) {
        // Refused posts are neither stored nor counted.
        if (std::optional<Reply> refusal = chatGuard_.admit(fromWire(nick), request.remote,
                                                            QDateTime::currentMSecsSinceEpoch()))
            return *refusal;
        text = chatGuard_.masked(text);
        // The next number, whatever the sender believed the newest to be.
        value = db_.scalar(QStringLiteral(
                               "SELECT COALESCE(MAX(score), 0) FROM world_results WHERE gid = ?"),
                           {kChatList})
                    .toLongLong() +
                1;
    }
    const qint64 ahead = db_.scalar(QStringLiteral("SELECT COUNT(*) FROM world_results "
                                                   "WHERE gid = ? AND score >= ?"),
                                    {*gid, value})
                             .toLongLong();
    const qint64 resultId =
        db_.scalar(QStringLiteral(
                       "INSERT INTO world_results (gid, score, nick, country, city, r07, r08, r09, "
                       "r10, created) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id"),
                   // An account list entry may have an empty country name: stored as "", not NULL.
                   {*gid, value, fromWire(nick),
                    country.isEmpty() ? QStringLiteral("") : fromWire(country), fromWire(city),
                    fromWire(r7), fromWire(r8), fromWire(r9), text, nowText()})
            .toLongLong();
    cache_.remove(*gid);
    if (!requestId.isEmpty() && !chat)
        db_.run(QStringLiteral("INSERT INTO world_requests (gid, nick, request, result_id) "
                               "VALUES (?, ?, ?, ?)"),
                {*gid, fromWire(nick), fromWire(requestId), resultId});
    const qint64 place = ahead + 1;
    if (account) {
        accounts_.markListed(*matchId, resultId);
        if (const qint64 bonus = bonusForPlace(place); bonus > 0)
            accounts_.grantBonus(sessionNick, bonus);
    }
    return numberReply(place);
}

qint64 WorldService::placeOf(qint64 resultId) {
    return db_.scalar(QStringLiteral("SELECT COUNT(*) FROM world_results o JOIN world_results w "
                                     "ON w.id = ? WHERE o.gid = w.gid AND (o.score > w.score OR "
                                     "(o.score = w.score AND o.id < w.id))"),
                      {resultId})
               .toLongLong() +
           1;
}

} // namespace server
