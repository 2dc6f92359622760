#pragma once
// The services' replies read into records: pure functions over the reply
// bytes (code page 1251), used by WebServices after a transfer succeeded.
// Each gives the record and whether it was read; a failed read gives the
// record's start value.
#include <string_view>

#include "web/Records.h"

namespace web {

template <class T> struct Reply {
    T value{};
    bool ok = false;
};

// `start` is the account record already reset for the login.
Reply<TWemUser> parseLoginReply(std::string_view reply, const TWemUser &start);
Reply<TopTenRows> parseTopTenReply(std::string_view reply);
Reply<int> parseBalanceReply(std::string_view reply);
Reply<TInfo14> parseProfileReply(std::string_view reply, const TInfo14 &current);
// `start` is the results record already reset for the read.
Reply<TWemGame> parseGameResultsReply(std::string_view reply, const TWemGame &start);
Reply<WorldRows> parseWorldRowsReply(std::string_view reply, int listId);
Reply<TWemStat> parseStatsReply(std::string_view reply);
// "$ok <match id> <seed>$", the pre-charge of a rated account match.
Reply<MatchTicket> parseMatchTicketReply(std::string_view reply);
// The last-number rule; -1 on failure.
Reply<int> parseNumberReply(std::string_view reply);

} // namespace web
