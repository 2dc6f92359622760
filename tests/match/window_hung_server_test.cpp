// The window against a club server that takes connections and never answers
// (a hung server, a link that died after connecting): it keeps answering
// while the start's requests and the menu's watch wait for the server.
#include "WindowFixture.h"
#include "tests/server/HungServer.h"

#include "radio/view/RadioController.h"
#include "web/view/ImClock2.h"
#include "web/view/WemIndicators.h"

#include <QElapsedTimer>

#include <fstream>

namespace quarn::testing {
namespace {

using servertest::HungServer;
using servertest::LoopGap;

class HungServerWindow : public WindowTest {};

TEST_F(HungServerWindow, StartAndMenuKeepTheWindowAnswering) {
    HungServer server;
    std::ofstream(folder_ / "Quarn.srv") << server.url() << "\n";
    Settings settings = quickSettings();
    settings.startReported = false; // a first start sends its report
    settings.music = false;
    writeSettings(settings);
    openWindow();
    // The start itself (settings, club files, pictures, the radio's list)
    // asks the server nothing on the window's thread.
    QElapsedTimer startClock;
    startClock.start();
    ASSERT_TRUE(form_->startUp());
    const qint64 startMs = startClock.elapsed();
    // Leaving the title: the menu comes at once.
    QElapsedTimer toMenu;
    toMenu.start();
    QTest::keyRelease(form_.get(), Qt::Key_Space);
    EXPECT_TRUE(form_->menuShown());
    const qint64 menuMs = toMenu.elapsed();
    EXPECT_LT(menuMs, 1000);
    // The configuration, the report and the menu's watch all wait for the
    // server meanwhile; the window answers throughout.
    LoopGap gap;
    gap.start();
    gap.runFor(4000);
    std::printf("hung server: start-up %lld ms, menu after %lld ms, longest event-loop gap %lld "
                "ms\n",
                static_cast<long long>(startMs), static_cast<long long>(menuMs),
                static_cast<long long>(gap.longest()));
    EXPECT_LT(startMs, 3000);
    EXPECT_LT(gap.longest(), 100);
    EXPECT_TRUE(form_->requestsBusy()) << "the requests should still be waiting for the server";
    // Closing cancels them at once.
    form_->close();
    EXPECT_TRUE(form_->awaitRequests(5000));
}

// Against the same server every online indicator of the large menu is in
// its offline state within 11 s: the figure display says "NO CONNECT", the
// news and chat lamps are dark, the radio cannot be used, no music buttons.
TEST_F(HungServerWindow, EveryIndicatorIsOfflineWithinElevenSeconds) {
    HungServer server;
    std::ofstream(folder_ / "Quarn.srv") << server.url() << "\n";
    Settings settings = quickSettings();
    settings.music = false;
    settings.windowSize = WindowSizeSetting::Large;
    writeSettings(settings);
    openWindow();
    ASSERT_TRUE(form_->startUp());
    QTest::keyRelease(form_.get(), Qt::Key_Space);
    ASSERT_TRUE(form_->menuShown());
    auto *figure = form_->findChild<ImClock2 *>();
    ASSERT_NE(figure, nullptr);
    ASSERT_TRUE(figure->isVisible()) << "the large menu shows the figure display";
    LoopGap gap;
    gap.start();
    QElapsedTimer clock;
    clock.start();
    while (!figure->figure().hint.contains(QStringLiteral("NO CONNECT")) && clock.elapsed() < 11000)
        gap.runFor(50);
    std::printf("hung server: figure display offline after %lld ms, longest gap %lld ms\n",
                static_cast<long long>(clock.elapsed()), static_cast<long long>(gap.longest()));
    EXPECT_TRUE(figure->figure().hint.contains(QStringLiteral("NO CONNECT")));
    EXPECT_LT(gap.longest(), 100);
    for (TSirena *lamp : form_->findChildren<TSirena *>())
        EXPECT_FALSE(lamp->isVisible() && lamp->lit()) << lamp->objectName().toStdString();
    EXPECT_EQ(form_->radio().look(), RadioLook::CannotUse);
    EXPECT_EQ(form_->musicPlayer(), nullptr);
    form_->close();
    EXPECT_TRUE(form_->awaitRequests(5000));
}

} // namespace
} // namespace quarn::testing
