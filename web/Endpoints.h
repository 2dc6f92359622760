#pragma once
// Fixed values by which the program meets its web services: the scrambling
// keys, the access token, the game and list ids, and the built-in addresses.
// Every address but the external-address page is kept scrambled with its
// role's key. The built-in ones name the project's own server, wem-server,
// on this machine: HTTP on 127.0.0.1:8046, the game server from 25046 on.
#include "store/BuiltinServicePaths.h"
#include "web/Timeouts.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace web {

// One key per role; a value must be unscrambled with the key that made it.
constexpr std::uint16_t kAccountKey = 0x6B1D; // account service, photos, upload, saved password
constexpr std::uint16_t kConfigKey = 0x3E95;  // remote page, world and statistics services, payment
constexpr std::uint16_t kNewsKey = 0x51C7;    // news page and the maker's other pages
constexpr std::uint16_t kTournamentKey = 0x7A2F; // tournament web service

// Sent as the User-Agent of every form post to the services.
constexpr std::string_view kAccessToken = "KorbelWintaph";

// A photo travels as a JPEG picture of at most this size; the account
// service takes it posted with this content type.
constexpr std::size_t kMaxPhotoBytes = 256 * 1024;
constexpr std::string_view kPhotoContentType = "image/jpeg";

// The game as the services know it, and the world lists derived from it.
constexpr int kGameId = 46;
constexpr int kLocalGamesList = 46;    // "WINDOWS. SCORE. GAMES IN CYCLE"
constexpr int kMobileGamesList = 146;  // "ANDROID. SCORE. GAMES IN CYCLE"
constexpr int kAccountGamesList = 346; // "ACCOUNT. SCORE. GAMES IN CYCLE"
constexpr int kChatList = 100;

// Glued in front of the account-result field names: "crdQuarnkon", ...
constexpr std::string_view kResultPrefix = "crdQuarn";

// The program version sent with every world-list entry.
constexpr std::string_view kProgramVersion = "5.7f";

constexpr int kHttpPort = 8046;
constexpr int kGamePortBase = 25046;

// Paths on the server (for reference and for servers at other addresses).
namespace path {
constexpr std::string_view kAccountService = "/acc.php";
constexpr std::string_view kWorldService = "/world.php";
constexpr std::string_view kStatisticsService = "/stat.php";
constexpr std::string_view kTournamentService = "/tour.php";
constexpr std::string_view kRemoteConfigPage = "/config.txt";
constexpr std::string_view kNewsPage = "/news.html";
constexpr std::string_view kExternalIpPage = "/get_ip.php";
constexpr std::string_view kPhotoStore = "/photos/";
constexpr std::string_view kDownloadFolder = "/downloads/progr/cards/";
constexpr std::string_view kSongFolder = "/musik/";
constexpr std::string_view kSongListFile = "_playlist.html";
constexpr std::string_view kPaymentPage = "/pay.php?sum=";
} // namespace path

// The built-in addresses, scrambled; the comment names the key.
namespace builtin {
constexpr std::string_view kAccountService = "DEM0PgMEr4bCZd15hhzG/R2YxMw102Zi0/u03GH"; // account
constexpr std::string_view kWorldService = quarn::kBuiltinWorldServicePath;             // config
constexpr std::string_view kStatisticsService = quarn::kBuiltinStatisticsServicePath;   // config
constexpr std::string_view kTournamentService =
    "SAMkILpLMfqgrcTn/vKcuk80TXQbSDqkRIGDWPG/";                                     // tournament
constexpr std::string_view kPhotoStore = "DEM0PgMEr4bCZd15hhzG/R2YxMw10yYXzKbMH/P"; // account
constexpr std::string_view kRemoteConfigPage =
    "Wh0e8ADhdCxEudaOgweeSt5/iRoqHwlYpnO1KnoslbG";                                   // config
constexpr std::string_view kNewsPage = "5YTd0V8HjUv7sTtJjc238Hvp/2tDswAeD7KHuT8KrC"; // news
constexpr std::string_view kMakerSite = "5YTd0V8HjUv7sTtJjc238Hvp/2tDsA";            // news
constexpr std::string_view kPaymentPage =
    "Wh0e8ADhdCxEudaOgweeSt5/iRoqH808ljpgljcDJ3V8cD"; // config
constexpr std::string_view kDownloadFolder =
    "Wh0e8ADhdCxEudaOgweeSt5/iRoqHsFUekagl4EF2K1tizbTqsT5WH0JNYL";                 // config
constexpr std::string_view kSongFolder = "Wh0e8ADhdCxEudaOgweeSt5/iRoqHIFiQRd+1C"; // config
} // namespace builtin

// The one address kept readable.
constexpr std::string_view kExternalIpPage = "http://127.0.0.1:8046/get_ip.php";

} // namespace web
