// The stream reader: messages split over reads or joined in one, chat lines
// that end with their read, deals, and garbage that must neither crash nor
// swallow the valid messages after it.
#include "net/lan/LanReader.h"

#include <gtest/gtest.h>

namespace quarn::lan {
namespace {

Deck SeededDeck(std::uint64_t seed) {
    DeckRandom random(seed);
    return ShuffleDeck(random);
}

// The messages of all the reads, each message as its bytes.
std::vector<std::string> Read(LanSide side, const std::vector<std::string> &reads) {
    LanReader reader(side);
    std::vector<std::string> out;
    for (const std::string &chunk : reads) {
        for (const LanMessage &m : reader.Feed(chunk))
            out.push_back(m.bytes);
    }
    return out;
}

std::vector<LanMessage> ReadOnce(LanSide side, std::string_view bytes) {
    LanReader reader(side);
    return reader.Feed(bytes);
}

WireNames SampleNames() {
    WireNames names;
    names[1] = "Cleo";
    names[2] = "Bob ";
    names[3] = "PC  ";
    names[4] = "Anna";
    return names;
}

TEST(LanReader, ReadsEachMessageWithItsFields) {
    const Deck deck = SeededDeck(3);
    {
        const auto m = ReadOnce(LanSide::Host, "wem4625connect1Bob ");
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].kind, LanKind::Hello);
        EXPECT_EQ(m[0].name, "Bob ");
    }
    {
        const auto m = ReadOnce(LanSide::Client, AssignmentMessage(3, SampleNames()));
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].kind, LanKind::Assignment);
        EXPECT_EQ(m[0].role, 3);
        EXPECT_EQ(m[0].names, SampleNames());
    }
    {
        const auto m = ReadOnce(LanSide::Client, UpdateMessage(3, SampleNames()));
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].kind, LanKind::Update);
        EXPECT_EQ(m[0].role, 3);
        EXPECT_EQ(m[0].names, SampleNames());
    }
    {
        const auto m = ReadOnce(LanSide::Client, DealMessage(deck));
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].kind, LanKind::Deal);
        EXPECT_EQ(m[0].deck, deck);
    }
    struct Game {
        std::string bytes;
        LanKind kind;
        int role;
        int slot;
    } games[] = {
        {"hbegin1", LanKind::Begin, 1, 0},      {"hhod072", LanKind::Move, 2, 7},
        {"hhod004", LanKind::Move, 4, 0},       {"hpass03", LanKind::Pass, 3, 0},
        {"hitogs1", LanKind::Settlement, 1, 0},
    };
    for (LanSide side : {LanSide::Host, LanSide::Client}) {
        for (const Game &g : games) {
            const auto m = ReadOnce(side, g.bytes);
            ASSERT_EQ(m.size(), 1u) << g.bytes;
            EXPECT_EQ(m[0].kind, g.kind) << g.bytes;
            EXPECT_EQ(m[0].role, g.role) << g.bytes;
            EXPECT_EQ(m[0].slot, g.slot) << g.bytes;
            EXPECT_EQ(m[0].bytes, g.bytes);
        }
    }
}

TEST(LanReader, EachSideReadsOnlyWhatItsPeerSends) {
    const Deck deck = SeededDeck(5);
    EXPECT_TRUE(ReadOnce(LanSide::Client, "wem4625connect1Bob ").empty());
    EXPECT_TRUE(ReadOnce(LanSide::Host, AssignmentMessage(2, SampleNames())).empty());
    EXPECT_TRUE(ReadOnce(LanSide::Host, DealMessage(deck)).empty());
}

// Every way of cutting a stream into two reads, and byte by byte, gives the
// same messages as one read.
TEST(LanReader, MessagesSurviveAnySplitOfTheStream) {
    const Deck deck = SeededDeck(9);
    struct Case {
        LanSide side;
        std::vector<std::string> messages;
    } cases[] = {
        {LanSide::Host, {"wem4625connect1Bob ", "hhod032", "hpass02", "hhod012", "abort"}},
        {LanSide::Client,
         {AssignmentMessage(2, SampleNames()), UpdateMessage(2, SampleNames()), DealMessage(deck),
          "hbegin1", "hhod051", "hpass03", "hitogs1", "abort"}},
    };
    for (const Case &c : cases) {
        std::string stream;
        for (const std::string &m : c.messages)
            stream += m;
        EXPECT_EQ(Read(c.side, {stream}), c.messages);
        for (std::size_t cut = 1; cut < stream.size(); ++cut) {
            EXPECT_EQ(Read(c.side, {stream.substr(0, cut), stream.substr(cut)}), c.messages)
                << "cut at " << cut;
        }
        std::vector<std::string> bytes;
        for (char b : stream)
            bytes.emplace_back(1, b);
        EXPECT_EQ(Read(c.side, bytes), c.messages);
    }
}

TEST(LanReader, KeepsAnIncompleteMessageForTheNextRead) {
    const std::string deal = DealMessage(SeededDeck(1));
    struct Case {
        LanSide side;
        std::string head;
    } cases[] = {
        {LanSide::Host, "hho"},
        {LanSide::Host, "wem4625conn"},
        {LanSide::Client, deal.substr(0, 108)},
        {LanSide::Client, "connect2+3Anna"},
        {LanSide::Client, "abo"},
        {LanSide::Client, "s"},
    };
    for (const Case &c : cases) {
        LanReader reader(c.side);
        EXPECT_TRUE(reader.Feed(c.head).empty()) << c.head;
        EXPECT_EQ(reader.Pending(), c.head.size()) << c.head;
    }
}

TEST(LanReader, ChatRunsToTheEndOfItsReadOrItsFifteenCharacters) {
    const std::string blanks13(13, ' ');
    struct Case {
        const char *what;
        std::vector<std::string> reads;
        std::vector<std::pair<LanKind, std::string>> expected; // kind, chat text or bytes
    } cases[] = {
        {"letters of game messages inside a chat line",
         {"s2hi bob, hbegin"},
         {{LanKind::Chat, "hi bob, hbegin"}}},
        {"a chat line that looks like a move", {"s3hhod011"}, {{LanKind::Chat, "hhod011"}}},
        {"a chat line that ends like game messages",
         {"s1luckhhod051"},
         {{LanKind::Chat, "luckhhod051"}}},
        {"a chat line of game messages only",
         {"s2hbegin1hpass02"},
         {{LanKind::Chat, "hbegin1hpass02"}}},
        {"a chat line that looks like the start of a deal",
         {"s4b9\xE1\xEA hi"},
         {{LanKind::Chat, "b9\xE1\xEA hi"}}},
        {"the next read starts anew",
         {"s2hello", "hhod012"},
         {{LanKind::Chat, "hello"}, {LanKind::Move, "hhod012"}}},
        {"a padded line and the game messages after it",
         {"s1good luck" + std::string(6, ' ') + "hhod051hpass01"},
         {{LanKind::Chat, "good luck"}, {LanKind::Move, "hhod051"}, {LanKind::Pass, "hpass01"}}},
        {"a line ends after its fifteen characters",
         {"s1123456789012345hbegin1s2ok"},
         {{LanKind::Chat, "123456789012345"}, {LanKind::Begin, "hbegin1"}, {LanKind::Chat, "ok"}}},
        {"a padded line split over two reads",
         {"s2hi" + std::string(5, ' '), std::string(8, ' ') + "hitogs1"},
         {{LanKind::Chat, "hi"}, {LanKind::Settlement, "hitogs1"}}},
        {"padding only is nothing", {"s3" + blanks13 + "  "}, {}},
        {"a chat line that merely mentions another", {"s1say s2hi"}, {{LanKind::Chat, "say s2hi"}}},
        {"a sender's digit in the next read", {"s", "4bye"}, {{LanKind::Chat, "bye"}}},
        {"an empty line is nothing", {"s2", "hbegin1"}, {{LanKind::Begin, "hbegin1"}}},
        {"no sender digit", {"sxhbegin1"}, {{LanKind::Begin, "hbegin1"}}},
        {"a game message before the chat",
         {"hhod051s1nice"},
         {{LanKind::Move, "hhod051"}, {LanKind::Chat, "nice"}}},
    };
    for (const Case &c : cases) {
        LanReader reader(LanSide::Client);
        std::vector<std::pair<LanKind, std::string>> got;
        for (const std::string &chunk : c.reads) {
            for (const LanMessage &m : reader.Feed(chunk)) {
                got.emplace_back(m.kind, m.kind == LanKind::Chat ? m.text : m.bytes);
            }
        }
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(reader.Pending(), 0u) << c.what;
    }
}

TEST(LanReader, ChatWithLettersOfMessagesIsNeverAGameMessage) {
    // Lines a person may type, sent as this program sends them and as bare
    // text, to either side, alone or before a move in the same read.
    const std::string texts[] = {
        "hhod011", "ahbegin1", "xhpass02hhod011", "ok hitogs1", "b",
        "hb",      "bhhod021", "sure hpass01",    "hhhhhhhhh",  "123456789hbegin"};
    for (LanSide side : {LanSide::Host, LanSide::Client}) {
        for (const std::string &text : texts) {
            for (const std::string &line : {ChatMessage(2, text), "s2" + text}) {
                const auto alone = ReadOnce(side, line);
                ASSERT_EQ(alone.size(), 1u) << line;
                EXPECT_EQ(alone[0].kind, LanKind::Chat) << line;
                EXPECT_EQ(alone[0].text, text) << line;
            }
            const auto withMove = ReadOnce(side, ChatMessage(3, text) + "hhod043");
            ASSERT_EQ(withMove.size(), 2u) << text;
            EXPECT_EQ(withMove[0].text, text);
            EXPECT_EQ(withMove[1].bytes, "hhod043");
        }
    }
}

TEST(LanReader, ChatSenderDigit) {
    const auto m =
        ReadOnce(LanSide::Host, "s3\xCF\xF0\xE8\xE2\xE5\xF2"); // "Привет" in code page 1251
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].role, 3);
    EXPECT_EQ(m[0].text, "\xCF\xF0\xE8\xE2\xE5\xF2");
}

TEST(LanReader, GarbageNeverSwallowsTheMessagesAfterIt) {
    const std::string deal = DealMessage(SeededDeck(4));
    std::string duplicateCard = deal;
    duplicateCard[3] = duplicateCard[1]; // card 2 takes the rank of card 1...
    duplicateCard[4] = duplicateCard[2]; // ...and its suit: card 1 twice
    duplicateCard[74] = duplicateCard[73];
    std::string wrongDigit = deal;
    wrongDigit[100] = wrongDigit[100] == '9' ? '1' : '9';
    const std::string garbage[] = {
        "x",
        "hello world",
        "hh",
        "hhod0x1",
        "hhod055",
        "hpass09",
        "connect5+",
        "connect2+1AnnaBob PC  PC  ",
        "wem4725connect1Bob ",
        "wem4626connect1Bob ",
        std::string("\0\xFF\x80", 3),
        "b",
        "b9\xE1",
        deal.substr(0, 60),
        duplicateCard,
        wrongDigit,
        "abor",
    };
    const std::string valid[] = {"hhod031", "hpass02", "hitogs1"};
    for (LanSide side : {LanSide::Host, LanSide::Client}) {
        for (const std::string &junk : garbage) {
            std::string tail;
            for (const std::string &v : valid)
                tail += v;
            const std::vector<std::string> expected(std::begin(valid), std::end(valid));
            EXPECT_EQ(Read(side, {junk + tail}), expected) << "one read after " << junk;
            EXPECT_EQ(Read(side, {junk, tail}), expected) << "two reads after " << junk;
        }
    }
}

TEST(LanReader, DealThenOtherBytesInTheSameRead) {
    const Deck deck = SeededDeck(8);
    {
        const auto m = ReadOnce(LanSide::Client, DealMessage(deck) + "zzz?!");
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].kind, LanKind::Deal);
    }
    {
        // A start sent right after the deal arrives with it and is not lost.
        const auto m = ReadOnce(LanSide::Client, DealMessage(deck) + "hbegin1");
        ASSERT_EQ(m.size(), 2u);
        EXPECT_EQ(m[0].kind, LanKind::Deal);
        EXPECT_EQ(m[1].kind, LanKind::Begin);
    }
}

TEST(LanReader, LongGarbageKeepsNothingBack) {
    LanReader reader(LanSide::Client);
    std::string junk;
    for (int i = 0; i < 5000; ++i)
        junk += char('0' + i % 7);
    EXPECT_TRUE(reader.Feed(junk).empty());
    EXPECT_EQ(reader.Pending(), 0u);
    const auto m = reader.Feed("hhod021");
    ASSERT_EQ(m.size(), 1u);
    EXPECT_EQ(m[0].slot, 2);
}

} // namespace
} // namespace quarn::lan
