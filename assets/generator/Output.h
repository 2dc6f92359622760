#pragma once
// Where the generator writes its pictures: one file per resource in
// <out>/<kind>/<name>.<ext> and a .qrc that names each one <kind>/<name>.

#include "ResourceIndex.h"

#include <QImage>
#include <QString>

class Output {
public:
    explicit Output(QString folder);

    // Kinds: "bmp" (written as BMP), "png", "jpeg" (quality 92).
    bool add(const QString& kind, const QString& name, const QImage& image);
    bool writeQrc() const;
    bool failed() const { return failed_; }
    int count() const { return index_.count(); }

private:
    QString folder_;
    ResourceIndex index_;
    bool failed_ = false;
};
