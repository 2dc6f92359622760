#include "store/Cp1251.h"
#include "web/FieldCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web::FieldVerdict;

struct CheckCase {
    std::string text; // UTF-8
    int mode;
    int expected;
};

void PrintTo(const CheckCase &c, std::ostream *os) {
    *os << '"' << c.text << "\" mode " << c.mode;
}

class FieldCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(FieldCheckTest, Verdict) {
    const auto &c = GetParam();
    EXPECT_EQ(web::FieldCheck(c.text, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Nick, FieldCheckTest,
                         testing::Values(CheckCase{"Player", 1, 3}, CheckCase{"Игрок", 1, 1},
                                         CheckCase{"A", 1, 1},     // a single character
                                         CheckCase{"Ab", 1, 3},    // two are enough
                                         CheckCase{"ab cd", 1, 1}, // the space
                                         CheckCase{"abcdefghijkl", 1, 3},
                                         CheckCase{"abcdefghijklm", 1, 1},
                                         CheckCase{"a!(),-.@_9", 1, 3}, CheckCase{"", 1, 1}));

INSTANTIATE_TEST_SUITE_P(
    City, FieldCheckTest,
    testing::Values(CheckCase{"Игрок", 2, 2}, CheckCase{"Ёлкино", 2, 2}, CheckCase{"ёж", 2, 2},
                    CheckCase{"Ж", 2, 1}, CheckCase{"abcdefghijklmno", 2, 3},
                    CheckCase{"abcdefghijklmnop", 2, 1},
                    // 15 Cyrillic letters are 30 bytes in UTF-8 but 15 characters
                    CheckCase{"Петропавловская", 2, 2}, CheckCase{"New York", 2, 1},
                    CheckCase{"北京", 2, 1},
                    CheckCase{"Дом№5", 2, 1})); // "№" is in code page 1251 but not allowed

INSTANTIATE_TEST_SUITE_P(Password, FieldCheckTest,
                         testing::Values(CheckCase{"abc", 3, 1}, CheckCase{"abcd", 3, 3},
                                         CheckCase{"abcdefghijkl", 3, 3},
                                         CheckCase{"abcdefghijklm", 3, 1},
                                         CheckCase{"пароль", 3, 1}, CheckCase{"ab#cd", 3, 1},
                                         CheckCase{"ab$cd", 3, 1}, CheckCase{"ab&cd", 3, 1}));

INSTANTIATE_TEST_SUITE_P(EMail, FieldCheckTest,
                         testing::Values(CheckCase{"a@b", 4, 3}, CheckCase{"@ab", 4, 1},
                                         CheckCase{"ab@", 4, 1}, CheckCase{"ab", 4, 1},
                                         CheckCase{"a@@", 4, 3}, CheckCase{"me@example.com", 4, 3},
                                         CheckCase{"я@example.com", 4, 1},
                                         CheckCase{"a@" + std::string(28, 'b'), 4, 3},
                                         CheckCase{"a@" + std::string(29, 'b'), 4, 1},
                                         CheckCase{"a@b c", 4, 1}));

INSTANTIATE_TEST_SUITE_P(TypedCharAndOddModes, FieldCheckTest,
                         testing::Values(CheckCase{"a", 0, 3}, CheckCase{"7", 0, 3},
                                         CheckCase{"Ж", 0, 2}, CheckCase{" ", 0, 1},
                                         CheckCase{"&", 0, 1}, CheckCase{"$", 0, 1},
                                         CheckCase{"#", 0, 1}, CheckCase{"*", 0, 1},
                                         CheckCase{"~", 0, 1}, CheckCase{"=", 0, 1},
                                         CheckCase{"", 0, 1}, CheckCase{"\xFF", 0, 1}, // not UTF-8
                                         CheckCase{"Player", 5, 1}, CheckCase{"Player", -1, 1}));

class PassportCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(PassportCheckTest, Verdict) {
    const auto &c = GetParam();
    EXPECT_EQ(web::PassportCheck(c.text, c.mode), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PassportCheckTest,
                         testing::Values(CheckCase{"Игрок", 1, 2}, CheckCase{"Игрок", 2, 2},
                                         CheckCase{"Player", 1, 3}, CheckCase{"a@b", 1, 3},
                                         CheckCase{"A", 1, 1}, CheckCase{"a b", 1, 1},
                                         CheckCase{"abcdefghijklm", 1, 1},
                                         CheckCase{"abcdefghijklmno", 2, 3}, CheckCase{"Ж", 0, 2},
                                         CheckCase{"", 2, 1},
                                         // only the passport's modes
                                         CheckCase{"abcd", 3, 1}, CheckCase{"a@b", 4, 1}));

// The code-page-1251 entry sees the bytes as they travel.
TEST(FieldCheckCp1251, ClassesOfSingleBytes) {
    struct ByteCase {
        unsigned char byte;
        int expected;
    };
    const ByteCase cases[] = {
        {0xC0, 2}, {0xFF, 2}, {0xA8, 2}, {0xB8, 2}, // А, я, Ё, ё
        {0xA0, 1}, {0xB9, 1}, {0x98, 1}, {0xBF, 1}, // no-break space, №, unmapped, ї
        {0x00, 1}, {'\t', 1}, {'_', 3},  {'@', 3},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.byte));
        const std::string text(1, static_cast<char>(c.byte));
        EXPECT_EQ(web::FieldCheckCp1251(text, 0), c.expected);
    }
    EXPECT_EQ(web::FieldCheckCp1251("\xC8\xE3\xF0\xEE\xEA", 2), 2);
    EXPECT_EQ(web::PassportCheckCp1251("\xC8\xE3\xF0\xEE\xEA", 1), 2);
    EXPECT_EQ(web::FieldCheckCp1251(std::string("ab\0cd", 5), 1), 1);
}

TEST(Cp1251, ConvertsBothWays) {
    EXPECT_EQ(quarn::utf8ToCp1251("Ёё№ Игрок"), std::string("\xA8\xB8\xB9 \xC8\xE3\xF0\xEE\xEA"));
    EXPECT_FALSE(quarn::utf8ToCp1251("北京").has_value());
    EXPECT_FALSE(quarn::utf8ToCp1251("\xC3").has_value()); // cut UTF-8 sequence
    EXPECT_EQ(quarn::utf8ToCp1251(""), std::string());

    std::string every;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98)
            every += static_cast<char>(b);
    EXPECT_EQ(quarn::utf8ToCp1251(quarn::cp1251ToUtf8(every)), every);
    EXPECT_EQ(quarn::cp1251ToUtf8("a\x98z"), "a?z"); // the one byte without a character
}

} // namespace
