#include "web/view/OnlinePictures.h"

#include "ui/UiPictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace quarn {
namespace {

QImage blank(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// A brass coin with a glyph drawn by `glyph` in the coin's box.
template <class Glyph> QImage coin(int side, QColor face, Glyph glyph) {
    QImage image = blank(side, side);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient fill(side * 0.35, side * 0.3, side * 0.7);
    fill.setColorAt(0, face.lighter(150));
    fill.setColorAt(1, face.darker(130));
    p.setPen(QPen(QColor(110, 80, 20), side / 24.0));
    p.setBrush(fill);
    p.drawEllipse(QRectF(2, 2, side - 4, side - 4));
    glyph(p, QRectF(side * 0.22, side * 0.22, side * 0.56, side * 0.56));
    return image;
}

QImage newsIcon() {
    return coin(72, QColor(60, 110, 200), [](QPainter &p, const QRectF &box) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 240));
        p.drawRect(box.adjusted(0, 4, 0, -4));
        p.setPen(QPen(QColor(40, 40, 60), 2));
        for (int line = 0; line < 4; ++line) {
            const qreal y = box.top() + 10 + line * 7;
            p.drawLine(QPointF(box.left() + 4, y), QPointF(box.right() - (line == 0 ? 14 : 4), y));
        }
    });
}

QImage chatIcon() {
    return coin(72, QColor(200, 60, 50), [](QPainter &p, const QRectF &box) {
        QPainterPath bubble;
        bubble.addRoundedRect(box.adjusted(0, 2, 0, -10), 8, 8);
        QPainterPath tail;
        tail.moveTo(box.left() + 10, box.bottom() - 12);
        tail.lineTo(box.left() + 6, box.bottom());
        tail.lineTo(box.left() + 20, box.bottom() - 12);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 240));
        p.drawPath(bubble.united(tail));
        p.setBrush(QColor(200, 60, 50));
        for (int dot = 0; dot < 3; ++dot)
            p.drawEllipse(QPointF(box.left() + 11 + dot * 10, box.top() + 16), 3, 3);
    });
}

QImage shelf() {
    const QImage builtIn(QStringLiteral(":/res/png/GPolkaNw"));
    if (!builtIn.isNull())
        return builtIn;
    QImage image = blank(220, 54);
    QPainter p(&image);
    QLinearGradient wood(0, 0, 0, 20);
    wood.setColorAt(0, QColor(170, 115, 60));
    wood.setColorAt(1, QColor(110, 70, 30));
    p.fillRect(QRect(0, 0, 220, 20), wood);
    return image;
}

QImage newBadge() {
    QImage image = blank(26, 14);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 30));
    p.drawRoundedRect(QRectF(0, 0, 26, 14), 4, 4);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(10);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 26, 14), Qt::AlignCenter, QStringLiteral("NEW"));
    return image;
}

QImage statsPicture() {
    QImage image = blank(48, 48);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 40, 80), 2));
    p.setBrush(QColor(245, 245, 255));
    p.drawRoundedRect(QRectF(2, 2, 44, 44), 6, 6);
    const QColor bars[] = {QColor(220, 80, 80), QColor(80, 170, 80), QColor(70, 110, 210)};
    const int heights[] = {16, 30, 22};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(bars[i]);
        p.drawRect(QRectF(9 + i * 11, 40 - heights[i], 8, heights[i]));
    }
    return image;
}

QImage clockFrame() {
    QImage image = blank(115, 64);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient glass(0, 0, 0, 64);
    glass.setColorAt(0, QColor(30, 34, 44, 235));
    glass.setColorAt(1, QColor(8, 10, 16, 235));
    p.setPen(QPen(QColor(190, 160, 80), 3));
    p.setBrush(glass);
    p.drawRoundedRect(QRectF(1.5, 1.5, 112, 61), 8, 8);
    return image;
}

// The icons of the display's sources.
QImage windowsIcon() {
    QImage image = blank(32, 32);
    QPainter p(&image);
    const QColor panes[] = {QColor(240, 80, 40), QColor(120, 190, 30), QColor(20, 160, 240),
                            QColor(255, 190, 0)};
    for (int i = 0; i < 4; ++i)
        p.fillRect(QRect(2 + (i % 2) * 15, 2 + (i / 2) * 15, 13, 13), panes[i]);
    return image;
}

QImage androidIcon() {
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 195, 80));
    p.drawChord(QRectF(4, 4, 24, 20), 0, 180 * 16);
    p.drawRoundedRect(QRectF(4, 15, 24, 15), 3, 3);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(11, 10), 1.8, 1.8);
    p.drawEllipse(QPointF(21, 10), 1.8, 1.8);
    return image;
}

QImage wemsIcon() {
    return coin(64, QColor(220, 180, 40), [](QPainter &p, const QRectF &box) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(int(box.height() * 0.8));
        p.setFont(font);
        p.setPen(QColor(110, 70, 10));
        p.drawText(box, Qt::AlignCenter, QStringLiteral("W"));
    });
}

// The colour of each digit set, by its letter.
QColor digitColour(QChar letter) {
    switch (letter.toLatin1()) {
    case 'R':
        return QColor(255, 60, 50);
    case 'A':
        return QColor(255, 170, 30);
    case 'G':
        return QColor(60, 230, 80);
    case 'Y':
        return QColor(250, 240, 60);
    case 'V':
        return QColor(200, 110, 255);
    case 'L':
        return QColor(90, 200, 255);
    default:
        return QColor(235, 235, 245);
    }
}

// A seven-segment digit (or the minus "M") of 20 x 40.
QImage clockDigit(QColor colour, QChar character) {
    // Segments a b c d e f g, lit per digit.
    static const char *lit[] = {"abcdef", "bc",     "abdeg", "abcdg",   "bcfg",
                                "acdfg",  "acdefg", "abc",   "abcdefg", "abcdfg"};
    const QString segments = character == QLatin1Char('M')
                                 ? QStringLiteral("g")
                                 : QString::fromLatin1(lit[character.digitValue()]);
    QImage image = blank(20, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF horizontal[] = {{4, 1, 12, 4}, {4, 18, 12, 4}, {4, 35, 12, 4}};
    const QRectF vertical[] = {{15, 4, 4, 15}, {15, 21, 4, 15}, {1, 21, 4, 15}, {1, 4, 4, 15}};
    auto segment = [&](char name) {
        switch (name) {
        case 'a':
            return horizontal[0];
        case 'g':
            return horizontal[1];
        case 'd':
            return horizontal[2];
        case 'b':
            return vertical[0];
        case 'c':
            return vertical[1];
        case 'e':
            return vertical[2];
        default:
            return vertical[3];
        }
    };
    for (char name : QByteArrayLiteral("abcdefg")) {
        if (!name)
            break;
        const bool on = segments.contains(QLatin1Char(name));
        p.setPen(Qt::NoPen);
        p.setBrush(on ? colour : QColor(colour.red(), colour.green(), colour.blue(), 28));
        p.drawRoundedRect(segment(name), 1.5, 1.5);
    }
    return image;
}

QImage drawn(const QString &name) {
    if (name == QLatin1String("GPolkaNw"))
        return shelf();
    if (name == QLatin1String("GNews072"))
        return newsIcon();
    if (name == QLatin1String("GChat072"))
        return chatIcon();
    if (name == QLatin1String("GNew"))
        return newBadge();
    if (name == QLatin1String("Stats"))
        return statsPicture();
    if (name == QLatin1String("GClockBG"))
        return clockFrame();
    if (name == QLatin1String("Windows"))
        return windowsIcon();
    if (name == QLatin1String("Android"))
        return androidIcon();
    if (name == QLatin1String("GWems128"))
        return wemsIcon();
    if (name == QLatin1String("Account48"))
        return uiPicture(name);
    // "G" + colour letter + "Clock" + digit or "M".
    if (name.size() == 8 && name.startsWith(QLatin1Char('G')) &&
        name.mid(2, 5) == QLatin1String("Clock")) {
        const QChar last = name.back();
        if (last.isDigit() || last == QLatin1Char('M'))
            return clockDigit(digitColour(name[1]), last);
    }
    return {};
}

} // namespace

QImage onlinePicture(const QString &name) {
    static QHash<QString, QImage> kept;
    const auto found = kept.constFind(name);
    if (found != kept.cend())
        return *found;
    const QImage image = drawn(name);
    kept.insert(name, image);
    return image;
}

QImage sirenaFrame(bool blue, int frame) {
    QImage image = blank(kSirenaSide, kSirenaSide);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor light = blue ? QColor(60, 140, 255) : QColor(255, 50, 40);
    // A rotating beam: its brightness sweeps round the dome.
    const qreal angle = 2 * M_PI * frame / kSirenaFrames;
    const qreal glow = 0.55 + 0.45 * std::cos(angle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 70, 80));
    p.drawRoundedRect(QRectF(6, 30, 28, 8), 2, 2);
    QRadialGradient dome(20 + 8 * std::sin(angle), 20, 16);
    dome.setColorAt(0, light.lighter(100 + int(80 * glow)));
    dome.setColorAt(1, light.darker(160 - int(50 * glow)));
    p.setBrush(dome);
    p.drawChord(QRectF(7, 8, 26, 44), 0, 180 * 16);
    if (frame >= 0) {
        QColor ray = light;
        ray.setAlpha(int(140 * glow));
        p.setBrush(ray);
        p.drawEllipse(QPointF(20 + 12 * std::sin(angle), 16), 5, 3);
    }
    return image;
}

} // namespace quarn
