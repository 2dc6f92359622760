#include "web/WebClient.h"

namespace web {

WebClient::WebClient(ServerOfRun server, HttpOptions options)
    : source_(server.source), addresses_(std::move(server.addresses)), options_(options),
      forms_(options) {}

} // namespace web
