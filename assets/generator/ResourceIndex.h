#pragma once
// The list of resources a build-time generator has written, and the .qrc that
// names each one <kind>/<name> under a prefix: "/res" for the program's own
// resources (compiled in as :/res/<kind>/<name>), "/" for a resource library
// (registered at run time under /lib/<file>). Shared by every generator.

#include <QString>
#include <QStringList>

class ResourceIndex {
  public:
    // A resource written to `file` (relative to the output folder).
    void add(const QString &kind, const QString &name, const QString &file);
    // Writes the .qrc at `path` in one step; false when it cannot be written.
    bool writeQrc(const QString &path, const QString &prefix = QStringLiteral("/res")) const;
    int count() const { return aliases_.size(); }

  private:
    QStringList aliases_;
    QStringList files_;
};
