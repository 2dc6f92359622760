#include "server/StatsService.h"

#include "server/FieldRules.h"

#include <QSqlQuery>

#include <limits>

namespace server {
namespace {

// Largest value one match may add to a counter; a match has at most a few
// hundred hands, so anything above is a forged request.
constexpr qint64 kMaxMatchValue = 1'000'000;
constexpr qint64 kMaxGameCode = 99'999;

// The program reads the counters as signed 32-bit numbers: a counter that
// outgrew them is shown at the largest value instead of breaking every read.
QByteArray counterText(qint64 value) {
    const qint64 top = std::numeric_limits<qint32>::max();
    return QByteArray::number(value > top ? top : value);
}

} // namespace

bool StatsService::writes(const FormFields &form) const {
    return form.has("stat1") || form.has("stat3") || form.has("R1");
}

Reply StatsService::handle(const ServiceRequest &request) {
    const FormFields &form = request.form;
    const auto gidText = form.value("gid", form.has("stat1") || form.has("stat3") || form.has("R1")
                                               ? BodyStyle::Raw
                                               : BodyStyle::Listed);
    if (!gidText)
        return errorReply(400, QStringLiteral("field gid absent"));
    const auto gid = integerValue(*gidText, 1, kMaxGameCode);
    if (!gid)
        return errorReply(400, QStringLiteral("gid: not a game code"));
    if (form.has("stat1"))
        return sendStart(form, *gid);
    if (form.has("stat3"))
        return sendLike(form, *gid);
    if (form.has("R1"))
        return sendGameStats(form, *gid);
    if (form.fields().size() == 1)
        return readStats(*gid);
    return errorReply(400, QStringLiteral("unknown statistics request"));
}

Reply StatsService::readStats(qint64 gid) {
    QSqlQuery &q = db_.run(
        QStringLiteral("SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, "
                       "x10, x11, x12, staty, statz FROM stats WHERE gid = ?"),
        {gid});
    QList<QByteArray> fields;
    if (q.next()) {
        for (int i = 0; i < 18; ++i) {
            if (i == 3 || i == 17)
                fields << toWire(q.value(i).toString());
            else
                fields << counterText(q.value(i).toLongLong());
        }
    } else {
        for (int i = 0; i < 18; ++i)
            fields << ((i == 3 || i == 17) ? QByteArray() : QByteArray("0"));
    }
    q.finish();
    Reply reply;
    reply.body = '$' + fields.join(' ') + '*';
    return reply;
}

Reply StatsService::sendStart(const FormFields &form, qint64 gid) {
    const auto stat1 = form.value("stat1", BodyStyle::Raw);
    const auto stat2 = form.value("stat2", BodyStyle::Raw);
    if (!stat2)
        return errorReply(400, QStringLiteral("field stat2 absent"));
    const auto starts = integerValue(*stat1, 0, 1);
    const auto unique = integerValue(*stat2, 0, 1);
    if (!starts || !unique)
        return errorReply(400, QStringLiteral("stat1 and stat2 must be 0 or 1"));
    db_.run(QStringLiteral("INSERT INTO stats (gid, stat1, stat2) VALUES (?, ?, ?) "
                           "ON CONFLICT (gid) DO UPDATE SET stat1 = stats.stat1 + excluded.stat1, "
                           "stat2 = stats.stat2 + excluded.stat2"),
            {gid, *starts, *unique});
    return statsOkReply();
}

Reply StatsService::sendLike(const FormFields &form, qint64 gid) {
    const auto stat3 = form.value("stat3", BodyStyle::Raw);
    const auto stat4 = form.value("stat4", BodyStyle::Raw);
    if (!stat4)
        return errorReply(400, QStringLiteral("field stat4 absent"));
    const auto likes = integerValue(*stat3, 1, 1);
    if (!likes)
        return errorReply(400, QStringLiteral("stat3 must be 1"));
    if (!isPassportNick(*stat4))
        return errorReply(400, QStringLiteral("stat4: not a nick"));
    db_.run(QStringLiteral(
                "INSERT INTO stats (gid, stat3, stat4) VALUES (?, 1, ?) "
                "ON CONFLICT (gid) DO UPDATE SET stat3 = stats.stat3 + 1, stat4 = excluded.stat4"),
            {gid, fromWire(*stat4)});
    return statsOkReply();
}

Reply StatsService::sendGameStats(const FormFields &form, qint64 gid) {
    qint64 values[12];
    for (int i = 0; i < 12; ++i) {
        const QByteArray name = "R" + QByteArray::number(i + 1);
        const auto text = form.value(name, BodyStyle::Raw);
        if (!text)
            return errorReply(400,
                              QStringLiteral("field %1 absent").arg(QString::fromLatin1(name)));
        const auto value = integerValue(*text, 0, kMaxMatchValue);
        if (!value)
            return errorReply(400, QStringLiteral("%1: expected 0 to %2")
                                       .arg(QString::fromLatin1(name))
                                       .arg(kMaxMatchValue));
        values[i] = *value;
    }
    db_.run(QStringLiteral(
                "INSERT INTO stats (gid, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12) "
                "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (gid) DO UPDATE SET "
                "x1 = stats.x1 + excluded.x1, x2 = stats.x2 + excluded.x2, x3 = stats.x3 + "
                "excluded.x3, "
                "x4 = stats.x4 + excluded.x4, x5 = stats.x5 + excluded.x5, x6 = stats.x6 + "
                "excluded.x6, "
                "x7 = stats.x7 + excluded.x7, x8 = stats.x8 + excluded.x8, x9 = stats.x9 + "
                "excluded.x9, "
                "x10 = stats.x10 + excluded.x10, x11 = stats.x11 + excluded.x11, "
                "x12 = stats.x12 + excluded.x12"),
            {gid, values[0], values[1], values[2], values[3], values[4], values[5], values[6],
             values[7], values[8], values[9], values[10], values[11]});
    return statsOkReply();
}

} // namespace server
