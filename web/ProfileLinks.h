#pragma once
// The addresses in other players' profiles (web site, social pages) that the
// account window opens in the web browser. Their texts come from anyone, so
// only web pages and e-mail addresses are opened: never a file, a program's
// own scheme or anything else the system would hand to some handler.
#include <optional>
#include <string>
#include <string_view>

namespace web {

// The address to open for a profile text: an "http:", "https:" or "mailto:"
// address as it is (scheme case ignored), or a bare host name with an
// optional path ("example.org/me") as an "http://" address. Nothing for
// every other text: other schemes, paths, blanks or control characters.
std::optional<std::string> profileLinkToOpen(std::string_view text);

} // namespace web
