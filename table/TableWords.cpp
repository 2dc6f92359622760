#include "table/TableWords.h"

namespace quarn {

QString wordGame() { return QStringLiteral("Game"); }
QString wordBank() { return QStringLiteral("Bank:"); }
QString wordCurrentGame() { return QStringLiteral("Current game"); }
QString wordGeneralNumber() { return QStringLiteral("General number of game:"); }
QString wordRoundInCycle() { return QStringLiteral("Number of round in a current cycle:"); }
QString wordRoundInSession() { return QStringLiteral("Number of round in a current session:"); }

}  // namespace quarn
