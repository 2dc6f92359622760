#pragma once
// A resource library (WemCards06A.dll, ...) opened for one loading: looked
// for by its bare name in the program folder, then in the parent folder,
// registered under a root of its own and released when this goes out of
// scope. A name the library lacks reads as nothing, never as a stop.
//
//   const ResourceLibrary library(programFolder, QStringLiteral("WemCVoice3.dll"));
//   if (library.isOpen()) wave = library.bytes(QStringLiteral("wav"), name);

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quarn {

class ResourceLibrary {
  public:
    ResourceLibrary(const QString &programFolder, const QString &file);
    ~ResourceLibrary();
    ResourceLibrary(const ResourceLibrary &) = delete;
    ResourceLibrary &operator=(const ResourceLibrary &) = delete;

    bool isOpen() const { return !path_.isEmpty(); }
    // The bytes of entry <kind>/<name>; empty when absent.
    QByteArray bytes(const QString &kind, const QString &name) const;
    // The bytes of a named entry of whichever kind holds it (png, jpeg, gif, bmp, raw, wav).
    QByteArray bytes(const QString &name) const;
    // A named picture of whichever picture kind holds it; null when absent.
    QImage picture(const QString &name) const;

  private:
    QString root_; // the registration root, "/lib/<n>/<file>"
    QString path_; // the file that was opened
};

} // namespace quarn
