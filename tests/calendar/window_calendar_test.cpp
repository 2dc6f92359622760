// The calendar pages of the menu: shown with the library, turned every ten
// seconds, built anew after midnight and in a new language, hidden without
// the library or when the menu leaves.
#include "tests/match/WindowFixture.h"

#include "lang/Language.h"
#include "match/MenuCalendar.h"

#include <QLabel>

using namespace quarn;
using namespace quarn::testing;

namespace {

class WindowCalendar : public WindowTest {
  protected:
    void installLibrary() {
        std::filesystem::copy_file(std::filesystem::path(QUARN_DIST_DIR) / "WemCalendar01.dll",
                                   folder_ / "WemCalendar01.dll");
    }

    MenuCalendar &calendar() const { return *MenuCalendar::of(form_.get()); }

    // Sets the calendar's clock; the next tick sees that time.
    void setNow(const QDateTime &now) {
        now_ = now;
        calendar().setClock([this] { return now_; });
    }

    QString leftHint() const { return calendar().leftPage()->toolTip(); }
    QString rightHint() const { return calendar().rightPage()->toolTip(); }

    QDateTime now_;
};

TEST_F(WindowCalendar, MenuShowsBothPagesAndTurnsTheRightOneEveryTenSeconds) {
    installLibrary();
    openToMenu();
    MenuCalendar &cal = calendar();
    ASSERT_TRUE(cal.leftPage()->isVisible());
    ASSERT_TRUE(cal.rightPage()->isVisible());
    EXPECT_TRUE(cal.timer()->isActive());
    EXPECT_EQ(cal.timer()->interval(), 10000);
    EXPECT_EQ(cal.leftPage()->geometry(), QRect(150, 95, 60, 100));
    EXPECT_EQ(cal.rightPage()->geometry(), QRect(550, 95, 60, 100));

    // 17 April 2022: the entry into Jerusalem and the Catholic Easter.
    setNow(QDateTime(QDate(2022, 4, 17), QTime(12, 0)));
    cal.pageTick(); // another date than the one built for: built anew
    EXPECT_EQ(cal.builtFor(), QDate(2022, 4, 17));
    EXPECT_EQ(cal.pages().count, 4);
    EXPECT_EQ(leftHint(), QStringLiteral("Aries"));
    const QStringList expected = {
        QStringLiteral("Year Of The Tiger"),
        QStringLiteral("The entry into Jerusalem (The Orthodox holiday)"),
        QStringLiteral("Easter (Catholic feast)"),
        QStringLiteral("Year Of The Tiger"),
        QStringLiteral("The entry into Jerusalem (The Orthodox holiday)"),
    };
    for (const QString &hint : expected) {
        EXPECT_EQ(rightHint(), hint);
        EXPECT_EQ(leftHint(), QStringLiteral("Aries")) << "the left page stays";
        cal.pageTick();
    }
}

TEST_F(WindowCalendar, RebuildsForTheNewDayAfterMidnight) {
    installLibrary();
    openToMenu();
    MenuCalendar &cal = calendar();
    setNow(QDateTime(QDate(2022, 5, 9), QTime(23, 59, 50)));
    cal.pageTick();
    EXPECT_EQ(rightHint(), QStringLiteral("Year Of The Tiger"));
    cal.pageTick();
    EXPECT_EQ(
        rightHint(),
        QStringLiteral("Victory day in Great Patriotic war (77-th anniversary, Russian Festival)"));

    const struct {
        QDateTime now;
        QDate built;
        QString left;
        int pages;
    } steps[] = {
        {QDateTime(QDate(2022, 5, 10), QTime(0, 0, 5)), QDate(2022, 5, 10),
         QStringLiteral("Taurus"), 2},
        {QDateTime(QDate(2022, 5, 10), QTime(0, 0, 15)), QDate(2022, 5, 10),
         QStringLiteral("Taurus"), 2},
        // A tick that comes late (the window was busy) still turns the day.
        {QDateTime(QDate(2022, 5, 21), QTime(0, 3, 0)), QDate(2022, 5, 21),
         QStringLiteral("Gemini"), 2},
        {QDateTime(QDate(2023, 1, 1), QTime(0, 0, 1)), QDate(2023, 1, 1),
         QStringLiteral("Capricorn"), 3},
    };
    for (const auto &step : steps) {
        setNow(step.now);
        cal.pageTick();
        EXPECT_EQ(cal.builtFor(), step.built);
        EXPECT_EQ(leftHint(), step.left);
        EXPECT_EQ(cal.pages().count, step.pages);
        EXPECT_EQ(cal.currentPage(), 2) << "a new build starts the cycle again";
        EXPECT_TRUE(cal.timer()->isActive());
    }
    EXPECT_EQ(rightHint(), QStringLiteral("Year Of The Rabbit"));
    cal.pageTick();
    EXPECT_EQ(rightHint(), QStringLiteral("New Year"));
}

TEST_F(WindowCalendar, WithoutTheLibraryBothAreasStayHidden) {
    openToMenu();
    MenuCalendar &cal = calendar();
    EXPECT_FALSE(cal.leftPage()->isVisible());
    EXPECT_FALSE(cal.rightPage()->isVisible());
    EXPECT_FALSE(cal.timer()->isActive());
    EXPECT_TRUE(Ask::asked().empty()) << "no message for a missing calendar";
}

TEST_F(WindowCalendar, PagesLeaveWithTheMenuAndFollowTheLanguage) {
    installLibrary();
    openToMenu();
    MenuCalendar &cal = calendar();
    setNow(QDateTime(QDate(2022, 5, 9), QTime(12, 0)));
    cal.pageTick();
    EXPECT_EQ(leftHint(), QStringLiteral("Taurus"));

    setLanguage(German);
    EXPECT_EQ(leftHint(), QStringLiteral("Stier"));
    EXPECT_EQ(rightHint(), QStringLiteral("Jahr des Tigers"));
    setLanguage(English);
    EXPECT_EQ(leftHint(), QStringLiteral("Taurus"));

    logInNewPlayer(QStringLiteral("Calendar"));
    ASSERT_FALSE(form_->menuShown());
    EXPECT_FALSE(cal.leftPage()->isVisible());
    EXPECT_FALSE(cal.rightPage()->isVisible());
    cal.pageTick();
    EXPECT_FALSE(cal.leftPage()->isVisible());
    EXPECT_FALSE(cal.rightPage()->isVisible());
    // A new language while the table is shown does not bring the pages back.
    setLanguage(German);
    EXPECT_FALSE(cal.rightPage()->isVisible());
    setLanguage(English);
}

TEST(MenuCalendarAreas, FollowTheWindowScale) {
    const struct {
        WindowSize size;
        QSize client;
        QPoint left, right;
    } cases[] = {
        {WindowSize::Small, {}, {150, 95}, {550, 95}},
        // round(150 * 1.3) + round(0.3 * 30) = 195 + 9; round(95 * 1.3) + round(0.3 * 50) = 124 +
        // 15
        {WindowSize::Average1, {}, {204, 139}, {724, 139}},
        {WindowSize::Large, {}, {330, 240}, {1130, 240}},
    };
    for (const auto &c : cases) {
        const Scaling s = Scaling::forWindow(c.size, c.client);
        EXPECT_EQ(MenuCalendar::leftArea(s), QRect(c.left, QSize(60, 100)));
        EXPECT_EQ(MenuCalendar::rightArea(s), QRect(c.right, QSize(60, 100)));
    }
}

} // namespace
