#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>

namespace {

struct ToolRun {
    std::string out;
    int exitCode = -1;
};

ToolRun RunTool(const std::string& arguments) {
    ToolRun run;
    const std::string command = std::string(QUARN_SELFPLAY) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Everything but the speed line, which differs from run to run.
std::string WithoutSpeed(const std::string& out) {
    std::string kept;
    for (const auto& line : Lines(out)) {
        if (!line.starts_with("hands/s: ")) kept += line + "\n";
    }
    return kept;
}

TEST(SelfPlayTool, TraceOfASeededHandMatchesTheRecordedOne) {
    const ToolRun run = RunTool("1 1 --trace");
    ASSERT_EQ(run.exitCode, 0);
    std::ifstream file(std::string(QUARN_TEST_DATA) + "/selfplay_seed1_trace.txt");
    std::stringstream golden;
    golden << file.rdbuf();
    ASSERT_FALSE(golden.str().empty());
    EXPECT_TRUE(run.out.starts_with(golden.str())) << run.out;
}

TEST(SelfPlayTool, EveryLineFollowsTheTraceFormat) {
    const std::string card = "(6|7|8|9|1|В|Д|К|Т)(ч|б|к|п)";
    const std::regex patterns[] = {
        std::regex("hand [0-9]+"),
        std::regex("deal [1-4]( " + card + "){9}"),
        std::regex("start 8"),
        std::regex("play [1-4] [1-9] " + card),
        std::regex("pass [1-4] [0-9]+"),
        std::regex("end [1-4]( (0|-[1-9]))( (0|-[1-9]))( (0|-[1-9]))( (0|-[1-9])) [0-9]+"),
        std::regex("settle( -?[0-9]+){4}"),
        std::regex("seat [1-4]: score -?[0-9]+, hands won [0-9]+, passes [0-9]+"),
        std::regex("hands/s: [0-9]+"),
    };
    const ToolRun run = RunTool("40 9 --trace");
    ASSERT_EQ(run.exitCode, 0);
    const auto lines = Lines(run.out);
    int hands = 0;
    for (const auto& line : lines) {
        bool matched = false;
        for (const auto& pattern : patterns) matched = matched || std::regex_match(line, pattern);
        EXPECT_TRUE(matched) << line;
        hands += line.starts_with("hand ") ? 1 : 0;
    }
    EXPECT_EQ(hands, 40);
    EXPECT_TRUE(lines.back().starts_with("hands/s: "));
}

TEST(SelfPlayTool, TheSameSeedGivesTheSameOutputWhereverTheFlagStands) {
    const ToolRun first = RunTool("25 123 --trace");
    const ToolRun second = RunTool("--trace 25 123");
    const ToolRun other = RunTool("25 124 --trace");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(WithoutSpeed(first.out), WithoutSpeed(second.out));
    EXPECT_NE(WithoutSpeed(first.out), WithoutSpeed(other.out));
    const ToolRun quiet = RunTool("25 123");
    EXPECT_EQ(Lines(quiet.out).size(), 5u);
}

TEST(SelfPlayTool, BadArgumentsGiveUsageExitCode) {
    for (const char* arguments : {"", "0", "-3", "x", "5 seed", "5 1 2", "5 -1", "1e3", "--trace"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << "[" << arguments << "]";
        EXPECT_TRUE(run.out.empty()) << "[" << arguments << "]";
    }
}

}  // namespace
