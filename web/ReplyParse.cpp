#include "web/ReplyParse.h"

#include "store/Cp1251.h"
#include "web/ProfileFields.h"
#include "web/ReplyScan.h"

#include <charconv>
#include <optional>
#include <vector>

namespace web {
namespace {

using Fields = std::vector<std::string_view>;

// Field n (from 1) of a record, when the record has one.
std::optional<std::string_view> field(const Fields &fields, size_t n) {
    if (n == 0 || n > fields.size())
        return std::nullopt;
    return fields[n - 1];
}

void takeText(const Fields &fields, size_t n, std::string &target) {
    if (const auto f = field(fields, n))
        target = quarn::cp1251ToUtf8(*f);
}

// The first character of field n, when present and printable ASCII.
void takeChar(const Fields &fields, size_t n, char &target) {
    if (const auto f = field(fields, n); f && !f->empty()) {
        const auto c = static_cast<unsigned char>(f->front());
        if (c > 0x20 && c < 0x7F)
            target = static_cast<char>(c);
    }
}

// Field n as an integer; false when present but not one.
template <class Int> bool takeInt(const Fields &fields, size_t n, Int &target) {
    const auto f = field(fields, n);
    if (!f)
        return true;
    const auto value = toInteger(*f);
    if (!value)
        return false;
    target = static_cast<Int>(*value);
    return true;
}

bool takeDecimal(const Fields &fields, size_t n, double &target) {
    const auto f = field(fields, n);
    if (!f)
        return true;
    const auto value = toDecimal(*f);
    if (!value)
        return false;
    target = *value;
    return true;
}

// A world-list row: Place, (not used), Score, Nick, Country, City, R07, R08,
// R09, R10.
bool readWorldRow(std::string_view entry, TWemRecord &row) {
    const Fields f = splitFields(entry, ' ');
    if (!takeInt(f, 1, row.Place) || !takeInt(f, 3, row.Score))
        return false;
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
    for (auto &row : rows)
        row.GID = listId;
    return rows;
}

} // namespace

Reply<TWemUser> parseLoginReply(std::string_view reply, const TWemUser &start) {
    Reply<TWemUser> result{start, false};
    if (hasStatusWordOutsideRecord(reply, "no"))
        return result;
    const auto record = firstRecord(reply);
    if (!record) {
        result.ok = true; // success even without a record
        return result;
    }
    TWemUser &u = result.value;
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

Reply<TopTenRows> parseTopTenReply(std::string_view reply) {
    Reply<TopTenRows> result;
    size_t i = 0;
    for (const auto entry : listEntries(reply)) {
        TWemTop10 &row = result.value[i++];
        const Fields f = splitFields(entry, ' ');
        takeText(f, 2, row.Nick);
        takeText(f, 3, row.City);
        takeText(f, 4, row.Country);
        takeText(f, 5, row.Country); // the country code, replacing field 4
        takeChar(f, 6, row.Sex);
        if (!takeDecimal(f, 7, row.Rating))
            return {};
    }
    result.ok = true;
    return result;
}

Reply<int> parseBalanceReply(std::string_view reply) {
    if (hasStatusWordOutsideRecord(reply, "no"))
        return {-1, false};
    const auto record = firstRecord(reply);
    const auto balance = record ? toInteger(*record) : std::nullopt;
    if (!balance)
        return {-1, false};
    return {*balance, true};
}

Reply<MatchTicket> parseMatchTicketReply(std::string_view reply) {
    const auto record = firstRecord(reply);
    if (!record)
        return {};
    const std::vector<std::string_view> fields = splitFields(*record, ' ');
    if (fields.size() != 3 || fields[0] != "ok")
        return {};
    MatchTicket ticket;
    const auto parse = [](std::string_view text, auto &value) {
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
        return error == std::errc() && end == text.data() + text.size();
    };
    if (!parse(fields[1], ticket.id) || ticket.id <= 0 || !parse(fields[2], ticket.seed))
        return {};
    return {ticket, true};
}

Reply<TInfo14> parseProfileReply(std::string_view reply, const TInfo14 &current) {
    Reply<TInfo14> result{current, false};
    if (hasStatusWordOutsideRecord(reply, "no"))
        return result;
    const auto record = firstRecord(reply);
    if (!record)
        return result;
    const Fields f = splitFields(*record, '~');
    for (size_t i = 0; i < kProfileFields.size(); ++i)
        takeText(f, i + 1, result.value.*kProfileFields[i].text);
    result.ok = true;
    return result;
}

Reply<TWemGame> parseGameResultsReply(std::string_view reply, const TWemGame &start) {
    Reply<TWemGame> result{start, false};
    TWemGame &g = result.value;
    if (const auto record = firstRecord(reply)) {
        const Fields f = splitFields(*record, ' ');
        const bool converted = takeInt(f, 1, g.Kon) && takeInt(f, 2, g.Best) &&
                               takeDecimal(f, 3, g.Rating) && takeInt(f, 4, g.Sessions) &&
                               takeInt(f, 5, g.KonL) && takeInt(f, 6, g.Score) &&
                               takeInt(f, 7, g.R1);
        if (!converted)
            return {start, false};
        takeText(f, 8, g.R2);
    }
    result.ok = true;
    return result;
}

Reply<WorldRows> parseWorldRowsReply(std::string_view reply, int listId) {
    Reply<WorldRows> result{startRows(listId), false};
    size_t i = 0;
    for (const auto entry : listEntries(reply)) {
        if (!readWorldRow(entry, result.value[i++]))
            return {startRows(listId), false};
    }
    result.ok = true;
    return result;
}

Reply<TWemStat> parseStatsReply(std::string_view reply) {
    Reply<TWemStat> result;
    TWemStat &s = result.value;
    const auto entries = listEntries(reply, 1);
    if (!entries.empty()) {
        const Fields f = splitFields(entries.front(), ' ');
        bool converted = takeInt(f, 1, s.Stat1) && takeInt(f, 2, s.Stat2) && takeInt(f, 3, s.Stat3);
        takeText(f, 4, s.Stat4);
        for (size_t i = 0; i < s.StatX.size(); ++i)
            converted = converted && takeInt(f, 5 + i, s.StatX[i]);
        converted = converted && takeInt(f, 17, s.StatY);
        takeText(f, 18, s.StatZ);
        if (!converted)
            return {};
    }
    result.ok = true;
    return result;
}

Reply<int> parseNumberReply(std::string_view reply) {
    if (const auto number = lastNumber(reply))
        return {*number, true};
    return {-1, false};
}

} // namespace web
