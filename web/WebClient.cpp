#include "web/WebClient.h"

#include "web/PlainPasswords.h"

namespace web {

namespace {

// Every transfer to the club's server trusts the authority its file names.
HttpOptions withAuthority(HttpOptions options, const ServerOfRun &server) {
    if (!server.authorityFile.empty())
        options.authorityFile = server.authorityFile.string();
    return options;
}

} // namespace

WebClient::WebClient(ServerOfRun server, HttpOptions options)
    : source_(server.source), addresses_(std::move(server.addresses)),
      options_(withAuthority(options, server)), forms_(options_) {}

bool WebClient::passwordsMayGoTo(std::string_view url) const {
    return plainPasswordsAllowed_ || !passwordReadableOnTheWay(url);
}

void WebClient::holdLogin(HeldLogin login) {
    const std::lock_guard lock(loginMutex_);
    login_ = std::move(login);
}

void WebClient::forgetLogin() {
    const std::lock_guard lock(loginMutex_);
    login_.reset();
}

std::optional<WebClient::HeldLogin> WebClient::heldLogin() const {
    const std::lock_guard lock(loginMutex_);
    return login_;
}

} // namespace web
