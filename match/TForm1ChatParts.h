#pragma once
// What the main window keeps for the chat, news and statistics parts
// (match/TForm1Chat.cpp): the lamps, the panel, the figure display, the
// watch's timers and the flags of the watch.
#include "match/TForm1.h"
#include "web/view/ImClock2.h"
#include "web/view/TFormChat.h"
#include "web/view/WemIndicators.h"

#include <QTimer>

namespace quarn {

struct TForm1::ChatParts {
    TSirena *newsLamp = nullptr; // beside the menu buttons at the smaller sizes
    TSirena *chatLamp = nullptr;
    ImChatNews *panel = nullptr; // at the large sizes
    ImClock2 *figure = nullptr;
    QTimer *watchTimer = nullptr;  // the 10-second watch
    QTimer *minuteTimer = nullptr; // the figure display's minute
    int tick = 0;
    bool newChat = false;
    bool newNews = false;
    int newsNumber = 0;
    ChatSession session;
    bool chatOpen = false;
    bool watchRunning = false; // a news or chat check is under way
};

} // namespace quarn
