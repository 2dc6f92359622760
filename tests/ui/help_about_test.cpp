// The help and about windows: the help text of every language with its
// sections and the program's own words for the commands it names, the about
// page naming every work of others the game is made with, and both windows
// opening and closing by their button and by Escape in every design.
#include "UiFixture.h"

#include "lang/Language.h"
#include "ui/AuxWindowSet.h"
#include "ui/BuildInfo.h"
#include "ui/TFormAbout.h"
#include "ui/TFormHelp.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quarn {
namespace {

using namespace testing_support;

QString fromView(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The sections every help text has, by the names of their anchors.
const char *const helpSections[] = {"game",     "rules",   "scoring", "cycle", "menu",
                                    "commands", "windows", "network", "online"};

// Commands and options the help names: it must call them what the window shows.
const WordEntry namedCommands[] = {
    WordEntry::MainToBegin,
    WordEntry::MainPass,
    WordEntry::MainTotalOfGame,
    WordEntry::MainNextGame,
    WordEntry::MainExitToMenu,
    WordEntry::MainNewPlayer,
    WordEntry::MainGeneralScore,
    WordEntry::MainChangeName,
    WordEntry::MainHelp,
    WordEntry::MainAbout,
    WordEntry::OptMultiplayer,
    WordEntry::OptHighlightPlayable,
    WordEntry::NetServerCreatesGame,
    WordEntry::NetClientJoinsGame,
    WordEntry::NetEnterServerAddress,
    WordEntry::NetReceiveAddresses,
};

TEST(HelpText, EveryLanguageHasItsOwnCompleteText) {
    const QString english = TFormHelp::helpHtml(English);
    for (int language = 0; language < languageCount; ++language) {
        SCOPED_TRACE("language " + std::to_string(language));
        ASSERT_TRUE(QFile::exists(TFormHelp::helpResource(language)));
        const QString html = TFormHelp::helpHtml(language);
        if (language != English) {
            EXPECT_NE(html, english) << "a copy of the English text";
        }
        for (const char *section : helpSections) {
            EXPECT_TRUE(html.contains(QStringLiteral("<a name=\"%1\"></a>").arg(section)))
                << section;
            EXPECT_TRUE(html.contains(QStringLiteral("href=\"#%1\"").arg(section))) << section;
        }
        EXPECT_EQ(html.count(QStringLiteral("<h2>")), int(std::size(helpSections)));
        // The default port of network play.
        EXPECT_TRUE(html.contains(QStringLiteral("25666")));
        for (WordEntry command : namedCommands)
            EXPECT_TRUE(html.contains(fromView(text(command, language))))
                << wordEntryId(command) << " \"" << text(command, language) << "\"";
    }
}

TEST(HelpText, AnIndexOutsideTheTableReadsEnglish) {
    const QString english = TFormHelp::helpHtml(English);
    EXPECT_FALSE(english.isEmpty());
    EXPECT_EQ(TFormHelp::helpHtml(10), english);
    EXPECT_EQ(TFormHelp::helpHtml(-1), english);
    EXPECT_EQ(TFormHelp::helpResource(255), TFormHelp::helpResource(English));
}

TEST(AboutText, NamesEveryWorkOfOthersTheGameShips) {
    const QString html = TFormAbout::aboutHtml();
    const char *const shipped[] = {
        "kdegames-card-data-kf5",
        "famfamfam-flag-png",
        "espeak-ng",
        "fonts-comic-neue",
        "fonts-liberation",
        "fonts-wqy-microhei",
        "fonts-dejavu-core",
        "timgm6mb-soundfont",
        "Qt 6",
        "FluidSynth",
        "giflib",
        "libimagequant",
        "libcurl",
        "Comic Neue",
        "WenQuanYi Micro Hei",
        "DejaVu",
    };
    for (const char *name : shipped)
        EXPECT_TRUE(html.contains(QLatin1String(name))) << name;
    // The notices the permissive licences ask to be shown, read from the resources.
    for (const char *notice : {"Permission is hereby granted", "Bitstream Vera", "Daniel Stenberg",
                               "Eric S. Raymond", "Larry Ewing", "Public Domain"})
        EXPECT_TRUE(html.contains(QLatin1String(notice))) << notice;
    // The deck whose licence does not allow redistribution is no longer shipped.
    EXPECT_FALSE(html.contains(QLatin1String("Konqi")));
}

TEST(AboutText, ShowsTheVersionTheBuildAndTheLanguage) {
    // The version text of the title screen belongs to the project's version.
    EXPECT_TRUE(
        fromView(versionText).startsWith(QStringLiteral("V ") + QLatin1String(buildVersion)))
        << versionText << " / " << buildVersion;
    EXPECT_EQ(QString::fromLatin1(buildDay).size(), 10) << buildDay; // YYYY-MM-DD
    for (int language : {int(English), int(Japanese)}) {
        useLanguage(language);
        const QString html = TFormAbout::aboutHtml();
        EXPECT_TRUE(html.contains(fromView(versionText)));
        EXPECT_TRUE(html.contains(QLatin1String(buildDay)));
        EXPECT_TRUE(html.contains(fromView(buildDate())));
        EXPECT_TRUE(html.contains(fromView(text(WordEntry::AboutCredits)).toHtmlEscaped()));
        EXPECT_TRUE(html.contains(fromView(text(WordEntry::AboutUseFonts)).toHtmlEscaped()));
    }
    useLanguage(English);
}

// The window as shown, into shots/ beside the test for a look with the eye.
void saveShot(QWidget &window, const QString &name) {
    const QString shots = QStringLiteral(QUARN_UI_SHOTS);
    QDir().mkpath(shots);
    window.grab().save(shots + QLatin1Char('/') + name + QStringLiteral(".png"));
}

struct ReadingCase {
    const char *name;
    std::function<std::unique_ptr<TFormHelpReading>(const AuxContext &)> make;
    WordEntry title;
};

const ReadingCase readingCases[] = {
    {"Help", [](const AuxContext &c) { return std::make_unique<TFormHelp>(c); },
     WordEntry::MainHelp},
    {"About", [](const AuxContext &c) { return std::make_unique<TFormAbout>(c); },
     WordEntry::MainAbout},
};

class ReadingWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString built = QStringLiteral(QUARN_DIST_DIR "/WemCGraph1.dll");
        ASSERT_TRUE(QFile::exists(built)) << "build library_WemCGraph1_dll first";
        ASSERT_TRUE(QFile::copy(built, f.folder() + QStringLiteral("WemCGraph1.dll")));
    }
    void TearDown() override { useLanguage(English); }

    WindowFixture f;
};

TEST_F(ReadingWindows, OpenAndCloseInEveryDesignByButtonAndEscape) {
    for (int language : {int(English), int(Japanese)}) {
        useLanguage(language);
        for (const ReadingCase &window : readingCases) {
            for (int design = 1; design <= 4; ++design) {
                SCOPED_TRACE(std::string(window.name) + " design " + std::to_string(design) +
                             " language " + std::to_string(language));
                chooseDesign(f.settings, design);
                f.missingLibraries.clear();
                for (bool byButton : {true, false}) {
                    const std::unique_ptr<TFormHelpReading> form = window.make(f.context());
                    EXPECT_EQ(int(form->design()), design) << "fell back: a picture is missing";
                    EXPECT_TRUE(f.missingLibraries.isEmpty());
                    EXPECT_EQ(form->windowTitle(), word(window.title));
                    // Reachable by accessibility: a named page and a real button with text.
                    EXPECT_EQ(form->page()->accessibleName(), word(window.title));
                    EXPECT_EQ(form->okButton()->text(), word(WordEntry::OptOk));
                    EXPECT_GT(form->page()->toPlainText().size(), 500);
                    form->show();
                    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
                    if (byButton)
                        saveShot(*form, QStringLiteral("reading-%1-%2-%3")
                                            .arg(QLatin1String(window.name))
                                            .arg(design)
                                            .arg(language));
                    if (byButton)
                        QTest::mouseClick(form->okButton(), Qt::LeftButton);
                    else
                        QTest::keyClick(form->page(), Qt::Key_Escape);
                    EXPECT_FALSE(form->isVisible());
                    EXPECT_EQ(form->result(),
                              byButton ? int(QDialog::Accepted) : int(QDialog::Rejected));
                }
            }
        }
    }
}

TEST_F(ReadingWindows, HelpLinksMoveToTheirSection) {
    TFormHelp help(f.context());
    help.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&help));
    QTextBrowser *page = help.page();
    EXPECT_EQ(page->verticalScrollBar()->value(), 0);
    page->scrollToAnchor(QStringLiteral("network"));
    EXPECT_GT(page->verticalScrollBar()->value(), 0);
}

TEST_F(ReadingWindows, WindowSetOpensThemWithTheOpeningSound) {
    AuxWindowSet windows(f.context(), nullptr);
    QStringList opened;
    windows.setRunner([&](QDialog &dialog) { opened << dialog.objectName(); });
    windows.showHelp();
    windows.showAbout();
    EXPECT_EQ(opened, (QStringList{QStringLiteral("FormHelp"), QStringLiteral("FormAbout")}));
    EXPECT_EQ(f.sound.played, (std::vector<std::string>{"WOpenFo", "WOpenFo"}));
}

} // namespace
} // namespace quarn
