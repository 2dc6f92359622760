#include "table/ResourceLibrary.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <atomic>

namespace quarn {

namespace {

const char *const pictureKinds[] = {"png", "bmp", "jpeg", "gif"};
const char *const allKinds[] = {"png", "jpeg", "gif", "bmp", "raw", "wav"};

} // namespace

ResourceLibrary::ResourceLibrary(const QString &programFolder, const QString &file) {
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    // A root of its own for each opening, so two loadings never meet.
    static std::atomic<int> openings{0};
    root_ = QStringLiteral("/lib/%1/").arg(++openings) + file;
    for (const QString &path : {folder + file, folder + QStringLiteral("../") + file}) {
        if (QFileInfo(path).isFile() && QResource::registerResource(path, root_)) {
            path_ = path;
            return;
        }
    }
}

ResourceLibrary::~ResourceLibrary() {
    if (isOpen())
        QResource::unregisterResource(path_, root_);
}

QByteArray ResourceLibrary::bytes(const QString &kind, const QString &name) const {
    if (!isOpen())
        return {};
    QFile entry(QLatin1Char(':') + root_ + QLatin1Char('/') + kind + QLatin1Char('/') + name);
    return entry.open(QIODevice::ReadOnly) ? entry.readAll() : QByteArray();
}

QByteArray ResourceLibrary::bytes(const QString &name) const {
    for (const char *kind : allKinds) {
        QByteArray data = bytes(QLatin1String(kind), name);
        if (!data.isEmpty())
            return data;
    }
    return {};
}

QImage ResourceLibrary::picture(const QString &name) const {
    for (const char *kind : pictureKinds) {
        const QImage image = QImage::fromData(bytes(QLatin1String(kind), name));
        if (!image.isNull())
            return image;
    }
    return {};
}

} // namespace quarn
