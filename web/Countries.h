#pragma once
// The six continents and their country lists, the five-character country
// code "c-nnn" (continent digit, a hyphen, the index in the continent's list)
// under which a country travels to the web services.
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace web {

constexpr int kContinentCount = 6;

struct Country {
    std::string_view english;   // shown in every country list, whatever the language
    std::string_view shortName; // sent as the account's Country1
};

// Continent 1 Europe, 2 Asia, 3 North America, 4 South America, 5 Oceania,
// 6 Africa; entry 0 of each is "Unknown". Empty outside 1 to 6.
std::span<const Country> countriesOf(int continent);

// The English continent name (the windows show the word-table text instead);
// empty outside 1 to 6.
std::string_view continentName(int continent);

// Both names of a country; "Unknown" for both when the continent or the index
// lies outside the table.
Country CountryNames(int continent, int index);

struct CountryCode {
    int continent; // 1 to 6
    int index;     // 0 to the continent's largest index
};

// Reads the first character and the last three of a five-character code; the
// second is not tested. Nothing when the code names no country of the table.
std::optional<CountryCode> parseCountryCode(std::string_view code);

// "c-nnn" for a continent digit and an index below 1000.
std::string formatCountryCode(int continent, int index);

// The names of the country a code names; "Unknown" for a code that names none.
Country countryOfCode(std::string_view code);

// The name of a country's 14 x 12 flag among the program's own pictures
// (":/res/png/<name>"): "Flag" + the country code, "Flag1-001" for Russia.
// Empty when the continent or index names no country of the table.
std::string flagResourceName(int continent, int index);
// The same for a country code; empty for a code that names no country.
std::string flagResourceName(std::string_view code);

} // namespace web
