// The main window's world windows: the world top ten ("Top Ten"), the
// submission of a completed local cycle and the passport.
#include "match/Ask.h"
#include "match/TForm1.h"
#include "web/WebServices.h"
#include "web/view/TFormServerInfo.h"
#include "web/view/TFormServerRead.h"
#include "web/view/TFormServerWrite.h"

namespace quarn {

void TForm1::topTenClick() {
    // Without the graphics library the club's own top ten stands in.
    if (!TFormServerRead::windowPicturesAvailable(folder_)) {
        windows_->showTopTen(settings_.multiplayer);
        return;
    }
    if (web_->remote().worldPaused) {
        Ask::inform(this, word(WordEntry::WorldUnavailable));
        return;
    }
    windows_->showWorldTopTen();
}

void TForm1::showPassport() {
    windows_->showPassport();
}

void TForm1::openWorldTopTen(std::optional<web::WorldCategory> category) {
    worldTopTen_.category =
        category ? *category : web::categoryOnMenuOpening(worldTopTen_.category);
    web::WebServices services(*web_);
    const AuxContext context{folder_, &settings_, this,
                             [this](const QString &library) { showMissingLibrary(library); }};
    TFormServerRead window(context, {&services, &account_, {}}, worldTopTen_, this);
    window.exec();
}

void TForm1::openWorldSubmission(std::int32_t score) {
    web::WebServices services(*web_);
    const AuxContext context{folder_, &settings_, this,
                             [this](const QString &library) { showMissingLibrary(library); }};
    TFormServerWrite window(context, services, score, this);
    window.exec();
}

void TForm1::openPassport() {
    const AuxContext context{folder_, &settings_, this,
                             [this](const QString &library) { showMissingLibrary(library); }};
    TFormServerInfo window(context, this);
    window.exec();
}

} // namespace quarn
