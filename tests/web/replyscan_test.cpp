#include "web/ReplyScan.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace web;
using Texts = std::vector<std::string>;

Texts texts(const std::vector<std::string_view> &views) {
    return Texts(views.begin(), views.end());
}

struct StatusCase {
    std::string reply;
    std::string word;
    bool anywhere;      // hasStatusWord
    bool outsideRecord; // hasStatusWordOutsideRecord
};

TEST(ReplyScan, StatusWords) {
    const StatusCase cases[] = {
        {"ok", "ok", true, true},
        {"$ok$", "ok", true, true},
        {"Bookings", "ok", true, true}, // inside a longer word
        {"o k", "ok", false, false},
        {"", "ok", false, false},
        {"no", "no", true, true},
        {"$no$ error: unknown nick", "no", true, true},
        {"refused: no$Moscow$", "no", true, true},
        {"$Moscow 1-001$ no", "no", true, true},
        // the account's own data holding the letters is no refusal
        {"$Reno 3-034 3-034 M anon@mail.us 01.02.2020 xxx xxx xxx 5 0 0$", "no", true, false},
        {"$I know nothing~Smith$", "no", true, false},
        {"$Reno", "no", true, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(hasStatusWord(c.reply, c.word), c.anywhere);
        EXPECT_EQ(hasStatusWordOutsideRecord(c.reply, c.word), c.outsideRecord);
    }
}

TEST(ReplyScan, FirstRecord) {
    const struct {
        std::string reply;
        std::optional<std::string> record;
    } cases[] = {
        {"$Moscow 1-001$", "Moscow 1-001"},
        {"ok$a b$c d$", "a b"},
        {"$1234", "123"}, // no closing "$": the reply's last character is dropped
        {"$$", ""},
        {"$", std::nullopt},
        {"x$", std::nullopt},
        {"no", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        const auto record = firstRecord(c.reply);
        ASSERT_EQ(record.has_value(), c.record.has_value());
        if (record) {
            EXPECT_EQ(std::string(*record), *c.record);
        }
    }
}

TEST(ReplyScan, FieldsKeepEmptyPieces) {
    EXPECT_EQ(texts(splitFields("a b c", ' ')), (Texts{"a", "b", "c"}));
    EXPECT_EQ(texts(splitFields("a  c", ' ')), (Texts{"a", "", "c"}));
    EXPECT_EQ(texts(splitFields(" a", ' ')), (Texts{"", "a"}));
    EXPECT_EQ(texts(splitFields("", ' ')), (Texts{""}));
    EXPECT_EQ(texts(splitFields("Ann~~about me~", '~')), (Texts{"Ann", "", "about me", ""}));
}

TEST(ReplyScan, ListEntries) {
    std::string twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += "$" + std::to_string(i) + " x*";
    const struct {
        std::string reply;
        Texts entries;
    } cases[] = {
        {"$1 a*$2 b*", {"1 a", "2 b"}},
        {"$1 a*$2 b", {"1 a", "2 "}}, // without "*" one character before the end
        {"$1 a*$", {"1 a"}},          // a final "$" opens nothing
        {"header $1*\r\n$2*\r\n", {"1", "2"}},
        {"$*", {""}},
        {"*$", {}},
        {"no", {}},
        {twelve, {"1 x", "2 x", "3 x", "4 x", "5 x", "6 x", "7 x", "8 x", "9 x", "10 x"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(texts(listEntries(c.reply)), c.entries);
    }
    EXPECT_EQ(texts(listEntries("$a*$b*", 1)), (Texts{"a"}));
}

TEST(ReplyScan, LastNumber) {
    const struct {
        std::string reply;
        std::optional<int> number;
    } cases[] = {
        {"$17", 1}, // the last digit is taken for the closing character
        {"$17$", 17},
        {"$3$ $17$", 17},
        {"ok $007$", 7},
        {"$2147483647$", 2147483647},
        {"$2147483648$", std::nullopt}, // too large
        {"17$", std::nullopt},          // the only "$" is the last character
        {"$x$", std::nullopt},
        {"$-5$", std::nullopt},
        {"$$", std::nullopt},
        {"$17$ trailing", std::nullopt}, // the last "$" opens " trailing"
        {"", std::nullopt},
        {"1234", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(lastNumber(c.reply), c.number);
    }
}

TEST(ReplyScan, StatisticsAcknowledgement) {
    const struct {
        std::string reply;
        bool accepted;
    } cases[] = {
        {"$ ok#", true},  {"$1ok#", true}, {"$ ok", true}, {"$xok$", true},
        {"$ ok#$", true}, {"$ok#", false}, {"$ok", false}, {"ok", false},
        {"$ no#", false}, {"$", false},    {"", false},    {"$ o#k", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.reply);
        EXPECT_EQ(statisticsAccepted(c.reply), c.accepted);
    }
}

TEST(ReplyScan, Integers) {
    const struct {
        std::string text;
        std::optional<int> value;
    } cases[] = {
        {"12", 12},
        {"-3", -3},
        {"+4", 4},
        {"0", 0},
        {"-2147483648", -2147483647 - 1},
        {"2147483648", std::nullopt},
        {"", std::nullopt},
        {"-", std::nullopt},
        {"1 ", std::nullopt},
        {" 1", std::nullopt},
        {"1.5", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(toInteger(c.text), c.value);
    }
}

TEST(ReplyScan, Decimals) {
    const struct {
        std::string text;
        std::optional<double> value;
    } cases[] = {
        {"12.5", 12.5},
        {"12,5", 12.5},
        {"-2.117", -2.117},
        {"7", 7.0},
        {"", 0.0},
        {" 3.5 ", 3.5},
        {"1x5", 1.5},
        {"-0,25", -0.25},
        {"abc", std::nullopt},
        {"1.2.3", std::nullopt},
        {"-", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1.5e999", std::nullopt},
        {"1e5", 1.5},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const auto value = toDecimal(c.text);
        ASSERT_EQ(value.has_value(), c.value.has_value());
        if (value) {
            EXPECT_DOUBLE_EQ(*value, *c.value);
        }
    }
}

TEST(ReplyScan, DecimalsInRequests) {
    const struct {
        double value;
        std::string text;
    } cases[] = {
        {0.000001, "0"},
        {-0.000009, "0"},
        {0.0, "0"},
        {0.00001, "0.00001"},
        {12.5, "12.5"},
        {2.55, "2.55"},
        {-2.1166666666666667, "-2.11666666666667"},
        {1.0 / 3.0, "0.333333333333333"},
        {100.0, "100"},
        {123456.789, "123456.789"},
        {1e20, "1e+20"},
        {std::nan(""), "0"},
        {HUGE_VAL, "0"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(formatDecimal(c.value), c.text);
    }
}

// Qt programs run under the user's locale; a comma locale must not leak into
// the requests nor stop the replies from being read.
TEST(ReplyScan, DecimalsIgnoreTheLocale) {
    const char *comma = nullptr;
    for (const char *name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU"}) {
        if (std::setlocale(LC_NUMERIC, name)) {
            comma = name;
            break;
        }
    }
    if (!comma)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    EXPECT_EQ(formatDecimal(12.5), "12.5");
    EXPECT_EQ(toDecimal("12.5"), 12.5);
    std::setlocale(LC_NUMERIC, "C");
}

} // namespace
