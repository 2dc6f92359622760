// The options dialog opened from the main window's menu: its changes show
// on the main window at once (captions, size and layout, pictures, club
// list, buttons), and the speed window of the pop-up menu.
#include "WindowFixture.h"

#include "lang/Language.h"
#include "ui/AuxWindowSet.h"
#include "ui/TFormOptions.h"
#include "ui/TFormSpeed.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QSlider>

using namespace quarn;
using namespace quarn::testing;

namespace {

class OptionsOnMainWindow : public WindowTest {
  protected:
    void TearDown() override {
        setLanguage(English);
        WindowTest::TearDown();
    }

    // Opens the options from the menu's "Options" button and lets `act` work
    // the dialog as a player would.
    void useOptions(TForm1 &form, const std::function<void(TFormOptions &)> &act) {
        AuxWindowSet windows({form.folder(), &form.editableSettings(), &sound_,
                              [this](const QString &file) { missing_ << file; }},
                             &form);
        windows.setOptionsHost(&form);
        windows.setScreenSize({1920, 1080});
        windows.setRunner([&act](QDialog &window) {
            auto *options = dynamic_cast<TFormOptions *>(&window);
            ASSERT_NE(options, nullptr);
            act(*options);
        });
        form.setAuxiliaryWindows(&windows);
        QTest::mouseClick(control<QPushButton>("Button10"), Qt::LeftButton);
        form.setAuxiliaryWindows(nullptr);
    }

    QStringList memberTexts() const {
        QStringList texts;
        for (int line = 1; line <= 5; ++line)
            texts << control<QPushButton>(("Button" + std::to_string(line)).c_str())->text();
        return texts;
    }

    QStringList missing_;
};

QString entryText(WordEntry entry, int language) {
    const std::string_view t = text(entry, language);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

TEST_F(OptionsOnMainWindow, LanguageChangeRelabelsTheMainWindow) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    for (const int language : {German, Japanese, Russian, English}) {
        useOptions(form, [language](TFormOptions &options) {
            options.findChild<QListWidget *>(QStringLiteral("ListBoxLanguage"))
                ->setCurrentRow(language);
        });
        EXPECT_EQ(form.settings().language, language);
        EXPECT_EQ(form.windowTitle(), entryText(WordEntry::ProductTitle, language)) << language;
        EXPECT_EQ(control<QPushButton>("Button10")->text(),
                  entryText(WordEntry::MainOptions, language))
            << language;
        EXPECT_EQ(control<QPushButton>("Button11")->text(),
                  entryText(WordEntry::MainExit, language))
            << language;
        EXPECT_EQ(
            control<QMenu>("PopupMenu1")->findChild<QAction *>(QStringLiteral("MSpeed"))->text(),
            entryText(WordEntry::MainSpeed, language));
    }
}

TEST_F(OptionsOnMainWindow, SizeChangeResizesAndLaysTheMenuOutAgain) {
    struct Case {
        int item; // in the list of a 1920 x 1080 screen
        QSize client;
        int memberLeft; // the first member button at x = 214 scaled
    };
    const Case cases[] = {
        {2, {990, 650}, 278}, {4, {1520, 1000}, 428}, {3, {1290, 850}, 364}, {0, {760, 500}, 214}};
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    for (const Case &c : cases) {
        useOptions(form, [&c](TFormOptions &options) {
            options.findChild<QComboBox *>(QStringLiteral("ComboBoxSize"))->setCurrentIndex(c.item);
        });
        EXPECT_EQ(form.layout().client, c.client) << c.item;
        EXPECT_EQ(form.size(), c.client) << c.item;
        EXPECT_EQ(control<QPushButton>("Button1")->geometry().left(), c.memberLeft) << c.item;
        EXPECT_EQ(form.canvas().image().size(), c.client) << c.item;
    }
}

TEST_F(OptionsOnMainWindow, FaceSetWithoutItsLibraryFallsBackOnTheMainWindowToo) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    useOptions(form, [](TFormOptions &options) {
        options.findChild<QListWidget *>(QStringLiteral("ListBoxFaces"))->setCurrentRow(12);
    });
    EXPECT_EQ(form.settings().faceSet, 0);
    EXPECT_EQ(missing_, QStringList{QStringLiteral("WemCards06A.dll")});
}

TEST_F(OptionsOnMainWindow, MultiplayerSwitchesAndComesBackToTheLocalClub) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    const QStringList local = memberTexts();
    auto toggle = [](TFormOptions &options) {
        options.findChild<QCheckBox *>(QStringLiteral("CheckBoxMultiplayer"))->click();
    };
    useOptions(form, toggle);
    EXPECT_TRUE(form.settings().multiplayer);
    useOptions(form, toggle);
    EXPECT_FALSE(form.settings().multiplayer);
    EXPECT_EQ(memberTexts(), local);
}

TEST_F(OptionsOnMainWindow, NewButtonsRedrawTheMainWindowsButtons) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    useOptions(form, [](TFormOptions &options) {
        options.findChild<QCheckBox *>(QStringLiteral("CheckBoxNewButtons"))->click();
    });
    EXPECT_TRUE(form.settings().newButtons);
    for (const char *name : {"Button6", "Button9", "Button10", "Button11"})
        EXPECT_TRUE(control<TWemCardsButton>(name)->newStyle()) << name;
}

TEST_F(OptionsOnMainWindow, SpeedEntryOfThePopUpMenuOpensTheSpeedWindow) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    AuxWindowSet windows({form.folder(), &form.editableSettings(), &sound_, {}}, &form);
    int opened = 0;
    windows.setRunner([&opened](QDialog &window) {
        auto *speed = dynamic_cast<TFormSpeed *>(&window);
        ASSERT_NE(speed, nullptr);
        ++opened;
        speed->slider()->setValue(6);
    });
    form.setAuxiliaryWindows(&windows);
    control<QMenu>("PopupMenu1")->findChild<QAction *>(QStringLiteral("MSpeed"))->trigger();
    form.setAuxiliaryWindows(nullptr);
    EXPECT_EQ(opened, 1);
    EXPECT_EQ(form.settings().flightSpeed, 6);
}

} // namespace
