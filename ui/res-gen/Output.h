#pragma once
// Where the generator writes: one file per resource in <out>/<kind>/<name>.<ext>
// and a .qrc naming each one <kind>/<name>: ui.qrc under the prefix /res for
// the program's own pictures, part.qrc under "/" for the graphics library.

#include "assets/generator/ResourceIndex.h"

#include <QImage>
#include <QString>

#include <vector>

class Output {
  public:
    explicit Output(QString folder, QString qrcFile = QStringLiteral("ui.qrc"),
                    QString prefix = QStringLiteral("/res"));

    // "png" pictures keep their alpha.
    bool addPng(const QString &name, const QImage &image);
    // An opaque picture as JPEG.
    bool addJpeg(const QString &name, const QImage &image, int quality = 90);
    // An animation: the frames (all one size), each shown delayMs.
    bool addGif(const QString &name, const std::vector<QImage> &frames, int delayMs);

    bool writeQrc() const;
    bool failed() const { return failed_; }
    int count() const { return index_.count(); }

  private:
    bool record(const QString &kind, const QString &name, const QString &file, bool ok);

    QString folder_;
    QString qrcFile_;
    QString prefix_;
    ResourceIndex index_;
    bool failed_ = false;
};
