// The main window's online music player: its song list from the server in
// force, its three buttons at the bottom left at the large sizes, and its
// turns with the radio (a song switches the radio off, the radio stops the
// songs) and the melody (a song switches it off).

#include "match/TForm1.h"

#include "radio/view/TMyMediaPL.h"
#include "web/WebServices.h"

#include <algorithm>

namespace quarn {

namespace {

// Where the shown controls of the window are, but for `except`.
std::vector<QRect> shownControlAreas(const QWidget &window,
                                     std::initializer_list<const QWidget *> except) {
    std::vector<QRect> areas;
    for (const QWidget *child : window.findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (!child->isWindow() && !child->isHidden() &&
            std::find(except.begin(), except.end(), child) == except.end())
            areas.push_back(child->geometry());
    return areas;
}

} // namespace

// The song list is read off the window's thread; the player and its buttons
// come when it is in (or known to be missing).
void TForm1::setUpMusicPlayer() {
    if (music_)
        return;
    web::WebClient &client = *web_;
    requests_->run<std::optional<std::string>>(
        this,
        [&client]() -> std::optional<std::string> {
            web::Reply<std::string> page = web::WebServices(client).FetchSongList();
            if (!page.ok)
                return std::nullopt;
            return std::move(page.value);
        },
        [this](std::optional<std::string> page) { createMusicPlayer(std::move(page)); });
}

void TForm1::createMusicPlayer(std::optional<std::string> songList) {
    if (music_)
        return;
    MusicContext context;
    context.fetchSongList = [songList = std::move(songList)] { return songList; };
    // The addresses in force after the start-up's remote configuration.
    context.songFolderUrl = web_->addresses().songFolderUrl();
    context.melody = this;
    music_ = new TMyMediaPL(std::move(context), this);
    connect(music_, &TMyMediaPL::startedPlaying, radio_.get(), [this] { radio_->yieldToMusic(); });
    connect(radio_.get(), &RadioController::startedPlaying, music_, &TMyMediaPL::stopForRadio);
    music_->MusicSetup();
    drawMusicButtons();
}

void TForm1::drawMusicButtons() {
    if (!music_)
        return;
    // The menu's controls are shown only after they are placed; the table's
    // are shown when the buttons are drawn.
    std::vector<QRect> taken =
        menuShown() ? menuControlAreas()
                    : shownControlAreas(*this, {music_->ImagePlay(), music_->ImageNext(),
                                                music_->ImageVol(), radioIndicator_});
    music_->setWindowState(layout_.scaling.S.value(), titleShown(), canvas_->image(),
                           std::move(taken));
    music_->drawAll();
}

} // namespace quarn
