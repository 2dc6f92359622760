#include "ResourceIndex.h"

#include <QSaveFile>
#include <QTextStream>

void ResourceIndex::add(const QString &kind, const QString &name, const QString &file) {
    aliases_ << kind + QLatin1Char('/') + name;
    files_ << file;
}

bool ResourceIndex::writeQrc(const QString &path, const QString &prefix) const {
    QSaveFile qrc(path);
    if (!qrc.open(QIODevice::WriteOnly | QIODevice::Text))
        return false;
    QTextStream out(&qrc);
    out << "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"" << prefix << "\">\n";
    for (int i = 0; i < files_.size(); ++i)
        out << "  <file alias=\"" << aliases_[i] << "\">" << files_[i] << "</file>\n";
    out << "</qresource>\n</RCC>\n";
    out.flush();
    return qrc.commit();
}
