#include "MainPictures.h"

#include "Art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace radioart {
namespace {

constexpr int factor = 4;

QPainterPath rounded(const QRectF &r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

// Where the dial and the lamp of the indicator's radio lie.
const QRectF dialRect(78, 14, 56, 22);
const QPointF lampCentre(92, 52);

} // namespace

QImage shelf() {
    QImage big = art::transparent(shelfSize * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    // A wooden wall shelf with two brackets.
    const QRectF board(6, 4, shelfSize.width() - 12, 12);
    QLinearGradient wood(board.topLeft(), board.bottomLeft());
    wood.setColorAt(0, QColor(0xC0, 0x84, 0x48));
    wood.setColorAt(1, QColor(0x70, 0x42, 0x1C));
    art::dropShadow(p, rounded(board, 3), QPointF(2, 3), 3, QColor(0, 0, 0, 110));
    p.setPen(QPen(QColor(0x4A, 0x2A, 0x10), 1));
    p.setBrush(wood);
    p.drawPath(rounded(board, 3));
    for (const qreal x : {34.0, shelfSize.width() - 46.0}) {
        QPainterPath bracket;
        bracket.moveTo(x, 16);
        bracket.lineTo(x + 12, 16);
        bracket.lineTo(x + 12, 46);
        bracket.closeSubpath();
        p.setBrush(QColor(0x5A, 0x34, 0x16));
        p.drawPath(bracket);
    }
    p.end();
    return art::reduced(big, shelfSize);
}

QImage indicatorRadio() {
    QImage big = art::transparent(indicatorRadioSize * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QRectF body(4, 8, 138, 60);
    art::dropShadow(p, rounded(body, 12), QPointF(2, 2), 3, QColor(0, 0, 0, 100));
    QLinearGradient wood(body.topLeft(), body.bottomLeft());
    wood.setColorAt(0, QColor(0xB0, 0x70, 0x38));
    wood.setColorAt(1, QColor(0x60, 0x36, 0x16));
    p.setPen(QPen(QColor(0x3A, 0x20, 0x0C), 1.2));
    p.setBrush(wood);
    p.drawPath(rounded(body, 12));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.6));
    p.drawLine(QPointF(110, 8), QPointF(132, 0));
    const QRectF speaker(12, 15, 56, 46);
    p.setPen(QPen(QColor(0xD8, 0xB8, 0x70), 1));
    p.setBrush(QColor(0xC8, 0xB0, 0x88));
    p.drawPath(rounded(speaker, 6));
    p.setPen(QPen(QColor(0x8A, 0x70, 0x48), 0.8));
    for (qreal x = speaker.left() + 4; x < speaker.right() - 2; x += 4)
        p.drawLine(QPointF(x, speaker.top() + 3), QPointF(x, speaker.bottom() - 3));
    p.setPen(QPen(QColor(0x3A, 0x2A, 0x14), 0.8));
    p.setBrush(QColor(0xB8, 0xB0, 0x98));
    p.drawPath(rounded(dialRect, 4));
    for (int i = 0; i < 11; ++i)
        p.drawLine(QPointF(dialRect.left() + 5 + i * 4.6, dialRect.bottom() - 4),
                   QPointF(dialRect.left() + 5 + i * 4.6, dialRect.bottom() - (i % 2 ? 7 : 10)));
    p.setBrush(QColor(0x2A, 0x2A, 0x2A));
    p.drawEllipse(QPointF(122, 52), 8, 8);
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawEllipse(lampCentre, 6, 6);
    p.end();
    return art::reduced(big, indicatorRadioSize);
}

QImage indicatorState(RadioLamp lamp) {
    QImage big = art::transparent(indicatorRadioSize * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QColor light = lamp == RadioLamp::Playing ? QColor(0x40, 0xF0, 0x50)
                         : lamp == RadioLamp::Off   ? QColor(0xE8, 0x28, 0x20)
                                                    : QColor(0x70, 0x70, 0x70);
    if (lamp == RadioLamp::Playing) {
        // The lit dial.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF6, 0xE8, 0xA8, 200));
        p.drawPath(rounded(dialRect.adjusted(1, 1, -1, -1), 3));
    }
    p.setPen(QPen(QColor(0xC0, 0x20, 0x10), 1.2));
    p.drawLine(QPointF(dialRect.center().x(), dialRect.top() + 2),
               QPointF(dialRect.center().x(), dialRect.bottom() - 2));
    if (lamp != RadioLamp::Broken) {
        QRadialGradient glow(lampCentre, 12);
        glow.setColorAt(0, light.lighter(150));
        glow.setColorAt(0.5, light);
        glow.setColorAt(1, QColor(light.red(), light.green(), light.blue(), 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(lampCentre, 12, 12);
    }
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
    p.setBrush(light);
    p.drawEllipse(lampCentre, 5, 5);
    if (lamp == RadioLamp::Broken) {
        // A red cross over the speaker: no library or no station list.
        p.setPen(QPen(QColor(0xD0, 0x10, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(22, 22), QPointF(58, 54));
        p.drawLine(QPointF(58, 22), QPointF(22, 54));
    }
    p.end();
    return art::reduced(big, indicatorRadioSize);
}

QImage musicButton(MusicButton kind) {
    QImage big = art::transparent(musicButtonSize * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QRectF disc(3, 3, 55, 55);
    QRadialGradient metal(QPointF(22, 18), 44);
    metal.setColorAt(0, QColor(0x6A, 0x50, 0x9A));
    metal.setColorAt(1, QColor(0x22, 0x12, 0x3A));
    art::dropShadow(
        p,
        [&] {
            QPainterPath path;
            path.addEllipse(disc);
            return path;
        }(),
        QPointF(1.5, 1.5), 2, QColor(0, 0, 0, 120));
    p.setPen(QPen(QColor(0xD8, 0xB0, 0x40), 2));
    p.setBrush(metal);
    p.drawEllipse(disc);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF4, 0xD8, 0x60));
    switch (kind) {
    case MusicButton::Play: {
        QPolygonF triangle;
        triangle << QPointF(24, 17) << QPointF(43, 30.5) << QPointF(24, 44);
        p.drawPolygon(triangle);
        break;
    }
    case MusicButton::Pause:
        p.drawRoundedRect(QRectF(20, 18, 8, 25), 2, 2);
        p.drawRoundedRect(QRectF(33, 18, 8, 25), 2, 2);
        break;
    case MusicButton::Next: {
        QPolygonF first, second;
        first << QPointF(15, 19) << QPointF(29, 30.5) << QPointF(15, 42);
        second << QPointF(29, 19) << QPointF(43, 30.5) << QPointF(29, 42);
        p.drawPolygon(first);
        p.drawPolygon(second);
        p.drawRect(QRectF(43, 19, 4, 23));
        break;
    }
    case MusicButton::Volume: {
        // Minus on the left, plus on the right; the player writes the number between.
        p.drawRect(QRectF(9, 29, 10, 3));
        p.drawRect(QRectF(42, 29, 10, 3));
        p.drawRect(QRectF(45.5, 25.5, 3, 10));
        break;
    }
    }
    p.end();
    return art::reduced(big, musicButtonSize);
}

} // namespace radioart
