#include "ui/Resample.h"

#include <cmath>

namespace quarn {

bool isRgbOrRgba(const QImage &image) {
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
    case QImage::Format_RGB888:
    case QImage::Format_BGR888:
    case QImage::Format_RGBX8888:
    case QImage::Format_RGBA8888:
    case QImage::Format_RGBA8888_Premultiplied:
        return true;
    default:
        return false;
    }
}

QImage resampleBilinear(const QImage &source, QSize size, ResampleResult *result) {
    auto report = [&](ResampleResult r) {
        if (result)
            *result = r;
    };
    if (!isRgbOrRgba(source)) {
        report(ResampleResult::UnsupportedFormat);
        return {};
    }
    if (source.width() < 2 || source.height() < 2 || size.width() < 2 || size.height() < 2) {
        report(ResampleResult::TooSmall);
        return {};
    }
    const QImage in = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage out(size, QImage::Format_ARGB32_Premultiplied);
    const double fx = double(in.width() - 1) / (size.width() - 1);
    const double fy = double(in.height() - 1) / (size.height() - 1);
    for (int y = 0; y < size.height(); ++y) {
        const double sy = y * fy;
        const int y0 = std::min(int(sy), in.height() - 2);
        const double ty = sy - y0;
        const QRgb *row0 = reinterpret_cast<const QRgb *>(in.constScanLine(y0));
        const QRgb *row1 = reinterpret_cast<const QRgb *>(in.constScanLine(y0 + 1));
        QRgb *target = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double sx = x * fx;
            const int x0 = std::min(int(sx), in.width() - 2);
            const double tx = sx - x0;
            auto blend = [&](int (*channel)(QRgb)) {
                const double top = channel(row0[x0]) * (1 - tx) + channel(row0[x0 + 1]) * tx;
                const double bottom = channel(row1[x0]) * (1 - tx) + channel(row1[x0 + 1]) * tx;
                return int(std::lround(top * (1 - ty) + bottom * ty));
            };
            target[x] = qRgba(blend(qRed), blend(qGreen), blend(qBlue), blend(qAlpha));
        }
    }
    report(ResampleResult::Done);
    return out;
}

} // namespace quarn
