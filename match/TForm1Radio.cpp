// The main window's internet radio: the controller, its indicator beside the
// menu at the large window sizes (where the menu leaves room for it), and the
// melody it switches off.

#include "match/TForm1.h"

#include "match/Ask.h"
#include "match/MenuCalendar.h"
#include "radio/view/FreePlace.h"
#include "radio/view/ImRadio.h"
#include "radio/view/TMyMediaPL.h"
#include "ui/TAnimation.h"
#include "web/WebServices.h"

#include <QLabel>
#include <QPushButton>

namespace quarn {

void TForm1::createRadio() {
    RadioContext context;
    context.aux = AuxContext{folder_, &settings_, this,
                             [this](const QString &library) { showMissingLibrary(library); }};
    context.fetchList = [this](const std::string &targetFolder, const std::string &saveAs,
                               std::function<void(bool)> done) {
        web::WebClient &client = *web_;
        requests_->run<bool>(
            this,
            [&client, targetFolder, saveAs] {
                return web::WebServices(client).DownloadResource("WemRadio.rad", targetFolder,
                                                                 saveAs);
            },
            std::move(done));
    };
    context.message = [this](const QString &text) { Ask::inform(this, text); };
    context.melody = this;
    // The default station is the first one the club server in force lists.
    context.site = web_->addresses().makerSiteUrl();
    radio_ = std::make_unique<RadioController>(std::move(context), this);
    auto *indicator = new ImRadio(*radio_, this);
    indicator->setObjectName(QStringLiteral("ImRadio"));
    indicator->hide();
    radioIndicator_ = indicator;
}

void TForm1::placeRadioIndicator() {
    auto *indicator = static_cast<ImRadio *>(radioIndicator_);
    const std::optional<QPoint> wanted =
        menuShown() ? radioIndicatorPlace(layout_.scaling.S.value(), animations_[0]->geometry(),
                                          memberButtons_[5]->geometry(),
                                          newPlayerButton_->geometry(), layout_.client.height())
                    : std::nullopt;
    // This menu keeps its club list, its top ten and its online pictures
    // where that place falls: the indicator takes the nearest place that
    // covers none of the menu's controls, or stays away when there is none.
    std::vector<QRect> taken = menuControlAreas();
    if (music_)
        for (const MusicButtonWidget *button :
             {music_->ImagePlay(), music_->ImageNext(), music_->ImageVol()})
            if (button && !button->isHidden())
                taken.push_back(button->geometry());
    const std::optional<QPoint> place =
        wanted ? nearestFreePlace(*wanted, kRadioIndicatorSize, QRect(QPoint(0, 0), layout_.client),
                                  taken)
               : std::nullopt;
    if (!place) {
        indicator->hide();
        return;
    }
    indicator->move(*place);
    indicator->setBackground(canvas_->image().copy(QRect(*place, kRadioIndicatorSize)));
    indicator->show();
    indicator->raise();
}

std::vector<QRect> TForm1::menuControlAreas() const {
    std::vector<QRect> areas{menuHeadingArea()};
    const auto add = [&areas](const QWidget *widget) {
        if (widget)
            areas.push_back(widget->geometry());
    };
    for (int line = 1; line <= 5; ++line)
        add(memberButtons_[std::size_t(line)]);
    add(memberHeading_);
    for (const QPushButton *button : {newPlayerButton_, modeButton_, topTenButton_, optionsButton_,
                                      historyButton_, exitButton_})
        add(button);
    for (const QLabel *panel : topTenPanels_)
        add(panel);
    for (const QPushButton *picture : onlineButtons_)
        add(picture);
    for (const TAnimation *animation : animations_)
        if (animation && animation->loaded())
            add(animation);
    // The calendar pages, also where the library is missing and they stay hidden.
    areas.push_back(MenuCalendar::leftArea(layout_.scaling));
    areas.push_back(MenuCalendar::rightArea(layout_.scaling));
    return areas;
}

bool TForm1::melodyOn() const {
    return settings_.music;
}

void TForm1::switchMelodyOff() {
    settings_.music = false;
    applyMusicSetting();
}

} // namespace quarn
