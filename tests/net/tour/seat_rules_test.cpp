// The lobby's seat rules as a table: the look and enabling of every seat
// button by what the table holds and which seat the player holds.
#include "net/tour/SeatRules.h"

#include <gtest/gtest.h>

namespace quarn::tour {
namespace {

// A table from a pattern of four characters: 'x' somebody, 'm' the player
// (held), '.' free.
TWemTable_4 TableOf(std::string_view pattern) {
    TWemTable_4 table;
    for (int seat = 1; seat <= 4; ++seat)
        if (pattern[std::size_t(seat - 1)] != '.') {
            table.Seat[std::size_t(seat)].Nick =
                pattern[std::size_t(seat - 1)] == 'm' ? "Me" : "Other";
            table.Seat[std::size_t(seat)].Score = 5;
        }
    return table;
}

HeldSeat HeldIn(std::string_view pattern, int table) {
    const std::size_t at = pattern.find('m');
    return at == std::string_view::npos ? HeldSeat{} : HeldSeat{table, int(at) + 1};
}

TEST(SeatRules, ButtonsOfATable) {
    using L = SeatLook;
    struct Case {
        const char *pattern;
        bool heldElsewhere; // the player holds a seat at another table
        std::array<SeatButton, 4> buttons;
    };
    const Case cases[] = {
        {"....",
         false,
         {{{L::TakePlace, true}, {L::Free, false}, {L::Free, false}, {L::Free, false}}}},
        {"x...",
         false,
         {{{L::Other, false}, {L::TakePlace, true}, {L::Free, false}, {L::Free, false}}}},
        {"xx..",
         false,
         {{{L::Other, false}, {L::Other, false}, {L::TakePlace, true}, {L::Free, false}}}},
        // Seat 3 cannot be taken while seat 2 is free.
        {"x.x.",
         false,
         {{{L::Other, false}, {L::TakePlace, true}, {L::Other, false}, {L::TakePlace, true}}}},
        {"m...",
         false,
         {{{L::OwnLogOff, true}, {L::TakePlace, false}, {L::Free, false}, {L::Free, false}}}},
        {"xm..",
         false,
         {{{L::Other, false}, {L::OwnLogOff, true}, {L::TakePlace, false}, {L::Free, false}}}},
        {"xxxm",
         false,
         {{{L::Other, false}, {L::Other, false}, {L::Other, false}, {L::OwnSeat4, false}}}},
        // A seat held at another table: free seats are shown but not enabled.
        {"x...",
         true,
         {{{L::Other, false}, {L::TakePlace, false}, {L::Free, false}, {L::Free, false}}}},
    };
    for (const Case &c : cases) {
        const TWemTable_4 table = TableOf(c.pattern);
        const HeldSeat held = c.heldElsewhere ? HeldSeat{9, 1} : HeldIn(c.pattern, 2);
        for (int seat = 1; seat <= 4; ++seat)
            EXPECT_EQ(SeatButtonOf(table, 2, seat, held, true), c.buttons[std::size_t(seat - 1)])
                << c.pattern << " seat " << seat;
    }
}

TEST(SeatRules, ServerOffDisablesEverySeat) {
    for (int seat = 1; seat <= 4; ++seat)
        EXPECT_EQ(SeatButtonOf(TableOf("m..."), 2, seat, HeldSeat{2, 1}, false),
                  (SeatButton{SeatLook::ServerOff, false}));
}

TEST(SeatRules, LobbyButtonsAndResetTables) {
    EXPECT_TRUE(LobbyButtonsEnabled(HeldSeat{}, true));
    EXPECT_FALSE(LobbyButtonsEnabled(HeldSeat{3, 2}, true));
    EXPECT_TRUE(LobbyButtonsEnabled(HeldSeat{3, 2}, false));

    struct Case {
        const char *pattern; // table 3 as read: m the player, x another, . free
        HeldSeat held;
        bool reset;
    };
    const Case cases[] = {
        {"xm..", {3, 2}, false}, {"....", {3, 2}, true}, // seat 1 free
        {"xxxm", {3, 4}, false},                         // seat 4 still ours
        {"x...", {3, 4}, true},                          // the seats behind seat 1 were freed
        {"xx..", {3, 2}, true},                          // the own seat is held by another nick
        {"xxxx", {3, 4}, true},  {"xm..", {}, false},
    };
    for (const Case &c : cases) {
        TableList tables{};
        tables[3] = TableOf(c.pattern);
        EXPECT_EQ(HeldSeatWasReset(tables, c.held, "Me"), c.reset)
            << c.pattern << " seat " << c.held.seat;
    }
}

TEST(SeatRules, SeatsFreedWithTheOwnSeat) {
    EXPECT_EQ(SeatsFreedAfterGivingUp(1), (std::vector{2, 3}));
    EXPECT_EQ(SeatsFreedAfterGivingUp(2), (std::vector{3}));
    EXPECT_TRUE(SeatsFreedAfterGivingUp(3).empty());
    EXPECT_EQ(SeatsFreedAfterError(1), (std::vector{1, 2, 3, 4}));
    EXPECT_EQ(SeatsFreedAfterError(3), (std::vector{3, 4}));
    EXPECT_TRUE(SeatsFreedAfterError(0).empty());
}

TEST(SeatRules, SameAddressRule) {
    TWemClient first;
    first.Nick = "Bob";
    first.IP = "10.0.0.5";
    EXPECT_TRUE(SameAddressAtTable({first}, "10.0.0.5"));
    EXPECT_FALSE(SameAddressAtTable({first}, "10.0.0.6"));
    EXPECT_FALSE(SameAddressAtTable({TWemClient{}}, "X"));
    EXPECT_TRUE(IsLoopbackAddress("127.0.0.1"));
    EXPECT_FALSE(IsLoopbackAddress("192.168.1.2"));
}

TEST(SeatRules, MessageFontSteps) {
    EXPECT_EQ(MessageFontStep(std::string(39, 'a')), 0);
    EXPECT_EQ(MessageFontStep(std::string(40, 'a')), 1);
    EXPECT_EQ(MessageFontStep(std::string(54, 'a')), 1);
    EXPECT_EQ(MessageFontStep(std::string(60, 'a')), 2);
    // Characters, not bytes.
    std::string cyrillic;
    for (int i = 0; i < 39; ++i)
        cyrillic += "Ж";
    EXPECT_EQ(MessageFontStep(cyrillic), 0);
}

} // namespace
} // namespace quarn::tour
