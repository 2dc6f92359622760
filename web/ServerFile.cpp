#include "web/ServerFile.h"

#include "store/AtomicFile.h"
#include "store/LineFile.h"

#include <algorithm>
#include <charconv>
#include <vector>

namespace web {
namespace {

// A server file holds one short line; anything larger is not one.
constexpr std::size_t kMaxServerFileSize = 1024;

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool isHostName(std::string_view host) {
    if (host.empty() || host.size() > 253 || host.front() == '-' || host.front() == '.')
        return false;
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
               c == '-' || c == '.';
    });
}

bool isBracketedIpv6(std::string_view host) {
    if (host.size() < 4 || host.front() != '[' || host.back() != ']')
        return false;
    host = host.substr(1, host.size() - 2);
    return std::all_of(host.begin(), host.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') ||
               c == ':' || c == '.';
    });
}

std::optional<int> portNumber(std::string_view text) {
    int port = 0;
    const char *end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, port);
    if (text.empty() || text.size() > 5 || error != std::errc() || rest != end || port < 1 ||
        port > 65535)
        return std::nullopt;
    return port;
}

} // namespace

std::optional<std::string> serverBaseUrl(std::string_view line) {
    if (line.substr(0, 3) == "\xEF\xBB\xBF") // the mark some editors put first
        line.remove_prefix(3);
    line = trimmed(line);
    std::string_view scheme = "http://";
    for (std::string_view given : {"http://", "https://"})
        if (line.substr(0, given.size()) == given) {
            scheme = given;
            line.remove_prefix(given.size());
        }
    if (!line.empty() && line.back() == '/')
        line.remove_suffix(1);
    // The host ends at the port's colon, which follows the "]" of an IPv6 address.
    const size_t hostEnd = !line.empty() && line.front() == '[' ? line.find(']') + 1 : 0;
    const size_t colon = line.find(':', hostEnd);
    const std::string_view host = line.substr(0, colon);
    if (!isHostName(host) && !isBracketedIpv6(host))
        return std::nullopt;
    int port = kHttpPort;
    if (colon != std::string_view::npos) {
        const std::optional<int> given = portNumber(line.substr(colon + 1));
        if (!given)
            return std::nullopt;
        port = *given;
    }
    return std::string(scheme) + std::string(host) + ":" + std::to_string(port);
}

ServerOfRun serverOfRun(const std::filesystem::path &programFolder) {
    std::filesystem::path folder = programFolder;
    if (!folder.has_filename())
        folder = folder.parent_path(); // "dir/" names "dir"
    for (const std::filesystem::path &where : {folder, folder.parent_path()}) {
        const std::filesystem::path file = where / kServerFileName;
        const quarn::FileBytes read = quarn::readFileBytes(file, kMaxServerFileSize);
        if (read.status == quarn::ReadStatus::Missing)
            continue;
        ServerOfRun server{ServerSource::BadFile, file, Addresses::none(), {}};
        const std::vector<std::string_view> lines = quarn::splitLines(read.bytes);
        if (read.status != quarn::ReadStatus::Ok || lines.empty())
            return server;
        const std::optional<std::string> base = serverBaseUrl(lines.front());
        if (!base)
            return server;
        server.source = ServerSource::File;
        server.addresses = Addresses::forServer(*base);
        if (lines.size() > 1 && !trimmed(lines[1]).empty())
            server.authorityFile = where / std::filesystem::path(std::string(trimmed(lines[1])));
        return server;
    }
    return {};
}

} // namespace web
