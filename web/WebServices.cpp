#include "web/WebServices.h"

#include "web/Cp1251.h"
#include "web/ReplyScan.h"
#include "web/Scramble.h"

#include <optional>

namespace web {
namespace {

using Fields = std::vector<std::string_view>;

std::string prefixed(std::string_view field) { return std::string(kResultPrefix) + std::string(field); }

std::string text(std::string_view bytes) { return fromCp1251(bytes); }

// Field n (from 1) of a record, when the record has one.
std::optional<std::string_view> field(const Fields& fields, size_t n) {
    if (n == 0 || n > fields.size()) return std::nullopt;
    return fields[n - 1];
}

// Assigns field n as text when present.
void takeText(const Fields& fields, size_t n, std::string& target) {
    if (const auto f = field(fields, n)) target = text(*f);
}

// Assigns the first character of field n when present and printable ASCII.
void takeChar(const Fields& fields, size_t n, char& target) {
    if (const auto f = field(fields, n); f && !f->empty()) {
        const auto c = static_cast<unsigned char>(f->front());
        if (c > 0x20 && c < 0x7F) target = static_cast<char>(c);
    }
}

// Assigns field n as an integer; false when present but not one.
template <class Int> bool takeInt(const Fields& fields, size_t n, Int& target) {
    const auto f = field(fields, n);
    if (!f) return true;
    const auto value = toInteger(*f);
    if (!value) return false;
    target = static_cast<Int>(*value);
    return true;
}

bool takeDecimal(const Fields& fields, size_t n, double& target) {
    const auto f = field(fields, n);
    if (!f) return true;
    const auto value = toDecimal(*f);
    if (!value) return false;
    target = *value;
    return true;
}

Reply<int> lastNumberReply(const HttpReply& reply) {
    if (reply.ok) {
        if (const auto number = lastNumber(reply.body)) return {*number, true};
    }
    return {-1, false};
}

// A world-list row read from one entry: Place, (not used), Score, Nick,
// Country, City, R07, R08, R09, R10.
bool readWorldRow(std::string_view entry, TWemRecord& row) {
    const Fields f = splitFields(entry, ' ');
    if (!takeInt(f, 1, row.Place) || !takeInt(f, 3, row.Score)) return false;
    takeText(f, 4, row.Nick);
    takeText(f, 5, row.Country);
    takeText(f, 6, row.City);
    takeText(f, 7, row.R07);
    takeText(f, 8, row.R08);
    takeText(f, 9, row.R09);
    takeText(f, 10, row.R10);
    return true;
}

WorldRows startRows(int listId) {
    WorldRows rows;
    for (auto& row : rows) row.GID = listId;
    return rows;
}

} // namespace

WebServices::WebServices(Addresses addresses, HttpOptions options)
    : addresses_(std::move(addresses)), options_(options), client_(options) {}

std::string WebServices::serviceUrl(Service service) const {
    switch (service) {
    case Service::Account: return Unscramble(addresses_.accountService, kAccountKey);
    case Service::World: return addresses_.worldService;
    case Service::Statistics: return addresses_.statisticsService;
    case Service::Tournament: return Unscramble(addresses_.tournamentService, kTournamentKey);
    }
    return {};
}

HttpReply WebServices::postBody(Service service, const std::optional<std::string>& body) {
    const std::string url = serviceUrl(service);
    if (!body || url.empty()) return {};
    return client_.post(url, *body, kAccessToken);
}

HttpReply WebServices::postRaw(Service service, const FormFields& fields) {
    return postBody(service, rawBody(fields));
}

HttpReply WebServices::postListed(Service service, const FormFields& fields) {
    return postBody(service, listedBody(fields));
}

// --- account service ---

RegisterResult WebServices::RegisterAccount(const TWemUser& u) {
    const HttpReply reply = postRaw(
        Service::Account,
        {{"nick", u.Nick}, {"pw", u.Pw}, {"city", u.City}, {"country1", u.Country1},
         {"country2", u.Country2}, {"sex", std::string(1, u.Sex)}, {"email", u.EMail},
         {"dater", u.DateR}, {"R01", u.R01}, {"R02", u.R02}, {"R03", u.R03},
         {"R04", std::to_string(u.R04)}, {"R05", std::to_string(u.R05)},
         {"R06", std::to_string(u.R06)}});
    if (!reply.ok) return kRegisterFailed;
    if (hasStatusWord(reply.body, "is")) return kNickTaken;
    if (hasStatusWord(reply.body, "ok")) return kRegistered;
    return kRegisterFailed;
}

Reply<TWemUser> WebServices::LoginAccount(const std::string& nick, const std::string& pw,
                                          const TWemUser& current) {
    Reply<TWemUser> result;
    TWemUser& u = result.value;
    u = current;
    u.Nick = nick;
    u.Pw = pw;
    u.PwC = Scramble(toCp1251(pw).value_or(std::string()), kAccountKey);
    u.City = u.Country1 = u.Country2 = u.EMail = u.R01 = u.R02 = u.R03 = "#";
    u.Sex = '#';
    u.DateR = "00.00.0000";
    u.R04 = u.R05 = u.R06 = 0;

    const HttpReply reply =
        postListed(Service::Account, {{"nick", nick}, {"pw", pw}, {"label0", "0"}});
    if (!reply.ok || hasStatusWordOutsideRecord(reply.body, "no")) return result;
    const auto record = firstRecord(reply.body);
    if (!record) {
        result.ok = true;
        return result;
    }
    const Fields f = splitFields(*record, ' ');
    takeText(f, 1, u.City);
    takeText(f, 2, u.Country1);
    takeText(f, 3, u.Country2);
    takeChar(f, 4, u.Sex);
    takeText(f, 5, u.EMail);
    takeText(f, 6, u.DateR);
    takeText(f, 7, u.R01);
    takeText(f, 8, u.R02);
    takeText(f, 9, u.R03);
    result.ok = takeInt(f, 10, u.R04) && takeInt(f, 11, u.R05) && takeInt(f, 12, u.R06);
    return result;
}

Reply<TopTenRows> WebServices::ReadTopTen() {
    const HttpReply reply = postListed(Service::Account, {{prefixed("kon"), "0"}});
    if (!reply.ok) return {};
    Reply<TopTenRows> result;
    size_t i = 0;
    for (const auto entry : listEntries(reply.body)) {
        TWemTop10& row = result.value[i++];
        const Fields f = splitFields(entry, ' ');
        takeText(f, 2, row.Nick);
        takeText(f, 3, row.City);
        takeText(f, 4, row.Country);
        takeText(f, 5, row.Country);
        takeChar(f, 6, row.Sex);
        if (!takeDecimal(f, 7, row.Rating)) return {};
    }
    result.ok = true;
    return result;
}

Reply<int> WebServices::ReadPlace(double rating) {
    return lastNumberReply(postRaw(Service::Account, {{prefixed("rating"), formatDecimal(rating)}}));
}

Reply<int> WebServices::ReadMemberCount() {
    return lastNumberReply(postRaw(Service::Account, {{"label1", "0"}}));
}

Reply<int> WebServices::ReadBalance(const std::string& nick) {
    const HttpReply reply =
        postListed(Service::Account, {{"nick", nick}, {"labelwemread", "0"}});
    if (!reply.ok || hasStatusWordOutsideRecord(reply.body, "no")) return {-1, false};
    const auto record = firstRecord(reply.body);
    const auto balance = record ? toInteger(*record) : std::nullopt;
    if (!balance) return {-1, false};
    return {*balance, true};
}

bool WebServices::AddBalance(const std::string& nick, int amount) {
    const HttpReply reply = postRaw(
        Service::Account, {{"nick", nick}, {"labelwemsave", "0"}, {"R04", std::to_string(amount)}});
    return reply.ok && hasStatusWord(reply.body, "ok");
}

Reply<TInfo14> WebServices::ReadProfile(const std::string& nick, const TInfo14& current) {
    Reply<TInfo14> result{current, false};
    const HttpReply reply =
        postListed(Service::Account, {{"nick", nick}, {"labelinforead", "0"}});
    if (!reply.ok || hasStatusWordOutsideRecord(reply.body, "no")) return result;
    const auto record = firstRecord(reply.body);
    if (!record) return result;
    const Fields f = splitFields(*record, '~');
    const auto texts = result.value.wireOrder();
    for (size_t i = 0; i < texts.size(); ++i) takeText(f, i + 1, *texts[i]);
    result.ok = true;
    return result;
}

bool WebServices::SaveProfile(const std::string& nick, const TInfo14& info) {
    static constexpr std::array<std::string_view, TInfo14::kCount> names = {
        "namei", "name2",    "about",    "telephone", "emailo",  "website",    "skype",
        "ok",    "vk",       "telegram", "facebook",  "twitter", "instagramm", "youtube"};
    FormFields fields = {{"nick", nick}, {"labelinfosave", "0"}};
    const auto texts = info.wireOrder();
    for (size_t i = 0; i < names.size(); ++i) fields.push_back({std::string(names[i]), *texts[i]});
    const HttpReply reply = postRaw(Service::Account, fields);
    return reply.ok && hasStatusWord(reply.body, "ok");
}

Reply<TWemGame> WebServices::ReadGameResults(const std::string& nick, const std::string& pw,
                                             const TWemGame& current) {
    Reply<TWemGame> result{current, false};
    TWemGame& g = result.value;
    g.Kon = g.Score = g.Sessions = g.R1 = 0;
    g.Rating = 0;
    g.PlayNow = 'N';
    g.R2 = "#";
    const TWemGame reset = g;

    const HttpReply reply =
        postListed(Service::Account, {{"nick", nick}, {"pw", pw}, {prefixed("best"), "0"}});
    if (!reply.ok) return result;
    if (const auto record = firstRecord(reply.body)) {
        const Fields f = splitFields(*record, ' ');
        const bool converted = takeInt(f, 1, g.Kon) && takeInt(f, 2, g.Best) &&
                               takeDecimal(f, 3, g.Rating) && takeInt(f, 4, g.Sessions) &&
                               takeInt(f, 5, g.KonL) && takeInt(f, 6, g.Score) &&
                               takeInt(f, 7, g.R1);
        if (!converted) {
            g = reset;
            return result;
        }
        takeText(f, 8, g.R2);
    }
    result.ok = true;
    return result;
}

bool WebServices::SaveGameResults(const std::string& nick, const std::string& pw,
                                  const TWemGame& g) {
    const HttpReply reply = postRaw(
        Service::Account,
        {{"nick", nick}, {"pw", pw}, {prefixed("kon"), std::to_string(g.Kon)},
         {prefixed("best"), std::to_string(g.Best)}, {prefixed("rating"), formatDecimal(g.Rating)},
         {prefixed("ses"), std::to_string(g.Sessions)}, {prefixed("konl"), std::to_string(g.KonL)},
         {prefixed("score"), std::to_string(g.Score)}, {prefixed("R1"), std::to_string(g.R1)},
         {prefixed("R2"), g.R2}});
    return reply.ok && hasStatusWord(reply.body, "ok");
}

// --- world service ---

Reply<WorldRows> WebServices::readWorldRows(int listId, const HttpReply& reply) {
    Reply<WorldRows> result{startRows(listId), false};
    if (!reply.ok) return result;
    size_t i = 0;
    for (const auto entry : listEntries(reply.body)) {
        if (!readWorldRow(entry, result.value[i++])) return {startRows(listId), false};
    }
    result.ok = true;
    return result;
}

Reply<WorldRows> WebServices::ReadWorldList(int listId) {
    client_.setReadTimeout(kReadTimeoutMs);
    return readWorldRows(listId, postListed(Service::World, {{"gid", std::to_string(listId)}}));
}

Reply<int> WebServices::ReadWorldCount(int listId) {
    return lastNumberReply(postListed(Service::World, {{"rgid", std::to_string(listId)}}));
}

Reply<WorldRows> WebServices::ReadOwnResults(int listId, const std::string& nick,
                                             const std::string& city) {
    client_.setReadTimeout(kReadTimeoutMs);
    return readWorldRows(
        listId,
        postRaw(Service::World, {{"gid", std::to_string(listId)}, {"nick", nick}, {"city", city}}));
}

Reply<int> WebServices::SendWorldResult(const TWemRecord& e) {
    return lastNumberReply(postRaw(
        Service::World,
        {{"gid", std::to_string(e.GID)}, {"nick", e.Nick}, {"city", e.City},
         {"country", e.Country}, {"score", std::to_string(e.Score)}, {"R7", e.R07},
         {"R8", std::string(kProgramVersion)}, {"R9", e.R09}, {"R10", e.R10 + "*"}}));
}

// --- statistics service ---

Reply<TWemStat> WebServices::ReadStats() {
    client_.setReadTimeout(kReadTimeoutMs);
    const HttpReply reply = postListed(Service::Statistics, {{"gid", std::to_string(kGameId)}});
    if (!reply.ok) return {};
    Reply<TWemStat> result;
    TWemStat& s = result.value;
    const auto entries = listEntries(reply.body, 1);
    if (!entries.empty()) {
        const Fields f = splitFields(entries.front(), ' ');
        bool converted = takeInt(f, 1, s.Stat1) && takeInt(f, 2, s.Stat2) && takeInt(f, 3, s.Stat3);
        takeText(f, 4, s.Stat4);
        for (size_t i = 0; i < s.StatX.size(); ++i) converted = converted && takeInt(f, 5 + i, s.StatX[i]);
        converted = converted && takeInt(f, 17, s.StatY);
        takeText(f, 18, s.StatZ);
        if (!converted) return {};
    }
    result.ok = true;
    return result;
}

bool WebServices::SendStart(int stat1, int stat2) {
    const HttpReply reply = postRaw(Service::Statistics, {{"gid", std::to_string(kGameId)},
                                                          {"stat1", std::to_string(stat1)},
                                                          {"stat2", std::to_string(stat2)}});
    return reply.ok && statisticsAccepted(reply.body);
}

bool WebServices::SendLike(int stat3, const std::string& nick) {
    const HttpReply reply = postRaw(
        Service::Statistics,
        {{"gid", std::to_string(kGameId)}, {"stat3", std::to_string(stat3)}, {"stat4", nick}});
    return reply.ok && statisticsAccepted(reply.body);
}

bool WebServices::SendGameStats(const std::array<int, 12>& values) {
    FormFields fields = {{"gid", std::to_string(kGameId)}};
    for (size_t i = 0; i < values.size(); ++i)
        fields.push_back({"R" + std::to_string(i + 1), std::to_string(values[i])});
    const HttpReply reply = postRaw(Service::Statistics, fields);
    return reply.ok && statisticsAccepted(reply.body);
}

// --- tournament web service ---

Reply<std::string> WebServices::PostTournament(std::string_view body) {
    const HttpReply reply = postBody(Service::Tournament, toCp1251(body));
    if (!reply.ok) return {};
    return {text(reply.body), true};
}

} // namespace web
