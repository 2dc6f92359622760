// The reader of the game-server stream as byte tables: frames joined in one
// read, split over reads, a deal among them, and every message of both
// directions.
#include "net/tour/TourReader.h"

#include "net/lan/LanProtocol.h"
#include "net/tour/TourProtocol.h"

#include <gtest/gtest.h>

namespace quarn::tour {
namespace {

std::string DealBytes(std::uint64_t seed, Deck *deck = nullptr) {
    DeckRandom random(seed);
    const Deck d = ShuffleDeck(random);
    if (deck)
        *deck = d;
    return lan::DealMessage(d);
}

std::vector<TourKind> Kinds(const std::vector<TourMessage> &messages) {
    std::vector<TourKind> kinds;
    for (const TourMessage &m : messages)
        kinds.push_back(m.kind);
    return kinds;
}

TEST(TourReader, EveryMessageOfBothDirections) {
    struct Case {
        std::string bytes;
        TourKind kind;
        int role;
        int slot;
        std::string text;
    };
    const Case cases[] = {
        {Frame("hbegin", 1), TourKind::Begin, 1, 0, ""},
        {Frame("hhod07", 3), TourKind::Move, 3, 7, ""},
        {Frame("hhodxy", 3), TourKind::Move, 3, 0, ""},
        {Frame("hpass0", 2), TourKind::Pass, 2, 0, ""},
        {Frame("hitogs", 1), TourKind::Settlement, 1, 0, ""},
        {Frame("shi", 3), TourKind::Chat, 3, 0, "hi"},
        {Frame("s", 4), TourKind::Chat, 4, 0, ""},
        {Frame("TOut", 2), TourKind::TimeOut, 2, 0, ""},
        {Frame("end", 0), TourKind::GameOver, 0, 0, ""},
        {Frame("aleft4", 0), TourKind::Left, 4, 0, ""},
        {Frame("aleftx", 0), TourKind::Left, 0, 0, ""},
        {Frame("connect2", 2), TourKind::Connect, 2, 0, ""},
        {Frame("disA", 3), TourKind::LeaveSeat, 3, 0, ""},
        {Frame("o   12   -4   -6   -2", 1), TourKind::Scores, 1, 0, ""},
        {Frame("o   1x", 1), TourKind::Unknown, 1, 0, ""},
        {Frame("zzz", 1), TourKind::Unknown, 1, 0, ""},
    };
    for (const Case &c : cases) {
        TourReader reader;
        const auto messages = reader.Feed(c.bytes);
        ASSERT_EQ(messages.size(), 1u) << c.bytes;
        EXPECT_EQ(messages[0].kind, c.kind) << c.bytes;
        EXPECT_EQ(messages[0].role, c.role) << c.bytes;
        EXPECT_EQ(messages[0].slot, c.slot) << c.bytes;
        EXPECT_EQ(messages[0].text, c.text) << c.bytes;
        EXPECT_EQ(messages[0].bytes, c.bytes);
    }
    const TourMessage scores = TourReader::Decode(Frame("o   12   -4   -6   -2", 1));
    EXPECT_EQ(scores.scores, (std::array<std::int32_t, 5>{0, 12, -4, -6, -2}));
}

TEST(TourReader, ChatFrameOfRoleThree) {
    // "s", a two-letter text, 46 "#" and the digit 3.
    const std::string bytes = "sok" + std::string(46, '#') + "3";
    ASSERT_EQ(bytes.size(), 50u);
    TourReader reader;
    const auto messages = reader.Feed(bytes);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, TourKind::Chat);
    EXPECT_EQ(messages[0].role, 3);
    EXPECT_EQ(messages[0].text, "ok");
}

TEST(TourReader, ChatTextWithGameWordsIsNeverAGameMessage) {
    TourReader reader;
    const auto messages = reader.Feed(Frame("shhod01 b hitogs", 2));
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].kind, TourKind::Chat);
    EXPECT_EQ(messages[0].text, "hhod01 b hitogs");
}

TEST(TourReader, TwoFramesAndADealInOneRead) {
    Deck deck{};
    const std::string chunk = Frame("shi", 2) + Frame("hpass0", 4) + DealBytes(3, &deck);
    TourReader reader;
    const auto messages = reader.Feed(chunk);
    EXPECT_EQ(Kinds(messages), (std::vector{TourKind::Chat, TourKind::Pass, TourKind::Deal}));
    EXPECT_EQ(messages[2].deck, deck);
    EXPECT_EQ(reader.Pending(), 0u);
}

TEST(TourReader, FramesAfterADealAreReadToo) {
    const std::string chunk = DealBytes(4) + Frame("hbegin", 1) + Frame("hhod01", 1);
    TourReader reader;
    EXPECT_EQ(Kinds(reader.Feed(chunk)),
              (std::vector{TourKind::Deal, TourKind::Begin, TourKind::Move}));
}

TEST(TourReader, MessagesSplitOverReadsWaitForTheirRest) {
    const std::string stream = Frame("hbegin", 1) + DealBytes(5) + Frame("TOut", 3);
    // Every split point gives the same three messages.
    for (std::size_t cut = 1; cut < stream.size(); cut += 7) {
        TourReader reader;
        auto first = reader.Feed(std::string_view(stream).substr(0, cut));
        const auto second = reader.Feed(std::string_view(stream).substr(cut));
        first.insert(first.end(), second.begin(), second.end());
        EXPECT_EQ(Kinds(first), (std::vector{TourKind::Begin, TourKind::Deal, TourKind::TimeOut}))
            << "cut at " << cut;
        EXPECT_EQ(reader.Pending(), 0u);
    }
}

TEST(TourReader, ADamagedDealIsUnknownAndTheNextFrameIsStillRead) {
    std::string deal = DealBytes(6);
    deal[3] = deal[1]; // a card twice
    deal[4] = deal[2];
    TourReader reader;
    EXPECT_EQ(Kinds(reader.Feed(deal + Frame("hbegin", 1))),
              (std::vector{TourKind::Unknown, TourKind::Begin}));
}

// Another hand's card may travel masked ("??", rank digit 0); the own nine
// must be real cards, and a masked code needs its 0 digit.
TEST(TourReader, AMaskedDealKeepsItsUnknownCards) {
    Deck deck{};
    const std::string whole = DealBytes(8, &deck);
    const auto masked = [&](int from, int to, char digit) {
        std::string deal = whole;
        for (int i = from; i <= to; ++i) {
            deal.replace(std::size_t(2 * i - 1), 2, "??");
            deal[std::size_t(72 + i)] = digit;
        }
        return deal;
    };
    const struct {
        const char *what;
        std::string deal;
        bool read;
    } cases[] = {
        {"the last 27 masked", masked(10, 36, '0'), true},
        {"28 masked: fewer than nine known", masked(9, 36, '0'), false},
        {"a masked card with a rank digit", masked(10, 10, '5'), false},
    };
    for (const auto &c : cases) {
        TourReader reader;
        const auto messages = reader.Feed(c.deal);
        ASSERT_EQ(messages.size(), 1u) << c.what;
        EXPECT_EQ(messages[0].kind == TourKind::Deal, c.read) << c.what;
        if (c.read) {
            EXPECT_EQ(messages[0].deck[1], deck[1]) << c.what;
            EXPECT_EQ(messages[0].deck[10].card, kUnknownCard) << c.what;
        }
    }
    // A passed-on move carries its card after the slot.
    TourReader reader;
    const auto move = reader.Feed(Frame(MovePayload(3, kOpeningCard), 2));
    ASSERT_EQ(move.size(), 1u);
    EXPECT_EQ(move[0].slot, 3);
    EXPECT_EQ(move[0].card, kOpeningCard);
    EXPECT_EQ(reader.Feed(Frame("hhod03", 2))[0].card, kEmptyCard);
}

} // namespace
} // namespace quarn::tour
