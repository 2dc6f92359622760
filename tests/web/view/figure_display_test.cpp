// The menu's figure display with its reads run elsewhere: the figure shown
// stays until the replies are in, one read at a time, and the account's
// nick is taken when the read starts.
#include "web/view/ImClock2.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace quarn {
namespace {

struct HeldReads {
    std::vector<std::function<FigureReplies()>> reads;
    std::vector<std::function<void(FigureReplies)>> dones;
    ImClock2::Runner runner() {
        return
            [this](std::function<FigureReplies()> read, std::function<void(FigureReplies)> done) {
                reads.push_back(std::move(read));
                dones.push_back(std::move(done));
            };
    }
    // Runs the oldest read and hands its replies back.
    void complete() {
        dones.front()(reads.front()());
        reads.erase(reads.begin());
        dones.erase(dones.begin());
    }
};

TEST(FigureDisplay, ReadsElsewhereAndShowsTheRepliesWhenTheyAreIn) {
    std::string nickAsked;
    std::string nick = "Ann";
    FigureSources sources;
    sources.loggedIn = [] { return true; };
    sources.ownNick = [&nick] { return nick; };
    sources.readBalance = [&nickAsked](const std::string &who) {
        nickAsked = who;
        web::Reply<int> reply;
        reply.ok = true;
        reply.value = 1234;
        return reply;
    };
    sources.readMemberCount = [] { return web::Reply<int>{}; }; // no connection
    HeldReads held;
    ImClock2 figure(sources);
    figure.setRunner(held.runner());

    figure.ShowFigure(6); // the account's Wems
    ASSERT_EQ(held.reads.size(), 1u);
    EXPECT_EQ(figure.figure().value, QStringLiteral("00")) << "nothing read yet";
    figure.ShowFigure(7); // a read under way lets this one pass
    EXPECT_EQ(held.reads.size(), 1u);
    nick = "Bob"; // logged in as another meanwhile: the read asks for the nick it started with
    held.complete();
    EXPECT_EQ(nickAsked, "Ann");
    EXPECT_EQ(figure.figure().mode, 6);
    EXPECT_EQ(figure.figure().value, QStringLiteral("1234"));

    figure.ShowFigure(7); // the club's members, the server silent
    ASSERT_EQ(held.reads.size(), 1u);
    held.complete();
    EXPECT_EQ(figure.figure().mode, 7);
    EXPECT_EQ(figure.figure().value, QStringLiteral("00"));
    EXPECT_EQ(figure.figure().hint, composeFigure(7, sources).hint) << "the same text as at once";
}

// A server that never answers: the display says "No Connect" after its
// limit, and a reply that comes after all still shows.
TEST(FigureDisplay, AReadNotBackInTimeShowsNoConnect) {
    FigureSources sources;
    sources.readMemberCount = [] {
        web::Reply<int> reply;
        reply.ok = true;
        reply.value = 77;
        return reply;
    };
    HeldReads held;
    ImClock2 figure(sources);
    figure.setRunner(held.runner());
    figure.setOfflineAfterMs(30);
    figure.ShowFigure(7);
    const QString noConnect = composeFigure(7, FigureReplies{7, {}, {}, {}}).hint;
    QElapsedTimer clock;
    clock.start();
    while (figure.figure().hint != noConnect && clock.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_EQ(figure.figure().hint, noConnect);
    EXPECT_EQ(figure.figure().mode, 7);
    held.complete();
    EXPECT_EQ(figure.figure().value, QStringLiteral("77"));
}

} // namespace
} // namespace quarn
