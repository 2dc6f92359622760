// The current language: switching, its notification, the index that never
// leaves 0 to 9, the settings character and the picture codes.

#include "lang/Language.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using namespace quarn;

// Every test starts and ends in English, the state of a first start.
class LanguageTest : public testing::Test {
  protected:
    void SetUp() override { setLanguage(English); }
    void TearDown() override { setLanguage(English); }
};

TEST_F(LanguageTest, StartsInEnglishAndTextFollowsTheChosenLanguage) {
    EXPECT_EQ(language(), English);
    EXPECT_EQ(text(WordEntry::MainExit), "Exit");
    setLanguage(Russian);
    EXPECT_EQ(text(WordEntry::MainExit), "Выход");
    setLanguage(Korean);
    EXPECT_EQ(text(WordEntry::MainExit), text(WordEntry::MainExit, Korean));
    EXPECT_EQ(text(WordEntry::ClubDefaultName), "Mr.X");
}

TEST_F(LanguageTest, IndexNeverLeavesZeroToNine) {
    for (int index : {-1, 10, 20, 255, -128}) {
        setLanguage(German);
        setLanguage(index);
        EXPECT_EQ(language(), English) << index;
        EXPECT_EQ(text(WordEntry::MainExit), "Exit") << index;
    }
    EXPECT_EQ(text(WordEntry::MainExit, 10), "Exit");
    EXPECT_EQ(text(WordEntry::MainExit, -3), "Exit");
    EXPECT_EQ(text(static_cast<WordEntry>(wordEntryCount)), "");
}

TEST_F(LanguageTest, SettingsCharacterGivesTheIndexOrEnglish) {
    struct Case {
        char stored;
        int index;
    };
    const Case cases[] = {
        {'0', English}, {'1', Russian},  {'7', Czech},   {'9', Korean},
        {'a', English}, {'k', English},  {'l', English}, {'A', English},
        {' ', English}, {'\0', English}, {'#', English},
    };
    for (const Case &c : cases)
        EXPECT_EQ(languageFromSettingsChar(c.stored), c.index) << "'" << c.stored << "'";
    for (int index = 0; index < languageCount; ++index)
        EXPECT_EQ(languageFromSettingsChar(settingsCharOfLanguage(index)), index);
    EXPECT_EQ(settingsCharOfLanguage(42), '0');
}

TEST_F(LanguageTest, PictureCodesFlagsAndHeadings) {
    struct Case {
        int index;
        std::string_view code;
        std::string flag;
        std::string heading;
        std::string_view name;
    };
    const Case cases[] = {
        {English, "Eng", "FlagOEng", "CapEng", "English"},
        {Russian, "Rus", "FlagORus", "CapRus", "Русский"},
        {German, "Deu", "FlagODeu", "CapDeu", "Deutsch"},
        {French, "Fra", "FlagOFra", "CapFra", "Français"},
        {Spanish, "Spa", "FlagOSpa", "CapSpa", "Español"},
        {Chinese, "Chi", "FlagOChi", "CapChi", "中文"},
        {Italian, "Ita", "FlagOIta", "CapIta", "Italiano"},
        {Czech, "Cze", "FlagOCze", "CapEng", "Čeština"},
        {Japanese, "Eng", "FlagOJap", "CapEng", "日本語"},
        {Korean, "Eng", "FlagOKor", "CapEng", "한국어"},
    };
    for (const Case &c : cases) {
        setLanguage(c.index);
        EXPECT_EQ(pictureCode(), c.code) << c.index;
        EXPECT_EQ(pictureCode(c.index), c.code) << c.index;
        EXPECT_EQ(flagPictureName(), c.flag) << c.index;
        EXPECT_EQ(mainHeadingPictureName(), c.heading) << c.index;
        EXPECT_EQ(languageName(c.index), c.name);
    }
    EXPECT_EQ(languageName(10), "");
    EXPECT_EQ(languageName(-1), "");
    EXPECT_EQ(pictureCode(12), "Eng");
}

TEST_F(LanguageTest, ListenersHearEachChangeOnce) {
    std::vector<int> heardByMain, heardByOptions;
    LanguageSubscription main = onLanguageChanged([&](int l) { heardByMain.push_back(l); });
    LanguageSubscription options = onLanguageChanged([&](int l) { heardByOptions.push_back(l); });
    setLanguage(French);
    setLanguage(French); // no change, nothing to relabel
    setLanguage(99);     // clamped to English
    EXPECT_EQ(heardByMain, (std::vector<int>{French, English}));
    EXPECT_EQ(heardByOptions, heardByMain);
}

TEST_F(LanguageTest, ListenerSeesTheNewLanguageAlreadyInForce) {
    std::string_view seen;
    LanguageSubscription relabel =
        onLanguageChanged([&](int) { seen = text(WordEntry::MainExit); });
    setLanguage(German);
    EXPECT_EQ(seen, "Beenden");
}

TEST_F(LanguageTest, ClosedWindowIsNoLongerCalled) {
    int calls = 0;
    {
        LanguageSubscription window = onLanguageChanged([&](int) { ++calls; });
        setLanguage(Spanish);
    }
    setLanguage(Italian);
    EXPECT_EQ(calls, 1);

    LanguageSubscription moved;
    {
        LanguageSubscription original = onLanguageChanged([&](int) { ++calls; });
        moved = std::move(original);
    }
    setLanguage(Czech);
    EXPECT_EQ(calls, 2);
    moved.reset();
    setLanguage(English);
    EXPECT_EQ(calls, 2);
}

TEST_F(LanguageTest, ListenerMayCloseAnotherWindowWhileRelabelling) {
    int secondCalls = 0;
    auto second = std::make_unique<LanguageSubscription>();
    LanguageSubscription first = onLanguageChanged([&](int) { second.reset(); });
    *second = onLanguageChanged([&](int) { ++secondCalls; });
    setLanguage(Japanese);
    EXPECT_EQ(second, nullptr);
    EXPECT_EQ(secondCalls, 0);
}

TEST_F(LanguageTest, LineBreaksAreExpandedIntoLineFeedThenCarriageReturn) {
    for (int lang = 0; lang < languageCount; ++lang) {
        std::string_view message = text(WordEntry::MainHelpNotTranslated, lang);
        EXPECT_NE(message.find("\n\r"), std::string_view::npos) << lang;
        EXPECT_EQ(message.find('\\'), std::string_view::npos) << lang;
    }
    EXPECT_EQ(text(WordEntry::MainHelpNotTranslated, English),
              "Excuse!\n\rThe file of the help is not translated to the English language.");
}

TEST_F(LanguageTest, ClubHeadingFollowsModeAndLanguage) {
    EXPECT_EQ(clubHeading(1), " The members of club    Games    Score ");
    EXPECT_EQ(clubHeading(2), " The members of club    Games   Rating ");
    EXPECT_EQ(clubHeading(0), clubHeading(1));
    EXPECT_EQ(clubHeading(7), clubHeading(1));
    setLanguage(Russian);
    EXPECT_EQ(clubHeading(2), text(WordEntry::MainClubHeadingRating, Russian));
}

TEST_F(LanguageTest, AttributeWarningPutsThePathBetweenItsTwoParts) {
    EXPECT_EQ(attributeWarning("/games/Quarn/Quarn.clb"),
              "The file \"/games/Quarn/Quarn.clb\" has incorrect attributes!\n\r"
              "The work of the program will be incorrect!");
    setLanguage(Chinese);
    std::string warning = attributeWarning("Quarn.net");
    EXPECT_TRUE(warning.starts_with(text(WordEntry::FileAttributesBefore)));
    EXPECT_NE(warning.find("Quarn.net"), std::string::npos);
    EXPECT_TRUE(warning.ends_with(text(WordEntry::FileAttributesAfter)));
}

TEST_F(LanguageTest, NameGoesInsideTheSentenceInEveryLanguage) {
    EXPECT_EQ(textWith(WordEntry::TourPlayerInterrupted, "Anna"),
              "Player Anna interrupted the game!");
    EXPECT_EQ(textWith(WordEntry::TourPlayerTimeIsUp, "Anna"), "Player Anna time is up!");
    for (int lang = 0; lang < languageCount; ++lang) {
        setLanguage(lang);
        for (WordEntry entry : {WordEntry::TourPlayerInterrupted, WordEntry::TourPlayerTimeIsUp}) {
            const std::string message = textWith(entry, "Anna");
            EXPECT_NE(message.find("Anna"), std::string::npos) << lang;
            EXPECT_EQ(message.find("%1"), std::string::npos) << lang;
        }
    }
    setLanguage(Korean);
    EXPECT_EQ(textWith(WordEntry::TourPlayerInterrupted, "Anna"), "Anna 님이 게임을 중단했습니다!");
    // A nick that itself reads like a placeholder is put in as it stands.
    setLanguage(English);
    EXPECT_EQ(textWith(WordEntry::TourPlayerInterrupted, "%1%2"),
              "Player %1%2 interrupted the game!");
    // A text without a placeholder comes back unchanged.
    EXPECT_EQ(textWith(WordEntry::MainExit, "Anna"), "Exit");
}

TEST_F(LanguageTest, NumberedTextsGiveNothingOutsideTheirRuns) {
    struct Case {
        const char *name;
        std::string_view (*lookup)(int);
        int count;
        std::string_view first, last;
    };
    const Case cases[] = {
        {"face set", faceSetName, faceSetNameCount, "Classical-1", "Knightly"},
        {"background", backgroundName, backgroundNameCount, "Classic", "Ornament"},
        {"colour", backgroundColourName, backgroundColourCount, "Green", "Dark Blue"},
        {"month", monthName, 12, "January", "December"},
        {"zodiac", zodiacSign, 12, "Aries", "Pisces"},
        {"year", chineseYear, 12, "Year Of The Rat", "Year Of The Pig"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(c.lookup(1), c.first) << c.name;
        EXPECT_EQ(c.lookup(c.count), c.last) << c.name;
        EXPECT_EQ(c.lookup(0), "") << c.name;
        EXPECT_EQ(c.lookup(c.count + 1), "") << c.name;
        EXPECT_EQ(c.lookup(-1), "") << c.name;
    }
}

TEST_F(LanguageTest, HolidayLabelsByCountryCode) {
    EXPECT_EQ(holidayLabel("RUS"), "Russian Festival");
    EXPECT_EQ(holidayLabel("KAT"), "Catholic feast");
    EXPECT_EQ(holidayLabel("ISP"), "Spanish holiday");
    EXPECT_EQ(holidayLabel("ALL"), "");
    EXPECT_EQ(holidayLabel("RU-"), "");
    EXPECT_EQ(holidayLabel(""), "");
    EXPECT_EQ(anniversarySuffix(), "-th anniversary");
}

TEST_F(LanguageTest, ProductTexts) {
    EXPECT_EQ(versionText, "V 5.7f");
    EXPECT_EQ(buildDate(), "October 18, 2022");
    EXPECT_EQ(productTitleShort(), "QUARN");
    EXPECT_NE(productTitle().find("Quarn"), std::string_view::npos);
    setLanguage(Russian);
    EXPECT_EQ(productTitleShort(), "КВАРН");
    EXPECT_FALSE(clubName().empty());
}

} // namespace
