#include "ui/Words.h"

#include "lang/Language.h"

namespace quarn {

QString word(WordEntry entry) {
    return QString::fromUtf8(text(entry));
}

QString pictureCodeText() {
    return QString::fromUtf8(pictureCode());
}

} // namespace quarn
