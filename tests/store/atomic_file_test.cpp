// Line splitting and the atomic file write that every store relies on.
#include "store/AtomicFile.h"
#include "store/LineFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using namespace quarn;

namespace {

struct SplitCase {
    const char *name;
    std::string bytes;
    std::vector<std::string> lines;
};

class LineSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitting, SplitsAtLineEnds) {
    const auto views = splitLines(GetParam().bytes);
    const std::vector<std::string> lines(views.begin(), views.end());
    EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Files, LineSplitting,
    ::testing::Values(SplitCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
                      SplitCase{"LastLineWithoutEnd", "a\r\nb", {"a", "b"}},
                      SplitCase{"BareLf", "a\nb\n", {"a", "b"}}, SplitCase{"Empty", "", {}},
                      SplitCase{"EmptyLines", "\r\n\r\n", {"", ""}},
                      SplitCase{"LoneCrStaysInLine", "a\rb\r\r\n", {"a\rb\r"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(LineJoining, EndsEveryLineWithCrLf) {
    EXPECT_EQ(joinCrlfLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
}

class AtomicFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quarn-atomic-" + std::to_string(::getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder_);
        fs::create_directories(folder_);
    }
    void TearDown() override {
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(folder_);
    }
    std::string contents(const fs::path &path) const { return readFileBytes(path, 1 << 20).bytes; }
    size_t entriesInFolder() const {
        return static_cast<size_t>(
            std::distance(fs::directory_iterator(folder_), fs::directory_iterator()));
    }
    fs::path folder_;
};

TEST_F(AtomicFileTest, CreatesAndReplacesWithoutLeavingTemporaryFiles) {
    const fs::path file = folder_ / "Quarn.ini";
    ASSERT_TRUE(writeFileAtomically(file, "first\r\n"));
    EXPECT_EQ(contents(file), "first\r\n");
    ASSERT_TRUE(writeFileAtomically(file, std::string("sec\0ond", 7)));
    EXPECT_EQ(contents(file), std::string("sec\0ond", 7));
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(AtomicFileTest, KeepsThePermissionsOfTheReplacedFile) {
    const fs::path file = folder_ / "Quarn.clb";
    ASSERT_TRUE(writeFileAtomically(file, "old"));
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(writeFileAtomically(file, "new"));
    EXPECT_EQ(fs::status(file).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(AtomicFileTest, RefusesAReadOnlyFileAndKeepsIt) {
    if (::geteuid() == 0)
        GTEST_SKIP() << "root may write read-only files";
    const fs::path file = folder_ / "Quarn.ini";
    ASSERT_TRUE(writeFileAtomically(file, "kept"));
    fs::permissions(file, fs::perms::owner_read);
    EXPECT_FALSE(writeFileAtomically(file, "lost"));
    EXPECT_EQ(contents(file), "kept");
    EXPECT_EQ(entriesInFolder(), 1u);
}

TEST_F(AtomicFileTest, FailsWhenTheFolderCannotBeWritten) {
    EXPECT_FALSE(writeFileAtomically(folder_ / "missing" / "Quarn.ini", "x"));
    EXPECT_FALSE(writeFileAtomically(folder_, "a folder is not a file"));
    if (::geteuid() == 0)
        return;
    const fs::path file = folder_ / "Quarn.ini";
    ASSERT_TRUE(writeFileAtomically(file, "kept"));
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_FALSE(writeFileAtomically(file, "lost"));
    EXPECT_EQ(contents(file), "kept");
}

TEST_F(AtomicFileTest, ReadTellsMissingUnreadableAndTooLargeApart) {
    const fs::path file = folder_ / "f";
    EXPECT_EQ(readFileBytes(file, 10).status, ReadStatus::Missing);
    EXPECT_EQ(readFileBytes(folder_, 10).status, ReadStatus::Unreadable);
    ASSERT_TRUE(writeFileAtomically(file, "0123456789"));
    EXPECT_EQ(readFileBytes(file, 10).status, ReadStatus::Ok);
    EXPECT_EQ(readFileBytes(file, 9).status, ReadStatus::TooLarge);
    EXPECT_TRUE(readFileBytes(file, 9).bytes.empty());
    if (::geteuid() == 0)
        return;
    fs::permissions(file, fs::perms::none);
    EXPECT_EQ(readFileBytes(file, 10).status, ReadStatus::Unreadable);
}

} // namespace
