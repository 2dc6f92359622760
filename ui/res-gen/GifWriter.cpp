#include "GifWriter.h"

#include <gif_lib.h>
#include <libimagequant.h>

#include <QFile>

#include <array>
#include <cstring>
#include <memory>

namespace {

struct GifCloser {
    void operator()(GifFileType *gif) const
    {
        int error = 0;
        EGifCloseFile(gif, &error);
    }
};

struct LiqDeleter {
    void operator()(liq_attr *p) const { liq_attr_destroy(p); }
    void operator()(liq_image *p) const { liq_image_destroy(p); }
    void operator()(liq_result *p) const { liq_result_destroy(p); }
};

struct QuantisedFrame {
    std::vector<GifColorType> colours;
    std::vector<GifByteType> pixels;
    int transparent = -1;
};

// One frame reduced to a palette; every palette entry under half opacity is
// folded into one transparent index.
bool quantise(const QImage &frame, QuantisedFrame &out)
{
    const QImage rgba = frame.convertToFormat(QImage::Format_RGBA8888);
    const int w = rgba.width();
    const int h = rgba.height();
    std::unique_ptr<liq_attr, LiqDeleter> attr(liq_attr_create());
    liq_set_max_colors(attr.get(), 255);
    liq_set_speed(attr.get(), 6);
    std::vector<void *> rows;
    for (int y = 0; y < h; ++y)
        rows.push_back(const_cast<uchar *>(rgba.constScanLine(y)));
    std::unique_ptr<liq_image, LiqDeleter> image(liq_image_create_rgba_rows(attr.get(), rows.data(), w, h, 0));
    if (!image)
        return false;
    liq_result *rawResult = nullptr;
    if (liq_image_quantize(image.get(), attr.get(), &rawResult) != LIQ_OK)
        return false;
    std::unique_ptr<liq_result, LiqDeleter> result(rawResult);
    liq_set_dithering_level(result.get(), 0.6f);
    out.pixels.assign(size_t(w) * size_t(h), 0);
    if (liq_write_remapped_image(result.get(), image.get(), out.pixels.data(), out.pixels.size()) != LIQ_OK)
        return false;
    const liq_palette *palette = liq_get_palette(result.get());
    std::array<int, 256> remap{};
    out.colours.clear();
    for (unsigned i = 0; i < palette->count; ++i) {
        const liq_color c = palette->entries[i];
        if (c.a < 128) {
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

bool writeLoopExtension(GifFileType *gif)
{
    static const GifByteType application[] = {'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0'};
    static const GifByteType loop[] = {1, 0, 0};
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof application, application) == GIF_OK &&
           EGifPutExtensionBlock(gif, sizeof loop, loop) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

} // namespace

bool writeAnimatedGif(const QString &path, const std::vector<QImage> &frames, int delayMs)
{
    if (frames.empty())
        return false;
    const int w = frames.front().width();
    const int h = frames.front().height();
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpenFileName(QFile::encodeName(path).constData(), false, &error));
    if (!gif)
        return false;
    EGifSetGifVersion(gif.get(), true);
    if (EGifPutScreenDesc(gif.get(), w, h, 8, 0, nullptr) != GIF_OK || !writeLoopExtension(gif.get()))
        return false;
    for (const QImage &frame : frames) {
        QuantisedFrame q;
        if (frame.size() != QSize(w, h) || !quantise(frame, q))
            return false;
        GraphicsControlBlock control{};
        control.DisposalMode = DISPOSE_BACKGROUND;
        control.UserInputFlag = false;
        control.DelayTime = delayMs / 10;
        control.TransparentColor = q.transparent < 0 ? NO_TRANSPARENT_COLOR : q.transparent;
        GifByteType extension[4];
        const size_t length = EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif.get(), GRAPHICS_EXT_FUNC_CODE, int(length), extension) != GIF_OK)
            return false;
        struct MapDeleter {
            void operator()(ColorMapObject *m) const { GifFreeMapObject(m); }
        };
        std::unique_ptr<ColorMapObject, MapDeleter> map(GifMakeMapObject(int(q.colours.size()), q.colours.data()));
        if (!map || EGifPutImageDesc(gif.get(), 0, 0, w, h, false, map.get()) != GIF_OK)
            return false;
        for (int y = 0; y < h; ++y)
            if (EGifPutLine(gif.get(), q.pixels.data() + size_t(y) * size_t(w), w) != GIF_OK)
                return false;
    }
    GifFileType *raw = gif.release();
    return EGifCloseFile(raw, &error) == GIF_OK;
}
