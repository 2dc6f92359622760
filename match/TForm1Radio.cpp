// The main window's internet radio: the controller, its indicator beside the
// menu at the large window sizes, and the melody it switches off.

#include "match/TForm1.h"

#include "match/Ask.h"
#include "radio/view/ImRadio.h"
#include "ui/TAnimation.h"
#include "web/WebServices.h"

#include <QPushButton>

namespace quarn {

void TForm1::createRadio() {
    RadioContext context;
    context.aux = AuxContext{folder_, &settings_, this,
                             [this](const QString &library) { showMissingLibrary(library); }};
    context.fetchList = [this](const std::string &targetFolder, const std::string &saveAs) {
        return web::WebServices(*web_).DownloadResource("WemRadio.rad", targetFolder, saveAs);
    };
    context.message = [this](const QString &text) { Ask::inform(this, text); };
    context.melody = this;
    radio_ = std::make_unique<RadioController>(std::move(context), this);
    auto *indicator = new ImRadio(*radio_, this);
    indicator->setObjectName(QStringLiteral("ImRadio"));
    indicator->hide();
    radioIndicator_ = indicator;
}

void TForm1::placeRadioIndicator() {
    auto *indicator = static_cast<ImRadio *>(radioIndicator_);
    const std::optional<QPoint> place =
        menuShown() ? radioIndicatorPlace(layout_.scaling.S.value(), animations_[0]->geometry(),
                                          memberButtons_[5]->geometry(),
                                          newPlayerButton_->geometry(), layout_.client.height())
                    : std::nullopt;
    // This menu keeps its online pictures where the indicator's place falls
    // at some sizes: the indicator stays away rather than cover them (the
    // radio picture among them opens the radio window as well).
    const auto coversAPicture = [this](const QRect &area) {
        for (const QPushButton *picture : onlineButtons_)
            if (picture && area.intersects(picture->geometry()))
                return true;
        return false;
    };
    if (!place || coversAPicture(QRect(*place, kRadioIndicatorSize))) {
        indicator->hide();
        return;
    }
    indicator->move(*place);
    indicator->setBackground(canvas_->image().copy(QRect(*place, kRadioIndicatorSize)));
    indicator->show();
    indicator->raise();
}

bool TForm1::melodyOn() const {
    return settings_.music;
}

void TForm1::switchMelodyOff() {
    settings_.music = false;
    applyMusicSetting();
}

} // namespace quarn
