#pragma once
// The log-in checks of the club files in the windows' own terms: QString in,
// the message to show out.

#include "lang/QtWords.h"

#include <QString>
#include <optional>

namespace quarn {

// A typed password against the stored (decoded) one; both are compared
// blank-padded to five characters.
bool passwordsMatch(const QString &typed, const QString &stored);

// A new player's entry: the name must be one the club file can keep and the
// two passwords must agree and be writable. Nothing when it is acceptable.
std::optional<WordEntry> newPlayerEntryProblem(const QString &name, const QString &password,
                                               const QString &again);

} // namespace quarn
