#include "match/TitleScreen.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>

#include "table/Pictures.h"

namespace quarn {

namespace {

constexpr int TravelLeft = 155;
constexpr int TravelTop = 68;
constexpr int TravelRight = 550;
constexpr int TravelBottom = 362;
constexpr int TravelWidth = TravelRight - TravelLeft;
constexpr int TravelHeight = TravelBottom - TravelTop;
constexpr int TravelLength = 2 * (TravelWidth + TravelHeight);

const QColor letterColours[10] = {
    QColor(255, 64, 64),  QColor(255, 160, 32),  QColor(255, 230, 40),  QColor(120, 230, 60),
    QColor(40, 200, 160), QColor(60, 170, 255),  QColor(110, 110, 255), QColor(190, 90, 255),
    QColor(255, 90, 200), QColor(240, 240, 240),
};

bool isWide(QChar c) {
    return c == QLatin1Char('W') || c == QLatin1Char('M') || c == QChar(0x041C) ||
           c == QChar(0x0416) || c == QChar(0x042E);
}
bool isNarrow(QChar c) {
    return c == QLatin1Char('I') || c == QChar(0x00CD);
}
bool isHyphen(QChar c) {
    return c == QLatin1Char('-');
}

} // namespace

TitleScreen::TitleScreen() {
    loadPictures();
}

void TitleScreen::loadPictures() const {
    if (!travellers_.isEmpty())
        return;
    logo_ = QPixmap::fromImage(Pictures::logo());
    for (int n = 1; n <= 4; ++n)
        travellers_.append(QPixmap::fromImage(Pictures::travellingPicture(n)));
}

void TitleScreen::release() {
    logo_ = QPixmap();
    travellers_.clear();
    still_ = QImage();
}

void TitleScreen::setTexts(const QString &title, const QString &buildDate, const QString &credits) {
    if (title == title_ && buildDate == buildDate_ && credits == credits_)
        return;
    title_ = title;
    buildDate_ = buildDate;
    credits_ = credits;
    still_ = QImage(); // drawn again with the new texts
    titleArea_ = QRect();
}

QFont TitleScreen::titleFont() {
    // 44 points on the original screen; letters narrowed so that they stand
    // apart at the 26-pixel step of the title.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(44);
    font.setBold(true);
    font.setStretch(QFont::SemiCondensed);
    return font;
}

QRect TitleScreen::travellerArea(int traveller, int tick) const {
    const QPoint at = travellerPlace(tick + traveller * TravelLength / 4);
    const QPixmap *picture = traveller < travellers_.size() ? &travellers_[traveller] : nullptr;
    const QSize size = picture && !picture->isNull() ? picture->size() : QSize(24, 24);
    // A pixel more on each side for the smoothed edge of the stand-in circle.
    return QRect(at, size).adjusted(-1, -1, 1, 1);
}

QRect TitleScreen::titleArea() const {
    if (titleArea_.isNull()) {
        // From the first letter to the end of the last one, so that the
        // travellers on the path's sides never touch it.
        const QFontMetrics metrics(titleFont());
        const QVector<int> xs = letterPositions(title_);
        const int left = xs.isEmpty() ? Width / 2 : xs.first();
        const int right =
            xs.isEmpty() ? Width / 2 : xs.last() + metrics.horizontalAdvance(title_.back()) + 4;
        titleArea_ = QRect(left, TitleTop, right - left, metrics.height()).adjusted(-4, -4, 4, 4);
    }
    return titleArea_;
}

QRegion TitleScreen::advance() {
    loadPictures();
    QRegion changed;
    for (int i = 0; i < travellers_.size(); ++i)
        changed += travellerArea(i, tick_);
    const int before = tick_++;
    for (int i = 0; i < travellers_.size(); ++i)
        changed += travellerArea(i, tick_);
    if (letterColour(0, before) != letterColour(0, tick_))
        changed += titleArea();
    return changed;
}

QRegion TitleScreen::onWindow(const QRegion &changed, QSize window) {
    // Stretched pictures blend into their neighbours: a stretched screen
    // (which the window never shows, it keeps the title's size) is drawn whole.
    return window == QSize(Width, Height) ? changed : QRegion(QRect(QPoint(0, 0), window));
}

QVector<int> TitleScreen::letterPositions(const QString &title) {
    int start = 381 - 13 * int(title.size());
    for (QChar c : title) {
        if (isWide(c))
            start -= 5;
        else if (c == QLatin1Char('Q'))
            start -= 4;
        else if (isNarrow(c) || isHyphen(c))
            start += 6;
    }
    QVector<int> positions;
    int shift = 0;
    for (int i = 0; i < title.size(); ++i) {
        const QChar c = title.at(i);
        const bool standsRight = isNarrow(c) || isHyphen(c);
        positions.append(start + 26 * i + shift + (standsRight ? 3 : 0));
        if (isWide(c))
            shift += 8;
        else if (c == QLatin1Char('Q'))
            shift += 6;
        else if (isNarrow(c))
            shift -= 12;
        else if (isHyphen(c))
            shift -= 10;
    }
    return positions;
}

int TitleScreen::letterColour(int letter, int tick) {
    return (letter + tick / 10) % 10;
}

QPoint TitleScreen::travellerPlace(int distance) {
    int d = ((distance % TravelLength) + TravelLength) % TravelLength;
    if (d < TravelWidth)
        return {TravelLeft + d, TravelTop};
    d -= TravelWidth;
    if (d < TravelHeight)
        return {TravelRight, TravelTop + d};
    d -= TravelHeight;
    if (d < TravelWidth)
        return {TravelRight - d, TravelBottom};
    d -= TravelWidth;
    return {TravelLeft, TravelBottom - d};
}

void TitleScreen::paintStill(QPainter &painter) const {
    painter.fillRect(0, 0, Width, Height, Qt::black);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // Two framed rectangles: the outer border and the frame of the travellers' path.
    painter.setPen(QPen(QColor(170, 140, 60), 3));
    painter.drawRect(12, 12, Width - 24, Height - 24);
    painter.setPen(QPen(QColor(90, 120, 200), 2));
    painter.drawRect(TravelLeft + 12, TravelTop + 12, TravelWidth, TravelHeight);

    if (!logo_.isNull()) {
        painter.drawPixmap(40, 40, logo_);
        painter.drawPixmap(Width - 40 - logo_.width(), 40, logo_);
    }

    QFont small(QStringLiteral("Arial"));
    small.setPointSize(12);
    painter.setFont(small);
    painter.setPen(QColor(220, 220, 220));
    painter.drawText(QRect(0, 270, Width, 24), Qt::AlignHCenter, QStringLiteral("V 5.7f"));
    painter.drawText(QRect(0, 296, Width, 24), Qt::AlignHCenter, buildDate_);
    painter.setPen(QColor(150, 150, 150));
    painter.drawText(QRect(0, 420, Width, 24), Qt::AlignHCenter, credits_);
}

void TitleScreen::paint(QPainter &painter, const QRect &windowArea) const {
    loadPictures();
    if (still_.isNull()) {
        still_ = QImage(Width, Height, QImage::Format_RGB32);
        QPainter stillPainter(&still_);
        paintStill(stillPainter);
    }
    painter.drawImage(0, 0, still_);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The area to draw in the screen's own coordinates (the painter stretches them).
    const QRect clip =
        windowArea.isNull()
            ? QRect(0, 0, Width, Height)
            : painter.worldTransform().inverted().mapRect(QRectF(windowArea)).toAlignedRect();
    if (clip.intersects(titleArea())) {
        painter.setFont(titleFont());
        const QVector<int> xs = letterPositions(title_);
        const int baseline = TitleTop + painter.fontMetrics().ascent();
        for (int i = 0; i < title_.size(); ++i) {
            painter.setPen(letterColours[letterColour(i, tick_)]);
            painter.drawText(xs[i], baseline, QString(title_.at(i)));
        }
    }

    for (int i = 0; i < travellers_.size(); ++i) {
        if (!clip.intersects(travellerArea(i, tick_)))
            continue;
        const QPixmap &p = travellers_[i];
        const QPoint at = travellerPlace(tick_ + i * TravelLength / 4);
        if (!p.isNull())
            painter.drawPixmap(at, p);
        else {
            painter.setPen(Qt::NoPen);
            painter.setBrush(letterColours[(i * 3) % 10]);
            painter.drawEllipse(QRect(at, QSize(24, 24)));
        }
    }
}

} // namespace quarn
