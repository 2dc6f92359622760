#include "table/GifWriter.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <QRect>
#include <QSaveFile>

#include <algorithm>
#include <array>
#include <memory>

namespace quarn {

namespace {

struct GifCloser {
    void operator()(GifFileType *gif) const {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct LiqDeleter {
    void operator()(liq_attr *p) const { liq_attr_destroy(p); }
    void operator()(liq_image *p) const { liq_image_destroy(p); }
    void operator()(liq_result *p) const { liq_result_destroy(p); }
};

struct MapDeleter {
    void operator()(ColorMapObject *m) const { GifFreeMapObject(m); }
};

struct QuantisedFrame {
    std::vector<GifColorType> colours;
    std::vector<GifByteType> pixels;
    int transparent = -1;
};

// One picture reduced to a palette. With transparency every palette entry
// under half opacity is folded into one transparent index; without it the
// picture is taken as opaque.
bool quantise(const QImage &picture, const GifOptions &options, QuantisedFrame &out) {
    const QImage rgba = picture.convertToFormat(options.transparency ? QImage::Format_RGBA8888
                                                                     : QImage::Format_RGBX8888);
    const int w = rgba.width();
    const int h = rgba.height();
    std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    if (!attr)
        return false;
    liq_set_max_colors(attr.get(), options.transparency ? 255 : 256);
    liq_set_speed(attr.get(), std::clamp(options.speed, 1, 10));
    std::vector<void *> rows;
    rows.reserve(size_t(h));
    for (int y = 0; y < h; ++y)
        rows.push_back(const_cast<uchar *>(rgba.constScanLine(y)));
    std::unique_ptr<liq_image, LiqDeleter> image(
        liq_image_create_rgba_rows(attr.get(), rows.data(), w, h, 0));
    if (!image)
        return false;
    liq_result *rawResult = nullptr;
    if (liq_image_quantize(image.get(), attr.get(), &rawResult) != LIQ_OK)
        return false;
    std::unique_ptr<liq_result, LiqDeleter> result(rawResult);
    liq_set_dithering_level(result.get(), options.transparency ? 0.6f : 0.5f);
    out.pixels.assign(size_t(w) * size_t(h), 0);
    if (liq_write_remapped_image(result.get(), image.get(), out.pixels.data(), out.pixels.size()) !=
        LIQ_OK)
        return false;
    const liq_palette *palette = liq_get_palette(result.get());
    std::array<int, 256> remap{};
    out.colours.clear();
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color c = palette->entries[i];
        if (options.transparency && c.a < 128) {
            if (out.transparent < 0) {
                out.transparent = int(out.colours.size());
                out.colours.push_back({0, 0, 0});
            }
            remap[i] = out.transparent;
        } else {
            remap[i] = int(out.colours.size());
            out.colours.push_back({c.r, c.g, c.b});
        }
    }
    for (auto &p : out.pixels)
        p = GifByteType(remap[p]);
    // giflib wants a power-of-two palette size.
    size_t size = 2;
    while (size < out.colours.size())
        size *= 2;
    out.colours.resize(size, GifColorType{0, 0, 0});
    return true;
}

bool writeLoopExtension(GifFileType *gif) {
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A',
                                              'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof application, application) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK &&
           EGifPutExtensionTrailer(gif) == GIF_OK;
}

int appendToArray(GifFileType *gif, const GifByteType *bytes, int length) {
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(bytes), length);
    return length;
}

// The part of a frame that lies on the screen; a frame wholly off the screen
// becomes its top-left pixel at the screen's corner.
GifFrame clipped(const GifFrame &frame, QSize screen) {
    const QRect on = QRect(frame.at, frame.picture.size()) & QRect(QPoint(0, 0), screen);
    if (on.isEmpty())
        return {frame.picture.copy(0, 0, 1, 1), {0, 0}, frame.delayMs};
    if (on == QRect(frame.at, frame.picture.size()))
        return frame;
    return {frame.picture.copy(on.translated(-frame.at)), on.topLeft(), frame.delayMs};
}

bool writeFrame(GifFileType *gif, const GifFrame &frame, const GifOptions &options) {
    QuantisedFrame q;
    if (!quantise(frame.picture, options, q))
        return false;
    GraphicsControlBlock control{};
    control.DisposalMode = options.transparency ? DISPOSE_BACKGROUND : DISPOSE_DO_NOT;
    control.UserInputFlag = false;
    control.DelayTime = gifDelayCentiseconds(frame.delayMs);
    control.TransparentColor = q.transparent < 0 ? NO_TRANSPARENT_COLOR : q.transparent;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK)
        return false;
    std::unique_ptr<ColorMapObject, MapDeleter> map(
        GifMakeMapObject(int(q.colours.size()), q.colours.data()));
    const int w = frame.picture.width();
    const int h = frame.picture.height();
    if (!map || EGifPutImageDesc(gif, frame.at.x(), frame.at.y(), w, h, false, map.get()) != GIF_OK)
        return false;
    for (int y = 0; y < h; ++y)
        if (EGifPutLine(gif, q.pixels.data() + size_t(y) * size_t(w), w) != GIF_OK)
            return false;
    return true;
}

} // namespace

int gifDelayCentiseconds(int delayMs) {
    return std::clamp((delayMs + 5) / 10, 1, 65535);
}

QByteArray encodeAnimatedGif(const std::vector<GifFrame> &frames, const GifOptions &options) {
    if (frames.empty() || frames.front().picture.isNull())
        return {};
    const QSize screen = options.screen.isEmpty() ? frames.front().picture.size() : options.screen;
    if (screen.width() > 65535 || screen.height() > 65535)
        return {};
    QByteArray bytes;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&bytes, appendToArray, &error));
    if (!gif)
        return {};
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), screen.width(), screen.height(), 8, 0, nullptr) != GIF_OK ||
        !writeLoopExtension(gif.get()))
        return {};
    for (const GifFrame &frame : frames) {
        if (frame.picture.isNull() || !writeFrame(gif.get(), clipped(frame, screen), options))
            return {};
    }
    GifFileType *raw = gif.release();
    if (EGifCloseFile(raw, &error) != GIF_OK)
        return {};
    return bytes;
}

bool writeAnimatedGif(const QString &path, const std::vector<GifFrame> &frames,
                      const GifOptions &options) {
    const QByteArray bytes = encodeAnimatedGif(frames, options);
    if (bytes.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool writeAnimatedGif(const QString &path, const std::vector<QImage> &frames, int delayMs) {
    std::vector<GifFrame> whole;
    whole.reserve(frames.size());
    for (const QImage &picture : frames) {
        if (!whole.empty() && picture.size() != whole.front().picture.size())
            return false;
        whole.push_back({picture, {0, 0}, delayMs});
    }
    GifOptions options;
    options.transparency = true;
    options.speed = 6;
    return writeAnimatedGif(path, whole, options);
}

} // namespace quarn
