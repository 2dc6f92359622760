#include "ui/GraphicsLibrary.h"

#include "table/Pictures.h"
#include "table/ResourceLibrary.h"

namespace quarn {

QString graphicsLibraryFile() {
    return QLatin1String(graphicsLibrary);
}

std::optional<GraphicsLibrary> GraphicsLibrary::load(const QString &programFolder,
                                                     const QStringList &names) {
    const ResourceLibrary file(programFolder, graphicsLibraryFile());
    if (!file.isOpen())
        return std::nullopt;
    GraphicsLibrary library;
    for (const QString &name : names) {
        const QByteArray data = file.bytes(name);
        if (!data.isEmpty())
            library.entries_.insert(name, data);
    }
    return library;
}

QImage GraphicsLibrary::picture(const QString &name) const {
    const auto found = entries_.constFind(name);
    if (found == entries_.constEnd())
        return {};
    return QImage::fromData(*found);
}

} // namespace quarn
