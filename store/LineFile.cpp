#include "store/LineFile.h"

namespace quarn {

std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end == std::string_view::npos) {
            bytes = {};
        } else {
            bytes.remove_prefix(end + 1);
            if (!line.empty() && line.back() == '\r')
                line.remove_suffix(1);
        }
        lines.push_back(line);
    }
    return lines;
}

std::string joinCrlfLines(const std::vector<std::string> &lines) {
    std::string out;
    for (const std::string &line : lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

} // namespace quarn
