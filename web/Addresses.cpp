#include "web/Addresses.h"

#include "web/Scramble.h"

namespace web {
namespace {

std::string scrambled(std::string_view text, std::uint16_t key) {
    return Scramble(text, key);
}

} // namespace

Addresses Addresses::builtIn() {
    Addresses a;
    a.accountService = builtin::kAccountService;
    a.tournamentService = builtin::kTournamentService;
    a.photoStore = builtin::kPhotoStore;
    a.remoteConfigPage = builtin::kRemoteConfigPage;
    a.newsPage = builtin::kNewsPage;
    a.makerSite = builtin::kMakerSite;
    a.paymentPage = builtin::kPaymentPage;
    a.downloadFolder = builtin::kDownloadFolder;
    a.songFolder = builtin::kSongFolder;
    a.externalIpPage = kExternalIpPage;
    return a;
}

Addresses Addresses::forServer(std::string_view baseUrl) {
    std::string base(baseUrl);
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    const auto at = [&](std::string_view path) { return base + std::string(path); };
    Addresses a = builtIn();
    a.accountService = scrambled(at(path::kAccountService), kAccountKey);
    a.worldService = at(path::kWorldService);
    a.statisticsService = at(path::kStatisticsService);
    a.tournamentService = scrambled(at(path::kTournamentService), kTournamentKey);
    a.photoStore = scrambled(at(path::kPhotoStore), kAccountKey);
    a.remoteConfigPage = scrambled(at(path::kRemoteConfigPage), kConfigKey);
    a.newsPage = scrambled(at(path::kNewsPage), kNewsKey);
    a.makerSite = scrambled(base + "/", kNewsKey);
    a.paymentPage = scrambled(at(path::kPaymentPage), kConfigKey);
    a.downloadFolder = scrambled(at(path::kDownloadFolder), kConfigKey);
    a.songFolder = scrambled(at(path::kSongFolder), kConfigKey);
    a.externalIpPage = at(path::kExternalIpPage);
    return a;
}

std::string Addresses::newsPageUrl() const {
    return Unscramble(newsPage, kNewsKey);
}
std::string Addresses::makerSiteUrl() const {
    return Unscramble(makerSite, kNewsKey);
}
std::string Addresses::paymentPageUrl() const {
    return Unscramble(paymentPage, kConfigKey);
}
std::string Addresses::songFolderUrl() const {
    return Unscramble(songFolder, kConfigKey);
}
std::string Addresses::songListUrl() const {
    const std::string folder = songFolderUrl();
    return folder.empty() ? folder : folder + std::string(path::kSongListFile);
}

void putAddressesInForce(Addresses &addresses, StoredServicePaths &stored,
                         const RemoteConfig &remote) {
    const auto decide = [](std::string &inForce, std::string &storedCopy,
                           const std::optional<std::string> &fromPage, std::string_view builtIn) {
        if (fromPage) {
            inForce = Unscramble(*fromPage, kConfigKey);
        } else if (!storedCopy.empty()) {
            inForce = Unscramble(storedCopy, kConfigKey);
        } else {
            inForce.clear();
        }
        if (storedCopy.empty())
            storedCopy = builtIn;
    };
    decide(addresses.worldService, stored.worldService, remote.worldService,
           builtin::kWorldService);
    decide(addresses.statisticsService, stored.statisticsService, remote.statisticsService,
           builtin::kStatisticsService);
    addresses.accountService =
        remote.accountService ? *remote.accountService : std::string(builtin::kAccountService);
}

void replaceAddressesFromPage(Addresses &addresses, const RemoteConfig &remote) {
    if (remote.worldService)
        addresses.worldService = Unscramble(*remote.worldService, kConfigKey);
    if (remote.statisticsService)
        addresses.statisticsService = Unscramble(*remote.statisticsService, kConfigKey);
    if (remote.accountService)
        addresses.accountService = *remote.accountService;
}

} // namespace web
