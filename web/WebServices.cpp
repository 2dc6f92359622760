#include "web/WebServices.h"

#include "store/Cp1251.h"
#include "web/Cancel.h"
#include "web/ProfileFields.h"
#include "web/ReplyParse.h"
#include "web/ReplyScan.h"
#include "web/Scramble.h"

#include <algorithm>
#include <optional>

namespace web {
namespace {

std::string prefixed(std::string_view field) {
    return std::string(kResultPrefix) + std::string(field);
}

Reply<int> numberReply(const HttpReply &reply) {
    return reply.ok ? parseNumberReply(reply.body) : Reply<int>{-1, false};
}

WorldRows startRows(int listId) {
    return parseWorldRowsReply({}, listId).value;
}

} // namespace

WebServices::WebServices(WebClient &client) : client_(&client) {}

WebServices::WebServices(Addresses addresses, HttpOptions options)
    : own_(std::make_unique<WebClient>(
          // Addresses whose services are not yet in force are the built-in kind.
          ServerOfRun{addresses.worldService.empty() ? ServerSource::BuiltIn : ServerSource::File,
                      {},
                      std::move(addresses),
                      {}},
          options)),
      client_(own_.get()) {}

std::string WebServices::serviceUrl(Service service) const {
    switch (service) {
    case Service::Account:
        return Unscramble(addresses().accountService, kAccountKey);
    case Service::World:
        return addresses().worldService;
    case Service::Statistics:
        return addresses().statisticsService;
    case Service::Tournament:
        return Unscramble(addresses().tournamentService, kTournamentKey);
    }
    return {};
}

// A refusal for load (503 with Retry-After; the password guard of a server
// that many programs behind one address reach at once) is sent again after
// the server's wait, a few times, while the thread's transfers are not
// cancelled.
HttpReply WebServices::postBody(Service service, const std::optional<std::string> &body) {
    const std::string url = serviceUrl(service);
    if (!body || url.empty())
        return {};
    HttpReply reply = sharedClient().post(url, *body, kAccessToken);
    for (int retry = 0; retry < kLoadRetries && refusedForLoad(reply); ++retry) {
        if (!waitUnlessCancelled(reply.retryAfterSeconds * 1000))
            break;
        reply = sharedClient().post(url, *body, kAccessToken);
    }
    return reply;
}

bool WebServices::refusedForLoad(const HttpReply &reply) {
    return reply.status == 503 && reply.retryAfterSeconds > 0 &&
           reply.retryAfterSeconds <= kLoadRetryLongestSeconds;
}

// A request of the logged-in account that the server refuses for want of a
// session: the login this client holds is renewed quietly and the request
// sent once more.
HttpReply WebServices::postWithSession(const std::string &nick, const FormFields &fields) {
    HttpReply reply = postRaw(Service::Account, fields);
    if (!reply.ok || !refusedForWantOfSession(reply.body))
        return reply;
    const std::optional<WebClient::HeldLogin> held = client_->heldLogin();
    if (!held || held->nick != nick)
        return reply;
    if (!LoginAccount(held->nick, held->password).ok)
        return reply;
    return postRaw(Service::Account, fields);
}

HttpReply WebServices::postRaw(Service service, const FormFields &fields) {
    if (!passwordMayGo(service, fields))
        return {};
    return postBody(service, rawBody(fields));
}

HttpReply WebServices::postListed(Service service, const FormFields &fields) {
    if (!passwordMayGo(service, fields))
        return {};
    return postBody(service, listedBody(fields));
}

bool WebServices::passwordMayGo(Service service, const FormFields &fields) const {
    const bool hasPassword = std::any_of(fields.begin(), fields.end(),
                                         [](const FormField &field) { return field.name == "pw"; });
    return !hasPassword || client_->passwordsMayGoTo(serviceUrl(service));
}

// --- account service ---

RegisterResult WebServices::RegisterAccount(const TWemUser &u) {
    const HttpReply reply = postRaw(Service::Account, {{"nick", u.Nick},
                                                       {"pw", u.Pw},
                                                       {"city", u.City},
                                                       {"country1", u.Country1},
                                                       {"country2", u.Country2},
                                                       {"sex", std::string(1, u.Sex)},
                                                       {"email", u.EMail},
                                                       {"dater", u.DateR},
                                                       {"R01", u.R01},
                                                       {"R02", u.R02},
                                                       {"R03", u.R03},
                                                       {"R04", std::to_string(u.R04)},
                                                       {"R05", std::to_string(u.R05)},
                                                       {"R06", std::to_string(u.R06)}});
    if (!reply.ok)
        return kRegisterFailed;
    if (hasStatusWord(reply.body, "is"))
        return kNickTaken;
    if (hasStatusWord(reply.body, "ok"))
        return kRegistered;
    return kRegisterFailed;
}

Reply<TWemUser> WebServices::LoginAccount(const std::string &nick, const std::string &pw,
                                          const TWemUser &current) {
    TWemUser start = current;
    start.Nick = nick;
    start.Pw = pw;
    start.PwC = Scramble(quarn::utf8ToCp1251(pw).value_or(std::string()), kAccountKey);
    start.City = start.Country1 = start.Country2 = start.EMail = "#";
    start.R01 = start.R02 = start.R03 = "#";
    start.Sex = '#';
    start.DateR = "00.00.0000";
    start.R04 = start.R05 = start.R06 = 0;
    const HttpReply reply =
        postListed(Service::Account, {{"nick", nick}, {"pw", pw}, {"label0", "0"}});
    if (!reply.ok)
        return {start, false};
    Reply<TWemUser> login = parseLoginReply(reply.body, start);
    if (login.ok)
        client_->holdLogin({nick, pw});
    else if (const auto held = client_->heldLogin(); held && held->nick == nick)
        client_->forgetLogin(); // the password held no longer opens the account
    return login;
}

Reply<TopTenRows> WebServices::ReadTopTen() {
    const HttpReply reply = postListed(Service::Account, {{prefixed("kon"), "0"}});
    if (!reply.ok)
        return {};
    return parseTopTenReply(reply.body);
}

Reply<int> WebServices::ReadPlace(double rating) {
    return numberReply(postRaw(Service::Account, {{prefixed("rating"), formatDecimal(rating)}}));
}

Reply<int> WebServices::ReadMemberCount() {
    return numberReply(postRaw(Service::Account, {{"label1", "0"}}));
}

Reply<int> WebServices::ReadBalance(const std::string &nick) {
    const HttpReply reply = postListed(Service::Account, {{"nick", nick}, {"labelwemread", "0"}});
    if (!reply.ok)
        return {-1, false};
    return parseBalanceReply(reply.body);
}

bool WebServices::AddBalance(const std::string &nick, int amount) {
    const HttpReply reply = postWithSession(
        nick, {{"nick", nick}, {"labelwemsave", "0"}, {"R04", std::to_string(amount)}});
    return reply.ok && hasStatusWord(reply.body, "ok");
}

Reply<TInfo14> WebServices::ReadProfile(const std::string &nick, const TInfo14 &current) {
    const HttpReply reply = postListed(Service::Account, {{"nick", nick}, {"labelinforead", "0"}});
    if (!reply.ok)
        return {current, false};
    return parseProfileReply(reply.body, current);
}

bool WebServices::SaveProfile(const std::string &nick, const TInfo14 &info) {
    FormFields fields = {{"nick", nick}, {"labelinfosave", "0"}};
    for (const ProfileField &field : kProfileFields)
        fields.push_back({std::string(field.wire), info.*field.text});
    const HttpReply reply = postWithSession(nick, fields);
    return reply.ok && hasStatusWord(reply.body, "ok");
}

Reply<TWemGame> WebServices::ReadGameResults(const std::string &nick, const std::string &pw,
                                             const TWemGame &current) {
    TWemGame start = current;
    start.Kon = start.Score = start.Sessions = start.R1 = 0;
    start.Rating = 0;
    start.PlayNow = 'N';
    start.R2 = "#";
    const HttpReply reply =
        postListed(Service::Account, {{"nick", nick}, {"pw", pw}, {prefixed("best"), "0"}});
    if (!reply.ok)
        return {start, false};
    return parseGameResultsReply(reply.body, start);
}

FormFields WebServices::gameResultFields(const std::string &nick, const std::string &pw,
                                         const TWemGame &g) {
    return {{"nick", nick},
            {"pw", pw},
            {prefixed("kon"), std::to_string(g.Kon)},
            {prefixed("best"), std::to_string(g.Best)},
            {prefixed("rating"), formatDecimal(g.Rating)},
            {prefixed("ses"), std::to_string(g.Sessions)},
            {prefixed("konl"), std::to_string(g.KonL)},
            {prefixed("score"), std::to_string(g.Score)},
            {prefixed("R1"), std::to_string(g.R1)},
            {prefixed("R2"), g.R2}};
}

bool WebServices::SaveGameResults(const std::string &nick, const std::string &pw,
                                  const TWemGame &g) {
    const HttpReply reply = postRaw(Service::Account, gameResultFields(nick, pw, g));
    return reply.ok && hasStatusWord(reply.body, "ok");
}

Reply<MatchTicket> WebServices::SavePreCharge(const std::string &nick, const std::string &pw,
                                              const TWemGame &game, bool strongOpponents) {
    FormFields fields = gameResultFields(nick, pw, game);
    fields.push_back({prefixed("strong"), strongOpponents ? "1" : "0"});
    const HttpReply reply = postRaw(Service::Account, fields);
    if (!reply.ok)
        return {};
    return parseMatchTicketReply(reply.body);
}

bool WebServices::SaveMatchRecord(const std::string &nick, const std::string &pw,
                                  const TWemGame &game, long long matchId,
                                  const std::string &moves) {
    FormFields fields = gameResultFields(nick, pw, game);
    fields.push_back({prefixed("match"), std::to_string(matchId)});
    fields.push_back({prefixed("moves"), moves});
    const HttpReply reply = postRaw(Service::Account, fields);
    return reply.ok && hasStatusWord(reply.body, "ok");
}

// --- world service ---

Reply<WorldRows> WebServices::ReadWorldList(int listId) {
    sharedClient().setReadTimeout(kReadTimeoutMs);
    const HttpReply reply = postListed(Service::World, {{"gid", std::to_string(listId)}});
    if (!reply.ok)
        return {startRows(listId), false};
    return parseWorldRowsReply(reply.body, listId);
}

Reply<int> WebServices::ReadWorldCount(int listId) {
    return numberReply(postListed(Service::World, {{"rgid", std::to_string(listId)}}));
}

Reply<WorldRows> WebServices::ReadOwnResults(int listId, const std::string &nick,
                                             const std::string &city) {
    sharedClient().setReadTimeout(kReadTimeoutMs);
    const HttpReply reply =
        postRaw(Service::World, {{"gid", std::to_string(listId)}, {"nick", nick}, {"city", city}});
    if (!reply.ok)
        return {startRows(listId), false};
    return parseWorldRowsReply(reply.body, listId);
}

Reply<int> WebServices::SendWorldResult(const TWemRecord &e) {
    return SendWorldResult(e, {});
}

Reply<int> WebServices::SendWorldResult(const TWemRecord &e, const std::string &requestId,
                                        long long matchId) {
    FormFields fields = {{"gid", std::to_string(e.GID)},
                         {"nick", e.Nick},
                         {"city", e.City},
                         {"country", e.Country},
                         {"score", std::to_string(e.Score)},
                         {"R7", e.R07},
                         {"R8", std::string(kProgramVersion)},
                         {"R9", e.R09}};
    if (!requestId.empty())
        fields.push_back({"rqid", requestId});
    if (matchId > 0)
        fields.push_back({"match", std::to_string(matchId)});
    // The program closes the last value with "*".
    fields.push_back({"R10", e.R10 + "*"});
    return numberReply(postRaw(Service::World, fields));
}

// --- statistics service ---

Reply<TWemStat> WebServices::ReadStats() {
    sharedClient().setReadTimeout(kReadTimeoutMs);
    const HttpReply reply = postListed(Service::Statistics, {{"gid", std::to_string(kGameId)}});
    if (!reply.ok)
        return {};
    return parseStatsReply(reply.body);
}

bool WebServices::SendStart(int stat1, int stat2) {
    const HttpReply reply = postRaw(Service::Statistics, {{"gid", std::to_string(kGameId)},
                                                          {"stat1", std::to_string(stat1)},
                                                          {"stat2", std::to_string(stat2)}});
    return reply.ok && statisticsAccepted(reply.body);
}

bool WebServices::SendLike(int stat3, const std::string &nick) {
    const HttpReply reply = postRaw(
        Service::Statistics,
        {{"gid", std::to_string(kGameId)}, {"stat3", std::to_string(stat3)}, {"stat4", nick}});
    return reply.ok && statisticsAccepted(reply.body);
}

bool WebServices::SendGameStats(const std::array<int, 12> &values) {
    FormFields fields = {{"gid", std::to_string(kGameId)}};
    for (size_t i = 0; i < values.size(); ++i)
        fields.push_back({"R" + std::to_string(i + 1), std::to_string(values[i])});
    const HttpReply reply = postRaw(Service::Statistics, fields);
    return reply.ok && statisticsAccepted(reply.body);
}

// --- tournament web service ---

Reply<std::string> WebServices::PostTournament(std::string_view body) {
    const HttpReply reply = postBody(Service::Tournament, quarn::utf8ToCp1251(body));
    if (!reply.ok)
        return {};
    return {quarn::cp1251ToUtf8(reply.body), true};
}

} // namespace web
