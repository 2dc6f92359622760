#pragma once
// Reads an animated GIF back with giflib for the tests: the screen size,
// each frame's rectangle, display time and disposal, and the pictures a
// viewer shows after each frame.

#include <gif_lib.h>

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QString>

#include <cstring>
#include <optional>
#include <vector>

namespace quarn::testing {

struct DecodedFrame {
    QRect rect;
    int delayCs = 0;
    int disposal = 0;
    int transparent = -1;
    QImage shown; // the screen after this frame, ARGB32 (transparent where nothing was drawn)
};

struct DecodedGif {
    QSize screen;
    std::vector<DecodedFrame> frames;
    bool loops = false;
};

namespace detail {

struct Reader {
    const QByteArray *bytes;
    int offset = 0;
};

inline int readBytes(GifFileType *gif, GifByteType *into, int length) {
    auto *reader = static_cast<Reader *>(gif->UserData);
    const int n = std::min(length, int(reader->bytes->size()) - reader->offset);
    std::memcpy(into, reader->bytes->constData() + reader->offset, size_t(std::max(n, 0)));
    reader->offset += std::max(n, 0);
    return std::max(n, 0);
}

} // namespace detail

inline std::optional<DecodedGif> decodeGif(const QByteArray &bytes) {
    detail::Reader reader{&bytes};
    int error = 0;
    GifFileType *gif = DGifOpen(&reader, detail::readBytes, &error);
    if (!gif)
        return std::nullopt;
    if (DGifSlurp(gif) != GIF_OK) {
        DGifCloseFile(gif, &error);
        return std::nullopt;
    }
    DecodedGif out;
    out.screen = QSize(gif->SWidth, gif->SHeight);
    QImage screen(out.screen, QImage::Format_ARGB32);
    screen.fill(Qt::transparent);
    for (int i = 0; i < gif->ImageCount; ++i) {
        const SavedImage &image = gif->SavedImages[i];
        for (int e = 0; e < image.ExtensionBlockCount; ++e) {
            const ExtensionBlock &block = image.ExtensionBlocks[e];
            if (block.Function == APPLICATION_EXT_FUNC_CODE && block.ByteCount == 11 &&
                std::memcmp(block.Bytes, "NETSCAPE2.0", 11) == 0)
                out.loops = true;
        }
        GraphicsControlBlock control{};
        control.TransparentColor = NO_TRANSPARENT_COLOR;
        DGifSavedExtensionToGCB(gif, i, &control);
        DecodedFrame frame;
        const GifImageDesc &d = image.ImageDesc;
        frame.rect = QRect(d.Left, d.Top, d.Width, d.Height);
        frame.delayCs = control.DelayTime;
        frame.disposal = control.DisposalMode;
        frame.transparent = control.TransparentColor;
        const ColorMapObject *map = d.ColorMap ? d.ColorMap : gif->SColorMap;
        for (int y = 0; y < d.Height; ++y)
            for (int x = 0; x < d.Width; ++x) {
                const int index = image.RasterBits[y * d.Width + x];
                if (index == frame.transparent || !map || index >= map->ColorCount)
                    continue;
                const GifColorType c = map->Colors[index];
                const QPoint at(d.Left + x, d.Top + y);
                if (screen.rect().contains(at))
                    screen.setPixel(at, qRgb(c.Red, c.Green, c.Blue));
            }
        frame.shown = screen.copy();
        if (frame.disposal == DISPOSE_BACKGROUND)
            for (int y = d.Top; y < d.Top + d.Height && y < screen.height(); ++y)
                for (int x = d.Left; x < d.Left + d.Width && x < screen.width(); ++x)
                    screen.setPixel(x, y, qRgba(0, 0, 0, 0));
        out.frames.push_back(std::move(frame));
    }
    DGifCloseFile(gif, &error);
    return out;
}

inline std::optional<DecodedGif> decodeGifFile(const QString &path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return decodeGif(file.readAll());
}

// The largest difference of one colour channel between two pictures of one size.
inline int largestChannelDifference(const QImage &a, const QImage &b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int largest = 0;
    for (int row = 0; row < x.height(); ++row)
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)),
                                std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return largest;
}

} // namespace quarn::testing
