#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "rules/Card.h"

namespace {

struct ToolRun {
    std::string out;
    int exitCode = -1;
};

ToolRun RunTool(const std::string &arguments) {
    ToolRun run;
    const std::string command = std::string(QUARN_SELFPLAY) + " " + arguments + " 2>/dev/null";
    FILE *pipe = popen(command.c_str(), "r");
    if (pipe == nullptr)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::vector<std::string> Lines(const std::string &text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Everything but the speed line, which differs from run to run.
std::string WithoutSpeed(const std::string &out) {
    std::string kept;
    for (const auto &line : Lines(out)) {
        if (!line.starts_with("hands/s: "))
            kept += line + "\n";
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

bool IsInteger(const std::string &word, long low, long high) {
    if (word.empty() || (word.size() > 1 && (word[0] == '0' || (word[0] == '-' && word[1] == '0'))))
        return false;
    std::size_t used = 0;
    long value = 0;
    try {
        value = std::stol(word, &used);
    } catch (const std::exception &) {
        return false;
    }
    return used == word.size() && value >= low && value <= high;
}

bool IsCard(const std::string &word) {
    const auto card = quarn::CardFromUtf8(word);
    return card && !card->IsEmpty();
}

// Words separated by single blanks; nothing when there are stray blanks.
std::optional<std::vector<std::string>> Words(const std::string &line) {
    std::vector<std::string> words;
    std::size_t start = 0;
    while (true) {
        const std::size_t blank = line.find(' ', start);
        words.push_back(line.substr(start, blank - start));
        if (words.back().empty())
            return std::nullopt;
        if (blank == std::string::npos)
            return words;
        start = blank + 1;
    }
}

// Whether a line is one of the trace lines, field by field.
bool IsTraceLine(const std::string &line) {
    const auto words = Words(line);
    if (!words)
        return false;
    const std::vector<std::string> &w = *words;
    constexpr long kBig = 1L << 40;
    const std::string &what = w[0];
    if (what == "hand")
        return w.size() == 2 && IsInteger(w[1], 1, kBig);
    if (what == "deal") {
        if (w.size() != 11 || !IsInteger(w[1], 1, 4))
            return false;
        for (std::size_t i = 2; i < w.size(); ++i) {
            if (!IsCard(w[i]))
                return false;
        }
        return true;
    }
    if (what == "start")
        return w.size() == 2 && w[1] == "8";
    if (what == "play")
        return w.size() == 4 && IsInteger(w[1], 1, 4) && IsInteger(w[2], 1, 9) && IsCard(w[3]);
    if (what == "pass")
        return w.size() == 3 && IsInteger(w[1], 1, 4) && IsInteger(w[2], 10, kBig);
    if (what == "end") {
        if (w.size() != 7 || !IsInteger(w[1], 1, 4) || !IsInteger(w[6], 8, kBig))
            return false;
        for (std::size_t i = 2; i <= 5; ++i) {
            if (!IsInteger(w[i], -9, 0))
                return false;
        }
        return w[1 + std::stoi(w[1])] == "0"; // the winner pays nothing
    }
    if (what == "settle") {
        if (w.size() != 5)
            return false;
        for (std::size_t i = 1; i <= 4; ++i) {
            if (!IsInteger(w[i], -kBig, kBig))
                return false;
        }
        return true;
    }
    return false;
}

// Whether a line is one of the summary lines printed after the hands.
bool IsSummaryLine(const std::string &line) {
    int seat = 0;
    long long score = 0, won = 0, passes = 0;
    if (std::sscanf(line.c_str(), "seat %d: score %lld, hands won %lld, passes %lld", &seat, &score,
                    &won, &passes) == 4) {
        char again[200];
        std::snprintf(again, sizeof again, "seat %d: score %lld, hands won %lld, passes %lld", seat,
                      score, won, passes);
        return line == again && seat >= 1 && seat <= 4;
    }
    double average = 0, error = 0;
    if (std::sscanf(line.c_str(), "average seat %d: %lf points per hand, standard error %lf", &seat,
                    &average, &error) == 3) {
        char again[200];
        std::snprintf(again, sizeof again,
                      "average seat %d: %.4f points per hand, standard error %.4f", seat, average,
                      error);
        const std::string plain = again;
        return (line == plain || line == plain + ", strong") && seat >= 1 && seat <= 4 &&
               error >= 0;
    }
    if (std::sscanf(line.c_str(),
                    "gain seat %d: %lf points per hand over the standard chooser, standard error "
                    "%lf",
                    &seat, &average, &error) == 3) {
        char again[200];
        std::snprintf(again, sizeof again,
                      "gain seat %d: %+.4f points per hand over the standard chooser, standard "
                      "error %.4f",
                      seat, average, error);
        return line == again && seat >= 1 && seat <= 4 && error >= 0;
    }
    return line.starts_with("hands/s: ") && IsInteger(line.substr(9), 0, 1L << 40);
}

// The summary: four seat lines, four average lines and the speed.
constexpr std::size_t kSummaryLines = 9;

TEST(SelfPlayTool, EveryLineFollowsTheTraceFormat) {
    const ToolRun run = RunTool("40 9 --trace");
    ASSERT_EQ(run.exitCode, 0);
    const auto lines = Lines(run.out);
    ASSERT_GT(lines.size(), 5u);
    int hands = 0;
    for (std::size_t i = 0; i + kSummaryLines < lines.size(); ++i) {
        EXPECT_TRUE(IsTraceLine(lines[i])) << lines[i];
        hands += lines[i].starts_with("hand ") ? 1 : 0;
    }
    for (std::size_t i = lines.size() - kSummaryLines; i < lines.size(); ++i)
        EXPECT_TRUE(IsSummaryLine(lines[i])) << lines[i];
    EXPECT_EQ(hands, 40);
    EXPECT_TRUE(lines.back().starts_with("hands/s: "));
}

TEST(SelfPlayTool, LineCheckerRejectsMalformedLines) {
    const char *bad[] = {"hand 0",        "hand",         "deal 5 6ч 7ч 8ч 9ч 1ч Вч Дч Кч Тч",
                         "deal 1 6ч 7ч",  "start 9",      "play 1 10 9б",
                         "play 1 1 9x",   "pass 1 8",     "end 2 -1 -1 -1 -1 11",
                         "end 1 0 0 0 0", "settle 1 2 3", "play  1 1 9б",
                         "play 1 1 9б ",  "play 1 01 9б"};
    for (const char *line : bad)
        EXPECT_FALSE(IsTraceLine(line)) << line;
    EXPECT_TRUE(IsTraceLine("end 2 -1 0 -3 -2 14"));
    EXPECT_FALSE(IsSummaryLine("seat 5: score 1, hands won 2, passes 3"));
    EXPECT_FALSE(IsSummaryLine("hands/s: fast"));
    EXPECT_FALSE(IsSummaryLine("average seat 4: 1.5 points per hand, standard error 0.1000"));
    EXPECT_FALSE(IsSummaryLine("average seat 4: 1.5000 points per hand, standard error -0.1000"));
    EXPECT_TRUE(IsSummaryLine("average seat 4: -1.5000 points per hand, standard error 0.1000"));
    EXPECT_TRUE(IsSummaryLine(
        "gain seat 4: +1.2000 points per hand over the standard chooser, standard error 0.1000"));
    EXPECT_FALSE(IsSummaryLine(
        "gain seat 4: 1.2000 points per hand over the standard chooser, standard error 0.1000"));
}

TEST(SelfPlayTool, TheSameSeedGivesTheSameOutputWhereverTheFlagStands) {
    const ToolRun first = RunTool("25 123 --trace");
    const ToolRun second = RunTool("--trace 25 123");
    const ToolRun other = RunTool("25 124 --trace");
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_EQ(WithoutSpeed(first.out), WithoutSpeed(second.out));
    EXPECT_NE(WithoutSpeed(first.out), WithoutSpeed(other.out));
    const ToolRun quiet = RunTool("25 123");
    EXPECT_EQ(Lines(quiet.out).size(), kSummaryLines);
}

TEST(SelfPlayTool, BadArgumentsGiveUsageExitCode) {
    for (const char *arguments :
         {"", "0", "-3", "x", "5 seed", "5 1 2", "5 -1", "1e3", "--trace", "5 --strong",
          "5 --strong 5", "5 --strong 0", "5 --strong 44", "5 --strong x", "5 --rollouts",
          "5 --rollouts 0", "5 --rollouts -2", "5 --strong 4 --rollouts many"}) {
        const ToolRun run = RunTool(arguments);
        EXPECT_EQ(run.exitCode, 2) << "[" << arguments << "]";
        EXPECT_TRUE(run.out.empty()) << "[" << arguments << "]";
    }
}

// The lines of one kind, in order.
std::vector<std::string> LinesStartingWith(const std::string &out, const std::string &start) {
    std::vector<std::string> kept;
    for (const auto &line : Lines(out)) {
        if (line.starts_with(start))
            kept.push_back(line);
    }
    return kept;
}

TEST(SelfPlayTool, CheckingEveryOperationChangesNothingButTheSpeed) {
    const ToolRun fast = RunTool("60 5 --trace");
    const ToolRun checked = RunTool("60 5 --trace --check");
    ASSERT_EQ(fast.exitCode, 0);
    ASSERT_EQ(checked.exitCode, 0);
    EXPECT_EQ(WithoutSpeed(fast.out), WithoutSpeed(checked.out));
}

TEST(SelfPlayTool, StrongSeatsPlayTheSameDeals) {
    const ToolRun standard = RunTool("6 77 --trace");
    const ToolRun strong = RunTool("6 77 --trace --strong 24 --rollouts 20");
    const ToolRun checked = RunTool("6 77 --trace --strong 24 --rollouts 20 --check");
    ASSERT_EQ(standard.exitCode, 0);
    ASSERT_EQ(strong.exitCode, 0);
    EXPECT_EQ(LinesStartingWith(standard.out, "deal "), LinesStartingWith(strong.out, "deal "));
    EXPECT_NE(LinesStartingWith(standard.out, "play "), LinesStartingWith(strong.out, "play "));
    EXPECT_EQ(WithoutSpeed(strong.out), WithoutSpeed(checked.out));
    const auto averages = LinesStartingWith(strong.out, "average seat ");
    ASSERT_EQ(averages.size(), 4u);
    EXPECT_FALSE(averages[0].ends_with(", strong"));
    EXPECT_TRUE(averages[1].ends_with(", strong"));
    EXPECT_FALSE(averages[2].ends_with(", strong"));
    EXPECT_TRUE(averages[3].ends_with(", strong"));
    for (const auto &line : Lines(strong.out))
        EXPECT_TRUE(IsTraceLine(line) || IsSummaryLine(line)) << line;
}

// A strong seat's gain is its average minus the standard chooser's average
// in the same seat on the same deals; only strong seats get a gain line.
TEST(SelfPlayTool, GainIsTheDifferenceToTheStandardRunOfTheSameSeed) {
    const ToolRun standard = RunTool("12 31");
    const ToolRun strong = RunTool("12 31 --strong 13 --rollouts 20");
    ASSERT_EQ(standard.exitCode, 0);
    ASSERT_EQ(strong.exitCode, 0);
    EXPECT_TRUE(LinesStartingWith(standard.out, "gain seat ").empty());
    const auto gains = LinesStartingWith(strong.out, "gain seat ");
    ASSERT_EQ(gains.size(), 2u);
    const auto averageOf = [](const ToolRun &run, int seat) {
        double average = 0;
        for (const auto &line : LinesStartingWith(run.out, "average seat " + std::to_string(seat)))
            std::sscanf(line.c_str(), "average seat %*d: %lf", &average);
        return average;
    };
    for (std::size_t i = 0; i < gains.size(); ++i) {
        const int seat = i == 0 ? 1 : 3;
        int printed = 0;
        double gain = 0, error = -1;
        ASSERT_EQ(std::sscanf(gains[i].c_str(),
                              "gain seat %d: %lf points per hand over the standard chooser, "
                              "standard error %lf",
                              &printed, &gain, &error),
                  3)
            << gains[i];
        EXPECT_EQ(printed, seat);
        EXPECT_NEAR(gain, averageOf(strong, seat) - averageOf(standard, seat), 2e-4);
        EXPECT_GE(error, 0);
    }
}

TEST(SelfPlayTool, AveragesAreTheScoresPerHand) {
    const ToolRun run = RunTool("40 3");
    ASSERT_EQ(run.exitCode, 0);
    const auto seats = LinesStartingWith(run.out, "seat ");
    const auto averages = LinesStartingWith(run.out, "average seat ");
    ASSERT_EQ(seats.size(), 4u);
    ASSERT_EQ(averages.size(), 4u);
    double sum = 0;
    for (int i = 0; i < 4; ++i) {
        long long score = 0;
        double average = 0;
        ASSERT_EQ(std::sscanf(seats[i].c_str(), "seat %*d: score %lld", &score), 1);
        ASSERT_EQ(std::sscanf(averages[i].c_str(), "average seat %*d: %lf", &average), 1);
        EXPECT_NEAR(average, score / 40.0, 1e-4);
        sum += average;
    }
    EXPECT_NEAR(sum, 0.0, 1e-3);
}

} // namespace
