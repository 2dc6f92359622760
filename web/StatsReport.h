#pragma once
// What the program reports to the statistics service and how the menu's
// figure display turns the service's numbers into digits. Plain functions:
// the main window sends the requests and keeps the flags in the settings.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace web {

// Editions whose club files carry this code never report their starts.
inline constexpr std::string_view kSilentEdition = "xjq";

// ---- Start report -------------------------------------------------------------

struct StartReport {
    bool send = false;   // a report goes out at all
    int stat1 = 1;       // a start
    int stat2 = 0;       // 1: the first start of this installation
    bool unique = false; // the start-reported flag follows the reply
};
// What to send at the first paint, from the edition code of the club files
// and the start-reported flag of the settings. The settings are saved after
// every report that is sent.
StartReport planStartReport(std::string_view editionCode, bool startReported);
// The start-reported flag after the report: a unique start counts as
// reported only when the service accepted it.
bool startReportedAfter(const StartReport &report, bool startReported, bool accepted);

// ---- Match report -----------------------------------------------------------------

enum class ReportedMatch { Local, Account, Network, Tournament };

struct MatchReport {
    ReportedMatch kind = ReportedMatch::Local;
    std::int32_t hands = 0;        // MatchHands
    bool cycleComplete = false;    // HandNumber is a multiple of 30
    std::int32_t score = 0;        // PlayerScore
    bool networkHost = false;      // the host of a network match
    bool tournamentLeader = false; // tournament role 1
};

// R1 to R12 of a finished match: hands, a completed cycle, points won and
// lost for a local or account match; the block length 3 from a network host;
// 1 in R6 from a tournament's leader; zeros otherwise.
std::array<int, 12> matchReportValues(const MatchReport &match);

// ---- Figure display -------------------------------------------------------------

inline constexpr int kFigureModes = 7;
// The mode of a minute: (minute mod 7) + 1.
constexpr int figureModeOfMinute(int minute) {
    return minute % kFigureModes + 1;
}
// Mode 6 (the balance) needs a logged-in account; mode 7 is shown instead.
constexpr int figureModeShown(int mode, bool loggedIn) {
    return mode == 6 && !loggedIn ? 7 : mode;
}

// Mode 1: the share of points lost among points won and lost, in percent,
// rounded half to even; 0 when both are 0.
int dynamicIq(std::int64_t won, std::int64_t lost);

// A count shortened to at most three digits and a suffix: up to 999 as it
// is, then thousands "K", millions "M", milliards "G" (truncated).
struct ShortCount {
    std::string digits;
    char suffix = 0; // 0: none
    bool operator==(const ShortCount &) const = default;
};
ShortCount shortCount(std::int64_t count);

// Where the characters of a value stand on the 115 x 64 display: the left
// edge of each and the width they are drawn at (their own width when 0).
// A value longer than six characters has no places: no digits are drawn.
struct DigitPlaces {
    std::vector<int> x;
    int width = 0;
    int height = 0;
};
DigitPlaces digitPlaces(std::size_t length);

} // namespace web
