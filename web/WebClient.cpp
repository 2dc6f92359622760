#include "web/WebClient.h"

namespace web {

WebClient::WebClient(ServerOfRun server, HttpOptions options)
    : source_(server.source), addresses_(std::move(server.addresses)), options_(options),
      forms_(options) {}

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
