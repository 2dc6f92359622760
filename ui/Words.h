#pragma once
// Texts of the windows in the current language, as QStrings.

#include "lang/WordEntry.h"

#include <QString>

namespace quarn {

// The entry in the current language.
QString word(WordEntry entry);
// The three-letter code of pictures with lettering in the current language.
QString pictureCodeText();

} // namespace quarn
