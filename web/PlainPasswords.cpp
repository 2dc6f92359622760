#include "web/PlainPasswords.h"

#include "store/AtomicFile.h"
#include "store/LineFile.h"

#include <algorithm>
#include <vector>

namespace web {
namespace {

// A few hundred servers at most; a larger file is not ours.
constexpr std::size_t kMaxNoticeFileSize = 64 * 1024;

// "scheme://host:port" of an address: what the notice remembers.
std::string serverOf(std::string_view url) {
    const size_t scheme = url.find("://");
    const size_t hostStart = scheme == std::string_view::npos ? 0 : scheme + 3;
    return std::string(url.substr(0, url.find('/', hostStart)));
}

std::string_view hostOf(std::string_view url) {
    url.remove_prefix(url.find("://") + 3);
    url = url.substr(0, url.find('/'));
    if (!url.empty() && url.front() == '[')
        return url.substr(0, url.find(']') + 1);
    return url.substr(0, url.find(':'));
}

bool isThisMachine(std::string_view host) {
    if (host == "localhost" || host == "[::1]")
        return true;
    // 127.x.y.z: four numbers, the first 127.
    if (host.substr(0, 4) != "127.")
        return false;
    int dots = 0;
    for (char c : host) {
        if (c == '.')
            ++dots;
        else if (c < '0' || c > '9')
            return false;
    }
    return dots == 3;
}

std::vector<std::string> toldServers(const std::filesystem::path &file) {
    const quarn::FileBytes read = quarn::readFileBytes(file, kMaxNoticeFileSize);
    std::vector<std::string> servers;
    if (read.status != quarn::ReadStatus::Ok)
        return servers;
    for (std::string_view line : quarn::splitLines(read.bytes))
        if (!line.empty())
            servers.emplace_back(line);
    return servers;
}

} // namespace

bool passwordReadableOnTheWay(std::string_view url) {
    if (url.substr(0, 7) != "http://")
        return false;
    return !isThisMachine(hostOf(url));
}

bool PlainPasswordNotice::due(std::string_view url) const {
    if (!passwordReadableOnTheWay(url))
        return false;
    const std::vector<std::string> told = toldServers(file_);
    return std::find(told.begin(), told.end(), serverOf(url)) == told.end();
}

bool PlainPasswordNotice::told(std::string_view url) const {
    std::vector<std::string> servers = toldServers(file_);
    const std::string server = serverOf(url);
    if (std::find(servers.begin(), servers.end(), server) != servers.end())
        return true;
    servers.push_back(server);
    std::string text;
    for (const std::string &line : servers)
        text += line + "\n";
    return quarn::writeFileAtomically(file_, text);
}

} // namespace web
