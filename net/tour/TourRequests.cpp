#include "net/tour/TourRequests.h"

#include "web/ReplyScan.h"

#include <cctype>

namespace quarn::tour {
namespace {

constexpr std::size_t kSeatFields = 8;
constexpr std::size_t kTableFields = 1 + 5 + kRoleCount * kSeatFields; // 38 after the number

std::string Code() {
    return std::to_string(kGameCode);
}

// A text of the wire: "_" stands for a blank.
std::string FromWire(std::string_view text) {
    std::string out(text);
    for (char &c : out)
        if (c == '_')
            c = ' ';
    return out;
}

// A value inside a request body: blanks travel as "_", and the characters
// that would end the field or the body are left out.
std::string ToWire(std::string_view text) {
    std::string out;
    for (char c : text) {
        if (c == '&' || c == '=' || c == '%' || c == '+')
            continue;
        out += c == ' ' ? '_' : c;
    }
    return out;
}

std::optional<TWemClient> ClientFrom(const std::vector<std::string_view> &f, std::size_t at) {
    if (f.size() < at + kSeatFields)
        return std::nullopt;
    const auto score = web::toInteger(f[at + 1]);
    const auto kon = web::toInteger(f[at + 2]);
    const auto rating = web::toInteger(f[at + 3]);
    if (!score || !kon || !rating || f[at].empty())
        return std::nullopt;
    TWemClient c;
    c.Nick = FromWire(f[at]);
    c.Score = *score;
    c.Kon = *kon;
    c.Rating = *rating;
    c.Country = FromWire(f[at + 4]);
    c.City = FromWire(f[at + 5]);
    c.Sex = f[at + 6].empty() ? 'X' : f[at + 6].front();
    c.IP = FromWire(f[at + 7]);
    return c;
}

} // namespace

std::string TableListBody() {
    return "readtable410=&gid=" + Code();
}

std::string ServerInfoBody() {
    return "serverinforead=0&gid=" + Code();
}

std::string SeatChangeBody(int table, int seat, SeatAction action, const TWemClient &who,
                           char requestDigit) {
    const std::string s = std::to_string(seat);
    std::string body = std::string("client") + requestDigit + "on" + s + "=0&gid=" + Code() +
                       "&num=" + std::to_string(table) +
                       "&can=" + std::to_string(static_cast<int>(action));
    const std::pair<const char *, std::string> fields[] = {
        {"nick", ToWire(who.Nick)},
        {"score", std::to_string(who.Score)},
        {"kon", std::to_string(who.Kon)},
        {"rating", std::to_string(who.Rating)},
        {"country", ToWire(who.Country)},
        {"city", ToWire(who.City)},
        {"sex", ToWire(std::string(1, who.Sex))},
        {"ip", ToWire(who.IP)},
    };
    for (const auto &[name, value] : fields)
        body += "&" + std::string(name) + s + "=" + value;
    return body;
}

std::string SeatReaderBody(int table, int seat) {
    return "readclient" + std::to_string(seat) + "=0&gid=" + Code() +
           "&num=" + std::to_string(table);
}

std::string OwnStandingBody(std::string_view nick) {
    return "readrating" + Code() + "=0&nick=" + ToWire(nick);
}

std::string TopTenBody(TopCriterion criterion) {
    return "top10" + std::string(1, static_cast<char>(criterion)) + Code() + "=0&nick=z";
}

std::string OwnPlaceBody(TopCriterion criterion, std::int32_t value) {
    const char *field = criterion == TopCriterion::Rating  ? "rating1="
                        : criterion == TopCriterion::Games ? "kon1="
                                                           : "score1=";
    return "place" + std::string(1, static_cast<char>(criterion)) + Code() + "=0&" + field +
           std::to_string(value);
}

std::optional<TableList> ParseTableList(std::string_view reply) {
    const auto entries = web::listEntries(reply, kTableCount);
    if (entries.size() != std::size_t(kTableCount))
        return std::nullopt;
    TableList tables{};
    for (std::string_view entry : entries) {
        const auto f = web::splitFields(entry, ' ');
        const auto number = f.empty() ? std::nullopt : web::toInteger(f[0]);
        if (!number || *number < 1 || *number > kTableCount || f.size() < kTableFields)
            return std::nullopt;
        TWemTable_4 &table = tables[std::size_t(*number)];
        const auto port = web::toInteger(f[2]);
        const auto r1 = web::toInteger(f[4]);
        if (!port || !r1)
            return std::nullopt;
        table.IP = FromWire(f[1]);
        table.Port = *port;
        table.Free = FromWire(f[3]);
        table.R1 = *r1;
        table.R2 = FromWire(f[5]);
        for (int seat = 1; seat <= kRoleCount; ++seat) {
            const auto c = ClientFrom(f, 6 + std::size_t(seat - 1) * kSeatFields);
            if (!c)
                return std::nullopt;
            table.Seat[std::size_t(seat)] = *c;
        }
    }
    return tables;
}

std::optional<ServerInfo> ParseServerInfo(std::string_view reply) {
    const auto record = web::firstRecord(reply);
    if (!record || record->empty())
        return std::nullopt;
    ServerInfo info;
    info.on = record->front() == 'Y';
    const std::size_t blank = record->find(' ');
    if (blank != std::string_view::npos)
        info.message = FromWire(record->substr(blank + 1));
    return info;
}

SeatChangeResult ParseSeatChange(std::string_view reply) {
    if (web::hasStatusWord(reply, "is"))
        return SeatChangeResult::Refused;
    if (web::hasStatusWord(reply, "ok"))
        return SeatChangeResult::Done;
    return SeatChangeResult::Failed;
}

std::string ParseSeatToken(std::string_view reply) {
    const auto record = web::firstRecord(reply);
    if (!record)
        return {};
    const auto fields = web::splitFields(*record, ' ');
    if (fields.size() < 2 || fields[1].empty() || fields[1].size() > 40)
        return {};
    for (char c : fields[1])
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return {};
    return std::string(fields[1]);
}

std::optional<TWemClient> ParseSeatReader(std::string_view reply) {
    const auto record = web::firstRecord(reply);
    if (!record)
        return std::nullopt;
    return ClientFrom(web::splitFields(*record, ' '), 0);
}

std::optional<OwnStanding> ParseOwnStanding(std::string_view reply) {
    const auto record = web::firstRecord(reply);
    if (!record)
        return std::nullopt;
    const auto f = web::splitFields(*record, ' ');
    if (f.size() < 3)
        return std::nullopt;
    const auto score = web::toInteger(f[0]);
    const auto hands = web::toInteger(f[1]);
    const auto rating = web::toInteger(f[2]);
    if (!score || !hands || !rating)
        return std::nullopt;
    return OwnStanding{*score, *hands, *rating};
}

std::optional<TourTopTen> ParseTopTen(std::string_view reply) {
    const auto entries = web::listEntries(reply, 10);
    if (entries.empty())
        return std::nullopt;
    TourTopTen lines{};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto f = web::splitFields(entries[i], ' ');
        if (f.size() < 6)
            return std::nullopt;
        const auto place = web::toInteger(f[0]);
        const auto score = web::toInteger(f[5]);
        if (!place || !score)
            return std::nullopt;
        lines[i] = TourTopLine{*place,         FromWire(f[1]), FromWire(f[2]),
                               FromWire(f[3]), FromWire(f[4]), *score};
    }
    return lines;
}

std::optional<std::int32_t> ParseOwnPlace(std::string_view reply) {
    return web::lastNumber(reply);
}

} // namespace quarn::tour
