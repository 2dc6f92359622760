// The calendar pages as painted from the calendar library.
#include "calendar/PageGeometry.h"
#include "calendar/view/CalendarPages.h"
#include "lang/Language.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quarn {
namespace {

const QString shippedLibrary = QStringLiteral(QUARN_DIST_DIR "/WemCalendar01.dll");

// A program folder, with the library beside it, in its parent, or nowhere.
class CalendarPages : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QFile::exists(shippedLibrary))
            << "build the library_WemCalendar01_dll target first";
        ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("Quarn")));
        program_ = dir_.path() + QStringLiteral("/Quarn/");
    }
    void libraryIn(const QString &folder) {
        ASSERT_TRUE(QFile::copy(shippedLibrary, folder + "WemCalendar01.dll"));
    }

    TInfoCal build(QDate day, int language = English) {
        CalendarRequest request;
        request.programFolder = program_;
        request.today = day;
        request.language = language;
        TInfoCal pages;
        built_ = buildCalendar(request, pages);
        return pages;
    }

    QTemporaryDir dir_;
    QString program_;
    bool built_ = false;
};

// Pixels of the day number's band that are clearly red, or clearly dark.
struct Ink {
    int red = 0;
    int dark = 0;
};

Ink dayNumberInk(const QImage &page) {
    Ink ink;
    const int top = calendar_page::dayTop;
    for (int y = top; y < top + calendarFontPixels(12) + 4; ++y)
        for (int x = 10; x < 50; ++x) {
            const QColor c = page.pixelColor(x, y);
            if (c.red() > 180 && c.green() < 90 && c.blue() < 90)
                ++ink.red;
            if (c.red() < 80 && c.green() < 80 && c.blue() < 80)
                ++ink.dark;
        }
    return ink;
}

TEST_F(CalendarPages, FixedPagesAndHolidays) {
    libraryIn(program_);
    const struct {
        QDate day;
        int language;
        QStringList hints;
    } cases[] = {
        {QDate(2023, 1, 1), English, {"Capricorn", "Year Of The Rabbit", "New Year"}},
        {QDate(2022, 5, 9),
         English,
         {"Taurus", "Year Of The Tiger",
          "Victory day in Great Patriotic war (77-th anniversary, Russian Festival)"}},
        {QDate(2022, 5, 10), English, {"Taurus", "Year Of The Tiger"}},
        {QDate(2022, 4, 17),
         Russian,
         {"Овен", "Год Тигра", "Вход Господень в Иерусалим (Православный праздник)",
          "Пасха (Католический праздник)"}},
        {QDate(2024, 9, 12), English, {"Virgo", "Year Of The Dragon", "Programmer`s day"}},
    };
    for (const auto &c : cases) {
        const TInfoCal pages = build(c.day, c.language);
        ASSERT_TRUE(built_);
        ASSERT_EQ(pages.count, c.hints.size()) << c.day.toString().toStdString();
        for (int i = 0; i < pages.count; ++i) {
            EXPECT_EQ(pages.Hint[std::size_t(i)], c.hints[i]);
            EXPECT_EQ(pages.TB[std::size_t(i)].size(),
                      QSize(calendar_page::width, calendar_page::height));
        }
        for (int i = pages.count; i < calendarMaxPages; ++i)
            EXPECT_TRUE(pages.TB[std::size_t(i)].isNull());
    }
}

TEST_F(CalendarPages, DayNumberIsRedOnSundays) {
    libraryIn(program_);
    const struct {
        QDate day;
        bool sunday;
    } cases[] = {{QDate(2023, 1, 1), true},
                 {QDate(2022, 1, 1), false},
                 {QDate(2022, 5, 8), true},
                 {QDate(2022, 5, 9), false}};
    for (const auto &c : cases) {
        const Ink ink = dayNumberInk(build(c.day).TB[0]);
        if (c.sunday) {
            EXPECT_GT(ink.red, 10) << c.day.toString().toStdString();
            EXPECT_EQ(ink.dark, 0) << c.day.toString().toStdString();
        } else {
            EXPECT_EQ(ink.red, 0) << c.day.toString().toStdString();
            EXPECT_GT(ink.dark, 10) << c.day.toString().toStdString();
        }
    }
}

TEST_F(CalendarPages, PagesShowTheirPictures) {
    libraryIn(program_);
    const TInfoCal pages = build(QDate(2023, 1, 1));
    ASSERT_TRUE(built_);
    // The picture area of the right pages differs between the year's animal
    // and the holiday, and the zodiac badge sits on the left page.
    const QRect pictureArea(calendar_page::pictureLeft, calendar_page::pictureTop,
                            calendar_page::pictureWidth, calendar_page::pictureHeight);
    EXPECT_NE(pages.TB[1].copy(pictureArea), pages.TB[2].copy(pictureArea));
    const QImage blank = build(QDate(2023, 1, 1)).TB[0];
    EXPECT_NE(pages.TB[0].pixelColor(calendar_page::zodiacLeft + 13, calendar_page::zodiacTop + 13),
              QColor(255, 255, 255));
    EXPECT_EQ(blank, pages.TB[0]) << "the same day paints the same page";
}

TEST_F(CalendarPages, LibraryInTheParentFolderIsUsed) {
    libraryIn(dir_.path() + QLatin1Char('/'));
    build(QDate(2022, 5, 9));
    EXPECT_TRUE(built_);
}

TEST_F(CalendarPages, MissingLibraryGivesNoPages) {
    const TInfoCal pages = build(QDate(2022, 5, 9));
    EXPECT_FALSE(built_);
    EXPECT_EQ(pages.count, 0);
    // A damaged file under the library's name is no library either.
    QFile damaged(program_ + "WemCalendar01.dll");
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write("not a resource bundle");
    damaged.close();
    build(QDate(2022, 5, 9));
    EXPECT_FALSE(built_);
}

} // namespace
} // namespace quarn

int main(int argc, char **argv) {
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
