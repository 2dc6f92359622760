#pragma once
// The list of resources a build-time generator has written, and the .qrc that
// names each one <kind>/<name> under the prefix /res. Shared by the program's
// picture generator and the windows' picture generator.

#include <QString>
#include <QStringList>

class ResourceIndex {
public:
    // A resource written to `file` (relative to the output folder).
    void add(const QString& kind, const QString& name, const QString& file);
    // Writes the .qrc at `path` in one step; false when it cannot be written.
    bool writeQrc(const QString& path) const;
    int count() const { return aliases_.size(); }

private:
    QStringList aliases_;
    QStringList files_;
};
