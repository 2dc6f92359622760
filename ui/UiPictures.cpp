#include "ui/UiPictures.h"

#include "table/Pictures.h"

#include <QFile>

static void registerUiResources() { Q_INIT_RESOURCE(quarn_ui_res); }

namespace quarn {

void initUiPictures()
{
    static const bool done = [] {
        registerUiResources();
        initBuiltinPictures();
        return true;
    }();
    (void)done;
}

QImage uiPicture(const QString &name)
{
    initUiPictures();
    return Pictures::builtin(QStringLiteral("png"), name);
}

QByteArray uiAnimation(const QString &name)
{
    initUiPictures();
    QFile file(QStringLiteral(":/res/gif/") + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace quarn
