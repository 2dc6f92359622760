// The main window's looks through the real window: choices whose library is
// missing fall back once and stay fallen back, each screen takes its own
// design's background, the fonts of the options reach the window, and the
// two animations run, stand still, hide and repaint only themselves.
#include "WindowFixture.h"

#include "ui/TAnimation.h"
#include "ui/UiPictures.h"

#include <QBuffer>
#include <QFile>
#include <QMovie>
#include <QProcess>
#include <QSignalSpy>

namespace quarn::testing {
namespace {

const QColor Purple(120, 30, 160);

// A stand-in graphics library: the purple background, and the top-ten
// trophy as the emblem "GifF" so its size tells where it came from.
bool writeGraphicsLibrary(const std::filesystem::path &folder) {
    QTemporaryDir work;
    QImage background(760, 500, QImage::Format_RGB32);
    background.fill(Purple);
    if (!background.save(work.path() + QStringLiteral("/bg.jpg"), "JPEG"))
        return false;
    QFile gif(work.path() + QStringLiteral("/emblem.gif"));
    if (!gif.open(QIODevice::WriteOnly) || gif.write(uiAnimation(QStringLiteral("GTopTen"))) <= 0)
        return false;
    gif.close();
    QFile qrc(work.path() + QStringLiteral("/lib.qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return false;
    qrc.write("<!DOCTYPE RCC><RCC version=\"1.0\"><qresource>\n"
              "<file alias=\"jpeg/BGLilu\">bg.jpg</file>\n"
              "<file alias=\"gif/GifF\">emblem.gif</file>\n"
              "</qresource></RCC>\n");
    qrc.close();
    QProcess rcc;
    rcc.start(QStringLiteral(QUARN_RCC),
              {QStringLiteral("--binary"), qrc.fileName(), QStringLiteral("-o"),
               QString::fromStdString((folder / "WemCGraph1.dll").string())});
    return rcc.waitForFinished(60000) && rcc.exitStatus() == QProcess::NormalExit &&
           rcc.exitCode() == 0;
}

bool purpleAt(const QImage &image, QPoint at) {
    const QColor c = image.pixelColor(at);
    return std::abs(c.red() - Purple.red()) < 25 && std::abs(c.green() - Purple.green()) < 25 &&
           std::abs(c.blue() - Purple.blue()) < 25;
}

class WindowLooks : public WindowTest {
  protected:
    int messagesAbout(const char *library) const {
        int count = 0;
        for (const QString &text : Ask::asked())
            count += text.contains(QLatin1String(library)) ? 1 : 0;
        return count;
    }

    TAnimation *animation(int n) const {
        return control<TAnimation>(("RxGIFAn" + std::to_string(n)).c_str());
    }

    bool menuIsPurple() const { return purpleAt(form_->canvas().image(), {3, 3}); }

    void abandon() {
        Ask::setNextAnswer(QMessageBox::Yes);
        form_->abandonMatch();
        ASSERT_TRUE(form_->menuShown());
    }
};

// Every choice whose library is missing is told once, comes back as the
// program's own and stays so: leaving the title and a new window size load
// the pictures again without a second message.
TEST_F(WindowLooks, MissingLibrariesAreToldOnceAndTheFallBacksAreKept) {
    Settings s = quickSettings();
    s.faceSet = 5;
    s.backSet = 3;
    s.backgroundPicture = 5;
    s.backgroundColour = 3;
    s.menuDesign = ScreenDesign::Purple;
    s.tableDesign = ScreenDesign::Purple;
    s.purpleWindows = true;
    writeSettings(s);
    TForm1 &form = openToMenu();

    const char *libraries[] = {"WemCards06A.dll", "WemCards06B.dll", "WemCGraph1.dll",
                               "WemBackG03.dll"};
    for (const char *library : libraries)
        EXPECT_EQ(messagesAbout(library), 1) << library;
    const Settings &now = form.settings();
    EXPECT_EQ(now.faceSet, 0);
    EXPECT_EQ(now.backSet, 0);
    EXPECT_EQ(now.menuDesign, ScreenDesign::Customizable);
    EXPECT_EQ(now.tableDesign, ScreenDesign::Customizable);
    EXPECT_FALSE(now.purpleWindows);
    EXPECT_EQ(now.windowDesign, WindowDesign::GrayAristocratic);
    EXPECT_EQ(now.backgroundPicture, 2);
    EXPECT_EQ(now.backgroundColour, 0);

    for (WindowSizeSetting size : {WindowSizeSetting::Average1, WindowSizeSetting::Small}) {
        form.editableSettings().windowSize = size;
        form.windowSizeChanged();
    }
    logInNewPlayer(QStringLiteral("Tester"));
    ASSERT_TRUE(form.game().InGame);
    for (const char *library : libraries)
        EXPECT_EQ(messagesAbout(library), 1) << library << " told again";
}

// The menu shows its own design and the table its own, both ways round.
TEST_F(WindowLooks, EachScreenHasTheBackgroundOfItsDesign) {
    ASSERT_TRUE(writeGraphicsLibrary(folder_));
    const struct {
        ScreenDesign menu;
        ScreenDesign table;
    } cases[] = {{ScreenDesign::Purple, ScreenDesign::Customizable},
                 {ScreenDesign::Customizable, ScreenDesign::Purple},
                 {ScreenDesign::Purple, ScreenDesign::Purple}};
    for (const auto &c : cases) {
        const bool menuPurple = c.menu == ScreenDesign::Purple;
        const bool tablePurple = c.table == ScreenDesign::Purple;
        SCOPED_TRACE(std::to_string(menuPurple) + std::to_string(tablePurple));
        Settings s = quickSettings();
        s.menuDesign = c.menu;
        s.tableDesign = c.table;
        writeSettings(s);
        TForm1 &form = openToMenu();
        EXPECT_EQ(menuIsPurple(), menuPurple);
        logInNewPlayer(QStringLiteral("Tester"));
        ASSERT_TRUE(form.game().InGame);
        EXPECT_EQ(purpleAt(form.canvas().image(), {3, 3}), tablePurple);
        abandon();
        EXPECT_EQ(menuIsPurple(), menuPurple) << "back in the menu";
        EXPECT_EQ(messagesAbout("WemCGraph1.dll"), 0);
        form_.reset();
    }
}

// A design chosen in the options shows at once on the screen it belongs to.
TEST_F(WindowLooks, ChoosingTheMenuDesignRepaintsTheMenu) {
    ASSERT_TRUE(writeGraphicsLibrary(folder_));
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    EXPECT_FALSE(menuIsPurple());
    form.editableSettings().tableDesign = ScreenDesign::Purple;
    form.designChanged();
    EXPECT_FALSE(menuIsPurple()) << "the table's design is not the menu's";
    form.editableSettings().menuDesign = ScreenDesign::Purple;
    form.designChanged();
    EXPECT_TRUE(menuIsPurple());
    form.editableSettings().menuDesign = ScreenDesign::Customizable;
    form.designChanged();
    EXPECT_FALSE(menuIsPurple());
}

// The font names of the options' fonts tab reach the menu, the game buttons
// and the table's texts, not only their percentages.
TEST_F(WindowLooks, ChosenFontNamesReachTheWindow) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    Settings &s = form.editableSettings();
    s.fontNames[0] = "DejaVu Serif";
    s.fontNames[3] = "DejaVu Sans Mono";
    s.fontScales[0] = 120;
    form.fontsChanged();
    EXPECT_EQ(control<QPushButton>("Button10")->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(control<QPushButton>("Button6")->font().family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(control<QPushButton>("Button1")->font().family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(form.canvas().font().family, QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(form.canvas().font().percent, 120);

    logInNewPlayer(QStringLiteral("Tester"));
    ASSERT_TRUE(form.game().InGame);
    EXPECT_EQ(button7()->font().family(), QStringLiteral("DejaVu Serif"));
    s.fontNames[0] = "DejaVu Sans";
    form.fontsChanged();
    EXPECT_EQ(button8()->font().family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(form.canvas().font().family, QStringLiteral("DejaVu Sans"));
}

// Both animations in the menu, RxGIFAn1 alone on the table; each named for
// accessibility, running with "Gif-animation" and standing still without.
TEST_F(WindowLooks, AnimationsRunInTheMenuAndOnTheTable) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    for (int n : {1, 2}) {
        SCOPED_TRACE(n);
        ASSERT_NE(animation(n), nullptr);
        EXPECT_TRUE(animation(n)->isVisible());
        EXPECT_TRUE(animation(n)->ticking());
        EXPECT_FALSE(animation(n)->accessibleName().isEmpty());
        EXPECT_EQ(animation(n)->size(), QSize(60, 75)) << "the program's emblem";
    }
    EXPECT_FALSE(form.timer()->isActive()) << "the menu has no tick";

    form.editableSettings().gifAnimation = false;
    form.animationsChanged();
    for (int n : {1, 2}) {
        EXPECT_FALSE(animation(n)->ticking());
        EXPECT_EQ(animation(n)->currentFrame(), 1);
        EXPECT_TRUE(animation(n)->isVisible());
    }
    form.editableSettings().gifAnimation = true;
    form.animationsChanged();
    EXPECT_TRUE(animation(1)->ticking());

    logInNewPlayer(QStringLiteral("Tester"));
    ASSERT_TRUE(form.game().InGame);
    EXPECT_TRUE(animation(1)->isVisible());
    EXPECT_TRUE(animation(1)->ticking());
    EXPECT_FALSE(animation(2)->isVisible());
    EXPECT_FALSE(animation(2)->ticking()) << "a hidden animation keeps no timer";
    abandon();
    EXPECT_TRUE(animation(2)->ticking());
}

TEST_F(WindowLooks, AnimationsStandStillWhenSwitchedOffAtStart) {
    Settings s = quickSettings();
    s.gifAnimation = false;
    writeSettings(s);
    openToMenu();
    for (int n : {1, 2}) {
        EXPECT_TRUE(animation(n)->isVisible());
        EXPECT_FALSE(animation(n)->running());
        EXPECT_FALSE(animation(n)->ticking());
    }
}

// A frame of an animation repaints its own rectangle and nothing else.
TEST_F(WindowLooks, AnAnimationFrameRepaintsOnlyItself) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    QTRY_VERIFY(form.isVisible());
    QApplication::processEvents();

    struct PaintWatch : QObject {
        QList<QRect> rects;
        bool eventFilter(QObject *, QEvent *event) override {
            if (event->type() == QEvent::Paint)
                for (const QRect &rect : static_cast<QPaintEvent *>(event)->region())
                    rects << rect;
            return false;
        }
    } watch;
    form.installEventFilter(&watch);
    QSignalSpy frames(animation(1)->movie(), &QMovie::frameChanged);
    ASSERT_TRUE(frames.wait(2000));
    ASSERT_TRUE(frames.wait(2000));
    QApplication::processEvents();
    form.removeEventFilter(&watch);
    const QRect one = animation(1)->geometry();
    const QRect two = animation(2)->geometry();
    ASSERT_FALSE(watch.rects.isEmpty());
    for (const QRect &rect : watch.rects)
        EXPECT_TRUE(one.contains(rect) || two.contains(rect))
            << "the window repainted " << rect.x() << "," << rect.y() << " " << rect.width() << "x"
            << rect.height();
}

// A film holds the table only: RxGIFAn1 is hidden while a hand is recorded
// and saved, and the menu shows it again.
TEST_F(WindowLooks, TheTableAnimationIsHiddenWhileAHandIsFilmed) {
    Settings s = quickSettings();
    s.recordGif = true;
    s.gifCaptureArea = GifCaptureArea::ClientArea;
    writeSettings(s);
    TForm1 &form = openToMenu();
    logInNewPlayer(QStringLiteral("Filmer"));
    ASSERT_TRUE(form.recording());
    EXPECT_FALSE(animation(1)->isVisible());
    EXPECT_FALSE(animation(1)->ticking());
    QTest::mouseClick(button7(), Qt::LeftButton);
    playHandToItsEnd(false);
    QTest::mouseClick(button7(), Qt::LeftButton);
    form.waitForRecordingSaved();
    EXPECT_FALSE(animation(1)->isVisible());
    abandon();
    EXPECT_TRUE(animation(1)->isVisible());
    EXPECT_TRUE(animation(1)->ticking());
}

// The "Purple" menu takes the graphics library's emblem.
TEST_F(WindowLooks, PurpleMenuTakesTheLibrarysAnimation) {
    ASSERT_TRUE(writeGraphicsLibrary(folder_));
    Settings s = quickSettings();
    s.menuDesign = ScreenDesign::Purple;
    writeSettings(s);
    TForm1 &form = openToMenu();
    EXPECT_EQ(animation(1)->size(), QSize(140, 110));
    EXPECT_EQ(animation(2)->size(), QSize(60, 75))
        << "an emblem the library lacks is the program's";
    form.editableSettings().menuDesign = ScreenDesign::Customizable;
    form.designChanged();
    EXPECT_EQ(animation(1)->size(), QSize(60, 75));
}

} // namespace
} // namespace quarn::testing
