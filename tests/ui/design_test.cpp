// The auxiliary designs: which one a window takes, and the fall-back to
// "Gray aristocratic" when the graphics library or one of its pictures is
// missing, which later windows keep.
#include "UiFixture.h"

#include "ui/TFormCount.h"
#include "ui/TFormHistory.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace quarn {
namespace {

using namespace testing_support;

QStringList without(QStringList names, const QStringList &left) {
    for (const QString &name : left)
        names.removeAll(name);
    return names;
}

struct FallBackCase {
    const char *what;
    int design;
    bool library;
    QStringList missing; // entries left out of the library
    int windowDesign;    // what the window shows
    int settingsDesign;  // what later windows take
    int messages;        // missing-library messages
};

class DesignFallBack : public ::testing::TestWithParam<FallBackCase> {};

TEST_P(DesignFallBack, OfTheGameInformationWindow) {
    const FallBackCase &c = GetParam();
    WindowFixture f;
    if (c.library) {
        ASSERT_TRUE(makeGraphicsLibrary(f.folder(), without(allLibraryEntries(), c.missing)));
    }
    chooseDesign(f.settings, c.design);
    TFormCount window(f.context(), TCount{}, {});
    EXPECT_EQ(int(window.design()), c.windowDesign) << c.what;
    EXPECT_EQ(int(auxDesign(f.settings)), c.settingsDesign) << c.what;
    EXPECT_EQ(f.missingLibraries.size(), c.messages) << c.what;
    if (c.messages > 0) {
        EXPECT_EQ(f.missingLibraries.front(), QStringLiteral("WemCGraph1.dll"));
    }

    // A later window opens in the design the settings now hold.
    int remembered = 0;
    TFormHistory later(f.context(), remembered);
    EXPECT_EQ(int(later.design()), c.settingsDesign) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Designs, DesignFallBack,
    ::testing::Values(
        FallBackCase{"aristocratic needs no library", 2, false, {}, 2, 2, 0},
        FallBackCase{"purple without the library", 4, false, {}, 2, 2, 0},
        FallBackCase{"purple with the library", 4, true, {}, 4, 4, 0},
        FallBackCase{"concise without the library: silent", 1, false, {}, 2, 2, 0},
        FallBackCase{"concise with the library", 1, true, {}, 1, 1, 0},
        FallBackCase{
            "concise lacking its heading: message, layout kept", 1, true, {"CountInfo"}, 1, 2, 1},
        FallBackCase{
            "ribbons lacking their heading: no message", 3, true, {"GFormCountL"}, 3, 3, 0},
        FallBackCase{"ribbons lacking the background", 3, true, {"GFormCount"}, 2, 2, 0},
        FallBackCase{"purple lacking the background", 4, true, {"GFormCount"}, 2, 2, 0}));

TEST(DesignChoice, SettingsChooseTheDesign) {
    struct Case {
        bool purple;
        int gray;
        AuxDesign design;
    };
    const Case cases[] = {
        {false, 1, AuxDesign::GrayConcise},      {false, 2, AuxDesign::GrayAristocratic},
        {false, 3, AuxDesign::GrayRedRibbons},   {true, 1, AuxDesign::Purple},
        {false, 0, AuxDesign::GrayAristocratic}, {false, 9, AuxDesign::GrayAristocratic}};
    for (const Case &c : cases) {
        Settings settings;
        settings.purpleWindows = c.purple;
        settings.windowDesign = static_cast<WindowDesign>(c.gray);
        EXPECT_EQ(auxDesign(settings), c.design) << c.purple << c.gray;
    }
    Settings settings;
    settings.purpleWindows = true;
    settings.windowDesign = WindowDesign::GrayWithRedRibbons;
    fallBackToAristocratic(settings);
    EXPECT_FALSE(settings.purpleWindows);
    EXPECT_EQ(settings.windowDesign, WindowDesign::GrayAristocratic);
}

TEST(DesignLibrary, FoundInTheParentFolderToo) {
    WindowFixture f;
    ASSERT_TRUE(makeGraphicsLibrary(f.folder() + QStringLiteral(".."), allLibraryEntries()));
    chooseDesign(f.settings, 4);
    TFormCount window(f.context(), TCount{}, {});
    EXPECT_EQ(window.design(), AuxDesign::Purple);
}

TEST(DesignLibrary, AFileThatIsNoLibraryCountsAsMissing) {
    WindowFixture f;
    QFile junk(f.folder() + QStringLiteral("WemCGraph1.dll"));
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write(QByteArray(4096, '\x5a'));
    junk.close();
    chooseDesign(f.settings, 4);
    TFormCount window(f.context(), TCount{}, {});
    EXPECT_EQ(window.design(), AuxDesign::GrayAristocratic);
    EXPECT_FALSE(window.grab().isNull());
}

TEST(DesignLibrary, ABackgroundThatIsNoPictureCountsAsMissing) {
    WindowFixture f;
    ASSERT_TRUE(makeGraphicsLibrary(f.folder(), allLibraryEntries()));
    // Replace the library with one whose background entry holds text.
    QTemporaryDir work;
    QFile bad(work.path() + QStringLiteral("/bg"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("this is not a JPEG");
    bad.close();
    QFile qrc(work.path() + QStringLiteral("/lib.qrc"));
    ASSERT_TRUE(qrc.open(QIODevice::WriteOnly));
    qrc.write("<!DOCTYPE RCC><RCC version=\"1.0\"><qresource><file "
              "alias=\"jpeg/GFormCount\">bg</file></qresource></RCC>");
    qrc.close();
    QProcess rcc;
    rcc.start(QStringLiteral(QUARN_RCC),
              {QStringLiteral("--binary"), qrc.fileName(), QStringLiteral("-o"),
               f.folder() + QStringLiteral("WemCGraph1.dll")});
    ASSERT_TRUE(rcc.waitForFinished(60000));
    chooseDesign(f.settings, 4);
    TFormCount window(f.context(), TCount{}, {});
    EXPECT_EQ(window.design(), AuxDesign::GrayAristocratic);
}

} // namespace
} // namespace quarn
