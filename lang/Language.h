#pragma once
// The language of every text the program shows. One current language index
// (0 to 9), read through text(entry); windows subscribe to relabel themselves
// when the options dialog changes it.
//
// The texts live in lang/words.tsv (one entry per line: id and ten columns in
// language order); the build turns each id into a WordEntry. To add a text,
// add a line in its window's group, filled in all ten languages. Keep the runs
// read by number (face sets, backgrounds, colours, calendar tables, the two
// club headings after MainMode, the two attribute-warning halves) together.

#include "lang/WordEntry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace quarn {

inline constexpr int languageCount = 10;

// Language indexes, in the order of the table's columns.
enum LanguageIndex : int {
    English = 0,
    Russian = 1,
    German = 2,
    French = 3,
    Spanish = 4,
    Chinese = 5,
    Italian = 6,
    Czech = 7,
    Japanese = 8,
    Korean = 9,
};

// The text of entry in the current language (UTF-8).
std::string_view text(WordEntry entry);
// The text of entry in the given language; an index outside 0 to 9 reads English.
std::string_view text(WordEntry entry, int language);

int language();
// Sets the current language; an index outside 0 to 9 becomes English. The
// listeners run when the index actually changes.
void setLanguage(int index);

// The settings file keeps the index as one character: '0' to '9'. The format
// reserves 'a' to 'k' for languages this table does not have; those, and any
// other character, give English.
int languageFromSettingsChar(char c);
char settingsCharOfLanguage(int index);

// The native name of a language, as the language list shows it (not translated).
std::string_view languageName(int index);

// The three-letter code appended to the names of pictures with lettering.
// Japanese and Korean have no pictures of their own and use "Eng".
std::string_view pictureCode();
std::string_view pictureCode(int language);
// The options dialog's flag: "FlagO" + picture code, "FlagOJap", "FlagOKor".
std::string flagPictureName();
// The main window's heading picture, "Cap" + picture code. The heading set has
// no Czech member, so Czech shows the English heading.
std::string mainHeadingPictureName();

// ---- Product ------------------------------------------------------------
inline constexpr std::string_view versionText = "V 5.7f";
std::string_view productTitle();      // the main-window caption
std::string_view productTitleShort(); // upper case, drawn on the title screen
std::string_view buildDate();
std::string_view clubName();

// ---- Texts chosen by number ---------------------------------------------
// Each reads a run of consecutive entries; a number outside the run gives an
// empty text.

// The club list heading of display mode 1 (score) or 2 (rating); any other
// mode shows the score heading.
std::string_view clubHeading(int mode);
// The text of entry in the current language with value in place of its "%1"
// (a player's name); value is put in as it stands, never read for placeholders.
std::string textWith(WordEntry entry, std::string_view value);
// "The file \"" + path + "\" has incorrect attributes!..." in the current language.
std::string attributeWarning(std::string_view path);

inline constexpr int faceSetNameCount = 58; // 48 face sets, then 10 other back sets
inline constexpr int backgroundNameCount = 11;
// The lists the settings, the picture loader and the options choose from.
inline constexpr int faceSetCount = 48;            // face sets 0 to 47
inline constexpr int backSetCount = 13;            // back sets 0 to 12
inline constexpr int backgroundColourCount = 7;    // colour variants 0 to 6
std::string_view faceSetName(int number);          // 1 to 58
std::string_view backgroundName(int number);       // 1 to 11
std::string_view backgroundColourName(int number); // 1 to 7

// Calendar tables.
std::string_view monthName(int month);    // 1 to 12; Russian in the genitive ("18 октября")
std::string_view zodiacSign(int sign);    // 1 Aries to 12 Pisces
std::string_view chineseYear(int animal); // 1 Rat to 12 Pig
// Country label of a holiday by its country code ("ENG", "RUS", "DEU", "FRA",
// "ISP", "USA", "PRA", "KAT"); empty for any other code.
std::string_view holidayLabel(std::string_view countryCode);
std::string_view anniversarySuffix();

// ---- Relabelling --------------------------------------------------------
using LanguageListener = std::function<void(int language)>;

// Keeps a listener registered for as long as it lives; a window holds one and
// so stops listening when it is destroyed.
class LanguageSubscription {
  public:
    LanguageSubscription() = default;
    explicit LanguageSubscription(std::uint64_t id) : id_(id) {}
    LanguageSubscription(LanguageSubscription &&other) noexcept : id_(other.id_) { other.id_ = 0; }
    LanguageSubscription &operator=(LanguageSubscription &&other) noexcept;
    LanguageSubscription(const LanguageSubscription &) = delete;
    LanguageSubscription &operator=(const LanguageSubscription &) = delete;
    ~LanguageSubscription();
    void reset();

  private:
    std::uint64_t id_ = 0;
};

[[nodiscard]] LanguageSubscription onLanguageChanged(LanguageListener listener);

// The identifier of an entry as written in words.tsv (for diagnostics and tests).
std::string_view wordEntryId(WordEntry entry);

} // namespace quarn
