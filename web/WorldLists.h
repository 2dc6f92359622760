#pragma once
// The world lists as the program's windows use them: the passport under
// which a local game is submitted, the rules that decide when it may be
// sent, the entry sent for a completed local game, and the seven categories
// of the world top ten window with the texts their rows show.
#include <string>
#include <string_view>

#include "store/Settings.h"
#include "web/Records.h"

namespace web {

// The local identity (settings lines 27 to 30); texts in UTF-8.
struct Passport {
    std::string nick = "Incognito"; // at most 12 characters
    std::string country = "1-001";  // a country code c-nnn
    std::string city = "Moscow";    // at most 15 characters
    char sex = 'M';                 // 'M' or 'W'
};

// The passport the settings hold.
Passport passportOf(const quarn::Settings &settings);

constexpr int kPassportNickLength = 12;
constexpr int kPassportCityLength = 15;

// Both texts pass the passport check (a nick with Cyrillic letters too):
// what "Send" asks when the submission window opens.
bool passportUsable(std::string_view nick, std::string_view city);
// The nick passes without Cyrillic letters and the city passes: what "Send"
// asks after the passport window was used.
bool passportUsableAfterEdit(std::string_view nick, std::string_view city);

// The code a continent list sets: the continent digit followed by "-000".
std::string continentOnlyCode(int continent);
// 'M' for the sex list's first entry, 'W' for the second.
constexpr char sexOfListEntry(int entry) {
    return entry == 0 ? 'M' : 'W';
}

// The entry a completed local game sends to the list of local games.
TWemRecord localGameEntry(const Passport &passport, int score);

// A fresh id for one result (16 hexadecimal digits): every attempt to send
// that result carries it, so the service stores it once however often an
// acknowledgement is lost.
std::string NewResultId();

// The categories of the world top ten window.
enum class WorldCategory : int {
    AccountRating = 1, // the account top ten by rating
    AccountScore = 2,  // list 346
    WindowsScore = 3,  // list 46
    AndroidScore = 4,  // list 146
    Tournament = 5,    // the tournament top ten
    LocalClub = 6,     // the ten best of the local club file
    NetClub = 7,       // the ten best of the network club file
};
constexpr int kWorldCategoryCount = 7;

// Whose own rows a list shows: the account's or the passport's.
enum class OwnRowsOf { Nobody, Account, Passport };

struct CategoryInfo {
    std::string_view title; // fixed English text
    int listId;             // the world list read, 0 for none
    OwnRowsOf ownRows;      // the lower part's reads
    bool flags;             // rows show a flag (the country is a code)
};

// The category's description; category 3 for a number outside 1 to 7.
const CategoryInfo &categoryInfo(WorldCategory category);
// A number 1 to 7 as a category; category 3 for any other.
WorldCategory categoryOf(int number);
// The category the window shows when the menu opens it: 2, 3 and 4 stay,
// any other becomes 3.
WorldCategory categoryOnMenuOpening(WorldCategory remembered);

// What the world top ten window remembers while the program runs.
struct WorldTopTenState {
    WorldCategory category = WorldCategory::WindowsScore;
    char criterion = 's';  // tournament top ten: 's' score, 'r' rating, 'k' hands
    int classicChoice = 1; // classic layout: 1 local games, 2 mobile edition, 3 account games
};

// The classic layout's three choices: local games, mobile edition, account
// games, each read like categories 3, 4 and 2.
WorldCategory classicChoiceCategory(int choice);

// "City, Country": the lists of short country names.
std::string cityWithCountry(const TWemRecord &row);
// A rating rounded to three decimals, written with a point ("2.550"); a
// rating that is not a number reads as 0.
std::string ratingText(double rating);
// A place followed by a period: "1.".
std::string placeText(int place);
// True for a row a read filled (its nick is not "#" and not empty).
bool rowFilled(const std::string &nick);

} // namespace web
