// Animated pictures: the program's own GIFs load with the frames the windows
// stand on, damaged bytes never load, and a still frame stays in range.
#include "ui/TAnimation.h"
#include "ui/UiPictures.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace quarn {
namespace {

TEST(Animation, ProgramAnimationsHaveTheFramesTheWindowsStandOn) {
    struct Case {
        const char *name;
        int stillFrame;
        QSize size;
    };
    const Case cases[] = {
        {"GGenCount", 14, {100, 90}}, {"GEndBest", 25, {300, 200}}, {"GEndGood", 24, {300, 200}},
        {"GEndBads", 3, {300, 200}},  {"GClubA", 1, {60, 75}},      {"GClubB", 1, {60, 75}},
        {"GClubC", 1, {60, 75}},      {"GClubE", 1, {60, 75}},      {"GClubF", 1, {60, 75}},
        {"GClubG", 1, {60, 75}},      {"GTopTen", 1, {140, 110}}};
    for (const Case &c : cases) {
        TAnimation animation;
        ASSERT_TRUE(animation.load(uiAnimation(QString::fromLatin1(c.name)))) << c.name;
        EXPECT_GE(animation.frameCount(), c.stillFrame) << c.name;
        animation.standStill(c.stillFrame);
        EXPECT_EQ(animation.currentFrame(), c.stillFrame) << c.name;
        EXPECT_FALSE(animation.running()) << c.name;
        EXPECT_EQ(animation.movie()->currentImage().size(), c.size) << c.name;
    }
}

TEST(Animation, DamagedOrEmptyBytesDoNotLoad) {
    const QByteArray good = uiAnimation(QStringLiteral("GClubF"));
    ASSERT_FALSE(good.isEmpty());
    const QByteArray inputs[] = {QByteArray(), QByteArray("GIF89a"), QByteArray(500, '\0'),
                                 good.left(13), QByteArray("\x89PNG\r\n\x1a\n garbage")};
    for (const QByteArray &bytes : inputs) {
        TAnimation animation;
        EXPECT_FALSE(animation.load(bytes)) << bytes.size();
        EXPECT_FALSE(animation.loaded());
        animation.run();
        animation.standStill(3);
        EXPECT_EQ(animation.currentFrame(), 0);
    }
}

TEST(Animation, StillFrameIsKeptInsideTheAnimation) {
    TAnimation animation;
    ASSERT_TRUE(animation.load(uiAnimation(QStringLiteral("GEndBads"))));
    const int last = animation.frameCount();
    animation.standStill(last + 40);
    EXPECT_EQ(animation.currentFrame(), last);
    animation.standStill(-5);
    EXPECT_EQ(animation.currentFrame(), 1);
    animation.clear();
    EXPECT_FALSE(animation.loaded());
    EXPECT_EQ(animation.frameCount(), 0);
}

// An animation keeps a frame timer only while it runs and can be seen: a
// hidden one, or one in a hidden window, costs nothing and goes on from the
// frame it stood on.
TEST(Animation, RunsOnlyWhileShown) {
    QWidget window;
    auto *animation = new TAnimation(&window);
    ASSERT_TRUE(animation->load(uiAnimation(QStringLiteral("GClubF"))));
    animation->run();
    EXPECT_TRUE(animation->running());
    EXPECT_FALSE(animation->ticking()) << "the window is not shown yet";

    window.show();
    EXPECT_TRUE(animation->ticking());
    QTRY_VERIFY(animation->currentFrame() > 1);

    animation->hide();
    EXPECT_FALSE(animation->ticking());
    EXPECT_TRUE(animation->running());
    const int stood = animation->currentFrame();
    animation->show();
    EXPECT_TRUE(animation->ticking());
    EXPECT_EQ(animation->currentFrame(), stood);

    window.hide();
    EXPECT_FALSE(animation->ticking());
    window.show();
    EXPECT_TRUE(animation->ticking());

    animation->standStill(2);
    EXPECT_FALSE(animation->ticking());
    animation->hide();
    animation->show();
    EXPECT_FALSE(animation->ticking()) << "a still animation stays still when shown";
    EXPECT_EQ(animation->currentFrame(), 2);
}

} // namespace
} // namespace quarn
