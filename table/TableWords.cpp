#include "table/TableWords.h"

#include "lang/QtWords.h"

namespace quarn {

QString wordGame() {
    return word(WordEntry::MainGame);
}
QString wordBank() {
    return word(WordEntry::MainBank);
}
QString wordCurrentGame() {
    return word(WordEntry::MainCurrentGame);
}
QString wordGeneralNumber() {
    return word(WordEntry::InfoTotalGames);
}
QString wordRoundInCycle() {
    return word(WordEntry::InfoRoundInCycle);
}
QString wordRoundInSession() {
    return word(WordEntry::InfoRoundInSession);
}

} // namespace quarn
