#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "opponent/HandKnowledge.h"
#include "opponent/StrongOpponent.h"
#include "tests/rules/GameBuilder.h"

namespace quarn {
namespace {

using test::C;

CardSet Set(const std::string &utf8List) {
    CardSet cards = 0;
    for (const TStr2 card : test::Cards(utf8List))
        cards |= CardSet{1} << CardBitOf(card);
    return cards;
}

TEST(HandKnowledge, APassRulesOutWhatFitTheTableThen) {
    HandKnowledge knowledge;
    knowledge.NotePass(Set("9б"), 2, 3);
    EXPECT_EQ(knowledge.Excluded(3), Set("9ч 9к 9п 8б 1б"));
    // A later pass adds what fits then; nothing is forgotten.
    knowledge.NotePass(Set("9б 8б 9ч 1ч"), 5, 3);
    EXPECT_EQ(knowledge.Excluded(3), Set("9ч 9к 9п 8б 1б 7б 8ч Вч"));
    EXPECT_EQ(knowledge.Excluded(1), 0u);
    // Seats outside 1..4 are ignored.
    knowledge.NotePass(Set("9б"), 2, 0);
    knowledge.NotePass(Set("9б"), 2, 5);
    EXPECT_EQ(knowledge.Excluded(5), 0u);
    knowledge.Reset();
    EXPECT_EQ(knowledge, HandKnowledge{});
}

TEST(HandKnowledge, RecordsThePlaysInOrderOnceEach) {
    HandKnowledge knowledge;
    knowledge.NotePlay(2, C("9б"));
    knowledge.NotePlay(3, CardBitOf(C("9ч")));
    knowledge.NotePlay(3, C("9б"));    // already played: a driver's slip
    knowledge.NotePlay(5, C("8б"));    // no such seat
    knowledge.NotePlay(1, kEmptyCard); // not a card
    knowledge.NotePlay(1, 36);         // not a card
    ASSERT_EQ(knowledge.PlayCount(), 2);
    EXPECT_EQ(knowledge.Play(0), (PlayedCard{2, static_cast<std::uint8_t>(CardBitOf(C("9б")))}));
    EXPECT_EQ(knowledge.Play(1), (PlayedCard{3, static_cast<std::uint8_t>(CardBitOf(C("9ч")))}));
    knowledge.Reset();
    EXPECT_EQ(knowledge.PlayCount(), 0);
}

TEST(HandKnowledge, ReadsTheTableOfAGameRecord) {
    const GameState game = test::PlayingState({"6ч", "7ч", "8ч", "Тп"}, "9б 9п 1п Вп Дп Кп", 3);
    HandKnowledge knowledge;
    knowledge.NotePass(game, 3);
    EXPECT_EQ(knowledge.Excluded(3), Set("9ч 9к 8б 1б 8п Тп"));
}

struct PassNote {
    int seat;
    const char *table; // the table when the seat passed
};

struct SamplerCase {
    const char *name;
    int seat;
    const char *own;
    const char *table;
    std::array<int, 4> counts; // seats 1..4
    std::vector<PassNote> passes;
    bool agrees;
    // Cards whose holder the passes settle: "card seat" pairs.
    std::vector<std::pair<const char *, int>> forced;
};

class DealSamplerCase : public ::testing::TestWithParam<SamplerCase> {};

TEST_P(DealSamplerCase, EveryDealAgreesWithWhatTheSeatKnows) {
    const SamplerCase &c = GetParam();
    SeatView view;
    view.seat = c.seat;
    view.own = Set(c.own);
    view.table = Set(c.table);
    for (int seat = 1; seat <= kSeatCount; ++seat)
        view.cardCount[seat] = c.counts[seat - 1];
    view.moveNumber = CardCountOf(view.table) + 1;
    HandKnowledge knowledge;
    for (const PassNote &note : c.passes)
        knowledge.NotePass(Set(note.table), CardCountOf(Set(note.table)) + 1, note.seat);

    const DealSampler sampler(view, knowledge);
    ASSERT_TRUE(sampler.Valid());
    EXPECT_EQ(sampler.AgreesWithPasses(), c.agrees);

    const CardSet unseen = kAllCards & ~view.own & ~view.table;
    OpponentRandom random(7);
    // How often each unseen card went to each seat.
    std::map<std::pair<int, int>, int> seen;
    constexpr int kDeals = 3000;
    for (int deal = 0; deal < kDeals; ++deal) {
        const PerSeat<CardSet> hands = sampler.Sample(random);
        ASSERT_EQ(hands[c.seat], view.own);
        CardSet all = 0;
        for (int seat = 1; seat <= kSeatCount; ++seat) {
            ASSERT_EQ(CardCountOf(hands[seat]), view.cardCount[seat]) << "seat " << seat;
            ASSERT_EQ(all & hands[seat], 0u) << "a card dealt twice";
            all |= hands[seat];
            if (c.agrees && seat != c.seat) {
                ASSERT_EQ(hands[seat] & knowledge.Excluded(seat), 0u) << "seat " << seat;
            }
            for (CardSet rest = hands[seat]; rest != 0; rest &= rest - 1)
                ++seen[{LowestBit(rest), seat}];
        }
        ASSERT_EQ(all, unseen | view.own);
    }
    for (const auto &[card, seat] : c.forced)
        EXPECT_EQ((seen[{CardBitOf(C(card)), seat}]), kDeals) << card << " to seat " << seat;
    // Nothing more is ruled out than the passes prove: every card reaches
    // every other seat that may hold it and has room.
    if (c.agrees) {
        for (CardSet rest = unseen; rest != 0; rest &= rest - 1) {
            const int bit = LowestBit(rest);
            int mayHold = 0;
            for (int seat = 1; seat <= kSeatCount; ++seat)
                mayHold += seat != c.seat && view.cardCount[seat] > 0 &&
                           ((knowledge.Excluded(seat) >> bit) & 1u) == 0;
            for (int seat = 1; seat <= kSeatCount; ++seat) {
                const bool may = seat != c.seat && view.cardCount[seat] > 0 &&
                                 ((knowledge.Excluded(seat) >> bit) & 1u) == 0;
                if (may && mayHold > 1 && c.forced.empty()) {
                    EXPECT_GT((seen[{bit, seat}]), 0) << CardToUtf8(CardOfBit(bit)) << seat;
                }
            }
        }
    }
}

// Early in a hand: seat 4 has not played yet.
constexpr const char *kEarlyOwn = "6ч 7ч Кк Тк 8б 7б 6б Кп Тп";
constexpr const char *kLateTable =
    "9б 8б 7б 1б Вб Дб Кб 9ч 1ч Вч Дч Кч Тч 9п 8п 7п 6п 1п Вп Дп Кп 9к 8к 7к 1к Вк Дк Кк";

INSTANTIATE_TEST_SUITE_P(
    Situations, DealSamplerCase,
    ::testing::Values(
        SamplerCase{"NoPasses", 4, kEarlyOwn, "9б 9ч 9к", {8, 8, 8, 9}, {}, true, {}},
        // Seat 1 passed on the four nines: it holds none of the cards next
        // to them that are still out.
        SamplerCase{"OnePass", 4, kEarlyOwn, "9б 9ч 9к", {8, 8, 8, 9}, {{1, "9б 9ч 9к"}}, true, {}},
        // Two seats passed on the same table: the cards that fit it can
        // only lie with the third.
        SamplerCase{"TwoSeatsPassedSoTheThirdHoldsThem",
                    1,
                    "6ч 7ч Кк Тк 7б 6б Кп Тп",
                    "9б 9ч 9к 9п 8б",
                    {8, 8, 8, 7},
                    {{2, "9б 9ч 9к 9п"}, {3, "9б 9ч 9к 9п"}},
                    true,
                    {{"8ч", 4}, {"8к", 4}, {"1к", 4}, {"1б", 4}, {"8п", 4}, {"1п", 4}, {"1ч", 4}}},
        // Late in a hand: seat 1 holds one card and passed on the present
        // table, so its card is the one that did not fit: the seven of hearts.
        SamplerCase{"ThePassNamesTheLastCard",
                    4,
                    "8ч 6ч Тп",
                    kLateTable,
                    {1, 2, 2, 3},
                    {{1, kLateTable}},
                    true,
                    {{"7ч", 1}}},
        // Passes that cannot all be true (seat 2 holds two cards but is
        // ruled out of all but one): the sampler deals by the counts alone.
        SamplerCase{"PassesThatContradictTheCounts",
                    4,
                    "8ч 6ч Тп",
                    kLateTable,
                    {1, 2, 2, 3},
                    {{1, kLateTable}, {2, kLateTable}, {3, kLateTable}},
                    false,
                    {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(DealSampler, EveryAllowedDealIsEquallyLikely) {
    // Three unseen cards, one to each other seat. Seat 1 passed while the six
    // of hearts fitted and the aces of clubs and diamonds did not yet, so
    // four of the six deals remain.
    SeatView view;
    view.seat = 4;
    view.own = Set("Тп Тч");
    view.table = kAllCards & ~Set("6ч Тк Тб Тп Тч");
    view.cardCount = {0, 1, 1, 1, 2};
    view.moveNumber = CardCountOf(view.table) + 1;
    HandKnowledge knowledge;
    knowledge.NotePass(view.table & ~Set("Кк Кб"), view.moveNumber - 2, 1);
    const DealSampler sampler(view, knowledge);
    ASSERT_TRUE(sampler.Valid());
    ASSERT_TRUE(sampler.AgreesWithPasses());
    OpponentRandom random(99);
    std::map<std::pair<CardSet, CardSet>, int> deals;
    constexpr int kDeals = 8000;
    for (int i = 0; i < kDeals; ++i) {
        const auto hands = sampler.Sample(random);
        ASSERT_NE(hands[1], Set("6ч"));
        ++deals[{hands[1], hands[2]}];
    }
    ASSERT_EQ(deals.size(), 4u);
    for (const auto &[deal, count] : deals)
        EXPECT_NEAR(count, kDeals / 4, kDeals / 20);
}

TEST(DealSampler, RefusesAViewWhoseCountsDoNotFit) {
    SeatView view;
    view.seat = 4;
    view.own = Set("9б");
    view.cardCount = {0, 9, 9, 9, 2}; // 35 unseen, only 27 held by the others
    EXPECT_FALSE(DealSampler(view, HandKnowledge{}).Valid());
    view.seat = 0;
    EXPECT_FALSE(DealSampler(view, HandKnowledge{}).Valid());
}

TEST(OpponentRandom, TheSameSeedGivesTheSameNumbersOnEveryMachine) {
    OpponentRandom random(1);
    // Fixed by the algorithm (splitmix64 seeding, xoshiro256**).
    const std::uint64_t first = random.Next();
    OpponentRandom again(1);
    EXPECT_EQ(again.Next(), first);
    OpponentRandom other(2);
    EXPECT_NE(other.Next(), first);
    for (std::uint64_t bound : {1ull, 2ull, 7ull, 1ull << 40, ~0ull}) {
        for (int i = 0; i < 100; ++i)
            EXPECT_LT(random.Below(bound), bound);
    }
}

} // namespace
} // namespace quarn
