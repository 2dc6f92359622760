#include "store/History.h"

#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "store/LineFile.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <langinfo.h>
#include <locale.h>
#include <optional>
#include <sys/stat.h>
#include <system_error>

namespace quarn {
namespace {

// A full file is about 100 KB; anything much larger is not one of ours.
constexpr std::size_t maxHistoryFileSize = 4 * 1024 * 1024;
constexpr int checkedLength = 99; // the sums cover characters 1 to 99
constexpr char endMark = '\x92';  // the game number 46 plus 100

// The user's LC_TIME locale for one use, the C locale when it cannot be had.
class UserTimeLocale {
  public:
    UserTimeLocale() : locale_(newlocale(LC_TIME_MASK, "", static_cast<locale_t>(nullptr))) {
        if (locale_ == static_cast<locale_t>(nullptr)) {
            locale_ = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
        }
    }
    ~UserTimeLocale() {
        if (locale_ != static_cast<locale_t>(nullptr))
            freelocale(locale_);
    }
    UserTimeLocale(const UserTimeLocale &) = delete;
    UserTimeLocale &operator=(const UserTimeLocale &) = delete;

    std::string info(nl_item item) const {
        if (locale_ == static_cast<locale_t>(nullptr))
            return nl_langinfo(item);
        return nl_langinfo_l(item, locale_);
    }

    std::string format(const std::tm &time, std::string_view pattern) const {
        const std::string patternText(pattern);
        char buffer[256];
        const size_t length =
            locale_ == static_cast<locale_t>(nullptr)
                ? std::strftime(buffer, sizeof buffer, patternText.c_str(), &time)
                : strftime_l(buffer, sizeof buffer, patternText.c_str(), &time, locale_);
        return std::string(buffer, length);
    }

  private:
    locale_t locale_;
};

std::string padLeft(std::string text, size_t width) {
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text.substr(0, width);
}

std::string padRight(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}

std::string ratingText(double rating) {
    if (!std::isfinite(rating))
        rating = 0;
    rating = std::clamp(rating, -999999.99, 9999999.99);
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.2f", rating);
    std::string text = buffer;
    if (text == "-0.00")
        text = "0.00";
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

std::string kindColumn(uint8_t kind) {
    char letter = 'L';
    switch (kind) {
    case AccountGame:
        letter = 'A';
        break;
    case TournamentGame:
        letter = 'T';
        break;
    case NetworkGame:
        letter = 'N';
        break;
    default:
        break;
    }
    return letter + std::string(9, '#');
}

std::string sumsText(const LineSums &sums) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%05lld%05lld%05lld", static_cast<long long>(sums.all),
                  static_cast<long long>(sums.even), static_cast<long long>(sums.third));
    return buffer;
}

std::string withSums(std::string first99) {
    first99 += sumsText(historyLineSums(first99));
    return first99;
}

std::string totalsText(const LineSums &totals) {
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%010lld%010lld%010lld",
                  static_cast<long long>(totals.all), static_cast<long long>(totals.even),
                  static_cast<long long>(totals.third));
    return buffer;
}

bool isCheckedLine(std::string_view line) {
    return line.size() >= static_cast<size_t>(historyLineLength);
}

bool isEndLine(std::string_view line) {
    return isCheckedLine(line) && line.front() == '$';
}

void add(LineSums &totals, const LineSums &sums) {
    totals.all += sums.all;
    totals.even += sums.even;
    totals.third += sums.third;
}

// The file's lines before its end line: what an append keeps.
std::vector<std::string> linesBeforeEnd(std::string_view bytes) {
    std::vector<std::string> kept;
    for (std::string_view line : splitLines(bytes)) {
        if (isEndLine(line))
            break;
        kept.emplace_back(line);
    }
    return kept;
}

std::string formatDate(std::time_t when, std::string_view dateFormat) {
    std::tm local{};
    if (localtime_r(&when, &local) == nullptr)
        return {};
    return UserTimeLocale().format(local, dateFormat);
}

// Moves a damaged file aside under a name no other file has, so that what
// it held is not destroyed when its number starts afresh.
bool keepDamagedFile(const std::filesystem::path &path) {
    std::filesystem::path aside = path;
    aside += ".damaged";
    std::error_code error;
    for (int copy = 2; std::filesystem::exists(aside, error) && copy < 1000; ++copy) {
        aside = path;
        aside += ".damaged-" + std::to_string(copy);
    }
    std::filesystem::rename(path, aside, error);
    return !error;
}

} // namespace

std::filesystem::path historyFilePath(const std::filesystem::path &folder, int number) {
    char name[32];
    std::snprintf(name, sizeof name, "Quarn_I%04d.hst", std::clamp(number, 0, historyFileCount));
    return folder / "History" / name;
}

std::string userTimeFormat() {
    const std::string format = UserTimeLocale().info(T_FMT);
    std::string separator = ":";
    for (size_t i = 0; i + 2 < format.size(); ++i) {
        if (format[i] != '%' ||
            std::string_view("HkIl").find(format[i + 1]) == std::string_view::npos)
            continue;
        const char next = format[i + 2];
        if (next != '%' && std::ispunct(static_cast<unsigned char>(next)))
            separator = std::string(1, next);
        break;
    }
    return "%-H" + separator + "%M";
}

std::string userDateFormat() {
    const std::string format = UserTimeLocale().info(D_FMT);
    return format.empty() ? "%d.%m.%Y" : format;
}

HistoryStamp historyStamp(const std::tm &localTime, std::string_view timeFormat,
                          std::string_view dateFormat) {
    const UserTimeLocale locale;
    HistoryStamp stamp{locale.format(localTime, timeFormat), locale.format(localTime, dateFormat)};
    // A date the code page cannot write (Japanese year marks, say) is written
    // in numbers instead of as question marks.
    if (!utf8ToCp1251(stamp.date))
        stamp.date = locale.format(localTime, "%Y-%m-%d");
    return stamp;
}

HistoryStamp historyStampNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return historyStamp(local, userTimeFormat(), userDateFormat());
}

LineSums historyLineSums(std::string_view line) {
    LineSums sums;
    const size_t length = std::min(line.size(), static_cast<size_t>(checkedLength));
    for (size_t i = 0; i < length; ++i) {
        const int code = static_cast<unsigned char>(line[i]);
        const size_t position = i + 1;
        sums.all += code;
        if (position % 2 == 0)
            sums.even += code;
        if (position % 3 == 0)
            sums.third += code;
    }
    return sums;
}

std::string historyEntryLine(const HisStr &entry, const HistoryStamp &stamp) {
    std::string line = padLeft(utf8ToCp1251Line(stamp.time), 5);
    // Only the end line may begin with '$'.
    if (line.front() == '$')
        line.front() = '?';
    line += padLeft(utf8ToCp1251Line(stamp.date), 10);
    line += padRight(utf8ToCp1251Line(entry.HName), 51);
    line += padLeft(std::to_string(std::clamp(entry.HKon, -99, 999)), 3);
    line += padLeft(std::to_string(std::max(entry.HRes, -999999999)), 10);
    line += padLeft(ratingText(entry.HRei), 10);
    line += kindColumn(entry.Ac);
    return withSums(std::move(line));
}

std::string historyEndLine() {
    std::string line = "$";
    line += endMark;
    line += '}';
    line.resize(checkedLength, '#');
    return withSums(std::move(line));
}

HistoryCheck checkHistoryBytes(std::string_view bytes) {
    const std::vector<std::string_view> lines = splitLines(bytes);
    LineSums totals;
    int entries = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!isCheckedLine(line))
            continue;
        const LineSums sums = historyLineSums(line);
        if (line.substr(checkedLength, historyLineLength - checkedLength) != sumsText(sums))
            return {};
        add(totals, sums);
        if (!isEndLine(line)) {
            ++entries;
            continue;
        }
        if (i + 1 >= lines.size() || lines[i + 1].size() < static_cast<size_t>(historyTotalsLength))
            return {};
        if (lines[i + 1].substr(0, historyTotalsLength) != totalsText(totals))
            return {};
        return {true, entries};
    }
    return {};
}

std::string historyWithEntries(std::string_view existing, std::span<const HisStr> entries,
                               const HistoryStamp &stamp) {
    std::vector<std::string> lines = linesBeforeEnd(existing);
    for (const HisStr &entry : entries)
        lines.push_back(historyEntryLine(entry, stamp));
    lines.push_back(historyEndLine());
    LineSums totals;
    for (const std::string &line : lines) {
        if (isCheckedLine(line))
            add(totals, historyLineSums(line));
    }
    lines.push_back(totalsText(totals));
    return joinCrlfLines(lines);
}

std::vector<HistoryRow> historyRows(std::string_view bytes) {
    std::vector<HistoryRow> rows;
    for (std::string_view line : splitLines(bytes)) {
        if (!isCheckedLine(line))
            continue;
        if (isEndLine(line))
            break;
        rows.push_back({cp1251ToUtf8(line.substr(0, 5)), cp1251ToUtf8(line.substr(5, 10)),
                        cp1251ToUtf8(line.substr(15, 51)), cp1251ToUtf8(line.substr(66, 3)),
                        cp1251ToUtf8(line.substr(69, 10)), cp1251ToUtf8(line.substr(79, 10)),
                        line[89]});
    }
    return rows;
}

HistoryFileInfo checkHistoryFile(const std::filesystem::path &folder, int number,
                                 std::string_view dateFormat) {
    HistoryFileInfo info;
    if (number < 1 || number > historyFileCount)
        return info;
    const std::filesystem::path path = historyFilePath(folder, number);
    const FileBytes file = readFileBytes(path, maxHistoryFileSize);
    info.exists = file.status != ReadStatus::Missing;
    if (file.status != ReadStatus::Ok)
        return info;
    const HistoryCheck check = checkHistoryBytes(file.bytes);
    info.intact = check.intact;
    info.entries = check.entries;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0) {
        info.modified = status.st_mtime;
        info.date = formatDate(info.modified, dateFormat);
    }
    return info;
}

std::vector<int> listHistoryFiles(const std::filesystem::path &folder) {
    std::vector<int> numbers;
    for (int number = 1; number <= historyFileCount; ++number) {
        const FileBytes file = readFileBytes(historyFilePath(folder, number), maxHistoryFileSize);
        if (file.status != ReadStatus::Ok || !checkHistoryBytes(file.bytes).intact)
            break;
        numbers.push_back(number);
    }
    return numbers;
}

std::vector<HistoryRow> readHistoryFile(const std::filesystem::path &folder, int number) {
    if (number < 1 || number > historyFileCount)
        return {};
    const FileBytes file = readFileBytes(historyFilePath(folder, number), maxHistoryFileSize);
    if (file.status != ReadStatus::Ok || !checkHistoryBytes(file.bytes).intact)
        return {};
    return historyRows(file.bytes);
}

HistoryAppended appendHistory(const std::filesystem::path &folder, std::span<const HisStr> entries,
                              const HistoryStamp &stamp) {
    const HistoryAppended failed{false, 0, cantSaveHistoryMessage};
    if (entries.empty())
        return {true, 0, {}};

    int number = 1;
    std::string existing;
    for (;; ++number) {
        if (number > historyFileCount)
            return failed;
        const std::filesystem::path path = historyFilePath(folder, number);
        const FileBytes file = readFileBytes(path, maxHistoryFileSize);
        if (file.status == ReadStatus::Missing)
            break;
        // A file that cannot be read counts as damaged: kept aside, its
        // number starts afresh, so it cannot block every later entry.
        const HistoryCheck check =
            file.status == ReadStatus::Ok ? checkHistoryBytes(file.bytes) : HistoryCheck{};
        if (!check.intact) {
            if (!keepDamagedFile(path))
                return failed;
            break;
        }
        if (check.entries < historyEntriesPerFile) {
            existing = file.bytes;
            break;
        }
    }

    const std::filesystem::path path = historyFilePath(folder, number);
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error || !writeFileAtomically(path, historyWithEntries(existing, entries, stamp)))
        return failed;
    return {true, number, {}};
}

} // namespace quarn
