#include "web/RemoteConfig.h"

namespace web {
namespace {

std::optional<std::string> oneValue(std::string_view page, std::string_view key) {
    auto values = remoteValues(page, key, 1);
    if (!values)
        return std::nullopt;
    return std::move(values->front());
}

std::optional<std::string> addressValue(std::string_view page, std::string_view key) {
    auto value = oneValue(page, key);
    if (value && value->empty())
        return std::nullopt;
    return value;
}

} // namespace

std::optional<std::vector<std::string>> remoteValues(std::string_view page, std::string_view key,
                                                     size_t count) {
    const size_t found = page.find(key);
    if (key.empty() || found == std::string_view::npos)
        return std::nullopt;
    std::vector<std::string> values;
    size_t begin = found + key.size() + 1; // the character after the key separates
    for (size_t i = 0; i < count; ++i) {
        if (begin >= page.size()) {
            values.emplace_back();
            continue;
        }
        const size_t hash = page.find('#', begin);
        const size_t end = hash == std::string_view::npos ? page.size() : hash;
        values.emplace_back(page.substr(begin, end - begin));
        begin = end + 1;
    }
    return values;
}

RemoteConfig parseRemoteConfig(std::string_view page) {
    RemoteConfig config;
    config.chatPaused = page.find("CTGamesPause") != std::string_view::npos;
    config.worldPaused = page.find("WTGamesPause") != std::string_view::npos;
    if (!config.worldPaused)
        config.worldService = addressValue(page, "WTGamesPatt");
    config.statisticsService = addressValue(page, "StatPath");
    config.accountService = addressValue(page, "AccPath");
    if (const auto news = remoteValues(page, "NewsQuarn5.3", 5)) {
        config.showStartMessage = (*news)[0] == "Y";
        config.startMessage = {(*news)[1], (*news)[2], (*news)[3]};
        config.newsNumber = (*news)[4];
    }
    config.downloadLink = oneValue(page, "DownLoad_Link_Quarn");
    config.googlePlayLink = oneValue(page, "Google_Play_Link_Quarn");
    return config;
}

} // namespace web
