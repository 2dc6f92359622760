#include "server/AccountService.h"

#include "opponent/MatchReplay.h"
#include "server/FieldRules.h"
#include "server/PasswordHash.h"
#include "web/AccountRating.h"
#include "web/ProfileFields.h"

#include <QDateTime>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QStringList>

#include <algorithm>
#include <limits>

namespace server {
namespace {

QByteArray prefixed(const char *field) {
    return QByteArray(kResultPrefix) + field;
}

// Reads the named fields of a request in its body style; the first missing
// one is remembered for the error reply.
class FieldReader {
  public:
    FieldReader(const FormFields &form, BodyStyle style) : form_(form), style_(style) {}
    QByteArray operator()(const QByteArray &name) {
        const auto value = form_.value(name, style_);
        if (!value && missing_.isEmpty())
            missing_ = QString::fromLatin1(name);
        return value.value_or(QByteArray());
    }
    bool complete() const { return missing_.isEmpty(); }
    Reply missingReply() const {
        return errorReply(400, QStringLiteral("field %1 absent or badly escaped").arg(missing_));
    }

  private:
    const FormFields &form_;
    BodyStyle style_;
    QString missing_;
};

Reply badField(const char *name, const char *expected) {
    return errorReply(
        400, QStringLiteral("%1: expected %2").arg(QLatin1String(name), QLatin1String(expected)));
}

QString now() {
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODate);
}

using web::kProfileFields;
using web::ProfileField;

// The profile columns in the order of the wire, as an SQL list.
QString profileColumns(std::string_view suffix = {}) {
    return QString::fromStdString(web::profileColumnList(suffix));
}

} // namespace

AccountService::Kind AccountService::kindOf(const FormFields &form) {
    if (form.has("labelwemread"))
        return Kind::ReadBalance;
    if (form.has("labelwemsave"))
        return Kind::AddBalance;
    if (form.has("labelinforead"))
        return Kind::ReadProfile;
    if (form.has("labelinfosave"))
        return Kind::SaveProfile;
    if (form.has("label0"))
        return Kind::Login;
    if (form.has("label1"))
        return Kind::MemberCount;
    if (form.has("dater") || form.has("country2"))
        return Kind::Register;
    if (form.has(prefixed("ses")) || form.has(prefixed("score")))
        return Kind::SaveResults;
    if (form.has(prefixed("best")))
        return Kind::ReadResults;
    if (form.has(prefixed("kon")))
        return Kind::TopTen;
    if (form.has(prefixed("rating")))
        return Kind::Place;
    return Kind::Unknown;
}

bool AccountService::writes(const FormFields &form) const {
    switch (kindOf(form)) {
    case Kind::Register:
    case Kind::AddBalance:
    case Kind::SaveProfile:
    case Kind::SaveResults:
        return true;
    default:
        return false;
    }
}

Reply AccountService::handle(const ServiceRequest &request) {
    const FormFields &form = request.form;
    switch (kindOf(form)) {
    case Kind::Register:
        return registerAccount(request);
    case Kind::Login:
        return login(request);
    case Kind::TopTen:
        return topTen();
    case Kind::Place:
        return place(form);
    case Kind::MemberCount:
        return memberCount();
    case Kind::ReadBalance:
        return readBalance(form);
    case Kind::AddBalance:
        return addBalance(form, request.sessionNick);
    case Kind::ReadProfile:
        return readProfile(form);
    case Kind::SaveProfile:
        return saveProfile(form, request.sessionNick);
    case Kind::ReadResults:
        return readResults(request);
    case Kind::SaveResults:
        return saveResults(request);
    case Kind::Unknown:
        break;
    }
    return errorReply(400, QStringLiteral("unknown account request"));
}

bool AccountService::accountExists(const QString &nick) {
    return db_.scalar(QStringLiteral("SELECT 1 FROM accounts WHERE nick = ?"), {nick}).isValid();
}

std::optional<PasswordHash> AccountService::storedHash(const QString &nick) {
    QSqlQuery &q = db_.run(
        QStringLiteral("SELECT pw_hash, pw_salt, pw_iterations FROM accounts WHERE nick = ?"),
        {nick});
    std::optional<PasswordHash> stored;
    if (q.next())
        stored =
            PasswordHash{q.value(0).toByteArray(), q.value(1).toByteArray(), q.value(2).toInt()};
    q.finish();
    return stored;
}

bool AccountService::credentialsMatch(const ServiceRequest &request, const QByteArray &nick,
                                      const QByteArray &password) {
    if (!isAccountNick(nick))
        return false;
    if (request.passwordVerified)
        return *request.passwordVerified;
    const auto stored = storedHash(fromWire(nick));
    return stored && verifyPassword(password, *stored);
}

AccountService::PasswordTask AccountService::passwordTask(const FormFields &form) {
    PasswordTask task;
    task.iterations = passwordIterations_;
    const Kind kind = kindOf(form);
    const BodyStyle style =
        kind == Kind::Login || kind == Kind::ReadResults ? BodyStyle::Listed : BodyStyle::Raw;
    const auto nick = form.value("nick", style);
    const auto pw = form.value("pw", style);
    if (!nick || !pw)
        return task;
    if (kind == Kind::Register) {
        if (!isAccountPassword(*pw))
            return task;
        task.kind = PasswordTask::Kind::Hash;
        task.password = *pw;
    } else if (kind == Kind::Login || kind == Kind::ReadResults || kind == Kind::SaveResults) {
        task.kind = PasswordTask::Kind::Verify;
        task.password = *pw;
        task.nick = fromWire(*nick);
        if (isAccountNick(*nick))
            task.stored = storedHash(task.nick);
    }
    return task;
}

void AccountService::doPasswordTask(const PasswordTask &task, ServiceRequest &request) {
    if (task.kind == PasswordTask::Kind::Hash)
        request.preparedHash = hashPassword(task.password, task.iterations);
    if (task.kind == PasswordTask::Kind::Verify)
        request.passwordVerified = task.stored && verifyPassword(task.password, *task.stored);
}

Reply AccountService::registerAccount(const ServiceRequest &request) {
    FieldReader get(request.form, BodyStyle::Raw);
    const QByteArray nick = get("nick"), pw = get("pw"), city = get("city"),
                     country1 = get("country1"), country2 = get("country2"), sex = get("sex"),
                     email = get("email"), r01 = get("R01"), r02 = get("R02"), r03 = get("R03");
    // Some locales write short dates with blanks ("10. 12. 2025"); the reply separates fields by
    // blanks.
    const QByteArray dater = QByteArray(get("dater")).replace(' ', "");
    for (const char *number : {"R04", "R05", "R06"})
        get(number);
    if (!get.complete())
        return get.missingReply();
    if (!isAccountNick(nick))
        return badField("nick", "1 to 12 Latin letters, digits or signs");
    if (!isAccountPassword(pw))
        return badField("pw", "4 to 12 Latin letters, digits or signs");
    if (!isAccountCity(city))
        return badField("city", "2 to 15 letters, digits or signs");
    if (!country1.isEmpty() && !isToken(country1, 15))
        return badField("country1", "a country name");
    if (!isCountryCode(country2))
        return badField("country2", "a country code c-nnn");
    if (!isSex(sex))
        return badField("sex", "M or W");
    if (!isAccountEMail(email))
        return badField("email", "an e-mail address");
    if (!isToken(dater, 20))
        return badField("dater", "a date");
    for (const QByteArray *r : {&r01, &r02, &r03})
        if (!isToken(*r, 15))
            return badField("R01", "a short text");

    const PasswordHash hash =
        request.preparedHash ? *request.preparedHash : hashPassword(pw, passwordIterations_);
    // The balance always starts at 0, whatever the request says.
    QSqlQuery &q = db_.run(
        QStringLiteral(
            "INSERT INTO accounts (nick, pw_hash, pw_salt, pw_iterations, city, country1, "
            "country2, sex, email, dater, r01, r02, r03, balance, r05, r06, created) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, 0, 0, ?) "
            "ON CONFLICT (nick) DO NOTHING"),
        {fromWire(nick), QString::fromLatin1(hash.hashHex), QString::fromLatin1(hash.saltHex),
         hash.iterations, fromWire(city), fromWire(country1), fromWire(country2), fromWire(sex),
         fromWire(email), fromWire(dater), fromWire(r01), fromWire(r02), fromWire(r03), now()});
    if (db_.rowsAffected(q) == 0)
        return statusReply("is");
    QStringList emptyTexts;
    for (size_t i = 0; i < kProfileFields.size(); ++i)
        emptyTexts << QStringLiteral("''");
    db_.run(QStringLiteral("INSERT INTO profiles (nick, %1) VALUES (?, %2)")
                .arg(profileColumns(), emptyTexts.join(QStringLiteral(", "))),
            {fromWire(nick)});
    return statusReply("ok");
}

Reply AccountService::login(const ServiceRequest &request) {
    FieldReader get(request.form, BodyStyle::Listed);
    const QByteArray nick = get("nick"), pw = get("pw");
    if (!get.complete())
        return get.missingReply();
    if (!credentialsMatch(request, nick, pw))
        return statusReply("no", QStringLiteral("wrong nick or password"));
    QSqlQuery &q =
        db_.run(QStringLiteral("SELECT city, country1, country2, sex, email, dater, r01, r02, "
                               "r03, balance, r05, r06 FROM accounts WHERE nick = ?"),
                {fromWire(nick)});
    QList<QByteArray> fields;
    if (q.next())
        for (int i = 0; i < 12; ++i)
            fields << toWire(q.value(i).toString());
    q.finish();
    Reply reply;
    reply.body = '$' + fields.join(' ') + '$';
    reply.sessionNick = fromWire(nick);
    return reply;
}

Reply AccountService::topTen() {
    QSqlQuery &q = db_.run(
        QStringLiteral(
            "SELECT a.nick, a.city, a.country1, a.country2, a.sex, g.rating "
            "FROM game_results g JOIN accounts a ON a.nick = g.nick "
            "WHERE g.game = ? AND g.kon > 0 ORDER BY g.rating DESC, a.created, a.nick LIMIT 10"),
        {QString::fromLatin1(kGameCode)});
    QByteArray body;
    int place = 0;
    while (q.next()) {
        QList<QByteArray> fields{QByteArray::number(++place)};
        for (int i = 0; i < 5; ++i)
            fields << toWire(q.value(i).toString());
        fields << decimalText(q.value(5).toDouble());
        body += '$' + fields.join(' ') + '*';
    }
    q.finish();
    Reply reply;
    reply.body = body.isEmpty() ? QByteArray("#") : body; // no "$": an empty list
    return reply;
}

Reply AccountService::place(const FormFields &form) {
    const auto text = form.value(prefixed("rating"), BodyStyle::Raw);
    const auto rating = decimalValue(*text, 1e9);
    if (!rating)
        return badField("rating", "a decimal number");
    const qint64 better = db_.scalar(QStringLiteral("SELECT COUNT(*) FROM game_results "
                                                    "WHERE game = ? AND kon > 0 AND rating > ?"),
                                     {QString::fromLatin1(kGameCode), *rating})
                              .toLongLong();
    return numberReply(better + 1);
}

Reply AccountService::memberCount() {
    return numberReply(db_.scalar(QStringLiteral("SELECT COUNT(*) FROM accounts")).toLongLong());
}

Reply AccountService::readBalance(const FormFields &form) {
    const auto nick = form.value("nick", BodyStyle::Listed);
    if (!nick)
        return errorReply(400, QStringLiteral("field nick absent"));
    const QVariant balance = db_.scalar(
        QStringLiteral("SELECT balance FROM accounts WHERE nick = ?"), {fromWire(*nick)});
    if (!balance.isValid())
        return statusReply("no", QStringLiteral("unknown member"));
    return numberReply(balance.toLongLong());
}

Reply AccountService::addBalance(const FormFields &form, const QString &sessionNick) {
    FieldReader get(form, BodyStyle::Raw);
    const QByteArray nickText = get("nick"), amountText = get("R04");
    if (!get.complete())
        return get.missingReply();
    const auto amount = integerValue(amountText, -kMaxWemAmount, kMaxWemAmount);
    if (!amount || *amount == 0)
        return badField("R04", "a non-zero amount of at most 1000000");
    if (!isAccountNick(nickText))
        return badField("nick", "a member's nick");
    if (sessionNick.isEmpty())
        return statusReply("no", QStringLiteral("log in first"));
    const QString nick = fromWire(nickText);
    if (nick != sessionNick) {
        if (*amount < 0)
            return statusReply("no", QStringLiteral("only the own account can be charged"));
        return transfer(sessionNick, nick, *amount);
    }
    return *amount < 0 ? acknowledgeDebit(nick, -*amount) : claimBonus(nick, *amount);
}

Reply AccountService::transfer(const QString &from, const QString &to, qint64 amount) {
    if (!accountExists(to))
        return statusReply("no", QStringLiteral("no such member"));
    Reply reply = statusReply("ok");
    const bool done = db_.atomically([&] {
        // The condition on the balance makes the check and the debit one step,
        // so two transfers at once cannot both spend the same Wems.
        QSqlQuery &debit = db_.run(QStringLiteral("UPDATE accounts SET balance = balance - ? "
                                                  "WHERE nick = ? AND balance >= ?"),
                                   {amount, from, amount});
        if (db_.rowsAffected(debit) != 1) {
            reply = statusReply("no", QStringLiteral("not enough Wems"));
            return false;
        }
        db_.run(QStringLiteral("UPDATE accounts SET balance = balance + ? WHERE nick = ?"),
                {amount, to});
        addLedger(from, -amount, QStringLiteral("transfer"), to);
        addLedger(to, amount, QStringLiteral("transfer"), from);
        db_.run(
            QStringLiteral("INSERT INTO pending_debits (nick, amount, created) VALUES (?, ?, ?)"),
            {from, amount, now()});
        return true;
    });
    if (!done && reply.body.startsWith("$ok$"))
        throw DatabaseError("transfer failed");
    return reply;
}

Reply AccountService::acknowledgeDebit(const QString &nick, qint64 amount) {
    const QVariant id = db_.scalar(
        QStringLiteral(
            "SELECT id FROM pending_debits WHERE nick = ? AND amount = ? ORDER BY id LIMIT 1"),
        {nick, amount});
    if (!id.isValid())
        return statusReply("no", QStringLiteral("no transfer waiting for a debit of that amount"));
    db_.run(QStringLiteral("DELETE FROM pending_debits WHERE id = ?"), {id});
    return statusReply("ok");
}

Reply AccountService::claimBonus(const QString &nick, qint64 amount) {
    const QVariant id = db_.scalar(
        QStringLiteral(
            "SELECT id FROM pending_bonus WHERE nick = ? AND amount = ? ORDER BY id LIMIT 1"),
        {nick, amount});
    if (!id.isValid())
        return statusReply("no", QStringLiteral("no bonus of that amount earned"));
    QSqlQuery &claimed = db_.run(QStringLiteral("DELETE FROM pending_bonus WHERE id = ?"), {id});
    if (db_.rowsAffected(claimed) != 1)
        return statusReply("no", QStringLiteral("bonus already paid"));
    db_.run(QStringLiteral("UPDATE accounts SET balance = balance + ? WHERE nick = ?"),
            {amount, nick});
    addLedger(nick, amount, QStringLiteral("bonus"), QStringLiteral("-"));
    return statusReply("ok");
}

void AccountService::grantBonus(const QString &nick, qint64 amount) {
    db_.run(QStringLiteral("INSERT INTO pending_bonus (nick, amount, created) VALUES (?, ?, ?)"),
            {nick, amount, now()});
}

void AccountService::addLedger(const QString &nick, qint64 amount, const QString &reason,
                               const QString &counterpart) {
    db_.run(QStringLiteral("INSERT INTO wem_ledger (nick, amount, reason, counterpart, created) "
                           "VALUES (?, ?, ?, ?, ?)"),
            {nick, amount, reason, counterpart, now()});
}

Reply AccountService::readProfile(const FormFields &form) {
    const auto nick = form.value("nick", BodyStyle::Listed);
    if (!nick)
        return errorReply(400, QStringLiteral("field nick absent"));
    QSqlQuery &q =
        db_.run(QStringLiteral("SELECT %1 FROM profiles WHERE nick = ?").arg(profileColumns()),
                {fromWire(*nick)});
    if (!q.next()) {
        q.finish();
        return statusReply("no", QStringLiteral("unknown member"));
    }
    QList<QByteArray> texts;
    for (int i = 0; i < int(kProfileFields.size()); ++i)
        texts << toWire(q.value(i).toString());
    q.finish();
    Reply reply;
    reply.body = '$' + texts.join('~') + '$';
    return reply;
}

Reply AccountService::saveProfile(const FormFields &form, const QString &sessionNick) {
    const auto nick = form.value("nick", BodyStyle::Raw);
    if (!nick)
        return errorReply(400, QStringLiteral("field nick absent"));
    QVariantList values;
    for (const ProfileField &field : kProfileFields) {
        const QByteArray wire = QByteArray::fromStdString(std::string(field.wire));
        auto text = form.value(wire, BodyStyle::Raw);
        if (!text && wire == "namei")
            text = form.value("name1", BodyStyle::Raw);
        if (!text)
            return errorReply(400,
                              QStringLiteral("field %1 absent").arg(QString::fromLatin1(wire)));
        if (!isProfileText(*text, field.maxLength))
            return errorReply(400,
                              QStringLiteral("%1: at most %2 characters, without $, ~ or control "
                                             "characters")
                                  .arg(QString::fromLatin1(wire))
                                  .arg(field.maxLength));
        values << fromWire(*text);
    }
    if (sessionNick.isEmpty() || fromWire(*nick) != sessionNick)
        return statusReply("no", QStringLiteral("log in first"));
    // Database::run takes its values as a braced list.
    static_assert(kProfileFields.size() == 14);
    QSqlQuery &q = db_.run(
        QStringLiteral("UPDATE profiles SET %1 WHERE nick = ?").arg(profileColumns(" = ?")),
        {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7],
         values[8], values[9], values[10], values[11], values[12], values[13], sessionNick});
    if (db_.rowsAffected(q) != 1)
        return statusReply("no", QStringLiteral("unknown member"));
    return statusReply("ok");
}

Reply AccountService::readResults(const ServiceRequest &request) {
    FieldReader get(request.form, BodyStyle::Listed);
    const QByteArray nick = get("nick"), pw = get("pw");
    if (!get.complete())
        return get.missingReply();
    // A refusal that the program's number conversion turns into a failure.
    if (!credentialsMatch(request, nick, pw))
        return statusReply("no", QStringLiteral("wrong nick or password"));
    QSqlQuery &q = db_.run(QStringLiteral("SELECT kon, best, rating, sessions, konl, score, r1, r2 "
                                          "FROM game_results WHERE nick = ? AND game = ?"),
                           {fromWire(nick), QString::fromLatin1(kGameCode)});
    QList<QByteArray> fields;
    if (q.next()) {
        fields << QByteArray::number(q.value(0).toLongLong())
               << QByteArray::number(q.value(1).toLongLong()) << decimalText(q.value(2).toDouble());
        for (int i = 3; i < 7; ++i)
            fields << QByteArray::number(q.value(i).toLongLong());
        fields << toWire(q.value(7).toString());
    } else {
        fields = {"0", "0", decimalText(0), "0", "0", "0", "0", "#"};
    }
    q.finish();
    Reply reply;
    reply.body = '$' + fields.join(' ') + '$';
    return reply;
}

Reply AccountService::saveResults(const ServiceRequest &request) {
    const FormFields &form = request.form;
    FieldReader get(form, BodyStyle::Raw);
    const QByteArray nick = get("nick"), pw = get("pw"), kon = get(prefixed("kon")),
                     best = get(prefixed("best")), rating = get(prefixed("rating")),
                     sessions = get(prefixed("ses")), konl = get(prefixed("konl")),
                     score = get(prefixed("score"));
    if (!get.complete())
        return get.missingReply();
    const QByteArray r1 = form.value(prefixed("R1"), BodyStyle::Raw)
                              .value_or(form.value("R1", BodyStyle::Raw).value_or("0"));
    const QByteArray r2 = form.value(prefixed("R2"), BodyStyle::Raw)
                              .value_or(form.value("R2", BodyStyle::Raw).value_or("#"));
    const auto konValue = integerValue(kon, 0, 1'000'000'000);
    const auto bestValue = integerValue(best, -10'000'000, 10'000'000);
    const auto ratingValue = decimalValue(rating, 1e9);
    const auto sessionsValue = integerValue(sessions, 0, 100'000'000);
    const auto konlValue = integerValue(konl, 0, 1'000'000);
    const auto scoreValue = integerValue(score, -10'000'000, 10'000'000);
    const auto r1Value = integerValue(r1, -2'000'000'000, 2'000'000'000);
    if (!konValue)
        return badField("kon", "a hand count");
    if (!bestValue)
        return badField("best", "a score");
    if (!ratingValue)
        return badField("rating", "a decimal number");
    if (!sessionsValue)
        return badField("ses", "a count of games");
    if (!konlValue)
        return badField("konl", "a hand count");
    if (!scoreValue)
        return badField("score", "a score");
    if (!r1Value)
        return badField("R1", "an integer");
    if (!isToken(r2, 15))
        return badField("R2", "a short text");
    if (!credentialsMatch(request, nick, pw))
        return statusReply("no", QStringLiteral("wrong nick or password"));
    // The numbers above are the program's own view; the server stores only
    // what it computes itself: a pre-charge from the stored record, a match
    // from its replay.
    const auto matchText = form.value(prefixed("match"), BodyStyle::Raw);
    if (!matchText) {
        const QByteArray strong = form.value(prefixed("strong"), BodyStyle::Raw).value_or("0");
        if (strong != "0" && strong != "1")
            return badField("strong", "0 or 1");
        return preCharge(fromWire(nick), strong == "1");
    }
    const auto matchId = integerValue(*matchText, 1, std::numeric_limits<qint64>::max());
    if (!matchId)
        return badField("match", "a match id");
    const auto moves = form.value(prefixed("moves"), BodyStyle::Raw);
    if (!moves)
        return badField("moves", "the moves of the match");
    return recordMatch(fromWire(nick), *matchId, *moves);
}

namespace {

struct StoredGame {
    qint64 kon = 0, best = 0, sessions = 0, konl = 0, score = 0, r1 = 0;
    double rating = 0.0;
    QString r2 = QStringLiteral("#");
};

StoredGame storedGame(Database &db, const QString &nick) {
    QSqlQuery &q = db.run(QStringLiteral("SELECT kon, best, rating, sessions, konl, score, r1, r2 "
                                         "FROM game_results WHERE nick = ? AND game = ?"),
                          {nick, QString::fromLatin1(kGameCode)});
    StoredGame g;
    if (q.next()) {
        g.kon = q.value(0).toLongLong();
        g.best = q.value(1).toLongLong();
        g.rating = q.value(2).toDouble();
        g.sessions = q.value(3).toLongLong();
        g.konl = q.value(4).toLongLong();
        g.score = q.value(5).toLongLong();
        g.r1 = q.value(6).toLongLong();
        g.r2 = q.value(7).toString();
    }
    q.finish();
    return g;
}

void storeGame(Database &db, const QString &nick, const StoredGame &g) {
    db.run(QStringLiteral(
               "INSERT INTO game_results (nick, game, kon, best, rating, sessions, konl, score, "
               "r1, r2) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (nick, game) DO UPDATE "
               "SET kon = excluded.kon, best = excluded.best, rating = excluded.rating, "
               "sessions = excluded.sessions, konl = excluded.konl, score = excluded.score, "
               "r1 = excluded.r1, r2 = excluded.r2"),
           {nick, QString::fromLatin1(kGameCode), g.kon, g.best, g.rating, g.sessions, g.konl,
            g.score, g.r1, g.r2});
}

} // namespace

Reply AccountService::preCharge(const QString &nick, bool strong) {
    StoredGame g = storedGame(db_, nick);
    // A seed of 62 bits travels as a plain positive number.
    const qint64 seed = qint64(QRandomGenerator::system()->generate64() >> 2);
    const qint64 id =
        db_.scalar(QStringLiteral("INSERT INTO account_matches (nick, seed, strong, konl_before, "
                                  "score_before, created) VALUES (?, ?, ?, ?, ?, ?) RETURNING id"),
                   {nick, seed, strong ? 1 : 0, g.konl, g.score, now()})
            .toLongLong();
    g.rating = web::PreChargedRating(g.rating, int(g.kon));
    g.kon += web::kAccountBlock;
    g.konl = 0;
    g.score = 0;
    storeGame(db_, nick, g);
    Reply reply;
    reply.body = "$ok " + QByteArray::number(id) + ' ' + QByteArray::number(seed) + '$';
    return reply;
}

Reply AccountService::recordMatch(const QString &nick, qint64 matchId,
                                  const QByteArray &movesText) {
    QSqlQuery &q =
        db_.run(QStringLiteral("SELECT seed, strong, konl_before, score_before, "
                               "recorded FROM account_matches WHERE id = ? AND nick = ?"),
                {matchId, nick});
    if (!q.next()) {
        q.finish();
        return errorReply(400, QStringLiteral("no match of this account with that id"));
    }
    const quint64 seed = quint64(q.value(0).toLongLong());
    const bool strong = q.value(1).toInt() != 0;
    const qint64 konlBefore = q.value(2).toLongLong();
    const qint64 scoreBefore = q.value(3).toLongLong();
    const bool recorded = q.value(4).toInt() != 0;
    q.finish();
    if (recorded)
        return statusReply("ok"); // a repeat after a lost acknowledgement
    const auto moves = quarn::DecodeMoves(movesText.toStdString());
    if (!moves)
        return badField("moves", "digits per turn, hands separated by \".\"");
    if (int(moves->size()) != web::kAccountBlock)
        return errorReply(400,
                          QStringLiteral("moves: a match has %1 hands").arg(web::kAccountBlock));
    const quarn::ReplayResult replay = quarn::ReplayMatch(seed, strong, *moves);
    if (!replay.ok)
        return errorReply(
            400,
            QStringLiteral("moves do not replay: %1").arg(QString::fromStdString(replay.error)));

    StoredGame g = storedGame(db_, nick);
    const qint64 total = scoreBefore + replay.matchScore;
    g.rating = web::RecordedRating(g.rating, int(g.kon), replay.matchScore);
    const bool complete = konlBefore + web::kAccountBlock >= web::kAccountGameLength;
    if (complete) {
        g.best = std::max(g.best, total);
        g.sessions += 1;
        g.konl = 0;
        g.score = 0;
    } else {
        g.konl = konlBefore + web::kAccountBlock;
        g.score = total;
    }
    storeGame(db_, nick, g);
    db_.run(QStringLiteral("UPDATE account_matches SET recorded = 1, match_score = ?, "
                           "game_total = ?, game_complete = ? WHERE id = ?"),
            {replay.matchScore, total, complete ? 1 : 0, matchId});
    return statusReply("ok");
}

std::optional<AccountService::CompletedGame> AccountService::completedGame(const QString &nick,
                                                                           qint64 matchId) {
    QSqlQuery &q = db_.run(QStringLiteral("SELECT game_total, listed_result FROM account_matches "
                                          "WHERE id = ? AND nick = ? AND recorded = 1 AND "
                                          "game_complete = 1"),
                           {matchId, nick});
    std::optional<CompletedGame> game;
    if (q.next())
        game = CompletedGame{q.value(0).toLongLong(), q.value(1).toLongLong()};
    q.finish();
    return game;
}

void AccountService::markListed(qint64 matchId, qint64 resultId) {
    db_.run(QStringLiteral("UPDATE account_matches SET listed_result = ? WHERE id = ?"),
            {resultId, matchId});
}

} // namespace server
