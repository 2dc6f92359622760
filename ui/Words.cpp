#include "ui/Words.h"

#include "lang/Language.h"

namespace quarn {

QString pictureCodeText() {
    return qText(pictureCode());
}

} // namespace quarn
