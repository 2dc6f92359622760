// The main window's part of the online chat, news and statistics: the watch
// while the menu is shown (and for the chat during a match), the two lamps,
// the news page and the chat window, the start-up message, the start and
// match reports, the statistics window and the menu's figure display.

#include "match/TForm1.h"
#include "match/TForm1ChatParts.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "match/MenuPictures.h"
#include "match/TFormMessage.h"
#include "net/tour/TourConnection.h"
#include "web/ChatNews.h"
#include "web/StatsReport.h"
#include "web/WebServices.h"
#include "web/view/ImClock2.h"
#include "web/view/OnlinePictures.h"
#include "web/view/TFStat.h"
#include "web/view/TFormChat.h"
#include "web/view/WemIndicators.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTime>
#include <QTimer>
#include <QUrl>

namespace quarn {

namespace {

// The panel and the figure display stand only where the window is scaled
// 1.6 times or more.
constexpr double kLargeScale = 1.6;

} // namespace

void TForm1::createChatParts() {
    chat_ = std::make_unique<ChatParts>();
    ChatParts &c = *chat_;
    c.session.stateFolder = web::stateFolder(folder_.toStdString());
    c.newsLamp = new TSirena(true, this);
    c.chatLamp = new TSirena(false, this);
    c.panel = new ImChatNews(this);
    for (TSirena *lamp : {c.newsLamp, c.chatLamp, c.panel->newsLamp(), c.panel->chatLamp()}) {
        const bool news = lamp == c.newsLamp || lamp == c.panel->newsLamp();
        connect(lamp, &QAbstractButton::clicked, this,
                [this, news] { news ? OpenNews() : OpenChat(); });
    }
    c.newsLamp->hide();
    c.chatLamp->hide();
    c.panel->hide();

    // The figure's reads run on the request runner: they use the client
    // alone and take the nick read on the window's thread.
    FigureSources sources;
    web::WebClient &client = *web_;
    sources.readStats = [&client] { return web::WebServices(client).ReadStats(); };
    sources.readWorldList = [&client](int list) {
        return web::WebServices(client).ReadWorldList(list);
    };
    sources.readBalance = [&client](const std::string &nick) {
        return web::WebServices(client).ReadBalance(nick);
    };
    sources.readMemberCount = [&client] { return web::WebServices(client).ReadMemberCount(); };
    sources.loggedIn = [this] { return account_.isLoggedIn(); };
    sources.ownNick = [this] { return account_.user.Nick; };
    c.figure = new ImClock2(std::move(sources), this);
    c.figure->setRunner(
        [this](std::function<FigureReplies()> read, std::function<void(FigureReplies)> done) {
            requests_->run<FigureReplies>(this, std::move(read), std::move(done));
        });
    c.figure->hide();

    c.watchTimer = new QTimer(this);
    c.watchTimer->setObjectName(QStringLiteral("TimerWatch"));
    c.watchTimer->setInterval(web::kWatchTickMs);
    connect(c.watchTimer, &QTimer::timeout, this, &TForm1::watchTick);
    // The figure changes once a minute: the timer is set for the next
    // minute's second 01 each time, so it wakes once a minute and no more.
    c.minuteTimer = new QTimer(this);
    c.minuteTimer->setSingleShot(true);
    connect(c.minuteTimer, &QTimer::timeout, this, [this] { showFigureOfMinute(); });
}

bool TForm1::largeMenu() const {
    return layout_.scaling.S.value() >= kLargeScale;
}

// ---- Watching ---------------------------------------------------------------------

void TForm1::CheckChat() {
    watchInBackground(false, true);
}

void TForm1::CheckNews() {
    watchInBackground(true, false);
}

bool TForm1::chatIsNew() const {
    return chat_->newChat;
}

bool TForm1::newsIsNew() const {
    return chat_->newNews;
}

void TForm1::menuShownAnew() {
    ShowIndicators(chat_->newNews, chat_->newChat);
    watchInBackground(true, true);
    chat_->tick = 0;
    chat_->watchTimer->start();
}

void TForm1::watchTick() {
    ChatParts &c = *chat_;
    const web::WatchChecks checks = web::checksAtTick(++c.tick, menuShown(), c.newNews, c.newChat);
    if (checks.news || checks.chat)
        watchInBackground(checks.news, checks.chat);
}

namespace {

// What one watch check brought back from the server.
struct WatchReplies {
    int newsNumber = 0;
    int newestChat = 0;
};

} // namespace

// The checks run one at a time: a check still under way (a slow server)
// lets the next tick's pass.
void TForm1::watchInBackground(bool news, bool chat) {
    ChatParts &c = *chat_;
    if (c.watchRunning)
        return;
    c.watchRunning = true;
    c.session.state = web::readChatState(c.session.stateFolder);
    web::WebClient &client = *web_;
    requests_->run<WatchReplies>(
        this,
        [&client, news, chat] {
            WatchReplies replies;
            web::WebServices web(client);
            if (news) {
                const web::Reply<std::string> page = web.FetchNews();
                replies.newsNumber = page.ok ? web::newsNumberOf(page.value) : 0;
            }
            if (chat) {
                const web::Reply<web::WorldRows> rows = web.ReadWorldList(web::kChatList);
                replies.newestChat = rows.ok ? rows.value[0].Score : 0;
            }
            return replies;
        },
        [this, news, chat](WatchReplies replies) {
            ChatParts &c = *chat_;
            c.watchRunning = false;
            if (news) {
                c.newsNumber = replies.newsNumber;
                c.newNews = web::isNew(web::readNewsSeen(c.session.stateFolder), c.newsNumber);
                ShowIndicators(c.newNews, c.newChat);
            }
            if (!chat)
                return;
            c.session.newestKnown = replies.newestChat;
            c.newChat = web::isNew(c.session.state.lastSeen, c.session.newestKnown);
            if (!c.newChat)
                return;
            if (menuShown())
                ShowIndicators(c.newNews, c.newChat);
            Play("WToMenK", false);
            if (web::opensChatByItself(game_.InGame, c.session.state.openOnNew, c.chatOpen))
                OpenChat();
        });
}

void TForm1::ShowIndicators(bool news, bool chat) {
    ChatParts &c = *chat_;
    c.newNews = news;
    c.newChat = chat;
    const web::IndicatorLook look = web::indicatorLook(largeMenu(), menuShown(), news, chat);
    c.panel->setVisible(look.panel);
    c.panel->newsLamp()->setLit(look.panel && look.newsAnimated);
    c.panel->chatLamp()->setLit(look.panel && look.chatAnimated);
    c.newsLamp->setVisible(!look.panel && look.newsShown);
    c.chatLamp->setVisible(!look.panel && look.chatShown);
    c.newsLamp->setLit(!look.panel && look.newsAnimated);
    c.chatLamp->setLit(!look.panel && look.chatAnimated);
    if (look.panel)
        c.panel->raise();
}

// At the large sizes the panel and the figure display stand in the right
// column above the coins; at the smaller sizes the lamps stand beside the
// "New Player" and "Mode" buttons.
void TForm1::placeChatIndicators() {
    ChatParts &c = *chat_;
    const Scaling &s = layout_.scaling;
    const QRect picture = MenuPictures::place(2, s);
    const QRect coins = onlineButtons_[4]->geometry();
    // The figure display just above the coins, its left edge 7 pixels left
    // of the picture; the panel above it, centred on the right column.
    const QPoint figureAt(picture.left() - 7, coins.top() - s.Scale(2) - ImClock2::kSize.height());
    const QPoint panelAt(s.Scale(685) - ImChatNews::kSize.width() / 2,
                         figureAt.y() - s.Scale(2) - ImChatNews::kSize.height());
    c.panel->move(panelAt);
    c.panel->setBackground(canvas_->image().copy(QRect(panelAt, ImChatNews::kSize)));
    c.figure->move(figureAt);
    c.figure->setBackground(canvas_->image().copy(QRect(figureAt, ImClock2::kSize)));
    const QRect newPlayer = newPlayerButton_->geometry();
    const QRect mode = modeButton_->geometry();
    c.newsLamp->move(newPlayer.left() - kSirenaSide - s.Scale(4),
                     newPlayer.center().y() - kSirenaSide / 2);
    c.chatLamp->move(mode.right() + s.Scale(4), mode.center().y() - kSirenaSide / 2);
    // A new window size or language: the lamps' kind and the figure follow.
    if (menuShown())
        ShowIndicators(c.newNews, c.newChat);
    showFigureOfMinute();
}

void TForm1::hideChatIndicators() {
    ChatParts &c = *chat_;
    for (QWidget *w : std::initializer_list<QWidget *>{c.panel, c.newsLamp, c.chatLamp, c.figure})
        w->hide();
    c.minuteTimer->stop();
    c.panel->newsLamp()->setLit(false);
    c.panel->chatLamp()->setLit(false);
    c.newsLamp->setLit(false);
    c.chatLamp->setLit(false);
}

void TForm1::showFigureOfMinute() {
    ChatParts &c = *chat_;
    if (!menuShown() || !largeMenu()) {
        c.figure->hide();
        return;
    }
    const QTime now = QTime::currentTime();
    c.figure->ShowFigure(web::figureModeOfMinute(now.minute()));
    c.figure->show();
    // Wake again at second 01 of the next minute.
    const int msToNext = ((60 - now.second()) % 60 + 1) * 1000 - now.msec();
    c.minuteTimer->start(std::max(1000, msToNext));
}

// ---- Opening ------------------------------------------------------------------------

void TForm1::OpenNews() {
    ChatParts &c = *chat_;
    web::writeNewsSeen(c.session.stateFolder, c.newsNumber);
    Play(kSoundWindowOpens, false);
    QDesktopServices::openUrl(QUrl(QString::fromStdString(web_->addresses().newsPageUrl())));
    ShowIndicators(false, c.newChat);
}

void TForm1::OpenChat() {
    ChatParts &c = *chat_;
    Play(kSoundWindowOpens, false);
    if (web_->remote().chatPaused) {
        Ask::inform(this, word(WordEntry::ChatUnavailable));
        return;
    }
    // Opening marks every known message as seen; the window still badges
    // those above the last seen number until it closes.
    web::ChatState seen = c.session.state;
    seen.lastSeen = c.session.newestKnown;
    web::writeChatState(c.session.stateFolder, seen);
    if (menuShown())
        ShowIndicators(c.newNews, false);
    TFormChat window(auxContext(), *web_, c.session, this, requests_.get());
    window.setMessageHandler([&window](const QString &text) { Ask::inform(&window, text); });
    connect(&window, &TFormChat::passportRequested, this, &TForm1::passportRequested);
    c.chatOpen = true;
    window.exec();
    c.chatOpen = false;
    c.newChat = false;
    if (menuShown())
        ShowIndicators(c.newNews, false);
}

void TForm1::showStatistics() {
    Play(kSoundWindowOpens, false);
    TFStat window(
        auxContext(), *web_, [this] { saveSettingsNow(); }, this, requests_.get());
    window.exec();
}

void TForm1::openHomePage() {
    Play(kSoundWindowOpens, false);
    QDesktopServices::openUrl(QUrl(QString::fromStdString(web_->addresses().makerSiteUrl())));
}

AuxContext TForm1::auxContext() {
    return AuxContext{folder_, &settings_, this,
                      [this](const QString &library) { showMissingLibrary(library); }};
}

void TForm1::saveSettingsNow() {
    if (startUp_ != StartUp::Done)
        return;
    saveSettings(std::filesystem::path(folder_.toStdString()), settings_);
}

// ---- Start --------------------------------------------------------------------------

void TForm1::startOnline() {
    web::StoredServicePaths stored{settings_.ratingsPath, settings_.statisticsPath};
    const web::ServerOfRun server{web_->source(), {}, web_->addresses(), {}};
    const web::HttpOptions options = web_->options();
    struct Configured {
        web::Addresses addresses;
        web::RemoteConfig remote;
        web::StoredServicePaths stored;
    };
    // The page is read through a client of its own: the window's client
    // takes the addresses and the page on the window's thread.
    requests_->run<Configured>(
        this,
        [server, options, stored]() mutable {
            web::WebClient own(server, options);
            web::RemoteConfig remote = web::WebServices(own).StartOnline(stored);
            return Configured{own.addresses(), std::move(remote), stored};
        },
        [this](Configured configured) {
            takeRemoteConfiguration(std::move(configured.addresses), std::move(configured.remote),
                                    configured.stored);
        });
}

void TForm1::takeRemoteConfiguration(web::Addresses addresses, web::RemoteConfig remote,
                                     web::StoredServicePaths stored) {
    web_->addresses() = std::move(addresses);
    web_->setRemote(std::move(remote));
    settings_.ratingsPath = stored.worldService;
    settings_.statisticsPath = stored.statisticsService;
    setUpMusicPlayer();
    showStartMessage();
    ReportStart();
    startUpAccountLogin();
}

bool TForm1::awaitRequests(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (requests_->busy(this) && clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return !requests_->busy(this);
}

void TForm1::showStartMessage() {
    const web::RemoteConfig &remote = web_->remote();
    if (!remote.showStartMessage)
        return;
    QStringList lines;
    for (const std::string &line : remote.startMessage)
        lines << QString::fromStdString(line);
    TFormMessage::showMessage(this, lines);
}

void TForm1::ReportStart() {
    const web::StartReport report =
        web::planStartReport(clubCheck_.editionCode(), settings_.startReported);
    if (!report.send)
        return;
    web::WebClient &client = *web_;
    requests_->run<bool>(
        this,
        [&client, report] {
            return web::WebServices(client).SendStart(report.stat1, report.stat2);
        },
        [this, report](bool accepted) {
            settings_.startReported =
                web::startReportedAfter(report, settings_.startReported, accepted);
            saveSettingsNow();
        });
}

// ---- The end of a match ------------------------------------------------------------

void TForm1::SendStatistics(const MatchStatistics &stats) {
    web::MatchReport match;
    switch (stats.kind) {
    case MatchKind::Local:
        match.kind = web::ReportedMatch::Local;
        break;
    case MatchKind::Account:
        match.kind = web::ReportedMatch::Account;
        break;
    case MatchKind::Network:
        match.kind = web::ReportedMatch::Network;
        break;
    case MatchKind::Tournament:
        match.kind = web::ReportedMatch::Tournament;
        break;
    }
    match.hands = stats.hands;
    match.cycleComplete = stats.cycleComplete;
    match.score = stats.pointsWon - stats.pointsLost;
    // The rules report a network match from its host only.
    match.networkHost = stats.kind == MatchKind::Network;
    // The tournament's leader is its role 1 on the game server; the network
    // role of a local network game says nothing about it.
    match.tournamentLeader = stats.kind == MatchKind::Tournament && tour_ && tour_->Role() == 1;
    web::WebClient &client = *web_;
    requests_->run<bool>(
        this,
        [&client, values = web::matchReportValues(match)] {
            return web::WebServices(client).SendGameStats(values);
        },
        [](bool) {});
}

} // namespace quarn
