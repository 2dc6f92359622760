#pragma once
// What the tournament windows take from the program: the posts of the
// tournament web service, the outside-address lookup and the message box.
// The main window binds them to its web client; tests bind them to a
// server of their own.

#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "web/ReplyParse.h"

namespace quarn::tour {

struct TourLobbyServices {
    // One form post of the tournament web service; the reply in UTF-8.
    std::function<web::Reply<std::string>(std::string_view body)> post;
    // The machine's address as seen from the internet; empty on failure.
    std::function<std::string()> externalIp;
    // A modal message with one OK button.
    std::function<void(const QString &text)> showMessage;
    // Opens the world top ten in its tournament category; unset when the
    // graphics library's window pictures are missing, and the lobby shows
    // its own tournament top ten instead.
    std::function<void()> openWorldTopTen;
};

} // namespace quarn::tour
