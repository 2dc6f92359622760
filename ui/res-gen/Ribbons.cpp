// The heading ribbons of the gray window designs and the parchment scroll.
//  - "GCap610", "GCap300": a satin banner with folded tails, for a title in
//    yellow capitals ("Gray aristocratic").
//  - "GLenta<w>x<h>": a waving red ribbon with curled ends, under a heading
//    picture ("Gray with red ribbons").
//  - "GSvitok": a parchment scroll rolled at top and bottom.

#include "Drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace {

QLinearGradient satin(qreal top, qreal bottom, QColor light, QColor mid, QColor dark) {
    QLinearGradient g(0, top, 0, bottom);
    g.setColorAt(0.0, dark);
    g.setColorAt(0.18, light);
    g.setColorAt(0.45, mid);
    g.setColorAt(0.85, dark);
    g.setColorAt(1.0, dark.darker(130));
    return g;
}

QImage capRibbon(int width, int height) {
    const int k = 3; // drawn larger, then reduced
    QImage big = draw::transparent(QSize(width * k, height * k));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    const qreal tail = height * 0.55;
    const qreal bandTop = height * 0.16, bandBottom = height * 0.84;
    const qreal tailTop = height * 0.30, tailBottom = height * 0.98;

    // The tails behind the band, darker, with a swallow-tail notch.
    for (int side = 0; side < 2; ++side) {
        QPainterPath tailPath;
        const qreal outer = side == 0 ? 1 : width - 1;
        const qreal inner = side == 0 ? tail + 6 : width - tail - 6;
        const qreal notch = side == 0 ? outer + tail * 0.35 : outer - tail * 0.35;
        tailPath.moveTo(inner, tailTop);
        tailPath.lineTo(outer, tailTop);
        tailPath.lineTo(notch, (tailTop + tailBottom) / 2);
        tailPath.lineTo(outer, tailBottom);
        tailPath.lineTo(inner, tailBottom);
        tailPath.closeSubpath();
        p.fillPath(tailPath, satin(tailTop, tailBottom, QColor(150, 30, 36), QColor(110, 14, 20),
                                   QColor(60, 4, 8)));
        p.setPen(QPen(QColor(200, 160, 70), 1.2));
        p.drawPath(tailPath);
        // The fold where the tail turns under the band.
        QPainterPath fold;
        const qreal edge = side == 0 ? tail : width - tail;
        fold.moveTo(edge, bandBottom);
        fold.lineTo(edge + (side == 0 ? 10 : -10), tailBottom);
        fold.lineTo(edge + (side == 0 ? 10 : -10), bandBottom);
        fold.closeSubpath();
        p.fillPath(fold, QColor(40, 2, 6));
    }

    // The band.
    QPainterPath band;
    const qreal left = tail, right = width - tail;
    band.moveTo(left, bandTop);
    band.quadTo((left + right) / 2, bandTop - height * 0.08, right, bandTop);
    band.lineTo(right, bandBottom);
    band.quadTo((left + right) / 2, bandBottom - height * 0.08, left, bandBottom);
    band.closeSubpath();
    p.fillPath(band, satin(bandTop, bandBottom, QColor(196, 52, 58), QColor(150, 22, 30),
                           QColor(84, 6, 12)));
    // Gold piping along both edges.
    QPen piping(QColor(232, 196, 96), 1.6);
    p.setPen(piping);
    p.setBrush(Qt::NoBrush);
    QPainterPath topEdge, bottomEdge;
    topEdge.moveTo(left, bandTop + 3);
    topEdge.quadTo((left + right) / 2, bandTop + 3 - height * 0.08, right, bandTop + 3);
    bottomEdge.moveTo(left, bandBottom - 3);
    bottomEdge.quadTo((left + right) / 2, bandBottom - 3 - height * 0.08, right, bandBottom - 3);
    p.drawPath(topEdge);
    p.drawPath(bottomEdge);
    p.setPen(QPen(QColor(70, 4, 8), 1));
    p.drawPath(band);
    p.end();
    return draw::reduced(big, QSize(width, height));
}

QImage lenta(int width, int height) {
    const int k = 3;
    QImage big = draw::transparent(QSize(width * k, height * k));
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(k, k);
    const qreal thick = height * 0.42;
    const qreal wave = height * 0.12;
    const qreal curl = height * 0.22;
    const qreal mid = height * 0.5;
    auto centreY = [&](qreal x) { return mid + wave * std::sin((x / width) * 2 * M_PI); };

    // The waving band between the curls.
    QPainterPath band;
    const qreal x0 = curl * 0.9 + 2, x1 = width - curl * 0.9 - 2;
    band.moveTo(x0, centreY(x0) - thick / 2);
    for (qreal x = x0; x <= x1; x += 2)
        band.lineTo(x, centreY(x) - thick / 2);
    for (qreal x = x1; x >= x0; x -= 2)
        band.lineTo(x, centreY(x) + thick / 2);
    band.closeSubpath();
    QLinearGradient shade(0, mid - thick / 2 - wave, 0, mid + thick / 2 + wave);
    shade.setColorAt(0.0, QColor(120, 10, 16));
    shade.setColorAt(0.25, QColor(222, 64, 64));
    shade.setColorAt(0.5, QColor(186, 28, 34));
    shade.setColorAt(1.0, QColor(96, 6, 12));
    p.fillPath(band, shade);
    // Light where the wave faces up, shadow where it turns away.
    for (qreal x = x0; x < x1; x += 1) {
        const qreal slope = std::cos((x / width) * 2 * M_PI);
        const QColor tint =
            slope > 0 ? QColor(255, 255, 255, int(34 * slope)) : QColor(0, 0, 0, int(-50 * slope));
        p.setPen(QPen(tint, 1.1));
        p.drawLine(QPointF(x, centreY(x) - thick / 2 + 1), QPointF(x, centreY(x) + thick / 2 - 1));
    }
    p.setPen(QPen(QColor(70, 2, 8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(band);
    // Curled ends: the band rolls up into a cylinder at each side.
    for (int side = 0; side < 2; ++side) {
        const qreal cx = side == 0 ? curl * 0.9 + 2 : width - curl * 0.9 - 2;
        const qreal cy = centreY(cx);
        const QRectF roll(cx - curl * 0.55, cy - thick * 0.62, curl * 1.1, thick * 1.24);
        QLinearGradient shade(roll.topLeft(), roll.topRight());
        shade.setColorAt(0, QColor(96, 6, 12));
        shade.setColorAt(0.35, QColor(226, 80, 80));
        shade.setColorAt(0.7, QColor(160, 20, 28));
        shade.setColorAt(1, QColor(80, 4, 10));
        p.setPen(QPen(QColor(60, 0, 4), 1));
        p.setBrush(shade);
        p.drawRoundedRect(roll, curl * 0.5, curl * 0.35);
        // The rolled edge seen end-on.
        const QRectF end(side == 0 ? roll.left() - 1 : roll.right() - curl * 0.45 + 1,
                         roll.top() + 1, curl * 0.45, roll.height() - 2);
        QRadialGradient spiral(end.center(), end.width());
        spiral.setColorAt(0, QColor(70, 0, 6));
        spiral.setColorAt(0.5, QColor(190, 40, 46));
        spiral.setColorAt(1, QColor(110, 10, 16));
        p.setBrush(spiral);
        p.drawEllipse(end);
    }
    p.end();
    return draw::reduced(big, QSize(width, height));
}

QImage scroll(int width, int height) {
    QImage image = draw::transparent(QSize(width, height));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal rollHeight = 26;
    const QRectF sheet(14, rollHeight / 2, width - 28, height - rollHeight);

    // Parchment with a warm vignette and speckles.
    QRadialGradient paper(sheet.center(), sheet.height() * 0.75);
    paper.setColorAt(0.0, QColor(252, 240, 206));
    paper.setColorAt(0.7, QColor(240, 220, 170));
    paper.setColorAt(1.0, QColor(214, 184, 126));
    p.fillRect(sheet, paper);
    draw::Noise noise(46);
    for (int i = 0; i < 900; ++i) {
        const QPointF at(sheet.left() + noise.unit() * sheet.width(),
                         sheet.top() + noise.unit() * sheet.height());
        p.setPen(QPen(QColor(150, 110, 60, int(10 + noise.unit() * 26)), 0.5 + noise.unit() * 1.2));
        p.drawPoint(at);
    }
    // Shaded side edges.
    QLinearGradient edges(sheet.left(), 0, sheet.right(), 0);
    edges.setColorAt(0.0, QColor(120, 80, 30, 90));
    edges.setColorAt(0.06, QColor(120, 80, 30, 0));
    edges.setColorAt(0.94, QColor(120, 80, 30, 0));
    edges.setColorAt(1.0, QColor(120, 80, 30, 90));
    p.fillRect(sheet, edges);

    // The two rolls.
    for (qreal top : {0.0, height - rollHeight}) {
        const QRectF roll(4, top, width - 8, rollHeight);
        QLinearGradient g(0, roll.top(), 0, roll.bottom());
        g.setColorAt(0.0, QColor(196, 160, 100));
        g.setColorAt(0.3, QColor(252, 236, 196));
        g.setColorAt(0.7, QColor(214, 180, 120));
        g.setColorAt(1.0, QColor(140, 100, 50));
        p.setPen(QPen(QColor(120, 84, 40), 1));
        p.setBrush(g);
        p.drawRoundedRect(roll, rollHeight / 2, rollHeight / 2);
        // Wooden knobs at the ends.
        for (qreal x : {roll.left() + 2, roll.right() - 14}) {
            QRadialGradient knob(QPointF(x + 5, top + rollHeight * 0.35), 10);
            knob.setColorAt(0, QColor(190, 120, 60));
            knob.setColorAt(1, QColor(90, 46, 16));
            p.setBrush(knob);
            p.drawEllipse(QRectF(x, top + 2, 12, rollHeight - 4));
        }
    }
    p.end();
    return image;
}

} // namespace

void drawRibbons(Output &out) {
    out.addPng(QStringLiteral("GCap610"), capRibbon(610, 64));
    out.addPng(QStringLiteral("GCap300"), capRibbon(300, 64));
    const QSize lentas[] = {{280, 90}, {590, 116}, {200, 100}, {360, 100}};
    for (const QSize size : lentas) {
        const QString name = QStringLiteral("GLenta%1x%2")
                                 .arg(size.width())
                                 .arg(size.height(), 3, 10, QLatin1Char('0'));
        out.addPng(name, lenta(size.width(), size.height()));
    }
    out.addPng(QStringLiteral("GSvitok"), scroll(300, 380));
}
