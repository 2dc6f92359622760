// Start and match reports to the statistics service, and the figure
// display's numbers.
#include "web/StatsReport.h"

#include <gtest/gtest.h>

namespace {

TEST(StartReport, EditionAndFlagDecideWhatIsSent) {
    struct Case {
        const char *why;
        std::string edition;
        bool reported;
        bool send;
        int stat2;
    };
    const Case cases[] = {
        {"silent edition sends nothing", "xjq", false, false, 0},
        {"silent edition, flag set", "xjq", true, false, 0},
        {"reported before: a plain start", "abc", true, true, 0},
        {"first start: a unique start", "abc", false, true, 1},
        {"no edition code", "", false, true, 1},
    };
    for (const Case &c : cases) {
        const web::StartReport report = web::planStartReport(c.edition, c.reported);
        EXPECT_EQ(report.send, c.send) << c.why;
        if (report.send) {
            EXPECT_EQ(report.stat1, 1) << c.why;
            EXPECT_EQ(report.stat2, c.stat2) << c.why;
        }
    }
}

TEST(StartReport, TheFlagIsSetOnlyWhenAUniqueStartWasAccepted) {
    const web::StartReport unique = web::planStartReport("abc", false);
    EXPECT_TRUE(web::startReportedAfter(unique, false, true));
    EXPECT_FALSE(web::startReportedAfter(unique, false, false)); // tried again next start
    const web::StartReport plain = web::planStartReport("abc", true);
    EXPECT_TRUE(web::startReportedAfter(plain, true, false)); // a lost plain start changes nothing
    const web::StartReport silent = web::planStartReport("xjq", false);
    EXPECT_FALSE(web::startReportedAfter(silent, false, true));
}

TEST(MatchReport, ValuesByKindOfMatch) {
    using web::ReportedMatch;
    struct Case {
        const char *why;
        web::MatchReport match;
        std::array<int, 12> values;
    };
    const Case cases[] = {
        {"local, 12 hands, -40 at hand 42",
         {ReportedMatch::Local, 12, false, -40, false, false},
         {12, 0, 0, 40}},
        {"the same ending at hand 60",
         {ReportedMatch::Local, 12, true, -40, false, false},
         {12, 1, 0, 40}},
        {"local, won", {ReportedMatch::Local, 5, false, 9, false, false}, {5, 0, 9, 0}},
        {"local, even", {ReportedMatch::Local, 5, false, 0, false, false}, {5, 0, 0, 0}},
        {"account game counts as a game with the computer",
         {ReportedMatch::Account, 3, true, 4, false, false},
         {3, 1, 4, 0}},
        {"network host", {ReportedMatch::Network, 6, false, 5, true, false}, {0, 0, 0, 0, 3}},
        {"network client sends zeros", {ReportedMatch::Network, 6, false, 5, false, false}, {}},
        {"tournament leader",
         {ReportedMatch::Tournament, 1, false, 9, false, true},
         {0, 0, 0, 0, 0, 1}},
        {"other tournament seat", {ReportedMatch::Tournament, 1, false, 9, false, false}, {}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(web::matchReportValues(c.match), c.values) << c.why;
}

TEST(FigureDisplay, ModesFollowTheMinuteAndTheAccount) {
    EXPECT_EQ(web::figureModeOfMinute(0), 1);
    EXPECT_EQ(web::figureModeOfMinute(6), 7);
    EXPECT_EQ(web::figureModeOfMinute(59), 4);
    EXPECT_EQ(web::figureModeShown(6, false), 7);
    EXPECT_EQ(web::figureModeShown(6, true), 6);
    EXPECT_EQ(web::figureModeShown(3, false), 3);
}

TEST(FigureDisplay, DynamicIqRoundsHalvesToEven) {
    EXPECT_EQ(web::dynamicIq(0, 0), 0);
    EXPECT_EQ(web::dynamicIq(1, 1), 50);
    EXPECT_EQ(web::dynamicIq(199, 1), 0); // 0.5 goes to 0
    EXPECT_EQ(web::dynamicIq(197, 3), 2); // 1.5 goes to 2
    EXPECT_EQ(web::dynamicIq(2, 1), 33);
    EXPECT_EQ(web::dynamicIq(1, 2), 67);
    EXPECT_EQ(web::dynamicIq(0, 5), 100);
    EXPECT_EQ(web::dynamicIq(2'000'000'000, 2'000'000'000), 50); // no overflow
}

TEST(FigureDisplay, CountsAreShortenedToThreeDigitsAndASuffix) {
    using web::ShortCount;
    EXPECT_EQ(web::shortCount(0), (ShortCount{"0", 0}));
    EXPECT_EQ(web::shortCount(999), (ShortCount{"999", 0}));
    EXPECT_EQ(web::shortCount(1000), (ShortCount{"1", 'K'}));
    EXPECT_EQ(web::shortCount(999'999), (ShortCount{"999", 'K'}));
    EXPECT_EQ(web::shortCount(1'234'567), (ShortCount{"1", 'M'}));
    EXPECT_EQ(web::shortCount(2'147'483'647), (ShortCount{"2", 'G'}));
}

TEST(FigureDisplay, DigitPlacesByLength) {
    EXPECT_EQ(web::digitPlaces(1).x, std::vector<int>{50});
    EXPECT_EQ(web::digitPlaces(3).x, (std::vector<int>{29, 49, 69}));
    EXPECT_EQ(web::digitPlaces(3).width, 0); // drawn at their own size
    const web::DigitPlaces six = web::digitPlaces(6);
    EXPECT_EQ(six.x.size(), 6u);
    EXPECT_EQ(six.width, 9);
    EXPECT_EQ(six.height, 40);
    // A balance of 1 234 567 has seven digits: none are drawn.
    EXPECT_TRUE(web::digitPlaces(7).x.empty());
    EXPECT_TRUE(web::digitPlaces(0).x.empty());
}

} // namespace
