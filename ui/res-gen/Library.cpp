// The graphics library WemCGraph1.dll: the "Purple" design in purple velvet
// and gold.
//  "BGLilu"                    760 x 500 JPEG, the main menu and table background
//  "GForm" + W                 JPEG at window W's client size
//  "GForm" + W + code          PNG heading in each picture code, gold lettering
//  concise (+ code)            PNG heading of the "Gray concise" band, 48 px high
//  "GFormCountL" ...           language-neutral headings over the red ribbons
//  "GIcon48" + W               48 x 48 PNG emblem in a gold medallion
//  "GIcon48COunt"              60 frames of 48 x 48: the medallion with a running glint
//  "GTouch"                    30 frames of 100 x 100: a golden ripple with sparks
//  "GifA" ... "GifG"           70 x 70 GIF club emblems (the program's own, larger)

#include "Drawing.h"

#include "lang/Language.h"
#include "ui/LibraryWindows.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

#include <algorithm>
#include <string>

namespace {

using namespace quarn;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

const QColor deepPurple(24, 4, 40);
const QColor velvet(86, 22, 124);
const QColor goldLight(255, 236, 160);
const QColor goldMid(228, 178, 58);
const QColor goldDark(140, 88, 18);

QLinearGradient goldDown(const QRectF &box) {
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0, goldLight);
    g.setColorAt(0.45, goldMid);
    g.setColorAt(0.55, QColor(200, 140, 36));
    g.setColorAt(1, goldDark);
    return g;
}

// A soft copy of a picture: reduced and enlarged again smoothly (a cheap blur).
QImage softened(const QImage &image, int factor) {
    const QSize small(std::max(1, image.width() / factor), std::max(1, image.height() / factor));
    return image.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// ---- Velvet backgrounds ----------------------------------------------------

void velvetBase(QPainter &p, QSize size, unsigned seed) {
    const QRectF all(QPointF(0, 0), QSizeF(size));
    QLinearGradient base(all.topLeft(), all.bottomRight());
    base.setColorAt(0, QColor(46, 10, 72));
    base.setColorAt(0.5, velvet);
    base.setColorAt(1, QColor(30, 6, 52));
    p.fillRect(all, base);

    // A light from above the middle.
    QRadialGradient light(QPointF(size.width() / 2.0, size.height() * 0.28),
                          std::max(size.width(), size.height()) * 0.7);
    light.setColorAt(0, QColor(170, 90, 220, 110));
    light.setColorAt(1, QColor(170, 90, 220, 0));
    p.fillRect(all, light);

    // A damask lattice of fine lines with small diamonds at the crossings.
    const int step = 28;
    p.setPen(QPen(QColor(215, 170, 255, 20), 1));
    for (int d = -size.height(); d < size.width(); d += step) {
        p.drawLine(QPointF(d, 0), QPointF(d + size.height(), size.height()));
        p.drawLine(QPointF(d + size.height(), 0), QPointF(d, size.height()));
    }
    p.setPen(Qt::NoPen);
    for (int y = 0; y <= size.height() + step; y += step) {
        for (int x = (y / step) % 2 == 0 ? 0 : step / 2; x <= size.width() + step; x += step) {
            p.fillPath(draw::diamond(QRectF(x - 2.5, y - 3.5, 5, 7)), QColor(255, 215, 120, 26));
        }
    }

    // Velvet grain.
    draw::Noise noise(seed);
    for (int i = 0; i < size.width() * size.height() / 6; ++i) {
        const QPointF at(noise.unit() * size.width(), noise.unit() * size.height());
        p.fillRect(QRectF(at, QSizeF(1, 1)),
                   noise.unit() < 0.5 ? QColor(0, 0, 0, 22) : QColor(255, 220, 255, 14));
    }

    // Darker corners.
    QRadialGradient vignette(all.center(), std::hypot(size.width(), size.height()) / 2);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 0, 150));
    p.fillRect(all, vignette);
}

// A gold scroll in a corner: a diamond and two curls, mirrored by (sx, sy).
void cornerFlourish(QPainter &p, QPointF corner, qreal sx, qreal sy, qreal size) {
    p.save();
    p.translate(corner);
    p.scale(sx, sy);
    QPainterPath curl;
    curl.moveTo(size * 0.15, size * 0.95);
    curl.cubicTo(size * 0.15, size * 0.4, size * 0.4, size * 0.15, size * 0.95, size * 0.15);
    curl.moveTo(size * 0.35, size * 0.95);
    curl.cubicTo(size * 0.35, size * 0.55, size * 0.55, size * 0.35, size * 0.95, size * 0.35);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 120), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl.translated(1, 1));
    p.setPen(QPen(QBrush(goldDown(QRectF(0, 0, size, size))), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(curl);
    const QPainterPath gem =
        draw::diamond(QRectF(size * 0.05, size * 0.05, size * 0.22, size * 0.3));
    p.fillPath(gem, goldDown(gem.boundingRect()));
    p.restore();
}

// The gold border with a scroll in each corner; `withTopLeft` false leaves
// the top left corner to the window's icon medallion.
void goldFrame(QPainter &p, QSize size, bool withTopLeft = true) {
    const QRectF outer(1.5, 1.5, size.width() - 3, size.height() - 3);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(goldDown(outer)), 3));
    p.drawRect(outer);
    p.setPen(QPen(QColor(255, 220, 140, 150), 1));
    p.drawRect(outer.adjusted(5, 5, -5, -5));
    const qreal flourish = std::min(40.0, std::min(size.width(), size.height()) / 8.0);
    if (withTopLeft)
        cornerFlourish(p, QPointF(4, 4), 1, 1, flourish);
    cornerFlourish(p, QPointF(size.width() - 4, 4), -1, 1, flourish);
    cornerFlourish(p, QPointF(4, size.height() - 4), 1, -1, flourish);
    cornerFlourish(p, QPointF(size.width() - 4, size.height() - 4), -1, -1, flourish);
}

// The enamel disc in a gold ring on which the window's icon stands.
void medallion(QPainter &p, QPointF centre, qreal radius) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 110));
    p.drawEllipse(centre + QPointF(1.5, 2), radius + 1, radius + 1);
    QRadialGradient enamel(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    enamel.setColorAt(0, QColor(150, 70, 200));
    enamel.setColorAt(0.6, QColor(70, 16, 110));
    enamel.setColorAt(1, deepPurple);
    p.setBrush(enamel);
    p.drawEllipse(centre, radius, radius);
    const QRectF ring(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
    QLinearGradient rim(ring.topLeft(), ring.bottomRight());
    rim.setColorAt(0, goldLight);
    rim.setColorAt(0.5, goldMid);
    rim.setColorAt(1, goldDark);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(rim), radius / 8));
    p.drawEllipse(ring.adjusted(radius / 16, radius / 16, -radius / 16, -radius / 16));
}

QImage windowBackground(const LibraryWindow &window, unsigned seed) {
    const QSize size(window.width, window.height);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    velvetBase(p, size, seed);
    // A glow behind the heading: a circle's gradient pressed flat.
    p.save();
    p.translate(size.width() / 2.0, 38);
    p.scale(1, 0.22);
    const qreal haloRadius = window.headingWidth * 0.65;
    QRadialGradient halo(QPointF(0, 0), haloRadius);
    halo.setColorAt(0, QColor(230, 170, 255, 80));
    halo.setColorAt(1, QColor(230, 170, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(QPointF(0, 0), haloRadius, haloRadius);
    p.restore();
    // A gold rule under the heading, kept clear of the icon.
    const qreal ruleY = 78;
    QLinearGradient rule(72, 0, size.width() - 16, 0);
    rule.setColorAt(0, QColor(228, 178, 58, 0));
    rule.setColorAt(0.5, QColor(228, 178, 58, 200));
    rule.setColorAt(1, QColor(228, 178, 58, 0));
    p.setPen(QPen(QBrush(rule), 1.2));
    p.drawLine(QPointF(72, ruleY), QPointF(size.width() - 16, ruleY));
    goldFrame(p, size, false);
    // The icon's place at (9, 22).
    medallion(p, QPointF(9 + 24, 22 + 24), 25);
    p.end();
    return image;
}

QImage menuBackground() {
    const QSize size(purpleMenuWidth, purpleMenuHeight);
    QImage image(size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    velvetBase(p, size, 4242);
    // A large faint diamond in the middle, like a watermark in the cloth.
    const QRectF mark(size.width() / 2.0 - 120, size.height() / 2.0 - 170, 240, 340);
    p.fillPath(draw::diamond(mark), QColor(255, 210, 120, 16));
    p.setPen(QPen(QColor(255, 210, 120, 40), 1.5));
    p.drawPath(draw::diamond(mark.adjusted(12, 16, -12, -16)));
    goldFrame(p, size);
    p.end();
    return image;
}

// ---- Lettering ---------------------------------------------------------------

enum class Lettering { Gold, Plum };

QFont headingFont(bool cjk, int pixelSize) {
    QFont font;
    if (cjk) {
        font.setFamilies({QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("DejaVu Sans")});
    } else {
        font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif"),
                          QStringLiteral("WenQuanYi Micro Hei")});
        font.setItalic(true);
        font.setLetterSpacing(QFont::AbsoluteSpacing, 0.6);
    }
    font.setBold(true);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

bool hasCjk(const QString &text) {
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() >= 0x2E80; });
}

// The text as an outline, as large as fits the box less a margin, centred.
QPainterPath fittedText(const QString &text, QSizeF box, qreal margin) {
    const bool cjk = hasCjk(text);
    for (int pixels = int(box.height() * 0.62); pixels >= 8; --pixels) {
        QPainterPath path;
        path.addText(0, 0, headingFont(cjk, pixels), text);
        const QRectF bounds = path.boundingRect();
        if (bounds.width() <= box.width() - 2 * margin &&
            bounds.height() <= box.height() - 2 * margin)
            return path.translated(box.width() / 2 - bounds.center().x(),
                                   box.height() / 2 - bounds.center().y());
    }
    QPainterPath path;
    path.addText(0, 0, headingFont(cjk, 8), text);
    return path.translated(margin - path.boundingRect().left(),
                           box.height() / 2 - path.boundingRect().center().y());
}

// A heading on a transparent ground: gold with a dark outline and shadow for
// the purple and red grounds, plum with a gold edge for the gray band.
QImage lettering(const QString &text, QSize size, Lettering style, qreal centreY = -1) {
    QPainterPath path = fittedText(text, QSizeF(size), style == Lettering::Gold ? 7 : 4);
    if (centreY >= 0)
        path.translate(0, centreY - path.boundingRect().center().y());
    const QRectF bounds = path.boundingRect();

    QImage shadow = draw::transparent(size);
    {
        QPainter p(&shadow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(0, 0, 0, style == Lettering::Gold ? 230 : 90), 4, Qt::SolidLine,
                      Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(0, 0, 0, style == Lettering::Gold ? 230 : 90));
        p.drawPath(path.translated(1.5, 2));
    }
    shadow = softened(shadow, 3);

    QImage image = draw::transparent(size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, shadow);
    if (style == Lettering::Gold) {
        p.strokePath(path, QPen(QColor(50, 12, 70), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.fillPath(path, goldDown(bounds));
        // A bright edge along the top of the letters.
        p.save();
        p.setClipPath(path);
        p.strokePath(path.translated(0, 1), QPen(QColor(255, 250, 220, 120), 0.8));
        p.restore();
    } else {
        p.strokePath(path,
                     QPen(QColor(236, 190, 80), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QLinearGradient plum(bounds.topLeft(), bounds.bottomLeft());
        plum.setColorAt(0, QColor(130, 40, 170));
        plum.setColorAt(1, QColor(52, 8, 78));
        p.fillPath(path, plum);
    }
    p.end();
    return image;
}

// ---- Icons ---------------------------------------------------------------------

QString emblemGlyph(std::string_view window) {
    static const std::pair<std::string_view, char16_t> glyphs[] = {
        {"Opt", u'\u2699'},         {"Count", u'\u2139'},
        {"History", u'\u2630'},     {"TopTen", u'\u265B'},
        {"End", u'\u2605'},         {"Radio", u'\u266B'},
        {"Acc", u'\u263A'},         {"AccInfo", u'\u270D'},
        {"ServerWrite", u'\u270E'}, {"ServerRead", u'\u2691'},
        {"ServerInfo", u'\u272A'},  {"Chat", u'\u2709'},
        {"Tour", u'\u2660'},        {"TourTop", u'\u265A'},
        {"Speed", u'\u27A4'},       {"Help", u'?'},
        {"About", u'\u00A9'},
    };
    for (const auto &[name, glyph] : glyphs)
        if (name == window)
            return QString(QChar(glyph));
    return QString(QChar(u'\u2666'));
}

void drawEmblem(QPainter &p, std::string_view window, QRectF box) {
    QPainterPath shape;
    if (window == "Stat") {
        // Three rising bars.
        const qreal w = box.width() / 5;
        for (int i = 0; i < 3; ++i) {
            const qreal h = box.height() * (0.4 + 0.3 * i);
            shape.addRect(QRectF(box.left() + w * 0.4 + i * w * 1.6, box.bottom() - h, w, h));
        }
    } else {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(int(box.height()));
        shape.addText(0, 0, font, emblemGlyph(window));
        const QRectF b = shape.boundingRect();
        const qreal scale = std::min(box.width() / b.width(), box.height() / b.height());
        QTransform fit;
        fit.translate(box.center().x(), box.center().y());
        fit.scale(scale, scale);
        fit.translate(-b.center().x(), -b.center().y());
        shape = fit.map(shape);
    }
    p.fillPath(shape.translated(1, 1.2), QColor(0, 0, 0, 150));
    p.fillPath(shape, goldDown(shape.boundingRect()));
    p.strokePath(shape, QPen(QColor(255, 245, 200, 90), 0.6));
}

QImage windowIcon(std::string_view window) {
    QImage image = draw::transparent({libraryIconSide, libraryIconSide});
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    medallion(p, QPointF(23.5, 23.5), 22);
    drawEmblem(p, window, QRectF(12, 12, 24, 24));
    p.end();
    return image;
}

// The game information window's icon: the medallion with a glint running
// round the ring and the emblem breathing, frame by frame.
QImage countIconStripPicture() {
    const int side = libraryIconSide;
    QImage strip = draw::transparent({side * countIconFrames, side});
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    for (int f = 0; f < countIconFrames; ++f) {
        p.save();
        p.translate(f * side, 0);
        p.setClipRect(0, 0, side, side);
        const QPointF centre(23.5, 23.5);
        medallion(p, centre, 22);
        const qreal phase = f * 2 * M_PI / countIconFrames;
        const qreal grow = 1.5 * std::sin(phase * 2);
        drawEmblem(p, "Count", QRectF(12 - grow, 12 - grow, 24 + 2 * grow, 24 + 2 * grow));
        const QPointF glint = centre + QPointF(std::cos(phase), std::sin(phase)) * 20.5;
        QRadialGradient spark(glint, 6);
        spark.setColorAt(0, QColor(255, 255, 235, 240));
        spark.setColorAt(1, QColor(255, 240, 180, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(spark);
        p.drawEllipse(glint, 6, 6);
        p.restore();
    }
    p.end();
    return strip;
}

// The click ripple: two gold rings widen and fade while sparks fly outwards.
QImage saluteStripPicture() {
    const int side = saluteFrameSide;
    QImage strip = draw::transparent({side * saluteFrames, side});
    QPainter p(&strip);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(side / 2.0, side / 2.0);
    for (int f = 0; f < saluteFrames; ++f) {
        const qreal t = (f + 1.0) / saluteFrames;
        p.save();
        p.translate(f * side, 0);
        p.setClipRect(0, 0, side, side);
        for (int ring = 0; ring < 2; ++ring) {
            const qreal age = t - ring * 0.25;
            if (age <= 0)
                continue;
            const qreal r = 6 + 40 * std::sqrt(age);
            const int alpha = int(230 * std::max(0.0, 1 - age));
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(170, 80, 230, alpha / 3), 8));
            p.drawEllipse(centre, r, r);
            p.setPen(QPen(QColor(230, 170, 50, alpha), 3));
            p.drawEllipse(centre, r, r);
            p.setPen(QPen(QColor(255, 246, 200, alpha), 1));
            p.drawEllipse(centre, r - 0.5, r - 0.5);
        }
        for (int spark = 0; spark < 8; ++spark) {
            const qreal angle = spark * M_PI / 4 + 0.3;
            const qreal distance = 8 + 38 * t;
            const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * distance;
            const qreal size = 5 * (1 - t) + 1;
            p.fillPath(draw::star(at, size, size * 0.4, angle),
                       QColor(255, 240, 170, int(255 * (1 - t * t))));
        }
        if (t < 0.4) {
            QRadialGradient flash(centre, 14);
            flash.setColorAt(0, QColor(255, 255, 230, int(220 * (1 - t / 0.4))));
            flash.setColorAt(1, QColor(255, 230, 150, 0));
            p.setPen(Qt::NoPen);
            p.setBrush(flash);
            p.drawEllipse(centre, 14, 14);
        }
        p.restore();
    }
    p.end();
    return strip;
}

// The heading's text in a language: the window's title from the word table.
QString titleIn(const LibraryWindow &window, int language) {
    return qs(text(window.title, language));
}

// The languages that have pictures of their own: one per picture code.
std::vector<int> pictureLanguages() {
    std::vector<int> languages;
    std::vector<std::string_view> seen;
    for (int language = 0; language < languageCount; ++language) {
        const std::string_view code = pictureCode(language);
        if (std::find(seen.begin(), seen.end(), code) == seen.end()) {
            seen.push_back(code);
            languages.push_back(language);
        }
    }
    return languages;
}

// The language-neutral headings' texts.
QString neutralHeading(std::string_view name) {
    if (name == "CountInfo" || name == "GFormCountL")
        return QStringLiteral("INFO");
    if (name == "WorldStats" || name == "GFormStatL")
        return QStringLiteral("World Stats");
    return QStringLiteral("Radio");
}

int conciseWidth(const LibraryWindow &window) {
    return std::min(window.width - 25, 420);
}

void drawWindow(Output &out, const LibraryWindow &window, unsigned seed) {
    const QString name = qs(window.name);
    out.addJpeg(QStringLiteral("GForm") + name, windowBackground(window, seed));
    out.addPng(QStringLiteral("GIcon48") + name, windowIcon(window.name));
    for (int language : pictureLanguages()) {
        const QString code = qs(pictureCode(language));
        const QString title = titleIn(window, language);
        out.addPng(QStringLiteral("GForm") + name + code,
                   lettering(title, {window.headingWidth, libraryHeadingHeight}, Lettering::Gold));
        if (window.conciseByLanguage)
            out.addPng(
                qs(window.concise) + code,
                lettering(title, {conciseWidth(window), conciseHeadingHeight}, Lettering::Plum));
    }
    if (!window.conciseByLanguage) {
        const QString concise = qs(window.concise);
        if (window.name == "Count") {
            // Drawn at the band's top left under the account picture and the
            // lamp: the word stands right of them.
            QImage band = draw::transparent({300, conciseHeadingHeight});
            QPainter p(&band);
            p.drawImage(80, 0,
                        lettering(neutralHeading(window.concise), {220, conciseHeadingHeight},
                                  Lettering::Plum));
            p.end();
            out.addPng(concise, band);
        } else {
            out.addPng(concise,
                       lettering(neutralHeading(window.concise),
                                 {conciseWidth(window), conciseHeadingHeight}, Lettering::Plum));
        }
    }
    if (!window.redHeading.empty()) {
        // The count window draws its ribbon heading 7 px above the ribbon.
        const qreal centreY = window.name == "Count" ? window.redHeight / 2.0 + 7 : -1;
        out.addPng(qs(window.redHeading),
                   lettering(neutralHeading(window.redHeading), {window.redWidth, window.redHeight},
                             Lettering::Gold, centreY));
    }
}

} // namespace

void drawGraphicsLibrary(Output &out) {
    out.addJpeg(qs(purpleMenuBackground), menuBackground());
    unsigned seed = 1;
    for (const LibraryWindow &window : libraryWindows)
        drawWindow(out, window, seed++);
    out.addPng(qs(countIconStrip), countIconStripPicture());
    out.addPng(qs(saluteStrip), saluteStripPicture());
    for (char letter : clubAnimationLetters)
        out.addGif(QStringLiteral("Gif") + QLatin1Char(letter),
                   clubAnimation(letter, {clubAnimationSide, clubAnimationSide}), 90);
}
