// The main window's world windows: the world top ten ("Top Ten"), the
// submission of a completed local cycle and the passport.
#include "match/Ask.h"
#include "match/TForm1.h"
#include "net/tour/TourRequests.h"
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
    TFormServerRead window(context, {&services, &account_, tournamentTopTenReader()}, worldTopTen_,
                           this);
    window.exec();
}

// The tournament service's ten best by a criterion ('s', 'r', 'k'), as the
// rows of a world list.
std::function<web::Reply<web::WorldRows>(char)> TForm1::tournamentTopTenReader() {
    return [this](char criterion) {
        web::Reply<web::WorldRows> rows;
        const auto reply = web::WebServices(*web_).PostTournament(
            tour::TopTenBody(static_cast<tour::TopCriterion>(criterion)));
        const auto lines = reply.ok ? tour::ParseTopTen(reply.value) : std::nullopt;
        if (!lines)
            return rows;
        rows.ok = true;
        for (std::size_t i = 0; i < lines->size(); ++i) {
            const tour::TourTopLine &line = (*lines)[i];
            web::TWemRecord &row = rows.value[i];
            row.Place = line.Place;
            row.Nick = line.Nick;
            row.City = line.City;
            row.Country = line.Country;
            row.R07 = line.R07;
            row.Score = line.Score;
        }
        return rows;
    };
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
