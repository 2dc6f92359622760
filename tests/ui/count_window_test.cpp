// The game information window: the record's values under their captions,
// the caption with the player's name, the layout of each design, the club
// animations of each situation and the "Purple" icon.
#include "UiFixture.h"

#include "ui/AuxWindowSet.h"
#include "ui/TAnimation.h"
#include "ui/TFormCount.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

const TCount sample{"60", "30", "12", "5", "17", "  0,40", "  0,48"};

class CountWindow : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        library_ = new QTemporaryDir;
        ASSERT_TRUE(makeGraphicsLibrary(library_->path(), allLibraryEntries()));
    }
    static void TearDownTestSuite() {
        delete library_;
        library_ = nullptr;
    }
    void withLibrary() {
        ASSERT_TRUE(
            QFile::copy(library_->path() + "/WemCGraph1.dll", f.folder() + "WemCGraph1.dll"));
    }

    WindowFixture f;
    static QTemporaryDir *library_;
};

QTemporaryDir *CountWindow::library_ = nullptr;

TEST_F(CountWindow, ShowsTheRecordUnderItsCaptions) {
    TFormCount window(f.context(), sample,
                      {QStringLiteral("Anna                "), kAccountLoggedOut, false});
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Player:  Anna                "));
    EXPECT_EQ(window.headingLabel()->text(), QStringLiteral("Information about game"));
    const QStringList captions{"General number of game:", "Number of round in a current cycle:",
                               "The initial score:",      "The current score:",
                               "The general score:",      "The initial rating:",
                               "The current rating:"};
    const QStringList values{"60", "30", "12", "5", "17", "  0,40", "  0,48"};
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(window.captions()[size_t(i)]->text(), captions[i]);
        EXPECT_EQ(window.values()[size_t(i)]->text(), values[i]);
        EXPECT_EQ(window.values()[size_t(i)]->alignment() & Qt::AlignHorizontal_Mask,
                  Qt::AlignRight);
    }
    EXPECT_EQ(window.captions()[2]->font().family(), QStringLiteral("Comic Sans MS"))
        << "the initial score always takes Comic Sans MS";
}

TEST_F(CountWindow, FontsFollowTheSettingsScales) {
    f.settings.fontScales = {130, 60, 100, 100};
    f.settings.fontNames[1] = "Courier New";
    TFormCount window(f.context(), sample, {});
    EXPECT_EQ(window.values()[0]->font().pixelSize(), 14);   // 24 x 60 % = 14.4
    EXPECT_EQ(window.captions()[0]->font().pixelSize(), 10); // 16 x 60 % = 9.6
    EXPECT_EQ(window.captions()[0]->font().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(window.captions()[2]->font().family(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(window.captions()[2]->font().pixelSize(), 10);
    EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("ButtonOk"))->font().pixelSize(),
              26); // 20 x 130 %
}

TEST_F(CountWindow, CaptionsEndBeforeTheirValuesInEveryLanguage) {
    f.settings.fontScales = {100, 150, 100, 100};
    const TCount wide{"99999", "30", "-9999", "-9999", "-19998", "-99,99", "-99,99"};
    for (int language = 0; language < 10; ++language) {
        useLanguage(language);
        TFormCount window(f.context(), wide, {});
        for (int i = 0; i < 7; ++i) {
            const QLabel *caption = window.captions()[size_t(i)];
            const QLabel *value = window.values()[size_t(i)];
            const int valueLeft =
                value->geometry().right() + 1 -
                QFontMetrics(value->font()).horizontalAdvance(value->text().trimmed());
            const int captionRight =
                caption->x() + QFontMetrics(caption->font()).horizontalAdvance(caption->text());
            if (i == 1)
                EXPECT_LE(caption->geometry().right(), value->x()) << "language " << language;
            else
                EXPECT_LT(captionRight, valueLeft) << "language " << language << ", caption " << i;
        }
    }
    useLanguage(0);
}

TEST_F(CountWindow, EachDesignHasItsLayout) {
    withLibrary();
    struct Case {
        int design;
        int height;
        int headingTop;
        int firstCaptionTop;
        int okTop;
        int genCountTop;
        int clubTop;
    };
    const Case cases[] = {{1, 510, 120, 155, 475, 330, 350},
                          {2, 525, 135, 170, 490, 345, 365},
                          {3, 560, 170, 205, 525, 380, 400},
                          {4, 500, 120, 158, 465, 370, 380}};
    for (const Case &c : cases) {
        chooseDesign(f.settings, c.design);
        TFormCount window(f.context(), sample, {});
        EXPECT_EQ(int(window.design()), c.design);
        EXPECT_EQ(window.size(), QSize(325, c.height)) << c.design;
        EXPECT_EQ(window.headingLabel()->y(), c.headingTop) << c.design;
        EXPECT_EQ(window.captions()[0]->y(), c.firstCaptionTop) << c.design;
        EXPECT_EQ(window.findChild<QPushButton *>(QStringLiteral("ButtonOk"))->geometry(),
                  QRect(2, c.okTop, 315, 30))
            << c.design;
        EXPECT_EQ(window.genCount()->y(), c.genCountTop) << c.design;
        EXPECT_EQ(window.leftClub()->y(), c.clubTop) << c.design;
        EXPECT_EQ(window.iconTimer() != nullptr, c.design == 4)
            << "the icon timer runs only in Purple";
    }
}

TEST_F(CountWindow, ButtonTakesTheSchemeOfTheDesign) {
    withLibrary();
    for (int design : {2, 4}) {
        chooseDesign(f.settings, design);
        f.settings.newButtons = design == 4;
        TFormCount window(f.context(), sample, {});
        auto *ok = window.findChild<TWemCardsButton *>(QStringLiteral("ButtonOk"));
        EXPECT_EQ(ok->colorSB(), design == 4 ? TColorSB::DCards : TColorSB::DRed);
        EXPECT_EQ(ok->fontColor(), design == 4 ? QColor(200, 175, 50) : QColor(Qt::white));
        EXPECT_EQ(ok->newStyle(), design == 4);
    }
}

TEST(CountWindowClubs, AnimationsFollowTheSituation) {
    struct Case {
        bool tournament;
        bool network;
        int accountState;
        const char *left;
        const char *right;
    };
    const Case cases[] = {{false, false, kAccountPlayingForRating, "A", "B"},
                          {false, false, kAccountLoggedOut, "C", "F"},
                          {false, false, kAccountLoggedIn, "C", "F"},
                          {true, false, kAccountPlayingForRating, "E", ""},
                          {true, true, kAccountLoggedIn, "E", ""},
                          {false, true, kAccountPlayingForRating, "G", ""}};
    for (const Case &c : cases) {
        TFormCount::Situation situation;
        situation.tournament = c.tournament;
        situation.accountState = c.accountState;
        for (bool purple : {false, true}) {
            const QString prefix = purple ? QStringLiteral("Gif") : QStringLiteral("GClub");
            const auto [left, right] = TFormCount::clubAnimations(situation, c.network, purple);
            EXPECT_EQ(left, prefix + QLatin1String(c.left));
            EXPECT_EQ(right, *c.right ? prefix + QLatin1String(c.right) : QString());
        }
    }
}

TEST_F(CountWindow, GrayClubsAlwaysRunWhileTheCounterFollowsTheSetting) {
    f.settings.gifAnimation = false;
    TFormCount window(f.context(), sample, {});
    EXPECT_TRUE(window.leftClub()->running());
    EXPECT_TRUE(window.rightClub()->running());
    EXPECT_FALSE(window.genCount()->running());
    EXPECT_EQ(window.genCount()->currentFrame(), 14);
}

TEST_F(CountWindow, PurpleClubsFollowTheSettingAndTheSituation) {
    withLibrary();
    chooseDesign(f.settings, 4);
    struct Case {
        bool animations;
        bool tournament;
        bool leftRuns;
        bool rightShown;
        bool rightRuns;
    };
    const Case cases[] = {{true, false, true, true, true},
                          {false, false, false, true, false},
                          {true, true, true, false, false}};
    for (const Case &c : cases) {
        f.settings.gifAnimation = c.animations;
        TFormCount::Situation situation;
        situation.tournament = c.tournament;
        TFormCount window(f.context(), sample, situation);
        window.show();
        EXPECT_TRUE(window.leftClub()->loaded()) << "from the library";
        EXPECT_EQ(window.leftClub()->running(), c.leftRuns);
        EXPECT_EQ(window.genCount()->running(), c.animations);
        EXPECT_EQ(window.rightClub()->isVisible(), c.rightShown);
        EXPECT_EQ(window.rightClub()->running(), c.rightRuns);
    }
}

TEST_F(CountWindow, PurpleIconCounterRunsOnAcrossOpenings) {
    withLibrary();
    chooseDesign(f.settings, 4);
    int before = 0;
    {
        TFormCount window(f.context(), sample, {});
        ASSERT_NE(window.iconTimer(), nullptr);
        EXPECT_EQ(window.iconTimer()->interval(), 50);
        before = TFormCount::iconFrame();
        for (int i = 0; i < 3; ++i)
            window.iconTick();
    }
    const int expected = (before + 3 - 1) % 60 + 1;
    EXPECT_EQ(TFormCount::iconFrame(), expected);
    TFormCount again(f.context(), sample, {});
    for (int i = 0; i < 60; ++i)
        again.iconTick();
    EXPECT_EQ(TFormCount::iconFrame(), expected) << "60 ticks come round to the same frame";
    EXPECT_GE(TFormCount::iconFrame(), 1);
    EXPECT_LE(TFormCount::iconFrame(), 60);
}

TEST_F(CountWindow, OkEmptiesTheCounterAnimationAndCloses) {
    f.settings.saluteOnButtons = true; // without the library the salute does nothing
    TFormCount window(f.context(), sample, {});
    window.show();
    window.findChild<QPushButton *>(QStringLiteral("ButtonOk"))->click();
    EXPECT_FALSE(window.genCount()->loaded());
    EXPECT_FALSE(window.genCount()->isVisible());
    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(CountWindow, WindowSetFillsTheRecordThenOpens) {
    AuxWindowSet windows(f.context(), nullptr);
    windows.setAccountSource([] { return AccountStanding{kAccountPlayingForRating, 27, 3.5}; });
    GameState game;
    game.HandNumber = 62;
    game.MatchHands = 2;
    game.ScoreAtStart = 10;
    game.PlayerScore = 4;
    game.PlayerKind = kAccountPlayer;
    game.PlayerName = "Incognito";
    QString title, cycle;
    windows.setRunner([&](QDialog &dialog) {
        auto &count = dynamic_cast<TFormCount &>(dialog);
        title = count.windowTitle();
        cycle = count.values()[1]->text();
    });
    windows.showGameInformation(game);
    EXPECT_EQ(title, QStringLiteral("Player:  Incognito           "));
    EXPECT_EQ(cycle, QStringLiteral("29"));
    EXPECT_EQ(currentCount().Count_ReiCur, "?");
    EXPECT_EQ(f.sound.played, std::vector<std::string>{"WOpenFo"});
}

} // namespace
} // namespace quarn
