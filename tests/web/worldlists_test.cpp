// The rules of the world windows that need no window: when a passport may be
// sent, the entry a local game sends, and which category the top ten shows.
#include "web/WorldLists.h"

#include <gtest/gtest.h>

namespace {

TEST(WorldLists, WhenThePassportMaySend) {
    struct Case {
        const char *nick;
        const char *city;
        bool onOpening;
        bool afterEdit;
    };
    const Case cases[] = {
        {"Player", "Moscow", true, true},
        {"Игрок", "Moscow", true, false}, // a Cyrillic nick: only before the passport window
        {"Player", "Москва", true, true}, // a Cyrillic city is always fine
        {"P", "Moscow", false, false},    // one character
        {"Player", "", false, false},
        {"Pl ayer", "Moscow", false, false},
        {"Thirteen_char", "Moscow", false, false},
        {"Player", "Fifteen_letters", true, true},
        {"Player", "Sixteen_letters_", false, false},
        {"Snow", "Krasnodar", true, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.nick) + " / " + c.city);
        EXPECT_EQ(web::passportUsable(c.nick, c.city), c.onOpening);
        EXPECT_EQ(web::passportUsableAfterEdit(c.nick, c.city), c.afterEdit);
    }
}

TEST(WorldLists, ALocalGameGoesToListFortySixUnderThePassport) {
    const web::TWemRecord entry = web::localGameEntry({"Snow", "2-026", "Krasnodar", 'W'}, -7);
    EXPECT_EQ(entry.GID, 46);
    EXPECT_EQ(entry.Nick, "Snow");
    EXPECT_EQ(entry.Country, "2-026");
    EXPECT_EQ(entry.City, "Krasnodar");
    EXPECT_EQ(entry.Score, -7);
    EXPECT_EQ(entry.R07, "W");
    // R9 and R10 are "#" (the request layer closes R10 with "*").
    EXPECT_EQ(entry.R09, "#");
    EXPECT_EQ(entry.R10, "#");
    EXPECT_EQ(web::localGameEntry({"Snow", "2-026", "Krasnodar", 'x'}, 1).R07, "M");
}

TEST(WorldLists, PassportListsAndSettings) {
    EXPECT_EQ(web::continentOnlyCode(4), "4-000");
    EXPECT_EQ(web::sexOfListEntry(0), 'M');
    EXPECT_EQ(web::sexOfListEntry(1), 'W');
    quarn::Settings settings;
    settings.nick = "Ann";
    settings.country = "3-034";
    settings.city = "Reno";
    settings.sex = 'W';
    const web::Passport passport = web::passportOf(settings);
    EXPECT_EQ(passport.nick, "Ann");
    EXPECT_EQ(passport.country, "3-034");
    EXPECT_EQ(passport.city, "Reno");
    EXPECT_EQ(passport.sex, 'W');
}

TEST(WorldLists, CategoryTheMenuOpens) {
    using web::WorldCategory;
    const std::pair<int, int> cases[] = {{1, 3}, {2, 2}, {3, 3}, {4, 4}, {5, 3}, {6, 3}, {7, 3}};
    for (const auto &[remembered, shown] : cases)
        EXPECT_EQ(static_cast<int>(web::categoryOnMenuOpening(web::categoryOf(remembered))), shown)
            << remembered;
    EXPECT_EQ(web::categoryOf(0), WorldCategory::WindowsScore);
    EXPECT_EQ(web::categoryOf(8), WorldCategory::WindowsScore);
    EXPECT_EQ(web::classicChoiceCategory(1), WorldCategory::WindowsScore);
    EXPECT_EQ(web::classicChoiceCategory(2), WorldCategory::AndroidScore);
    EXPECT_EQ(web::classicChoiceCategory(3), WorldCategory::AccountScore);
}

TEST(WorldLists, CategoriesReadTheirLists) {
    using web::WorldCategory;
    EXPECT_EQ(web::categoryInfo(WorldCategory::AccountScore).listId, 346);
    EXPECT_EQ(web::categoryInfo(WorldCategory::WindowsScore).listId, 46);
    EXPECT_EQ(web::categoryInfo(WorldCategory::AndroidScore).listId, 146);
    EXPECT_EQ(web::categoryInfo(WorldCategory::AccountScore).ownRows, web::OwnRowsOf::Account);
    EXPECT_EQ(web::categoryInfo(WorldCategory::AndroidScore).ownRows, web::OwnRowsOf::Passport);
    // Only the lists whose country is a code show flags.
    EXPECT_TRUE(web::categoryInfo(WorldCategory::WindowsScore).flags);
    EXPECT_FALSE(web::categoryInfo(WorldCategory::AccountScore).flags);
    EXPECT_EQ(web::categoryInfo(WorldCategory::NetClub).title, "WINDOWS. NET GAMES");
}

TEST(WorldLists, RowTexts) {
    EXPECT_EQ(web::ratingText(2.55), "2.550");
    EXPECT_EQ(web::ratingText(-2.11666), "-2.117");
    EXPECT_EQ(web::placeText(10), "10.");
    web::TWemRecord row;
    row.City = "Reno";
    row.Country = "USA";
    EXPECT_EQ(web::cityWithCountry(row), "Reno, USA");
    EXPECT_FALSE(web::rowFilled("#"));
    EXPECT_FALSE(web::rowFilled(""));
    EXPECT_TRUE(web::rowFilled("Ann"));
}

} // namespace
