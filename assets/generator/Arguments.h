#pragma once
// The command line of a build-time generator: "--name value" pairs.

#include <QString>
#include <QStringList>

// The value after "--<name>" (the last one given), or fallback.
QString optionValue(const QStringList &args, const QString &name, const QString &fallback = {});
