#pragma once
// The check that decides whether a nick, city, password or e-mail address may
// be sent to the web services. It admits only characters that the services'
// reply formats cannot misread: Latin letters, digits, the signs
// ! ( ) , - . @ _ and Cyrillic letters (code page 1251). The space, "&", "$",
// "#", "*" and "~" are all refused.
#include <string_view>

namespace web {

// What is being checked; the values are the modes the windows pass.
enum FieldMode : int {
    kTypedChar = 0,     // one typed character
    kNickField = 1,     // at most 12 characters
    kCityField = 2,     // at most 15 characters, Cyrillic letters allowed
    kPasswordField = 3, // 4 to 12 characters
    kEMailField = 4,    // at most 30 characters with an "@" inside
};

// Results: 1 refused, 2 accepted but holding Cyrillic letters, 3 accepted.
enum FieldVerdict : int {
    kRefused = 1,
    kCyrillic = 2,
    kAccepted = 3,
};

// The account's check, on a UTF-8 text (the windows' texts). A character
// that code page 1251 cannot write, or text that is not valid UTF-8, is
// outside the allowed set. A mode outside 0 to 4 refuses everything.
FieldVerdict FieldCheck(std::string_view utf8, int mode);

// The same on code-page-1251 bytes (the text as it travels).
FieldVerdict FieldCheckCp1251(std::string_view bytes, int mode);

// The passport's check: only the emptiness, length and character rules, so a
// nick with Cyrillic letters gives 2. Modes 0, 1 and 2; others refuse.
FieldVerdict PassportCheck(std::string_view utf8, int mode);
FieldVerdict PassportCheckCp1251(std::string_view bytes, int mode);

// Character classes on one code-page-1251 byte.
bool isLatinLetter(unsigned char c);
bool isDigitOrSign(unsigned char c);
bool isCyrillicLetter(unsigned char c);
inline bool isAllowedChar(unsigned char c) {
    return isLatinLetter(c) || isDigitOrSign(c) || isCyrillicLetter(c);
}

} // namespace web
