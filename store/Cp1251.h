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

// Byte length of the well-formed UTF-8 character at the front of `text`
// (no overlong forms, surrogates or values past U+10FFFF); 1 for a byte that
// does not start one, so broken text is taken a byte at a time and never
// swallows the character after it. 0 for an empty text.
size_t utf8CharacterLength(std::string_view text);

// Code page 1251 bytes of any text, one byte per character: a character the
// code page lacks and every byte that is not part of a well-formed UTF-8
// character become '?'.
std::string utf8ToCp1251Lossy(std::string_view utf8);

// As utf8ToCp1251Lossy, and control characters (codes below 0x20 and 0x7F),
// which would break a line of a file, become '?' as well.
std::string utf8ToCp1251Line(std::string_view utf8);

} // namespace quarn
