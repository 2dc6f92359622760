#include "CardPainter.h"

#include "Art.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace cards {

namespace {

// Element names of a KDE card deck.
const char *const deckSuits[5] = {"", "heart", "diamond", "club", "spade"};
const char *const deckRanks[10] = {"", "6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

QString elementOf(int suit, int rank) {
    return QStringLiteral("%1_%2").arg(deckRanks[rank], deckSuits[suit]);
}

// Pixel size of a deck card rendered once and shared by every set that uses it.
const QSize renderSize(292, 396);
const qreal logicalHeight = 198;

// Where the court figure lies on a deck's card (fractions of the card):
// the part taken into a drawn set's court frame.
QRectF figureArea(const QString &deck) {
    if (deck == QLatin1String("ancient-egyptians"))
        return {0.14, 0.05, 0.72, 0.56};
    if (deck == QLatin1String("nicu-ornamental") || deck == QLatin1String("nicu-white"))
        return {0.16, 0.16, 0.68, 0.56};
    if (deck == QLatin1String("oxygen") || deck == QLatin1String("oxygen-white") ||
        deck == QLatin1String("oxygen-air"))
        return {0.2, 0.15, 0.64, 0.72};
    if (deck == QLatin1String("standard"))
        return {0.2, 0.13, 0.6, 0.74};
    if (deck == QLatin1String("penguins"))
        return {0.16, 0.1, 0.68, 0.8};
    return {0.15, 0.08, 0.70, 0.84};
}

QString rankLabel(Ranks ranks, int rank) {
    static const char *const latin[10] = {"", "6", "7", "8", "9", "10", "J", "Q", "K", "A"};
    static const char *const roman[10] = {"", "VI", "VII", "VIII", "IX", "X", "J", "Q", "K", "A"};
    switch (ranks) {
    case Ranks::Russian: {
        static const char *const ru[10] = {"", "6", "7", "8", "9", "10", "В", "Д", "К", "Т"};
        return QString::fromUtf8(ru[rank]);
    }
    case Ranks::German: {
        static const char *const de[10] = {"", "6", "7", "8", "9", "10", "B", "D", "K", "A"};
        return QLatin1String(de[rank]);
    }
    case Ranks::French: {
        static const char *const fr[10] = {"", "6", "7", "8", "9", "10", "V", "D", "R", "A"};
        return QLatin1String(fr[rank]);
    }
    case Ranks::Spanish: {
        static const char *const es[10] = {"", "6", "7", "8", "9", "10", "S", "C", "R", "1"};
        return QLatin1String(es[rank]);
    }
    case Ranks::Roman:
        return QLatin1String(roman[rank]);
    case Ranks::Chinese: {
        static const char *const zh[10] = {"", "六", "七", "八", "九", "十", "J", "Q", "K", "A"};
        return QString::fromUtf8(zh[rank]);
    }
    case Ranks::Czech: {
        static const char *const cz[10] = {"", "VI", "VII", "VIII", "IX", "X", "S", "Sv", "K", "E"};
        return QLatin1String(cz[rank]);
    }
    case Ranks::Latin:
        break;
    }
    return QLatin1String(latin[rank]);
}

// How far the frame reaches into the card: the indices and pictures start there.
qreal contentInset(Frame frame) {
    switch (frame) {
    case Frame::None:
        return 4;
    case Frame::Line:
        return 7;
    case Frame::Double:
    case Frame::Gold:
    case Frame::Corners:
    case Frame::Pinta:
        return 8.5;
    case Frame::Folk:
    case Frame::Wavy:
        return 10;
    case Frame::GreekKey:
    case Frame::Steps:
        return 11;
    }
    return 7;
}

QColor seasonPaper(int suit, bool top) {
    // Hearts summer, diamonds autumn, clubs winter, spades spring.
    static const QRgb tops[5] = {0xFFFFFF, 0xFFF8D8, 0xFFEEDA, 0xF2F8FF, 0xF2FFE8};
    static const QRgb bottoms[5] = {0xFFFFFF, 0xFFE49A, 0xF8C88E, 0xCFE2F6, 0xCDEDB4};
    return QColor(top ? tops[suit] : bottoms[suit]);
}

QImage makePaper(const FaceStyle &style, int suit, QSize pixels) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    const QColor top = style.paper == Paper::Seasons ? seasonPaper(suit, true) : style.paperTop;
    const QColor bottom =
        style.paper == Paper::Seasons ? seasonPaper(suit, false) : style.paperBottom;
    QLinearGradient base(0, 0, pixels.width() * 0.3, pixels.height());
    base.setColorAt(0, top);
    base.setColorAt(1, bottom);
    painter.fillRect(image.rect(), base);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = pixels.width();
    const qreal h = pixels.height();
    switch (style.paper) {
    case Paper::Satin: {
        QLinearGradient sheen(0, 0, w, h);
        for (int i = 0; i <= 6; ++i)
            sheen.setColorAt(i / 6.0, QColor(255, 255, 255, i % 2 ? 110 : 0));
        painter.fillRect(image.rect(), sheen);
        break;
    }
    case Paper::Gloss: {
        QLinearGradient gloss(0, 0, 0, h * 0.5);
        gloss.setColorAt(0, QColor(255, 255, 255, 200));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        painter.fillRect(QRectF(0, 0, w, h * 0.5), gloss);
        break;
    }
    case Paper::Hearts: {
        art::Noise noise(17);
        QColor faint = style.frameColour;
        faint.setAlpha(28);
        for (int i = 0; i < 26; ++i) {
            const qreal s = w * (0.05 + 0.05 * noise.unit());
            const QRectF box(noise.unit() * w - s / 2, noise.unit() * h - s / 2, s, s);
            painter.fillPath(art::suitPath(1, box), faint);
        }
        break;
    }
    case Paper::Roses: {
        // Faint roses scattered over the paper: five petals round a bud, two leaves.
        art::Noise noise(29);
        for (int i = 0; i < 9; ++i) {
            const QPointF c(noise.unit() * w, noise.unit() * h);
            const qreal r = w * (0.06 + 0.03 * noise.unit());
            painter.save();
            painter.translate(c);
            painter.rotate(noise.unit() * 360);
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(0x3A, 0x7A, 0x3A, 40));
            painter.drawEllipse(QPointF(r * 1.4, 0), r * 0.8, r * 0.35);
            painter.drawEllipse(QPointF(-r * 1.4, 0), r * 0.8, r * 0.35);
            painter.setBrush(QColor(0xC0, 0x30, 0x5A, 38));
            for (int petal = 0; petal < 5; ++petal) {
                painter.rotate(72);
                painter.drawEllipse(QPointF(r * 0.5, 0), r * 0.6, r * 0.45);
            }
            painter.setBrush(QColor(0xA0, 0x20, 0x48, 60));
            painter.drawEllipse(QPointF(0, 0), r * 0.35, r * 0.35);
            painter.restore();
        }
        break;
    }
    case Paper::Grain: {
        painter.end();
        const unsigned seed = unsigned(style.set) * 31u;
        for (int y = 0; y < image.height(); ++y) {
            QRgb *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const double n = art::valueNoise(x / 22.0, y / 22.0, seed) * 0.8 +
                                 art::valueNoise(x / 8.0, y / 8.0, seed + 1) * 0.2;
                const double f = 0.9 + 0.13 * n;
                const QRgb c = line[x];
                line[x] = qRgb(std::min(255, int(qRed(c) * f)), std::min(255, int(qGreen(c) * f)),
                               std::min(255, int(qBlue(c) * f)));
            }
        }
        return image;
    }
    case Paper::Plain:
    case Paper::Seasons:
        break;
    }
    return image;
}

// Frames, drawn in the card's logical units (height 198).
void drawFrame(QPainter &painter, const FaceStyle &style, int suit, qreal w, qreal h) {
    const QColor c = style.frameColour;
    painter.setBrush(Qt::NoBrush);
    switch (style.frame) {
    case Frame::None:
        break;
    case Frame::Line:
        painter.setPen(QPen(c, 1.0));
        painter.drawRoundedRect(QRectF(4.5, 4.5, w - 9, h - 9), 5, 5);
        break;
    case Frame::Double:
        painter.setPen(QPen(c, 1.6));
        painter.drawRoundedRect(QRectF(3.8, 3.8, w - 7.6, h - 7.6), 5, 5);
        painter.setPen(QPen(c, 0.6));
        painter.drawRoundedRect(QRectF(6.8, 6.8, w - 13.6, h - 13.6), 3, 3);
        break;
    case Frame::Gold: {
        QPainterPath band;
        band.addRoundedRect(QRectF(3, 3, w - 6, h - 6), 6, 6);
        QPainterPath inner;
        inner.addRoundedRect(QRectF(6.5, 6.5, w - 13, h - 13), 3, 3);
        art::fillGold(painter, band.subtracted(inner), QRectF(0, 0, w, h));
        painter.setPen(QPen(c, 0.7));
        painter.drawPath(inner);
        break;
    }
    case Frame::Corners: {
        painter.setPen(QPen(c, 0.8));
        painter.drawRect(QRectF(6, 6, w - 12, h - 12));
        for (int corner = 0; corner < 4; ++corner) {
            painter.save();
            painter.translate(corner % 2 ? w : 0, corner / 2 ? h : 0);
            painter.scale(corner % 2 ? -1 : 1, corner / 2 ? -1 : 1);
            QPainterPath curl;
            curl.moveTo(6, 22);
            curl.cubicTo(10, 12, 12, 10, 22, 6);
            curl.moveTo(9, 15);
            curl.cubicTo(13, 15, 15, 13, 15, 9);
            painter.setPen(QPen(c, 1.1, Qt::SolidLine, Qt::RoundCap));
            painter.drawPath(curl);
            painter.setBrush(c);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(6, 6), 2.2, 2.2);
            painter.setBrush(Qt::NoBrush);
            painter.restore();
        }
        break;
    }
    case Frame::Folk: {
        QPainterPath band;
        band.addRect(QRectF(3, 3, w - 6, h - 6));
        QPainterPath inner;
        inner.addRect(QRectF(8, 8, w - 16, h - 16));
        painter.fillPath(band.subtracted(inner), c);
        painter.setPen(Qt::NoPen);
        const QColor dot = c.lightness() < 90 ? QColor(0xF4, 0xC8, 0x30) : QColor(Qt::white);
        painter.setBrush(dot);
        for (qreal x = 8; x < w - 6; x += 7) {
            painter.drawEllipse(QPointF(x, 5.5), 1.3, 1.3);
            painter.drawEllipse(QPointF(x, h - 5.5), 1.3, 1.3);
        }
        for (qreal y = 12; y < h - 8; y += 7) {
            painter.drawEllipse(QPointF(5.5, y), 1.3, 1.3);
            painter.drawEllipse(QPointF(w - 5.5, y), 1.3, 1.3);
        }
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(c, 0.6));
        painter.drawRect(QRectF(9.5, 9.5, w - 19, h - 19));
        break;
    }
    case Frame::GreekKey:
    case Frame::Steps: {
        // A meander (or a stepped band) along the four edges.
        const qreal band = 7;
        QPainterPath pattern;
        auto edge = [&](QPointF from, QPointF dir, QPointF in, qreal length) {
            const qreal unit = band;
            const int count = int(length / unit);
            QPointF p = from;
            pattern.moveTo(p);
            for (int i = 0; i < count; ++i) {
                if (style.frame == Frame::GreekKey) {
                    pattern.lineTo(p + in * 0.8 * band);
                    pattern.lineTo(p + in * 0.8 * band + dir * unit * 0.6);
                    pattern.lineTo(p + in * 0.3 * band + dir * unit * 0.6);
                    pattern.lineTo(p + in * 0.3 * band + dir * unit * 0.3);
                    pattern.moveTo(p + dir * unit);
                } else {
                    pattern.lineTo(p + in * 0.3 * band);
                    pattern.lineTo(p + in * 0.3 * band + dir * unit * 0.25);
                    pattern.lineTo(p + in * 0.7 * band + dir * unit * 0.25);
                    pattern.lineTo(p + in * 0.7 * band + dir * unit * 0.75);
                    pattern.lineTo(p + in * 0.3 * band + dir * unit * 0.75);
                    pattern.lineTo(p + in * 0.3 * band + dir * unit);
                    pattern.lineTo(p + dir * unit);
                }
                p += dir * unit;
            }
        };
        const qreal m = 3.5;
        edge(QPointF(m + 3, m), QPointF(1, 0), QPointF(0, 1), w - 2 * m - 6);
        edge(QPointF(w - m - 3, h - m), QPointF(-1, 0), QPointF(0, -1), w - 2 * m - 6);
        edge(QPointF(m, h - m - 3), QPointF(0, -1), QPointF(1, 0), h - 2 * m - 6);
        edge(QPointF(w - m, m + 3), QPointF(0, 1), QPointF(-1, 0), h - 2 * m - 6);
        painter.setPen(QPen(c, 1.1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawPath(pattern);
        painter.setPen(QPen(c, 0.8));
        painter.drawRect(QRectF(m + band + 0.5, m + band + 0.5, w - 2 * (m + band + 0.5),
                                h - 2 * (m + band + 0.5)));
        break;
    }
    case Frame::Wavy: {
        // Two interlaced waves round the card.
        for (int strand = 0; strand < 2; ++strand) {
            QPainterPath wave;
            const qreal m = 6.2;
            const qreal amp = 2.2;
            const QRectF r(m, m, w - 2 * m, h - 2 * m);
            const qreal perimeter = 2 * (r.width() + r.height());
            const int steps = 360;
            for (int i = 0; i <= steps; ++i) {
                const qreal t = perimeter * i / steps;
                QPointF p, normal;
                if (t < r.width()) {
                    p = QPointF(r.left() + t, r.top());
                    normal = QPointF(0, 1);
                } else if (t < r.width() + r.height()) {
                    p = QPointF(r.right(), r.top() + t - r.width());
                    normal = QPointF(-1, 0);
                } else if (t < 2 * r.width() + r.height()) {
                    p = QPointF(r.right() - (t - r.width() - r.height()), r.bottom());
                    normal = QPointF(0, -1);
                } else {
                    p = QPointF(r.left(), r.bottom() - (t - 2 * r.width() - r.height()));
                    normal = QPointF(1, 0);
                }
                const qreal phase = strand ? M_PI : 0;
                const QPointF q = p + normal * amp * std::sin(t / 4.0 + phase);
                if (i == 0)
                    wave.moveTo(q);
                else
                    wave.lineTo(q);
            }
            painter.setPen(QPen(strand ? c.lighter(150) : c, 1.1));
            painter.drawPath(wave);
        }
        break;
    }
    case Frame::Pinta: {
        // The Spanish frame line, broken once for cups, twice for swords,
        // three times for batons and whole for coins.
        static const int breaks[5] = {0, 1, 0, 3, 2};
        const int n = breaks[suit];
        const QRectF r(5.5, 5.5, w - 11, h - 11);
        painter.setPen(QPen(c, 1.2));
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.drawLine(r.topRight(), r.bottomRight());
        for (qreal y : {r.top(), r.bottom()}) {
            // n gaps spread over the middle third.
            const qreal gap = 4;
            qreal x = r.left();
            for (int i = 0; i < n; ++i) {
                const qreal centre = r.left() + r.width() * (0.5 + (i - (n - 1) / 2.0) * 0.12);
                painter.drawLine(QPointF(x, y), QPointF(centre - gap / 2, y));
                x = centre + gap / 2;
            }
            painter.drawLine(QPointF(x, y), QPointF(r.right(), y));
        }
        break;
    }
    }
}

struct Geometry {
    qreal w;
    qreal h;
    qreal inset;  // where the frame ends
    qreal column; // width of the index column
    qreal fontSize;
    QRectF middle; // between the index columns
};

Geometry geometryOf(const FaceStyle &style, qreal w, bool large) {
    Geometry g;
    g.w = w;
    g.h = logicalHeight;
    g.inset = contentInset(style.frame) - (large ? 0 : 1);
    g.fontSize = 19 * style.indexScale * (large ? 1.0 : 1.4);
    g.column = std::max<qreal>(15, g.fontSize * 0.95);
    const qreal left = g.inset + g.column + 1;
    g.middle = QRectF(left, g.inset + 3, w - 2 * left, g.h - 2 * g.inset - 6);
    return g;
}

QFont indexFont(const FaceStyle &style, qreal pixelSize) {
    QFont font(style.font);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setPixelSize(std::max(4, int(std::lround(pixelSize))));
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void drawIndex(QPainter &painter, const FaceStyle &style, const Geometry &g, int suit, int rank) {
    const QString label = rankLabel(style.ranks, rank);
    const QFont font = indexFont(style, g.fontSize);
    const QFontMetricsF metrics(font);
    const qreal textWidth = metrics.horizontalAdvance(label);
    const qreal squeeze = std::min<qreal>(1.0, (g.column + 2) / std::max<qreal>(1, textWidth));
    const QColor colour = style.colours.suit[suit];
    for (int end = 0; end < 2; ++end) {
        painter.save();
        if (end == 1) {
            painter.translate(g.w, g.h);
            painter.rotate(180);
        }
        const qreal cx = g.inset + g.column / 2;
        const qreal top = g.inset + 1;
        painter.save();
        painter.translate(cx, top);
        painter.scale(squeeze, 1);
        QPainterPath text;
        text.addText(-textWidth / 2, metrics.ascent() * 0.92, font, label);
        painter.fillPath(text, colour);
        painter.restore();
        const qreal side = g.fontSize * 0.62;
        const QRectF box(cx - side / 2, top + metrics.ascent() * 0.92 + g.fontSize * 0.14, side,
                         side);
        drawSuit(painter, style.suits, suit, box, style.colours);
        painter.restore();
    }
}

// Pip centres of six to ten in a unit box; the lower half is drawn turned.
std::vector<QPointF> pipLayout(int rank) {
    std::vector<QPointF> p{{0, 0}, {1, 0}, {0, 1}, {1, 1}};
    switch (rank) {
    case 1:
        p.insert(p.end(), {{0, 0.5}, {1, 0.5}});
        break;
    case 2:
        p.insert(p.end(), {{0, 0.5}, {1, 0.5}, {0.5, 0.25}});
        break;
    case 3:
        p.insert(p.end(), {{0, 0.5}, {1, 0.5}, {0.5, 0.25}, {0.5, 0.75}});
        break;
    case 4:
        p.insert(p.end(), {{0, 1 / 3.0}, {1, 1 / 3.0}, {0, 2 / 3.0}, {1, 2 / 3.0}, {0.5, 0.5}});
        break;
    default:
        p.insert(p.end(), {{0, 1 / 3.0},
                           {1, 1 / 3.0},
                           {0, 2 / 3.0},
                           {1, 2 / 3.0},
                           {0.5, 1 / 6.0},
                           {0.5, 5 / 6.0}});
        break;
    }
    return p;
}

void drawPips(QPainter &painter, const FaceStyle &style, const Geometry &g, int suit, int rank) {
    const QRectF area = g.middle.adjusted(1, 4, -1, -4);
    const qreal pip = std::min(area.width() * 0.4, area.height() / 4.4);
    const QRectF centres = area.adjusted(pip / 2, pip / 2, -pip / 2, -pip / 2);
    for (const QPointF &u : pipLayout(rank)) {
        const QPointF c(centres.left() + u.x() * centres.width(),
                        centres.top() + u.y() * centres.height());
        painter.save();
        painter.translate(c);
        if (u.y() > 0.5)
            painter.rotate(180);
        // Cups, batons and swords are tall: their pips take more height.
        const QSizeF box = style.suits == SuitSystem::Spanish && suit != 2
                               ? QSizeF(pip * 0.95, pip * 1.2)
                               : QSizeF(pip, pip);
        drawSuit(painter, style.suits, suit,
                 QRectF(QPointF(-box.width() / 2, -box.height() / 2), box), style.colours,
                 style.paperTop.lightness() < 100);
        painter.restore();
    }
}

void drawAce(QPainter &painter, const FaceStyle &style, const Geometry &g, int suit) {
    const QPointF centre(g.w / 2, g.h / 2);
    const qreal side = std::min(g.middle.width() * 0.78, 70.0);
    const QRectF box(centre.x() - side / 2, centre.y() - side / 2, side, side);
    const QColor frame = style.frameColour;
    painter.save();
    switch (style.ace) {
    case Ace::Ring: {
        painter.setPen(QPen(frame, 1.4));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(centre, side * 0.72, side * 0.72);
        painter.setPen(Qt::NoPen);
        painter.setBrush(frame);
        for (int i = 0; i < 24; ++i) {
            const double a = i * M_PI / 12;
            painter.drawEllipse(centre + QPointF(std::cos(a), std::sin(a)) * side * 0.8, 1.1, 1.1);
        }
        break;
    }
    case Ace::Sunburst: {
        QColor ray = frame;
        ray.setAlpha(90);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ray);
        for (int i = 0; i < 16; ++i) {
            const double a = i * M_PI / 8;
            const double d = M_PI / 32;
            QPolygonF tri;
            tri << centre << centre + QPointF(std::cos(a - d), std::sin(a - d)) * side * 0.95
                << centre + QPointF(std::cos(a + d), std::sin(a + d)) * side * 0.95;
            painter.drawPolygon(tri);
        }
        break;
    }
    case Ace::Cartouche: {
        const QRectF oval(centre.x() - side * 0.7, centre.y() - side * 0.9, side * 1.4, side * 1.8);
        QRadialGradient fill(centre, side);
        fill.setColorAt(0, style.paperTop.lighter(105));
        fill.setColorAt(1, style.paperBottom.darker(108));
        painter.setBrush(fill);
        painter.setPen(QPen(frame, 1.5));
        painter.drawEllipse(oval);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(frame, 0.6));
        painter.drawEllipse(oval.adjusted(3, 3, -3, -3));
        break;
    }
    case Ace::Gold:
    case Ace::Plain:
        break;
    }
    painter.restore();
    if (style.ace == Ace::Gold && style.suits == SuitSystem::French) {
        const QPainterPath path = art::suitPath(suit, box);
        art::dropShadow(painter, path, QPointF(1.2, 1.6), 3, QColor(0, 0, 0, 90));
        art::fillGold(painter, path, box);
        painter.strokePath(path, QPen(style.colours.suit[suit], 2.0));
        const QRectF small = box.adjusted(side * 0.3, side * 0.3, -side * 0.3, -side * 0.3);
        painter.fillPath(art::suitPath(suit, small), style.colours.suit[suit]);
    } else {
        if (style.ace == Ace::Gold)
            art::dropShadow(painter, art::suitPath(suit, box), QPointF(1.2, 1.6), 3,
                            QColor(0, 0, 0, 70));
        drawSuit(painter, style.suits, suit, box, style.colours, true);
    }
}

QPainterPath courtShape(Court court, const QRectF &r) {
    QPainterPath path;
    switch (court) {
    case Court::Medallion:
        path.addEllipse(r);
        break;
    case Court::Arch: {
        const qreal rad = r.width() / 2;
        path.moveTo(r.left(), r.top() + rad);
        path.arcTo(QRectF(r.left(), r.top(), r.width(), 2 * rad), 180, -180);
        path.lineTo(r.right(), r.bottom() - rad);
        path.arcTo(QRectF(r.left(), r.bottom() - 2 * rad, r.width(), 2 * rad), 0, -180);
        path.closeSubpath();
        break;
    }
    case Court::Panel:
        path.addRoundedRect(r, 4, 4);
        break;
    }
    return path;
}

} // namespace

QSize largeFaceSize(bool wide) {
    return wide ? QSize(146, 198) : QSize(126, 198);
}

CardPainter::CardPainter(QString deckFolder) : folder_(std::move(deckFolder)) {}

CardPainter::~CardPainter() = default;

QSvgRenderer *CardPainter::deck(const QString &name) {
    auto found = decks_.find(name);
    if (found != decks_.end())
        return found->second.get();
    const QDir dir(folder_ + QStringLiteral("/svg-") + name);
    const QStringList files =
        dir.entryList({QStringLiteral("*.svgz"), QStringLiteral("*.svg")}, QDir::Files, QDir::Name);
    std::unique_ptr<QSvgRenderer> renderer;
    if (!files.isEmpty()) {
        renderer = std::make_unique<QSvgRenderer>(dir.absoluteFilePath(files.first()));
        if (!renderer->isValid())
            renderer.reset();
    }
    QSvgRenderer *result = renderer.get();
    decks_[name] = std::move(renderer);
    return result;
}

bool CardPainter::prepare(const FaceStyle &style) {
    QSvgRenderer *renderer = deck(style.deck);
    if (!renderer) {
        std::fprintf(stderr, "quarn-cards: cannot read the deck svg-%s for set %d\n",
                     qPrintable(style.deck), style.set);
        return false;
    }
    for (int suit = 1; suit <= 4; ++suit)
        for (int rank = 1; rank <= 9; ++rank)
            if (!renderer->elementExists(elementOf(suit, rank))) {
                std::fprintf(stderr, "quarn-cards: the deck svg-%s has no card %s\n",
                             qPrintable(style.deck), qPrintable(elementOf(suit, rank)));
                return false;
            }
    return true;
}

QImage CardPainter::deckCard(const QString &deckName, int suit, int rank) {
    const QString key = deckName + QLatin1Char('/') + elementOf(suit, rank);
    auto found = cards_.constFind(key);
    if (found != cards_.constEnd())
        return *found;
    QImage image = art::transparent(renderSize);
    if (QSvgRenderer *renderer = deck(deckName)) {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        renderer->render(&painter, elementOf(suit, rank),
                         QRectF(0.5, 0.5, image.width() - 1, image.height() - 1));
    }
    cards_.insert(key, image);
    return image;
}

QImage CardPainter::deckFace(const FaceStyle &style, int suit, int rank, bool large) {
    QImage card = treated(deckCard(style.deck, suit, rank), style.treatment)
                      .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (style.wash.isValid()) {
        QImage washed = card;
        QPainter painter(&washed);
        painter.setCompositionMode(QPainter::CompositionMode_Multiply);
        painter.fillRect(washed.rect(), style.wash);
        painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        painter.drawImage(0, 0, card);
        painter.end();
        card = washed;
    }
    if (large)
        return art::reduced(card, largeFaceSize(style.wide));
    // The small picture lies inside the table's own frame: the deck's border
    // and round corners are cut away and the rest laid on white.
    const int bleedX = int(std::lround(renderSize.width() * 1.6 / smallFaceSize.width()));
    const int bleedY = int(std::lround(renderSize.height() * 1.6 / smallFaceSize.height()));
    QImage cut(card.size() - QSize(2 * bleedX, 2 * bleedY), QImage::Format_RGB32);
    cut.fill(Qt::white);
    QPainter painter(&cut);
    painter.drawImage(-bleedX, -bleedY, card);
    painter.end();
    return art::reduced(cut, smallFaceSize).convertToFormat(QImage::Format_RGB32);
}

const QImage &CardPainter::paper(const FaceStyle &style, int suit, QSize pixels) {
    const int paperSuit = style.paper == Paper::Seasons ? suit : 0;
    const QString key = QStringLiteral("%1/%2/%3x%4")
                            .arg(style.set)
                            .arg(paperSuit)
                            .arg(pixels.width())
                            .arg(pixels.height());
    auto found = papers_.find(key);
    if (found == papers_.end())
        found = papers_.insert(key, makePaper(style, paperSuit, pixels));
    return *found;
}

QImage CardPainter::courtFigure(const FaceStyle &style, int suit, int rank) {
    const QString key = QStringLiteral("court/%1/%2/%3").arg(style.set).arg(suit).arg(rank);
    auto found = cards_.constFind(key);
    if (found != cards_.constEnd())
        return *found;
    const QImage card = deckCard(style.deck, suit, rank);
    const QRectF area = figureArea(style.deck);
    const QRect crop(int(area.x() * card.width()), int(area.y() * card.height()),
                     int(area.width() * card.width()), int(area.height() * card.height()));
    QImage figure(crop.size(), QImage::Format_ARGB32_Premultiplied);
    figure.fill(Qt::white);
    QPainter painter(&figure);
    painter.drawImage(-crop.topLeft(), card);
    painter.end();
    figure = treated(figure, style.treatment);
    cards_.insert(key, figure);
    return figure;
}

QImage CardPainter::drawnFace(const FaceStyle &style, int suit, int rank, bool large) {
    const QSize target = large ? largeFaceSize(style.wide) : smallFaceSize;
    const QSize pixels = target * 2;
    const qreal scale = pixels.height() / logicalHeight;
    const qreal w = pixels.width() / scale;
    const Geometry g = geometryOf(style, w, large);

    QImage image = art::transparent(pixels);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);

    QPainterPath outline;
    if (large)
        outline.addRoundedRect(QRectF(0.5, 0.5, w - 1, g.h - 1), 8, 8);
    else
        outline.addRect(QRectF(0, 0, w, g.h));
    painter.save();
    painter.setClipPath(outline);
    painter.resetTransform();
    painter.drawImage(0, 0, paper(style, suit, pixels));
    painter.restore();

    drawFrame(painter, style, suit, w, g.h);
    if (rank <= 5) {
        drawPips(painter, style, g, suit, rank);
    } else if (rank == 9) {
        drawAce(painter, style, g, suit);
    } else {
        const QImage figure = courtFigure(style, suit, rank);
        const QRectF panel = g.middle;
        const QPainterPath shape = courtShape(style.court, panel);
        painter.save();
        painter.setClipPath(shape);
        // The figure covers the frame, centred, keeping its proportions.
        const QSizeF fitted =
            QSizeF(figure.size()).scaled(panel.size(), Qt::KeepAspectRatioByExpanding);
        painter.drawImage(
            QRectF(panel.center() - QPointF(fitted.width() / 2, fitted.height() / 2), fitted),
            figure);
        painter.restore();
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(style.frameColour, 1.3));
        painter.drawPath(shape);
    }
    drawIndex(painter, style, g, suit, rank);
    if (large) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.9));
        painter.drawPath(outline);
    }
    painter.end();
    QImage out = art::reduced(image, target);
    return large ? out : out.convertToFormat(QImage::Format_RGB32);
}

QImage CardPainter::face(const FaceStyle &style, int suit, int rank, bool large) {
    return style.source == Source::Deck ? deckFace(style, suit, rank, large)
                                        : drawnFace(style, suit, rank, large);
}

QImage CardPainter::suitSymbol(const FaceStyle &style, int suit, bool large) {
    const int side = large ? largeSymbolSide : smallSymbolSide;
    QImage big = art::transparent(QSize(side, side) * 4);
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    if (!large)
        painter.fillRect(big.rect(),
                         style.source == Source::Drawn ? style.paperTop : QColor(Qt::white));
    const qreal m = big.width() * 0.07;
    drawSuit(painter, style.suits, suit, QRectF(m, m, big.width() - 2 * m, big.height() - 2 * m),
             style.colours, true);
    painter.end();
    QImage out = art::reduced(big, QSize(side, side));
    return large ? out : out.convertToFormat(QImage::Format_RGB32);
}

} // namespace cards
