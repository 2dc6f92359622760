#pragma once
// Watching the shared chat and the news page: the two state files beside the
// maker's other programs (in the folder above the program's folder), the
// decisions of the watch, the indicators' state, and the chat's character
// set. Plain functions; the main window and the chat window make the
// requests and call these with their results.
#include <filesystem>
#include <string>
#include <string_view>

namespace web {

inline constexpr std::string_view kChatStateFile = "WemChatWem.ini";
inline constexpr std::string_view kNewsStateFile = "WemNewsWem.ini";

// At most this many characters in a chat message.
inline constexpr int kChatTextLimit = 80;

// The folder of the state files: the one above the program's folder.
std::filesystem::path stateFolder(const std::filesystem::path &programFolder);

// ---- State files -------------------------------------------------------------

// WemChatWem.ini: the newest message seen, the newest shown at the bottom,
// the chat window opening by itself on a new message.
struct ChatState {
    int lastSeen = 1;
    bool newestAtBottom = false;
    bool openOnNew = false;
    bool operator==(const ChatState &) const = default;
};

// The state from the file's bytes: a line 1 that is not a number counts as
// 0, so every message is new; a flag is set only by a line reading "1".
ChatState parseChatState(std::string_view bytes);
std::string chatStateBytes(const ChatState &state);

// Reads the chat state of `folder`; a missing file is first written with the
// defaults. An unreadable one reads as the defaults.
ChatState readChatState(const std::filesystem::path &folder);
// Replaces the file whole (through a temporary file); false when it could not
// be written, which the callers pass over silently.
bool writeChatState(const std::filesystem::path &folder, const ChatState &state);

// WemNewsWem.ini: the newest news number seen; 0 when the file is missing or
// its line is not a number.
int parseNewsSeen(std::string_view bytes);
int readNewsSeen(const std::filesystem::path &folder);
// Records `number` as seen. The file keeps the highest number seen: a lower
// one (0 after a failed fetch) leaves it, so old news never comes back as
// new. False when it had to be written and could not be.
bool writeNewsSeen(const std::filesystem::path &folder, int number);

// ---- News page ------------------------------------------------------------------

// The news number of a news page (UTF-8): the five characters right after
// "WemNews" read as an integer; 0 when the key is missing or they are not a
// number.
int newsNumberOf(std::string_view page);

// ---- Watch decisions --------------------------------------------------------------

// A check finds something new when the seen number is below the newest.
constexpr bool isNew(int seen, int newest) {
    return seen < newest;
}

// The watch runs on a 10-second tick. While the menu is shown and no news is
// flagged, every third tick (30 s) looks at the news; while no chat message
// is flagged, every 90th tick (15 min) looks at the chat. A flag, once set,
// stops its own checking until it is cleared.
inline constexpr int kWatchTickMs = 10'000;
inline constexpr int kNewsEveryTicks = 3;
inline constexpr int kChatEveryTicks = 90;

struct WatchChecks {
    bool news = false;
    bool chat = false;
    bool operator==(const WatchChecks &) const = default;
};
// `tick` counts from 1.
WatchChecks checksAtTick(int tick, bool menuShown, bool newsFlagged, bool chatFlagged);

// After a check that found a new message: the chat window opens by itself
// when a match runs, the player asked for it, and it is not open already.
constexpr bool opensChatByItself(bool inGame, bool openOnNew, bool chatWindowOpen) {
    return inGame && openOnNew && !chatWindowOpen;
}

// What the two indicators show. At the large sizes the panel is always there
// and an indicator is animated only while its flag is set; at the smaller
// sizes an indicator is there only while its flag is set (and then animated).
struct IndicatorLook {
    bool panel = false;
    bool newsShown = false, newsAnimated = false;
    bool chatShown = false, chatAnimated = false;
    bool operator==(const IndicatorLook &) const = default;
};
IndicatorLook indicatorLook(bool largeSize, bool menuShown, bool newsFlagged, bool chatFlagged);

// ---- Chat texts ------------------------------------------------------------------

// Every character outside the chat set (letters, digits and the signs of the
// field check, Cyrillic letters; not the space) becomes "_". UTF-8 in and
// out; a byte that is not part of a well-formed character is one "_".
std::string chatText(std::string_view utf8);
// A chat message as typed: cut to 80 characters, then chatText.
std::string chatMessage(std::string_view utf8);
// The sender's stamp: time "_" date "_" product, each made of the chat set.
std::string chatStamp(std::string_view time, std::string_view date, std::string_view product);
// How a chat text is shown: "_" as a blank.
std::string shownChatText(std::string_view text);

} // namespace web
