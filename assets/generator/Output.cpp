#include "Output.h"

#include <QDir>
#include <QFile>

#include <cstdio>

Output::Output(QString folder, QString qrcFile, QString prefix)
    : folder_(std::move(folder)), qrcFile_(std::move(qrcFile)), prefix_(std::move(prefix)) {
    QDir().mkpath(folder_);
}

bool Output::add(const QString &kind, const QString &name, const QImage &image) {
    QString extension = kind;
    const char *format = "PNG";
    QImage picture = image;
    if (kind == QLatin1String("bmp")) {
        format = "BMP";
        picture = image.convertToFormat(QImage::Format_RGB32);
    } else if (kind == QLatin1String("jpeg")) {
        format = "JPEG";
        extension = QStringLiteral("jpg");
        picture = image.convertToFormat(QImage::Format_RGB32);
    }
    QDir().mkpath(folder_ + QLatin1Char('/') + kind);
    const QString file = kind + QLatin1Char('/') + name + QLatin1Char('.') + extension;
    if (image.isNull() || !picture.save(folder_ + QLatin1Char('/') + file, format,
                                        kind == QLatin1String("jpeg") ? 92 : -1)) {
        std::fprintf(stderr, "quarn-assets: cannot write %s\n", qPrintable(file));
        failed_ = true;
        return false;
    }
    index_.add(kind, name, file);
    return true;
}

bool Output::addBytes(const QString &kind, const QString &name, const QByteArray &bytes,
                      const QString &extension) {
    QDir().mkpath(folder_ + QLatin1Char('/') + kind);
    const QString file = kind + QLatin1Char('/') + name + QLatin1Char('.') + extension;
    QFile target(folder_ + QLatin1Char('/') + file);
    if (bytes.isEmpty() || !target.open(QIODevice::WriteOnly) ||
        target.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "quarn-assets: cannot write %s\n", qPrintable(file));
        failed_ = true;
        return false;
    }
    index_.add(kind, name, file);
    return true;
}

bool Output::writeQrc() const {
    return index_.writeQrc(folder_ + QLatin1Char('/') + qrcFile_, prefix_);
}
