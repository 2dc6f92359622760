#include "table/HandFilm.h"

#include <QDir>

#include <cstring>

namespace quarn {

namespace {

QImage asRgb32(const QImage &picture) {
    return picture.format() == QImage::Format_RGB32 ? picture
                                                    : picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

bool samePicture(const QImage &a, const QImage &b) {
    if (a.size() != b.size())
        return false;
    return changedRectangle(a, b).isEmpty();
}

QRect changedRectangle(const QImage &before, const QImage &after) {
    if (before.size() != after.size())
        return QRect(QPoint(0, 0), after.size());
    const QImage a = asRgb32(before);
    const QImage b = asRgb32(after);
    const int w = a.width();
    int left = w, right = -1, top = -1, bottom = -1;
    for (int y = 0; y < a.height(); ++y) {
        const auto *rowA = reinterpret_cast<const quint32 *>(a.constScanLine(y));
        const auto *rowB = reinterpret_cast<const quint32 *>(b.constScanLine(y));
        if (std::memcmp(rowA, rowB, size_t(w) * sizeof(quint32)) == 0)
            continue;
        if (top < 0)
            top = y;
        bottom = y;
        int x = 0;
        while (x < left && rowA[x] == rowB[x])
            ++x;
        left = std::min(left, x);
        int r = w - 1;
        while (r > right && rowA[r] == rowB[r])
            --r;
        right = std::max(right, r);
    }
    if (top < 0)
        return {};
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

void HandFilm::start() {
    frames_.clear();
    previous_ = QImage();
    screen_ = QSize();
}

bool HandFilm::offer(const QImage &picture, int delayMs) {
    if (full() || picture.isNull())
        return false;
    const QImage current = asRgb32(picture);
    if (frames_.empty()) {
        screen_ = current.size();
        frames_.push_back({current, {0, 0}, delayMs});
    } else {
        const QRect changed = changedRectangle(previous_, current);
        if (changed.isEmpty())
            return false;
        // copy() detaches: the frame keeps only the changed rectangle.
        frames_.push_back({current.copy(changed), changed.topLeft(), delayMs});
    }
    previous_ = current;
    return true;
}

std::vector<GifFrame> HandFilm::takeFrames() {
    if (!frames_.empty())
        frames_.back().delayMs = LastFrameMs;
    std::vector<GifFrame> taken = std::move(frames_);
    start();
    return taken;
}

QString filmFileName(const QDateTime &moment) {
    return moment.toString(QStringLiteral("yyyy.MM.dd-HH.mm.ss")) + QStringLiteral(".gif");
}

bool saveFilm(const QString &folder, const QString &name, const std::vector<GifFrame> &frames,
              QSize screen) {
    if (frames.empty() || !QDir().mkpath(folder))
        return false;
    GifOptions options;
    options.screen = screen;
    return writeAnimatedGif(QDir(folder).filePath(name), frames, options);
}

} // namespace quarn
