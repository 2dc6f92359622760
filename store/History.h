#pragma once
// The history of finished matches: numbered files History/Quarn_I0001.hst ...
// under the program's folder, each holding up to 840 entry lines of 114
// characters, an end line and a totals line. Every line carries three sums
// of its first 99 byte codes and the totals line adds them up, so a file
// changed by hand is recognised and replaced by a fresh one.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

// One history entry as the match end hands it over (names in UTF-8).
struct HisStr {
    std::string HName; // the player; in network and tournament games the names joined by "/"
    int32_t HKon = 0;  // hands played in the match
    int32_t HRes = 0;  // points won (negative for a loss)
    double HRei = 0;   // rating after the match
    uint8_t Ac = 0;    // kind of game, a HistoryGameKind
};

enum HistoryGameKind : uint8_t {
    LocalGame = 0,
    AccountGame = 1,
    TournamentGame = 2,
    NetworkGame = 3,
};

inline constexpr int historyEntriesPerFile = 840;
inline constexpr int historyFileCount = 9999;
inline constexpr int historyLineLength = 114;
inline constexpr int historyTotalsLength = 30;
// Shown when an entry could not be written; the one text that is not translated.
inline constexpr std::string_view cantSaveHistoryMessage = "Cann`t save history!";

// folder/History/Quarn_I0001.hst for number 1.
std::filesystem::path historyFilePath(const std::filesystem::path &folder, int number);

// ---- time and date ----------------------------------------------------------

// The time and date texts an entry is stamped with (UTF-8), before they are
// padded and cut to their 5 and 10 characters.
struct HistoryStamp {
    std::string time;
    std::string date;
};

// Hours and minutes with the user's time separator, the hour without a
// leading zero: "%-H:%M" for most locales.
std::string userTimeFormat();
// The user's short date format (the locale's date format), as strftime takes it.
std::string userDateFormat();
// Formats a local time with strftime patterns in the user's locale.
HistoryStamp historyStamp(const std::tm &localTime, std::string_view timeFormat,
                          std::string_view dateFormat);
// The stamp of this moment in the user's formats.
HistoryStamp historyStampNow();

// ---- lines ------------------------------------------------------------------

// The entry line of 114 code page 1251 characters: time, date, name, hands,
// result, rating, kind and the three sums. Numbers too wide for their
// columns are held at the widest value that fits, so the columns never move.
std::string historyEntryLine(const HisStr &entry, const HistoryStamp &stamp);
// '$', the character of code 146, '}', '#' up to character 99, then the sums.
std::string historyEndLine();
// The three five-digit sums of a line's characters 1 to 99 (all codes, codes
// at even positions, codes at positions divisible by 3).
struct LineSums {
    int64_t all = 0;
    int64_t even = 0;
    int64_t third = 0;
};
LineSums historyLineSums(std::string_view line);

// What the check of a file's bytes found.
struct HistoryCheck {
    bool intact = false;
    int entries = 0;
};
// The file is intact when it has an end line (a line of 114 or more characters
// beginning with '$'), every line of 114 or more characters up to it carries
// the sums of its characters 1 to 99 in characters 100 to 114, and the next
// line's three ten-digit numbers equal the sums of those lines. Shorter lines
// are skipped.
HistoryCheck checkHistoryBytes(std::string_view bytes);

// The bytes of a history file after adding the entries: `existing` is an
// intact file's bytes (its lines before the end line are kept as they are)
// or empty for a fresh file; a new end line and totals line close it.
std::string historyWithEntries(std::string_view existing, std::span<const HisStr> entries,
                               const HistoryStamp &stamp);

// One row of the history window: the columns of an entry line in UTF-8.
struct HistoryRow {
    std::string time, date, player, games, result, rating;
    char kind = 'L'; // 'L' local, 'N' network, 'A' account, 'T' tournament
};
// The entry rows of a file's bytes, up to the end line.
std::vector<HistoryRow> historyRows(std::string_view bytes);

// ---- files ------------------------------------------------------------------

struct HistoryFileInfo {
    bool exists = false;
    bool intact = false;
    int entries = 0;
    std::time_t modified = 0;
    std::string date; // the modification date in `dateFormat`
};

// Whether file `number` exists and is intact, its entry count and its date.
HistoryFileInfo checkHistoryFile(const std::filesystem::path &folder, int number,
                                 std::string_view dateFormat = userDateFormat());

// The intact files from number 1 up to the first missing or damaged one.
std::vector<int> listHistoryFiles(const std::filesystem::path &folder);

// The entry rows of file `number`; empty when it is missing or damaged.
std::vector<HistoryRow> readHistoryFile(const std::filesystem::path &folder, int number);

struct HistoryAppended {
    bool ok = false;
    int fileNumber = 0;
    std::string_view message; // cantSaveHistoryMessage when not ok
};

// Adds the entries (one per match end; up to four) to the first file that is
// intact and holds fewer than 840 entries, or to the first number whose file
// is missing or damaged, which then starts afresh. A damaged file is first
// kept aside as <name>.damaged; so is a file that exists but cannot be read
// (a folder in its place, say). When a file cannot be kept aside, the
// entries are not written and the message is returned.
HistoryAppended appendHistory(const std::filesystem::path &folder, std::span<const HisStr> entries,
                              const HistoryStamp &stamp = historyStampNow());

} // namespace quarn
