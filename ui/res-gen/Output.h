#pragma once
// Where the generator writes: one file per resource in <out>/<kind>/<name>.<ext>
// and ui.qrc naming each one <kind>/<name> under the prefix /res.

#include "assets/generator/ResourceIndex.h"

#include <QImage>
#include <QString>

#include <vector>

class Output {
public:
    explicit Output(QString folder);

    // "png" pictures keep their alpha.
    bool addPng(const QString &name, const QImage &image);
    // An animation: the frames (all one size), each shown delayMs.
    bool addGif(const QString &name, const std::vector<QImage> &frames, int delayMs);

    bool writeQrc() const;
    bool failed() const { return failed_; }
    int count() const { return index_.count(); }

private:
    bool record(const QString &kind, const QString &name, const QString &file, bool ok);

    QString folder_;
    ResourceIndex index_;
    bool failed_ = false;
};
