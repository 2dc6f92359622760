// The start's online steps and the match report against a scripted club
// server: the start message comes before the start report, the report
// follows the edition code of the network club file (examined last), and a
// tournament's "Games played Online" counts for the tournament's leader.
#include "WindowFixture.h"

#include "../web/ScriptedServers.h"
#include "net/tour/TourConnection.h"
#include "store/ClubFile.h"

#include <fstream>

namespace quarn::testing {
namespace {

using webtest::ScriptedHttpServer;

class OnlineReports : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        std::ofstream(folder_ / "Quarn.srv") << server_.base() << "\n";
    }
    // A club file of the edition `code`, empty and correct.
    void clubFile(const char *name, const std::string &code) {
        const ClubFile file = ClubFile::fresh("0Q5700" + code + "0", "club");
        std::filesystem::remove(folder_ / name);
        std::ofstream(folder_ / name, std::ios::binary) << file.bytes();
    }
    std::vector<webtest::RecordedRequest> statisticsPosts() const {
        std::vector<webtest::RecordedRequest> posts;
        for (const auto &request : server_.requests())
            if (request.method == "POST" && request.target.find("stat") != std::string::npos)
                posts.push_back(request);
        return posts;
    }

    ScriptedHttpServer server_;
};

TEST_F(OnlineReports, TheStartReportFollowsTheNetworkClubFilesEdition) {
    const struct {
        const char *local;
        const char *network;
        bool reported;
    } cases[] = {{"abc", "abc", true}, {"abc", "xjq", false}, {"xjq", "abc", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.local) + " / " + c.network);
        clubFile("Quarn.clb", c.local);
        clubFile("Quarn.net", c.network);
        Settings settings = quickSettings();
        settings.startReported = false;
        writeSettings(settings);
        const size_t before = statisticsPosts().size();
        openToMenu();
        const auto posts = statisticsPosts();
        EXPECT_EQ(posts.size() - before, c.reported ? 1u : 0u);
        if (c.reported && !posts.empty())
            EXPECT_NE(posts.back().body.find("stat1=1"), std::string::npos);
        form_->close();
        form_.reset();
    }
}

// The start message is up before the start report leaves: the report is
// queued only when the message window is closed.
TEST_F(OnlineReports, TheStartMessageComesBeforeTheReport) {
    server_.answer("NewsQuarn5.3=Y#Welcome#to the club#-#7#\n");
    Settings settings = quickSettings();
    settings.startReported = false;
    writeSettings(settings);
    Ask::setQuiet(false);
    size_t postsWhileShown = 99;
    bool shown = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        auto *message = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!message || shown)
            return;
        shown = true;
        postsWhileShown = statisticsPosts().size();
        message->accept();
    });
    watch.start(5);
    openToMenu();
    Ask::setQuiet(true);
    ASSERT_TRUE(shown);
    EXPECT_EQ(postsWhileShown, 0u);
    EXPECT_EQ(statisticsPosts().size(), 1u);
}

// "Games played Online" (R6) of a tournament counts for the tournament's
// role 1 only, whatever the local network role says.
TEST_F(OnlineReports, ATournamentCountsForItsLeaderOnly) {
    TForm1 &form = openToMenu();
    auto *tour = form.findChild<tour::TourConnection *>();
    ASSERT_NE(tour, nullptr);
    for (const int role : {1, 2}) {
        SCOPED_TRACE(role);
        tour->Connect(1, role);
        ASSERT_EQ(tour->Role(), role);
        MatchStatistics stats;
        stats.kind = MatchKind::Tournament;
        stats.hands = 1;
        form.SendStatistics(stats);
        ASSERT_TRUE(form.awaitRequests());
        const auto posts = statisticsPosts();
        ASSERT_FALSE(posts.empty());
        const std::string expected = role == 1 ? "R6=1" : "R6=0";
        EXPECT_NE(posts.back().body.find(expected), std::string::npos) << posts.back().body;
        tour->Forget();
    }
}

} // namespace
} // namespace quarn::testing
