#include "match/ClubAccess.h"

namespace quarn {

bool passwordsMatch(const QString &typed, const QString &stored)
{
    return typed.leftJustified(5, QLatin1Char(' '), true) == stored.leftJustified(5, QLatin1Char(' '), true);
}

bool isAcceptableName(const QString &name) { return !name.trimmed().isEmpty(); }

} // namespace quarn
