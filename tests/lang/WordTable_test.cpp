// The shipped word table: complete in all ten languages, compiled in exactly as
// written, keeping the runs that code reads by offset and the fixed-width
// club headings.

#include "lang/Language.h"
#include "lang/gen/WordsFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <vector>

namespace {

using namespace quarn;

const words::File &shippedFile() {
    static const words::File file = [] {
        std::ifstream in(QUARN_SOURCE_DIR "/lang/words.tsv", std::ios::binary);
        return words::parse(in);
    }();
    return file;
}

WordEntry entryAt(std::size_t index) {
    return static_cast<WordEntry>(index);
}

WordEntry offset(WordEntry first, int by) {
    return static_cast<WordEntry>(static_cast<int>(first) + by);
}

TEST(WordTable, FileIsWellFormedAndEveryCellFilled) {
    const words::File &file = shippedFile();
    for (const std::string &error : file.errors)
        ADD_FAILURE() << "lang/words.tsv: " << error;
    EXPECT_EQ(file.rows.size(), wordEntryCount);
}

TEST(WordTable, CompiledTableHoldsTheFileTextForEveryLanguage) {
    const words::File &file = shippedFile();
    ASSERT_TRUE(file.ok());
    ASSERT_EQ(file.rows.size(), wordEntryCount);
    for (std::size_t i = 0; i < wordEntryCount; ++i) {
        const words::Row &row = file.rows[i];
        EXPECT_EQ(wordEntryId(entryAt(i)), row.id);
        for (int lang = 0; lang < languageCount; ++lang)
            EXPECT_EQ(text(entryAt(i), lang), row.texts[static_cast<std::size_t>(lang)])
                << row.id << " in column " << lang;
    }
}

// Texts the program keeps in English in every language: names, fixed
// headings and messages that are not translated.
const std::set<std::string, std::less<>> keptInEnglish = {
    "ClubDefaultName",
    "OptTabDll",
    "ClubTopTenLocalHeading",
    "ClubTopTenNetHeading",
    "InfoRibbon",
    "HistoryNoFiles",
    "HistoryTypeLocal",
    "HistoryTypeNet",
    "HistoryTypeAccount",
    "HistoryTypeTourney",
    "HistoryCannotSave",
    "WebNoConnect",
    "WebNoConnectMessage",
    "WebMessageCaption",
    "TourTop10",
    "AccPageTop10",
    "AccPageWems",
    "AccEMail",
    "WorldCategoryAccountRating",
    "WorldCategoryAccountScore",
    "WorldCategoryWindowsScore",
    "WorldCategoryAndroidScore",
    "WorldCategoryTournament",
    "WorldCategoryLocal",
    "WorldCategoryNet",
    "FigureWems",
    "FigureNoConnectColon",
    "FigureNoConnect",
    "FigureNoConnectBlank",
    "NetRouterHelp",
};

// Latin words that stay in Latin letters in the Russian or East Asian column.
const std::set<std::pair<std::string_view, int>> latinOnPurpose = {
    {"ProductTitleShort", Chinese},
    {"ProductTitleShort", Japanese},
    {"ProductTitleShort", Korean},
    {"FaceSetDoods", Chinese},
};

bool hasLatinLetters(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); });
}

TEST(WordTable, TranslationsAreNotCopiesOfTheEnglish) {
    // A column that repeats the English text is a forgotten translation, unless
    // the text is kept in English on purpose. Russian and the three East Asian
    // languages write their own letters, so any copied Latin word shows there.
    const int alphabetsOfTheirOwn[] = {Russian, Chinese, Japanese, Korean};
    for (std::size_t i = 0; i < wordEntryCount; ++i) {
        std::string_view id = wordEntryId(entryAt(i));
        std::string_view english = text(entryAt(i), English);
        int copies = 0;
        for (int lang = 1; lang < languageCount; ++lang)
            copies += text(entryAt(i), lang) == english;
        if (keptInEnglish.count(id)) {
            EXPECT_EQ(copies, languageCount - 1) << id << " must read the same in every language";
            continue;
        }
        EXPECT_LT(copies, languageCount - 1) << id << " is English in every column";
        for (int lang : alphabetsOfTheirOwn)
            if (hasLatinLetters(english) && text(entryAt(i), lang) == english &&
                !latinOnPurpose.count({id, lang}))
                ADD_FAILURE() << id << " is untranslated in column " << lang;
    }
}

std::size_t countOf(std::string_view text, std::string_view part) {
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos;
         at = text.find(part, at + part.size()))
        ++count;
    return count;
}

TEST(WordTable, TranslationsKeepLineBreaksAndTheBlanksCodeJoinsOn) {
    // Code appends values to texts such as "Result: " and puts paths between the
    // attribute entries: a lost line break or edge blank glues words together.
    for (std::size_t i = 0; i < wordEntryCount; ++i) {
        std::string_view id = wordEntryId(entryAt(i));
        std::string_view english = text(entryAt(i), English);
        for (int lang = 1; lang < languageCount; ++lang) {
            std::string_view translated = text(entryAt(i), lang);
            EXPECT_EQ(countOf(translated, "\n\r"), countOf(english, "\n\r"))
                << id << " in column " << lang;
            EXPECT_EQ(countOf(translated, "\n"), countOf(english, "\n"))
                << id << " in column " << lang;
            if (english.ends_with(' ')) {
                EXPECT_TRUE(translated.ends_with(' ') || translated.ends_with("："))
                    << id << " in column " << lang << " must end in a blank";
            }
            if (english.starts_with(' ')) {
                EXPECT_TRUE(translated.starts_with(' '))
                    << id << " in column " << lang << " must begin with a blank";
            }
        }
    }
}

// ---- Runs read by offset ------------------------------------------------

TEST(WordTable, ClubHeadingsFollowTheModeEntry) {
    EXPECT_EQ(offset(WordEntry::MainMode, 1), WordEntry::MainClubHeadingScore);
    EXPECT_EQ(offset(WordEntry::MainMode, 2), WordEntry::MainClubHeadingRating);
    EXPECT_EQ(text(WordEntry::MainMode, English), "Mode");
    EXPECT_EQ(text(WordEntry::MainClubHeadingScore, English),
              " The members of club    Games    Score ");
    EXPECT_EQ(text(WordEntry::MainClubHeadingRating, English),
              " The members of club    Games   Rating ");
}

TEST(WordTable, AttributeWarningIsTwoConsecutiveEntries) {
    EXPECT_EQ(offset(WordEntry::FileAttributesBefore, 1), WordEntry::FileAttributesAfter);
    EXPECT_EQ(text(WordEntry::FileAttributesBefore, English), "The file \"");
    EXPECT_EQ(text(WordEntry::FileAttributesAfter, English),
              "\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
}

struct EntryRun {
    const char *name;
    WordEntry first;
    std::vector<std::string_view> english;
};

class WordTableRun : public testing::TestWithParam<EntryRun> {};

TEST_P(WordTableRun, HoldsItsEntriesConsecutivelyInOrder) {
    const EntryRun &run = GetParam();
    for (std::size_t i = 0; i < run.english.size(); ++i)
        EXPECT_EQ(text(offset(run.first, static_cast<int>(i)), English), run.english[i])
            << run.name << " entry " << i + 1;
}

INSTANTIATE_TEST_SUITE_P(
    Runs, WordTableRun,
    testing::Values(EntryRun{"FaceAndBackSets",
                             WordEntry::FaceSetClassical1,
                             {"Classical-1",
                              "Medieval-1",
                              "Modern",
                              "Ancient Egypt",
                              "Baronesse",
                              "Celtic",
                              "Corona",
                              "Crown",
                              "English Pattern",
                              "Frankfurt",
                              "Historical costumes",
                              "Native Americans",
                              "Old Garden Roses",
                              "Parrots",
                              "Royal",
                              "Shakespeare",
                              "Big Ben",
                              "Four Reigns of English History",
                              "Large Print London",
                              "Classical-2",
                              "Hearts",
                              "Seasons",
                              "Rhine Style",
                              "Medieval-2",
                              "Doods",
                              "Playboy",
                              "Epic",
                              "USSR",
                              "Plastic",
                              "Skat - German suits",
                              "Skat - Tournament suits",
                              "Skat - French suits",
                              "White palekh",
                              "Diana",
                              "Princely",
                              "For solitaires",
                              "Satin",
                              "Slavic",
                              "Maya",
                              "Bast",
                              "French",
                              "Spanish 1",
                              "Spanish 2",
                              "Spanish 3",
                              "Spanish 4",
                              "Chinese",
                              "Italian",
                              "Czech",
                              "Animals",
                              "Flowers",
                              "Other",
                              "Russian",
                              "Places",
                              "Carpet",
                              "Cross",
                              "Chess",
                              "Diamond",
                              "Knightly"}},
                    EntryRun{"Backgrounds",
                             WordEntry::BgClassic,
                             {"Classic", "Sun", "Felt", "Gradient", "Cloth", "Carpet", "Tree",
                              "Casino", "Pattern", "Silk", "Ornament"}},
                    EntryRun{
                        "BackgroundColours",
                        WordEntry::BgColourGreen,
                        {"Green", "Red", "Orang", "Violet", "Yellow", "Light-Blue", "Dark Blue"}},
                    EntryRun{"Months",
                             WordEntry::CalMonthJanuary,
                             {"January", "February", "March", "April", "May", "June", "July",
                              "August", "September", "October", "November", "December"}},
                    EntryRun{"Zodiac",
                             WordEntry::CalZodiacAries,
                             {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                              "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"}},
                    EntryRun{"ChineseYears",
                             WordEntry::CalYearRat,
                             {"Year Of The Rat", "Year Of The Ox", "Year Of The Tiger",
                              "Year Of The Rabbit", "Year Of The Dragon", "Year Of The Snake",
                              "Year Of The Horse", "Year Of The Goat", "Year Of The Monkey",
                              "Year Of The Rooster", "Year Of The Dog", "Year Of The Pig"}},
                    EntryRun{"HolidayLabels",
                             WordEntry::CalHolidayEng,
                             {"Holiday UK", "Russian Festival", "German holiday", "French holiday",
                              "Spanish holiday", "Holiday United States", "The Orthodox holiday",
                              "Catholic feast"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WordTable, RunLengthsMatchTheirAccessors) {
    EXPECT_EQ(offset(WordEntry::FaceSetClassical1, faceSetNameCount - 1),
              WordEntry::BackSetKnightly);
    EXPECT_EQ(offset(WordEntry::BgClassic, backgroundNameCount), WordEntry::BgColourGreen);
    EXPECT_EQ(offset(WordEntry::BgColourGreen, backgroundColourCount - 1),
              WordEntry::BgColourDarkBlue);
}

// ---- Fixed-width club headings ------------------------------------------

// One character of a heading with the display column it starts at.
struct Cell {
    std::size_t column;
    std::size_t width;
    bool blank;
};

std::vector<Cell> cellsOf(std::string_view utf8) {
    std::vector<Cell> cells;
    std::size_t column = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        std::size_t length = 1;
        auto lead = static_cast<unsigned char>(utf8[pos]);
        if (lead >= 0xF0)
            length = 4;
        else if (lead >= 0xE0)
            length = 3;
        else if (lead >= 0xC0)
            length = 2;
        std::string_view character = utf8.substr(pos, length);
        std::size_t width = words::displayWidth(character);
        cells.push_back({column, width, character == " "});
        column += width;
        pos += length;
    }
    return cells;
}

// The member lines below the heading put the name from column 1, the hand
// count from column 24 and the score or rating ending at column 37 (from 0):
// every language keeps those columns so the heading stands over its values.
void expectClubHeadingLayout(std::string_view heading, const std::string &where) {
    SCOPED_TRACE(where + ": \"" + std::string(heading) + "\"");
    EXPECT_EQ(words::displayWidth(heading), 39u);
    std::vector<Cell> cells = cellsOf(heading);
    auto at = [&](std::size_t column) -> const Cell * {
        for (const Cell &cell : cells)
            if (cell.column == column)
                return &cell;
        return nullptr; // inside a wide character
    };
    auto blankAt = [&](std::size_t column) { return at(column) && at(column)->blank; };
    auto startsAt = [&](std::size_t column) { return at(column) && !at(column)->blank; };
    EXPECT_TRUE(blankAt(0)) << "column 0 must be blank";
    EXPECT_TRUE(startsAt(1)) << "the label must begin at column 1";
    EXPECT_TRUE(blankAt(23)) << "the label must end before column 23";
    EXPECT_TRUE(startsAt(24)) << "the games column must begin at column 24";
    EXPECT_TRUE(blankAt(38)) << "column 38 must be blank";
    // Columns 24 to 37: two words, the second ending at column 37.
    std::string words;
    for (const Cell &cell : cells)
        if (cell.column >= 24 && cell.column < 38)
            words += cell.blank ? ' ' : 'x';
    std::size_t firstEnd = words.find(' ');
    ASSERT_NE(firstEnd, std::string::npos) << "the two columns must be apart";
    std::size_t secondStart = words.find_first_not_of(' ', firstEnd);
    ASSERT_NE(secondStart, std::string::npos) << "the last column is missing";
    EXPECT_EQ(words.find(' ', secondStart), std::string::npos)
        << "the last column must end at column 37";
}

TEST(WordTable, ClubHeadingsKeepTheirColumnsInEveryLanguage) {
    for (int lang = 0; lang < languageCount; ++lang) {
        expectClubHeadingLayout(text(WordEntry::MainClubHeadingScore, lang),
                                "score heading, column " + std::to_string(lang));
        expectClubHeadingLayout(text(WordEntry::MainClubHeadingRating, lang),
                                "rating heading, column " + std::to_string(lang));
    }
}

// ---- Texts quoted exactly -----------------------------------------------

TEST(WordTable, EnglishKeepsTheProgramsOwnSpellings) {
    struct Case {
        WordEntry entry;
        std::string_view english;
    };
    const Case cases[] = {
        {WordEntry::FileCannotSaveOptions, "Can`t save options!"},
        {WordEntry::FileCannotFind, "Can`t find the file"},
        {WordEntry::ClubInTopTen, "You have hitted in top ten players!"},
        {WordEntry::MainDataWillBeLost, "All datas for want of it will be lost!"},
        {WordEntry::BgColourOrange, "Orang"},
        {WordEntry::ClubResult, "Result: "},
        {WordEntry::ClubNameChanged,
         "Your name and/or the password were successfully changed!\n\rNew name: "},
    };
    for (const Case &c : cases)
        EXPECT_EQ(text(c.entry, English), c.english) << wordEntryId(c.entry);
}

// ---- Words that must not be confused --------------------------------------

TEST(WordTable, PassportDoesNotReadLikeThePassButton) {
    for (int lang = 0; lang < languageCount; ++lang) {
        const std::string_view pass = text(WordEntry::MainPass, lang);
        for (WordEntry passport :
             {WordEntry::OptPassport, WordEntry::WorldPassport, WordEntry::ChatPassport}) {
            const std::string_view shown = text(passport, lang);
            EXPECT_FALSE(pass.starts_with(shown))
                << wordEntryId(passport) << " \"" << shown << "\" in column " << lang;
        }
    }
}

TEST(WordTable, ExitLogOffAndSignOutAreThreeWords) {
    // Closing the program, giving up a tournament seat and leaving the account.
    for (int lang = 0; lang < languageCount; ++lang) {
        const std::string_view exit = text(WordEntry::MainExit, lang);
        const std::string_view logOff = text(WordEntry::TourLogOff, lang);
        const std::string_view signOut = text(WordEntry::AccSignOut, lang);
        EXPECT_NE(exit, logOff) << lang;
        EXPECT_NE(exit, signOut) << lang;
        EXPECT_NE(logOff, signOut) << lang;
    }
}

TEST(WordTable, SpanishSaysPartidaForAHandAndPromedioForTheRating) {
    const WordEntry hands[] = {
        WordEntry::MainNextGame,       WordEntry::MainCurrentGame,
        WordEntry::MainGame,           WordEntry::MainTotalOfGame,
        WordEntry::MainGamesInCycle,   WordEntry::ClubCompletionOfGame,
        WordEntry::NetNumberOfGames,   WordEntry::InfoRoundInCycle,
        WordEntry::InfoTotalGames,     WordEntry::HistoryGames,
        WordEntry::NetInterruptedGame, WordEntry::TourTopGames,
        WordEntry::AccResPlayedGames,  WordEntry::TourPlayerInterrupted,
    };
    for (WordEntry entry : hands)
        EXPECT_NE(text(entry, Spanish).find("artida"), std::string_view::npos)
            << wordEntryId(entry) << ": " << text(entry, Spanish);
    const WordEntry ratings[] = {
        WordEntry::MainClubHeadingRating,
        WordEntry::InfoInitialRating,
        WordEntry::InfoCurrentRating,
        WordEntry::HistoryRating,
        WordEntry::AccResRating,
        WordEntry::AccTopRating,
        WordEntry::TourRating,
        WordEntry::TourTopRating,
    };
    for (WordEntry entry : ratings)
        EXPECT_NE(text(entry, Spanish).find("romedio"), std::string_view::npos)
            << wordEntryId(entry) << ": " << text(entry, Spanish);
    for (std::size_t i = 0; i < wordEntryCount; ++i)
        EXPECT_EQ(text(entryAt(i), Spanish).find("ivel"), std::string_view::npos)
            << wordEntryId(entryAt(i));
}

TEST(WordTable, InterruptedNetworkGameIsOneSentence) {
    // The whole sentence is one entry, so each language can order it its own way.
    EXPECT_EQ(text(WordEntry::NetInterruptedGame, English), "One of player has interrupted game!");
    EXPECT_EQ(text(WordEntry::NetInterruptedGame, Spanish),
              "¡Uno de los jugadores ha interrumpido la partida!");
    EXPECT_EQ(text(WordEntry::NetInterruptedGame, Japanese),
              "プレイヤーの一人がゲームを中断しました！");
    EXPECT_EQ(text(WordEntry::NetInterruptedGame, Korean), "플레이어 한 명이 게임을 중단했습니다!");
}

TEST(WordTable, RussianMonthsAreInTheGenitive) {
    EXPECT_EQ(text(WordEntry::CalMonthJanuary, Russian), "января");
    EXPECT_EQ(text(WordEntry::CalMonthMay, Russian), "мая");
    EXPECT_EQ(text(WordEntry::CalMonthDecember, Russian), "декабря");
}

} // namespace
