// The rules behind the options lists: sizes that fit a screen, back modes,
// the colour list's names, where libraries are looked for.
#include "OptionsFixture.h"

#include "lang/Language.h"
#include "ui/OptionsChoices.h"

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

TEST(WindowSizes, OnlyThoseThatFitTheScreenAreOffered) {
    struct Case {
        QSize screen;
        std::vector<int> offered;
    };
    const Case cases[] = {
        {{1280, 1024}, {1, 2, 3}}, // average 2 needs 1290 x 870
        {{1920, 1080}, {1, 2, 3, 4, 5}},
        {{1520, 1020}, {1, 2, 3, 4, 5}}, // exactly the large window's need
        {{1519, 1080}, {1, 2, 3, 4}},
        {{1600, 1019}, {1, 2, 3, 4}},
        {{1290, 870}, {1, 2, 3, 4}},
        {{1289, 1000}, {1, 2, 3}},
        {{990, 670}, {1, 2, 3}},
        {{989, 800}, {1, 2}},
        {{1024, 669}, {1, 2}},
        {{800, 600}, {1, 2}},
        {{}, {1, 2, 3, 4, 5}}, // unknown screen: keep them all
    };
    for (const Case &c : cases)
        EXPECT_EQ(fittingWindowSizes(c.screen), c.offered)
            << c.screen.width() << " x " << c.screen.height();
}

TEST(WindowSizes, HintShowsTheClientSizeButNotForFullScreen) {
    const std::pair<int, const char *> cases[] = {
        {1, "760 x 500"}, {2, ""}, {3, "990 x 650"}, {4, "1290 x 850"}, {5, "1520 x 1000"}};
    for (const auto &[size, hint] : cases)
        EXPECT_EQ(windowSizeHint(size), QLatin1String(hint)) << size;
}

TEST(BackModes, RandomSetsForceRandomAndTheOthersForbidIt) {
    struct Case {
        int set;
        bool alwaysOne;
        bool change, one, random;
        BackMode shown;
    };
    const Case cases[] = {
        {0, false, true, true, false, BackMode::ChangeDecks},
        {0, true, true, true, false, BackMode::AlwaysOne},
        {7, true, true, true, false, BackMode::AlwaysOne},
        {8, false, false, false, true, BackMode::Random}, // "Animals"
        {9, true, false, false, true, BackMode::Random},  // "Flowers" ignores "Always one"
        {11, false, false, false, true, BackMode::Random},
        {12, false, true, true, false, BackMode::ChangeDecks},
        {12, true, true, true, false, BackMode::AlwaysOne},
    };
    for (const Case &c : cases) {
        const BackModes modes = backModesFor(c.set, c.alwaysOne);
        EXPECT_EQ(modes.changeDecksEnabled, c.change) << c.set;
        EXPECT_EQ(modes.alwaysOneEnabled, c.one) << c.set;
        EXPECT_EQ(modes.randomEnabled, c.random) << c.set;
        EXPECT_EQ(modes.shown, c.shown) << c.set;
    }
}

TEST(BackModes, OnlyAlwaysOneIsStored) {
    EXPECT_TRUE(storedAlwaysOne(3, BackMode::AlwaysOne));
    EXPECT_FALSE(storedAlwaysOne(3, BackMode::ChangeDecks));
    EXPECT_FALSE(storedAlwaysOne(3, BackMode::Random));
    EXPECT_FALSE(storedAlwaysOne(10, BackMode::AlwaysOne));
}

TEST(BackgroundColours, EachItemIsNamedAfterTheColourItLoads) {
    // The variants' picture codes are Gr, Re, Or, Ye, B1, B2, Fi; the word
    // table keeps "Violet" fourth, so the names must be mapped, not counted.
    const char *names[] = {"Green", "Red", "Orang", "Yellow", "Light-Blue", "Dark Blue", "Violet"};
    for (int variant = 0; variant < backgroundColourCount; ++variant)
        EXPECT_EQ(backgroundColourName(colourNameNumberOfVariant(variant)), names[variant])
            << variant;
}

TEST(BackgroundColours, OnlyFeltInGreenIsBuiltIn) {
    EXPECT_FALSE(backgroundNeedsLibrary(2, 0));
    EXPECT_TRUE(backgroundNeedsLibrary(2, 1));
    EXPECT_TRUE(backgroundNeedsLibrary(1, 0));
}

TEST(Libraries, FoundBesideTheProgramOrInItsParentFolder) {
    WindowFixture f;
    const QString file = QStringLiteral("WemCards06C.dll");
    EXPECT_FALSE(libraryFound(f.folder(), file));
    placeLibrary(f.folder() + QStringLiteral(".."), file);
    EXPECT_TRUE(libraryFound(f.folder(), file));
    // Without the trailing slash as well.
    EXPECT_TRUE(libraryFound(f.folder().chopped(1), file));
    EXPECT_FALSE(libraryFound(f.folder(), QStringLiteral("WemCards06A.dll")));
}

TEST(Libraries, FaceAndBackSetsNameTheirLibraries) {
    const std::pair<int, const char *> faces[] = {{0, ""},
                                                  {1, "WemCards06A.dll"},
                                                  {31, "WemCards06A.dll"},
                                                  {32, "WemCards06B.dll"},
                                                  {39, "WemCards06B.dll"},
                                                  {40, "WemCards06C.dll"},
                                                  {47, "WemCards06C.dll"}};
    for (const auto &[set, library] : faces)
        EXPECT_EQ(libraryOfFaceSet(set), QLatin1String(library)) << set;
    EXPECT_TRUE(libraryOfBackSet(0).isEmpty());
    for (int set = 1; set < backSetCount; ++set)
        EXPECT_EQ(libraryOfBackSet(set), QStringLiteral("WemCards06B.dll")) << set;
}

TEST(Flags, LanguageFlagsUseTheirOwnCodesForJapaneseAndKorean) {
    const char *flags[] = {"FlagOEng", "FlagORus", "FlagODeu", "FlagOFra", "FlagOSpa",
                           "FlagOChi", "FlagOIta", "FlagOCze", "FlagOJap", "FlagOKor"};
    for (int language = 0; language < languageCount; ++language)
        EXPECT_EQ(languageFlag(language), QLatin1String(flags[language])) << language;
}

TEST(Designs, DialogHeightFollowsTheDesign) {
    const std::pair<int, int> cases[] = {{1, 360}, {2, 375}, {3, 410}, {4, 400}};
    for (const auto &[design, height] : cases)
        EXPECT_EQ(optionsHeightForDesign(design), height) << design;
}

} // namespace
} // namespace quarn
