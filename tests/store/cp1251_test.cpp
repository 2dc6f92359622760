// Text into code page 1251 whatever it holds: broken UTF-8 becomes one '?'
// per byte and never swallows the character after it; the line form also
// turns control characters into '?'.
#include "store/Cp1251.h"

#include <gtest/gtest.h>

#include <string>

using namespace quarn;

namespace {

struct LengthCase {
    const char *what;
    std::string text;
    size_t length;
};

class Utf8Length : public ::testing::TestWithParam<LengthCase> {};

TEST_P(Utf8Length, TakesOnlyWellFormedCharactersWhole) {
    EXPECT_EQ(utf8CharacterLength(GetParam().text), GetParam().length);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Length,
                         ::testing::Values(LengthCase{"Empty", "", 0}, LengthCase{"Ascii", "Ab", 1},
                                           LengthCase{"TwoBytes", "\xD0\x98x", 2},
                                           LengthCase{"ThreeBytes", "\xE2\x82\xAC", 3},
                                           LengthCase{"FourBytes", "\xF0\x9F\x82\xA1", 4},
                                           LengthCase{"LeadBeforeAscii",
                                                      "\xC3"
                                                      "A",
                                                      1},
                                           LengthCase{"CutAtTheEnd", "\xE2\x82", 1},
                                           LengthCase{"StrayContinuation", "\x80\x80", 1},
                                           LengthCase{"OverlongTwo", "\xC0\xAF", 1},
                                           LengthCase{"OverlongThree", "\xE0\x80\xAF", 1},
                                           LengthCase{"Surrogate", "\xED\xA0\x80", 1},
                                           LengthCase{"PastTheLastCodePoint", "\xF4\x90\x80\x80",
                                                      1},
                                           LengthCase{"NoLeadAtAll", "\xFF", 1}),
                         [](const auto &info) { return std::string(info.param.what); });

struct LossyCase {
    const char *what;
    std::string utf8;
    std::string lossy; // utf8ToCp1251Lossy
    std::string line;  // utf8ToCp1251Line
};

class Cp1251Lossy : public ::testing::TestWithParam<LossyCase> {};

TEST_P(Cp1251Lossy, GivesOneBytePerCharacterAndQuestionMarksForTheRest) {
    EXPECT_EQ(utf8ToCp1251Lossy(GetParam().utf8), GetParam().lossy);
    EXPECT_EQ(utf8ToCp1251Line(GetParam().utf8), GetParam().line);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Cp1251Lossy,
    ::testing::Values(LossyCase{"Writable", "Иван A", "\xC8\xE2\xE0\xED A", "\xC8\xE2\xE0\xED A"},
                      LossyCase{"CharacterTheCodePageLacks", "a\xE2\x9C\x93z", "a?z", "a?z"},
                      // The broken lead byte must not take the letter after it along.
                      LossyCase{"BrokenLeadKeepsTheNextLetter",
                                "\xD0"
                                "A\xD0\x98",
                                "?A\xC8", "?A\xC8"},
                      LossyCase{"EveryBrokenByteIsOneMark", "x\x80\x80y", "x??y", "x??y"},
                      LossyCase{"CutAtTheEnd", "ab\xE2\x82", "ab??", "ab??"},
                      LossyCase{"Surrogate", "\xED\xA0\x80.", "???.", "???."},
                      LossyCase{"ControlCharactersOnlyInLines", "a\r\nb\x7F", "a\r\nb\x7F",
                                "a??b?"}),
    [](const auto &info) { return std::string(info.param.what); });

} // namespace
