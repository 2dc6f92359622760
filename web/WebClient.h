#pragma once
// The one web client of a program run, owned by the main window and shared
// by every request: the server of the run and its addresses in force, the
// HTTP client of the form posts (its cookies and its read time-out hold for
// every later post), the options of every transfer, and the remote
// configuration page as read at start. WebServices works through it.
#include "web/Addresses.h"
#include "web/HttpClient.h"
#include "web/RemoteConfig.h"
#include "web/ServerFile.h"

#include <atomic>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

namespace web {

class WebClient {
  public:
    explicit WebClient(ServerOfRun server = {}, HttpOptions options = {});
    WebClient(const WebClient &) = delete;
    WebClient &operator=(const WebClient &) = delete;

    ServerSource source() const { return source_; }
    Addresses &addresses() { return addresses_; }
    const Addresses &addresses() const { return addresses_; }
    const HttpOptions &options() const { return options_; }
    // The client of the form posts to the services.
    HttpClient &forms() { return forms_; }

    // The page's entries as read at start; all absent before and when it
    // could not be read.
    const RemoteConfig &remote() const { return remote_; }
    void setRemote(RemoteConfig remote) { remote_ = std::move(remote); }

    // Whether a password may be posted to `url`: always over HTTPS or to
    // this machine; over plain HTTP to another machine only once the player
    // has been told (web/PlainPasswords.h) and the window said so here.
    bool passwordsMayGoTo(std::string_view url) const;
    void allowPlainPasswords() { plainPasswordsAllowed_ = true; }
    // The nick and password of the last login accepted through this client,
    // used to log in again quietly when the server lost the session. Signing
    // out forgets them.
    struct HeldLogin {
        std::string nick;
        std::string password;
    };
    void holdLogin(HeldLogin login);
    void forgetLogin();
    std::optional<HeldLogin> heldLogin() const;

  private:
    ServerSource source_;
    Addresses addresses_;
    HttpOptions options_;
    HttpClient forms_;
    RemoteConfig remote_;
    // Set by the window's thread, read by the worker's posts.
    std::atomic<bool> plainPasswordsAllowed_ = false;
    mutable std::mutex loginMutex_; // the worker logs in, the window signs out
    std::optional<HeldLogin> login_;
};

} // namespace web
