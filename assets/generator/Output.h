#pragma once
// Where a generator writes its resources: one file per resource in
// <out>/<kind>/<name>.<ext> and a .qrc that names each one <kind>/<name>.
//
// The program's own pictures go to builtin.qrc under the prefix "/res"; a part
// of a resource library goes to part.qrc under the prefix "/" (see
// quarn_resource_part in cmake/Quarn.cmake, which passes --out and --prefix).

#include "ResourceIndex.h"

#include <QByteArray>
#include <QImage>
#include <QString>

class Output {
  public:
    explicit Output(QString folder, QString qrcFile = QStringLiteral("builtin.qrc"),
                    QString prefix = QStringLiteral("/res"));

    // Kinds: "bmp" (written as BMP), "png", "jpeg" (quality 92).
    bool add(const QString &kind, const QString &name, const QImage &image);
    // Ready-made bytes (a WAVE sound, a GIF animation, a MIDI file, ...) of a
    // kind ("wav", "gif", "raw", ...) written as <kind>/<name>.<extension>.
    bool addBytes(const QString &kind, const QString &name, const QByteArray &bytes,
                  const QString &extension);
    bool writeQrc() const;
    bool failed() const { return failed_; }
    int count() const { return index_.count(); }

  private:
    QString folder_;
    QString qrcFile_;
    QString prefix_;
    ResourceIndex index_;
    bool failed_ = false;
};
