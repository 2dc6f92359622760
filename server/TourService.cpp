#include "server/TourService.h"

#include "server/FieldRules.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSqlQuery>

#include <array>
#include <cmath>

namespace server {
namespace {

// The address the server saw the seat taken from (an IPv4 caller as such),
// never what the program reported: "X" when unknown.
QByteArray seenAddress(const QHostAddress &address) {
    if (address.isNull())
        return "X";
    bool isV4 = false;
    const quint32 v4 = address.toIPv4Address(&isV4);
    return (isV4 ? QHostAddress(v4) : address).toString().toLatin1();
}

constexpr qint64 kGameCode = 46;

// A text inside a tournament reply: blanks travel as "_", and an empty text
// as a single "_" so that the fields stay in their places.
QByteArray tourText(const QString &text) {
    QByteArray wire = toWire(text);
    wire.replace(' ', '_');
    return wire.isEmpty() ? QByteArray("_") : wire;
}

std::optional<int> numberAfter(const QByteArray &name, const QByteArray &prefix) {
    if (!name.startsWith(prefix))
        return std::nullopt;
    const auto value = integerValue(name.mid(prefix.size()), 0, 99);
    if (!value)
        return std::nullopt;
    return int(*value);
}

// The criterion letter and the game code of names like "top10s46" or "places46".
std::optional<char> criterionOf(const QByteArray &name, const QByteArray &prefix) {
    if (!name.startsWith(prefix) || name.size() != prefix.size() + 3)
        return std::nullopt;
    const char c = name[prefix.size()];
    if (c != 's' && c != 'r' && c != 'k')
        return std::nullopt;
    if (name.mid(prefix.size() + 1) != QByteArray::number(kGameCode))
        return std::nullopt;
    return c;
}

QString orderColumn(char criterion) {
    if (criterion == 'r')
        return QStringLiteral("rating");
    if (criterion == 'k')
        return QStringLiteral("kon");
    return QStringLiteral("score");
}

// The standings with the rating computed alongside; the rating rounds half
// away from zero, as ratingOf does.
const QString kStandings = QStringLiteral(
    "(SELECT nick, score, kon, CASE WHEN kon > 0 THEN "
    "CAST(ROUND(score * 100.0 / kon) AS BIGINT) ELSE 0 END AS rating FROM tour_standings)");

// 128 random bits as 32 hex digits: the proof a game connection gives for
// its seat. Hex holds neither "ok" nor "is", which the program reads anywhere.
QByteArray seatToken() {
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    return QByteArray(reinterpret_cast<const char *>(words.data()), sizeof words).toHex();
}

} // namespace

TourService::TourService(Database &db, Lobby &lobby, QString address, quint16 basePort,
                         std::function<bool()> gameServerOn, QString message)
    : db_(db), lobby_(lobby), address_(std::move(address)), basePort_(basePort),
      gameServerOn_(std::move(gameServerOn)), message_(std::move(message)) {}

qint64 TourService::ratingOf(qint64 score, qint64 kon) {
    return kon > 0 ? qint64(std::llround(double(score) * 100.0 / double(kon))) : 0;
}

bool TourService::writes(const FormFields &) const {
    return false; // the lobby lives in memory; standings change only from the game server
}

Reply TourService::handle(const ServiceRequest &request) {
    const FormFields &form = request.form;
    if (form.fields().isEmpty())
        return errorReply(400, QStringLiteral("empty tournament request"));
    const QByteArray first = form.fields().first().name;
    if (first != "gid" && form.has("gid")) {
        const auto gid = integerValue(form.value("gid", BodyStyle::Raw).value_or(""), 0, 99999);
        if (!gid || *gid != kGameCode)
            return errorReply(400, QStringLiteral("gid: expected 46"));
    }
    if (first == "readtable410")
        return tableList();
    if (first == "serverinforead")
        return serverInfo();
    if (const auto seat = numberAfter(first, "client4on"))
        return seatChange(request, *seat);
    if (const auto seat = numberAfter(first, "client3on"))
        return seatChange(request, *seat);
    if (const auto seat = numberAfter(first, "readclient"))
        return seatReader(form, *seat);
    if (first == "readrating" + QByteArray::number(kGameCode))
        return ownStanding(form);
    if (const auto c = criterionOf(first, "top10"))
        return topTen(*c);
    if (const auto c = criterionOf(first, "place"))
        return ownPlace(form, *c);
    return errorReply(400, QStringLiteral("unknown tournament request"));
}

QList<QByteArray> TourService::seatFields(const std::optional<Participant> &p) const {
    if (!p)
        return {"X", "0", "0", "0", "X", "X", "X", "X"};
    return {tourText(p->nick),          QByteArray::number(p->score),
            QByteArray::number(p->kon), QByteArray::number(p->rating),
            tourText(p->country),       tourText(p->city),
            tourText(p->sex),           seenAddress(p->address)};
}

Reply TourService::tableList() {
    QByteArray body;
    for (int t = 1; t <= kTableCount; ++t) {
        QList<QByteArray> fields{QByteArray::number(t),
                                 tourText(address_),
                                 QByteArray::number(int(basePort_) + t),
                                 QByteArray::number(lobby_.freeSeats(t)),
                                 QByteArray(lobby_.inPlay(t) ? "1" : "0"),
                                 "#"};
        for (int s = 1; s <= kSeatCount; ++s)
            fields += seatFields(lobby_.seat(t, s));
        body += '$' + fields.join(' ') + '*';
    }
    Reply reply;
    reply.body = body;
    return reply;
}

Reply TourService::serverInfo() {
    Reply reply;
    reply.body = QByteArray("$") + (gameServerOn_ && gameServerOn_() ? "Y" : "N") + ' ' +
                 tourText(message_) + '$';
    return reply;
}

Reply TourService::seatChange(const ServiceRequest &request, int seat) {
    const FormFields &form = request.form;
    const auto table = integerValue(form.value("num", BodyStyle::Raw).value_or(""), 1, kTableCount);
    const auto action = integerValue(form.value("can", BodyStyle::Raw).value_or(""), 0, 2);
    if (!Lobby::validSeat(seat))
        return errorReply(400, QStringLiteral("seat: expected 1 to 4"));
    if (!table)
        return errorReply(400, QStringLiteral("num: expected a table 1 to 10"));
    if (!action)
        return errorReply(400, QStringLiteral("can: expected 0, 1 or 2"));
    // Seats change only for a logged-in account; a refusal is the "is" the program knows.
    if (request.sessionNick.isEmpty())
        return statusReply("is", QStringLiteral("log in to take part"));
    if (*action != 1 || form.fields().first().name.startsWith("client3"))
        return freeSeat(request.sessionNick, int(*table), seat);

    const QByteArray s = QByteArray::number(seat);
    const QByteArray nick = form.value("nick" + s, BodyStyle::Raw).value_or("");
    const QByteArray country = form.value("country" + s, BodyStyle::Raw).value_or("");
    const QByteArray city = form.value("city" + s, BodyStyle::Raw).value_or("");
    const QByteArray sex = form.value("sex" + s, BodyStyle::Raw).value_or("");
    const QByteArray ip = form.value("ip" + s, BodyStyle::Raw).value_or("");
    if (!isAccountNick(nick))
        return errorReply(400, QStringLiteral("nick: expected an account nick"));
    if (!country.isEmpty() && !isToken(country, 15))
        return errorReply(400, QStringLiteral("country: too long"));
    if (!isPassportCity(city))
        return errorReply(400, QStringLiteral("city: expected 2 to 15 letters"));
    if (!isSex(sex))
        return errorReply(400, QStringLiteral("sex: expected M or W"));
    if (!isToken(ip, 45))
        return errorReply(400, QStringLiteral("ip: expected an address"));
    if (!db_.scalar(QStringLiteral("SELECT 1 FROM accounts WHERE nick = ?"), {fromWire(nick)})
             .isValid())
        return statusReply("is", QStringLiteral("unknown member"));
    if (fromWire(nick) != request.sessionNick)
        return statusReply("is", QStringLiteral("a seat is taken by its own account only"));

    Participant participant;
    participant.nick = fromWire(nick);
    participant.country = fromWire(country);
    participant.city = fromWire(city);
    participant.sex = fromWire(sex);
    participant.ip = fromWire(ip);
    participant.address = request.remote;
    participant.takenMs = QDateTime::currentMSecsSinceEpoch();
    // The standing shown at the table is the server's own, not the caller's claim.
    QSqlQuery &q = db_.run(QStringLiteral("SELECT score, kon FROM tour_standings WHERE nick = ?"),
                           {participant.nick});
    if (q.next()) {
        participant.score = q.value(0).toLongLong();
        participant.kon = q.value(1).toLongLong();
        participant.rating = ratingOf(participant.score, participant.kon);
    }
    q.finish();
    participant.token = seatToken();
    if (lobby_.take(int(*table), seat, participant) != SeatResult::Taken)
        return statusReply("is");
    // Only the taker learns the token its game connection must show.
    Reply reply;
    reply.body = "$ok " + participant.token + '$';
    return reply;
}

Reply TourService::freeSeat(const QString &sessionNick, int table, int seat) {
    if (lobby_.inPlay(table))
        return statusReply("is", QStringLiteral("the table's game is on"));
    if (!lobby_.seat(table, seat))
        return statusReply("ok"); // already free: nothing to change
    // The program frees its own seat and then the seats after it; a seat
    // before one's own, or at another table, is somebody else's.
    const int own = lobby_.seatOf(table, sessionNick);
    if (own == 0 || own > seat)
        return statusReply("is",
                           QStringLiteral("a participant frees its own seat and those after"));
    // The seats after it go too (seat k needs seat k - 1; a program whose
    // table lost seat 1 takes it as reset), so the program's following
    // requests for them find them free whatever its session.
    return lobby_.free(table, seat) == SeatResult::Freed ? statusReply("ok") : statusReply("is");
}

Reply TourService::seatReader(const FormFields &form, int seat) {
    const auto table = integerValue(form.value("num", BodyStyle::Raw).value_or(""), 1, kTableCount);
    if (!table || !Lobby::validSeat(seat))
        return errorReply(400, QStringLiteral("expected a table 1 to 10 and a seat 1 to 4"));
    Reply reply;
    reply.body = '$' + seatFields(lobby_.seat(int(*table), seat)).join(' ') + '$';
    return reply;
}

Reply TourService::ownStanding(const FormFields &form) {
    const auto nick = form.value("nick", BodyStyle::Raw);
    if (!nick)
        return errorReply(400, QStringLiteral("field nick absent"));
    QSqlQuery &q = db_.run(QStringLiteral("SELECT score, kon FROM tour_standings WHERE nick = ?"),
                           {fromWire(*nick)});
    qint64 score = 0, kon = 0;
    if (q.next()) {
        score = q.value(0).toLongLong();
        kon = q.value(1).toLongLong();
    }
    q.finish();
    Reply reply;
    reply.body = '$' + QByteArray::number(score) + ' ' + QByteArray::number(kon) + ' ' +
                 QByteArray::number(ratingOf(score, kon)) + '$';
    return reply;
}

Reply TourService::topTen(char criterion) {
    QSqlQuery &q =
        db_.run(QStringLiteral("SELECT s.nick, COALESCE(a.city, ''), COALESCE(a.country2, ''), "
                               "COALESCE(a.sex, 'M'), s.%1 FROM %2 s "
                               "LEFT JOIN accounts a ON a.nick = s.nick "
                               "ORDER BY s.%1 DESC, s.nick LIMIT 10")
                    .arg(orderColumn(criterion), kStandings));
    QByteArray body;
    int place = 0;
    while (q.next()) {
        ++place;
        body += '$' + QByteArray::number(place) + ' ' + tourText(q.value(0).toString()) + ' ' +
                tourText(q.value(1).toString()) + ' ' + tourText(q.value(2).toString()) + ' ' +
                tourText(q.value(3).toString()) + ' ' +
                QByteArray::number(q.value(4).toLongLong()) + '*';
    }
    q.finish();
    while (place < 10)
        body += "$" + QByteArray::number(++place) + " # # # # 0*";
    Reply reply;
    reply.body = body;
    return reply;
}

Reply TourService::ownPlace(const FormFields &form, char criterion) {
    const QByteArray field = criterion == 'r' ? "rating1" : criterion == 'k' ? "kon1" : "score1";
    const auto value =
        integerValue(form.value(field, BodyStyle::Raw).value_or(""), -1'000'000'000, 1'000'000'000);
    if (!value)
        return errorReply(400, QStringLiteral("%1: expected an integer").arg(QLatin1String(field)));
    const qint64 better = db_.scalar(QStringLiteral("SELECT COUNT(*) FROM %1 s WHERE s.%2 > ?")
                                         .arg(kStandings, orderColumn(criterion)),
                                     {*value})
                              .toLongLong();
    return numberReply(better + 1);
}

void TourService::recordScores(const std::array<QString, 4> &nicks,
                               const std::array<qint64, 4> &scores) {
    db_.atomically([&] {
        for (size_t r = 0; r < 4; ++r) {
            if (nicks[r].isEmpty())
                continue;
            db_.run(
                QStringLiteral("INSERT INTO tour_standings (nick, score, kon) VALUES (?, ?, 1) "
                               "ON CONFLICT (nick) DO UPDATE SET score = tour_standings.score + "
                               "excluded.score, kon = tour_standings.kon + 1"),
                {nicks[r], scores[r]});
        }
        return true;
    });
}

} // namespace server
