// The main window's side of the options dialog: each change the dialog makes
// to the settings is shown here at once.
#include "match/TForm1.h"

#include "match/MenuCalendar.h"

#include "ui/TWemCardsButton.h"
#include "web/WebServices.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace quarn {

void TForm1::redrawAfterOptions() {
    if (titleShown() || !started()) {
        update();
        return;
    }
    if (menuShown()) {
        canvas_->clear(); // the menu's background, perhaps a new one
        placeMenuControls();
        buildMemberList();
        // The calendar pages take the new background and window size.
        if (MenuCalendar *calendar = MenuCalendar::of(this))
            calendar->build();
        update();
        return;
    }
    if (!game_.InGame) {
        update();
        return;
    }
    // The table of a running match, drawn again for the new layout or pictures.
    canvas_->LayOutTable(layout_.windowSize, layout_.client);
    showTableControls();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        drawSeatHand(seat, seatFaceUp(seat));
    RedrawTable();
    drawNamePlates();
    const bool someoneToMove = game_.ToMove >= 1 && game_.ToMove <= kSeatCount;
    RedrawTabs(someoneToMove ? game_.ToMove : 0);
    drawCounter();
    if (driver_.playerToMove())
        outlinePlayableCards();
    update();
}

void TForm1::windowSizeChanged() {
    if (titleShown()) {
        // The title screen keeps its size; the new size applies when it is left.
        return;
    }
    applyWindowSize();
    loadPictures();
    redrawAfterOptions();
}

void TForm1::facesChanged() {
    loadPictures(); // a set whose library went missing comes back as set 0
    redrawAfterOptions();
}

void TForm1::backsChanged() {
    facesChanged();
}

void TForm1::backgroundChanged() {
    loadScreenBackground();
    redrawAfterOptions();
}

void TForm1::musicChanged() {
    applyMusicSetting();
}

void TForm1::cursorsChanged() {
    setPointer(this, PointerKind::Arrow);
    for (QPushButton *button : findChildren<QPushButton *>())
        setPointer(button, PointerKind::Hand);
}

void TForm1::buttonLookChanged() {
    setNewStyleOnButtons(this, settings_.newButtons);
    update();
}

void TForm1::networkModeChanged() {
    // The club heading and the list come from the other club file.
    if (menuShown())
        buildMemberList();
    update();
}

void TForm1::fontsChanged() {
    canvas_->setFont(
        TableFont{QString::fromStdString(settings_.fontNames[0]), settings_.fontScales[0]});
    redrawAfterOptions();
}

void TForm1::designChanged() {
    colourButtons();
    loadScreenBackground();
    loadAnimations();
    redrawAfterOptions();
}

void TForm1::radioListSourceChanged() {
    radio_->ListSourceChanged();
}

void TForm1::downloadLibrary(const QString &libraryFile, std::function<void(bool)> done) {
    web::WebClient &client = *web_;
    requests_->run<bool>(
        this,
        [&client, file = libraryFile.toStdString(), folder = folder_.toStdString()] {
            return web::WebServices(client).DownloadLibrary(file, folder);
        },
        std::move(done));
}

QSize TForm1::screenSize() const {
    if (QScreen *s = screen() ? screen() : QGuiApplication::primaryScreen())
        return s->size();
    return {};
}

} // namespace quarn
