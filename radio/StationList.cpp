#include "radio/StationList.h"

#include "radio/RadioState.h"
#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "store/LineFile.h"

#include <array>

namespace quarn {

namespace {

constexpr std::size_t kMaxListBytes = 4u << 20;
constexpr std::size_t kIdStart = 4;
constexpr std::size_t kIdLength = 7;

constexpr std::array<RadioCountry, kRadioCountryCount> kCountries{{
    {"Russian Federation", "RUS", WordEntry::RadioCountryRussia, "Russia"},
    {"Ukraine", "UA0", WordEntry::RadioCountryUkraine, "Ukraine"},
    {"Belarus", "BEL", WordEntry::RadioCountryBelarus, "Belarus"},
    {"Moldova", "MOL", WordEntry::RadioCountryMoldova, "Moldova"},
    {"Estonia", "EST", WordEntry::RadioCountryEstonia, "Estonia"},
    {"Latvia", "LAT", WordEntry::RadioCountryLatvia, "Latvia"},
    {"Lithuania", "LIT", WordEntry::RadioCountryLithuania, "Lithuania"},
    {"Armenia", "ARM", WordEntry::RadioCountryArmenia, "Armenia"},
    {"Georgia", "GEO", WordEntry::RadioCountryGeorgia, "Georgia"},
    {"Azerbaijan", "AZE", WordEntry::RadioCountryAzerbaijan, "Azerbaijan"},
    {"Kazakhstan", "KZ0", WordEntry::RadioCountryKazakhstan, "Kazakhstan"},
    {"Uzbekistan", "UZ0", WordEntry::RadioCountryUzbekistan, "Uzbekistan"},
    {"USA", "USA", WordEntry::RadioCountryUsa, "USA"},
    {"Canada", "CAN", WordEntry::RadioCountryCanada, "Canada"},
    {"United Kingdom", "UK0", WordEntry::RadioCountryUnitedKingdom, "United Kingdom"},
    {"Australia", "AUS", WordEntry::RadioCountryAustralia, "Australia"},
    {"Deutschland", "DE0", WordEntry::RadioCountryGermany, "Germany"},
    {"France", "FRA", WordEntry::RadioCountryFrance, "France"},
    {"Italy", "ITA", WordEntry::RadioCountryItaly, "Italy"},
    {"Netherlands", "NED", WordEntry::RadioCountryNetherlands, "Netherlands"},
    {"Sweden", "SWE", WordEntry::RadioCountrySweden, "Sweden"},
    {"Czech Republic", "CZ0", WordEntry::RadioCountryCzechRepublic, "Czech Republic"},
    {"Spain", "ESP", WordEntry::RadioCountrySpain, "Spain"},
    {"Brazil", "BRA", WordEntry::RadioCountryBrazil, "Brazil"},
    {"India", "IND", WordEntry::RadioCountryIndia, "India"},
    {"China", "CHI", WordEntry::RadioCountryChina, "China"},
    {"Japan", "JAP", WordEntry::RadioCountryJapan, "Japan"},
    {"South Korea", "SK0", WordEntry::RadioCountrySouthKorea, "South Korea"},
}};

// A line that can name a station: not a comment and long enough for the
// country code, the "#" and the identifier.
bool isStationLine(std::string_view line) {
    return !isStationComment(line) && line.size() >= kIdStart + kIdLength && line[3] == '#';
}

std::string_view stationId(std::string_view line) {
    return line.substr(kIdStart, kIdLength);
}

// Field `index` of the line's "#"-separated fields (0 is the country code);
// empty when the line has fewer fields.
std::string_view field(std::string_view line, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index; ++i) {
        const std::size_t hash = line.find('#', start);
        if (hash == std::string_view::npos)
            return {};
        start = hash + 1;
    }
    return line.substr(start, line.find('#', start) - start);
}

} // namespace

std::span<const RadioCountry> radioCountries() {
    return kCountries;
}

bool isStationComment(std::string_view line) {
    return !line.empty() && line.front() == '#';
}

std::vector<StationEntry> stationsOfCountry(std::string_view listBytes, int filter) {
    std::vector<StationEntry> entries;
    if (filter < 1 || filter > kRadioCountryCount)
        return entries;
    const std::string_view code = kCountries[filter - 1].code;
    for (std::string_view line : splitLines(listBytes)) {
        if (!isStationLine(line) || line.substr(0, 3) != code)
            continue;
        const std::string_view name = field(line, 2);
        if (name.empty())
            continue;
        entries.push_back({cp1251ToUtf8(name), std::string(stationId(line))});
    }
    return entries;
}

std::optional<StationFields> findStation(std::string_view listBytes, std::string_view id) {
    std::optional<StationFields> found;
    for (std::string_view line : splitLines(listBytes)) {
        if (!isStationLine(line) || stationId(line) != id)
            continue;
        found = StationFields{cp1251ToUtf8(field(line, 2)), cp1251ToUtf8(field(line, 3)),
                              cp1251ToUtf8(field(line, 4)), cp1251ToUtf8(field(line, 5))};
    }
    return found;
}

int entryOfStation(const std::vector<StationEntry> &entries, std::string_view name) {
    for (int i = int(entries.size()) - 1; i >= 0; --i)
        if (entries[std::size_t(i)].name == name)
            return i;
    return -1;
}

std::filesystem::path stationListPath(const std::filesystem::path &programFolder, bool fromServer) {
    if (fromServer)
        return radioFolder(programFolder) / kServerStationList;
    // The disk list counts as present beside the program too, so it is read from there
    // when the folder above has none.
    const std::filesystem::path above = radioFolder(programFolder) / kDiskStationList;
    std::error_code error;
    if (!std::filesystem::is_regular_file(above, error) &&
        std::filesystem::is_regular_file(programFolder / kDiskStationList, error))
        return programFolder / kDiskStationList;
    return above;
}

bool diskStationListPresent(const std::filesystem::path &programFolder) {
    std::error_code error;
    return std::filesystem::is_regular_file(programFolder / kDiskStationList, error) ||
           std::filesystem::is_regular_file(radioFolder(programFolder) / kDiskStationList, error);
}

std::optional<std::string> readStationList(const std::filesystem::path &file) {
    FileBytes read = readFileBytes(file, kMaxListBytes);
    if (read.status != ReadStatus::Ok)
        return std::nullopt;
    return std::move(read.bytes);
}

} // namespace quarn
