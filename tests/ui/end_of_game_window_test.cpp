// The end-of-game window: its sound played once when it shows, its
// animation, and the kinds of game the window set opens it for.
#include "UiFixture.h"

#include "ui/AuxWindowSet.h"
#include "ui/TAnimation.h"
#include "ui/TFormEndGame.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

class EndOfGameWindow : public ::testing::Test {
  protected:
    WindowFixture f;
};

TEST_F(EndOfGameWindow, PlaysItsSoundOnceWhenShownWithoutWaiting) {
    TFormEndGame window(f.context(), {EndOfGameKind::Local, 3, 60, 0});
    EXPECT_TRUE(f.sound.played.empty()) << "nothing before the window shows";
    window.show();
    window.hide();
    window.show();
    EXPECT_EQ(f.sound.played, std::vector<std::string>{"WFiGood"});
    EXPECT_EQ(f.sound.waited, std::vector<bool>{false});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("The completion of game"));
    EXPECT_EQ(window.size(), QSize(620, 720));
}

TEST_F(EndOfGameWindow, AnimationRunsOrStandsOnItsFrame) {
    struct Case {
        int place;
        bool animations;
        bool running;
        int frame;
    };
    // A running animation is on whichever frame it reached (0: not checked).
    const Case cases[] = {{1, false, false, 25},
                          {5, false, false, 24},
                          {0, false, false, 3},
                          {1, true, true, 0},
                          {0, true, true, 0}};
    for (const Case &c : cases) {
        f.settings.gifAnimation = c.animations;
        TFormEndGame window(f.context(), {EndOfGameKind::Local, c.place, 10, 0});
        TAnimation *animation = window.animation();
        ASSERT_TRUE(animation->loaded()) << c.place;
        EXPECT_EQ(animation->running(), c.running) << c.place;
        if (c.frame > 0) {
            EXPECT_EQ(animation->currentFrame(), c.frame) << c.place;
        }
    }
}

TEST_F(EndOfGameWindow, WindowSetShowsTheClubsKindAndTheAccountsPlace) {
    AuxWindowSet windows(f.context(), nullptr);
    std::vector<std::string> shown;
    windows.setRunner([&](QDialog &dialog) {
        auto &end = dynamic_cast<TFormEndGame &>(dialog);
        shown.push_back(end.view().result + "/" +
                        std::to_string(end.view().titleLine ? int(*end.view().titleLine) : -1));
        dialog.findChild<QPushButton *>(QStringLiteral("ButtonOk"))->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    });
    windows.showEndOfGame(true, 1, 80);
    windows.showEndOfGame(false, 1, 81);
    windows.showAccountEndOfGame(1, 82, 25);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0], "Result: 80/" + std::to_string(int(WordEntry::ClubBachelor)));
    EXPECT_EQ(shown[1], "Result: 81/" + std::to_string(int(WordEntry::ClubMaster)));
    EXPECT_EQ(shown[2], "Result: 82/" + std::to_string(int(WordEntry::ClubVicePresident)));
}

} // namespace
} // namespace quarn
