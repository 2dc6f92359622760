#pragma once
// The requests of the tournament web service: their bodies (form fields in
// UTF-8, as the web layer posts them) and the readers of their replies.
// A reply's payload follows a "$" and is a list of fields separated by
// single blanks; a blank inside a text travels as "_". Plain C++.

#include <optional>
#include <string>
#include <string_view>

#include "net/tour/TourRecords.h"

namespace quarn::tour {

inline constexpr int kGameCode = 46;

// Seat change actions.
enum class SeatAction : int { Free = 0, Take = 1, GiveUp = 2 };

// The request name carries "4" normally and "3" when the lobby frees a
// held seat because the server went off.
inline constexpr char kSeatChangeNormal = '4';
inline constexpr char kSeatChangeServerOff = '3';

std::string TableListBody();
std::string ServerInfoBody();
std::string SeatChangeBody(int table, int seat, SeatAction action, const TWemClient &who,
                           char requestDigit = kSeatChangeNormal);
std::string SeatReaderBody(int table, int seat);
std::string OwnStandingBody(std::string_view nick);
std::string TopTenBody(TopCriterion criterion);
std::string OwnPlaceBody(TopCriterion criterion, std::int32_t value);

// Ten tables, each "$" + number and 38 fields, ended by "*".
std::optional<TableList> ParseTableList(std::string_view reply);

struct ServerInfo {
    bool on = false;     // the flag's first character is 'Y'
    std::string message; // blanks restored
};
std::optional<ServerInfo> ParseServerInfo(std::string_view reply);

// "ok" takes effect; "is" (also with "ok") is a refusal; anything else failed.
enum class SeatChangeResult { Done, Refused, Failed };
SeatChangeResult ParseSeatChange(std::string_view reply);
// The seat token of a taken seat's reply ("$ok <token>$"): letters and digits
// only, empty when the reply holds none.
std::string ParseSeatToken(std::string_view reply);

std::optional<TWemClient> ParseSeatReader(std::string_view reply);

struct OwnStanding {
    std::int32_t score = 0;
    std::int32_t hands = 0;
    std::int32_t rating = 0;
};
std::optional<OwnStanding> ParseOwnStanding(std::string_view reply);

std::optional<TourTopTen> ParseTopTen(std::string_view reply);
// The number after the last "$".
std::optional<std::int32_t> ParseOwnPlace(std::string_view reply);

} // namespace quarn::tour
