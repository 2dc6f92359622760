#pragma once
// What the windows need from the club files, in the windows' own terms
// (QString in, QString out).

#include <QString>

namespace quarn {

// A typed password against the stored (decoded) one; both are compared
// blank-padded to five characters.
bool passwordsMatch(const QString &typed, const QString &stored);

// A new player's name: not empty, and writable in the club file.
bool isAcceptableName(const QString &name);

} // namespace quarn
