#include "lang/Language.h"

#include "lang/WordTableData.h"

#include <array>
#include <map>
#include <vector>

namespace quarn {

namespace {

int currentLanguage = English;

struct Listeners {
    std::uint64_t nextId = 1;
    std::map<std::uint64_t, LanguageListener> byId;
};

Listeners &listeners() {
    static Listeners instance;
    return instance;
}

constexpr std::array<std::string_view, languageCount> nativeNames = {
    "English", "Русский",  "Deutsch", "Français", "Español",
    "中文",    "Italiano", "Čeština", "日本語",   "한국어",
};

constexpr std::array<std::string_view, languageCount> pictureCodes = {
    "Eng", "Rus", "Deu", "Fra", "Spa", "Chi", "Ita", "Cze", "Eng", "Eng",
};

bool isLanguage(int index) {
    return index >= 0 && index < languageCount;
}

// The number-th entry (from 1) of a run of count entries starting at first.
std::string_view runText(WordEntry first, int count, int number) {
    if (number < 1 || number > count)
        return {};
    return text(static_cast<WordEntry>(static_cast<int>(first) + number - 1));
}

} // namespace

std::string_view text(WordEntry entry) {
    return text(entry, currentLanguage);
}

std::string_view text(WordEntry entry, int language) {
    auto index = static_cast<std::size_t>(entry);
    if (index >= wordEntryCount)
        return {};
    return detail::wordTable[index][isLanguage(language) ? language : English];
}

int language() {
    return currentLanguage;
}

void setLanguage(int index) {
    int chosen = isLanguage(index) ? index : English;
    if (chosen == currentLanguage)
        return;
    currentLanguage = chosen;
    // A listener may subscribe or unsubscribe while it runs: call a snapshot,
    // skipping those removed meanwhile.
    std::vector<std::uint64_t> ids;
    for (const auto &[id, listener] : listeners().byId)
        ids.push_back(id);
    for (std::uint64_t id : ids) {
        auto found = listeners().byId.find(id);
        if (found == listeners().byId.end())
            continue;
        LanguageListener listener = found->second; // survives its own removal
        listener(currentLanguage);
    }
}

int languageFromSettingsChar(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    return English;
}

char settingsCharOfLanguage(int index) {
    return static_cast<char>('0' + (isLanguage(index) ? index : English));
}

std::string_view languageName(int index) {
    return isLanguage(index) ? nativeNames[static_cast<std::size_t>(index)] : std::string_view{};
}

std::string_view pictureCode() {
    return pictureCode(currentLanguage);
}

std::string_view pictureCode(int language) {
    return pictureCodes[static_cast<std::size_t>(isLanguage(language) ? language : English)];
}

std::string flagPictureName() {
    switch (currentLanguage) {
    case Japanese:
        return "FlagOJap";
    case Korean:
        return "FlagOKor";
    default:
        return "FlagO" + std::string(pictureCode());
    }
}

std::string mainHeadingPictureName() {
    return "Cap" + std::string(currentLanguage == Czech ? pictureCode(English) : pictureCode());
}

std::string_view productTitle() {
    return text(WordEntry::ProductTitle);
}
std::string_view productTitleShort() {
    return text(WordEntry::ProductTitleShort);
}
std::string_view buildDate() {
    return text(WordEntry::ProductBuildDate);
}
std::string_view clubName() {
    return text(WordEntry::ClubName);
}

std::string_view clubHeading(int mode) {
    return runText(WordEntry::MainClubHeadingScore, 2, mode == 2 ? 2 : 1);
}

std::string textWith(WordEntry entry, std::string_view value) {
    std::string message(text(entry));
    const std::size_t at = message.find("%1");
    if (at != std::string::npos)
        message.replace(at, 2, value);
    return message;
}

std::string attributeWarning(std::string_view path) {
    std::string message(text(WordEntry::FileAttributesBefore));
    message += path;
    message += text(static_cast<WordEntry>(static_cast<int>(WordEntry::FileAttributesBefore) + 1));
    return message;
}

std::string_view faceSetName(int number) {
    return runText(WordEntry::FaceSetClassical1, faceSetNameCount, number);
}

std::string_view backgroundName(int number) {
    return runText(WordEntry::BgClassic, backgroundNameCount, number);
}

std::string_view backgroundColourName(int number) {
    return runText(WordEntry::BgColourGreen, backgroundColourCount, number);
}

std::string_view monthName(int month) {
    return runText(WordEntry::CalMonthJanuary, 12, month);
}
std::string_view zodiacSign(int sign) {
    return runText(WordEntry::CalZodiacAries, 12, sign);
}
std::string_view chineseYear(int animal) {
    return runText(WordEntry::CalYearRat, 12, animal);
}

std::string_view holidayLabel(std::string_view countryCode) {
    static constexpr std::array<std::string_view, 8> codes = {"ENG", "RUS", "DEU", "FRA",
                                                              "ISP", "USA", "PRA", "KAT"};
    for (std::size_t i = 0; i < codes.size(); ++i)
        if (codes[i] == countryCode)
            return runText(WordEntry::CalHolidayEng, 8, static_cast<int>(i) + 1);
    return {};
}

std::string_view anniversarySuffix() {
    return text(WordEntry::CalAnniversarySuffix);
}

LanguageSubscription &LanguageSubscription::operator=(LanguageSubscription &&other) noexcept {
    if (this != &other) {
        reset();
        id_ = other.id_;
        other.id_ = 0;
    }
    return *this;
}

LanguageSubscription::~LanguageSubscription() {
    reset();
}

void LanguageSubscription::reset() {
    if (id_ != 0)
        listeners().byId.erase(id_);
    id_ = 0;
}

LanguageSubscription onLanguageChanged(LanguageListener listener) {
    if (!listener)
        return {};
    std::uint64_t id = listeners().nextId++;
    listeners().byId.emplace(id, std::move(listener));
    return LanguageSubscription(id);
}

std::string_view wordEntryId(WordEntry entry) {
    auto index = static_cast<std::size_t>(entry);
    return index < wordEntryCount ? detail::wordEntryIds[index] : std::string_view{};
}

} // namespace quarn
