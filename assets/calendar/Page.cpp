// "R_BASE": the blank tear-off page every calendar page starts from: cream
// paper under a red binding with two rings.
#include "CalendarArt.h"

#include "Art.h"
#include "calendar/PageGeometry.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace calendar_art {

namespace {

void drawRing(QPainter &p, double x) {
    QPainterPath ring;
    ring.addRoundedRect(QRectF(x - 2.2, 0.6, 4.4, 10), 2.2, 2.2);
    QPainterPath hole;
    hole.addRoundedRect(QRectF(x - 1.0, 1.8, 2.0, 7.6), 1.0, 1.0);
    QLinearGradient metal(x - 2.2, 0, x + 2.2, 0);
    metal.setColorAt(0, QColor(120, 120, 128));
    metal.setColorAt(0.45, QColor(238, 238, 244));
    metal.setColorAt(1, QColor(96, 96, 104));
    p.setPen(QPen(QColor(70, 70, 76), 0.4));
    p.setBrush(metal);
    p.drawPath(ring.subtracted(hole));
}

} // namespace

void addPage(Output &out) {
    using namespace quarn::calendar_page;
    const QSize size(width, height);
    out.add(QStringLiteral("png"), QStringLiteral("R_BASE"), drawn(size, [](QPainter &p) {
                const QRectF paper(1.5, 4, width - 3.5, height - 6);
                QPainterPath paperShape;
                paperShape.addRoundedRect(paper, 2.5, 2.5);
                art::dropShadow(p, paperShape, QPointF(1.0, 1.2), 1.5, QColor(0, 0, 0, 110));

                QLinearGradient cream(paper.topLeft(), paper.bottomRight());
                cream.setColorAt(0, QColor(255, 254, 248));
                cream.setColorAt(1, QColor(239, 232, 212));
                p.setPen(QPen(QColor(170, 160, 140), 0.5));
                p.setBrush(cream);
                p.drawPath(paperShape);

                // The binding band.
                QPainterPath band;
                band.addRoundedRect(QRectF(paper.left(), paper.top(), paper.width(), 13), 2.5, 2.5);
                band.addRect(QRectF(paper.left(), paper.top() + 6, paper.width(), 7));
                QLinearGradient red(0, paper.top(), 0, paper.top() + 13);
                red.setColorAt(0, QColor(222, 52, 46));
                red.setColorAt(1, QColor(150, 20, 24));
                p.setPen(Qt::NoPen);
                p.setBrush(red);
                p.drawPath(band.simplified());
                p.setPen(QPen(QColor(255, 210, 120), 0.5));
                p.drawLine(QPointF(paper.left() + 2, paper.top() + 11),
                           QPointF(paper.right() - 2, paper.top() + 11));

                // The perforation under the band.
                p.setPen(Qt::NoPen);
                p.setBrush(QColor(180, 170, 150));
                for (double x = paper.left() + 2.5; x < paper.right() - 1; x += 2.5)
                    p.drawEllipse(QPointF(x, paper.top() + 15), 0.35, 0.35);

                // A thin rule above the picture area and a curled corner.
                p.setPen(QPen(QColor(200, 190, 168), 0.4));
                p.drawLine(QPointF(paper.left() + 4, 60.5), QPointF(paper.right() - 4, 60.5));
                QPainterPath curl;
                curl.moveTo(paper.right(), paper.bottom() - 7);
                curl.lineTo(paper.right() - 7, paper.bottom());
                curl.quadTo(paper.right() - 5, paper.bottom() - 5, paper.right(),
                            paper.bottom() - 7);
                QLinearGradient fold(paper.right() - 7, paper.bottom(), paper.right(),
                                     paper.bottom() - 7);
                fold.setColorAt(0, QColor(214, 204, 180));
                fold.setColorAt(1, QColor(250, 246, 232));
                p.setBrush(fold);
                p.setPen(QPen(QColor(170, 160, 140), 0.4));
                p.drawPath(curl);

                drawRing(p, width * 0.28);
                drawRing(p, width * 0.72);
            }));
}

} // namespace calendar_art
