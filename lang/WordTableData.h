#pragma once
// The compiled-in word table, generated from words.tsv. Read it through
// text() in Language.h; this header is for the language module itself.

#include "lang/Language.h"

namespace quarn::detail {

extern const std::string_view wordTable[wordEntryCount][languageCount];
extern const std::string_view wordEntryIds[wordEntryCount];

} // namespace quarn::detail
