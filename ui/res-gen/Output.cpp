#include "Output.h"

#include "GifWriter.h"

#include <QDir>

#include <cstdio>

Output::Output(QString folder, QString qrcFile, QString prefix)
    : folder_(std::move(folder)), qrcFile_(std::move(qrcFile)), prefix_(std::move(prefix)) {
    QDir().mkpath(folder_);
}

bool Output::record(const QString &kind, const QString &name, const QString &file, bool ok) {
    if (!ok) {
        std::fprintf(stderr, "quarn-ui-assets: cannot write %s\n", qPrintable(file));
        failed_ = true;
        return false;
    }
    index_.add(kind, name, file);
    return true;
}

bool Output::addPng(const QString &name, const QImage &image) {
    QDir().mkpath(folder_ + QStringLiteral("/png"));
    const QString file = QStringLiteral("png/") + name + QStringLiteral(".png");
    const bool ok =
        !image.isNull() &&
        image.convertToFormat(QImage::Format_ARGB32).save(folder_ + QLatin1Char('/') + file, "PNG");
    return record(QStringLiteral("png"), name, file, ok);
}

bool Output::addJpeg(const QString &name, const QImage &image, int quality) {
    QDir().mkpath(folder_ + QStringLiteral("/jpeg"));
    const QString file = QStringLiteral("jpeg/") + name + QStringLiteral(".jpg");
    const bool ok =
        !image.isNull() && image.convertToFormat(QImage::Format_RGB32)
                               .save(folder_ + QLatin1Char('/') + file, "JPEG", quality);
    return record(QStringLiteral("jpeg"), name, file, ok);
}

bool Output::addGif(const QString &name, const std::vector<QImage> &frames, int delayMs) {
    QDir().mkpath(folder_ + QStringLiteral("/gif"));
    const QString file = QStringLiteral("gif/") + name + QStringLiteral(".gif");
    const bool ok = writeAnimatedGif(folder_ + QLatin1Char('/') + file, frames, delayMs);
    return record(QStringLiteral("gif"), name, file, ok);
}

bool Output::writeQrc() const {
    return index_.writeQrc(folder_ + QLatin1Char('/') + qrcFile_, prefix_);
}
