#include "Art.h"
#include "Output.h"
#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QSvgRenderer>
#include <QtMath>

namespace {

constexpr int factor = 4;

// A small plain card with a large suit symbol and its corner index.
void miniCard(QPainter& p, const QRectF& box, int suit, const QString& index)
{
    QPainterPath card;
    card.addRoundedRect(box, box.width() * 0.1, box.width() * 0.1);
    art::dropShadow(p, card, QPointF(1.5, 2), 3, QColor(0, 0, 0, 150));
    p.fillPath(card, Qt::white);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), box.width() * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
    const qreal side = box.width() * 0.56;
    p.fillPath(art::suitPath(suit, QRectF(box.center().x() - side / 2, box.center().y() - side / 2 + box.height() * 0.06, side, side)),
               art::suitColour(suit));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(int(box.width() * 0.26));
    p.setFont(font);
    p.setPen(art::suitColour(suit));
    p.drawText(QRectF(box.left() + box.width() * 0.07, box.top() + box.height() * 0.03, box.width() * 0.4, box.height() * 0.24),
               Qt::AlignLeft | Qt::AlignTop, index);
}

QImage logo()
{
    QImage big = art::transparent(QSize(120, 120) * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(factor, factor);
    // A gold medallion with a baize centre.
    QPainterPath ring;
    ring.addEllipse(QPointF(60, 60), 57, 57);
    art::fillGold(p, ring, ring.boundingRect());
    QPainterPath field;
    field.addEllipse(QPointF(60, 60), 51, 51);
    QRadialGradient baize(QPointF(60, 52), 56);
    baize.setColorAt(0, QColor(0x2E, 0x96, 0x52));
    baize.setColorAt(1, QColor(0x0A, 0x40, 0x20));
    p.fillPath(field, baize);
    p.setPen(QPen(QColor(0xF6, 0xDC, 0x84), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(60, 60), 47, 47);
    // A fan of the four nines, the nine of diamonds in front.
    const int order[4] = {4, 3, 1, 2};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(60, 96);
        p.rotate(-33 + 22 * i);
        miniCard(p, QRectF(-15, -70, 30, 42), order[i], QStringLiteral("9"));
        p.restore();
    }
    p.end();
    return art::reduced(big, QSize(120, 120));
}

QImage chip(int suit)
{
    const QColor colours[5] = {{}, QColor(0xC8, 0x18, 0x28), QColor(0xE0, 0x8A, 0x10), QColor(0x18, 0x88, 0x3C), QColor(0x1C, 0x3C, 0xA8)};
    QImage big = art::transparent(QSize(28, 28) * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QPointF c(14, 14);
    QRadialGradient body(QPointF(11, 10), 16);
    body.setColorAt(0, colours[suit].lighter(135));
    body.setColorAt(1, colours[suit].darker(130));
    p.setBrush(body);
    p.setPen(QPen(colours[suit].darker(170), 0.6));
    p.drawEllipse(c, 13.2, 13.2);
    // Edge spots.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFA, 0xF6, 0xEA));
    for (int i = 0; i < 6; ++i) {
        p.save();
        p.translate(c);
        p.rotate(60.0 * i);
        p.drawRoundedRect(QRectF(-2.2, -13, 4.4, 3.6), 0.8, 0.8);
        p.restore();
    }
    p.setBrush(QColor(0xFA, 0xF6, 0xEA));
    p.drawEllipse(c, 7.4, 7.4);
    p.fillPath(art::suitPath(suit, QRectF(9.2, 9.4, 9.6, 9.6)), art::suitColour(suit));
    p.end();
    return art::reduced(big, QSize(28, 28));
}

// The four nines fanned out, the nine of diamonds in front.
QImage cardFan(const QString& deckFile)
{
    QSvgRenderer deck(deckFile);
    const QSize size(300, 210);
    QImage big = art::transparent(size * 2);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(2, 2);
    const char* const cards[4] = {"9_spade", "9_club", "9_heart", "9_diamond"};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(150, 250);
        p.rotate(-27 + 18 * i);
        const QRectF box(-50, -232, 100, 136);
        QPainterPath outline;
        outline.addRoundedRect(box.adjusted(1, 1, -1, -1), 6, 6);
        art::dropShadow(p, outline, QPointF(2, 3), 4, QColor(0, 0, 0, 140));
        if (deck.isValid())
            deck.render(&p, QLatin1String(cards[i]), box);
        else
            p.fillPath(outline, Qt::white);
        p.restore();
    }
    p.end();
    return art::reduced(big, size);
}

// The club's crest: a shield with the four suits.
QImage crest()
{
    const QSize size(180, 200);
    QImage big = art::transparent(size * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    QPainterPath shield;
    shield.moveTo(90, 6);
    shield.cubicTo(120, 18, 150, 20, 172, 16);
    shield.cubicTo(174, 90, 160, 150, 90, 194);
    shield.cubicTo(20, 150, 6, 90, 8, 16);
    shield.cubicTo(30, 20, 60, 18, 90, 6);
    shield.closeSubpath();
    art::dropShadow(p, shield, QPointF(2, 3), 4, QColor(0, 0, 0, 150));
    art::fillGold(p, shield, shield.boundingRect());
    QTransform inset;
    inset.translate(90, 100);
    inset.scale(0.9, 0.9);
    inset.translate(-90, -100);
    const QPainterPath field = inset.map(shield);
    QLinearGradient green(QPointF(0, 10), QPointF(0, 190));
    green.setColorAt(0, QColor(0x26, 0x84, 0x48));
    green.setColorAt(1, QColor(0x0A, 0x3C, 0x1E));
    p.fillPath(field, green);
    // A gold cross dividing the field, a suit in each quarter.
    p.save();
    p.setClipPath(field);
    QPainterPath cross;
    cross.addRect(QRectF(86, 0, 8, 200));
    cross.addRect(QRectF(0, 84, 180, 8));
    art::fillGold(p, cross.simplified(), QRectF(0, 0, 180, 200));
    p.restore();
    const QPointF centres[4] = {{54, 52}, {126, 52}, {54, 124}, {126, 124}};
    const int suits[4] = {1, 4, 3, 2};
    for (int i = 0; i < 4; ++i) {
        const QRectF box(centres[i].x() - 20, centres[i].y() - 20, 40, 40);
        QPainterPath medal;
        medal.addEllipse(box.center(), 25, 25);
        p.fillPath(medal, QColor(0xFB, 0xF6, 0xE6));
        p.setPen(QPen(QColor(0xB0, 0x84, 0x20), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(medal);
        p.fillPath(art::suitPath(suits[i], box.adjusted(4, 4, -4, -4)), art::suitColour(suits[i]));
    }
    p.end();
    return art::reduced(big, size);
}

}  // namespace

void drawTitlePictures(Output& out, const QString& deckFile)
{
    out.add(QStringLiteral("png"), QStringLiteral("Logo"), logo());
    for (int suit = 1; suit <= 4; ++suit)
        out.add(QStringLiteral("png"), QStringLiteral("GTitle%1").arg(suit), chip(suit));
    out.add(QStringLiteral("png"), QStringLiteral("PngMenu1"), cardFan(deckFile));
    out.add(QStringLiteral("png"), QStringLiteral("PngMenu2"), crest());
}
