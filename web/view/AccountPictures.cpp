#include "web/view/AccountPictures.h"

#include "ui/UiPictures.h"

#include <QHash>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <cmath>

namespace quarn {

namespace {

QImage blank(int w, int h) {
    QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage star(QColor colour) {
    QImage image = blank(32, 32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF shape;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 ? 6.5 : 15.0;
        const double a = -M_PI / 2 + i * M_PI / 5;
        shape << QPointF(16 + r * std::cos(a), 16.5 + r * std::sin(a));
    }
    QRadialGradient glow(QPointF(13, 12), 16);
    glow.setColorAt(0, colour.lighter(170));
    glow.setColorAt(1, colour.darker(140));
    p.setPen(QPen(colour.darker(220), 1));
    p.setBrush(glow);
    p.drawPolygon(shape);
    return image;
}

QImage frame() {
    QImage image = blank(kPhotoWidth + 20, kPhotoHeight + 20);
    QPainter p(&image);
    QLinearGradient gold(0, 0, image.width(), image.height());
    gold.setColorAt(0, QColor(250, 220, 120));
    gold.setColorAt(0.5, QColor(170, 120, 30));
    gold.setColorAt(1, QColor(240, 200, 90));
    p.fillRect(image.rect(), gold);
    p.setPen(QPen(QColor(90, 60, 10), 2));
    p.drawRect(image.rect().adjusted(1, 1, -2, -2));
    p.drawRect(QRect(9, 9, kPhotoWidth + 1, kPhotoHeight + 1));
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillRect(QRect(10, 10, kPhotoWidth, kPhotoHeight), Qt::transparent);
    return image;
}

QImage noPhoto(bool man) {
    QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient back(0, 0, 0, kPhotoHeight);
    back.setColorAt(0, man ? QColor(190, 205, 230) : QColor(235, 200, 215));
    back.setColorAt(1, man ? QColor(110, 130, 170) : QColor(180, 120, 150));
    p.fillRect(image.rect(), back);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(245, 245, 250));
    p.drawEllipse(QRectF(62, 40, 76, 90));
    if (!man) // long hair
        p.drawRoundedRect(QRectF(52, 70, 96, 90), 40, 40);
    p.drawRoundedRect(QRectF(30, 150, 140, 140), 60, 60);
    return image;
}

QImage badge(const QString &text, QColor colour, int w, int h) {
    QImage image = blank(w, h);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour.darker(160), 1));
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), h / 4.0, h / 4.0);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(8, h * 11 / 27 + (text.size() <= 2 ? 2 : 0)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, w, h), Qt::AlignCenter, text);
    return image;
}

QImage coin() {
    QImage image = blank(96, 96);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient gold(QPointF(36, 32), 60);
    gold.setColorAt(0, QColor(255, 240, 160));
    gold.setColorAt(0.6, QColor(220, 170, 40));
    gold.setColorAt(1, QColor(140, 90, 10));
    p.setPen(QPen(QColor(110, 70, 10), 3));
    p.setBrush(gold);
    p.drawEllipse(QRectF(4, 4, 88, 88));
    p.drawEllipse(QRectF(14, 14, 68, 68));
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(44);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(120, 70, 0));
    p.drawText(QRect(0, 0, 96, 96), Qt::AlignCenter, QStringLiteral("W"));
    return image;
}

struct IconLook {
    const char *name;
    const char *glyph;
    QRgb colour;
};

constexpr IconLook kIcons[] = {
    {"GAcName1", "N", 0x3a6ea5},       {"GAcName2", "N2", 0x2f5f8f},
    {"GAcAbout", "i", 0x5c8a3a},       {"GAcTelephone", "T", 0x4a9a4a},
    {"GAcEMail", "@", 0xc07020},       {"GAcSkype", "S", 0x1aa0e0},
    {"GAcWebSite", "www", 0x7050a0},   {"GAcOK", "OK", 0xee8208},
    {"GAcVK", "VK", 0x4c75a3},         {"GAcTelegram", "Tg", 0x2aa1da},
    {"GAcFaceBook", "f", 0x3b5998},    {"GAcTwitter", "t", 0x1da1f2},
    {"GAcInstagramm", "IG", 0xc13584}, {"GAcYouTube", "YT", 0xe02020},
};

QImage drawn(const QString &name) {
    if (name == QLatin1String("StarR0"))
        return star(QColor(230, 40, 40));
    if (name == QLatin1String("StarY0"))
        return star(QColor(240, 200, 20));
    if (name == QLatin1String("StarG0"))
        return star(QColor(40, 190, 60));
    if (name == QLatin1String("GAcFrame"))
        return frame();
    if (name == QLatin1String("GAcNoM"))
        return noPhoto(true);
    if (name == QLatin1String("GAcNoF"))
        return noPhoto(false);
    if (name == QLatin1String("Windows"))
        return badge(QStringLiteral("Windows"), QColor(0, 120, 215), 92, 28);
    if (name == QLatin1String("Android"))
        return badge(QStringLiteral("Android"), QColor(60, 170, 80), 92, 28);
    if (name == QLatin1String("WemCoin"))
        return coin();
    for (const IconLook &icon : kIcons)
        if (name == QLatin1String(icon.name))
            return badge(QString::fromUtf8(icon.glyph), QColor(icon.colour), kProfileIconSide,
                         kProfileIconSide);
    return {};
}

} // namespace

QString lampName(web::AccountState state) {
    switch (state) {
    case web::AccountState::LoggedIn:
        return QStringLiteral("LampY24");
    case web::AccountState::PlayingForRating:
        return QStringLiteral("LampG24");
    case web::AccountState::LoggedOut:
        break;
    }
    return QStringLiteral("LampR24");
}

QString starName(web::AccountState state) {
    switch (state) {
    case web::AccountState::LoggedIn:
        return QStringLiteral("StarY0");
    case web::AccountState::PlayingForRating:
        return QStringLiteral("StarG0");
    case web::AccountState::LoggedOut:
        break;
    }
    return QStringLiteral("StarR0");
}

QImage accountPicture(const QString &name) {
    static QHash<QString, QImage> cache;
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    QImage image = uiPicture(name);
    if (image.isNull())
        image = drawn(name);
    cache.insert(name, image);
    return image;
}

const QStringList &profileIconNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const IconLook &icon : kIcons)
            list << QString::fromLatin1(icon.name);
        return list;
    }();
    return names;
}

QImage photoOrDefault(const web::PhotoSlot &slot, char sex) {
    if (slot.present) {
        QImage photo;
        if (photo.loadFromData(QByteArray::fromStdString(slot.jpeg), "JPEG"))
            return photo;
    }
    return accountPicture(sex == 'M' ? QStringLiteral("GAcNoM") : QStringLiteral("GAcNoF"));
}

} // namespace quarn
