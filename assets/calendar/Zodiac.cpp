// "R_01" (Aries) .. "R_12" (Pisces): the sign's glyph in white on a round
// badge coloured by its element (fire, earth, air, water).
#include "CalendarArt.h"

#include "calendar/PageGeometry.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QRadialGradient>

#include <cstdio>

namespace calendar_art {

namespace {

struct Element {
    QColor light;
    QColor dark;
};

// Aries, Taurus, Gemini, Cancer, ... repeat fire, earth, air, water.
Element elementOf(int sign) {
    switch ((sign - 1) % 4) {
    case 0:
        return {QColor(255, 170, 70), QColor(190, 40, 20)}; // fire
    case 1:
        return {QColor(160, 210, 110), QColor(40, 110, 40)}; // earth
    case 2:
        return {QColor(200, 190, 255), QColor(90, 70, 180)}; // air
    default:
        return {QColor(120, 210, 240), QColor(20, 80, 170)}; // water
    }
}

// The sign's glyph as an outline, fitted into a square box.
QPainterPath glyph(int sign, const QRectF &box) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(100);
    const QChar symbol(char16_t(0x2648 + sign - 1));
    if (!QFontMetricsF(font).inFont(symbol))
        std::fprintf(stderr, "quarn-calendar-art: the zodiac font lacks sign %d\n", sign);
    QPainterPath path;
    path.addText(0, 0, font, QString(symbol));
    const QRectF bounds = path.boundingRect();
    const double scale = std::min(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

} // namespace

void addZodiac(Output &out) {
    using namespace quarn::calendar_page;
    const QSize size(zodiacSize, zodiacSize);
    for (int sign = 1; sign <= 12; ++sign) {
        const QString name = QStringLiteral("R_%1").arg(sign, 2, 10, QLatin1Char('0'));
        out.add(QStringLiteral("png"), name, drawn(size, [sign](QPainter &p) {
                    const Element element = elementOf(sign);
                    const QPointF centre(zodiacSize / 2.0, zodiacSize / 2.0);
                    const double radius = zodiacSize / 2.0 - 0.8;
                    QRadialGradient badge(centre - QPointF(3, 4), radius * 1.4);
                    badge.setColorAt(0, element.light);
                    badge.setColorAt(1, element.dark);
                    p.setPen(QPen(QColor(200, 160, 60), 1.1));
                    p.setBrush(badge);
                    p.drawEllipse(centre, radius, radius);
                    p.setPen(QPen(QColor(255, 255, 255, 120), 0.4));
                    p.setBrush(Qt::NoBrush);
                    p.drawEllipse(centre, radius - 1.6, radius - 1.6);
                    const QPainterPath shape =
                        glyph(sign, QRectF(centre.x() - 7.5, centre.y() - 7.5, 15, 15));
                    p.setPen(QPen(element.dark.darker(160), 0.9));
                    p.setBrush(Qt::NoBrush);
                    p.drawPath(shape.translated(0.4, 0.5));
                    p.setPen(Qt::NoPen);
                    p.setBrush(Qt::white);
                    p.drawPath(shape);
                }));
    }
}

} // namespace calendar_art
