#include "net/lan/LanTexts.h"

#include "lang/Language.h"

namespace quarn::lan {

QString Text(WordEntry entry) {
    const std::string_view t = text(entry);
    return QString::fromUtf8(t.data(), qsizetype(t.size()));
}

QString InterruptedGameMessage() {
    return Text(WordEntry::NetInterruptedGame) + QStringLiteral("\n\r") +
           Text(WordEntry::NetPressOkForMenu);
}

} // namespace quarn::lan
