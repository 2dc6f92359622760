// Watching the chat and the news: the state files, the decisions of the
// watch, the indicators, and the chat's character set.
#include "store/AtomicFile.h"
#include "web/ChatNews.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace {

namespace fs = std::filesystem;

class StateFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("quarn-chatnews-" + std::to_string(std::random_device{}()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }
    void write(std::string_view name, std::string_view bytes) {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    std::string read(std::string_view name) {
        return quarn::readFileBytes(folder_ / name, 4096).bytes;
    }
    fs::path folder_;
};

TEST(StateFolderOf, IsTheFolderAboveTheProgramsFolder) {
    EXPECT_EQ(web::stateFolder("/games/Quarn/"), fs::path("/games"));
    EXPECT_EQ(web::stateFolder("/games/Quarn"), fs::path("/games"));
}

TEST(ChatStateFile, ReadsEachDamageAsItsRuleSays) {
    struct Case {
        const char *why;
        std::string bytes;
        web::ChatState expected;
    };
    const Case cases[] = {
        {"as written", "17\r\n1\r\n1\r\n", {17, true, true}},
        {"LF ends", "17\n0\n1\n", {17, false, true}},
        {"not a number: every message is new", "abc\r\n1\r\n0\r\n", {0, true, false}},
        {"number with tail", "12x\r\n0\r\n0\r\n", {0, false, false}},
        {"empty file", "", {0, false, false}},
        {"flags missing", "5\r\n", {5, false, false}},
        {"flag other than 1", "5\r\nyes\r\n2\r\n", {5, false, false}},
        {"negative number kept", "-3\r\n0\r\n0\r\n", {-3, false, false}},
        {"binary garbage", std::string("\0\xff\x01\r\n\x80", 6), {0, false, false}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::parseChatState(c.bytes), c.expected) << c.why;
}

TEST_F(StateFolder, AMissingChatStateIsCreatedWithTheDefaults) {
    const web::ChatState state = web::readChatState(folder_);
    EXPECT_EQ(state, (web::ChatState{1, false, false}));
    EXPECT_EQ(read(web::kChatStateFile), "1\r\n0\r\n0\r\n");
}

TEST_F(StateFolder, ChatStateIsWrittenWholeAndReadBack) {
    write(web::kChatStateFile, "garbage that is much longer than the state\r\nx\r\ny\r\nz\r\n");
    ASSERT_TRUE(web::writeChatState(folder_, {42, true, false}));
    EXPECT_EQ(read(web::kChatStateFile), "42\r\n1\r\n0\r\n");
    EXPECT_EQ(web::readChatState(folder_), (web::ChatState{42, true, false}));
    // No temporary file is left beside it.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(StateFolder, AnUnwritableFolderGivesTheDefaultsAndNoFailure) {
    const fs::path missing = folder_ / "no-such-folder";
    EXPECT_EQ(web::readChatState(missing), web::ChatState{});
    EXPECT_FALSE(web::writeChatState(missing, {3, false, false}));
    EXPECT_EQ(web::readNewsSeen(missing), 0);
    EXPECT_FALSE(web::writeNewsSeen(missing, 3));
}

TEST_F(StateFolder, NewsStateReadsZeroWhenMissingOrDamaged) {
    EXPECT_EQ(web::readNewsSeen(folder_), 0);
    EXPECT_FALSE(fs::exists(folder_ / web::kNewsStateFile)); // not created by a read
    write(web::kNewsStateFile, "abc\r\n");
    EXPECT_EQ(web::readNewsSeen(folder_), 0);
    ASSERT_TRUE(web::writeNewsSeen(folder_, 42));
    EXPECT_EQ(read(web::kNewsStateFile), "42\r\n");
    EXPECT_EQ(web::readNewsSeen(folder_), 42);
}

TEST_F(StateFolder, NewsStateKeepsTheHighestNumberSeen) {
    const struct {
        const char *what;
        int number;
        const char *file;
    } steps[] = {
        {"first news", 42, "42\r\n"},    {"a failed fetch gives 0", 0, "42\r\n"},
        {"an older page", 17, "42\r\n"}, {"the same news again", 42, "42\r\n"},
        {"newer news", 43, "43\r\n"},
    };
    for (const auto &step : steps) {
        EXPECT_TRUE(web::writeNewsSeen(folder_, step.number)) << step.what;
        EXPECT_EQ(read(web::kNewsStateFile), step.file) << step.what;
    }
    // A damaged file counts as 0 seen.
    write(web::kNewsStateFile, "abc\r\n");
    ASSERT_TRUE(web::writeNewsSeen(folder_, 5));
    EXPECT_EQ(read(web::kNewsStateFile), "5\r\n");
}

TEST(NewsPage, TheFiveCharactersAfterTheKeyAreTheNumber) {
    struct Case {
        std::string page;
        int number;
    };
    const Case cases[] = {
        {"<p>WemNews00042</p>", 42}, {"WemNews00001", 1},
        {"WemNews12345678", 12345},  {"no key here", 0},
        {"WemNews0042", 0},  // four characters before the end
        {"WemNews0a042", 0}, // not a number
        {"WemNews 0042", 0},         {"", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::newsNumberOf(c.page), c.number) << c.page;
}

// The watch as a table: the numbers known and seen give the flags, the
// flags and the window size give the indicators.
TEST(Watch, NumbersGiveFlagsAndFlagsGiveIndicators) {
    using Look = web::IndicatorLook;
    struct Case {
        const char *why;
        int chatSeen, chatNewest, newsSeen, newsNewest;
        bool large;
        Look look;
    };
    const Case cases[] = {
        {"nothing new, small", 5, 5, 3, 3, false, {false, false, false, false, false}},
        {"nothing new, large: the panel stands still",
         5,
         5,
         3,
         3,
         true,
         {true, true, false, true, false}},
        {"a new message, small", 5, 6, 3, 3, false, {false, false, false, true, true}},
        {"a new message, large", 5, 6, 3, 3, true, {true, true, false, true, true}},
        {"news, small", 5, 5, 3, 4, false, {false, true, true, false, false}},
        {"both, large", 0, 1, 0, 1, true, {true, true, true, true, true}},
        {"seen above newest (service lost messages)", 9, 4, 7, 2, false, {}},
        {"failed read: newest 0", 1, 0, 0, 0, false, {}},
        {"damaged chat state reads 0: any message is new",
         0,
         1,
         0,
         0,
         false,
         {false, false, false, true, true}},
    };
    for (const Case &c : cases) {
        const bool chat = web::isNew(c.chatSeen, c.chatNewest);
        const bool news = web::isNew(c.newsSeen, c.newsNewest);
        EXPECT_EQ(web::indicatorLook(c.large, true, news, chat), c.look) << c.why;
        EXPECT_EQ(web::indicatorLook(c.large, false, news, chat), Look{})
            << c.why << ": nothing outside the menu";
    }
}

TEST(Watch, TicksCheckNewsEveryThirtySecondsAndChatEveryFifteenMinutes) {
    int news = 0, chat = 0;
    for (int tick = 1; tick <= 180; ++tick) {
        const web::WatchChecks checks = web::checksAtTick(tick, true, false, false);
        news += checks.news;
        chat += checks.chat;
    }
    EXPECT_EQ(news, 60);
    EXPECT_EQ(chat, 2);
    struct Case {
        const char *why;
        int tick;
        bool menu, newsFlag, chatFlag;
        web::WatchChecks checks;
    };
    const Case cases[] = {
        {"both due", 90, true, false, false, {true, true}},
        {"in a match only the chat", 90, false, false, false, {false, true}},
        {"a set flag stops its own check", 90, true, true, true, {false, false}},
        {"news flagged, chat still watched", 90, true, true, false, {false, true}},
        {"not due", 91, true, false, false, {false, false}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::checksAtTick(c.tick, c.menu, c.newsFlag, c.chatFlag), c.checks) << c.why;
}

TEST(Watch, ChatOpensByItselfOnlyInAMatchWhenAskedAndNotOpen) {
    EXPECT_TRUE(web::opensChatByItself(true, true, false));
    EXPECT_FALSE(web::opensChatByItself(false, true, false));
    EXPECT_FALSE(web::opensChatByItself(true, false, false));
    EXPECT_FALSE(web::opensChatByItself(true, true, true));
}

TEST(ChatSet, CharactersOutsideItBecomeUnderscores) {
    struct Case {
        std::string typed, sent;
    };
    const Case cases[] = {
        {"Hello world?", "Hello_world_"},
        {"a,b.c-1(2)!@_", "a,b.c-1(2)!@_"},
        {"Привет всем", "Привет_всем"},
        {"Ёлка ёж", "Ёлка_ёж"},
        {"a&b=c$d#e*f~g", "a_b_c_d_e_f_g"},
        {"日本", "__"}, // not in code page 1251: one "_" per character
        {"ü", "_"},     // in code page 1251 but not in the set
        {"tab\there", "tab_here"},
        {std::string("x\xff"
                     "y",
                     3),
         "x_y"}, // a stray byte
        {"", ""},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::chatText(c.typed), c.sent) << c.typed;
    EXPECT_EQ(web::shownChatText("Hello_world_"), "Hello world ");
}

TEST(ChatSet, AMessageIsCutToEightyCharactersNotBytes) {
    std::string cyrillic;
    for (int i = 0; i < 90; ++i)
        cyrillic += "ж";
    const std::string sent = web::chatMessage(cyrillic);
    EXPECT_EQ(sent.size(), 160u); // 80 two-byte letters
    EXPECT_EQ(web::chatMessage("short"), "short");
}

TEST(ChatSet, TheStampKeepsTimeAndDateSeparatorsAndNothingThatBreaksTheForm) {
    EXPECT_EQ(web::chatStamp("10:15:03", "10.12.2026", "Quarn 5.7"),
              "10:15:03_10.12.2026_Quarn_5.7");
    EXPECT_EQ(web::chatStamp("10:15 AM", "12/10/26", "Quarn"), "10:15_AM_12/10/26_Quarn");
    EXPECT_EQ(web::chatStamp("上午10:15", "2026&12", "Q"), "__10:15_2026_12_Q");
}

} // namespace
