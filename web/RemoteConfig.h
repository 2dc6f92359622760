#pragma once
// The remote configuration page and the service addresses it puts in force.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace web {

// The entries the program reads from the page. A page that could not be
// fetched reads as a default RemoteConfig: nothing paused, nothing replaced.
struct RemoteConfig {
    bool chatPaused = false;  // "CTGamesPause" present
    bool worldPaused = false; // "WTGamesPause" present
    // Scrambled service addresses that replace the built-in or stored ones.
    std::optional<std::string> worldService;      // "WTGamesPatt" (not read while paused)
    std::optional<std::string> statisticsService; // "StatPath"
    std::optional<std::string> accountService;    // "AccPath"
    // "NewsQuarn5.3": a flag, three message lines, a number.
    bool showStartMessage = false; // the flag is "Y"
    std::array<std::string, 3> startMessage;
    std::string newsNumber;
    std::optional<std::string> downloadLink;   // "DownLoad_Link_Quarn"
    std::optional<std::string> googlePlayLink; // "Google_Play_Link_Quarn"
};

// The values of `key` in the page: the first begins one character after the
// key and runs to the next "#" (or the end); each further one begins right
// after the previous "#". Nothing when the key is absent; missing values are
// empty texts.
std::optional<std::vector<std::string>> remoteValues(std::string_view page, std::string_view key,
                                                     size_t count);

// Reads the entries of a page (UTF-8 text). An address entry with an empty
// value counts as absent rather than wiping out the address.
RemoteConfig parseRemoteConfig(std::string_view page);

} // namespace web
