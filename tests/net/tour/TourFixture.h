#pragma once
// One tournament program of the server tests: an account registered and
// logged in on a running wem-server through the program's own request
// layer, its game state, sound log, game-server connection and lobby.

#include "net/tour/TFormTournament.h"
#include "net/tour/TFormTournamentTop.h"
#include "net/tour/TourRequests.h"
#include "tests/server/TestMember.h"

#include "../../server/ServerHarness.h"
#include "../lan/LanFixture.h"
#include "web/WebServices.h"

#include <QDir>
#include <QPushButton>

#include <memory>
#include <string>
#include <vector>

namespace quarn::tour::testing {

using lan::testing::SoundLog;

// One program: its account, game, connection and lobby.
struct Program {
    std::string nick;
    std::unique_ptr<web::WebServices> web;
    web::Account account;
    GameState game;
    SoundLog sound;
    std::unique_ptr<TourConnection> connection;
    std::unique_ptr<TFormTournament> lobby;
    std::vector<QString> messages;
    std::vector<QString> ended;
    Settings settings;

    TourLobbyServices services() {
        TourLobbyServices s;
        s.post = [this](std::string_view body) { return web->PostTournament(body); };
        s.externalIp = [] { return std::string(); };
        s.showMessage = [this](const QString &text) { messages.push_back(text); };
        return s;
    }
    AuxContext context() {
        AuxContext c;
        c.folder = QDir::tempPath() + QLatin1Char('/');
        c.settings = &settings;
        c.sound = &sound;
        return c;
    }
    void OpenLobby() {
        lobby = std::make_unique<TFormTournament>(context(), *connection, account, services());
        lobby->show();
    }
    QString SeatText(int table, int seat) const { return lobby->SeatButtonAt(table, seat)->text(); }
    bool SeatEnabled(int table, int seat) const {
        return lobby->SeatButtonAt(table, seat)->isEnabled();
    }
    int RoleToMove() const { return RoleAtSeat(connection->Role(), game.ToMove); }
};

// Registers the nick on the server and logs in through `web` (its cookies
// hold the session); the account as the program keeps it.
inline bool RegisterAndLogIn(web::WebServices &web, const std::string &nick, char sex,
                             web::Account &account) {
    const web::TWemUser user = servertest::testMember(
        {.nick = nick, .city = "Москва", .sex = sex, .email = nick + "@mail.ru"});
    if (web.RegisterAccount(user) != web::kRegistered)
        return false;
    const auto login = web.LoginAccount(nick, "secret1");
    if (!login.ok)
        return false;
    account.user = login.value;
    account.state = web::AccountState::LoggedIn;
    return true;
}

// A registered account, logged in with its own cookies; null on failure.
inline std::unique_ptr<Program> MakeProgram(servertest::RunningServer &server,
                                            const std::string &nick, char sex) {
    auto p = std::make_unique<Program>();
    p->nick = nick;
    p->web = std::make_unique<web::WebServices>(web::Addresses::forServer(server.baseUrl()));
    if (!RegisterAndLogIn(*p->web, nick, sex, p->account))
        return nullptr;
    p->connection =
        std::make_unique<TourConnection>(p->game, Outside{nullptr, &p->sound, nullptr, nullptr});
    Program *raw = p.get();
    QObject::connect(p->connection.get(), &TourConnection::gameEnded,
                     [raw](const QString &m, const QString &line) {
                         raw->ended.push_back(m + QLatin1Char('|') + line);
                     });
    return p;
}

} // namespace quarn::tour::testing
