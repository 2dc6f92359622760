#include "ui/GraphicsLibrary.h"

#include "table/Pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QResource>

#include <atomic>

namespace quarn {

namespace {

const char *const entryKinds[] = {"png", "jpeg", "gif", "bmp", "raw"};

} // namespace

QString graphicsLibraryFile() { return QLatin1String(graphicsLibrary); }

std::optional<GraphicsLibrary> GraphicsLibrary::load(const QString &programFolder, const QStringList &names)
{
    QString folder = programFolder;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    const QString file = graphicsLibraryFile();
    // A root of its own for each loading, so a loading never meets another's.
    static std::atomic<int> loadings{0};
    const QString root = QStringLiteral("/ui-lib/%1/").arg(++loadings) + file;
    for (const QString &path : {folder + file, folder + QStringLiteral("../") + file}) {
        if (!QFileInfo(path).isFile() || !QResource::registerResource(path, root))
            continue;
        GraphicsLibrary library;
        for (const QString &name : names) {
            for (const char *kind : entryKinds) {
                QFile entry(QLatin1Char(':') + root + QLatin1Char('/') + QLatin1String(kind) + QLatin1Char('/') + name);
                if (entry.open(QIODevice::ReadOnly)) {
                    library.entries_.insert(name, entry.readAll());
                    break;
                }
            }
        }
        QResource::unregisterResource(path, root);
        return library;
    }
    return std::nullopt;
}

QImage GraphicsLibrary::picture(const QString &name) const
{
    const auto found = entries_.constFind(name);
    if (found == entries_.constEnd())
        return {};
    return QImage::fromData(*found);
}

} // namespace quarn
