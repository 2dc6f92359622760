#include "server/Database.h"

#include <QDir>
#include <QSqlError>
#include <QUrl>
#include <QUuid>

namespace server {
namespace {

QString describe(const QSqlError &error) {
    return error.text().isEmpty() ? QStringLiteral("unknown database error") : error.text();
}

} // namespace

Database::~Database() {
    close();
}

void Database::close() {
    prepared_.clear();
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connectionName_);
    }
}

bool Database::open(const QString &url, const QString &dataDir, QString *error) {
    connectionName_ = QStringLiteral("wem-%1").arg(QUuid::createUuid().toString(QUuid::Id128));
    if (url.startsWith(QStringLiteral("postgres"))) {
        kind_ = Kind::Postgres;
        const QUrl parsed(url);
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName_);
        db_.setHostName(parsed.host());
        if (parsed.port() > 0)
            db_.setPort(parsed.port());
        db_.setUserName(parsed.userName());
        db_.setPassword(parsed.password());
        db_.setDatabaseName(parsed.path().mid(1));
    } else {
        kind_ = Kind::Sqlite;
        QString file = url.startsWith(QStringLiteral("sqlite:")) ? url.mid(7) : QString();
        if (file.isEmpty())
            file = QDir(dataDir).filePath(QStringLiteral("wem.sqlite"));
        db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connectionName_);
        db_.setDatabaseName(file);
        db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db_.open()) {
        if (error)
            *error = describe(db_.lastError());
        close();
        return false;
    }
    try {
        if (kind_ == Kind::Sqlite) {
            // WAL lets readers of another process (backups, checks) run beside
            // the server. With NORMAL a commit is in the log before it is
            // acknowledged, so it survives a crash or kill of the server; the
            // log is synced to disk at checkpoints, not at every commit.
            exec(QStringLiteral("PRAGMA journal_mode=WAL"));
            exec(QStringLiteral("PRAGMA synchronous=NORMAL"));
        } else {
            exec(QStringLiteral("SET client_min_messages TO WARNING"));
        }
        createSchema();
    } catch (const DatabaseError &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        close();
        return false;
    }
    return true;
}

void Database::control(const QString &sql) {
    // SQLite can keep transaction statements prepared; PostgreSQL cannot prepare them.
    if (kind_ == Kind::Sqlite)
        run(sql);
    else
        exec(sql);
}

void Database::exec(const QString &sql) {
    QSqlQuery query(db_);
    if (!query.exec(sql))
        throw DatabaseError(describe(query.lastError()).toStdString());
}

QString Database::serialKey() const {
    return kind_ == Kind::Postgres ? QStringLiteral("id BIGSERIAL PRIMARY KEY")
                                   : QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT");
}

void Database::createSchema() {
    const QString id = serialKey();
    const QStringList statements = {
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS accounts ("
            "nick TEXT PRIMARY KEY, pw_hash TEXT NOT NULL, pw_salt TEXT NOT NULL, "
            "pw_iterations INTEGER NOT NULL, city TEXT NOT NULL, country1 TEXT NOT NULL, "
            "country2 TEXT NOT NULL, sex TEXT NOT NULL, email TEXT NOT NULL, "
            "dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL, "
            "balance BIGINT NOT NULL DEFAULT 0, r05 BIGINT NOT NULL DEFAULT 0, "
            "r06 BIGINT NOT NULL DEFAULT 0, created TEXT NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS profiles ("
            "nick TEXT PRIMARY KEY, name1 TEXT NOT NULL, name2 TEXT NOT NULL, "
            "about TEXT NOT NULL, telephone TEXT NOT NULL, emailo TEXT NOT NULL, "
            "website TEXT NOT NULL, skype TEXT NOT NULL, ok TEXT NOT NULL, vk TEXT NOT NULL, "
            "telegram TEXT NOT NULL, facebook TEXT NOT NULL, twitter TEXT NOT NULL, "
            "instagramm TEXT NOT NULL, youtube TEXT NOT NULL)"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS game_results ("
            "nick TEXT NOT NULL, game TEXT NOT NULL, kon BIGINT NOT NULL, best BIGINT NOT NULL, "
            "rating DOUBLE PRECISION NOT NULL, sessions BIGINT NOT NULL, konl BIGINT NOT NULL, "
            "score BIGINT NOT NULL, r1 BIGINT NOT NULL, r2 TEXT NOT NULL, "
            "PRIMARY KEY (nick, game))"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS world_results (%1, gid INTEGER NOT NULL, "
            "score BIGINT NOT NULL, nick TEXT NOT NULL, country TEXT NOT NULL, "
            "city TEXT NOT NULL, r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL, "
            "r10 TEXT NOT NULL, created TEXT NOT NULL)")
            .arg(id),
        QStringLiteral("CREATE INDEX IF NOT EXISTS world_results_order ON world_results (gid, "
                       "score DESC, id)"),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS world_results_owner ON world_results (gid, nick, city)"),
        // Chat message numbers are unique even when two servers share the database.
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS chat_numbers ON world_results (score) "
                       "WHERE gid = 100"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS stats (gid INTEGER PRIMARY KEY, "
                       "stat1 BIGINT NOT NULL DEFAULT 0, stat2 BIGINT NOT NULL DEFAULT 0, "
                       "stat3 BIGINT NOT NULL DEFAULT 0, stat4 TEXT NOT NULL DEFAULT '', "
                       "x1 BIGINT NOT NULL DEFAULT 0, x2 BIGINT NOT NULL DEFAULT 0, "
                       "x3 BIGINT NOT NULL DEFAULT 0, x4 BIGINT NOT NULL DEFAULT 0, "
                       "x5 BIGINT NOT NULL DEFAULT 0, x6 BIGINT NOT NULL DEFAULT 0, "
                       "x7 BIGINT NOT NULL DEFAULT 0, x8 BIGINT NOT NULL DEFAULT 0, "
                       "x9 BIGINT NOT NULL DEFAULT 0, x10 BIGINT NOT NULL DEFAULT 0, "
                       "x11 BIGINT NOT NULL DEFAULT 0, x12 BIGINT NOT NULL DEFAULT 0, "
                       "staty BIGINT NOT NULL DEFAULT 0, statz TEXT NOT NULL DEFAULT '')"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS tour_standings (nick TEXT PRIMARY KEY, "
                       "score BIGINT NOT NULL, kon BIGINT NOT NULL)"),
        // Every change of a balance, so that the Wems in circulation can be audited.
        QStringLiteral("CREATE TABLE IF NOT EXISTS wem_ledger (%1, nick TEXT NOT NULL, "
                       "amount BIGINT NOT NULL, reason TEXT NOT NULL, counterpart TEXT NOT NULL, "
                       "created TEXT NOT NULL)")
            .arg(id),
        // The sender's half of a transfer already made, waiting for its acknowledgement.
        QStringLiteral("CREATE TABLE IF NOT EXISTS pending_debits (%1, nick TEXT NOT NULL, "
                       "amount BIGINT NOT NULL, created TEXT NOT NULL)")
            .arg(id),
        // Wems earned by a place in the account list, paid out once when claimed.
        QStringLiteral("CREATE TABLE IF NOT EXISTS pending_bonus (%1, nick TEXT NOT NULL, "
                       "amount BIGINT NOT NULL, created TEXT NOT NULL)")
            .arg(id),
        // Rated account matches: the seed the server dealt each from and, once the
        // player's moves replayed, what the replay gave. The record of the game
        // before the pre-charge is kept here, since the pre-charge clears it.
        QStringLiteral("CREATE TABLE IF NOT EXISTS account_matches (%1, nick TEXT NOT NULL, "
                       "seed BIGINT NOT NULL, strong INTEGER NOT NULL, "
                       "konl_before BIGINT NOT NULL, score_before BIGINT NOT NULL, "
                       "recorded INTEGER NOT NULL DEFAULT 0, "
                       "match_score BIGINT NOT NULL DEFAULT 0, "
                       "game_total BIGINT NOT NULL DEFAULT 0, "
                       "game_complete INTEGER NOT NULL DEFAULT 0, "
                       "listed_result BIGINT NOT NULL DEFAULT 0, created TEXT NOT NULL)")
            .arg(id),
        // The request id a program gave a world result, so that a result sent
        // again after a lost acknowledgement is not stored twice.
        QStringLiteral("CREATE TABLE IF NOT EXISTS world_requests (gid INTEGER NOT NULL, "
                       "nick TEXT NOT NULL, request TEXT NOT NULL, result_id BIGINT NOT NULL, "
                       "PRIMARY KEY (gid, nick, request))"),
        // Login sessions and failed password checks, shared by the servers of
        // one PostgreSQL database (a single SQLite server keeps them in memory).
        QStringLiteral("CREATE TABLE IF NOT EXISTS sessions (id TEXT PRIMARY KEY, "
                       "nick TEXT NOT NULL, last_use BIGINT NOT NULL)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS login_failures (key TEXT PRIMARY KEY, "
                       "failures BIGINT NOT NULL, last_failure BIGINT NOT NULL)"),
    };
    for (const QString &sql : statements)
        exec(sql);
}

QSqlQuery &Database::run(const QString &sql, std::initializer_list<QVariant> values) {
    auto it = prepared_.find(sql);
    if (it == prepared_.end()) {
        QSqlQuery query(db_);
        if (!query.prepare(sql))
            throw DatabaseError(describe(query.lastError()).toStdString());
        it = prepared_.emplace(sql, std::move(query)).first;
    }
    QSqlQuery &query = it->second;
    query.finish();
    int i = 0;
    for (const QVariant &value : values)
        query.bindValue(i++, value);
    if (!query.exec())
        throw DatabaseError(describe(query.lastError()).toStdString());
    return query;
}

QVariant Database::scalar(const QString &sql, std::initializer_list<QVariant> values) {
    QSqlQuery &query = run(sql, values);
    QVariant result;
    if (query.next())
        result = query.value(0);
    query.finish();
    return result;
}

void Database::begin() {
    if (!db_.transaction())
        throw DatabaseError(describe(db_.lastError()).toStdString());
    depth_ = 1;
}

bool Database::commit(QString *error) {
    for (auto &[sql, query] : prepared_)
        query.finish();
    const bool ok = db_.commit();
    if (!ok) {
        if (error)
            *error = describe(db_.lastError());
        db_.rollback();
    }
    depth_ = 0;
    return ok;
}

void Database::rollback() {
    for (auto &[sql, query] : prepared_)
        query.finish();
    db_.rollback();
    depth_ = 0;
}

bool Database::atomically(const std::function<bool()> &work, QString *error) {
    const bool outer = depth_ == 0;
    const QString savepoint = QStringLiteral("sp%1").arg(depth_);
    try {
        if (outer) {
            begin();
        } else {
            control(QStringLiteral("SAVEPOINT ") + savepoint);
            ++depth_;
        }
    } catch (const DatabaseError &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    bool ok = false;
    try {
        ok = work();
        if (!ok && error)
            error->clear();
    } catch (const DatabaseError &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        ok = false;
    }
    if (!outer)
        --depth_;
    try {
        if (outer) {
            if (ok) {
                QString commitError;
                ok = commit(&commitError);
                if (!ok && error)
                    *error = commitError;
            } else {
                rollback();
            }
        } else if (ok) {
            control(QStringLiteral("RELEASE SAVEPOINT ") + savepoint);
        } else {
            for (auto &[sql, query] : prepared_)
                query.finish();
            control(QStringLiteral("ROLLBACK TO SAVEPOINT ") + savepoint);
            control(QStringLiteral("RELEASE SAVEPOINT ") + savepoint);
        }
    } catch (const DatabaseError &e) {
        if (error)
            *error = QString::fromUtf8(e.what());
        return false;
    }
    return ok;
}

} // namespace server
