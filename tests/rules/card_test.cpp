#include <gtest/gtest.h>

#include <set>

#include "rules/Card.h"

namespace quarn {
namespace {

struct NumberedCard {
    int number;
    const char *utf8;
    int suit;
    int rank;
    const char *bytes; // code page 1251
};

class CardNumbers : public ::testing::TestWithParam<NumberedCard> {};

TEST_P(CardNumbers, NumberCodeSuitAndRankAgree) {
    const NumberedCard &c = GetParam();
    const TStr2 card = CardFromNumber(c.number);
    EXPECT_EQ(CardToUtf8(card), c.utf8);
    EXPECT_EQ(card.Bytes(), std::string(c.bytes));
    EXPECT_EQ(ParseCard(card), (SuitRank{c.suit, c.rank}));
    EXPECT_EQ(MakeCard(c.suit, c.rank), card);
    EXPECT_EQ(CardNumber(card), c.number);
    EXPECT_EQ(CardFromUtf8(c.utf8), card);
}

INSTANTIATE_TEST_SUITE_P(Deck, CardNumbers,
                         ::testing::Values(NumberedCard{1, "6ч", kHearts, kSix, "6\xF7"},
                                           NumberedCard{2, "6б", kDiamonds, kSix, "6\xE1"},
                                           NumberedCard{3, "6к", kClubs, kSix, "6\xEA"},
                                           NumberedCard{4, "6п", kSpades, kSix, "6\xEF"},
                                           NumberedCard{5, "7ч", kHearts, kSeven, "7\xF7"},
                                           NumberedCard{14, "9б", kDiamonds, kNine, "9\xE1"},
                                           NumberedCard{17, "1ч", kHearts, kTen, "1\xF7"},
                                           NumberedCard{21, "Вч", kHearts, kJack, "\xC2\xF7"},
                                           NumberedCard{27, "Дк", kClubs, kQueen, "\xC4\xEA"},
                                           NumberedCard{32, "Кп", kSpades, kKing, "\xCA\xEF"},
                                           NumberedCard{36, "Тп", kSpades, kAce, "\xD2\xEF"}));

TEST(Cards, EveryNumberGivesADistinctCardThatRoundTrips) {
    std::set<std::string> seen;
    for (int n = 1; n <= kDeckSize; ++n) {
        const TStr2 card = CardFromNumber(n);
        ASSERT_TRUE(ParseCard(card)) << n;
        EXPECT_EQ(CardNumber(card), n);
        EXPECT_EQ(CardFromBytes(card.Bytes()), card);
        EXPECT_EQ(CardFromUtf8(CardToUtf8(card)), card);
        seen.insert(card.Bytes());
    }
    EXPECT_EQ(seen.size(), 36u);
}

TEST(Cards, OutOfRangeIndexesAndNumbersGiveTheEmptyCode) {
    const std::pair<int, int> badSuitRank[] = {{0, 1}, {5, 1}, {1, 0}, {1, 10}, {-1, -1}};
    for (const auto &[suit, rank] : badSuitRank)
        EXPECT_EQ(MakeCard(suit, rank), kEmptyCard) << suit << "," << rank;
    for (const int number : {0, 37, -5, 1000})
        EXPECT_EQ(CardFromNumber(number), kEmptyCard) << number;
}

TEST(Cards, BytesOutsideTheTablesAreNotCards) {
    const char *notCards[] = {"##",
                              "0\xF7",
                              "9x",
                              "9\xE0",
                              "A\xEF",
                              "\xF7"
                              "9",
                              "9\xC2",
                              "  "};
    for (const char *bytes : notCards) {
        const TStr2 card{bytes[0], bytes[1]};
        EXPECT_FALSE(ParseCard(card)) << bytes;
        EXPECT_EQ(CardNumber(card), 0) << bytes;
    }
}

TEST(Cards, RawBytesAreAcceptedOnlyAsACardOrTheEmptyCode) {
    EXPECT_EQ(CardFromBytes("##"), kEmptyCard);
    EXPECT_EQ(CardFromBytes("9\xE1"), kOpeningCard);
    for (const std::string_view bad : {"", "9", "9\xE1\xE1", "#9", "9#", "xx"}) {
        EXPECT_FALSE(CardFromBytes(bad)) << bad;
    }
}

TEST(Cards, Utf8TextIsAcceptedOnlyAsExactlyOneCard) {
    EXPECT_EQ(CardFromUtf8("##"), kEmptyCard);
    for (const std::string_view bad :
         {"", "9", "9б ", " 9б", "9бб", "бб", "99", "9b", "ВТ", "\xD0", "9\xD0"}) {
        EXPECT_FALSE(CardFromUtf8(bad)) << bad;
    }
}

TEST(Cards, EmptyCodeIsWrittenAsItselfAndGarbageAsQuestionMarks) {
    EXPECT_EQ(CardToUtf8(kEmptyCard), "##");
    EXPECT_EQ(CardToUtf8(TStr2{'9', 'x'}), "9?");
    EXPECT_EQ(CardToUtf8(TStr2{'\x01', '\xE1'}), "?б");
}

} // namespace
} // namespace quarn
