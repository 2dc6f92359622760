#pragma once
// Scrambling of the addresses and the saved password the program keeps: a
// keyed byte stream turned into printable text over a 64-character alphabet
// ("A"-"Z", "a"-"z", "0"-"9", "+", "/"), without filler characters.
#include <cstdint>
#include <string>
#include <string_view>

namespace web {

// Scrambles code-page-1251 bytes with a 16-bit key.
std::string Scramble(std::string_view bytes, std::uint16_t key);

// Reverses Scramble with the same key. A text that no Scramble can have made
// (a character outside the alphabet, or a last group of one character) gives
// an empty text, so a damaged value reads as "no value" rather than garbage.
std::string Unscramble(std::string_view text, std::uint16_t key);

} // namespace web
