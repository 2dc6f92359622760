#pragma once
// The program's requests to its web services: one function per request,
// each building its body, posting it, scanning the reply and returning the
// parsed data with a success flag. Every call blocks until the reply arrives
// or the transport fails, and never longer than the time-outs allow; no call
// shows anything. Two refusals are mended quietly: a form post refused for
// load (503 with Retry-After) is sent again after the server's wait, a few
// times; a profile save or Wems change refused for want of a session logs
// in again with the login the client holds (the last one accepted) and is
// sent once more.
//
// A WebServices is a light view on the run's WebClient, which the main
// window owns: make one where a request is needed. Form posts go through the
// client's one HTTP client (cookies kept, the access token as User-Agent).
// Its read time-out is unset until the first world list, own-results or
// statistics read sets 3000 ms, which then holds for every later post, from
// any view. Plain fetches, photos, downloads and the upload each use an HTTP
// client of their own with the shared options.
//
// Bodies travel in code page 1251: raw bodies unescaped (see FormBody.h),
// listed bodies percent-escaped. Replies are read as code page 1251 and their
// texts handed back in UTF-8.
#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "web/Addresses.h"
#include "web/FormBody.h"
#include "web/HttpClient.h"
#include "web/Records.h"
#include "web/RemoteConfig.h"
#include "web/ReplyParse.h"
#include "web/WebClient.h"

namespace web {

// RegisterAccount's results.
enum RegisterResult : int {
    kRegistered = 0,
    kNickTaken = 1,
    kRegisterFailed = 2,
};

class WebServices {
  public:
    // Requests through the run's shared client.
    explicit WebServices(WebClient &client);
    // Requests through a client of its own (tools and tests).
    explicit WebServices(Addresses addresses = Addresses::builtIn(), HttpOptions options = {});

    Addresses &addresses() { return client_->addresses(); }
    const Addresses &addresses() const { return client_->addresses(); }
    HttpClient &sharedClient() { return client_->forms(); }

    // --- start ---
    // Reads the remote configuration page once, with the short start connect
    // time-out, keeps it in the client and puts the service addresses in
    // force: for the built-in server from the page, the stored copies
    // (settings lines 26 and 31, filled with the built-in values when empty)
    // and the built-in constants; for a server named by the server file from
    // the page and the server's own addresses.
    RemoteConfig StartOnline(StoredServicePaths &stored);

    // --- account service ---
    RegisterResult RegisterAccount(const TWemUser &user);
    // The record starts from `current` with Nick and Pw as given, PwC their
    // scrambled form, and the fields the reply carries reset ("#", "00.00.0000",
    // zeros); fails on a refusal, a transport or a number failure.
    Reply<TWemUser> LoginAccount(const std::string &nick, const std::string &pw,
                                 const TWemUser &current = {});
    Reply<TopTenRows> ReadTopTen();
    Reply<int> ReadPlace(double rating); // -1 on failure
    Reply<int> ReadMemberCount();        // -1 on failure
    Reply<int> ReadBalance(const std::string &nick);
    bool AddBalance(const std::string &nick, int amount);
    // Texts the reply does not carry keep `current`'s values; ok tells whether
    // the profile was read (the windows may ignore it).
    Reply<TInfo14> ReadProfile(const std::string &nick, const TInfo14 &current);
    bool SaveProfile(const std::string &nick, const TInfo14 &info);
    // Kon, Score, Sessions, R1, Rating, PlayNow and R2 are reset before the
    // reply; the other fields keep `current`'s values.
    Reply<TWemGame> ReadGameResults(const std::string &nick, const std::string &pw,
                                    const TWemGame &current);
    bool SaveGameResults(const std::string &nick, const std::string &pw, const TWemGame &game);
    // The pre-charge of a rated account match: SaveGameResults with the
    // strong-opponent flag. The service charges from its own record and
    // answers with the match's id and the seed every hand is dealt from.
    Reply<MatchTicket> SavePreCharge(const std::string &nick, const std::string &pw,
                                     const TWemGame &game, bool strongOpponents);
    // The end of that match: SaveGameResults with the match id and the
    // player's moves (opponent/MatchReplay.h), which the service replays; it
    // stores what its replay gives, whatever the record says. Sent again, it
    // is acknowledged without a second effect.
    bool SaveMatchRecord(const std::string &nick, const std::string &pw, const TWemGame &game,
                         long long matchId, const std::string &moves);

    // --- world service ---
    Reply<WorldRows> ReadWorldList(int listId);
    Reply<int> ReadWorldCount(int listId);
    Reply<WorldRows> ReadOwnResults(int listId, const std::string &nick, const std::string &city);
    // Sends GID, Nick, City, Country, Score, R07, R09 and R10 of `entry` (R8 is
    // always the program version); the place taken, or -1.
    Reply<int> SendWorldResult(const TWemRecord &entry);
    // The same with the program's own id of this result (a repeat after a
    // lost acknowledgement makes no second entry) and, for the account list,
    // the match that completed the game.
    Reply<int> SendWorldResult(const TWemRecord &entry, const std::string &requestId,
                               long long matchId = 0);

    // --- statistics service ---
    Reply<TWemStat> ReadStats();
    bool SendStart(int stat1, int stat2);
    bool SendLike(int stat3, const std::string &nick);
    bool SendGameStats(const std::array<int, 12> &values);

    // --- tournament web service ---
    // Posts a body the lobby built ("name=value&..." in UTF-8) as it is, with
    // the access token; the reply in UTF-8.
    Reply<std::string> PostTournament(std::string_view body);

    // --- plain fetches, each with a client of its own ---
    Reply<std::string> FetchRemoteConfig(); // the page, UTF-8
    // The remote page's entries; all absent when the page cannot be fetched.
    RemoteConfig LoadRemoteConfig();
    Reply<std::string> FetchNews();     // the page, UTF-8
    std::string LookupExternalIp();     // empty on failure
    Reply<std::string> FetchSongList(); // the page, UTF-8

    // The photo of a nick, as JPEG bytes; ok when it arrived and starts like
    // a JPEG file (the window decodes it and treats a failure as no photo).
    Reply<std::string> DownloadPhoto(const std::string &nick);
    // Sends a local JPEG file (at most kMaxPhotoBytes) to the account service
    // as the photo of the nick logged in on the shared client's session; true
    // when the server stored it.
    bool UploadPhoto(const std::string &localFile, const std::string &nick);

    // Downloads `fileName` from the download folder into `targetFolder` under
    // `saveAs` (the same name when empty). The file appears only complete: it
    // is written beside the target and renamed when the whole reply arrived,
    // so a failed download leaves neither a partial file nor a changed one.
    bool DownloadResource(const std::string &fileName, const std::string &targetFolder,
                          const std::string &saveAs = {});
    // A missing resource library, downloaded into the folder above the
    // program's folder.
    bool DownloadLibrary(const std::string &libraryName, const std::string &programFolder);

  private:
    enum class Service { Account, World, Statistics, Tournament };
    std::string serviceUrl(Service service) const;
    // Posts the fields; nothing (a failed reply) when the service has no
    // address or a text cannot be written in code page 1251.
    HttpReply postRaw(Service service, const FormFields &fields);
    HttpReply postListed(Service service, const FormFields &fields);
    // False for a password the player has not been told would go readable
    // (web/PlainPasswords.h): such a request is not sent and fails.
    bool passwordMayGo(Service service, const FormFields &fields) const;
    HttpReply postBody(Service service, const std::optional<std::string> &body);
    static bool refusedForLoad(const HttpReply &reply);
    HttpReply postWithSession(const std::string &nick, const FormFields &fields);
    HttpReply fetch(const std::string &url);
    static FormFields gameResultFields(const std::string &nick, const std::string &pw,
                                       const TWemGame &game);

    std::unique_ptr<WebClient> own_;
    WebClient *client_;
};

} // namespace web
