// The program's own animations (GIF):
//  "GGenCount" 100 x 90   three cards fanning open and shut (still frame 14: open)
//  "GClubA" ... "GClubG"  60 x 75, the club emblems of the game information window
//  "GTopTen" 140 x 110    a trophy with twinkling stars
//  "GEndBest" 300 x 200   fireworks over a gold cup (still frame 25)
//  "GEndGood" 300 x 200   stars rising over a laurel (still frame 24)
//  "GEndBads" 300 x 200   rain over a lonely card, looping (still frame 3)

#include "Drawing.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <functional>

namespace {

using Painter = std::function<void(QPainter &, int frame, int frames)>;

std::vector<QImage> frames(QSize size, int count, const Painter &paint) {
    std::vector<QImage> out;
    for (int i = 0; i < count; ++i) {
        QImage image = draw::transparent(size);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paint(p, i, count);
        p.end();
        out.push_back(image);
    }
    return out;
}

// A playing card with a red diamond nine look: white face, rounded, pips.
void card(QPainter &p, const QRectF &box, int suit, const QString &rank) {
    QPainterPath shape;
    shape.addRoundedRect(box, box.width() * 0.12, box.width() * 0.12);
    p.fillPath(shape.translated(1.5, 1.5), QColor(0, 0, 0, 70));
    QLinearGradient face(box.topLeft(), box.bottomRight());
    face.setColorAt(0, QColor(255, 255, 255));
    face.setColorAt(1, QColor(236, 232, 222));
    p.fillPath(shape, face);
    p.setPen(QPen(QColor(90, 90, 90), 0.8));
    p.drawPath(shape);
    const QColor ink = suit == 1 || suit == 2 ? QColor(200, 20, 30) : QColor(20, 20, 30);
    const qreal pip = box.width() * 0.42;
    p.fillPath(draw::suit(suit, QRectF(box.center() - QPointF(pip / 2, pip / 2), QSizeF(pip, pip))),
               ink);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(box.height() * 0.2)));
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QRectF(box.left() + 2, box.top() + 1, box.width() * 0.4, box.height() * 0.25),
               Qt::AlignCenter, rank);
}

void sparkle(QPainter &p, QPointF at, qreal size, qreal strength) {
    if (strength <= 0)
        return;
    QColor c(255, 250, 200, int(255 * qMin(1.0, strength)));
    p.setPen(QPen(c, size * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at - QPointF(size, 0), at + QPointF(size, 0));
    p.drawLine(at - QPointF(0, size), at + QPointF(0, size));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, c.alpha()));
    p.drawEllipse(at, size * 0.25, size * 0.25);
}

void trophy(QPainter &p, const QRectF &box) {
    const qreal w = box.width(), h = box.height();
    QPainterPath cup;
    cup.moveTo(box.left() + w * 0.18, box.top());
    cup.lineTo(box.right() - w * 0.18, box.top());
    cup.cubicTo(box.right() - w * 0.18, box.top() + h * 0.5, box.center().x() + w * 0.1,
                box.top() + h * 0.58, box.center().x() + w * 0.06, box.top() + h * 0.66);
    cup.lineTo(box.center().x() + w * 0.06, box.top() + h * 0.8);
    cup.lineTo(box.center().x() + w * 0.24, box.top() + h * 0.86);
    cup.lineTo(box.center().x() + w * 0.24, box.bottom());
    cup.lineTo(box.center().x() - w * 0.24, box.bottom());
    cup.lineTo(box.center().x() - w * 0.24, box.top() + h * 0.86);
    cup.lineTo(box.center().x() - w * 0.06, box.top() + h * 0.8);
    cup.lineTo(box.center().x() - w * 0.06, box.top() + h * 0.66);
    cup.cubicTo(box.center().x() - w * 0.1, box.top() + h * 0.58, box.left() + w * 0.18,
                box.top() + h * 0.5, box.left() + w * 0.18, box.top());
    cup.closeSubpath();
    // Handles.
    QPainterPath handles;
    handles.addEllipse(QRectF(box.left(), box.top() + h * 0.06, w * 0.3, h * 0.3));
    handles.addEllipse(QRectF(box.right() - w * 0.3, box.top() + h * 0.06, w * 0.3, h * 0.3));
    QPainterPath holes;
    holes.addEllipse(QRectF(box.left() + w * 0.06, box.top() + h * 0.12, w * 0.18, h * 0.18));
    holes.addEllipse(QRectF(box.right() - w * 0.24, box.top() + h * 0.12, w * 0.18, h * 0.18));
    const QPainterPath shape = cup.united(handles.subtracted(holes));
    p.fillPath(shape.translated(1.5, 2), QColor(0, 0, 0, 60));
    QLinearGradient g(box.topLeft(), box.topRight());
    g.setColorAt(0.0, QColor(150, 100, 20));
    g.setColorAt(0.35, QColor(255, 236, 150));
    g.setColorAt(0.6, QColor(226, 172, 50));
    g.setColorAt(1.0, QColor(130, 84, 14));
    p.fillPath(shape, g);
    p.setPen(QPen(QColor(110, 70, 10), 0.9));
    p.drawPath(shape);
}

void gemDiamond(QPainter &p, const QRectF &box, qreal light) {
    const QPainterPath d = draw::diamond(box);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, QColor(255, int(90 + 100 * light), int(90 + 100 * light)));
    g.setColorAt(0.5, QColor(214, 24, 36));
    g.setColorAt(1, QColor(120, 6, 14));
    p.fillPath(d.translated(1, 1.5), QColor(0, 0, 0, 60));
    p.fillPath(d, g);
    p.setPen(QPen(QColor(90, 0, 8), 0.9));
    p.drawPath(d);
}

std::vector<QImage> genCount() {
    return frames({100, 90}, 24, [](QPainter &p, int f, int n) {
        // Open from frame 0 to 12, stay open to 16, then close.
        const qreal t = f <= 12 ? f / 12.0 : f <= 16 ? 1.0 : 1.0 - (f - 16) / double(n - 16);
        const qreal spread = 28 * (0.5 - 0.5 * std::cos(t * M_PI));
        const int suits[] = {4, 3, 2};
        const QString ranks[] = {QStringLiteral("K"), QStringLiteral("Q"), QStringLiteral("9")};
        for (int i = 0; i < 3; ++i) {
            p.save();
            p.translate(50, 82);
            p.rotate((i - 1) * spread);
            card(p, QRectF(-19, -70, 38, 54), suits[i], ranks[i]);
            p.restore();
        }
        sparkle(p, QPointF(82, 14), 7, t);
        sparkle(p, QPointF(16, 22), 5, t * 0.7);
    });
}

// The club emblems, drawn in a 60 x 75 box.
Painter clubPainter(char which) {
    switch (which) {
    case 'A': // a crown with a running glint
        return [](QPainter &p, int f, int n) {
            QPainterPath crown;
            crown.moveTo(8, 58);
            crown.lineTo(5, 24);
            crown.lineTo(18, 38);
            crown.lineTo(30, 16);
            crown.lineTo(42, 38);
            crown.lineTo(55, 24);
            crown.lineTo(52, 58);
            crown.closeSubpath();
            p.fillPath(crown.translated(1.5, 2), QColor(0, 0, 0, 60));
            p.fillPath(crown, draw::gold(crown.boundingRect()));
            p.setPen(QPen(QColor(120, 80, 10), 1));
            p.drawPath(crown);
            for (QPointF jewel : {QPointF(18, 50), QPointF(30, 50), QPointF(42, 50)}) {
                p.setBrush(QColor(200, 20, 40));
                p.drawEllipse(jewel, 3.5, 3.5);
            }
            const qreal x = -10 + 80.0 * f / (n - 1);
            QLinearGradient glint(x - 6, 0, x + 6, 0);
            glint.setColorAt(0, QColor(255, 255, 255, 0));
            glint.setColorAt(0.5, QColor(255, 255, 255, 170));
            glint.setColorAt(1, QColor(255, 255, 255, 0));
            p.fillPath(crown, glint);
        };
    case 'B': // a spinning star
        return [](QPainter &p, int f, int n) {
            const qreal squeeze = std::abs(std::cos(f * M_PI / n));
            p.translate(30, 38);
            p.scale(qMax(0.08, squeeze), 1);
            const QPainterPath s = draw::star(QPointF(0, 0), 26, 11);
            p.fillPath(s, draw::gold(s.boundingRect()));
            p.setPen(QPen(QColor(120, 80, 10), 1));
            p.drawPath(s);
        };
    case 'C': // the nine of diamonds turning over
        return [](QPainter &p, int f, int n) {
            const qreal angle = f * 2 * M_PI / n;
            const qreal squeeze = std::cos(angle);
            p.translate(30, 38);
            p.scale(qMax(0.06, std::abs(squeeze)), 1);
            if (squeeze >= 0) {
                card(p, QRectF(-22, -32, 44, 64), 2, QStringLiteral("9"));
            } else {
                QPainterPath back;
                back.addRoundedRect(QRectF(-22, -32, 44, 64), 5, 5);
                QLinearGradient g(0, -32, 0, 32);
                g.setColorAt(0, QColor(40, 60, 150));
                g.setColorAt(1, QColor(20, 30, 90));
                p.fillPath(back, g);
                p.setPen(QPen(QColor(220, 200, 120), 1.5));
                p.drawRoundedRect(QRectF(-18, -28, 36, 56), 4, 4);
            }
        };
    case 'E': // a tournament cup that shines
        return [](QPainter &p, int f, int n) {
            trophy(p, QRectF(8, 10, 44, 58));
            sparkle(p, QPointF(44, 16), 6, 0.5 + 0.5 * std::sin(f * 2 * M_PI / n));
            sparkle(p, QPointF(14, 30), 4, 0.5 - 0.5 * std::sin(f * 2 * M_PI / n));
        };
    case 'F': // the club's diamond, pulsing, with sparks
        return [](QPainter &p, int f, int n) {
            const qreal pulse = 0.5 + 0.5 * std::sin(f * 2 * M_PI / n);
            const qreal grow = 2 * pulse;
            gemDiamond(p, QRectF(12 - grow, 10 - grow, 36 + 2 * grow, 54 + 2 * grow), pulse);
            sparkle(p, QPointF(48, 14), 5, pulse);
            sparkle(p, QPointF(12, 62), 4, 1 - pulse);
        };
    case 'D': // a fan of four aces opening and closing
        return [](QPainter &p, int f, int n) {
            const qreal open = 0.5 - 0.5 * std::cos(f * 2 * M_PI / n);
            for (int suit = 1; suit <= 4; ++suit) {
                p.save();
                p.translate(30, 66);
                p.rotate((suit - 2.5) * 16 * open);
                card(p, QRectF(-15, -56, 30, 42), suit, QStringLiteral("A"));
                p.restore();
            }
        };
    case 'G': // two screens with a signal passing between them
    default:
        return [](QPainter &p, int f, int n) {
            for (int side = 0; side < 2; ++side) {
                const QRectF screen(side == 0 ? 2 : 34, 40, 24, 18);
                p.setPen(QPen(QColor(50, 50, 60), 1.2));
                QLinearGradient g(screen.topLeft(), screen.bottomLeft());
                g.setColorAt(0, QColor(110, 170, 240));
                g.setColorAt(1, QColor(30, 70, 150));
                p.setBrush(g);
                p.drawRoundedRect(screen, 2, 2);
                p.setBrush(QColor(70, 70, 80));
                p.drawRect(QRectF(screen.center().x() - 3, screen.bottom(), 6, 5));
                p.drawRect(QRectF(screen.center().x() - 8, screen.bottom() + 5, 16, 3));
            }
            const qreal t = double(f) / n;
            for (int wave = 0; wave < 3; ++wave) {
                const qreal r = 6 + 16 * std::fmod(t + wave / 3.0, 1.0);
                QColor c(220, 30, 40, int(230 * (1 - (r - 6) / 16)));
                p.setPen(QPen(c, 1.6));
                p.setBrush(Qt::NoBrush);
                p.drawArc(QRectF(30 - r, 30 - r, 2 * r, 2 * r), 30 * 16, 120 * 16);
            }
            gemDiamond(p, QRectF(25, 22, 10, 14), 0.5);
        };
    }
}

} // namespace

std::vector<QImage> clubAnimation(char which, QSize size) {
    const Painter emblem = clubPainter(which);
    // The 60 x 75 design scaled evenly into the box and centred.
    const qreal scale = std::min(size.width() / 60.0, size.height() / 75.0);
    return frames(size, 16, [&](QPainter &p, int f, int n) {
        p.translate((size.width() - 60 * scale) / 2, (size.height() - 75 * scale) / 2);
        p.scale(scale, scale);
        emblem(p, f, n);
    });
}

namespace {

std::vector<QImage> topTen() {
    return frames({140, 110}, 20, [](QPainter &p, int f, int n) {
        trophy(p, QRectF(38, 12, 64, 86));
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setBold(true);
        font.setPixelSize(20);
        QPainterPath ten;
        ten.addText(0, 0, font, QStringLiteral("10"));
        ten.translate(QPointF(70, 40) - ten.boundingRect().center());
        p.fillPath(ten.translated(1, 1), QColor(90, 50, 0));
        p.fillPath(ten, QColor(160, 20, 30));
        const QPointF stars[] = {{16, 20}, {122, 26}, {24, 80}, {118, 84}, {70, 6}};
        for (int i = 0; i < 5; ++i) {
            const qreal phase = std::sin((f + i * 4) * 2 * M_PI / n);
            sparkle(p, stars[i], 6 + 2 * phase, 0.5 + 0.5 * phase);
        }
    });
}

// A firework burst at `centre`, age 0..1.
void burst(QPainter &p, QPointF centre, qreal age, QColor colour) {
    if (age <= 0 || age > 1)
        return;
    const int rays = 14;
    const qreal radius = 10 + 50 * std::sqrt(age);
    for (int i = 0; i < rays; ++i) {
        const qreal a = i * 2 * M_PI / rays;
        const QPointF tip =
            centre + QPointF(std::cos(a) * radius, std::sin(a) * radius + 10 * age * age);
        QColor c = colour;
        c.setAlpha(int(255 * (1 - age * age)));
        p.setPen(QPen(c, 2.2 - 1.4 * age, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(centre + (tip - centre) * 0.7, tip);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 230, c.alpha()));
        p.drawEllipse(tip, 1.6, 1.6);
    }
}

void laurel(QPainter &p, QPointF c, qreal r) {
    for (int side = -1; side <= 1; side += 2) {
        for (int i = 0; i < 9; ++i) {
            const qreal angle = M_PI / 2 + side * (0.35 + i * 0.27);
            const QPointF at = c + QPointF(std::cos(angle) * r, std::sin(angle) * r);
            p.save();
            p.translate(at);
            p.rotate(qRadiansToDegrees(angle) + (side > 0 ? 60 : 120));
            QPainterPath leaf;
            leaf.moveTo(-10, 0);
            leaf.quadTo(0, -6, 10, 0);
            leaf.quadTo(0, 6, -10, 0);
            p.fillPath(leaf, QColor(80, 140, 50));
            p.setPen(QPen(QColor(30, 80, 20), 0.8));
            p.drawPath(leaf);
            p.restore();
        }
    }
}

std::vector<QImage> endBest() {
    return frames({300, 200}, 32, [](QPainter &p, int f, int) {
        trophy(p, QRectF(112, 88, 76, 104));
        const struct {
            QPointF at;
            int start;
            QColor colour;
        } shells[] = {{{70, 60}, 0, QColor(255, 80, 80)},
                      {{230, 50}, 6, QColor(255, 220, 60)},
                      {{150, 36}, 12, QColor(120, 200, 255)},
                      {{90, 40}, 18, QColor(180, 120, 255)},
                      {{210, 80}, 22, QColor(120, 255, 140)}};
        for (const auto &shell : shells)
            burst(p, shell.at, (f - shell.start) / 12.0, shell.colour);
    });
}

std::vector<QImage> endGood() {
    return frames({300, 200}, 30, [](QPainter &p, int f, int n) {
        laurel(p, QPointF(150, 110), 70);
        const QPainterPath s = draw::star(QPointF(150, 110), 34, 14);
        p.fillPath(s, draw::gold(s.boundingRect()));
        p.setPen(QPen(QColor(120, 80, 10), 1));
        p.drawPath(s);
        draw::Noise noise(7);
        for (int i = 0; i < 12; ++i) {
            const qreal x = 20 + noise.unit() * 260;
            const qreal speed = 0.6 + noise.unit() * 0.8;
            const qreal y = 200 - std::fmod((f * speed * 200.0 / n) + noise.unit() * 200, 200);
            const QPainterPath small = draw::star(QPointF(x, y), 6, 2.5, f * 0.2 + i);
            QColor c = QColor::fromHsv(int(noise.unit() * 360), 160, 255);
            p.fillPath(small, c);
        }
    });
}

std::vector<QImage> endBads() {
    return frames({300, 200}, 12, [](QPainter &p, int f, int n) {
        p.save();
        p.translate(150, 150);
        p.rotate(-8);
        card(p, QRectF(-24, -34, 48, 68), 2, QStringLiteral("6"));
        p.restore();
        // The cloud.
        QPainterPath cloud;
        cloud.setFillRule(Qt::WindingFill);
        for (QRectF puff : {QRectF(88, 20, 60, 44), QRectF(124, 8, 70, 56), QRectF(170, 22, 54, 40),
                            QRectF(100, 36, 120, 32)})
            cloud.addEllipse(puff);
        cloud = cloud.simplified();
        QLinearGradient grey(0, 8, 0, 68);
        grey.setColorAt(0, QColor(190, 196, 206));
        grey.setColorAt(1, QColor(110, 116, 130));
        p.fillPath(cloud, grey);
        p.setPen(QPen(QColor(90, 96, 110), 1));
        p.drawPath(cloud);
        // Drops falling in a loop.
        draw::Noise noise(3);
        p.setPen(QPen(QColor(70, 120, 220, 210), 2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 16; ++i) {
            const qreal x = 104 + noise.unit() * 110;
            const qreal offset = noise.unit();
            const qreal y = 66 + std::fmod(offset + double(f) / n, 1.0) * 120;
            p.drawLine(QPointF(x, y), QPointF(x - 2, y + 8));
        }
    });
}

} // namespace

void drawAnimations(Output &out) {
    out.addGif(QStringLiteral("GGenCount"), genCount(), 80);
    for (char which : {'A', 'B', 'C', 'E', 'F', 'G'})
        out.addGif(QStringLiteral("GClub") + QLatin1Char(which), clubAnimation(which, {60, 75}),
                   90);
    out.addGif(QStringLiteral("GTopTen"), topTen(), 90);
    out.addGif(QStringLiteral("GEndBest"), endBest(), 80);
    out.addGif(QStringLiteral("GEndGood"), endGood(), 80);
    out.addGif(QStringLiteral("GEndBads"), endBads(), 110);
}
