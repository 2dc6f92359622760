// History files: the entry line's columns and sums, the check of damaged
// files, and appending across full, missing and damaged files.
#include "store/History.h"

#include "store/AtomicFile.h"
#include "store/LineFile.h"

#include <gtest/gtest.h>

#include <cctype>
#include <climits>
#include <cmath>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace quarn;

namespace {

const HistoryStamp fiveToNine{"9:05", "06.05.2024"};

std::string fixture(const char *name) {
    return readFileBytes(fs::path(QUARN_TEST_DATA) / "history" / name, 1 << 20).bytes;
}

// ---- the entry line -----------------------------------------------------------

TEST(HistoryLine, EntryIsWrittenAtItsColumnsWithItsSums) {
    const std::string expected = std::string(" 9:0506.05.2024") + "\xC8\xE2\xE0\xED" +
                                 std::string(47, ' ') + " 12" + "        -7" + "     -0,58" +
                                 "L#########" + "04418" + "02179" + "01440";
    EXPECT_EQ(historyEntryLine({"Иван", 12, -7, -0.583333, LocalGame}, fiveToNine), expected);
}

TEST(HistoryLine, EndLineCarriesTheMarkAndItsSums) {
    const std::string line = historyEndLine();
    ASSERT_EQ(line.size(), 114u);
    EXPECT_EQ(line.substr(0, 3), "$\x92}");
    EXPECT_EQ(line.substr(3, 96), std::string(96, '#'));
    const LineSums sums = historyLineSums(line);
    char digits[16];
    std::snprintf(digits, sizeof digits, "%05lld%05lld%05lld", static_cast<long long>(sums.all),
                  static_cast<long long>(sums.even), static_cast<long long>(sums.third));
    EXPECT_EQ(line.substr(99), digits);
}

TEST(HistoryLine, SumsCoverOnlyTheFirst99Characters) {
    const std::string line = std::string(98, '\0') + "\x03" + "\xFF\xFF";
    const LineSums sums = historyLineSums(line);
    EXPECT_EQ(sums.all, 3);
    EXPECT_EQ(sums.even, 0) << "position 99 is odd";
    EXPECT_EQ(sums.third, 3) << "position 99 is divisible by 3";
    EXPECT_EQ(historyLineSums("\xFF\x01\x02").even, 1);
}

struct ColumnCase {
    const char *name;
    HisStr entry;
    HistoryStamp stamp;
    int first; // first character of the column, from 1
    std::string text;
};

class HistoryColumns : public ::testing::TestWithParam<ColumnCase> {};

TEST_P(HistoryColumns, AreCutAndPaddedToTheirWidths) {
    const ColumnCase &c = GetParam();
    const std::string line = historyEntryLine(c.entry, c.stamp);
    ASSERT_EQ(line.size(), 114u);
    EXPECT_EQ(line.substr(static_cast<size_t>(c.first - 1), c.text.size()), c.text);
}

const HisStr plain{"Mr.X", 1, 0, 0.0, LocalGame};

INSTANTIATE_TEST_SUITE_P(
    Columns, HistoryColumns,
    ::testing::Values(
        ColumnCase{"OneDigitHourGetsABlank", plain, {"9:05", "1.1.24"}, 1, " 9:05"},
        ColumnCase{"TwoDigitHour", plain, {"23:59", "1.1.24"}, 1, "23:59"},
        ColumnCase{"LongTimeCutToFive", plain, {"12:30:45", "1.1.24"}, 1, "12:30"},
        ColumnCase{"TimeCannotMakeAnEndLine", plain, {"$9:05", "1.1.24"}, 1, "?9:05"},
        ColumnCase{"ShortDatePaddedLeft", plain, {"9:05", "6.5.24"}, 6, "    6.5.24"},
        ColumnCase{"LongDateCutToTen", plain, {"9:05", "Monday, 6 May 2024"}, 6, "Monday, 6 "},
        ColumnCase{"NamePaddedToFiftyOne", plain, fiveToNine, 16, "Mr.X" + std::string(47, ' ')},
        ColumnCase{"NameCutToFiftyOne",
                   {std::string(60, 'n') + "END", 1, 0, 0, 0},
                   fiveToNine,
                   16,
                   std::string(51, 'n') + "  1"},
        ColumnCase{"CyrillicNameIsOneBytePerLetter",
                   {"Пётр/Anna", 1, 0, 0, 0},
                   fiveToNine,
                   16,
                   "\xCF\xB8\xF2\xF0/Anna "},
        ColumnCase{
            "LineBreakInNameCannotSplitTheLine", {"A\r\nB", 1, 0, 0, 0}, fiveToNine, 16, "A??B "},
        ColumnCase{
            "LettersWithoutCodeBecomeQuestionMarks", {"王a", 1, 0, 0, 0}, fiveToNine, 16, "?a "},
        ColumnCase{"Hands", {"x", 30, 0, 0, 0}, fiveToNine, 67, " 30"},
        ColumnCase{"HandsTooWideAreHeld", {"x", 12345, 0, 0, 0}, fiveToNine, 67, "999"},
        ColumnCase{"NegativeResult", {"x", 1, -12, 0, 0}, fiveToNine, 70, "       -12"},
        ColumnCase{"LowestResultFits", {"x", 1, INT_MIN, 0, 0}, fiveToNine, 70, "-999999999"},
        ColumnCase{"HighestResultFits", {"x", 1, INT_MAX, 0, 0}, fiveToNine, 70, "2147483647"},
        ColumnCase{"ZeroRating", {"x", 1, 0, 0.0, 0}, fiveToNine, 80, "      0,00"},
        ColumnCase{
            "RatingRoundedToTwoDecimals", {"x", 1, 0, 1.681818, 0}, fiveToNine, 80, "      1,68"},
        ColumnCase{"LowestRating", {"x", 1, 0, -99.99, 0}, fiveToNine, 80, "    -99,99"},
        ColumnCase{
            "TinyNegativeRatingIsZero", {"x", 1, 0, -0.001, 0}, fiveToNine, 80, "      0,00"},
        ColumnCase{
            "RatingThatIsNoNumber", {"x", 1, 0, std::nan(""), 0}, fiveToNine, 80, "      0,00"},
        ColumnCase{"LocalGame", {"x", 1, 0, 0, LocalGame}, fiveToNine, 90, "L#########"},
        ColumnCase{"AccountGame", {"x", 1, 0, 0, AccountGame}, fiveToNine, 90, "A#########"},
        ColumnCase{"TournamentGame", {"x", 1, 0, 0, TournamentGame}, fiveToNine, 90, "T#########"},
        ColumnCase{"NetworkGame", {"x", 1, 0, 0, NetworkGame}, fiveToNine, 90, "N#########"},
        ColumnCase{"UnknownKindIsLocal", {"x", 1, 0, 0, 7}, fiveToNine, 90, "L#########"}),
    [](const auto &info) { return std::string(info.param.name); });

// ---- time and date --------------------------------------------------------------

TEST(HistoryStampFormats, TakeHoursMinutesAndTheDateFormat) {
    std::tm time{};
    time.tm_year = 124;
    time.tm_mon = 4;
    time.tm_mday = 6;
    time.tm_hour = 9;
    time.tm_min = 5;
    EXPECT_EQ(historyStamp(time, "%-H:%M", "%d.%m.%Y").time, "9:05");
    EXPECT_EQ(historyStamp(time, "%-H:%M", "%d.%m.%Y").date, "06.05.2024");
    const std::string userTime = historyStamp(time, userTimeFormat(), "%d").time;
    ASSERT_EQ(userTime.size(), 4u);
    EXPECT_EQ(userTime.front(), '9');
    EXPECT_EQ(userTime.substr(2), "05");
    EXPECT_FALSE(userDateFormat().empty());
}

TEST(HistoryStampFormats, DateTheCodePageCannotWriteFallsBackToNumbers) {
    std::tm time{};
    time.tm_year = 124;
    time.tm_mon = 4;
    time.tm_mday = 6;
    EXPECT_EQ(historyStamp(time, "%H", "%Y年%m月%d日").date, "2024-05-06");
}

// ---- checking files -------------------------------------------------------------

struct CheckCase {
    const char *file;
    bool intact;
    int entries;
};

class HistoryCheckFixtures : public ::testing::TestWithParam<CheckCase> {};

TEST_P(HistoryCheckFixtures, RecogniseChangedAndDamagedFiles) {
    const HistoryCheck check = checkHistoryBytes(fixture(GetParam().file));
    EXPECT_EQ(check.intact, GetParam().intact);
    EXPECT_EQ(check.entries, GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Fixtures, HistoryCheckFixtures,
                         ::testing::Values(CheckCase{"three_entries.hst", true, 3},
                                           CheckCase{"bare_lf_line_ends.hst", true, 3},
                                           CheckCase{"end_line_only.hst", true, 0},
                                           CheckCase{"short_lines_skipped.hst", true, 3},
                                           CheckCase{"entry_longer_than_114.hst", true, 3},
                                           CheckCase{"totals_with_trailing_text.hst", true, 3},
                                           CheckCase{"name_changed.hst", false, 0},
                                           CheckCase{"name_changed_line_sums_mended.hst", false, 0},
                                           CheckCase{"line_sum_digit_changed.hst", false, 0},
                                           CheckCase{"totals_changed.hst", false, 0},
                                           CheckCase{"totals_missing.hst", false, 0},
                                           CheckCase{"totals_29_characters.hst", false, 0},
                                           CheckCase{"end_line_missing.hst", false, 0},
                                           CheckCase{"all_lines_short.hst", false, 0},
                                           CheckCase{"empty.hst", false, 0},
                                           CheckCase{"binary_garbage.hst", false, 0}),
                         [](const auto &info) {
                             std::string name = info.param.file;
                             for (char &c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             }
                             return name;
                         });

// Every single character of an entry line, changed, makes the file damaged.
TEST(HistoryCheck, AnyChangedCharacterOfAnEntryIsFound) {
    const std::string good = fixture("three_entries.hst");
    ASSERT_TRUE(checkHistoryBytes(good).intact);
    const size_t secondLine = good.find("\r\n") + 2;
    for (size_t i = 0; i < 114; ++i) {
        std::string changed = good;
        changed[secondLine + i] = changed[secondLine + i] == 'Z' ? 'Y' : 'Z';
        EXPECT_FALSE(checkHistoryBytes(changed).intact) << "character " << i + 1;
    }
}

TEST(HistoryRows, GiveTheColumnsOfTheEntriesUpToTheEndLine) {
    const std::vector<HistoryRow> rows = historyRows(fixture("three_entries.hst"));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].time, " 9:05");
    EXPECT_EQ(rows[0].date, "06.05.2024");
    EXPECT_EQ(rows[0].player, "Иван" + std::string(47, ' '));
    EXPECT_EQ(rows[0].games, " 12");
    EXPECT_EQ(rows[0].result, "        -7");
    EXPECT_EQ(rows[0].rating, "     -0,58");
    EXPECT_EQ(rows[0].kind, 'L');
    EXPECT_EQ(rows[1].player.substr(0, 22), "Anna/Mr.X/Пётр/Bob");
    EXPECT_EQ(rows[1].kind, 'N');
    EXPECT_EQ(rows[2].kind, 'T');
}

// ---- appending ------------------------------------------------------------------

class HistoryFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quarn-history-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    HistoryAppended append(const std::string &name, int count = 1) {
        const std::vector<HisStr> entries(static_cast<size_t>(count),
                                          HisStr{name, 3, 5, 1.25, LocalGame});
        return appendHistory(folder_, entries, fiveToNine);
    }
    std::string bytesOf(int number) const {
        return readFileBytes(historyFilePath(folder_, number), 1 << 22).bytes;
    }
    int entriesIn(int number) const { return checkHistoryFile(folder_, number, "%Y").entries; }

    fs::path folder_;
};

TEST_F(HistoryFolder, FirstEntryCreatesTheFolderAndFileOne) {
    const HistoryAppended appended = append("Mr.X");
    ASSERT_TRUE(appended.ok);
    EXPECT_EQ(appended.fileNumber, 1);
    EXPECT_TRUE(fs::exists(folder_ / "History" / "Quarn_I0001.hst"));
    const HistoryFileInfo info = checkHistoryFile(folder_, 1, "%Y");
    EXPECT_TRUE(info.exists);
    EXPECT_TRUE(info.intact);
    EXPECT_EQ(info.entries, 1);
    const std::string bytes = bytesOf(1);
    const std::vector<std::string_view> lines = splitLines(bytes);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], historyEndLine());
    EXPECT_EQ(lines[2].size(), 30u);
}

TEST_F(HistoryFolder, LaterEntriesAreAddedAfterTheEarlierOnes) {
    ASSERT_TRUE(append("first").ok);
    const std::string before = bytesOf(1);
    const std::string firstLine = before.substr(0, 116);
    ASSERT_TRUE(appendHistory(folder_,
                              std::vector<HisStr>{{"second", 1, 1, 1, NetworkGame},
                                                  {"third", 1, 1, 1, AccountGame},
                                                  {"fourth", 1, 1, 1, TournamentGame},
                                                  {"fifth", 1, 1, 1, LocalGame}},
                              fiveToNine)
                    .ok);
    EXPECT_EQ(bytesOf(1).substr(0, 116), firstLine);
    const std::vector<HistoryRow> rows = readHistoryFile(folder_, 1);
    ASSERT_EQ(rows.size(), 5u);
    EXPECT_EQ(rows[1].player.substr(0, 6), "second");
    EXPECT_EQ(rows[4].player.substr(0, 5), "fifth");
    const std::string kinds{rows[1].kind, rows[2].kind, rows[3].kind, rows[4].kind};
    EXPECT_EQ(kinds, "NATL");
}

TEST_F(HistoryFolder, The841stEntryStartsTheNextFileAndLeavesTheFirstAsItWas) {
    ASSERT_TRUE(append("many", 839).ok);
    ASSERT_TRUE(append("840th").ok);
    const std::string full = bytesOf(1);
    EXPECT_EQ(entriesIn(1), 840);
    const HistoryAppended appended = append("841st");
    ASSERT_TRUE(appended.ok);
    EXPECT_EQ(appended.fileNumber, 2);
    EXPECT_EQ(bytesOf(1), full);
    EXPECT_EQ(entriesIn(2), 1);
    EXPECT_EQ((std::vector<int>{1, 2}), listHistoryFiles(folder_));
}

TEST_F(HistoryFolder, AFileBelow840TakesAllEntriesHandedOverTogether) {
    ASSERT_TRUE(append("many", 839).ok);
    ASSERT_TRUE(append("four", 4).ok);
    EXPECT_EQ(entriesIn(1), 843);
    EXPECT_FALSE(fs::exists(historyFilePath(folder_, 2)));
}

TEST_F(HistoryFolder, DamagedFileIsReplacedAndItsBytesAreKeptAside) {
    ASSERT_TRUE(append("one", 2).ok);
    std::string damaged = bytesOf(1);
    damaged[20] = 'Q';
    ASSERT_TRUE(writeFileAtomically(historyFilePath(folder_, 1), damaged));
    EXPECT_FALSE(checkHistoryFile(folder_, 1).intact);
    EXPECT_TRUE(listHistoryFiles(folder_).empty());

    const HistoryAppended appended = append("fresh");
    ASSERT_TRUE(appended.ok);
    EXPECT_EQ(appended.fileNumber, 1);
    const std::vector<HistoryRow> rows = readHistoryFile(folder_, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].player.substr(0, 5), "fresh");
    EXPECT_EQ(readFileBytes(folder_ / "History" / "Quarn_I0001.hst.damaged", 1 << 20).bytes,
              damaged);

    damaged[21] = 'Q';
    ASSERT_TRUE(writeFileAtomically(historyFilePath(folder_, 1), damaged));
    ASSERT_TRUE(append("again").ok);
    EXPECT_TRUE(fs::exists(folder_ / "History" / "Quarn_I0001.hst.damaged-2"));
}

TEST_F(HistoryFolder, DeletedMiddleFileEndsTheListAndIsWrittenNext) {
    ASSERT_TRUE(append("full", 840).ok);
    ASSERT_TRUE(append("two").ok);
    ASSERT_TRUE(writeFileAtomically(historyFilePath(folder_, 2), bytesOf(2)));
    ASSERT_TRUE(writeFileAtomically(historyFilePath(folder_, 3), bytesOf(2)));
    ASSERT_EQ((std::vector<int>{1, 2, 3}), listHistoryFiles(folder_));
    const std::string third = bytesOf(3);

    fs::remove(historyFilePath(folder_, 2));
    EXPECT_EQ(std::vector<int>{1}, listHistoryFiles(folder_));
    const HistoryAppended appended = append("next");
    EXPECT_EQ(appended.fileNumber, 2);
    EXPECT_EQ(entriesIn(2), 1);
    EXPECT_EQ(bytesOf(3), third);
}

// A file that exists but cannot be read (here a folder in its place) is
// handled like a damaged one: kept aside, and its number starts afresh, so
// this and every later entry is written.
TEST_F(HistoryFolder, UnreadableFileIsKeptAsideAndItsNumberStartsAfresh) {
    fs::create_directories(historyFilePath(folder_, 1) / "inside");
    const HistoryAppended appended = append("kept");
    ASSERT_TRUE(appended.ok) << appended.message;
    EXPECT_EQ(appended.fileNumber, 1);
    EXPECT_TRUE(fs::is_directory(folder_ / "History" / "Quarn_I0001.hst.damaged" / "inside"));
    EXPECT_EQ(std::vector<int>{1}, listHistoryFiles(folder_));

    ASSERT_TRUE(append("later").ok);
    const std::vector<HistoryRow> rows = readHistoryFile(folder_, 1);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].player.substr(0, 4), "kept");
    EXPECT_EQ(rows[1].player.substr(0, 5), "later");
}

TEST_F(HistoryFolder, FolderThatCannotBeMadeReportsTheMessage) {
    ASSERT_TRUE(writeFileAtomically(folder_ / "History", "a file where the folder should be"));
    const HistoryAppended appended = append("lost");
    EXPECT_FALSE(appended.ok);
    EXPECT_EQ(appended.message, cantSaveHistoryMessage);
}

TEST_F(HistoryFolder, NothingHandedOverWritesNothing) {
    EXPECT_TRUE(appendHistory(folder_, {}, fiveToNine).ok);
    EXPECT_FALSE(fs::exists(folder_ / "History"));
}

TEST_F(HistoryFolder, FileInfoGivesTheModificationDateInTheGivenFormat) {
    ASSERT_TRUE(append("dated").ok);
    std::tm local{};
    local.tm_year = 121;
    local.tm_mon = 11;
    local.tm_mday = 31;
    local.tm_hour = 12;
    local.tm_isdst = -1;
    const std::time_t when = std::mktime(&local);
    const auto fileTime =
        fs::file_time_type::clock::now() + std::chrono::seconds(when - std::time(nullptr));
    fs::last_write_time(historyFilePath(folder_, 1), fileTime);
    const HistoryFileInfo info = checkHistoryFile(folder_, 1, "%d.%m.%Y");
    EXPECT_EQ(info.date, "31.12.2021");
}

TEST_F(HistoryFolder, NumbersOutsideTheRangeDoNotExist) {
    ASSERT_TRUE(append("x").ok);
    for (int number : {0, -1, 10000}) {
        EXPECT_FALSE(checkHistoryFile(folder_, number).exists) << number;
        EXPECT_TRUE(readHistoryFile(folder_, number).empty()) << number;
    }
    EXPECT_EQ(historyFilePath(folder_, 9999).filename(), "Quarn_I9999.hst");
}

} // namespace
