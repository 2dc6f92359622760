#pragma once
// The records the web services fill and read. Texts are UTF-8 inside the
// program; the request layer converts them to code page 1251 on the wire.
#include <array>
#include <cstdint>
#include <string>

#include "web/Endpoints.h"

namespace web {

// The fourteen profile texts of an account.
struct TInfo14 {
    std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook,
        Twitter, Instagramm, YouTube;

    // Their names and wire order: web/ProfileFields.h.
    static constexpr int kCount = 14;
};

// The logged-in account.
struct TWemUser {
    std::string Nick;
    std::string Pw; // in clear
    std::string City;
    std::string Country1; // the country's short name
    std::string Country2; // the country code c-nnn
    char Sex = 'M';       // 'M' or 'W'
    std::string EMail;
    std::string DateR = "00.00.0000";
    std::string R01, R02, R03;
    int R04 = 0; // balance in Wems
    int R05 = 0, R06 = 0;
    std::string PwC; // Pw scrambled with the account key
    TInfo14 Info;
};

// A rated account match as the account service opened it at its pre-charge:
// the id its record names and the seed every hand of it is dealt from.
struct MatchTicket {
    long long id = 0;
    std::uint64_t seed = 0;
};

// The account's results in this game.
struct TWemGame {
    int Kon = 0;
    int Score = 0;
    int Sessions = 0;
    double Rating = 0;
    char PlayNow = 'N';
    int R1 = 0;
    std::string R2 = "#";
    int Place = 0;
    int Best = 0;
    int Best5 = 0, Best6 = 0, Best7 = 0, Best8 = 0;
    int KonL = 0;
    char WindA = 0, WindB = 0;
    std::uint8_t WhoL = 0, SkL = 0;
    int Bank = 0;
    std::uint8_t DoBank = 0;
    int Win = 0, WinL = 0, Won = 0, WonL = 0, Nih = 0, NihL = 0, Sco = 0, ScoL = 0;
};

// One row of the account top ten; the start value of a row before a read.
struct TWemTop10 {
    std::string Nick;
    std::string City;
    std::string Country; // a country code
    char Sex = 'M';
    double Rating = 0;
};

// One row of a world list or of the chat; the default is a row's start value
// before a read of list `GID`. A row whose Nick is "#" was not filled.
struct TWemRecord {
    int RID = 0;
    int GID = 0;
    int Score = 0;
    std::string Nick = "#";
    std::string Country = "#";
    std::string City = "#";
    std::string R07 = "#"; // sex
    std::string R08 = "#"; // the sender's program version
    std::string R09 = "#";
    std::string R10 = "#*";
    int Place = 0;
};

// The statistics of one game code.
struct TWemStat {
    std::int32_t GID = kGameId;
    std::int32_t Stat1 = 0, Stat2 = 0, Stat3 = 0;
    std::string Stat4;
    std::array<std::int32_t, 12> StatX{}; // StatX[0] is counter 1
    std::int32_t StatY = 0;
    std::string StatZ;
};

using TopTenRows = std::array<TWemTop10, 10>;
using WorldRows = std::array<TWemRecord, 10>;

} // namespace web
