#pragma once
// Texts of the windows in the current language, as QStrings.

#include "lang/QtWords.h"

#include <QString>

namespace quarn {

// The three-letter code of pictures with lettering in the current language.
QString pictureCodeText();

} // namespace quarn
