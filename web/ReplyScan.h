#pragma once
// Reading the services' replies. A reply is code-page-1251 text; fields are
// separated by spaces (by "~" in a profile), records start at "$" and list
// entries end at "*". Positions count from 1 in the comments.
//
// Every function works on the raw reply bytes and never fails on odd input:
// a reply without the expected marks gives "nothing found".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace web {

// The two letters anywhere in the reply, also inside a longer word.
bool hasStatusWord(std::string_view reply, std::string_view word);

// A status word written by the service rather than found inside the
// account's own data: the word occurs outside the first record's text, or is
// that whole text ("$no$"). A city "Reno", an e-mail "anon@..." or a profile
// "I know..." inside the record is not a refusal.
bool hasStatusWordOutsideRecord(std::string_view reply, std::string_view word);

// The text after the first "$" that is not the reply's last character, up to
// the next "$"; without one, up to the end minus the reply's last character.
std::optional<std::string_view> firstRecord(std::string_view reply);

// A refusal because the server holds no login session for the request (the
// server restarted or the session expired): "$no$" with the note "log in
// first".
bool refusedForWantOfSession(std::string_view reply);

// The record cut at every separator; empty pieces count as fields.
std::vector<std::string_view> splitFields(std::string_view record, char separator);

// Every "$" that is not the last character opens an entry running to the next
// "*", or to the end minus the reply's last character; at most `limit`.
std::vector<std::string_view> listEntries(std::string_view reply, size_t limit = 10);

// The digits after the last "$" that is not the reply's last character, up to
// the first non-digit or the reply's last character, whichever comes first.
// Nothing when there is no such "$", no digit, or the number is too large.
std::optional<std::int32_t> lastNumber(std::string_view reply);

// The statistics service's acknowledgement: after the last "$" that is not
// the last character, the text up to the next "#" (or the end) has "ok" as
// its second and third characters.
bool statisticsAccepted(std::string_view reply);

// A signed decimal integer in 32 bits ("+" or "-" allowed), nothing else.
std::optional<std::int32_t> toInteger(std::string_view text);

// A decimal number as the services write it: the first character that is
// neither a space, "-" nor a digit is the decimal separator; an empty text
// gives 0; anything unreadable gives nothing.
std::optional<double> toDecimal(std::string_view text);

// A decimal number for a request: below 0.00001 in magnitude (and any value
// that is not finite) "0"; otherwise up to 15 significant digits in plain
// notation with "." as the separator, whatever the locale.
std::string formatDecimal(double value);

} // namespace web
