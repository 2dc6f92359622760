// The account window, its profile editor, the chat and the statistics windows against a club
// server that takes connections and never answers: they open at once, show
// that they wait, keep answering while their requests wait for the server,
// and close at once, cancelling what still runs. Also where the account
// windows put their heading band.
#include "tests/server/HungServer.h"

#include "store/Settings.h"
#include "ui/THeadingBand.h"
#include "web/WebClient.h"
#include "web/view/RequestProgress.h"
#include "web/view/RequestRunner.h"
#include "web/view/TFAcc1.h"
#include "web/view/TFAcc2.h"
#include "web/view/TFStat.h"
#include "web/view/TFormChat.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace quarn {
namespace {

using servertest::HungServer;
using servertest::LoopGap;

class HungServerWindows : public testing::Test {
  protected:
    AuxContext context() { return AuxContext{folder.path(), &settings, nullptr, {}}; }

    // Opens the window `open` makes, lets it wait for the server, then closes it.
    template <class Window, class Open> void openWaitAndClose(const char *name, Open open) {
        QElapsedTimer clock;
        clock.start();
        std::unique_ptr<Window> window = open();
        window->show();
        const qint64 openMs = clock.elapsed();
        ASSERT_TRUE(window->requestsRunning()) << name;
        // Its first paint (the window's own drawing) is not measured; from
        // there on only the requests, waiting for the server, could stop it.
        LoopGap firstPaint;
        firstPaint.runFor(200);
        LoopGap gap;
        gap.start();
        // Half a second into the wait the window says so.
        gap.runFor(RequestProgress::kTextDelayMs + 100);
        EXPECT_TRUE(window->progress().text()->isVisible()) << name;
        EXPECT_EQ(window->progress().text()->text(), QStringLiteral("Please, wait..."));
        EXPECT_EQ(window->cursor().shape(), Qt::BusyCursor) << name;
        // It moves and repaints meanwhile.
        window->move(window->pos() + QPoint(30, 20));
        window->update();
        gap.runFor(1000);
        ASSERT_TRUE(window->requestsRunning()) << name << ": the server should still be silent";
        const qint64 longestGap = gap.longest();
        EXPECT_LT(longestGap, 100) << name;

        // Closing waits for no transfer (it may write the window's state file).
        clock.restart();
        const QObject *key = window.get();
        window->close();
        window.reset();
        const qint64 closeMs = clock.elapsed();
        // The cancelled transfer lets go of the runner long before its time-out.
        EXPECT_TRUE(gap.runUntil([&] { return !requests.busy(key); }, 5000)) << name;
        std::printf("%s against a hung server: built and shown in %lld ms, closed in %lld ms, "
                    "longest event-loop gap while waiting %lld ms\n",
                    name, static_cast<long long>(openMs), static_cast<long long>(closeMs),
                    static_cast<long long>(longestGap));
        EXPECT_LT(closeMs, 500) << name;
    }

    HungServer server;
    QTemporaryDir folder;
    Settings settings;
    web::WebClient client{
        web::ServerOfRun{web::ServerSource::File, {}, web::Addresses::forServer(server.url())}};
    RequestRunner requests; // goes before the client
};

TEST_F(HungServerWindows, TheAccountWindowsKeepAnsweringAndCloseAtOnce) {
    web::Account loggedOut;
    openWaitAndClose<TFAcc1>("account window", [&] {
        return std::make_unique<TFAcc1>(context(), client, loggedOut, AccountTalk{}, requests);
    });
    // The editor's save waits with its button disabled.
    web::Account account;
    account.state = web::AccountState::LoggedIn;
    account.user.Nick = "Ann";
    openWaitAndClose<TFAcc2>("profile editor", [&] {
        auto editor = std::make_unique<TFAcc2>(context(), client, account, AccountTalk{}, requests);
        editor->field(0)->setText(QStringLiteral("Anna"));
        editor->updateInfoButton()->setEnabled(true);
        editor->updateInfoButton()->click();
        EXPECT_FALSE(editor->updateInfoButton()->isEnabled());
        return editor;
    });
}

TEST_F(HungServerWindows, TheChatWindowKeepsAnsweringAndClosesAtOnce) {
    ChatSession session;
    session.stateFolder = folder.path().toStdString();
    openWaitAndClose<TFormChat>("chat window", [&] {
        return std::make_unique<TFormChat>(context(), client, session, nullptr, &requests);
    });
    // Given no runner, it runs its requests on one of its own.
    openWaitAndClose<TFormChat>("chat window with its own runner", [&] {
        return std::make_unique<TFormChat>(context(), client, session);
    });
}

TEST_F(HungServerWindows, TheStatisticsWindowKeepsAnsweringAndClosesAtOnce) {
    openWaitAndClose<TFStat>("statistics window", [&] {
        return std::make_unique<TFStat>(context(), client, nullptr, nullptr, &requests);
    });
}

// The heading band lies within the window and is centred across it, in each
// gray design (from the built graphics library; without it every design
// falls back to "Gray aristocratic").
TEST(AccountWindowsHeading, TheBandIsCentredWithinTheWindow) {
    HungServer server;
    web::WebClient client{
        web::ServerOfRun{web::ServerSource::File, {}, web::Addresses::forServer(server.url())}};
    RequestRunner requests;
    const QString folder = QStringLiteral(QUARN_DIST_DIR);
    const bool library = QFile::exists(folder + QStringLiteral("/WemCGraph1.dll"));
    const struct {
        WindowDesign setting;
        AuxDesign design;
    } designs[] = {{WindowDesign::GrayAristocratic, AuxDesign::GrayAristocratic},
                   {WindowDesign::GrayConcise, AuxDesign::GrayConcise},
                   {WindowDesign::GrayWithRedRibbons, AuxDesign::GrayRedRibbons}};
    for (const auto &d : designs) {
        Settings settings;
        settings.windowDesign = d.setting;
        const AuxContext context{folder, &settings, nullptr, {}};
        web::Account account;
        const TFAcc1 window(context, client, account, AccountTalk{}, requests);
        const TFAcc2 editor(context, client, account, AccountTalk{}, requests);
        for (const TWemAuxForm *form : {static_cast<const TWemAuxForm *>(&window),
                                        static_cast<const TWemAuxForm *>(&editor)}) {
            const std::string what =
                form->objectName().toStdString() + " design " + std::to_string(int(d.design));
            if (library)
                EXPECT_EQ(form->design(), d.design) << what;
            const auto *band = form->findChild<THeadingBand *>();
            ASSERT_NE(band, nullptr) << what;
            const QRect place = band->geometry();
            EXPECT_GE(place.left(), 0) << what;
            EXPECT_LE(place.right(), form->width() - 1) << what;
            EXPECT_LE(std::abs(place.left() - (form->width() - 1 - place.right())), 1) << what;
        }
    }
}

} // namespace
} // namespace quarn
