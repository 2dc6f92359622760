#include "web/WorldLists.h"

#include "web/Endpoints.h"
#include "web/FieldCheck.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>

namespace web {

namespace {

bool passes(FieldVerdict verdict) {
    return verdict == kCyrillic || verdict == kAccepted;
}

constexpr std::array<CategoryInfo, kWorldCategoryCount> kCategories{{
    {"ACCOUNT. RATING. ALL GAMES", 0, OwnRowsOf::Nobody, true},
    {"ACCOUNT. SCORE. GAMES IN CYCLE", kAccountGamesList, OwnRowsOf::Account, false},
    {"WINDOWS. SCORE. GAMES IN CYCLE", kLocalGamesList, OwnRowsOf::Passport, true},
    {"ANDROID. SCORE. GAMES IN CYCLE", kMobileGamesList, OwnRowsOf::Passport, false},
    {"WINDOWS. ONLINE TOURNAMENT", 0, OwnRowsOf::Nobody, true},
    {"WINDOWS. LOCAL GAMES WITH PC", 0, OwnRowsOf::Nobody, false},
    {"WINDOWS. NET GAMES", 0, OwnRowsOf::Nobody, false},
}};

} // namespace

Passport passportOf(const quarn::Settings &settings) {
    return {settings.nick, settings.country, settings.city, settings.sex};
}

bool passportUsable(std::string_view nick, std::string_view city) {
    return passes(PassportCheck(nick, kNickField)) && passes(PassportCheck(city, kCityField));
}

bool passportUsableAfterEdit(std::string_view nick, std::string_view city) {
    return PassportCheck(nick, kNickField) == kAccepted && passes(PassportCheck(city, kCityField));
}

std::string continentOnlyCode(int continent) {
    return std::to_string(continent) + "-000";
}

std::string NewResultId() {
    std::random_device device;
    const std::uint64_t value = (std::uint64_t(device()) << 32) | device();
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

TWemRecord localGameEntry(const Passport &passport, int score) {
    TWemRecord entry;
    entry.GID = kLocalGamesList;
    entry.Nick = passport.nick;
    entry.City = passport.city;
    entry.Country = passport.country;
    entry.Score = score;
    entry.R07 = std::string(1, passport.sex == 'W' ? 'W' : 'M');
    entry.R09 = "#";
    entry.R10 = "#";
    return entry;
}

WorldCategory categoryOf(int number) {
    return number >= 1 && number <= kWorldCategoryCount ? static_cast<WorldCategory>(number)
                                                        : WorldCategory::WindowsScore;
}

const CategoryInfo &categoryInfo(WorldCategory category) {
    return kCategories[static_cast<size_t>(
        static_cast<int>(categoryOf(static_cast<int>(category))) - 1)];
}

WorldCategory categoryOnMenuOpening(WorldCategory remembered) {
    switch (remembered) {
    case WorldCategory::AccountScore:
    case WorldCategory::WindowsScore:
    case WorldCategory::AndroidScore:
        return remembered;
    default:
        return WorldCategory::WindowsScore;
    }
}

WorldCategory classicChoiceCategory(int choice) {
    switch (choice) {
    case 2:
        return WorldCategory::AndroidScore;
    case 3:
        return WorldCategory::AccountScore;
    default:
        return WorldCategory::WindowsScore;
    }
}

std::string cityWithCountry(const TWemRecord &row) {
    return row.City + ", " + row.Country;
}

std::string ratingText(double rating) {
    // Rounded half away from zero to three decimals first, so that 2.0005
    // shows 2.001 and a tiny negative rating no "-0.000"; written whatever the
    // locale.
    if (!std::isfinite(rating))
        rating = 0;
    double rounded = std::round(rating * 1000.0) / 1000.0;
    if (rounded == 0)
        rounded = 0; // no minus zero
    std::array<char, 400> text{};
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), rounded, std::chars_format::fixed, 3);
    return written.ec == std::errc() ? std::string(text.data(), written.ptr) : std::string("0.000");
}

std::string placeText(int place) {
    return std::to_string(place) + ".";
}

bool rowFilled(const std::string &nick) {
    return !nick.empty() && nick != "#";
}

} // namespace web
