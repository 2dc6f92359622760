#include "web/Addresses.h"
#include "web/Endpoints.h"
#include "web/Scramble.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using web::Scramble;
using web::Unscramble;

struct Vector {
    std::string plain; // code-page-1251 bytes
    std::uint16_t key;
    std::string scrambled;
};

// Worked out by hand and with an independent script from the algorithm:
// groups of three, two and one byte, a Cyrillic text, a zero and a full key.
const Vector kVectors[] = {
    {"", 0, ""},
    {"A", 0, "BB"},
    {"AB", 0, "BBI"},
    {"ABC", 0, "BBIf"},
    {"Quarn", 12345, "hNIaH0N"},
    {"\xC8\xE3\xF0\xEE\xEA", 0xFFFF, "3AglM0H"},
    {"http://127.0.0.1:8046/acc.php", 0x6B1D, "DEM0PgMEr4bCZd15hhzG/R2YxMw102Zi0/u03GH"},
};

TEST(Scramble, KnownVectors) {
    for (const auto &v : kVectors) {
        SCOPED_TRACE(v.scrambled);
        EXPECT_EQ(Scramble(v.plain, v.key), v.scrambled);
        EXPECT_EQ(Unscramble(v.scrambled, v.key), v.plain);
    }
}

TEST(Scramble, RoundTripsEveryLengthAndByte) {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    for (std::uint16_t key : {0, 1, 0x00FF, 0x8000, 0xFFFF}) {
        for (size_t length = 0; length <= all.size(); length += 37) {
            const std::string plain = all.substr(all.size() - length);
            const std::string text = Scramble(plain, key);
            SCOPED_TRACE(length);
            // n bytes give n + ceil(n / 3) characters, all from the alphabet
            EXPECT_EQ(text.size(), length + (length + 2) / 3);
            EXPECT_EQ(text.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"
                                             "0123456789+/"),
                      std::string::npos);
            EXPECT_EQ(Unscramble(text, key), plain);
        }
    }
}

TEST(Scramble, WrongKeyDoesNotRevealTheText) {
    const std::string text = Scramble("http://127.0.0.1:8046/world.php", web::kConfigKey);
    EXPECT_NE(Unscramble(text, web::kAccountKey), "http://127.0.0.1:8046/world.php");
}

TEST(Unscramble, DamagedTextGivesNothing) {
    for (const char *damaged : {"B", "BBIfB", "BB!f", "BB If", "BBI\xC8"}) {
        SCOPED_TRACE(damaged);
        EXPECT_EQ(Unscramble(damaged, 0), "");
    }
}

struct BuiltIn {
    std::string_view scrambled;
    std::uint16_t key;
    std::string_view plain;
};

// Each built-in constant must agree with its key and name our own server.
TEST(BuiltInAddresses, UnscrambleWithTheirKeys) {
    namespace b = web::builtin;
    const BuiltIn table[] = {
        {b::kAccountService, web::kAccountKey, "http://127.0.0.1:8046/acc.php"},
        {b::kWorldService, web::kConfigKey, "http://127.0.0.1:8046/world.php"},
        {b::kStatisticsService, web::kConfigKey, "http://127.0.0.1:8046/stat.php"},
        {b::kTournamentService, web::kTournamentKey, "http://127.0.0.1:8046/tour.php"},
        {b::kPhotoStore, web::kAccountKey, "http://127.0.0.1:8046/photos/"},
        {b::kRemoteConfigPage, web::kConfigKey, "http://127.0.0.1:8046/config.txt"},
        {b::kNewsPage, web::kNewsKey, "http://127.0.0.1:8046/news.html"},
        {b::kMakerSite, web::kNewsKey, "http://127.0.0.1:8046/"},
        {b::kPaymentPage, web::kConfigKey, "http://127.0.0.1:8046/pay.php?sum="},
        {b::kDownloadFolder, web::kConfigKey, "http://127.0.0.1:8046/downloads/progr/cards/"},
        {b::kSongFolder, web::kConfigKey, "http://127.0.0.1:8046/musik/"},
    };
    for (const auto &entry : table) {
        SCOPED_TRACE(entry.plain);
        EXPECT_EQ(Unscramble(entry.scrambled, entry.key), entry.plain);
        // no address is kept readable
        EXPECT_EQ(entry.scrambled.find("127.0.0.1"), std::string_view::npos);
    }
    EXPECT_EQ(web::kAccessToken.size(), 13u);
}

TEST(BuiltInAddresses, ServerElsewhereGetsEveryAddress) {
    const auto a = web::Addresses::forServer("http://10.1.2.3:9000/");
    EXPECT_EQ(Unscramble(a.accountService, web::kAccountKey), "http://10.1.2.3:9000/acc.php");
    EXPECT_EQ(a.worldService, "http://10.1.2.3:9000/world.php");
    EXPECT_EQ(a.statisticsService, "http://10.1.2.3:9000/stat.php");
    EXPECT_EQ(Unscramble(a.tournamentService, web::kTournamentKey),
              "http://10.1.2.3:9000/tour.php");
    EXPECT_EQ(a.newsPageUrl(), "http://10.1.2.3:9000/news.html");
    EXPECT_EQ(a.makerSiteUrl(), "http://10.1.2.3:9000/");
    EXPECT_EQ(a.songListUrl(), "http://10.1.2.3:9000/musik/_playlist.html");
    EXPECT_EQ(a.externalIpPage, "http://10.1.2.3:9000/get_ip.php");
}

} // namespace
