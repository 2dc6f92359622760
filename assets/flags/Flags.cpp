#include "Flags.h"

#include "Art.h"
#include "web/Countries.h"

#include <QFileInfo>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <span>

namespace flags {
namespace {

// ISO codes in the order of each continent's list; "" for "Unknown".
constexpr const char *europe[] = {"",   "ru", "al", "ad", "at", "by", "be", "ba", "bg", "hr",
                                  "cz", "dk", "ee", "fo", "fi", "fr", "de", "gi", "gr", "gg",
                                  "hu", "is", "ie", "im", "it", "je", "lv", "li", "lt", "lu",
                                  "mk", "mt", "md", "mc", "nl", "no", "pl", "pt", "ro", "sm",
                                  "cs", "sk", "si", "es", "se", "ch", "ua", "va", "gb"};
constexpr const char *asia[] = {"",   "af", "am", "az", "bh", "bd", "bt", "io", "bn", "kh", "cn",
                                "cy", "tl", "ge", "hk", "in", "id", "ir", "iq", "il", "jp", "jo",
                                "kz", "kw", "kg", "la", "lb", "mo", "my", "mv", "mn", "mm", "np",
                                "kp", "om", "pk", "ph", "qa", "sa", "sg", "kr", "lk", "sy", "tw",
                                "tj", "th", "tr", "tm", "ae", "uz", "vn", "ye"};
constexpr const char *northAmerica[] = {"",   "ai", "ag", "aw", "bs", "bb", "bz", "bm", "vg",
                                        "ca", "ky", "cr", "cu", "dm", "do", "sv", "gl", "gd",
                                        "gt", "ht", "hn", "jm", "mq", "mx", "ms", "ni", "pa",
                                        "pr", "kn", "lc", "pm", "vc", "tt", "tc", "us", "vi"};
constexpr const char *southAmerica[] = {"",   "ar", "bo", "br", "cl", "co", "ec", "fk",
                                        "gy", "py", "pe", "gs", "sr", "uy", "ve"};
constexpr const char *oceania[] = {"",   "as", "au", "ck", "fj", "pf", "gu", "ki",
                                   "mh", "fm", "nr", "nz", "nu", "nf", "mp", "pw",
                                   "pg", "pn", "ws", "sb", "to", "tv", "vu", "wf"};
constexpr const char *africa[] = {"",   "dz", "ao", "bj", "bw", "bf", "bi", "cm", "cv", "cf", "td",
                                  "km", "cg", "cd", "dj", "eg", "gq", "er", "et", "ga", "gm", "gh",
                                  "gn", "gw", "ci", "ke", "ls", "lr", "ly", "mg", "mw", "ml", "mr",
                                  "mu", "ma", "mz", "na", "ne", "ng", "rw", "sh", "st", "sn", "sc",
                                  "sl", "so", "za", "sd", "sz", "tz", "tg", "tn", "ug", "zm", "zw"};

const std::array<std::span<const char *const>, 6> isoLists = {europe,       asia,    northAmerica,
                                                              southAmerica, oceania, africa};

QImage canvas() {
    QImage image(flagSize, QImage::Format_ARGB32);
    image.fill(Qt::white);
    return image;
}

// The "Unknown" entry: a pale globe on grey-blue.
QImage unknownFlag() {
    QImage image = canvas();
    image.fill(QColor(0x8C, 0x9C, 0xB0));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xF0, 0xF4, 0xF8), 1));
    p.setBrush(QColor(0x5A, 0x7A, 0xA8));
    p.drawEllipse(QPointF(7, 6), 4, 4);
    p.drawLine(QPointF(3, 6), QPointF(11, 6));
    p.drawEllipse(QPointF(7, 6), 1.6, 4);
    return image;
}

// White with a red cross, a gold cross inside it.
QImage guernsey() {
    QImage image = canvas();
    QPainter p(&image);
    p.fillRect(0, 4, 14, 4, QColor(0xE8, 0x11, 0x2D));
    p.fillRect(5, 0, 4, 12, QColor(0xE8, 0x11, 0x2D));
    p.fillRect(2, 5, 10, 2, QColor(0xF9, 0xDD, 0x16));
    p.fillRect(6, 2, 2, 8, QColor(0xF9, 0xDD, 0x16));
    return image;
}

// White with a red saltire and a small shield at the top.
QImage jersey() {
    QImage image = canvas();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xDF, 0x11, 0x2D), 2.2));
    p.drawLine(QPointF(0, 0), QPointF(14, 12));
    p.drawLine(QPointF(14, 0), QPointF(0, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xDF, 0x11, 0x2D));
    p.drawRect(QRectF(5.5, 1, 3, 3));
    p.setBrush(QColor(0xF9, 0xD0, 0x16));
    p.drawRect(QRectF(6, 1.5, 2, 1));
    return image;
}

// Red with the three-legged emblem in white.
QImage isleOfMan() {
    QImage image = canvas();
    image.fill(QColor(0xCF, 0x14, 0x2B));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 1.2, Qt::SolidLine, Qt::RoundCap));
    const QPointF c(7, 6);
    for (int i = 0; i < 3; ++i) {
        const qreal a = 2 * M_PI * i / 3 - M_PI / 2;
        const QPointF knee = c + QPointF(std::cos(a), std::sin(a)) * 3.2;
        const QPointF foot = knee + QPointF(std::cos(a + 1.7), std::sin(a + 1.7)) * 2;
        p.drawLine(c, knee);
        p.drawLine(knee, foot);
    }
    return image;
}

// A tricolour whose colours and direction follow from the country's name,
// for a country the package has no flag for.
QImage derivedFlag(const QString &name) {
    unsigned hash = 2166136261u;
    for (const QChar ch : name)
        hash = (hash ^ ch.unicode()) * 16777619u;
    const QColor colours[] = {QColor(0xCE, 0x11, 0x26), QColor(0x00, 0x38, 0x93),
                              QColor(0x00, 0x7A, 0x3D), QColor(0xFC, 0xD1, 0x16),
                              QColor(0xFF, 0xFF, 0xFF), QColor(0x00, 0x00, 0x00),
                              QColor(0x00, 0x9C, 0xDE), QColor(0xF7, 0x7F, 0x00)};
    QColor stripes[3];
    for (int i = 0; i < 3; ++i) {
        stripes[i] = colours[(hash >> (3 * i)) % 8];
        if (i > 0 && stripes[i] == stripes[i - 1])
            stripes[i] = colours[((hash >> (3 * i)) + 3) % 8];
    }
    QImage image = canvas();
    QPainter p(&image);
    const bool vertical = hash & 0x10000;
    for (int i = 0; i < 3; ++i) {
        if (vertical)
            p.fillRect(QRect(i * 14 / 3, 0, (i + 1) * 14 / 3 - i * 14 / 3 + (i == 2 ? 1 : 0), 12),
                       stripes[i]);
        else
            p.fillRect(QRect(0, i * 4, 14, 4), stripes[i]);
    }
    return image;
}

QImage drawnFlag(const QString &iso, const QString &name) {
    if (iso.isEmpty())
        return unknownFlag();
    if (iso == QLatin1String("gg"))
        return guernsey();
    if (iso == QLatin1String("je"))
        return jersey();
    if (iso == QLatin1String("im"))
        return isleOfMan();
    return derivedFlag(name);
}

// A head and shoulders, drawn large and reduced.
QImage face(QColor clothes, QColor hair, bool longHair) {
    const int factor = 8;
    QImage big = art::transparent(faceSize * factor);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(factor, factor);
    const QColor skin(0xF2, 0xC8, 0xA0);
    if (longHair) {
        p.setPen(Qt::NoPen);
        p.setBrush(hair);
        p.drawRoundedRect(QRectF(3.6, 2.2, 8.8, 10.5), 4, 4);
    }
    QPainterPath shoulders;
    shoulders.moveTo(1.2, 16);
    shoulders.cubicTo(1.2, 11.5, 4, 10.2, 8, 10.2);
    shoulders.cubicTo(12, 10.2, 14.8, 11.5, 14.8, 16);
    shoulders.closeSubpath();
    p.setPen(QPen(clothes.darker(150), 0.5));
    p.setBrush(clothes);
    p.drawPath(shoulders);
    p.setPen(QPen(skin.darker(140), 0.4));
    p.setBrush(skin);
    p.drawEllipse(QPointF(8, 6.4), 3.4, 3.9);
    p.setPen(Qt::NoPen);
    p.setBrush(hair);
    QPainterPath cap;
    cap.moveTo(4.5, 6);
    cap.cubicTo(4.2, 1.6, 11.8, 1.6, 11.5, 6);
    cap.cubicTo(10, 3.8, 6, 3.8, 4.5, 6);
    p.drawPath(cap);
    p.setBrush(QColor(0x30, 0x20, 0x18));
    p.drawEllipse(QPointF(6.7, 6.6), 0.45, 0.5);
    p.drawEllipse(QPointF(9.3, 6.6), 0.45, 0.5);
    p.end();
    return art::reduced(big, faceSize);
}

} // namespace

QString isoCode(int continent, int index) {
    if (continent < 1 || continent > 6)
        return {};
    const auto list = isoLists[continent - 1];
    if (index < 0 || std::size_t(index) >= list.size())
        return {};
    return QLatin1String(list[index]);
}

QImage fitted(const QImage &source) {
    // The package's flags have a one-pixel shaded rim; the inside is reduced
    // to 12 x 10 and framed anew with the rim's colour.
    const QImage picture = source.convertToFormat(QImage::Format_ARGB32);
    const bool rimmed = picture.width() > 4 && picture.height() > 4;
    const QImage inside =
        rimmed ? picture.copy(1, 1, picture.width() - 2, picture.height() - 2) : picture;
    QColor rim = rimmed ? QColor(picture.pixel(picture.width() / 2, 0)) : QColor(0x40, 0x40, 0x40);
    rim = rim.darker(115);
    QImage out(flagSize, QImage::Format_ARGB32);
    out.fill(rim);
    QPainter p(&out);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(1, 1, flagSize.width() - 2, flagSize.height() - 2), inside);
    return out;
}

QImage flag(int continent, int index, const QString &sourceFolder, bool *usedFallback) {
    const QString iso = isoCode(continent, index);
    if (!iso.isEmpty()) {
        const QString file = sourceFolder + QLatin1Char('/') + iso + QStringLiteral(".png");
        const QImage source(file);
        if (!source.isNull()) {
            if (usedFallback)
                *usedFallback = false;
            return fitted(source);
        }
    }
    if (usedFallback)
        *usedFallback = true;
    const web::Country names = web::CountryNames(continent, index);
    return drawnFlag(iso, QString::fromUtf8(names.english.data(), qsizetype(names.english.size())));
}

QImage faceMan() {
    return face(QColor(0x2C, 0x5C, 0xB8), QColor(0x5A, 0x3A, 0x1E), false);
}
QImage faceWoman() {
    return face(QColor(0xD0, 0x3C, 0x78), QColor(0xB8, 0x7A, 0x2A), true);
}

} // namespace flags
