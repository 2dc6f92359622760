#include "table/TableCanvas.h"

#include "rules/Moves.h"
#include "table/TSprite.h"
#include "table/TableWords.h"

#include <QFontMetrics>
#include <QPainter>
#include <QThread>

#include <algorithm>

namespace quarn {

namespace {

// Text colours of the tab and the counter.
const QColor scoreColour(0xC0, 0x00, 0xC0);   // magenta
const QColor paymentColour(0x00, 0x00, 0xFF); // blue
const QColor penaltyColour(0x00, 0x00, 0x80); // navy
const QColor gameColour(0x00, 0x00, 0xFF);
const QColor bankColour(0x00, 0x00, 0x80);

int clampedCount(const GameState &game, int seat) {
    return std::clamp<int>(game.CardCount[seat], 0, handSlots);
}

bool validSeat(int seat) {
    return seat >= 1 && seat <= seatCount;
}

// Draws text centred in a box, made smaller until it fits the box's width.
void drawFittedText(QPainter &painter, const QRect &box, const QString &text, QFont font,
                    const QColor &colour, Qt::Alignment vertical = Qt::AlignVCenter) {
    int pixels = font.pixelSize();
    while (pixels > 6) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).horizontalAdvance(text) <= box.width())
            break;
        --pixels;
    }
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignHCenter | vertical | Qt::TextSingleLine, text);
}

QString signedNumber(int value) {
    return value > 0 ? QStringLiteral("+%1").arg(value) : QString::number(value);
}

} // namespace

void FlightView::pause(int milliseconds) {
    if (milliseconds > 0)
        QThread::msleep(static_cast<unsigned long>(milliseconds));
}

TableCanvas::TableCanvas(const Pictures &pictures) : pictures_(pictures) {
    LayOutTable(WindowSize::Small);
}

void TableCanvas::LayOutTable(WindowSize size, QSize client) {
    layout_ = quarn::LayOutTable(size, client, pictures_.wideFaces());
    image_ = QImage(layout_.client, QImage::Format_RGB32);
    lefts_ = {};
    previousLefts_ = {};
    drawnCounts_ = {};
    previousCounts_ = {};
    outlined_ = {};
    clear();
}

QRect TableCanvas::clear() {
    return restoreBackground(image_.rect());
}

QRect TableCanvas::restoreBackground(const QRect &rect) {
    const QRect area = rect.intersected(image_.rect());
    if (area.isEmpty())
        return {};
    QPainter painter(&image_);
    const QImage &background = pictures_.backgroundImage();
    if (background.isNull()) {
        painter.fillRect(area, QColor(0x1E, 0x6B, 0x34));
    } else if (background.size() == image_.size()) {
        painter.drawImage(area.topLeft(), background, area);
    } else {
        // A background of another size is stretched over the client area.
        const double fx = double(background.width()) / image_.width();
        const double fy = double(background.height()) / image_.height();
        const QRectF source(area.x() * fx, area.y() * fy, area.width() * fx, area.height() * fy);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(area), background, source);
    }
    return area;
}

QFont TableCanvas::fontOfHeight(int baseHeight, bool bold) const {
    // A font "h pixels high" is one whose line fits in h pixels.
    const int cell = layout_.scaling.fontPixels(baseHeight, font_.percent);
    QFont font(font_.family);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    int pixels = cell;
    while (pixels > 4) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cell)
            break;
        --pixels;
    }
    font.setPixelSize(pixels);
    return font;
}

void TableCanvas::drawCard(QPainter &painter, QPoint topLeft, TStr2 card, bool faceUp) const {
    const CardSize &size = layout_.card;
    const bool showFace = faceUp && faceSlot(card) != 0;
    const QImage &picture = showFace ? pictures_.face(card) : pictures_.back();
    if (size.mode == CardMode::Framed) {
        // The 69 x 94 bitmap inside a one-pixel black frame with cut corners.
        const int w = size.width;
        const int h = size.height;
        const int x = topLeft.x();
        const int y = topLeft.y();
        painter.setPen(Qt::black);
        painter.drawLine(x + 1, y, x + w - 2, y);
        painter.drawLine(x + 1, y + h - 1, x + w - 2, y + h - 1);
        painter.drawLine(x, y + 1, x, y + h - 2);
        painter.drawLine(x + w - 1, y + 1, x + w - 1, y + h - 2);
        const QRect inner(x + 1, y + 1, w - 2, h - 2);
        if (picture.isNull())
            painter.fillRect(inner, Qt::white);
        else if (picture.size() == inner.size())
            painter.drawImage(inner.topLeft(), picture);
        else
            painter.drawImage(inner, picture);
        return;
    }
    const QRect cell(topLeft, QSize(size.width, size.height));
    if (picture.isNull()) {
        painter.fillRect(cell, Qt::white);
        return;
    }
    if (picture.size() == cell.size()) {
        painter.drawImage(cell.topLeft(), picture);
    } else {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(cell, picture);
        painter.restore();
    }
}

QRect TableCanvas::DrawHand(const GameState &game, int seat, bool faceUp) {
    if (!validSeat(seat))
        return {};
    const QRect area = layout_.hands[seat];
    restoreBackground(area);
    const int n = clampedCount(game, seat);
    previousLefts_[seat] = lefts_[seat];
    previousCounts_[seat] = drawnCounts_[seat];
    lefts_[seat] = quarn::cardLefts(area.width(), n, layout_.card.width);
    drawnCounts_[seat] = n;
    if (seat == 4)
        outlined_ = {};

    QPainter painter(&image_);
    painter.setClipRect(area);
    for (int slot = 1; slot <= n; ++slot)
        drawCard(painter, area.topLeft() + QPoint(lefts_[seat][slot], 0),
                 game.Hands[seat][slot].card, faceUp);
    return area;
}

QRect TableCanvas::DrawEmptyHand(int seat, const QString &text) {
    if (!validSeat(seat))
        return {};
    const QRect area = layout_.hands[seat];
    restoreBackground(area);
    previousLefts_[seat] = lefts_[seat];
    previousCounts_[seat] = drawnCounts_[seat];
    lefts_[seat] = {};
    drawnCounts_[seat] = 0;
    if (!text.isEmpty()) {
        QPainter painter(&image_);
        painter.setRenderHint(QPainter::TextAntialiasing);
        const QRect box = area.adjusted(layout_.scaling.Scale(4), 0, -layout_.scaling.Scale(4), 0);
        drawFittedText(painter, box.translated(1, 1), text, fontOfHeight(20), Qt::black);
        drawFittedText(painter, box, text, fontOfHeight(20), QColor(0xFF, 0xE0, 0x60));
    }
    return area;
}

QRect TableCanvas::DrawAwaitingDeal(int hostSeat, const QString &text) {
    QRect changed;
    for (int seat = 1; seat <= seatCount; ++seat)
        changed = changed.united(DrawEmptyHand(seat, seat == hostSeat ? text : QString()));
    return changed;
}

QRect TableCanvas::DrawTable(const GameState &game) {
    const QRect area = layout_.table;
    restoreBackground(area);
    QPainter painter(&image_);
    for (int suit = 4; suit >= 1; --suit) {
        for (int rank = 1; rank <= 9; ++rank) {
            const TStr2 card = game.Table[suit][rank];
            if (card.IsEmpty())
                continue;
            drawCard(painter, tablePlace(layout_, suit, rank), card, true);
        }
    }
    return area;
}

QRect TableCanvas::DrawTab(int seat, bool highlight, int penalty, int payments, int score) {
    if (!validSeat(seat))
        return {};
    const QRect area = layout_.tabs[seat];
    restoreBackground(area);
    const Scaling &s = layout_.scaling;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    const QImage &picture = pictures_.tab();
    if (!picture.isNull())
        painter.drawImage(area, picture);

    const auto box = [&](int x, int y, int w, int h) {
        return QRect(area.left() + s.Scale(x), area.top() + s.Scale(y), s.Scale(w), s.Scale(h));
    };
    drawFittedText(painter, box(4, 6, 147, 38), signedNumber(score), fontOfHeight(30), scoreColour);
    drawFittedText(painter, box(55, 50, 42, 32), QString::number(penalty), fontOfHeight(20),
                   penaltyColour);
    drawFittedText(painter, box(105, 50, 41, 32), QString::number(payments), fontOfHeight(20),
                   paymentColour);

    if (highlight && layout_.windowSize != WindowSize::Small) {
        const QImage &hand = pictures_.handPointer(seat);
        if (!hand.isNull()) {
            const QRect spot = box(12, 50, 34, 34);
            const QSize size = hand.size().scaled(spot.size(), Qt::KeepAspectRatio);
            painter.drawImage(
                QRect(spot.center() - QPoint(size.width() / 2, size.height() / 2), size), hand);
        }
    }
    return area;
}

QRect TableCanvas::DrawCounter(int matchHands, int bank) {
    const QRect area = layout_.counter;
    restoreBackground(area);
    const Scaling &s = layout_.scaling;
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    const QImage &picture = pictures_.counter();
    if (!picture.isNull())
        painter.drawImage(area, picture);

    const QFont font = fontOfHeight(28);
    const int lineHeight = layout_.scaling.fontPixels(28, font_.percent);
    const int margin = s.Scale(6);
    const QRect gameLine(area.left() + margin, area.top() + s.Scale(14), area.width() - 2 * margin,
                         lineHeight);
    const QRect bankLine(area.left() + margin, area.top() + s.Scale(42), area.width() - 2 * margin,
                         lineHeight);
    drawFittedText(painter, gameLine,
                   wordGame() + QStringLiteral(": ") + QString::number(matchHands), font,
                   gameColour, Qt::AlignTop);
    drawFittedText(painter, bankLine, wordBank() + QStringLiteral(" ") + QString::number(bank),
                   font, bankColour, Qt::AlignTop);

    const QImage &coins = pictures_.bank();
    if (bank != 0 && !coins.isNull()) {
        const QRect room(area.left() + margin, area.top() + s.Scale(60) + lineHeight / 2,
                         area.width() - 2 * margin,
                         area.height() - s.Scale(60) - lineHeight / 2 - s.Scale(4));
        const QSize size =
            coins.size()
                .scaled(room.size(), Qt::KeepAspectRatio)
                .boundedTo(coins.size() * (double(s.S.num) / double(s.S.den) /
                                           (layout_.windowSize == WindowSize::Small ? 1.0 : 2.0)));
        const QRect spot(
            QPoint(room.center().x() - size.width() / 2, room.bottom() - size.height() + 1), size);
        painter.drawImage(spot, coins);
    }
    return area;
}

QRect TableCanvas::DrawNamePlate(int seat, const QString &name, PlateColour colour) {
    if (!validSeat(seat))
        return {};
    const QRect area = layout_.plates[seat];
    restoreBackground(area);
    QPainter painter(&image_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(area);
    const QImage &picture = pictures_.plate(colour);
    if (!picture.isNull())
        painter.drawImage(area, picture);
    const int textWidth = layout_.scaling.Scale(150);
    const QRect box(area.center().x() - textWidth / 2, area.top(), textWidth, area.height());
    const QFont font = fontOfHeight(18);
    drawFittedText(painter, box.translated(1, 1), name, font, QColor(0, 0, 0, 140));
    drawFittedText(painter, box, name, font, Qt::white);
    return area;
}

QRect TableCanvas::ClearNamePlate(int seat) {
    if (!validSeat(seat))
        return {};
    return restoreBackground(layout_.plates[seat]);
}

QRect TableCanvas::OutlineCard(int slot) {
    const int n = drawnCounts_[4];
    if (slot < 1 || slot > n || outlined_[slot])
        return {};
    const QRect part =
        visibleCardPart(lefts_[4], n, layout_.card, slot).translated(layout_.hands[4].topLeft());
    if (part.width() < 3 || part.height() < 3)
        return {};
    outlined_[slot] = true;
    // The frame lies just inside the card's own edge line, which stays as it
    // is; where the next card covers this one it runs up to that card, so no
    // line of the card shows between the two. It is thin enough to keep
    // clear of the rank in the corner (the "1" of a ten starts two pixels
    // inside the edge line in the small window).
    const int thickness = std::max(1, layout_.scaling.Scale(2) - 1);
    const bool covered = part.width() < layout_.card.width;
    const QRect frame = part.adjusted(1, 1, covered ? 0 : -1, -1);
    QPainter painter(&image_);
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), thickness), Qt::white);
    painter.fillRect(QRect(frame.left(), frame.bottom() - thickness + 1, frame.width(), thickness),
                     Qt::white);
    painter.fillRect(
        QRect(frame.left(), frame.top() + thickness, thickness, frame.height() - 2 * thickness),
        Qt::white);
    painter.fillRect(QRect(frame.right() - thickness + 1, frame.top() + thickness, thickness,
                           frame.height() - 2 * thickness),
                     Qt::white);
    return part;
}

QRect TableCanvas::OutlinePlayableCards(const GameState &game) {
    QRect changed;
    const int n = std::min(clampedCount(game, 4), drawnCounts_[4]);
    for (int slot = 1; slot <= n; ++slot)
        if (IsPlayable(game, game.Hands[4][slot].card))
            changed = changed.united(OutlineCard(slot));
    return changed;
}

int TableCanvas::HitTest(int seat, int x) const {
    if (!validSeat(seat))
        return 0;
    return quarn::HitTest(lefts_[seat], drawnCounts_[seat], layout_.card.width, x);
}

int TableCanvas::handAreaAt(QPoint clientPoint) const {
    for (int seat = 1; seat <= seatCount; ++seat)
        if (layout_.hands[seat].contains(clientPoint))
            return seat;
    return 0;
}

bool TableCanvas::overHandsOrTable(QPoint clientPoint) const {
    return handAreaAt(clientPoint) != 0 || layout_.table.contains(clientPoint);
}

bool TableCanvas::overCounter(QPoint clientPoint) const {
    return layout_.counter.contains(clientPoint);
}

PointerKind TableCanvas::pointerOverBottomHand(const GameState &game, int x) const {
    if (!game.InGame || game.Phase != kPhasePlaying || game.ToMove != 4)
        return PointerKind::Arrow;
    const int slot = HitTest(4, x);
    if (slot < 1 || slot > clampedCount(game, 4))
        return PointerKind::Arrow;
    return IsPlayable(game, game.Hands[4][slot].card) ? PointerKind::Hand : PointerKind::Arrow;
}

CounterBalloon TableCanvas::counterBalloon(const GameState &game) {
    CounterBalloon balloon;
    balloon.title = wordCurrentGame();
    const QString general =
        wordGeneralNumber() + QLatin1Char(' ') + QString::number(game.HandNumber);
    if (game.Tournament) {
        balloon.lines << general << wordRoundInSession() + QStringLiteral(" 1 / 1");
        return balloon;
    }
    balloon.lines << general
                  << wordRoundInCycle() + QLatin1Char(' ') + QString::number(game.HandInCycle()) +
                         QStringLiteral(" / ") + QString::number(kCycleLength);
    if (game.Network || game.IsAccountGame()) {
        int inSession = game.HandNumber % kNetworkBlock;
        if (inSession <= 0)
            inSession = inSession == 0 ? kNetworkBlock : inSession + kNetworkBlock;
        balloon.lines << wordRoundInSession() + QLatin1Char(' ') + QString::number(inSession) +
                             QStringLiteral(" / ") + QString::number(kNetworkBlock);
    }
    return balloon;
}

const CardLefts &TableCanvas::cardLefts(int seat) const {
    static const CardLefts none{};
    return validSeat(seat) ? lefts_[seat] : none;
}

QPoint TableCanvas::flightStart(int seat, int fromSlot) const {
    if (!validSeat(seat))
        return layout_.table.topLeft();
    const QRect area = layout_.hands[seat];
    if (seat == 4 && fromSlot >= 1 && fromSlot <= previousCounts_[4])
        return area.topLeft() + QPoint(previousLefts_[4][fromSlot], 0);
    return {area.left() + area.width() / 2 - layout_.card.width / 2, area.top()};
}

QPoint TableCanvas::flightEnd(TStr2 card) const {
    const auto parsed = ParseCard(card);
    if (!parsed)
        return layout_.table.topLeft();
    return tablePlace(layout_, parsed->suit, parsed->rank);
}

int TableCanvas::FlyCard(QPoint from, QPoint to, TStr2 card, int speed, FlightView &view) {
    speed = flightSpeedFromSetting(speed);
    const FlightPath path(from, to);
    const int steps = path.steps();
    if (steps == 0)
        return 0;

    const QImage background = image_.copy();
    const QSize cardSize(layout_.card.width, layout_.card.height);
    TSprite sprite(from.x(), from.y(), from.x() + cardSize.width(), from.y() + cardSize.height(),
                   card, *this);

    QRect drawn; // where the card lies in the image now
    int shown = 0;
    const auto restore = [&](const QRect &rect) {
        const QRect area = rect.intersected(image_.rect());
        if (area.isEmpty())
            return;
        QPainter painter(&image_);
        painter.drawImage(area.topLeft(), background, area);
    };
    for (int step = 1; step <= steps; ++step) {
        const QPoint at = path.at(step);
        sprite.moveTo(at.x(), at.y());
        if (drawsStep(speed, step)) {
            restore(drawn);
            {
                QPainter painter(&image_);
                painter.drawImage(sprite.rect().topLeft(), sprite.picture());
            }
            const QRect changed =
                drawn.united(sprite.rect()).adjusted(-2, -2, 2, 2).intersected(image_.rect());
            drawn = sprite.rect();
            view.showFlightRect(changed);
            ++shown;
        }
        view.pause(pauseAfterStep(speed, step));
    }
    restore(drawn); // the caller draws the card in its place on the table
    return shown;
}

} // namespace quarn
