// The ribbon of the banner shown while a hand's film is written: one of the
// program's own pictures, at the banner's size, with the band in its middle
// opaque so the red text stands on it.
#include "table/Pictures.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

TEST(GifBannerRibbon, IsAmongTheProgramsOwnPicturesAtTheBannerSize) {
    initBuiltinPictures();
    const QImage ribbon = Pictures::builtin(QStringLiteral("png"), QStringLiteral("AdvBar3"));
    ASSERT_FALSE(ribbon.isNull());
    EXPECT_EQ(ribbon.size(), QSize(175, 40));
    const QPoint middles[] = {{87, 12}, {87, 20}, {40, 18}, {135, 18}};
    for (QPoint at : middles)
        EXPECT_EQ(qAlpha(ribbon.pixel(at)), 255) << at.x() << "," << at.y();
}

} // namespace
} // namespace quarn
