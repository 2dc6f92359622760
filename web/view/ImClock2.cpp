#include "web/view/ImClock2.h"

#include "lang/QtWords.h"
#include "web/Endpoints.h"
#include "web/StatsReport.h"
#include "web/Timeouts.h"
#include "web/view/CountryPictures.h"
#include "web/view/OnlinePictures.h"

#include <QPainter>

namespace quarn {

namespace {

constexpr const char *kDigitPrefixes[] = {"GRClock", "GAClock", "GGClock", "GYClock",
                                          "GVClock", "GLClock", "GNClock"};

// Modes 3 to 5: the best of a world list.
void bestOfList(Figure &figure, const web::Reply<web::WorldRows> &rows, bool withFlag) {
    if (!rows.ok) {
        figure.hint += word(WordEntry::FigureNoConnect);
        return;
    }
    const web::TWemRecord &best = rows.value[0];
    if (best.Nick == "#") {
        figure.hint += word(WordEntry::FigureNobody);
        return;
    }
    figure.value = QString::number(best.Score);
    figure.hint += QString::fromStdString(best.Nick);
    if (withFlag)
        figure.flag = QString::fromStdString(best.Country);
}

// The world list whose best a mode shows (modes 3 to 5).
int listOfMode(int shown) {
    return shown == 3   ? web::kLocalGamesList
           : shown == 4 ? web::kMobileGamesList
                        : web::kAccountGamesList;
}

} // namespace

FigureReplies readFigure(int shown, const std::string &nick, const FigureSources &sources) {
    FigureReplies replies;
    replies.shown = shown;
    switch (shown) {
    case 1:
    case 2:
        if (sources.readStats)
            replies.stats = sources.readStats();
        break;
    case 3:
    case 4:
    case 5:
        if (sources.readWorldList)
            replies.rows = sources.readWorldList(listOfMode(shown));
        break;
    case 6:
        if (sources.readBalance)
            replies.count = sources.readBalance(nick);
        break;
    default:
        if (sources.readMemberCount)
            replies.count = sources.readMemberCount();
        break;
    }
    return replies;
}

Figure composeFigure(int mode, const FigureReplies &replies) {
    Figure figure;
    figure.mode = mode;
    const int shown = replies.shown;
    switch (shown) {
    case 1:
    case 2: {
        figure.hint = word(shown == 1 ? WordEntry::FigureIq : WordEntry::FigureGamesWithPc);
        figure.icon = QStringLiteral("Windows");
        figure.label = shown == 1 ? QStringLiteral("IQ") : QStringLiteral("D");
        const web::Reply<web::TWemStat> &stats = replies.stats;
        if (!stats.ok) {
            figure.hint += word(WordEntry::FigureNoConnectColon);
            break;
        }
        if (shown == 1) {
            figure.value =
                QString::number(web::dynamicIq(stats.value.StatX[2], stats.value.StatX[3]));
        } else {
            const web::ShortCount count = web::shortCount(stats.value.StatX[0]);
            figure.value = QString::fromStdString(count.digits);
            figure.suffix = count.suffix;
        }
        break;
    }
    case 3:
        figure.hint = word(WordEntry::FigureBestWindows);
        figure.icon = QStringLiteral("Windows");
        bestOfList(figure, replies.rows, true);
        break;
    case 4:
        figure.hint = word(WordEntry::FigureBestAndroid);
        figure.icon = QStringLiteral("Android");
        bestOfList(figure, replies.rows, false);
        break;
    case 5:
        figure.hint = word(WordEntry::FigureBestAccount);
        figure.icon = QStringLiteral("Account48");
        bestOfList(figure, replies.rows, false);
        break;
    case 6:
        figure.hint = word(WordEntry::FigureWems);
        figure.icon = QStringLiteral("GWems128");
        if (replies.count.ok)
            figure.value = QString::number(replies.count.value);
        else
            figure.hint += word(WordEntry::FigureNoConnectColon);
        break;
    default:
        figure.hint = word(WordEntry::FigureClubMembers);
        figure.icon = QStringLiteral("Account48");
        if (replies.count.ok)
            figure.value = QString::number(replies.count.value);
        else
            figure.hint += word(WordEntry::FigureNoConnectBlank);
        break;
    }
    return figure;
}

namespace {

int shownModeOf(int mode, const FigureSources &sources) {
    return web::figureModeShown(mode, sources.loggedIn && sources.loggedIn());
}

std::string ownNickOf(const FigureSources &sources) {
    return sources.ownNick ? sources.ownNick() : std::string();
}

} // namespace

Figure composeFigure(int mode, const FigureSources &sources) {
    return composeFigure(mode, readFigure(shownModeOf(mode, sources), ownNickOf(sources), sources));
}

ImClock2::ImClock2(FigureSources sources, QWidget *parent)
    : QWidget(parent), sources_(std::move(sources)) {
    offlineAfter_.setSingleShot(true);
    offlineAfter_.setInterval(int(web::kIndicatorOfflineAfterMs));
    connect(&offlineAfter_, &QTimer::timeout, this, [this] {
        // Failed replies of the mode being read: its "No Connect".
        FigureReplies none;
        none.shown = shownModeOf(readingMode_, sources_);
        showComposed(composeFigure(readingMode_, none));
    });
    setObjectName(QStringLiteral("ImClock2"));
    setFixedSize(kSize);
}

void ImClock2::ShowFigure(int mode) {
    if (!runner_) {
        showComposed(composeFigure(mode, sources_));
        return;
    }
    if (reading_)
        return;
    reading_ = true;
    readingMode_ = mode;
    offlineAfter_.start();
    const int shown = shownModeOf(mode, sources_);
    runner_([sources = sources_, shown,
             nick = ownNickOf(sources_)] { return readFigure(shown, nick, sources); },
            [this, mode](FigureReplies replies) {
                reading_ = false;
                offlineAfter_.stop();
                showComposed(composeFigure(mode, replies));
            });
}

void ImClock2::showComposed(Figure figure) {
    figure_ = std::move(figure);
    setToolTip(figure_.hint);
    setAccessibleName(figure_.hint + QLatin1Char(' ') + figure_.value +
                      (figure_.suffix ? QString(QLatin1Char(figure_.suffix)) : QString()));
    update();
}

void ImClock2::setBackground(const QImage &background) {
    background_ = background;
    update();
}

void ImClock2::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(0, 0, background_);
    painter.drawImage(0, 0, onlinePicture(QStringLiteral("GClockBG")));
    const QImage icon = onlinePicture(figure_.icon);
    if (!icon.isNull())
        painter.drawImage(QRect(10, 10, 16, 16), icon);
    const QString prefix = QString::fromLatin1(kDigitPrefixes[std::clamp(figure_.mode, 1, 7) - 1]);
    const web::DigitPlaces places = web::digitPlaces(std::size_t(figure_.value.size()));
    for (std::size_t i = 0; i < places.x.size(); ++i) {
        const QChar c = figure_.value[qsizetype(i)];
        const QImage digit =
            onlinePicture(prefix + (c == QLatin1Char('-') ? QStringLiteral("M") : QString(c)));
        if (places.width)
            painter.drawImage(QRect(places.x[i], 15, places.width, places.height), digit);
        else
            painter.drawImage(places.x[i], 15, digit);
    }
    if (!figure_.flag.isEmpty())
        DrawFlag(figure_.flag.toStdString(), painter, 90, 10);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setBold(true);
    if (figure_.suffix) {
        font.setPointSize(12);
        painter.setFont(font);
        painter.setPen(QColor(0, 255, 255));
        painter.drawText(QPoint(90, 25 + painter.fontMetrics().ascent()),
                         QString(QLatin1Char(figure_.suffix)));
    }
    if (!figure_.label.isEmpty() && figure_.flag.isEmpty()) {
        font.setPointSize(8);
        painter.setFont(font);
        painter.setPen(figure_.label == QLatin1String("IQ") ? QColor(255, 0, 0)
                                                            : QColor(0, 255, 255));
        painter.drawText(QPoint(90, 10 + painter.fontMetrics().ascent()), figure_.label);
    }
}

} // namespace quarn
