#pragma once
// The word table as Qt text: the one bridge from the UTF-8 texts of lang/ to
// QString for every window. Header-only, so the lang library itself stays
// plain C++; only code built with Qt includes it.

#include "lang/Language.h"

#include <QString>
#include <string_view>

namespace quarn {

// UTF-8 text (a word-table entry, a product title) as a QString.
inline QString qText(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

// The entry in the current language.
inline QString word(WordEntry entry) {
    return qText(text(entry));
}

} // namespace quarn
