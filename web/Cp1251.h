#pragma once
// Conversion between the program's UTF-8 texts and code page 1251, in which
// the web services read request bodies and write their replies.
#include <optional>
#include <string>
#include <string_view>

namespace web {

// The UTF-8 text in code page 1251, or nothing when the text is not valid
// UTF-8 or holds a character that code page 1251 cannot write.
std::optional<std::string> toCp1251(std::string_view utf8);

// The code-page-1251 bytes as UTF-8. The one byte without a character in the
// code page (0x98) becomes U+FFFD, so any reply can be shown.
std::string fromCp1251(std::string_view bytes);

} // namespace web
