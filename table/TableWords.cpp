#include "table/TableWords.h"

#include "lang/Language.h"

namespace quarn {

namespace {
QString word(WordEntry entry) {
    const std::string_view t = text(entry);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}
} // namespace

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
