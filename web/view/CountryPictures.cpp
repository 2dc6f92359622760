#include "web/view/CountryPictures.h"

#include "web/Countries.h"

#include <QPainter>
#include <QPixmapCache>
#include <QString>

namespace quarn {

namespace {

// A picture of the program's own set, at the given size, cached by name: the
// lists draw the same few flags on every repaint.
QPixmap ownPicture(const std::string &name, int width, int height) {
    if (name.empty())
        return {};
    const QString key = QStringLiteral("quarn-country:") + QString::fromStdString(name);
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    QImage image(QStringLiteral(":/res/png/") + QString::fromStdString(name));
    if (image.isNull())
        return {};
    if (image.width() != width || image.height() != height)
        image = image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    picture = QPixmap::fromImage(image);
    QPixmapCache::insert(key, picture);
    return picture;
}

} // namespace

QPixmap flagPicture(std::string_view countryCode) {
    return ownPicture(web::flagResourceName(countryCode), kFlagWidth, kFlagHeight);
}

QPixmap sexPicture(std::string_view sex) {
    const std::string name = sex == "M" ? "FaceMan16" : "FaceWoman16";
    return ownPicture(name, kSexPictureSize, kSexPictureSize);
}

void DrawFlag(std::string_view countryCode, QPainter &canvas, int x, int y) {
    const QPixmap flag = flagPicture(countryCode);
    if (!flag.isNull())
        canvas.drawPixmap(x, y, flag);
}

void DrawSex(std::string_view sex, QPainter &canvas, int x, int y) {
    const QPixmap picture = sexPicture(sex);
    if (!picture.isNull())
        canvas.drawPixmap(x, y, picture);
}

} // namespace quarn
