#pragma once
// The server's web services on a throwaway in-memory database, for the fuzz
// targets: each input is one request body (after a byte that picks the
// caller's session), handled as the server handles it, writes in a savepoint.
#include "server/AccountService.h"
#include "server/Database.h"
#include "server/Lobby.h"
#include "server/StatsService.h"
#include "server/TourService.h"
#include "server/WorldService.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

namespace serverfuzz {

enum class Target { Account, World, Stats, Tour };

class Services {
  public:
    static Services &instance() {
        static Services services;
        return services;
    }

    void handle(Target target, const uint8_t *data, size_t size) {
        if (size == 0)
            return;
        const QByteArray body(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
        auto form = server::FormFields::parse(body);
        if (!form)
            return;
        static const char *const kSessions[] = {"", "Ann", "Bob", "Nobody"};
        server::ServiceRequest request{std::move(*form),
                                       QHostAddress(data[0] & 0x10 ? QStringLiteral("127.0.0.1")
                                                                   : QStringLiteral("192.0.2.9")),
                                       QString::fromLatin1(kSessions[data[0] & 3]),
                                       {},
                                       {}};
        server::Service &service = serviceOf(target);
        server::Reply reply;
        QString error;
        try {
            if (target == Target::Account) {
                const auto task = accounts_->passwordTask(request.form);
                server::AccountService::doPasswordTask(task, request);
            }
            if (!service.writes(request.form))
                reply = service.handle(request);
            else
                db_.atomically(
                    [&] {
                        reply = service.handle(request);
                        return reply.status == 200;
                    },
                    &error);
        } catch (const server::DatabaseError &e) {
            error = QString::fromUtf8(e.what());
        }
        // The database never refuses what the service let through (the server
        // would answer "storage failed"), a reply is never empty and an error
        // always says "$no$".
        if (!error.isEmpty() || reply.body.isEmpty() ||
            (reply.status != 200 && !reply.body.startsWith("$no$"))) {
            std::fprintf(stderr, "status %d, reply [%s], storage [%s]\n", reply.status,
                         reply.body.constData(), qPrintable(error));
            std::abort();
        }
    }

  private:
    Services() {
        static int argc = 1;
        static char name[] = "fuzz";
        static char *argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
        QString error;
        if (!db_.open(QStringLiteral("sqlite::memory:"), QString(), &error))
            std::abort();
        accounts_ = std::make_unique<server::AccountService>(db_, 1);
        world_ = std::make_unique<server::WorldService>(db_, *accounts_);
        stats_ = std::make_unique<server::StatsService>(db_);
        tour_ = std::make_unique<server::TourService>(
            db_, lobby_, QStringLiteral("127.0.0.1"), 25046, [] { return true; },
            QStringLiteral("Welcome"));
        // Two accounts to act on, one with Wems to move.
        for (const char *nick : {"Ann", "Bob"}) {
            const QByteArray body =
                QByteArray("nick=") + nick +
                "&pw=secret1&city=Moscow&country1=Russia&country2=1-001&sex=M&email=a@mail.ru"
                "&dater=10.12.2025&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0";
            const QByteArray input = '\0' + body;
            handle(Target::Account, reinterpret_cast<const uint8_t *>(input.constData()),
                   size_t(input.size()));
        }
        db_.run(QStringLiteral("UPDATE accounts SET balance = 1000 WHERE nick = 'Ann'"));
    }

    server::Service &serviceOf(Target target) {
        switch (target) {
        case Target::Account:
            return *accounts_;
        case Target::World:
            return *world_;
        case Target::Stats:
            return *stats_;
        case Target::Tour:
            break;
        }
        return *tour_;
    }

    server::Database db_;
    server::Lobby lobby_;
    std::unique_ptr<server::AccountService> accounts_;
    std::unique_ptr<server::WorldService> world_;
    std::unique_ptr<server::StatsService> stats_;
    std::unique_ptr<server::TourService> tour_;
};

} // namespace serverfuzz
