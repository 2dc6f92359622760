// The windows with the graphics library the build makes (not a stand-in):
// each keeps the design chosen, asks for nothing the library lacks, and its
// "Purple" background covers the window. The pictures go to
// shots/library-<window class>-<design>.png for a look with the eye.
#include "UiFixture.h"

#include "ui/EndOfGame.h"
#include "ui/LibraryWindows.h"
#include "ui/TFormAbout.h"
#include "ui/TFormCount.h"
#include "ui/TFormEndGame.h"
#include "ui/TFormHelp.h"
#include "ui/TFormHistory.h"
#include "ui/TFormOptions.h"
#include "ui/TFormSpeed.h"
#include "ui/TFormTopTen.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace quarn {
namespace {

using namespace testing_support;

const LibraryWindow *libraryWindow(std::string_view name) {
    for (const LibraryWindow &window : libraryWindows)
        if (window.name == name)
            return &window;
    return nullptr;
}

struct WindowCase {
    const char *name; // the window's library name W
    std::function<std::unique_ptr<TWemAuxForm>(const AuxContext &)> make;
};

const WindowCase windowCases[] = {
    {"Count",
     [](const AuxContext &c) {
         return std::make_unique<TFormCount>(
             c, TCount{"60", "30", "12", "5", "17", "  0,40", "  0,37"},
             TFormCount::Situation{QStringLiteral("Anna                "), 2, false});
     }},
    {"History",
     [](const AuxContext &c) {
         static int remembered = 0;
         return std::make_unique<TFormHistory>(c, remembered);
     }},
    {"TopTen", [](const AuxContext &c) { return std::make_unique<TFormTopTen>(c, false); }},
    {"Opt",
     [](const AuxContext &c) { return std::make_unique<TFormOptions>(c, nullptr, QSize()); }},
    // The speed window wears the options dialog's pictures.
    {"Speed", [](const AuxContext &c) { return std::make_unique<TFormSpeed>(c); }},
    {"End",
     [](const AuxContext &c) {
         return std::make_unique<TFormEndGame>(c, EndOfGameFacts{EndOfGameKind::Local, 1, 96, 0});
     }},
    {"Help", [](const AuxContext &c) { return std::make_unique<TFormHelp>(c); }},
    {"About", [](const AuxContext &c) { return std::make_unique<TFormAbout>(c); }},
};

class BuiltLibrary : public ::testing::Test {
  protected:
    void SetUp() override {
        const QString built = QStringLiteral(QUARN_DIST_DIR "/WemCGraph1.dll");
        ASSERT_TRUE(QFile::exists(built)) << "build library_WemCGraph1_dll first";
        ASSERT_TRUE(QFile::copy(built, f.folder() + QStringLiteral("WemCGraph1.dll")));
        ASSERT_TRUE(writeClubFile(f.folder(), false,
                                  {{"Anna", 142}, {"Boris", 97}, {"Mr.X", 64}, {"Clara", 51}}));
        ASSERT_TRUE(writeHistoryFile(f.folder(), 1,
                                     {{"Anna", 12, 34, 2.83, 0}, {"Anna/Boris", 9, -6, -0.67, 3}}));
    }

    WindowFixture f;
};

TEST_F(BuiltLibrary, EveryWindowKeepsEveryDesignInEveryPictureLanguage) {
    const char *designNames[] = {"", "concise", "aristocratic", "ribbons", "purple"};
    const QString shots = QStringLiteral(QUARN_UI_SHOTS);
    QDir().mkpath(shots);
    for (int language : {0, 1, 5}) {
        useLanguage(language);
        for (const WindowCase &window : windowCases) {
            for (int design = 1; design <= 4; ++design) {
                SCOPED_TRACE(std::string(window.name) + " design " + designNames[design] +
                             " language " + std::to_string(language));
                chooseDesign(f.settings, design);
                f.missingLibraries.clear();
                const std::unique_ptr<TWemAuxForm> form = window.make(f.context());
                EXPECT_EQ(int(form->design()), design) << "fell back: a picture is missing";
                EXPECT_TRUE(f.missingLibraries.isEmpty());
                EXPECT_EQ(int(auxDesign(f.settings)), design) << "the settings kept it";
                if (design == 4) {
                    const LibraryWindow *entry = libraryWindow(window.name);
                    ASSERT_NE(entry, nullptr);
                    EXPECT_LE(form->width(), entry->width) << "the background covers the window";
                    EXPECT_LE(form->height(), entry->height) << "the background covers the window";
                }
                form->show();
                const QImage shot = form->grab().toImage();
                form->hide();
                if (language == 0)
                    shot.save(shots + QStringLiteral("/library-%1-%2.png")
                                          .arg(QLatin1String(form->metaObject()->className() + 7),
                                               QLatin1String(designNames[design])));
            }
        }
    }
    useLanguage(0);
}

} // namespace
} // namespace quarn
