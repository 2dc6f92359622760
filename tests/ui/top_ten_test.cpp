// The club's top ten window: rows from the club file in use, its heading,
// and what it shows when the file cannot be read.
#include "UiFixture.h"

#include "ui/AuxWindowSet.h"
#include "ui/TAnimation.h"
#include "ui/TFormTopTen.h"

#include <QFile>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

class TopTenWindow : public ::testing::Test {
  protected:
    WindowFixture f;
};

TEST_F(TopTenWindow, ShowsTheRowsOfTheClubInUse) {
    ASSERT_TRUE(writeClubFile(f.folder(), false, {{"Anna", 142}, {"Boris", 97}, {"Mr.X", 64}}));
    ASSERT_TRUE(writeClubFile(f.folder(), true, {{"Net One", 30}, {"Net Two", -2}}));
    struct Case {
        bool network;
        const char *heading;
        const char *first;
        const char *firstScore;
        const char *second;
        const char *secondScore;
        const char *club;
    };
    const Case cases[] = {
        {false, "WINDOWS. LOCAL GAMES WITH PC", "Anna", "142", "Boris", "97", "GClubF"},
        {true, "WINDOWS. NET GAMES", "Net One", "30", "Net Two", "-2", "GClubG"}};
    for (const Case &c : cases) {
        TFormTopTen window(f.context(), c.network);
        EXPECT_EQ(window.windowTitle(), QStringLiteral("Top Ten"));
        EXPECT_EQ(window.size(), QSize(460, 700));
        EXPECT_EQ(window.heading(), QString::fromLatin1(c.heading));
        EXPECT_EQ(window.rows()[0].name, QString::fromLatin1(c.first));
        EXPECT_EQ(window.rows()[0].score, QString::fromLatin1(c.firstScore));
        EXPECT_EQ(window.rows()[1].name, QString::fromLatin1(c.second));
        EXPECT_EQ(window.rows()[1].score, QString::fromLatin1(c.secondScore));
        EXPECT_TRUE(window.clubAnimation()->loaded()) << c.club;
    }
}

TEST_F(TopTenWindow, AnimationsRunOnlyWhenSwitchedOn) {
    ASSERT_TRUE(writeClubFile(f.folder(), false, {}));
    for (bool on : {true, false}) {
        f.settings.gifAnimation = on;
        TFormTopTen window(f.context(), false);
        EXPECT_EQ(window.topTenAnimation()->running(), on);
        EXPECT_EQ(window.clubAnimation()->running(), on);
        if (!on) {
            EXPECT_EQ(window.topTenAnimation()->currentFrame(), 1);
        }
    }
}

TEST_F(TopTenWindow, AMissingOrDamagedFileShowsEmptyRows) {
    TFormTopTen missing(f.context(), false);
    for (const auto &row : missing.rows())
        EXPECT_TRUE(row.name.isEmpty() && row.score.isEmpty());

    QFile junk(f.folder() + QStringLiteral("Quarn.clb"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("not a club file\r\n\xff\xfe");
    junk.close();
    TFormTopTen damaged(f.context(), false);
    EXPECT_TRUE(damaged.rows()[0].name.isEmpty());
    EXPECT_FALSE(damaged.grab().isNull());
}

TEST_F(TopTenWindow, WindowSetOpensItWithoutASound) {
    ASSERT_TRUE(writeClubFile(f.folder(), true, {{"Net One", 30}}));
    AuxWindowSet windows(f.context(), nullptr);
    QString firstName;
    windows.setRunner(
        [&](QDialog &dialog) { firstName = dynamic_cast<TFormTopTen &>(dialog).rows()[0].name; });
    windows.showTopTen(true);
    EXPECT_EQ(firstName, QStringLiteral("Net One"));
    EXPECT_TRUE(f.sound.played.empty());
}

} // namespace
} // namespace quarn
