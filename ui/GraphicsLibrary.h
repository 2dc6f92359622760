#pragma once
// Named pictures and animations of the graphics library WemCGraph1.dll. The
// library is looked for beside the program, then in its parent folder; it is
// opened for one loading, the wanted entries are read into memory and it is
// released at once. A missing entry reads as nothing, never as a stop.

#include <QByteArray>
#include <QHash>
#include <QImage>
#include <QString>
#include <QStringList>

#include <optional>

namespace quarn {

// "WemCGraph1.dll"
QString graphicsLibraryFile();

class GraphicsLibrary {
  public:
    // The entries' bytes by name ("GFormCount"), whatever their kind (png,
    // jpeg, gif, bmp, raw). Nothing when the library cannot be opened.
    static std::optional<GraphicsLibrary> load(const QString &programFolder,
                                               const QStringList &names);

    bool has(const QString &name) const { return entries_.contains(name); }
    // The entry as a picture; null when absent or not a picture.
    QImage picture(const QString &name) const;
    // The entry's bytes (an animation's GIF); empty when absent.
    QByteArray bytes(const QString &name) const { return entries_.value(name); }

  private:
    QHash<QString, QByteArray> entries_;
};

} // namespace quarn
