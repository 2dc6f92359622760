#pragma once
// Conversion between the program's UTF-8 text and the single-byte code page
// 1251 of its files and wire messages.

#include <optional>
#include <string>
#include <string_view>

namespace quarn {

// The code page 1251 bytes of a UTF-8 text; nothing when the text is not
// valid UTF-8 or holds a character that code page 1251 cannot write.
std::optional<std::string> utf8ToCp1251(std::string_view utf8);

// The UTF-8 text of code page 1251 bytes. The one byte without a character
// in that code page (0x98) becomes '?', so any bytes give a text that
// converts back.
std::string cp1251ToUtf8(std::string_view bytes);

} // namespace quarn
