#include "RadioArt.h"

#include "Art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>

namespace radioart {
namespace {

constexpr int factor = 4; // drawn large and reduced smoothly

// A logo's look: its colours and the sign in its middle.
enum class Sign { Wheel, Mast };
struct LogoStyle {
    const char *name;
    QColor field;
    QColor sign;
    Sign kind;
    const char *label; // lettering under the sign; none when null
};

// The default station, the station without a logo of its own, and the
// stations of the station list the club server hands out.
const LogoStyle logoStyles[] = {
    {"RRADIO_LOGO_AVTORADIO", QColor(0xC8, 0x10, 0x20), QColor(0xFF, 0xFF, 0xFF), Sign::Wheel,
     nullptr},
    {"RRADIO_LOGO_RADIOUN", QColor(0x1C, 0x3C, 0x78), QColor(0xF2, 0xD4, 0x60), Sign::Mast,
     nullptr},
    {"RRADIO_LOGO_QRN0001", QColor(0x8A, 0x10, 0x18), QColor(0xFF, 0xE0, 0x70), Sign::Wheel,
     "MOSCOW"},
    {"RRADIO_LOGO_QRN0002", QColor(0x10, 0x60, 0x90), QColor(0xE8, 0xF8, 0xFF), Sign::Mast,
     "VOLGA"},
    {"RRADIO_LOGO_QRN0003", QColor(0x20, 0x50, 0xB0), QColor(0xFF, 0xD8, 0x20), Sign::Wheel,
     "KYIV"},
    {"RRADIO_LOGO_QRN0004", QColor(0x18, 0x20, 0x48), QColor(0xF0, 0x40, 0x40), Sign::Mast,
     "NEW YORK"},
    {"RRADIO_LOGO_QRN0005", QColor(0x60, 0x10, 0x60), QColor(0xFF, 0xFF, 0xFF), Sign::Wheel,
     "LONDON"},
    {"RRADIO_LOGO_QRN0006", QColor(0x20, 0x20, 0x20), QColor(0xFF, 0xC0, 0x00), Sign::Mast,
     "BERLIN"},
    {"RRADIO_LOGO_QRN0007", QColor(0x10, 0x28, 0x80), QColor(0xFF, 0x80, 0x90), Sign::Wheel,
     "PARIS"},
    {"RRADIO_LOGO_QRN0008", QColor(0xE8, 0xE8, 0xE8), QColor(0xC0, 0x10, 0x30), Sign::Mast,
     "TOKYO"},
};

QImage canvas(QSize size) {
    return art::transparent(size * factor);
}

QPainterPath rounded(const QRectF &r, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void drawSign(QPainter &p, Sign kind, QPointF c, qreal s, const QColor &colour) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, s * 0.12, Qt::SolidLine, Qt::RoundCap));
    switch (kind) {
    case Sign::Wheel:
        p.drawEllipse(c, s * 0.8, s * 0.8);
        p.drawEllipse(c, s * 0.18, s * 0.18);
        for (const qreal a : {90.0, 210.0, 330.0}) {
            const qreal r = qDegreesToRadians(a);
            p.drawLine(c + QPointF(std::cos(r), std::sin(r)) * s * 0.18,
                       c + QPointF(std::cos(r), std::sin(r)) * s * 0.8);
        }
        break;
    case Sign::Mast:
    default: {
        p.drawLine(c + QPointF(0, -s * 0.35), c + QPointF(-s * 0.4, s * 0.9));
        p.drawLine(c + QPointF(0, -s * 0.35), c + QPointF(s * 0.4, s * 0.9));
        p.drawLine(c + QPointF(-s * 0.22, s * 0.35), c + QPointF(s * 0.22, s * 0.35));
        p.setBrush(colour);
        p.drawEllipse(c + QPointF(0, -s * 0.45), s * 0.1, s * 0.1);
        p.setBrush(Qt::NoBrush);
        break;
    }
    }
    // Radio waves on both sides.
    p.setPen(QPen(colour, s * 0.09, Qt::SolidLine, Qt::RoundCap));
    for (int k = 1; k <= 2; ++k) {
        const qreal r = s * (0.95 + 0.3 * k);
        const QRectF arc(c.x() - r, c.y() - r, 2 * r, 2 * r);
        p.drawArc(arc, -35 * 16, 70 * 16);
        p.drawArc(arc, 145 * 16, 70 * 16);
    }
}

} // namespace

QString volumeName(int steps) {
    return QStringLiteral("RRADIO_VOLUME%1")
        .arg(std::clamp(steps, 0, volumeSteps), 2, 10, QLatin1Char('0'));
}

QStringList logoNames() {
    QStringList names;
    for (const LogoStyle &style : logoStyles)
        names << QLatin1String(style.name);
    return names;
}

QImage playPicture(bool playing) {
    QImage big = canvas(playSize);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    // A wooden table radio with a cloth speaker, a dial and a lamp.
    const QRectF body(4, 8, 88, 52);
    QLinearGradient wood(body.topLeft(), body.bottomLeft());
    wood.setColorAt(0, QColor(0xA8, 0x6A, 0x34));
    wood.setColorAt(1, QColor(0x5A, 0x32, 0x14));
    p.setPen(QPen(QColor(0x3A, 0x20, 0x0C), 1.2));
    p.setBrush(wood);
    p.drawPath(rounded(body, 9));
    p.setPen(QPen(QColor(0x2A, 0x2A, 0x2A), 1.4));
    p.drawLine(QPointF(60, 8), QPointF(76, 0));
    const QRectF speaker(11, 15, 38, 38);
    p.setPen(QPen(QColor(0xD8, 0xB8, 0x70), 1));
    p.setBrush(QColor(0xC8, 0xB0, 0x88));
    p.drawPath(rounded(speaker, 5));
    p.setPen(QPen(QColor(0x8A, 0x70, 0x48), 0.7));
    for (qreal x = speaker.left() + 3; x < speaker.right() - 1; x += 3)
        p.drawLine(QPointF(x, speaker.top() + 2), QPointF(x, speaker.bottom() - 2));
    const QRectF dial(54, 15, 32, 14);
    p.setPen(QPen(QColor(0x3A, 0x2A, 0x14), 0.8));
    p.setBrush(playing ? QColor(0xF6, 0xE8, 0xA8) : QColor(0xB8, 0xB0, 0x98));
    p.drawPath(rounded(dial, 3));
    for (int i = 0; i < 7; ++i)
        p.drawLine(QPointF(dial.left() + 4 + i * 4, dial.bottom() - 4),
                   QPointF(dial.left() + 4 + i * 4, dial.bottom() - (i % 2 ? 6 : 8)));
    p.setPen(QPen(QColor(0xC0, 0x20, 0x10), 1));
    p.drawLine(QPointF(dial.left() + 19, dial.top() + 2),
               QPointF(dial.left() + 19, dial.bottom() - 2));
    // The lamp: green while playing, red while stopped.
    const QPointF lamp(62, 44);
    const QColor light = playing ? QColor(0x40, 0xF0, 0x50) : QColor(0xE8, 0x28, 0x20);
    QRadialGradient glow(lamp, 9);
    glow.setColorAt(0, light.lighter(150));
    glow.setColorAt(0.5, light);
    glow.setColorAt(1, QColor(light.red(), light.green(), light.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawEllipse(lamp, 9, 9);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 0.8));
    p.setBrush(light);
    p.drawEllipse(lamp, 4.5, 4.5);
    // The knob with a play or a stop sign.
    const QPointF knob(80, 44);
    p.setBrush(QColor(0x2A, 0x2A, 0x2A));
    p.drawEllipse(knob, 7, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    if (playing) {
        QPolygonF triangle;
        triangle << knob + QPointF(-2.5, -3.5) << knob + QPointF(3.8, 0)
                 << knob + QPointF(-2.5, 3.5);
        p.drawPolygon(triangle);
    } else {
        p.drawRect(QRectF(knob.x() - 3, knob.y() - 3, 6, 6));
    }
    p.end();
    return art::reduced(big, playSize);
}

QImage volumePicture(int steps) {
    steps = std::clamp(steps, 0, volumeSteps);
    QImage big = canvas(volumeSize);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    p.setPen(QPen(QColor(0x40, 0x40, 0x48), 1));
    p.setBrush(QColor(0x18, 0x18, 0x20));
    p.drawPath(rounded(QRectF(0.5, 0.5, volumeSize.width() - 1, volumeSize.height() - 1), 4));
    // Ten bars rising left to right, lit up to the volume, green to red.
    const qreal gap = 2;
    const qreal barWidth = (volumeSize.width() - 6 - gap * (volumeSteps - 1)) / volumeSteps;
    for (int i = 0; i < volumeSteps; ++i) {
        const qreal height = 4 + (volumeSize.height() - 10) * (i + 1) / qreal(volumeSteps);
        const QRectF bar(3 + i * (barWidth + gap), volumeSize.height() - 3 - height, barWidth,
                         height);
        const QColor on = QColor::fromHsvF(0.33 * (1.0 - i / qreal(volumeSteps - 1)), 0.85, 0.95);
        p.setPen(Qt::NoPen);
        p.setBrush(i < steps ? on : QColor(0x40, 0x40, 0x48));
        p.drawPath(rounded(bar, 1));
    }
    p.end();
    return art::reduced(big, volumeSize);
}

QImage frame() {
    QImage big = canvas(frameSize);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QRectF outer(0.5, 0.5, frameSize.width() - 1, frameSize.height() - 1);
    const QRectF window(15, 15, logoSize.width(), logoSize.height());
    QPainterPath ring = rounded(outer, 10);
    ring.addRect(window.adjusted(-1, -1, 1, 1));
    ring.setFillRule(Qt::OddEvenFill);
    QLinearGradient chrome(outer.topLeft(), outer.bottomRight());
    chrome.setColorAt(0, QColor(0xF4, 0xF4, 0xF8));
    chrome.setColorAt(0.45, QColor(0x9A, 0xA0, 0xAA));
    chrome.setColorAt(0.55, QColor(0xC8, 0xCC, 0xD4));
    chrome.setColorAt(1, QColor(0x5A, 0x60, 0x6A));
    p.setPen(QPen(QColor(0x30, 0x34, 0x3A), 1));
    p.setBrush(chrome);
    p.drawPath(ring);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x30, 0x34, 0x3A), 1));
    p.drawRect(window.adjusted(-1, -1, 1, 1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x40, 0x44, 0x4A));
    for (const QPointF c :
         {QPointF(7, 7), QPointF(frameSize.width() - 7, 7), QPointF(7, frameSize.height() - 7),
          QPointF(frameSize.width() - 7, frameSize.height() - 7)})
        p.drawEllipse(c, 2.2, 2.2);
    p.end();
    return art::reduced(big, frameSize);
}

QImage logo(const QString &name) {
    const LogoStyle *style = &logoStyles[1];
    for (const LogoStyle &candidate : logoStyles)
        if (name == QLatin1String(candidate.name))
            style = &candidate;
    QImage big = canvas(logoSize);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QRectF all(0, 0, logoSize.width(), logoSize.height());
    QLinearGradient field(all.topLeft(), all.bottomLeft());
    field.setColorAt(0, style->field.lighter(135));
    field.setColorAt(1, style->field.darker(130));
    p.fillRect(all, field);
    // Light rays behind the sign.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    const QPointF c = all.center();
    for (int i = 0; i < 12; ++i) {
        const qreal a = 2 * M_PI * i / 12;
        QPolygonF ray;
        ray << c << c + QPointF(std::cos(a - 0.12), std::sin(a - 0.12)) * 90
            << c + QPointF(std::cos(a + 0.12), std::sin(a + 0.12)) * 90;
        p.drawPolygon(ray);
    }
    if (style->label) {
        drawSign(p, style->kind, c - QPointF(0, 7), logoSize.height() * 0.24, style->sign);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(12);
        p.setFont(font);
        p.setPen(style->sign);
        p.drawText(QRectF(0, logoSize.height() - 17, logoSize.width(), 15), Qt::AlignCenter,
                   QString::fromLatin1(style->label));
    } else {
        drawSign(p, style->kind, c, logoSize.height() * 0.3, style->sign);
    }
    p.end();
    return art::reduced(big, logoSize);
}

} // namespace radioart
