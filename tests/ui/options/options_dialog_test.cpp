// The options dialog on its own: every control changes its setting at once
// and asks the main window (a recording stand-in) to show it; choices whose
// library is missing fall back with the missing-library message.
#include "OptionsFixture.h"

#include "lang/Language.h"
#include "ui/TFormSpeed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

class OptionsDialog : public ::testing::Test {
  protected:
    void SetUp() override { host.folder = f.folder(); }
    void TearDown() override { useLanguage(English); }

    std::unique_ptr<TFormOptions> open(QSize screen = {1920, 1080}) {
        return std::make_unique<TFormOptions>(f.context(), &host, screen);
    }

    WindowFixture f;
    RecordingHost host;
};

QString entryText(WordEntry entry, int language) {
    const std::string_view t = text(entry, language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

TEST_F(OptionsDialog, LanguageChangeRelabelsEveryTabAtOnce) {
    auto dialog = open();
    const WordEntry tabs[] = {
        WordEntry::OptTabGeneral,   WordEntry::OptTabCards, WordEntry::OptTabDecks,
        WordEntry::OptTabGame,      WordEntry::OptTabFonts, WordEntry::OptTabBackground,
        WordEntry::OptTabSaveGames, WordEntry::OptTabDll,   WordEntry::OptTabDesign};
    const std::pair<const char *, WordEntry> checks[] = {
        {"CheckBoxSound", WordEntry::OptSound},
        {"CheckBoxFly", WordEntry::OptFlyCards},
        {"CheckBoxRecordGif", WordEntry::OptSaveGamesAsGif},
        {"CheckBoxSaluteCards", WordEntry::OptSaluteCards},
        {"CheckBoxHighlight", WordEntry::OptHighlightPlayable},
        {"CheckBoxStrongOpponents", WordEntry::OptStrongOpponents}};
    // From the last language back to the first, so every step is a change.
    for (int language = languageCount - 1; language >= 0; --language) {
        control<QListWidget>(*dialog, "ListBoxLanguage")->setCurrentRow(language);
        EXPECT_EQ(f.settings.language, language);
        EXPECT_EQ(quarn::language(), language);
        EXPECT_EQ(dialog->windowTitle(), entryText(WordEntry::MainOptions, language)) << language;
        for (int tab = 0; tab < 9; ++tab)
            EXPECT_EQ(dialog->tabs()->tabText(tab), entryText(tabs[tab], language))
                << language << " tab " << tab;
        for (const auto &[name, entry] : checks)
            EXPECT_EQ(control<QCheckBox>(*dialog, name)->text(), entryText(entry, language))
                << name;
        EXPECT_EQ(control<QGroupBox>(*dialog, "GroupModification")->title(),
                  entryText(WordEntry::OptModification, language));
        EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxFaces")->item(47)->text(),
                  entryText(WordEntry::FaceSetCzech, language));
        EXPECT_EQ(dialog->okButton()->text(), entryText(WordEntry::OptOk, language));
        EXPECT_EQ(dialog->speedButton()->text(),
                  entryText(WordEntry::OptSpeed, language) + QStringLiteral("=4"));
    }
    // The tab "DLL" keeps its caption in every language.
    EXPECT_EQ(dialog->tabs()->tabText(7), QStringLiteral("DLL"));
}

TEST_F(OptionsDialog, OpensShowingTheSettings) {
    f.settings.soundEffects = false;
    f.settings.music = true;
    f.settings.cardFlight = false;
    f.settings.multiplayer = true;
    f.settings.windowSize = WindowSizeSetting::Average1;
    f.settings.backSet = 9;
    f.settings.backgroundPicture = 7;
    f.settings.backgroundColour = 6;
    f.settings.highlightPlayable = false;
    f.settings.strongOpponents = true;
    f.settings.flightSpeed = 2;
    f.settings.radioListFromServer = false;
    auto dialog = open();
    EXPECT_FALSE(control<QCheckBox>(*dialog, "CheckBoxSound")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(*dialog, "CheckBoxMusic")->isChecked());
    EXPECT_FALSE(control<QCheckBox>(*dialog, "CheckBoxFly")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(*dialog, "CheckBoxMultiplayer")->isChecked());
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboBoxSize")->currentText(),
              QStringLiteral("Average window 1"));
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboBoxSize")->toolTip(), QStringLiteral("990 x 650"));
    EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxBacks")->currentItem()->text(),
              QStringLiteral("Flowers"));
    EXPECT_TRUE(control<QRadioButton>(*dialog, "RadioRandom")->isChecked());
    EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxBackground")->currentItem()->text(),
              QStringLiteral("Casino"));
    EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxColour")->currentItem()->text(),
              QStringLiteral("Violet"));
    EXPECT_FALSE(control<QCheckBox>(*dialog, "CheckBoxHighlight")->isChecked());
    EXPECT_TRUE(control<QCheckBox>(*dialog, "CheckBoxStrongOpponents")->isChecked());
    EXPECT_EQ(dialog->speedButton()->text(), QStringLiteral("Speed=2"));
    EXPECT_TRUE(control<QRadioButton>(*dialog, "RadioFromDisk")->isChecked());
    // Opening changes nothing and asks nothing of the main window.
    EXPECT_TRUE(host.calls.empty());
    EXPECT_TRUE(f.missingLibraries.isEmpty());
}

TEST_F(OptionsDialog, SwitchesTakeEffectAtOnce) {
    struct Case {
        const char *box;
        bool Settings::*value;
        const char *call; // what the main window is asked to do ("" nothing)
    };
    const Case cases[] = {{"CheckBoxSound", &Settings::soundEffects, ""},
                          {"CheckBoxMusic", &Settings::music, "music"},
                          {"CheckBoxGif", &Settings::gifAnimation, "animations"},
                          {"CheckBoxFly", &Settings::cardFlight, ""},
                          {"CheckBoxCursor", &Settings::redMouseCursor, "cursors"},
                          {"CheckBoxNewButtons", &Settings::newButtons, "buttons"},
                          {"CheckBoxMultiplayer", &Settings::multiplayer, "network"},
                          {"CheckBoxHighlight", &Settings::highlightPlayable, ""},
                          {"CheckBoxStrongOpponents", &Settings::strongOpponents, ""}};
    auto dialog = open();
    for (const Case &c : cases) {
        QCheckBox *box = control<QCheckBox>(*dialog, c.box);
        ASSERT_NE(box, nullptr) << c.box;
        const bool before = f.settings.*c.value;
        const int callsBefore = host.count(c.call);
        box->click();
        EXPECT_EQ(f.settings.*c.value, !before) << c.box;
        box->click();
        EXPECT_EQ(f.settings.*c.value, before) << c.box;
        if (*c.call != '\0') {
            EXPECT_EQ(host.count(c.call), callsBefore + 2) << c.box;
        }
    }
    // "New buttons" also redraws the dialog's own buttons.
    control<QCheckBox>(*dialog, "CheckBoxNewButtons")->click();
    EXPECT_TRUE(dialog->okButton()->newStyle());
    EXPECT_TRUE(dialog->speedButton()->newStyle());
}

TEST_F(OptionsDialog, StrongOpponentsBoxSitsInTheMinorGroupOfTheGameTab) {
    auto dialog = open();
    auto *minor = control<QGroupBox>(*dialog, "GroupMinor");
    auto *strong = control<QCheckBox>(*dialog, "CheckBoxStrongOpponents");
    ASSERT_NE(strong, nullptr);
    EXPECT_EQ(strong->parentWidget(), minor);
    EXPECT_EQ(control<QCheckBox>(*dialog, "CheckBoxHighlight")->parentWidget(), minor);
    EXPECT_EQ(strong->text(), QStringLiteral("Strong computer opponents"));
    // Off by default: the computer seats use the standard chooser.
    EXPECT_FALSE(strong->isChecked());
    EXPECT_EQ(dialog->tabs()->indexOf(minor->parentWidget()), 3);
}

TEST_F(OptionsDialog, SizeListOffersOnlySizesThatFitTheScreen) {
    auto dialog = open({1280, 1024});
    auto *sizes = control<QComboBox>(*dialog, "ComboBoxSize");
    ASSERT_EQ(sizes->count(), 3);
    EXPECT_EQ(sizes->itemText(0), QStringLiteral("Small window"));
    EXPECT_EQ(sizes->itemText(1), QStringLiteral("Full screen"));
    EXPECT_EQ(sizes->itemText(2), QStringLiteral("Average window 1"));
    sizes->setCurrentIndex(2);
    EXPECT_EQ(f.settings.windowSize, WindowSizeSetting::Average1);
    EXPECT_EQ(host.count("size"), 1);
    EXPECT_EQ(sizes->toolTip(), QStringLiteral("990 x 650"));
    sizes->setCurrentIndex(1);
    EXPECT_EQ(f.settings.windowSize, WindowSizeSetting::FullScreen);
    EXPECT_TRUE(sizes->toolTip().isEmpty());
}

TEST_F(OptionsDialog, SaveGamesControlsFollowTheWindowSizeAndTheRecording) {
    struct Case {
        int windowSize;
        bool recording;
        bool boxEnabled;
        bool captureEnabled;
    };
    const Case cases[] = {{1, false, true, false},
                          {1, true, true, true},
                          {3, false, false, false},
                          {2, false, false, false}};
    for (const Case &c : cases) {
        f.settings.windowSize = static_cast<WindowSizeSetting>(c.windowSize);
        f.settings.recordGif = c.recording;
        auto dialog = open();
        EXPECT_EQ(control<QCheckBox>(*dialog, "CheckBoxRecordGif")->isEnabled(), c.boxEnabled)
            << c.windowSize;
        EXPECT_EQ(control<QComboBox>(*dialog, "ComboBoxCapture")->isEnabled(), c.captureEnabled)
            << c.windowSize;
        EXPECT_EQ(control<QSpinBox>(*dialog, "EditDelay")->isEnabled(), c.captureEnabled)
            << c.windowSize;
    }
}

TEST_F(OptionsDialog, RecordingValuesAreStoredAndALargerWindowStopsTheRecording) {
    auto dialog = open();
    auto *record = control<QCheckBox>(*dialog, "CheckBoxRecordGif");
    record->click();
    EXPECT_TRUE(f.settings.recordGif);
    EXPECT_TRUE(control<QComboBox>(*dialog, "ComboBoxCapture")->isEnabled());
    control<QComboBox>(*dialog, "ComboBoxCapture")->setCurrentIndex(1);
    EXPECT_EQ(f.settings.gifCaptureArea, GifCaptureArea::WholeWindow);
    control<QSpinBox>(*dialog, "EditDelay")->setValue(250);
    EXPECT_EQ(f.settings.gifFrameDelay, 250);

    // The large window: recording off, the box greyed.
    control<QComboBox>(*dialog, "ComboBoxSize")->setCurrentIndex(4);
    EXPECT_EQ(f.settings.windowSize, WindowSizeSetting::Large);
    EXPECT_FALSE(f.settings.recordGif);
    EXPECT_FALSE(record->isChecked());
    EXPECT_FALSE(record->isEnabled());
    EXPECT_FALSE(control<QComboBox>(*dialog, "ComboBoxCapture")->isEnabled());
}

TEST_F(OptionsDialog, FaceSetWithoutItsLibraryReturnsToTheFirstItem) {
    struct Case {
        int set;
        const char *present; // the library placed beside the program
        int kept;
        const char *message; // the missing library reported
    };
    const Case cases[] = {{5, "", 0, "WemCards06A.dll"},
                          {35, "WemCards06A.dll", 0, "WemCards06B.dll"},
                          {45, "WemCards06C.dll", 45, ""},
                          {20, "WemCards06A.dll", 20, ""},
                          // A set whose deck is not shipped: nothing to download.
                          {24, "WemCards06A.dll", 0, ""}};
    for (const Case &c : cases) {
        WindowFixture local;
        RecordingHost localHost;
        if (*c.present != '\0')
            placeLibrary(local.folder(), QLatin1String(c.present));
        TFormOptions dialog(local.context(), &localHost, {1920, 1080});
        auto *faces = control<QListWidget>(dialog, "ListBoxFaces");
        EXPECT_TRUE(faces->item(24)->isHidden());
        EXPECT_FALSE(faces->item(c.set == 24 ? 23 : c.set)->isHidden());
        faces->setCurrentRow(c.set);
        EXPECT_EQ(local.settings.faceSet, c.kept) << c.set;
        EXPECT_EQ(faces->currentRow(), c.kept) << c.set;
        EXPECT_EQ(localHost.count("faces"), 1) << c.set;
        if (*c.message != '\0') {
            EXPECT_EQ(local.missingLibraries, QStringList{QLatin1String(c.message)}) << c.set;
        } else {
            EXPECT_TRUE(local.missingLibraries.isEmpty()) << c.set;
        }
    }
}

TEST_F(OptionsDialog, PreviewShowsFourCardsSixtyThreePixelsApart) {
    auto dialog = open();
    const QImage &preview = dialog->preview();
    EXPECT_EQ(preview.size(), QSize(3 * 63 + 71, 96));
    // Each card starts with an opaque edge 63 px after the one before.
    for (int card = 0; card < 4; ++card)
        EXPECT_GT(qAlpha(preview.pixel(card * 63 + 2, 48)), 0) << card;
    // Beyond the last card nothing is drawn.
    EXPECT_EQ(qAlpha(preview.pixel(3 * 63 + 70, 48)), 0);
}

TEST_F(OptionsDialog, BackSetsChooseTheirModes) {
    placeLibrary(f.folder(), QStringLiteral("WemCards06B.dll"));
    auto dialog = open();
    auto *backs = control<QListWidget>(*dialog, "ListBoxBacks");
    auto *change = control<QRadioButton>(*dialog, "RadioChangeDecks");
    auto *one = control<QRadioButton>(*dialog, "RadioAlwaysOne");
    auto *random = control<QRadioButton>(*dialog, "RadioRandom");

    // "Always one" on "Chess" is stored.
    backs->setCurrentRow(5);
    one->click();
    EXPECT_TRUE(f.settings.alwaysOneBack);
    // "Flowers" forces "Random", which is stored as no "Always one".
    backs->setCurrentRow(9);
    EXPECT_EQ(f.settings.backSet, 9);
    EXPECT_TRUE(random->isChecked());
    EXPECT_TRUE(random->isEnabled());
    EXPECT_FALSE(change->isEnabled());
    EXPECT_FALSE(one->isEnabled());
    EXPECT_FALSE(f.settings.alwaysOneBack);
    // Back to "Classical-1": "To change decks" again, "Random" disabled.
    backs->setCurrentRow(0);
    EXPECT_TRUE(change->isChecked());
    EXPECT_TRUE(change->isEnabled());
    EXPECT_TRUE(one->isEnabled());
    EXPECT_FALSE(random->isEnabled());
    EXPECT_FALSE(f.settings.alwaysOneBack);
    // "Always one" survives a change between sets that allow it.
    one->click();
    backs->setCurrentRow(12);
    EXPECT_TRUE(f.settings.alwaysOneBack);
    EXPECT_TRUE(one->isChecked());
    change->click();
    EXPECT_FALSE(f.settings.alwaysOneBack);
    EXPECT_GE(host.count("backs"), 4);
}

TEST_F(OptionsDialog, BackSetWithoutTheLibraryReturnsToTheFirstSet) {
    auto dialog = open();
    control<QListWidget>(*dialog, "ListBoxBacks")->setCurrentRow(8);
    EXPECT_EQ(f.settings.backSet, 0);
    EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxBacks")->currentRow(), 0);
    EXPECT_EQ(f.missingLibraries, QStringList{QStringLiteral("WemCards06B.dll")});
    EXPECT_TRUE(control<QRadioButton>(*dialog, "RadioChangeDecks")->isChecked());
}

TEST_F(OptionsDialog, BackgroundChoices) {
    struct Case {
        bool library;
        const char *list;
        int row;
        int picture, variant;
        int messages;
    };
    const Case cases[] = {{false, "ListBoxBackground", 0, 2, 0, 1}, // "Sun" needs the library
                          {false, "ListBoxColour", 6, 2, 0, 1},     // so does "Felt" in violet
                          {true, "ListBoxBackground", 9, 10, 0, 0},
                          {true, "ListBoxColour", 3, 2, 3, 0}};
    for (const Case &c : cases) {
        WindowFixture local;
        RecordingHost localHost;
        if (c.library)
            placeLibrary(local.folder(), QStringLiteral("WemBackG03.dll"));
        TFormOptions dialog(local.context(), &localHost, {1920, 1080});
        control<QListWidget>(dialog, c.list)->setCurrentRow(c.row);
        EXPECT_EQ(local.settings.backgroundPicture, c.picture) << c.list << c.row;
        EXPECT_EQ(local.settings.backgroundColour, c.variant) << c.list << c.row;
        EXPECT_EQ(local.missingLibraries.size(), c.messages) << c.list << c.row;
        EXPECT_EQ(localHost.count("background"), 1);
        // The lists show what was kept.
        EXPECT_EQ(control<QListWidget>(dialog, "ListBoxBackground")->currentRow(), c.picture - 1);
        EXPECT_EQ(control<QListWidget>(dialog, "ListBoxColour")->currentRow(), c.variant);
    }
}

TEST_F(OptionsDialog, BackgroundListsAreDisabledOnlyInPurpleAndPurple) {
    const std::tuple<int, int, bool> cases[] = {
        {0, 0, true}, {1, 0, true}, {0, 1, true}, {1, 1, false}};
    for (const auto &[menu, table, enabled] : cases) {
        f.settings.menuDesign = static_cast<ScreenDesign>(menu);
        f.settings.tableDesign = static_cast<ScreenDesign>(table);
        auto dialog = open();
        EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxBackground")->isEnabled(), enabled)
            << menu << table;
        EXPECT_EQ(control<QListWidget>(*dialog, "ListBoxColour")->isEnabled(), enabled)
            << menu << table;
    }
}

TEST_F(OptionsDialog, FontKindsEachKeepTheirNameAndScale) {
    auto dialog = open();
    auto *kinds = control<QComboBox>(*dialog, "ComboBoxFontKind");
    auto *names = control<QComboBox>(*dialog, "ComboBoxFontName");
    auto *scale = control<QSpinBox>(*dialog, "EditScale");
    EXPECT_EQ(kinds->itemText(2), QStringLiteral("Special font 1"));
    EXPECT_EQ(kinds->itemText(3), QStringLiteral("Special font 2"));

    kinds->setCurrentIndex(3);
    EXPECT_EQ(names->currentText(), QStringLiteral("Courier New"));
    scale->setValue(120);
    EXPECT_EQ(f.settings.fontScales[3], 120);
    names->setCurrentText(QStringLiteral("FixedSys"));
    emit names->textActivated(QStringLiteral("FixedSys"));
    EXPECT_EQ(f.settings.fontNames[3], "FixedSys");
    EXPECT_EQ(f.settings.fontNames[0], "Comic Sans MS");
    EXPECT_EQ(f.settings.fontScales[0], 100);

    kinds->setCurrentIndex(0);
    EXPECT_EQ(scale->value(), 100);
    EXPECT_EQ(names->currentText(), QStringLiteral("Comic Sans MS"));
    EXPECT_EQ(host.count("fonts"), 2);

    // The edit keeps to 50..150.
    EXPECT_EQ(scale->minimum(), 50);
    EXPECT_EQ(scale->maximum(), 150);

    control<TWemCardsButton>(*dialog, "ButtonDefaultFonts")->click();
    EXPECT_EQ(f.settings.fontNames[3], "Courier New");
    EXPECT_EQ(f.settings.fontScales[3], 100);
    EXPECT_EQ(f.settings.fontNames[2], "FixedSys");
}

struct DesignCase {
    const char *what;
    bool library;
    const char *list;
    int item;
    int menu, table;
    int auxDesign; // AuxDesign value the settings then hold
    int messages;
};

class OptionsDesigns : public OptionsDialog, public ::testing::WithParamInterface<DesignCase> {};

TEST_P(OptionsDesigns, NeedTheGraphicsLibrary) {
    const DesignCase &c = GetParam();
    if (c.library) {
        ASSERT_TRUE(makeOptionsLibrary(f.folder()));
    }
    auto dialog = open();
    control<QComboBox>(*dialog, c.list)->setCurrentIndex(c.item);
    EXPECT_EQ(int(f.settings.menuDesign), c.menu) << c.what;
    EXPECT_EQ(int(f.settings.tableDesign), c.table) << c.what;
    EXPECT_EQ(int(auxDesign(f.settings)), c.auxDesign) << c.what;
    EXPECT_EQ(f.missingLibraries.size(), c.messages) << c.what;
    if (c.messages > 0) {
        EXPECT_EQ(f.missingLibraries.front(), QStringLiteral("WemCGraph1.dll"));
    }
    // The lists show what the settings hold.
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboBoxMenuDesign")->currentIndex(), c.menu) << c.what;
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboBoxTableDesign")->currentIndex(), c.table)
        << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, OptionsDesigns,
    ::testing::Values(
        DesignCase{"purple menu without the library", false, "ComboBoxMenuDesign", 1, 0, 0, 2, 1},
        DesignCase{"purple table without the library", false, "ComboBoxTableDesign", 1, 0, 0, 2, 1},
        DesignCase{"concise windows without the library", false, "ComboBoxAuxDesign", 1, 0, 0, 2,
                   1},
        DesignCase{"purple windows without the library", false, "ComboBoxAuxDesign", 3, 0, 0, 2, 1},
        DesignCase{"purple menu", true, "ComboBoxMenuDesign", 1, 1, 0, 2, 0},
        DesignCase{"purple table", true, "ComboBoxTableDesign", 1, 0, 1, 2, 0},
        DesignCase{"red ribbons", true, "ComboBoxAuxDesign", 2, 0, 0, 3, 0},
        DesignCase{"purple windows", true, "ComboBoxAuxDesign", 3, 0, 0, 4, 0}));

TEST_F(OptionsDialog, FailedDesignChoiceResetsAllThreeDesigns) {
    f.settings.menuDesign = ScreenDesign::Purple;
    f.settings.windowDesign = WindowDesign::GrayWithRedRibbons;
    auto dialog = open();
    control<QComboBox>(*dialog, "ComboBoxTableDesign")->setCurrentIndex(1);
    EXPECT_EQ(f.settings.menuDesign, ScreenDesign::Customizable);
    EXPECT_EQ(f.settings.tableDesign, ScreenDesign::Customizable);
    EXPECT_EQ(auxDesign(f.settings), AuxDesign::GrayAristocratic);
    EXPECT_EQ(control<QComboBox>(*dialog, "ComboBoxAuxDesign")->currentText(),
              QStringLiteral("Gray aristocratic"));
}

TEST_F(OptionsDialog, SaluteNeedsTheGraphicsLibrary) {
    for (const bool library : {false, true}) {
        WindowFixture local;
        if (library) {
            ASSERT_TRUE(makeOptionsLibrary(local.folder()));
        }
        TFormOptions dialog(local.context(), nullptr, {});
        for (const char *name : {"CheckBoxSaluteButtons", "CheckBoxSaluteCards"}) {
            EXPECT_EQ(control<QCheckBox>(dialog, name)->isEnabled(), library) << name;
            EXPECT_EQ(control<QCheckBox>(dialog, name)->isChecked(), library) << name;
        }
        // The stored switches stay as they were.
        EXPECT_TRUE(local.settings.saluteOnButtons);
    }
}

TEST_F(OptionsDialog, DownloadButtonsOnlyForMissingLibraries) {
    placeLibrary(f.folder(), QStringLiteral("WemCards06A.dll"));
    placeLibrary(f.folder() + QStringLiteral(".."), QStringLiteral("WemBackG03.dll"));
    auto dialog = open();
    const std::pair<const char *, bool> cases[] = {{"WemCards06A.dll", false},
                                                   {"WemBackG03.dll", false},
                                                   {"WemCards06B.dll", true},
                                                   {"WemCGraph1.dll", true},
                                                   {"WemRadio02.dll", true}};
    for (const auto &[library, enabled] : cases) {
        TWemCardsButton *button = dialog->downloadButton(QLatin1String(library));
        ASSERT_NE(button, nullptr) << library;
        EXPECT_EQ(button->isEnabled(), enabled) << library;
        // A disabled button is drawn 50 % lighter.
        EXPECT_EQ(button->kLightSB(), enabled ? 0 : 50) << library;
        EXPECT_TRUE(button->toolTip().contains(QLatin1String(library))) << library;
    }
}

TEST_F(OptionsDialog, DownloadSuccessAndFailure) {
    struct Case {
        bool arrives;
        const char *sound;
        int messages;
    };
    const Case cases[] = {{true, "WToMenK", 0}, {false, "WWrongs", 1}};
    for (const Case &c : cases) {
        WindowFixture local;
        RecordingHost localHost;
        localHost.folder = local.folder();
        localHost.downloadsArrive = c.arrives;
        TFormOptions dialog(local.context(), &localHost, {});
        TWemCardsButton *button = dialog.downloadButton(QStringLiteral("WemCards06C.dll"));
        ASSERT_TRUE(button->isEnabled());
        button->click();
        EXPECT_EQ(localHost.downloaded, QStringList{QStringLiteral("WemCards06C.dll")});
        ASSERT_FALSE(local.sound.played.empty());
        EXPECT_EQ(local.sound.played.back(), c.sound);
        EXPECT_EQ(local.missingLibraries.size(), c.messages);
        EXPECT_EQ(button->isEnabled(), !c.arrives);
        EXPECT_EQ(localHost.count("faces"), c.arrives ? 1 : 0);
    }
}

// While the library is on its way the dialog stays open and usable, its
// button off and the pointer busy; a second click asks nothing more.
TEST_F(OptionsDialog, ADownloadUnderWayDisablesItsButton) {
    WindowFixture local;
    RecordingHost localHost;
    localHost.folder = local.folder();
    localHost.downloadsArrive = true;
    localHost.holdDownloads = true;
    TFormOptions dialog(local.context(), &localHost, {});
    TWemCardsButton *button = dialog.downloadButton(QStringLiteral("WemCards06C.dll"));
    button->click();
    ASSERT_TRUE(localHost.heldDownload);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(dialog.cursor().shape(), Qt::BusyCursor);
    EXPECT_EQ(localHost.count("faces"), 0);
    dialog.downloadButton(QStringLiteral("WemCards06C.dll"))->click();
    EXPECT_EQ(localHost.count("download"), 1);

    localHost.heldDownload(true);
    EXPECT_NE(dialog.cursor().shape(), Qt::BusyCursor);
    EXPECT_FALSE(button->isEnabled()); // the library is there now
    EXPECT_EQ(localHost.count("faces"), 1);
    EXPECT_EQ(local.sound.played.back(), "WToMenK");
}

TEST_F(OptionsDialog, RadioListSourceIsStoredAndRestartsTheRadio) {
    auto dialog = open();
    control<QRadioButton>(*dialog, "RadioFromDisk")->click();
    EXPECT_FALSE(f.settings.radioListFromServer);
    EXPECT_EQ(host.count("radio list"), 1);
    control<QRadioButton>(*dialog, "RadioFromServer")->click();
    EXPECT_TRUE(f.settings.radioListFromServer);
    EXPECT_EQ(host.count("radio list"), 2);
    // Choosing the source already chosen changes nothing.
    control<QRadioButton>(*dialog, "RadioFromServer")->click();
    EXPECT_EQ(host.count("radio list"), 2);
}

TEST_F(OptionsDialog, PassportButtonAsksTheMainWindow) {
    auto dialog = open();
    control<TWemCardsButton>(*dialog, "ButtonPassport")->click();
    EXPECT_EQ(host.count("passport"), 1);
}

TEST_F(OptionsDialog, OkAndEscapeClose) {
    for (const bool escape : {false, true}) {
        auto dialog = open();
        dialog->show();
        ASSERT_TRUE(dialog->isVisible());
        if (escape)
            QTest::keyClick(dialog.get(), Qt::Key_Escape);
        else
            dialog->okButton()->click();
        EXPECT_FALSE(dialog->isVisible()) << (escape ? "Escape" : "Ok");
    }
}

TEST_F(OptionsDialog, HeightFollowsTheDesign) {
    ASSERT_TRUE(makeOptionsLibrary(f.folder()));
    const std::pair<int, int> cases[] = {{1, 360}, {2, 375}, {3, 410}, {4, 400}};
    for (const auto &[design, height] : cases) {
        chooseDesign(f.settings, design);
        auto dialog = open();
        EXPECT_EQ(int(dialog->design()), design);
        EXPECT_EQ(dialog->height(), height) << design;
        EXPECT_EQ(dialog->width(), 500);
    }
}

TEST_F(OptionsDialog, SpeedButtonOpensTheSpeedWindowAndShowsTheChoice) {
    auto dialog = open();
    EXPECT_EQ(dialog->speedButton()->text(), QStringLiteral("Speed=4"));
    int opened = 0;
    dialog->setRunner([&opened](QDialog &window) {
        ++opened;
        auto *speed = dynamic_cast<TFormSpeed *>(&window);
        ASSERT_NE(speed, nullptr);
        speed->slider()->setValue(2);
    });
    dialog->speedButton()->click();
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(f.settings.flightSpeed, 2);
    EXPECT_EQ(dialog->speedButton()->text(), QStringLiteral("Speed=2"));
}

TEST(SpeedWindow, SliderStoresEverySpeedFromOneToSix) {
    WindowFixture f;
    TFormSpeed window(f.context());
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Choice of speed"));
    EXPECT_EQ(control<QLabel>(window, "Label1")->text(),
              QStringLiteral("Select a flight speed of cards:"));
    EXPECT_EQ(window.slider()->minimum(), 1);
    EXPECT_EQ(window.slider()->maximum(), 6);
    EXPECT_EQ(window.slider()->value(), 4);
    for (int speed = 1; speed <= 6; ++speed) {
        EXPECT_NE(control<QLabel>(window,
                                  QStringLiteral("LabelSpeed%1").arg(speed).toLatin1().constData()),
                  nullptr);
        window.slider()->setValue(speed);
        EXPECT_EQ(f.settings.flightSpeed, speed);
    }
    // Keys move it one step and store at once.
    window.slider()->setFocus();
    QTest::keyClick(window.slider(), Qt::Key_Left);
    EXPECT_EQ(f.settings.flightSpeed, 5);
    window.show();
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

TEST(SpeedWindow, ASpeedOutsideTheRangeShowsTheNearestWithoutStoringIt) {
    WindowFixture f;
    f.settings.flightSpeed = 9;
    TFormSpeed window(f.context());
    EXPECT_EQ(window.slider()->value(), 6);
    EXPECT_EQ(f.settings.flightSpeed, 9);
}

} // namespace
} // namespace quarn
