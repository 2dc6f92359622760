// The reader of words.tsv: every kind of damage is reported with its line, and
// sound lines are read with their escapes expanded.

#include "lang/gen/WordsFile.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using quarn::words::File;
using quarn::words::parse;

const std::string header = std::string(quarn::words::headerLine) + "\n";

std::string row(const std::string &id, const std::string &text) {
    std::string line = id;
    for (int i = 0; i < 10; ++i)
        line += "\t" + text;
    return line + "\n";
}

File parseText(const std::string &text) {
    std::istringstream in(text);
    return parse(in);
}

struct Damage {
    const char *name;
    std::string content;
    const char *expected; // part of the first error
};

class WordsFileDamage : public testing::TestWithParam<Damage> {};

TEST_P(WordsFileDamage, IsReportedWithItsLine) {
    File file = parseText(GetParam().content);
    ASSERT_FALSE(file.ok());
    EXPECT_NE(file.errors.front().find(GetParam().expected), std::string::npos)
        << file.errors.front();
}

std::string withCell(const std::string &cell) {
    return "Id\t" + cell + "\tb\tc\td\te\tf\tg\th\ti\tj\n";
}

INSTANTIATE_TEST_SUITE_P(
    Damages, WordsFileDamage,
    testing::Values(
        Damage{"EmptyFile", "", "line 1: the file is empty"},
        Damage{"WrongHeader", "id\ten\tru\n" + row("A", "x"), "line 1: the header"},
        Damage{"HeaderWithBom", "\xEF\xBB\xBF" + header, "line 1: the header"},
        Damage{"TooFewColumns", header + "A\tx\ty\n", "line 2: has 3 columns instead of 11"},
        Damage{"TooManyColumns", header + "A\t1\t2\t3\t4\t5\t6\t7\t8\t9\t10\t11\n",
               "line 2: has 12 columns"},
        Damage{"BlankLine", header + row("A", "x") + "\n" + row("B", "y"), "line 3: has 1 columns"},
        Damage{"EmptyCell", header + withCell(""), "column en of Id is empty"},
        Damage{"PlaceholderLostInATranslation", header + withCell("Player %1 left"),
               "line 2: Id: every column must hold \"%1\" once"},
        Damage{"PlaceholderOnlyInATranslation", header + "Id\ta\tb\tc\td\t%1 e\tf\tg\th\ti\tj\n",
               "must hold \"%1\""},
        Damage{"PlaceholderTwice", header + row("Id", "%1 and %1"), "must hold \"%1\" once"},
        Damage{"BlankCell", header + withCell("   "), "column en of Id is empty"},
        Damage{"CarriageReturnLineEnd", header + "A\ta\tb\tc\td\te\tf\tg\th\ti\tj\r\n",
               "line 2: column ko holds a control character"},
        Damage{"UnknownEscape", header + withCell("a\\qb"), "column en holds an unknown escape"},
        Damage{"TrailingBackslash", header + withCell("ab\\"), "unknown escape"},
        Damage{"IdWithBlank", header + row("Main Exit", "x"), "is not an identifier"},
        Damage{"IdStartingWithDigit", header + row("1Exit", "x"), "is not an identifier"},
        Damage{"DuplicateId", header + row("A", "x") + row("A", "y"),
               "line 3: the id A is used twice"},
        Damage{"BrokenUtf8", header + withCell("\xD0"), "line 2: not valid UTF-8"},
        Damage{"OverlongUtf8", header + withCell("\xC0\xAF"), "not valid UTF-8"},
        Damage{"Utf8Surrogate", header + withCell("\xED\xA0\x80"), "not valid UTF-8"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(WordsFile, ReadsSoundLinesAndKeepsGoingAfterABadOne) {
    File file = parseText(header + row("First", "one") + "Broken\tx\n" + row("Second", "two"));
    ASSERT_EQ(file.errors.size(), 1u);
    ASSERT_EQ(file.rows.size(), 2u);
    EXPECT_EQ(file.rows[0].id, "First");
    EXPECT_EQ(file.rows[0].line, 2);
    EXPECT_EQ(file.rows[1].id, "Second");
    EXPECT_EQ(file.rows[1].line, 4);
    EXPECT_EQ(file.rows[1].texts[9], "two");
}

TEST(WordsFile, KeepsLeadingAndTrailingBlanksAndTheLastLineWithoutNewline) {
    std::string text = header + "Heading\t Games  \tb\tc\td\te\tf\tg\th\ti\tj";
    File file = parseText(text);
    ASSERT_TRUE(file.ok()) << file.errors.front();
    ASSERT_EQ(file.rows.size(), 1u);
    EXPECT_EQ(file.rows[0].texts[0], " Games  ");
    EXPECT_EQ(file.rows[0].texts[9], "j");
}

TEST(WordsFile, AcceptsOnePlaceholderInEveryColumn) {
    File file = parseText(header + row("Left", "%1 left") + row("Plain", "100% sure"));
    ASSERT_TRUE(file.ok()) << file.errors.front();
    EXPECT_EQ(file.rows.size(), 2u);
}

TEST(WordsFile, ExpandsEscapes) {
    struct Case {
        const char *cell;
        const char *expanded;
    };
    const Case cases[] = {
        {"plain", "plain"},
        {"first\\n\\rsecond", "first\n\rsecond"},
        {"a\\tb", "a\tb"},
        {"back\\\\slash", "back\\slash"},
        {"\\\\n stays text", "\\n stays text"},
        {"\"quoted\"", "\"quoted\""},
    };
    for (const Case &c : cases) {
        std::string out;
        ASSERT_TRUE(quarn::words::expandEscapes(c.cell, out)) << c.cell;
        EXPECT_EQ(out, c.expanded) << c.cell;
    }
}

TEST(WordsFile, DisplayWidthCountsWideCharactersTwice) {
    struct Case {
        const char *text;
        std::size_t width;
    };
    const Case cases[] = {
        {"", 0},       {" Score ", 7}, {"Очки", 4}, {"Čeština", 7},   {"得分", 4},
        {"レート", 6}, {"레이팅", 6},  {"ＡＢ", 4}, {"e\xCC\x81", 1}, // e + combining acute accent
    };
    for (const Case &c : cases)
        EXPECT_EQ(quarn::words::displayWidth(c.text), c.width) << c.text;
}

} // namespace
