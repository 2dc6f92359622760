#pragma once
// Checks of the fields of a request on arrival, on their code-page-1251
// bytes. Names, cities, passwords and e-mail addresses go through the
// program's own field check (web/FieldCheck.h), so the server accepts exactly
// what the program can send and nothing its reply formats could misread.
#include <QByteArray>

#include <optional>

namespace server {

bool isAccountNick(const QByteArray &v);     // field check, nick mode: 3
bool isAccountCity(const QByteArray &v);     // city mode: 2 or 3
bool isAccountPassword(const QByteArray &v); // password mode: 3
bool isAccountEMail(const QByteArray &v);    // e-mail mode: 3
bool isPassportNick(const QByteArray &v);    // passport check, nick mode: 2 or 3
bool isPassportCity(const QByteArray &v);    // passport check, city mode: 2 or 3
bool isCountryCode(const QByteArray &v);     // "c-nnn" naming a country of the table
bool isSex(const QByteArray &v);             // "M" or "W"

// A short text that travels inside a space-separated reply: 1 to maxLength
// bytes, no blank or control character and none of "$", "*", "~", "&", "=".
bool isToken(const QByteArray &v, int maxLength);
// A chat message: 1 to 80 characters of the chat set (letters, digits and
// the signs of the field check), or "#".
bool isChatText(const QByteArray &v);
// A profile text: up to maxLength bytes, no control character, "$" or "~".
bool isProfileText(const QByteArray &v, int maxLength);

// A signed decimal integer within [min, max]; nothing otherwise.
std::optional<qint64> integerValue(const QByteArray &v, qint64 min, qint64 max);
// A finite decimal number ("." as separator) within [-limit, limit].
std::optional<double> decimalValue(const QByteArray &v, double limit);

} // namespace server
