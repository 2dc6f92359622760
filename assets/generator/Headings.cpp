// The main window's heading pictures with lettering in each language: the
// product heading "Cap" + picture code above the club list, and the club
// headings "Elite" + code (local club) and "Net__" + code (network club).
// They are drawn in warm red and gold so that every colour variant of the
// heading (the player cycles them with a click) gives a distinct look.

#include "Art.h"
#include "Output.h"
#include "Pictures.h"

#include "lang/Language.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The pictures are drawn at the large window's scale (2.0) and reduced when shown.
constexpr int Scale = 2;
const QSize productSize(400 * Scale, 56 * Scale);
const QSize clubSize(400 * Scale, 28 * Scale);

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The product title without the program's name: "Quarn - Nine of Diamonds"
// gives "Nine of Diamonds".
QString productSubtitle(int language) {
    const QString title = fromUtf8(quarn::text(quarn::WordEntry::ProductTitle, language));
    const int dash = title.indexOf(QStringLiteral(" - "));
    return dash >= 0 ? title.mid(dash + 3) : title;
}

bool needsCjkFont(int language) {
    return language == quarn::Chinese || language == quarn::Japanese || language == quarn::Korean;
}

// The largest font of the family that sets `text` within `box`.
QFont fittedFont(const QString &text, const QSizeF &box, int language, bool italic) {
    QFont font(needsCjkFont(language) ? QStringLiteral("WenQuanYi Micro Hei")
                                      : QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(italic && !needsCjkFont(language));
    for (int pixels = int(box.height()); pixels > 8; --pixels) {
        font.setPixelSize(pixels);
        const QFontMetricsF metrics(font);
        if (metrics.horizontalAdvance(text) <= box.width() &&
            metrics.height() <= box.height() * 1.25)
            break;
    }
    return font;
}

QPainterPath centredText(const QString &text, const QFont &font, const QRectF &box) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    path.translate(box.center() - bounds.center());
    return path;
}

// Gold letters with a dark red rim and a soft shadow.
void paintLettering(QPainter &painter, const QPainterPath &letters, qreal rim) {
    art::dropShadow(painter, letters, QPointF(rim * 0.8, rim * 1.2), rim * 1.5,
                    QColor(40, 0, 0, 170));
    painter.setPen(QPen(QColor(110, 12, 18), rim, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(letters);
    art::fillGold(painter, letters, letters.boundingRect());
}

// A small red diamond with a light edge, the emblem of the club.
void paintDiamond(QPainter &painter, QPointF centre, qreal half) {
    QPainterPath diamond;
    diamond.moveTo(centre.x(), centre.y() - half * 1.3);
    diamond.lineTo(centre.x() + half, centre.y());
    diamond.lineTo(centre.x(), centre.y() + half * 1.3);
    diamond.lineTo(centre.x() - half, centre.y());
    diamond.closeSubpath();
    art::dropShadow(painter, diamond, QPointF(2, 3), 3, QColor(40, 0, 0, 150));
    QLinearGradient red(centre - QPointF(half, half), centre + QPointF(half, half));
    red.setColorAt(0.0, QColor(255, 110, 100));
    red.setColorAt(0.5, QColor(205, 20, 30));
    red.setColorAt(1.0, QColor(120, 5, 15));
    painter.setPen(QPen(QColor(255, 225, 150), 2));
    painter.setBrush(red);
    painter.drawPath(diamond);
}

QImage productHeading(int language) {
    QImage picture = art::transparent(productSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = productSize.height();
    const QRectF textBox(h * 0.9, h * 0.08, productSize.width() - h * 1.8, h * 0.84);
    const QString text = productSubtitle(language);
    const QPainterPath letters =
        centredText(text, fittedFont(text, textBox.size(), language, false), textBox);
    paintLettering(painter, letters, 5);
    // Nine diamonds would crowd the line: one on each side of the title.
    const qreal gap = h * 0.42;
    paintDiamond(painter, QPointF(letters.boundingRect().left() - gap, h / 2), h * 0.17);
    paintDiamond(painter, QPointF(letters.boundingRect().right() + gap, h / 2), h * 0.17);
    return picture;
}

// A thin gold rule with a dot at its end, on each side of a club heading.
void paintRules(QPainter &painter, const QRectF &letters, QSize size) {
    const qreal y = size.height() / 2.0;
    const qreal gap = size.height() * 0.3;
    QPen pen(QColor(215, 165, 60), 3, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    const qreal leftEnd = std::max<qreal>(12, letters.left() - gap - size.width() * 0.16);
    const qreal rightEnd =
        std::min<qreal>(size.width() - 12, letters.right() + gap + size.width() * 0.16);
    painter.drawLine(QPointF(leftEnd, y), QPointF(letters.left() - gap, y));
    painter.drawLine(QPointF(letters.right() + gap, y), QPointF(rightEnd, y));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 30, 35));
    painter.drawEllipse(QPointF(leftEnd, y), 5, 5);
    painter.drawEllipse(QPointF(rightEnd, y), 5, 5);
}

// Two linked rings: the mark of the network club.
void paintLinks(QPainter &painter, QPointF centre, qreal radius) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(215, 165, 60), radius * 0.32));
    painter.drawEllipse(centre - QPointF(radius * 0.55, 0), radius, radius);
    painter.setPen(QPen(QColor(190, 30, 35), radius * 0.32));
    painter.drawEllipse(centre + QPointF(radius * 0.55, 0), radius, radius);
}

QImage clubHeading(int language, bool network) {
    QImage picture = art::transparent(clubSize);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal h = clubSize.height();
    const qreal mark = network ? h * 1.2 : 0;
    const QRectF textBox(h * 1.6 + mark, h * 0.06, clubSize.width() - h * 3.2 - mark, h * 0.88);
    const QString text = fromUtf8(quarn::text(quarn::WordEntry::ClubName, language));
    QPainterPath letters =
        centredText(text, fittedFont(text, textBox.size(), language, true), textBox);
    if (network)
        letters.translate(mark / 2, 0);
    QRectF ruled = letters.boundingRect();
    if (network) {
        const QPointF linkCentre(ruled.left() - h * 0.6, h / 2);
        paintLinks(painter, linkCentre, h * 0.2);
        ruled.setLeft(linkCentre.x() - h * 0.4);
    }
    paintRules(painter, ruled, clubSize);
    paintLettering(painter, letters, 3);
    return picture;
}

} // namespace

void drawHeadings(Output &out) {
    for (int language = 0; language < quarn::languageCount; ++language) {
        const QString code = fromUtf8(quarn::pictureCode(language));
        // Japanese and Korean share the English pictures.
        if (language == quarn::Japanese || language == quarn::Korean)
            continue;
        if (language != quarn::Czech)
            out.add(QStringLiteral("png"), QStringLiteral("Cap") + code, productHeading(language));
        out.add(QStringLiteral("png"), QStringLiteral("Elite") + code,
                clubHeading(language, false));
        out.add(QStringLiteral("png"), QStringLiteral("Net__") + code, clubHeading(language, true));
    }
}
