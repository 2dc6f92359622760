// The main window's world windows: what "Top Ten" opens with and without the
// graphics library and while the world lists are paused, the options'
// "Passport", and the category the world top ten opens on.
#include "WindowFixture.h"

#include "web/view/TFormServerRead.h"
#include "web/view/TFormServerWrite.h"

namespace quarn::testing {
namespace {

class WindowWorld : public WindowTest {
  protected:
    // Copies the built graphics library into the program folder; false when
    // it has not been built.
    bool withLibrary() {
        const std::filesystem::path library =
            std::filesystem::path(QUARN_DIST_DIR) / "WemCGraph1.dll";
        if (!std::filesystem::exists(library))
            return false;
        std::filesystem::copy_file(library, folder_ / "WemCGraph1.dll");
        return true;
    }
    // Runs `open` and closes the modal window it shows, handing it to `look` first.
    template <typename Window>
    void openAndLook(const std::function<void()> &open, const std::function<void(Window &)> &look) {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto *window = qobject_cast<Window *>(QApplication::activeModalWidget());
            ASSERT_NE(window, nullptr);
            seen = true;
            look(*window);
            window->reject();
        });
        open();
        EXPECT_TRUE(seen);
    }
};

TEST_F(WindowWorld, TopTenWithoutTheLibraryOpensTheClubsTopTen) {
    Settings settings = quickSettings();
    settings.multiplayer = true;
    writeSettings(settings);
    openToMenu();
    QTest::mouseClick(control<QPushButton>("Button9"), Qt::LeftButton);
    EXPECT_EQ(windows_.opened, std::vector<std::string>{"net top ten"});
}

TEST_F(WindowWorld, TopTenWithTheLibraryOpensTheWorldTopTenUnlessPaused) {
    if (!withLibrary())
        GTEST_SKIP() << "the graphics library is not built";
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    QTest::mouseClick(control<QPushButton>("Button9"), Qt::LeftButton);
    EXPECT_EQ(windows_.opened, std::vector<std::string>{"world top ten"});

    web::RemoteConfig paused;
    paused.worldPaused = true;
    form.web().setRemote(paused);
    QTest::mouseClick(control<QPushButton>("Button9"), Qt::LeftButton);
    EXPECT_EQ(windows_.opened.size(), 1u);
    EXPECT_TRUE(Ask::asked().contains(
        QStringLiteral("World Top Ten Tournament is temporarily unavailable!")));
}

TEST_F(WindowWorld, OptionsPassportAsksForThePassportWindow) {
    writeSettings(quickSettings());
    openToMenu().showPassport();
    EXPECT_EQ(windows_.opened, std::vector<std::string>{"passport"});
}

TEST_F(WindowWorld, TheMenuOpensTheWorldTopTenOnAWorldList) {
    if (!withLibrary()) // without it the classic layout shows its own three choices
        GTEST_SKIP() << "the graphics library is not built";
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    form.worldTopTenState().category = web::WorldCategory::Tournament;
    openAndLook<TFormServerRead>([&] { form.openWorldTopTen(); },
                                 [](TFormServerRead &window) {
                                     EXPECT_EQ(window.category(), web::WorldCategory::WindowsScore);
                                 });
    form.worldTopTenState().category = web::WorldCategory::AndroidScore;
    openAndLook<TFormServerRead>([&] { form.openWorldTopTen(); },
                                 [](TFormServerRead &window) {
                                     EXPECT_EQ(window.category(), web::WorldCategory::AndroidScore);
                                 });
    // The tournament window asks for its own category.
    openAndLook<TFormServerRead>([&] { form.openWorldTopTen(web::WorldCategory::Tournament); },
                                 [](TFormServerRead &window) {
                                     EXPECT_EQ(window.category(), web::WorldCategory::Tournament);
                                 });
}

TEST_F(WindowWorld, ACompletedCycleIsOfferedForSubmission) {
    writeSettings(quickSettings());
    TForm1 &form = openToMenu();
    openAndLook<TFormServerWrite>([&] { form.openWorldSubmission(87); },
                                  [](TFormServerWrite &window) {
                                      EXPECT_EQ(window.score(), 87);
                                      EXPECT_TRUE(window.sendButton()->isEnabled());
                                  });
}

} // namespace
} // namespace quarn::testing
