#include "web/FieldCheck.h"

#include "store/Cp1251.h"

#include <algorithm>
#include <cstring>

namespace web {
namespace {

// Code page 1251: "А".."я" occupy 0xC0..0xFF, "Ё" is 0xA8 and "ё" 0xB8.
constexpr unsigned char kCapitalYo = 0xA8;
constexpr unsigned char kSmallYo = 0xB8;

bool lengthAllowed(size_t length, int mode) {
    switch (mode) {
    case kTypedChar:
        return true;
    case kNickField:
        return length >= 2 && length <= 12;
    case kCityField:
        return length >= 2 && length <= 15;
    case kPasswordField:
        return length >= 4 && length <= 12;
    case kEMailField:
        return length >= 2 && length <= 30;
    default:
        return false;
    }
}

// Steps shared by both checks: emptiness, length, then the character classes.
FieldVerdict checkCharacters(std::string_view bytes, int mode) {
    if (bytes.empty() || !lengthAllowed(bytes.size(), mode))
        return kRefused;
    FieldVerdict verdict = kAccepted;
    for (unsigned char c : bytes) {
        if (!isAllowedChar(c))
            return kRefused;
        if (isCyrillicLetter(c))
            verdict = kCyrillic;
    }
    return verdict;
}

// An "@" at position 2 or later that is not the last character.
bool hasInnerAt(std::string_view bytes) {
    if (bytes.size() < 3)
        return false;
    return bytes.substr(1, bytes.size() - 2).find('@') != std::string_view::npos;
}

} // namespace

bool isLatinLetter(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isDigitOrSign(unsigned char c) {
    return (c >= '0' && c <= '9') || (c != 0 && std::strchr("!(),-.@_", c) != nullptr);
}

bool isCyrillicLetter(unsigned char c) {
    return c >= 0xC0 || c == kCapitalYo || c == kSmallYo;
}

FieldVerdict FieldCheckCp1251(std::string_view bytes, int mode) {
    if (mode < kTypedChar || mode > kEMailField)
        return kRefused;
    FieldVerdict verdict = checkCharacters(bytes, mode);
    // Cyrillic letters are accepted only in a city (and as a typed character).
    if (verdict == kCyrillic && mode != kCityField && mode != kTypedChar)
        return kRefused;
    if (verdict == kAccepted && mode == kEMailField && !hasInnerAt(bytes))
        return kRefused;
    return verdict;
}

FieldVerdict PassportCheckCp1251(std::string_view bytes, int mode) {
    if (mode < kTypedChar || mode > kCityField)
        return kRefused;
    return checkCharacters(bytes, mode);
}

FieldVerdict FieldCheck(std::string_view utf8, int mode) {
    const auto bytes = quarn::utf8ToCp1251(utf8);
    return bytes ? FieldCheckCp1251(*bytes, mode) : kRefused;
}

FieldVerdict PassportCheck(std::string_view utf8, int mode) {
    const auto bytes = quarn::utf8ToCp1251(utf8);
    return bytes ? PassportCheckCp1251(*bytes, mode) : kRefused;
}

} // namespace web
