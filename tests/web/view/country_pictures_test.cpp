// The flag and sex pictures every online list draws.
#include "table/Pictures.h"
#include "web/view/CountryPictures.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

using quarn::DrawFlag;
using quarn::DrawSex;

class CountryPictures : public ::testing::Test {
  protected:
    void SetUp() override { quarn::initBuiltinPictures(); }

    // A white canvas with one picture drawn at (4, 4); true when any pixel
    // changed.
    template <typename Draw> static bool drawsSomething(Draw draw) {
        QImage canvas(32, 32, QImage::Format_ARGB32);
        canvas.fill(Qt::white);
        const QImage before = canvas;
        {
            QPainter painter(&canvas);
            draw(painter);
        }
        return canvas != before;
    }
};

TEST_F(CountryPictures, FlagsOfEveryContinentAreFourteenByTwelve) {
    for (const char *code : {"1-001", "2-026", "3-034", "4-003", "5-002", "6-012", "1-048"}) {
        const QPixmap flag = quarn::flagPicture(code);
        ASSERT_FALSE(flag.isNull()) << code;
        EXPECT_EQ(flag.size(), QSize(quarn::kFlagWidth, quarn::kFlagHeight)) << code;
        EXPECT_TRUE(drawsSomething([&](QPainter &p) { DrawFlag(code, p, 4, 4); })) << code;
    }
}

TEST_F(CountryPictures, CodesNamingNoCountryDrawNothing) {
    for (const char *code : {"", "#", "7-001", "0-001", "1-049", "6-055", "x-abc"}) {
        EXPECT_TRUE(quarn::flagPicture(code).isNull()) << code;
        EXPECT_FALSE(drawsSomething([&](QPainter &p) { DrawFlag(code, p, 4, 4); })) << code;
    }
}

TEST_F(CountryPictures, ManForMAndWomanForAnythingElse) {
    const QImage man = quarn::sexPicture("M").toImage();
    ASSERT_FALSE(man.isNull());
    EXPECT_EQ(man.size(), QSize(16, 16));
    for (const char *other : {"W", "", "#", "m"})
        EXPECT_EQ(quarn::sexPicture(other).toImage(), quarn::sexPicture("W").toImage()) << other;
    EXPECT_NE(man, quarn::sexPicture("W").toImage());
    EXPECT_TRUE(drawsSomething([](QPainter &p) { DrawSex("M", p, 4, 4); }));
}

} // namespace
