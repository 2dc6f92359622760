#include "web/ChatNews.h"

#include "store/AtomicFile.h"
#include "store/Cp1251.h"
#include "store/LineFile.h"
#include "web/FieldCheck.h"

#include <charconv>
#include <vector>

namespace web {
namespace {

// The state files are a few bytes; anything larger is not one of them.
constexpr std::size_t kStateFileLimit = 4096;

// A whole line read as a signed decimal integer.
std::optional<int> integerLine(std::string_view line) {
    if (!line.empty() && line.front() == '+')
        line.remove_prefix(1);
    int value = 0;
    const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
    if (line.empty() || error != std::errc() || end != line.data() + line.size())
        return std::nullopt;
    return value;
}

std::string_view lineOf(const std::vector<std::string_view> &lines, std::size_t number) {
    return number <= lines.size() ? lines[number - 1] : std::string_view();
}

// Each character of the chat set kept, every other one (and each stray
// byte) written as `replacement`; `alsoKept` names further ASCII signs kept.
std::string keepChatSet(std::string_view utf8, std::string_view alsoKept = {}) {
    std::string out;
    while (!utf8.empty()) {
        const std::size_t length = quarn::utf8CharacterLength(utf8);
        const std::string_view character = utf8.substr(0, length);
        utf8.remove_prefix(length);
        const std::optional<std::string> single = quarn::utf8ToCp1251(character);
        const bool kept = single && single->size() == 1 &&
                          (isAllowedChar(static_cast<unsigned char>((*single)[0])) ||
                           alsoKept.find((*single)[0]) != std::string_view::npos);
        if (kept)
            out += character;
        else
            out += '_';
    }
    return out;
}

} // namespace

std::filesystem::path stateFolder(const std::filesystem::path &programFolder) {
    std::filesystem::path folder = programFolder;
    if (!folder.has_filename())
        folder = folder.parent_path(); // "dir/" names "dir"
    return folder.parent_path();
}

// ---- State files -------------------------------------------------------------

ChatState parseChatState(std::string_view bytes) {
    const std::vector<std::string_view> lines = quarn::splitLines(bytes);
    ChatState state;
    state.lastSeen = integerLine(lineOf(lines, 1)).value_or(0);
    state.newestAtBottom = lineOf(lines, 2) == "1";
    state.openOnNew = lineOf(lines, 3) == "1";
    return state;
}

std::string chatStateBytes(const ChatState &state) {
    return quarn::joinCrlfLines({std::to_string(state.lastSeen), state.newestAtBottom ? "1" : "0",
                                 state.openOnNew ? "1" : "0"});
}

ChatState readChatState(const std::filesystem::path &folder) {
    const std::filesystem::path path = folder / kChatStateFile;
    quarn::FileBytes file = quarn::readFileBytes(path, kStateFileLimit);
    if (file.status == quarn::ReadStatus::Missing) {
        writeChatState(folder, ChatState{});
        file = quarn::readFileBytes(path, kStateFileLimit);
    }
    if (file.status != quarn::ReadStatus::Ok)
        return ChatState{};
    return parseChatState(file.bytes);
}

bool writeChatState(const std::filesystem::path &folder, const ChatState &state) {
    return quarn::writeFileAtomically(folder / kChatStateFile, chatStateBytes(state));
}

int parseNewsSeen(std::string_view bytes) {
    const std::vector<std::string_view> lines = quarn::splitLines(bytes);
    return integerLine(lineOf(lines, 1)).value_or(0);
}

int readNewsSeen(const std::filesystem::path &folder) {
    const quarn::FileBytes file = quarn::readFileBytes(folder / kNewsStateFile, kStateFileLimit);
    return file.status == quarn::ReadStatus::Ok ? parseNewsSeen(file.bytes) : 0;
}

bool writeNewsSeen(const std::filesystem::path &folder, int number) {
    const quarn::FileBytes file = quarn::readFileBytes(folder / kNewsStateFile, kStateFileLimit);
    if (file.status == quarn::ReadStatus::Ok && number <= parseNewsSeen(file.bytes))
        return true;
    return quarn::writeFileAtomically(folder / kNewsStateFile,
                                      quarn::joinCrlfLines({std::to_string(number)}));
}

// ---- News page ------------------------------------------------------------------

int newsNumberOf(std::string_view page) {
    constexpr std::string_view key = "WemNews";
    constexpr std::size_t digits = 5;
    const std::size_t at = page.find(key);
    if (at == std::string_view::npos || page.size() < at + key.size() + digits)
        return 0;
    return integerLine(page.substr(at + key.size(), digits)).value_or(0);
}

// ---- Watch decisions --------------------------------------------------------------

WatchChecks checksAtTick(int tick, bool menuShown, bool newsFlagged, bool chatFlagged) {
    WatchChecks checks;
    checks.news = menuShown && !newsFlagged && tick % kNewsEveryTicks == 0;
    checks.chat = !chatFlagged && tick % kChatEveryTicks == 0;
    return checks;
}

IndicatorLook indicatorLook(bool largeSize, bool menuShown, bool newsFlagged, bool chatFlagged) {
    IndicatorLook look;
    if (!menuShown)
        return look;
    look.panel = largeSize;
    look.newsShown = largeSize || newsFlagged;
    look.chatShown = largeSize || chatFlagged;
    look.newsAnimated = newsFlagged;
    look.chatAnimated = chatFlagged;
    return look;
}

// ---- Chat texts ------------------------------------------------------------------

std::string chatText(std::string_view utf8) {
    return keepChatSet(utf8);
}

std::string chatMessage(std::string_view utf8) {
    std::size_t end = 0;
    for (int count = 0; count < kChatTextLimit && end < utf8.size(); ++count)
        end += quarn::utf8CharacterLength(utf8.substr(end));
    return chatText(utf8.substr(0, end));
}

std::string chatStamp(std::string_view time, std::string_view date, std::string_view product) {
    // The local formats may hold blanks, letters code page 1251 lacks, or a
    // sign that would cut the form body ("&"): each goes as "_", while the
    // usual separators of times and dates stay readable.
    constexpr std::string_view separators = ":/";
    return keepChatSet(time, separators) + '_' + keepChatSet(date, separators) + '_' +
           chatText(product);
}

std::string shownChatText(std::string_view text) {
    std::string shown(text);
    for (char &c : shown)
        if (c == '_')
            c = ' ';
    return shown;
}

} // namespace web
