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
void miniCard(QPainter &p, const QRectF &box, int suit, const QString &index) {
    QPainterPath card;
    card.addRoundedRect(box, box.width() * 0.1, box.width() * 0.1);
    art::dropShadow(p, card, QPointF(1.5, 2), 3, QColor(0, 0, 0, 150));
    p.fillPath(card, Qt::white);
    p.setPen(QPen(QColor(0x50, 0x50, 0x50), box.width() * 0.02));
    p.setBrush(Qt::NoBrush);
    p.drawPath(card);
    const qreal side = box.width() * 0.56;
    p.fillPath(
        art::suitPath(suit, QRectF(box.center().x() - side / 2,
                                   box.center().y() - side / 2 + box.height() * 0.06, side, side)),
        art::suitColour(suit));
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setPixelSize(int(box.width() * 0.26));
    p.setFont(font);
    p.setPen(art::suitColour(suit));
    p.drawText(QRectF(box.left() + box.width() * 0.07, box.top() + box.height() * 0.03,
                      box.width() * 0.4, box.height() * 0.24),
               Qt::AlignLeft | Qt::AlignTop, index);
}

QImage logo() {
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
        p.translate(60, 104);
        p.rotate(-33 + 22 * i);
        miniCard(p, QRectF(-15, -72, 30, 42), order[i], QStringLiteral("9"));
        p.restore();
    }
    p.end();
    return art::reduced(big, QSize(120, 120));
}

QImage chip(int suit) {
    const QColor colours[5] = {{},
                               QColor(0xC8, 0x18, 0x28),
                               QColor(0xE0, 0x8A, 0x10),
                               QColor(0x18, 0x88, 0x3C),
                               QColor(0x1C, 0x3C, 0xA8)};
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

// The menu pictures stand beside the member list in a 140 x 240 box; they
// are drawn at twice that size for the large windows.
const QSize menuSize(280, 480);

// The four nines cascading down, the nine of diamonds on top: the card
// that opens every hand.
QImage cardCascade(const QString &deckFile) {
    QSvgRenderer deck(deckFile);
    QImage big = art::transparent(menuSize * 2);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.scale(2, 2);
    const char *const cards[4] = {"9_spade", "9_club", "9_heart", "9_diamond"};
    const qreal shifts[4] = {-34, 30, -24, 34};
    const qreal turns[4] = {-8, 6, -5, 7};
    for (int i = 0; i < 4; ++i) {
        p.save();
        p.translate(140 + shifts[i], 122 + 80 * i);
        p.rotate(turns[i]);
        const QRectF box(-72, -98, 144, 196);
        QPainterPath outline;
        outline.addRoundedRect(box.adjusted(1, 1, -1, -1), 8, 8);
        art::dropShadow(p, outline, QPointF(3, 4), 5, QColor(0, 0, 0, 150));
        if (deck.isValid())
            deck.render(&p, QLatin1String(cards[i]), box);
        else
            p.fillPath(outline, Qt::white);
        p.restore();
    }
    p.end();
    return art::reduced(big, menuSize);
}

// One casino chip seen from the side and above.
void sideChip(QPainter &p, QPointF centre, qreal radius, qreal thickness, const QColor &colour) {
    const qreal flat = 0.38;
    QPainterPath body;
    body.addEllipse(QPointF(centre.x(), centre.y() + thickness), radius, radius * flat);
    body.addRect(QRectF(centre.x() - radius, centre.y(), 2 * radius, thickness));
    body.setFillRule(Qt::WindingFill);
    QLinearGradient side(QPointF(centre.x() - radius, 0), QPointF(centre.x() + radius, 0));
    side.setColorAt(0, colour.darker(170));
    side.setColorAt(0.4, colour);
    side.setColorAt(1, colour.darker(190));
    p.fillPath(body.simplified(), side);
    // White stripes on the edge.
    p.save();
    p.setClipPath(body.simplified());
    for (int i = -2; i <= 2; ++i)
        p.fillRect(QRectF(centre.x() + i * radius * 0.42 - radius * 0.07, centre.y(), radius * 0.14,
                          thickness * 2),
                   QColor(0xF6, 0xF2, 0xE6));
    p.restore();
    QPainterPath top;
    top.addEllipse(centre, radius, radius * flat);
    QRadialGradient shine(centre - QPointF(radius * 0.3, radius * 0.1), radius * 1.1);
    shine.setColorAt(0, colour.lighter(150));
    shine.setColorAt(1, colour.darker(115));
    p.fillPath(top, shine);
    p.setPen(QPen(QColor(0xF6, 0xF2, 0xE6), radius * 0.08, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.82, radius * 0.82 * flat);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xF6, 0xF2, 0xE6));
    p.drawEllipse(centre, radius * 0.45, radius * 0.45 * flat);
}

// The club's crest: a shield with the four suits, over stacks of chips.
QImage crest() {
    QImage big = art::transparent(menuSize * factor / 2);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor / 2.0, factor / 2.0);
    p.save();
    p.translate(20, 14);
    p.scale(240.0 / 180.0, 290.0 / 200.0);
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
    p.restore();

    // Three stacks of chips under the shield.
    struct Stack {
        qreal x;
        int chips;
        QColor colour;
    };
    const Stack stacks[3] = {{72, 7, QColor(0xC0, 0x18, 0x24)},
                             {140, 10, QColor(0x18, 0x30, 0x90)},
                             {208, 6, QColor(0x14, 0x7A, 0x36)}};
    for (const Stack &s : stacks) {
        QPainterPath shadow;
        shadow.addEllipse(QPointF(s.x + 4, 452), 36, 13);
        p.fillPath(shadow, QColor(0, 0, 0, 90));
        for (int i = 0; i < s.chips; ++i)
            sideChip(p, QPointF(s.x + (i % 2 ? 1.2 : -0.8), 442 - i * 9), 32, 9, s.colour);
    }
    p.end();
    return art::reduced(big, menuSize);
}

} // namespace

void drawTitlePictures(Output &out, const QString &deckFile) {
    out.add(QStringLiteral("png"), QStringLiteral("Logo"), logo());
    for (int suit = 1; suit <= 4; ++suit)
        out.add(QStringLiteral("png"), QStringLiteral("GTitle%1").arg(suit), chip(suit));
    out.add(QStringLiteral("png"), QStringLiteral("PngMenu1"), cardCascade(deckFile));
    out.add(QStringLiteral("png"), QStringLiteral("PngMenu2"), crest());
}
