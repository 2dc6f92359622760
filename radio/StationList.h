#pragma once
// The radio's station list (WemRadio.rad on disk, WemRadio.ser fetched from
// the server): code page 1251 lines, "#" at the start marks a comment, a
// station line is
//   CCC#IIIIIII#name#country#stream address#logo picture
// with the country code in characters 1 to 3 and the station identifier in
// characters 5 to 11. A line too short to hold both is skipped.
// The 28 countries of the radio window and their order are fixed here.

#include "lang/WordEntry.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

inline constexpr std::string_view kDiskStationList = "WemRadio.rad";
inline constexpr std::string_view kServerStationList = "WemRadio.ser";
// The logo shown for a station whose line names none.
inline constexpr std::string_view kNoLogo = "RRADIO_LOGO_RADIOUN";
inline constexpr int kRadioCountryCount = 28;

struct RadioCountry {
    std::string_view name;        // as the station lines' country field names it
    std::string_view code;        // three characters
    WordEntry word;               // the name shown in the radio window
    std::string_view flagCountry; // the country's English name in web/Countries (its flag)
};

// Positions 0 to 27; the station box's filter is the position plus 1.
std::span<const RadioCountry> radioCountries();

struct StationEntry {
    std::string name; // UTF-8
    std::string id;   // seven characters
};

struct StationFields {
    std::string Name; // UTF-8; empty when the line lacks the field
    std::string Country;
    std::string URL;
    std::string Resurs;
};

bool isStationComment(std::string_view line);

// The stations of country `filter` (1 to 28) in list order; nothing for a
// filter outside that range. Lines without a name are left out.
std::vector<StationEntry> stationsOfCountry(std::string_view listBytes, int filter);

// The fields of the station with identifier `id`; the last line with it
// wins. Nothing when no line has it.
std::optional<StationFields> findStation(std::string_view listBytes, std::string_view id);

// The entry to select for the current station `name`: the last entry with
// that name, or -1 when none has it.
int entryOfStation(const std::vector<StationEntry> &entries, std::string_view name);

// Where the station list is read from: WemRadio.ser with the server
// source, else WemRadio.rad, both in the folder above the program's folder
// (WemRadio.rad from the program's folder when only that one exists).
std::filesystem::path stationListPath(const std::filesystem::path &programFolder, bool fromServer);
// The disk list counts as present in the program's folder or the one above.
bool diskStationListPresent(const std::filesystem::path &programFolder);
// The list's bytes; nothing when it cannot be read.
std::optional<std::string> readStationList(const std::filesystem::path &file);

} // namespace quarn
