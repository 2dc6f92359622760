// The club files: field formats, the shape and sum check, the top ten and
// member ordering, the operations on disk, the log-in checks and the files
// the build ships.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <sys/stat.h>
#include <vector>

#include "store/ClubFile.h"
#include "store/ClubStanding.h"
#include "store/Cp1251.h"

namespace quarn {
namespace {

namespace fs = std::filesystem;

const fs::path ClubData = fs::path(QUARN_TEST_DATA) / "club";

std::string readBytes(const fs::path &path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeBytes(const fs::path &path, const std::string &bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

// The three sums worked out here from the file's bytes, apart from the
// store code: lines 1..16 joined without their ends, positions from 1.
std::string independentSums(const std::string &bytes) {
    std::string body;
    int line = 1;
    for (size_t i = 0; i < bytes.size() && line <= 16; ++i) {
        if (bytes[i] == '\r')
            continue;
        if (bytes[i] == '\n') {
            ++line;
            continue;
        }
        body += bytes[i];
    }
    long s1 = 0, s2 = 0, s3 = 0;
    for (size_t i = 0; i < body.size(); ++i) {
        const int code = static_cast<unsigned char>(body[i]);
        s1 += code;
        if ((i + 1) % 2 == 0)
            s2 += code;
        if ((i + 1) % 3 == 0)
            s3 += code;
    }
    char digits[64];
    std::snprintf(digits, sizeof digits, "%06ld%06ld%06ld", s1, s2, s3);
    return std::string(std::to_string(body.size())) + ":" + digits;
}

MemberRecord member(const std::string &name, double rating, int hands, int score,
                    const std::string &password = "pw") {
    return {name, rating, hands, score, encodePassword(password).value()};
}

ClubFile freshClub() {
    return ClubFile::fresh("0Q5700tst0", "test");
}

// A temporary folder with a copy of a fixture as Quarn.clb.
class ClubFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        folder_ = fs::temp_directory_path() /
                  ("quarn-club-" + std::to_string(::getpid()) + "-" + info->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(folder_ / LocalClubFileName, fs::perms::owner_all, fs::perm_options::add,
                        ec);
        fs::remove_all(folder_, ec);
    }

    fs::path install(const std::string &fixture, const char *as = LocalClubFileName) {
        const fs::path path = folder_ / as;
        fs::copy_file(ClubData / fixture, path, fs::copy_options::overwrite_existing);
        return path;
    }
    fs::path installClub(const ClubFile &file) {
        const fs::path path = folder_ / LocalClubFileName;
        writeBytes(path, file.bytes());
        return path;
    }
    ClubFile reread(const fs::path &path) {
        auto file = readClubFile(path);
        EXPECT_TRUE(file.has_value());
        EXPECT_TRUE(file && file->isCorrect());
        return file ? *file : freshClub();
    }

    fs::path folder_;
};

// --- Field formats -----------------------------------------------------------

TEST(ClubRatingField, FormatsWithCommaSixDecimalsRightAligned) {
    const struct {
        double rating;
        const char *text;
    } cases[] = {
        {0.0, "  0,000000"},
        {1.5, "  1,500000"},
        {-3.0, " -3,000000"},
        {1.681818, "  1,681818"},
        {99.99, " 99,990000"},
        {-99.99, "-99,990000"},
        {120.0, " 99,990000"},
        {-120.0, "-99,990000"},
        {-0.0000001, "  0,000000"},
        {0.25, "  0,250000"},
        {-0.5, " -0,500000"},
        {std::numeric_limits<double>::quiet_NaN(), "  0,000000"},
        {std::numeric_limits<double>::infinity(), " 99,990000"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(formatRating(c.rating), c.text) << c.rating;
}

TEST(ClubRatingField, ParsesOnlyCommaDecimals) {
    const struct {
        const char *text;
        std::optional<double> rating;
    } cases[] = {
        {"  0,000000", 0.0},
        {"  1,500000", 1.5},
        {" -3,000000", -3.0},
        {"-99,990000", -99.99},
        {"7", 7.0},
        {"1,5", 1.5},
        {"  1.500000", std::nullopt},
        {"", std::nullopt},
        {"  ,500000", std::nullopt},
        {"1,", std::nullopt},
        {"--1,000000", std::nullopt},
        {"1,1234567", std::nullopt},
        {"1 ,000000", std::nullopt},
        {"##########", std::nullopt},
    };
    for (const auto &c : cases)
        EXPECT_EQ(parseRating(c.text), c.rating) << c.text;
}

TEST(ClubRatingField, RoundTripKeepsMillionths) {
    for (double rating : {0.0, 1.681818, -3.333333, 99.99, -99.99, 0.000001, -0.000001, 42.5}) {
        const auto back = parseRating(formatRating(rating));
        ASSERT_TRUE(back.has_value());
        EXPECT_DOUBLE_EQ(*back, rating);
    }
}

TEST(ClubPassword, EncodesEachByteAsThreeDigitsWithTheKey) {
    static_assert(ClubPasswordKey >= 100 && ClubPasswordKey + 255 <= 999);
    const std::string blank = std::to_string(' ' + ClubPasswordKey);
    EXPECT_EQ(encodePassword("A"),
              std::to_string('A' + ClubPasswordKey) + blank + blank + blank + blank);
    EXPECT_EQ(encodePassword(""), blank + blank + blank + blank + blank);
    // Cyrillic letters go in as their code page 1251 bytes.
    EXPECT_EQ(encodePassword("Я").value().substr(0, 3), std::to_string(0xDF + ClubPasswordKey));
}

TEST(ClubPassword, EveryCodePageCharacterRoundTrips) {
    for (int code = 1; code < 256; ++code) {
        if (code == 0x98)
            continue; // no character in code page 1251
        const std::string text = cp1251ToUtf8(std::string(1, static_cast<char>(code)));
        const auto encoded = encodePassword(text);
        ASSERT_TRUE(encoded.has_value()) << code;
        EXPECT_EQ(encoded->size(), 15u);
        EXPECT_EQ(decodePassword(*encoded), text + "    ") << code;
    }
}

TEST(ClubPassword, RefusesWhatTheFileCannotHold) {
    EXPECT_FALSE(encodePassword("密码"));
    EXPECT_FALSE(encodePassword("sixsix"));
    EXPECT_FALSE(encodePassword("\xff\xfe")); // not UTF-8
    const std::string k = std::to_string(ClubPasswordKey);
    for (const std::string &bad : {std::string("12345678901234"), std::string("1234567890123456"),
                                   std::string("45645645645645x"), std::string(15, ' '),
                                   std::to_string(ClubPasswordKey - 1) + k + k + k + k,
                                   std::to_string(ClubPasswordKey + 256) + k + k + k + k})
        EXPECT_FALSE(decodePassword(bad)) << bad;
}

// --- Member lines --------------------------------------------------------------

TEST(ClubMemberLine, LaysOutEveryFieldInPlace) {
    const auto record = member("Anna Berg", 1.5, 45, -12, "rose");
    const std::string line = formatMemberLine(record);
    ASSERT_EQ(line.size(), 59u);
    EXPECT_EQ(line.substr(0, 20), "Anna Berg           ");
    EXPECT_EQ(line.substr(20, 10), "  1,500000");
    EXPECT_EQ(line.substr(30, 7), "     45");
    EXPECT_EQ(line.substr(37, 1), " ");
    EXPECT_EQ(line.substr(38, 6), "   -12");
    EXPECT_EQ(line.substr(44), record.encodedPassword);
}

TEST(ClubMemberLine, EveryFieldRoundTrips) {
    const MemberRecord records[] = {
        member("Anna Berg", 1.5, 45, -12, "rose"),
        member("Борис Годунов", -3.25, 0, 0, "пар"),
        member("Exactly20Characters!", 99.99, 9999999, 999999, "12345"),
        member("x", -99.99, 1, -99999, ""),
        member(" Leading blank", 0.000001, 30, 7, "a b"),
    };
    for (const auto &record : records) {
        const auto back = parseMemberLine(formatMemberLine(record));
        ASSERT_TRUE(back.has_value()) << record.name;
        EXPECT_EQ(*back, record);
    }
}

TEST(ClubMemberLine, KeepsTheLineShapeWhateverTheRecordHolds) {
    const struct {
        MemberRecord record;
        MemberRecord expected;
    } cases[] = {
        // Numbers beyond their fields are clamped, not allowed to widen the line.
        {member("Big", 1.0, 12345678, 1234567), member("Big", 1.0, 9999999, 999999)},
        {member("Small", 1.0, -12345678, -1234567), member("Small", 1.0, -999999, -99999)},
        // A long name is cut to 20 characters (counted in the file's bytes).
        {member("Абвгдеёжзийклмнопрстуф", 0, 1, 1), member("Абвгдеёжзийклмнопрст", 0, 1, 1)},
        // Line breaks and characters without a code page 1251 form cannot
        // get into the file.
        {member("a\r\nb\tc", 0, 1, 1), member("a??b?c", 0, 1, 1)},
        {member("名前 Lee", 0, 1, 1), member("?? Lee", 0, 1, 1)},
    };
    for (const auto &c : cases) {
        const std::string line = formatMemberLine(c.record);
        EXPECT_EQ(line.size(), 59u) << c.record.name;
        EXPECT_EQ(parseMemberLine(line), c.expected) << c.record.name;
    }
    MemberRecord badPassword = member("P", 0, 1, 1);
    badPassword.encodedPassword = "12\r\n";
    EXPECT_EQ(formatMemberLine(badPassword).size(), 59u);
}

TEST(ClubMemberLine, EmptySlotAndDamagedFields) {
    EXPECT_FALSE(parseMemberLine(std::string(37, '#') + " " + std::string(21, '#')));
    EXPECT_FALSE(parseMemberLine("too short"));
    // Fields that are not numbers read as 0 and never stop the reader.
    const std::string damaged = "Damaged             "
                                "  x,yz    "
                                "    abc"
                                " "
                                "  --  " +
                                std::string(15, '9');
    ASSERT_EQ(damaged.size(), 59u);
    const auto record = parseMemberLine(damaged);
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->name, "Damaged");
    EXPECT_EQ(record->rating, 0.0);
    EXPECT_EQ(record->hands, 0);
    EXPECT_EQ(record->cycleScore, 0);
    EXPECT_FALSE(decodePassword(record->encodedPassword));
}

// --- Shape, sums and mark --------------------------------------------------------

struct FixtureCase {
    const char *file;
    ClubFileState state;
    bool russian;
};

class ClubFixture : public ClubFolder, public ::testing::WithParamInterface<FixtureCase> {};

TEST_P(ClubFixture, StartCheckJudgesTheFile) {
    const auto &c = GetParam();
    const auto check = checkClubFile(install(c.file));
    EXPECT_EQ(check.state, c.state);
    EXPECT_EQ(check.russianEdition, c.russian);
    EXPECT_EQ(check.editionCode, c.state == ClubFileState::Correct ? "tst" : "");
    EXPECT_FALSE(check.writesBarred);
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, ClubFixture,
    ::testing::Values(FixtureCase{"valid.clb", ClubFileState::Correct, false},
                      FixtureCase{"valid_lf_ends.clb", ClubFileState::Correct, false},
                      FixtureCase{"valid_no_last_end.clb", ClubFileState::Correct, false},
                      FixtureCase{"russian_stamp.clb", ClubFileState::Correct, true},
                      // The stamp's language applies once the shape holds, even
                      // when the sums then fail.
                      FixtureCase{"russian_stamp_edited.clb", ClubFileState::Incorrect, true},
                      FixtureCase{"empty.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"sixteen_lines.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"extra_blank_line.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"long_member_line.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"short_topten_line.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"edited_name.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"edited_mark_tail.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"swapped_characters.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"non_numeric_sum.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"no_mark.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"wrong_mark_brace.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"utf8_saved.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"utf8_bom.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"cr_only_ends.clb", ClubFileState::Incorrect, false},
                      FixtureCase{"binary_garbage.clb", ClubFileState::Incorrect, false}),
    [](const auto &info) {
        std::string name = info.param.file;
        return name.substr(0, name.find('.'));
    });

TEST(ClubSums, AnyChangedCharacterOfLinesOneToSixteenIsCaught) {
    const auto file = ClubFile::parse(readBytes(ClubData / "valid.clb"));
    ASSERT_TRUE(file && file->isCorrect());
    const std::string bytes = file->bytes();
    const size_t stampLine = bytes.size() - 30; // line 17 holds the sums themselves
    int checked = 0;
    for (size_t i = 0; i < stampLine; ++i) {
        if (bytes[i] == '\r' || bytes[i] == '\n')
            continue;
        std::string edited = bytes;
        edited[i] = static_cast<char>(edited[i] == 'a' ? 'b' : 'a');
        const auto damaged = ClubFile::parse(edited);
        ASSERT_TRUE(damaged.has_value());
        EXPECT_FALSE(damaged->isCorrect()) << "byte " << i;
        ++checked;
    }
    EXPECT_EQ(checked, ClubSummedLength);
}

TEST(ClubSums, MatchAnIndependentRecomputation) {
    for (const char *name : {"valid.clb", "russian_stamp.clb"}) {
        const std::string bytes = readBytes(ClubData / name);
        const auto file = ClubFile::parse(bytes);
        ASSERT_TRUE(file.has_value()) << name;
        EXPECT_EQ("583:" + file->computedSums(), independentSums(bytes)) << name;
        EXPECT_EQ(file->line(17).substr(10), file->computedSums()) << name;
    }
}

TEST(ClubFileMemory, BytesRoundTripUnchanged) {
    for (const char *name : {"valid.clb", "russian_stamp.clb", "edited_name.clb", "no_mark.clb"}) {
        const std::string bytes = readBytes(ClubData / name);
        const auto file = ClubFile::parse(bytes);
        ASSERT_TRUE(file.has_value()) << name;
        EXPECT_EQ(file->bytes(), bytes) << name;
    }
}

TEST(ClubFileMemory, ReadsEveryFieldOfTheFixture) {
    const auto file = ClubFile::parse(readBytes(ClubData / "valid.clb"));
    ASSERT_TRUE(file.has_value());
    EXPECT_EQ(file->member(1), member("Anna Berg", 2.5, 45, 12, "rose"));
    EXPECT_EQ(file->member(2), member("Борис", 0.0, 3, -4, "12345"));
    EXPECT_EQ(file->member(3), member("Mr.X", -1.25, 8, -10, ""));
    EXPECT_TRUE(file->memberEmpty(4));
    EXPECT_FALSE(file->member(5));
    EXPECT_FALSE(file->member(0));
    EXPECT_FALSE(file->member(6));
    EXPECT_EQ(file->memberLineText(2).substr(0, 10), "Борис");
    EXPECT_EQ(file->topTen(1), (TopTenEntry{"Top 1", 55}));
    EXPECT_EQ(file->topTen(10), (TopTenEntry{"Top 10", 10}));
    EXPECT_EQ(file->topTen(11), TopTenEntry{});
    EXPECT_EQ(file->topTenLineText(3), "Top 3                   45");
    EXPECT_EQ(file->editionCode(), "tst");
    EXPECT_FALSE(file->russianEdition());
}

TEST(ClubFileMemory, FreshFileIsCorrectAndEmpty) {
    const ClubFile file = ClubFile::fresh("0Q5700abc0-too-long", "tail");
    EXPECT_TRUE(file.isCorrect());
    EXPECT_EQ(file.editionCode(), "abc");
    EXPECT_EQ(file.line(17).size(), 28u);
    EXPECT_EQ(file.line(16), std::string("\x92}tail") + std::string(22, ' '));
    for (int slot = 1; slot <= ClubMemberSlots; ++slot)
        EXPECT_TRUE(file.memberEmpty(slot));
    EXPECT_EQ(file.topTen(1).score, std::nullopt);
    ASSERT_TRUE(ClubFile::parse(file.bytes()).has_value());
}

// --- Top ten and member order -------------------------------------------------------

// A top ten of 50, 45, ..., 5.
ClubFile clubWithTopTen() {
    ClubFile file = freshClub();
    for (int place = 1; place <= ClubTopTenSize; ++place)
        file.setTopTen(place, {"Old " + std::to_string(place), 55 - 5 * place});
    return file;
}

TEST(ClubTopTen, NewerEntryWinsTiesAndPushesTheTenthOut) {
    const struct {
        int score;
        int place;
    } cases[] = {
        {50, 1},                    // equal to the first: takes place 1
        {99, 1},  {47, 2}, {5, 10}, // equal to the tenth: place 10, the old tenth is gone
        {4, 0},                     // below all: not entered
        {-30, 0},
    };
    for (const auto &c : cases) {
        ClubFile file = clubWithTopTen();
        EXPECT_EQ(file.enterTopTen("New", c.score), c.place) << c.score;
        if (c.place == 0) {
            EXPECT_EQ(file.bytes(), clubWithTopTen().bytes()) << c.score;
            continue;
        }
        EXPECT_EQ(file.topTen(c.place), (TopTenEntry{"New", c.score})) << c.score;
        for (int place = 1; place < c.place; ++place)
            EXPECT_EQ(file.topTen(place).name, "Old " + std::to_string(place));
        for (int place = c.place + 1; place <= ClubTopTenSize; ++place)
            EXPECT_EQ(file.topTen(place).name, "Old " + std::to_string(place - 1));
        EXPECT_TRUE(file.isCorrect());
    }
}

TEST(ClubTopTen, RowsThatAreNotNumbersGiveWay) {
    ClubFile file = freshClub(); // ten blank rows
    EXPECT_EQ(file.enterTopTen("First", -5), 1);
    EXPECT_EQ(file.enterTopTen("Second", -7), 2);
    EXPECT_EQ(file.topTen(3).score, std::nullopt);
}

ClubFile fullClub() {
    ClubFile file = freshClub();
    for (double rating : {4.0, 3.0, 2.0, 1.0, 0.0})
        file.insertMember(member("R" + std::to_string(static_cast<int>(rating)), rating, 10, 0));
    return file;
}

std::vector<std::string> memberNames(const ClubFile &file) {
    std::vector<std::string> names;
    for (int slot = 1; slot <= ClubMemberSlots; ++slot)
        names.push_back(file.memberEmpty(slot) ? "#" : file.member(slot)->name);
    return names;
}

TEST(ClubMembers, StoredInRatingOrderNewerFirstOnTies) {
    const struct {
        double rating;
        int line;
        std::vector<std::string> names;
    } cases[] = {
        {5.0, 1, {"New", "R4", "R3", "R2", "R1"}},
        {3.0, 2, {"R4", "New", "R3", "R2", "R1"}}, // tie with R3: the newer goes first
        {2.5, 3, {"R4", "R3", "New", "R2", "R1"}},
        {0.0, 5, {"R4", "R3", "R2", "R1", "New"}},
        {-0.5, 0, {"R4", "R3", "R2", "R1", "R0"}}, // lower than all of a full club
    };
    for (const auto &c : cases) {
        ClubFile file = fullClub();
        EXPECT_EQ(file.insertMember(member("New", c.rating, 3, 1)), c.line) << c.rating;
        EXPECT_EQ(memberNames(file), c.names) << c.rating;
        EXPECT_TRUE(file.isCorrect());
    }
}

TEST(ClubMembers, EmptySlotTakesAnyRating) {
    ClubFile file = freshClub();
    EXPECT_EQ(file.insertMember(member("A", -99.99, 1, -50)), 1);
    EXPECT_EQ(file.insertMember(member("B", -99.99, 1, -50)), 1);
    EXPECT_EQ(memberNames(file), (std::vector<std::string>{"B", "A", "#", "#", "#"}));
}

TEST(ClubMembers, RemoveMovesTheLinesBelowUp) {
    const struct {
        int slot;
        std::vector<std::string> names;
    } cases[] = {
        {1, {"R3", "R2", "R1", "R0", "#"}},  {3, {"R4", "R3", "R1", "R0", "#"}},
        {5, {"R4", "R3", "R2", "R1", "#"}},  {0, {"R4", "R3", "R2", "R1", "R0"}},
        {6, {"R4", "R3", "R2", "R1", "R0"}},
    };
    for (const auto &c : cases) {
        ClubFile file = fullClub();
        file.removeMember(c.slot);
        EXPECT_EQ(memberNames(file), c.names) << c.slot;
        EXPECT_TRUE(file.isCorrect());
    }
}

// --- Operations on disk --------------------------------------------------------------

using ClubOnDisk = ClubFolder;

TEST_F(ClubOnDisk, MatchEndAfterHand29KeepsTheCycleScore) {
    const fs::path path = installClub(fullClub());
    // R2 (line 3) played to hand 29 and rose to 3.5.
    const auto result = recordMatchEnd(path, 3, member("R2", 3.5, 29, 17), false);
    EXPECT_EQ(result.write, ClubWrite::Written);
    EXPECT_FALSE(result.cycleComplete);
    EXPECT_EQ(result.place, 0);
    EXPECT_EQ(result.memberLine, 2);
    const ClubFile file = reread(path);
    EXPECT_EQ(memberNames(file), (std::vector<std::string>{"R4", "R2", "R3", "R1", "R0"}));
    EXPECT_EQ(file.member(2), member("R2", 3.5, 29, 17));
}

TEST_F(ClubOnDisk, MatchEndAfterHand30EntersTheTopTenAndRestartsTheScore) {
    ClubFile start = clubWithTopTen();
    start.insertMember(member("Ann", 1.0, 20, 10));
    const fs::path path = installClub(start);
    const auto result = recordMatchEnd(path, 1, member("Ann", 1.2, 30, 42), false);
    EXPECT_EQ(result.write, ClubWrite::Written);
    EXPECT_TRUE(result.cycleComplete);
    EXPECT_EQ(result.place, 3); // 42 lies between 45 and 40
    EXPECT_EQ(result.memberLine, 1);
    EXPECT_EQ(result.record.cycleScore, 0);
    const ClubFile file = reread(path);
    EXPECT_EQ(file.topTen(3), (TopTenEntry{"Ann", 42}));
    EXPECT_EQ(file.member(1), member("Ann", 1.2, 30, 0));
}

TEST_F(ClubOnDisk, NewPlayerRatedBelowAFullClubIsNotStored) {
    const fs::path path = installClub(fullClub());
    const std::string before = readBytes(path);
    for (int newPlayer : {0, 6}) {
        const auto result = recordMatchEnd(path, newPlayer, member("Low", -1.0, 4, -4), false);
        EXPECT_EQ(result.write, ClubWrite::Written);
        EXPECT_EQ(result.memberLine, 0);
        EXPECT_EQ(readBytes(path), before);
    }
}

TEST_F(ClubOnDisk, StoreResultEntersACompletedCycleOnce) {
    const fs::path path = installClub(clubWithTopTen());
    const auto complete = storeResult(path, member("Cy", 0.5, 60, 30));
    EXPECT_EQ(complete.place, 5);
    EXPECT_EQ(complete.memberLine, 1);
    const auto open = storeResult(path, member("Op", 0.4, 61, 99));
    EXPECT_FALSE(open.cycleComplete);
    EXPECT_EQ(open.place, 0);
    const ClubFile file = reread(path);
    EXPECT_EQ(file.topTen(5), (TopTenEntry{"Cy", 30}));
    EXPECT_EQ(file.topTen(1).name, "Old 1");
    EXPECT_EQ(file.member(2), member("Op", 0.4, 61, 99));
}

TEST_F(ClubOnDisk, RenameKeepsTheRecordAndMovesItWithTies) {
    ClubFile start = clubWithTopTen();
    start.insertMember(member("Tie", 2.0, 30, 0));
    start.insertMember(member("Me", 2.0, 30, 0, "old")); // line 1; "Tie" line 2
    EXPECT_EQ(memberNames(start)[0], "Me");
    const fs::path path = installClub(start);
    const auto topBefore = reread(path).topTen(10);

    const auto result = changeMemberName(path, 1, *start.member(1), "Renamed", "new");
    EXPECT_EQ(result.write, ClubWrite::Written);
    EXPECT_EQ(result.memberLine, 1);
    EXPECT_FALSE(result.cycleComplete); // a rename never re-enters the top ten
    EXPECT_EQ(result.record, member("Renamed", 2.0, 30, 0, "new"));
    const ClubFile file = reread(path);
    EXPECT_EQ(memberNames(file), (std::vector<std::string>{"Renamed", "Tie", "#", "#", "#"}));
    EXPECT_EQ(file.topTen(10), topBefore);
    EXPECT_EQ(readMemberPassword(path, 1), "new  ");

    // The member at line 2 renames: the tie sends the record to line 1, and
    // the caller learns that its slot moved, so a later removal hits it.
    const auto moved = changeMemberName(path, 2, *file.member(2), "Tie2", "x");
    EXPECT_EQ(moved.memberLine, 1);
    EXPECT_EQ(memberNames(reread(path)),
              (std::vector<std::string>{"Tie2", "Renamed", "#", "#", "#"}));
}

TEST_F(ClubOnDisk, RemoveMemberRewritesTheFile) {
    const fs::path path = installClub(fullClub());
    EXPECT_EQ(removeMember(path, 2), ClubWrite::Written);
    EXPECT_EQ(memberNames(reread(path)), (std::vector<std::string>{"R4", "R2", "R1", "R0", "#"}));
    EXPECT_EQ(removeMember(path, 0), ClubWrite::Failed);
    EXPECT_EQ(removeMember(path, 7), ClubWrite::Failed);
}

TEST_F(ClubOnDisk, BarredWritesLeaveTheFileButReportThePlace) {
    const fs::path path = installClub(clubWithTopTen());
    const std::string before = readBytes(path);
    const auto result = recordMatchEnd(path, 6, member("B", 1.0, 30, 99), true);
    EXPECT_EQ(result.write, ClubWrite::Barred);
    EXPECT_EQ(result.place, 1);
    EXPECT_EQ(removeMember(path, 1, true), ClubWrite::Barred);
    EXPECT_EQ(readBytes(path), before);
}

TEST_F(ClubOnDisk, UnreadableFileIsNeverOverwritten) {
    for (const char *fixture : {"sixteen_lines.clb", "binary_garbage.clb", "utf8_saved.clb"}) {
        const fs::path path = install(fixture);
        const std::string before = readBytes(path);
        EXPECT_EQ(recordMatchEnd(path, 1, member("X", 1.0, 30, 9)).write, ClubWrite::Failed)
            << fixture;
        EXPECT_EQ(removeMember(path, 1), ClubWrite::Failed) << fixture;
        EXPECT_EQ(readBytes(path), before) << fixture;
    }
    EXPECT_EQ(storeResult(folder_ / "absent.clb", member("X", 1.0, 3, 9)).write, ClubWrite::Failed);
    EXPECT_FALSE(fs::exists(folder_ / "absent.clb"));
}

TEST_F(ClubOnDisk, OperationsReplaceTheFileWholeAndLeaveNoTemporaryFiles) {
    const fs::path path = install("valid.clb");
    EXPECT_EQ(recordMatchEnd(path, 2, member("Борис", 0.5, 4, 1, "12345")).write,
              ClubWrite::Written);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
    const std::string bytes = readBytes(path);
    EXPECT_EQ(independentSums(bytes), "583:" + reread(path).computedSums());
    EXPECT_EQ(checkClubFile(path).state, ClubFileState::Correct);
}

TEST_F(ClubOnDisk, ReadMemberAndPasswordOrNothing) {
    const fs::path path = install("valid.clb");
    EXPECT_EQ(readMember(path, 2), member("Борис", 0.0, 3, -4, "12345"));
    EXPECT_EQ(readMember(path, 5), std::nullopt);
    EXPECT_EQ(readMember(install("edited_mark_tail.clb", "shape-only.clb"), 1),
              member("Anna Berg", 2.5, 45, 12, "rose"));
    EXPECT_EQ(readMember(install("long_member_line.clb", "misshapen.clb"), 1), std::nullopt);
    EXPECT_EQ(readMemberPassword(path, 1), "rose ");
    EXPECT_EQ(readMemberPassword(path, 3), "     ");
    EXPECT_EQ(readMemberPassword(path, 4), std::nullopt); // empty slot
    EXPECT_EQ(readMemberPassword(path, 9), std::nullopt);
    EXPECT_EQ(readMemberPassword(folder_ / "absent", 1), std::nullopt);
}

// --- Start-up check --------------------------------------------------------------

TEST_F(ClubOnDisk, MissingFile) {
    const auto check = checkClubFile(folder_ / LocalClubFileName);
    EXPECT_EQ(check.state, ClubFileState::Missing);
    EXPECT_FALSE(check.mayRun());
}

TEST_F(ClubOnDisk, FolderInPlaceOfTheFileIsIncorrect) {
    fs::create_directory(folder_ / LocalClubFileName);
    EXPECT_EQ(checkClubFile(folder_ / LocalClubFileName).state, ClubFileState::Incorrect);
}

TEST_F(ClubOnDisk, AttributesBarWrites) {
    const fs::path path = install("valid.clb");
    EXPECT_FALSE(checkClubFile(path).writesBarred);
    fs::permissions(path, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);
    const auto readOnly = checkClubFile(path);
    EXPECT_TRUE(readOnly.mayRun());
    EXPECT_TRUE(readOnly.writesBarred);

    const fs::path hidden = install("valid.clb", ".Quarn.clb");
    EXPECT_TRUE(checkClubFile(hidden).writesBarred);
    // A damaged file is reported as damaged, not for its attributes.
    EXPECT_FALSE(checkClubFile(install("no_mark.clb", ".Bad.clb")).writesBarred);
}

TEST_F(ClubOnDisk, BothFilesAtStart) {
    const struct {
        const char *local;
        const char *network;
        bool mayRun;
        const char *failed;
        ClubFileState failure;
        bool russian;
    } cases[] = {
        {"valid.clb", "valid.clb", true, "", ClubFileState::Correct, false},
        {"russian_stamp.clb", "valid.clb", true, "", ClubFileState::Correct, true},
        // Quarn.net's stamp never decides the language.
        {"valid.clb", "russian_stamp.clb", true, "", ClubFileState::Correct, false},
        {nullptr, "valid.clb", false, "Quarn.clb", ClubFileState::Missing, false},
        {"valid.clb", nullptr, false, "Quarn.net", ClubFileState::Missing, false},
        {"valid.clb", "sixteen_lines.clb", false, "Quarn.net", ClubFileState::Incorrect, false},
        {"edited_name.clb", nullptr, false, "Quarn.clb", ClubFileState::Incorrect, false},
    };
    for (const auto &c : cases) {
        fs::remove(folder_ / LocalClubFileName);
        fs::remove(folder_ / NetworkClubFileName);
        if (c.local)
            install(c.local, LocalClubFileName);
        if (c.network)
            install(c.network, NetworkClubFileName);
        const auto check = checkClubFiles(folder_);
        EXPECT_EQ(check.mayRun(), c.mayRun) << c.local << " " << c.network;
        EXPECT_EQ(check.russianEdition(), c.russian);
        if (!c.mayRun) {
            EXPECT_EQ(check.failedPath(), folder_ / c.failed);
            EXPECT_EQ(check.failure(), c.failure);
        } else {
            EXPECT_EQ(check.editionCode(), "tst");
        }
    }
}

// --- Log-in ------------------------------------------------------------------------

TEST(ClubLogin, NewPlayerEntry) {
    const struct {
        const char *name;
        const char *password;
        const char *repeated;
        LoginCheck expected;
    } cases[] = {
        {"Mr.X", "abc", "abc", LoginCheck::Accepted},
        {"Борис", "пар", "пар", LoginCheck::Accepted},
        {"Mr.X", "", "", LoginCheck::Accepted},
        {"Twenty characters!!!", "12345", "12345", LoginCheck::Accepted},
        {"Двадцатьбукварусских", "1", "1", LoginCheck::Accepted},
        {"", "abc", "abc", LoginCheck::IncorrectName},
        {"   ", "abc", "abc", LoginCheck::IncorrectName},
        {"李小龙", "abc", "abc", LoginCheck::IncorrectName},
        {"Twenty-one characters", "abc", "abc", LoginCheck::IncorrectName},
        {"Line\nbreak", "abc", "abc", LoginCheck::IncorrectName},
        {"Tab\there", "abc", "abc", LoginCheck::IncorrectName},
        {"\xc3\x28", "abc", "abc", LoginCheck::IncorrectName}, // broken UTF-8
        {"", "abc", "abd", LoginCheck::IncorrectName},         // the name is checked first
        {"Mr.X", "abc", "abd", LoginCheck::PasswordsDiffer},
        {"Mr.X", "abc", "", LoginCheck::PasswordsDiffer},
        {"Mr.X", "密码", "密码", LoginCheck::IncorrectPassword},
        {"Mr.X", "sixsix", "sixsix", LoginCheck::IncorrectPassword},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkNewPlayer(c.name, c.password, c.repeated), c.expected)
            << c.name << "/" << c.password;
}

TEST(ClubLogin, NewPlayerRecordStartsAtZero) {
    const auto record = newPlayerRecord("Mr.X", "ab");
    EXPECT_EQ(record, member("Mr.X", 0.0, 0, 0, "ab"));
    EXPECT_EQ(parseMemberLine(formatMemberLine(record)), record);
}

TEST_F(ClubOnDisk, MemberPasswordCheck) {
    const fs::path path = install("valid.clb");
    const struct {
        int slot;
        const char *typed;
        LoginCheck expected;
    } cases[] = {
        {1, "rose", LoginCheck::Accepted},
        {1, "rose ", LoginCheck::Accepted}, // blank-padded to 5 on both sides
        {1, "Rose", LoginCheck::IncorrectPassword},
        {1, "rosebud", LoginCheck::IncorrectPassword},
        {1, "", LoginCheck::IncorrectPassword},
        {2, "12345", LoginCheck::Accepted},
        {3, "", LoginCheck::Accepted},
        {3, "密", LoginCheck::IncorrectPassword},
        {4, "", LoginCheck::IncorrectPassword}, // empty slot
        {0, "", LoginCheck::IncorrectPassword},
    };
    for (const auto &c : cases)
        EXPECT_EQ(checkMemberLogin(path, c.slot, c.typed), c.expected) << c.slot << c.typed;
    EXPECT_EQ(checkMemberLogin(folder_ / "absent", 1, "rose"), LoginCheck::IncorrectPassword);
}

// --- Between the rules and the club file --------------------------------------------

TEST(ClubStanding, MemberToStandingAndMatchLineToRecord) {
    const auto record = member("Ann", 1.681818, 110, 35, "pw");
    const PlayerStanding standing = standingOfMember(record);
    EXPECT_EQ(standing.name, "Ann");
    EXPECT_EQ(standing.rating, 1.681818);
    EXPECT_EQ(standing.hands, 110);
    EXPECT_EQ(standing.score, 35);

    ClubLine line;
    line.name = "Ann                 ";
    line.rating = 1.7;
    line.hands = 120;
    line.total = 40;
    EXPECT_EQ(memberRecordOf(line, record.encodedPassword), member("Ann", 1.7, 120, 40, "pw"));
}

// --- The files the build ships ------------------------------------------------------

TEST(ShippedClubFiles, PassTheStartCheckAndAnIndependentSum) {
    for (const char *name : {LocalClubFileName, NetworkClubFileName}) {
        const fs::path path = fs::path(QUARN_DIST_DIR) / name;
        ASSERT_TRUE(fs::exists(path)) << path;
        const auto check = checkClubFile(path);
        EXPECT_EQ(check.state, ClubFileState::Correct) << name;
        EXPECT_FALSE(check.russianEdition) << name;
        EXPECT_EQ(check.editionCode.size(), 3u) << name;
        EXPECT_NE(check.editionCode, "xjq") << name;

        const std::string bytes = readBytes(path);
        EXPECT_EQ(bytes.size(), 5u * 61 + 10 * 28 + 2 * 30) << name;
        const size_t stamp = bytes.rfind("\r\n", bytes.size() - 3) + 2;
        EXPECT_EQ("583:" + bytes.substr(stamp + 10, 18), independentSums(bytes)) << name;
        EXPECT_EQ(bytes.substr(bytes.rfind("\r\n", stamp - 3) + 2, 2), "\x92}") << name;
    }
}

TEST(ShippedClubFiles, HoldAnEmptyClubAndAPlausibleTopTen) {
    for (const char *name : {LocalClubFileName, NetworkClubFileName}) {
        const auto file = readClubFile(fs::path(QUARN_DIST_DIR) / name);
        ASSERT_TRUE(file.has_value()) << name;
        for (int slot = 1; slot <= ClubMemberSlots; ++slot)
            EXPECT_TRUE(file->memberEmpty(slot)) << name;
        int previous = std::numeric_limits<int>::max();
        for (int place = 1; place <= ClubTopTenSize; ++place) {
            const TopTenEntry entry = file->topTen(place);
            EXPECT_FALSE(entry.name.empty()) << name << place;
            ASSERT_TRUE(entry.score.has_value()) << name << place;
            EXPECT_GT(*entry.score, 0);
            EXPECT_LE(*entry.score, 100);
            EXPECT_LE(*entry.score, previous) << name << place;
            previous = *entry.score;
        }
    }
}

} // namespace
} // namespace quarn
