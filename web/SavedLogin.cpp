#include "web/SavedLogin.h"

#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "web/Endpoints.h"
#include "web/Scramble.h"

#include <system_error>
#include <vector>

namespace web {
namespace {

// Far more than three short lines: anything larger is not our file.
constexpr std::size_t kMaxSavedLoginBytes = 4096;

// Splits at LF and drops one CR before each line end.
std::vector<std::string> linesOf(const std::string &bytes) {
    std::vector<std::string> lines;
    std::size_t begin = 0;
    while (begin <= bytes.size()) {
        std::size_t end = bytes.find('\n', begin);
        if (end == std::string::npos)
            end = bytes.size();
        std::string line = bytes.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(std::move(line));
        begin = end + 1;
    }
    return lines;
}

} // namespace

std::filesystem::path savedLoginPath(const std::filesystem::path &programFolder) {
    std::filesystem::path folder = programFolder;
    if (!folder.has_filename()) // "/games/Quarn/" names its folder by the empty last element
        folder = folder.parent_path();
    return folder.parent_path() / kSavedLoginFileName;
}

std::optional<SavedLogin> readSavedLogin(const std::filesystem::path &file) {
    const quarn::FileBytes read = quarn::readFileBytes(file, kMaxSavedLoginBytes);
    if (read.status != quarn::ReadStatus::Ok)
        return std::nullopt;
    const std::vector<std::string> lines = linesOf(read.bytes);
    if (lines.empty() || lines[0] != kSavedLoginFirstLine)
        return std::nullopt;
    SavedLogin login;
    if (lines.size() > 1)
        login.nick = quarn::cp1251ToUtf8(lines[1]);
    if (lines.size() > 2)
        login.pwC = lines[2];
    return login;
}

bool writeSavedLogin(const std::filesystem::path &file, const SavedLogin &login) {
    const auto nick = quarn::utf8ToCp1251(login.nick);
    // A line break inside a value would shift the lines of the file.
    const auto breaks = [](const std::string &text) {
        return text.find_first_of("\r\n") != std::string::npos;
    };
    if (!nick || breaks(*nick) || breaks(login.pwC))
        return false;
    const std::string text =
        std::string(kSavedLoginFirstLine) + "\r\n" + *nick + "\r\n" + login.pwC + "\r\n";
    return quarn::writeFileAtomically(file, text);
}

bool deleteSavedLogin(const std::filesystem::path &file) {
    std::error_code error;
    std::filesystem::remove(file, error);
    return !std::filesystem::exists(file, error);
}

std::string passwordForSending(std::string password) {
    for (char &c : password)
        if (c == ' ' || c == '#' || c == '$')
            c = '-';
    return password;
}

std::string savedPassword(const SavedLogin &login) {
    return passwordForSending(quarn::cp1251ToUtf8(Unscramble(login.pwC, kAccountKey)));
}

} // namespace web
