// The wire bytes of the messages, the network names and the turn of the
// table that clients apply to seats and the deal.
#include "net/lan/LanProtocol.h"

#include <gtest/gtest.h>

#include "rules/GameState.h"
#include "rules/Match.h"

namespace quarn::lan {
namespace {

Deck SeededDeck(std::uint64_t seed) {
    DeckRandom random(seed);
    return ShuffleDeck(random);
}

WireNames Names(std::string_view s1, std::string_view s2, std::string_view s3,
                std::string_view s4) {
    WireNames names;
    names[1] = s1;
    names[2] = s2;
    names[3] = s3;
    names[4] = s4;
    return names;
}

TEST(LanMessages, ExactBytes) {
    const WireNames oneClient = Names("PC  ", "Bob ", "PC  ", "Anna");
    const WireNames threeClients = Names("Cleo", "Bob ", "Dan ", "Anna");
    struct Case {
        const char *what;
        std::string built;
        std::string expected;
    } cases[] = {
        {"hello", HelloMessage("Bob "), "wem4625connect1Bob "},
        {"assignment of the first client", AssignmentMessage(2, oneClient),
         "connect2+2AnnaBob PC  PC  "},
        {"assignment of the third client", AssignmentMessage(4, threeClients),
         "connect2+4AnnaBob CleoDan "},
        {"update after the second client", UpdateMessage(2, oneClient),
         "connect3+AnnaBob PC  PC  "},
        {"update after the third client", UpdateMessage(3, threeClients),
         "connect4+AnnaBob CleoDan "},
        {"move from the host", MoveMessage(5, 1), "hhod051"},
        {"move from a client", MoveMessage(9, 4), "hhod094"},
        {"pass", PassMessage(3), "hpass03"},
        {"chat, padded to the chat line's 15 characters", ChatMessage(2, "hi bob"),
         "s2hi bob         "},
        {"chat cut to 15 characters", ChatMessage(1, "0123456789abcdefgh"), "s10123456789abcde"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.built, c.expected) << c.what;
    EXPECT_EQ(HelloMessage("Bob ").size(), std::size_t(kHelloLength));
    EXPECT_EQ(AssignmentMessage(2, oneClient).size(), std::size_t(kAssignmentLength));
    EXPECT_EQ(UpdateMessage(3, threeClients).size(), std::size_t(kUpdateLength));
}

TEST(LanMessages, DealCarriesTheDeckInOrderWithRankDigits) {
    const Deck deck = SeededDeck(7);
    const std::string deal = DealMessage(deck);
    ASSERT_EQ(deal.size(), std::size_t(kDealLength));
    EXPECT_EQ(deal[0], 'b');
    for (int i = 1; i <= kDeckSize; ++i) {
        EXPECT_EQ(deal.substr(2 * i - 1, 2), deck[i].card.Bytes()) << "card " << i;
        EXPECT_EQ(deal[72 + i], char('0' + deck[i].rank)) << "digit " << i;
    }
}

TEST(LanNames, FirstFourCharactersInCodePage1251) {
    struct Case {
        std::string utf8;
        std::string wire;
        std::string back;
    } cases[] = {
        {"Anna Karenina       ", "Anna", "Anna"},
        {"Al", "Al  ", "Al  "},
        {"", "    ", "    "},
        {"\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD", "\xC8\xE2\xE0\xED",
         "\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"}, // Иван
        {"\xE6\x97\xA5\xE6\x9C\xAC"
         "ab",
         "??ab", "??ab"}, // characters code page 1251 cannot write
    };
    for (const Case &c : cases) {
        EXPECT_EQ(WireName(c.utf8), c.wire) << c.utf8;
        EXPECT_EQ(NameFromWire(WireName(c.utf8)), c.back) << c.utf8;
    }
}

TEST(LanSeats, EachClientSitsAtItsOwnSeatFour) {
    // role -> where the host (host seat 4) and the first client (host seat 2) sit.
    struct Case {
        int role;
        int hostAt;
        int firstClientAt;
    } cases[] = {{2, 2, 4}, {3, 3, 1}, {4, 1, 3}};
    for (const Case &c : cases) {
        EXPECT_EQ(ClientSeat(HostSeatOfRole(c.role), c.role), 4) << "role " << c.role;
        EXPECT_EQ(ClientSeat(4, c.role), c.hostAt) << "role " << c.role;
        EXPECT_EQ(ClientSeat(2, c.role), c.firstClientAt) << "role " << c.role;
    }
}

TEST(LanSeats, TurnIsABijectionAndHostSeatUndoesIt) {
    for (int role = 1; role <= 4; ++role) {
        std::array<bool, 5> taken{};
        for (int seat = 1; seat <= 4; ++seat) {
            const int turned = ClientSeat(seat, role);
            ASSERT_GE(turned, 1);
            ASSERT_LE(turned, 4);
            EXPECT_FALSE(taken[turned]) << "role " << role;
            taken[turned] = true;
            EXPECT_EQ(HostSeat(turned, role), seat);
        }
        EXPECT_EQ(RoleOfHostSeat(HostSeatOfRole(role)), role);
    }
    // The states after the hand are no seats and stay as they are.
    EXPECT_EQ(ClientSeat(kHandEnded, 2), kHandEnded);
    EXPECT_EQ(HostSeat(kHandSettled, 4), kHandSettled);
}

TEST(LanSeats, ComputerHoldsSeatsNoClientTakes) {
    // clientsLess1 0, 1, 2 -> computer at host seats 1..4
    const bool expected[3][5] = {
        {false, true, false, true, false},
        {false, false, false, true, false},
        {false, false, false, false, false},
    };
    for (int less1 = 0; less1 <= 2; ++less1) {
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(ComputerHoldsSeat(less1, seat), expected[less1][seat])
                << less1 << " seat " << seat;
        }
    }
}

TEST(LanSeats, TurnedDeckDealsEveryClientTheHostsHandsTurned) {
    const Deck deck = SeededDeck(11);
    GameState host;
    host.Network = true;
    ASSERT_TRUE(NewHand(host, deck));
    for (int role = 2; role <= 4; ++role) {
        GameState client;
        client.Network = true;
        ASSERT_TRUE(NewHand(client, TurnDeck(deck, role)));
        for (int seat = 1; seat <= 4; ++seat) {
            EXPECT_EQ(client.Hands[ClientSeat(seat, role)], host.Hands[seat])
                << "role " << role << " seat " << seat;
        }
        EXPECT_EQ(HostSeat(client.ToMove, role), host.ToMove) << "role " << role;
    }
}

} // namespace
} // namespace quarn::lan
