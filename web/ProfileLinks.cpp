#include "web/ProfileLinks.h"

#include <algorithm>
#include <cctype>

namespace web {
namespace {

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string lowered(std::string_view text) {
    std::string low(text);
    std::transform(low.begin(), low.end(), low.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return low;
}

// Blanks, control characters and backslashes (a path of another system)
// have no place in an address that is opened.
bool holdsForbiddenCharacter(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto u = static_cast<unsigned char>(c);
        return u <= ' ' || u == 0x7F || c == '\\';
    });
}

// A host name: letters, digits, "-" and ".", with at least one dot, starting
// with a letter or digit.
bool isHostName(std::string_view host) {
    if (host.empty() || !(isAsciiLetter(host.front()) || isAsciiDigit(host.front())))
        return false;
    if (host.find('.') == std::string_view::npos || host.back() == '.')
        return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == '-' || c == '.';
    });
}

// The scheme in front of the first ":", when the text starts with one.
std::optional<std::string> schemeOf(std::string_view text) {
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos || colon == 0 || !isAsciiLetter(text.front()))
        return std::nullopt;
    const std::string_view scheme = text.substr(0, colon);
    const bool schemeCharacters = std::all_of(scheme.begin(), scheme.end(), [](char c) {
        return isAsciiLetter(c) || isAsciiDigit(c) || c == '+' || c == '-' || c == '.';
    });
    if (!schemeCharacters)
        return std::nullopt;
    return lowered(scheme);
}

} // namespace

std::optional<std::string> profileLinkToOpen(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (text.empty() || holdsForbiddenCharacter(text))
        return std::nullopt;
    if (const std::optional<std::string> scheme = schemeOf(text)) {
        const std::string_view rest = text.substr(scheme->size() + 1);
        if (*scheme == "http" || *scheme == "https") {
            if (rest.substr(0, 2) != "//")
                return std::nullopt;
            const std::string_view authority = rest.substr(2, rest.find_first_of("/?#", 2) - 2);
            const std::string_view host = authority.substr(
                authority.find('@') == std::string_view::npos ? 0 : authority.find('@') + 1);
            if (host.empty() || host.front() == ':')
                return std::nullopt;
            return std::string(text);
        }
        if (*scheme == "mailto" && rest.find('@') != std::string_view::npos && rest.front() != '/')
            return std::string(text);
        // "example.org:8080/me" reads as a scheme too; a port makes it a host.
        const std::string_view host = text.substr(0, text.find(':'));
        const std::string_view afterColon = text.substr(host.size() + 1);
        const std::size_t portEnd = std::min(afterColon.find('/'), afterColon.size());
        const std::string_view port = afterColon.substr(0, portEnd);
        if (!isHostName(host) || port.empty() ||
            !std::all_of(port.begin(), port.end(), isAsciiDigit))
            return std::nullopt;
        return "http://" + std::string(text);
    }
    // No scheme: a bare host name, with a path after a "/".
    const std::string_view host = text.substr(0, text.find_first_of("/?#"));
    if (!isHostName(host))
        return std::nullopt;
    return "http://" + std::string(text);
}

} // namespace web
