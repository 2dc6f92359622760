#include "net/lan/LanTexts.h"

#include "lang/QtWords.h"

namespace quarn::lan {

QString Text(WordEntry entry) {
    return word(entry);
}

QString InterruptedGameMessage() {
    return Text(WordEntry::NetInterruptedGame) + QStringLiteral("\n\r") +
           Text(WordEntry::NetPressOkForMenu);
}

} // namespace quarn::lan
