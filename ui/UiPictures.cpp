#include "ui/UiPictures.h"

#include "table/Pictures.h"

#include <QFile>
#include <QPixmap>

static void registerUiResources() {
    Q_INIT_RESOURCE(quarn_ui_res);
}

namespace quarn {

void initUiPictures() {
    static const bool done = [] {
        registerUiResources();
        initBuiltinPictures();
        return true;
    }();
    (void)done;
}

QImage uiPicture(const QString &name) {
    initUiPictures();
    return Pictures::builtin(QStringLiteral("png"), name);
}

QCursor windowPointer(bool redPointers, bool hand) {
    const Qt::CursorShape system = hand ? Qt::PointingHandCursor : Qt::ArrowCursor;
    if (!redPointers)
        return QCursor(system);
    const PointerKind kind = hand ? PointerKind::Hand : PointerKind::Arrow;
    const std::vector<QImage> frames = Pictures::pointerFrames(kind);
    if (frames.empty() || frames.front().isNull())
        return QCursor(system);
    const QPoint hot = Pictures::pointerHotSpot(kind);
    return QCursor(QPixmap::fromImage(frames.front()), hot.x(), hot.y());
}

QByteArray uiAnimation(const QString &name) {
    initUiPictures();
    QFile file(QStringLiteral(":/res/gif/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace quarn
