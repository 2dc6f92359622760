#include "radio/view/RadioController.h"

#include "radio/StationList.h"
#include "radio/view/TFormRadio.h"
#include "table/ResourceLibrary.h"
#include "ui/Words.h"

#include <QMessageBox>

#include <utility>

namespace quarn {

namespace {

const QString kRadioLibrary = QStringLiteral("WemRadio02.dll");

} // namespace

RadioController::RadioController(RadioContext context, QObject *parent)
    : QObject(parent), context_(std::move(context)), radio_(defaultRadio(site())) {
    // The station plays nothing; while the radio is on, it is tried again
    // after a wait (and a left click tries at once).
    connect(&audio_, &Audio::failed, this, [this] { streamLost(); });
    // A radio stream has no end of its own: the server closed it.
    connect(&audio_, &Audio::finished, this, [this] { streamLost(); });
    connect(&audio_, &Audio::receiving, this, [this] { reconnectAttempts_ = 0; });
    reconnect_.setSingleShot(true);
    connect(&reconnect_, &QTimer::timeout, this, [this] {
        if (radio_.Enabled && radio_.CanUse)
            openStream();
    });
}

std::string RadioController::site() const {
    return context_.site.empty() ? builtInRadioSite() : context_.site;
}

void RadioController::streamLost() {
    streamFailed_ = true;
    audio_.Free();
    if (radio_.Enabled && radio_.CanUse)
        reconnect_.start(radioReconnectDelayMs(reconnectAttempts_++, context_.reconnectBaseMs));
    emit changed();
}

std::string RadioController::programFolder() const {
    return context_.aux.folder.toStdString();
}

bool RadioController::listFromServer() const {
    return context_.aux.settings == nullptr || context_.aux.settings->radioListFromServer;
}

void RadioController::RadioStart(std::function<void()> then) {
    StopRadio();
    const int number = ++startNumber_;
    const bool libraryOpen = ResourceLibrary(context_.aux.folder, kRadioLibrary).isOpen();
    auto finish = [this, number, libraryOpen, then = std::move(then)](bool listPresent) {
        if (number != startNumber_)
            return;
        starting_ = false;
        takeStationList(libraryOpen && listPresent);
        if (then)
            then();
        if (std::exchange(playWhenStarted_, false))
            StartWithMenu();
    };
    radio_.CanUse = false;
    if (!listFromServer()) {
        finish(diskStationListPresent(programFolder()));
        return;
    }
    if (!context_.fetchList) {
        finish(false);
        return;
    }
    starting_ = true;
    emit changed();
    context_.fetchList(radioFolder(programFolder()).string(), std::string(kServerStationList),
                       std::move(finish));
}

void RadioController::takeStationList(bool usable) {
    if (usable) {
        radio_ = loadRadioState(radioStatePath(programFolder()), site());
        stateLoaded_ = true;
        radio_.CanUse = true;
    } else {
        radio_.CanUse = false;
        radio_.Enabled = false;
    }
    streamFailed_ = false;
    emit changed();
}

void RadioController::ListSourceChanged() {
    const TRadio chosen = radio_;
    const bool chosenInThisRun = stateLoaded_;
    RadioStart([this, chosen, chosenInThisRun] {
        if (!radio_.CanUse)
            return;
        if (chosenInThisRun) {
            radio_ = chosen;
            radio_.CanUse = true;
        }
        // The options are opened from the menu, where a radio that is on plays.
        if (radio_.Enabled)
            PlayRadio();
    });
}

void RadioController::RadioSave() {
    StopRadio();
    // A start that could not use the radio never read the file: writing
    // would replace the player's station with the default one.
    if (!stateLoaded_ && !changedInRun_)
        return;
    saveRadioState(radioStatePath(programFolder()), radio_, site());
}

void RadioController::StartWithMenu() {
    if (starting_) {
        playWhenStarted_ = true;
        return;
    }
    if (!radio_.CanUse || !radio_.Enabled)
        return;
    PlayRadio();
}

void RadioController::PlayRadio() {
    reconnectAttempts_ = 0;
    openStream();
}

void RadioController::openStream() {
    reconnect_.stop();
    // While the radio plays the melody is off (and the options' music box with it).
    if (context_.melody && context_.melody->melodyOn())
        context_.melody->switchMelodyOff();
    streamFailed_ = false;
    if (!audio_.StreamCreateURL(QString::fromStdString(radio_.URL))) {
        streamFailed_ = true; // an address that is no stream: no use trying again
        emit changed();
        return;
    }
    audio_.ChannelSetVolume(radio_.Volume / 100.0);
    audio_.ChannelPlay();
    emit changed();
    emit startedPlaying();
}

void RadioController::StopRadio() {
    reconnect_.stop();
    // A live stream is released, so its connection closes too.
    audio_.Free();
    streamFailed_ = false;
    emit changed();
}

bool RadioController::cannotUseMessage() {
    if (radio_.CanUse)
        return false;
    const QString text = word(WordEntry::RadioCannotFind) + QString::fromLatin1(kDiskStationList) +
                         QStringLiteral(" + ") + kRadioLibrary;
    if (context_.message)
        context_.message(text);
    else
        QMessageBox::information(nullptr, word(WordEntry::RadioCaption), text);
    return true;
}

void RadioController::ToggleRadio(Qt::MouseButton button, QWidget *windowParent) {
    if (cannotUseMessage())
        return;
    if (button == Qt::RightButton) {
        OpenRadio(windowParent);
        return;
    }
    if (button != Qt::LeftButton)
        return;
    if (radio_.Enabled && streamFailed_) {
        PlayRadio(); // the station failed: try it again
        return;
    }
    setEnabled(!radio_.Enabled);
}

void RadioController::OpenRadio(QWidget *parent) {
    if (cannotUseMessage())
        return;
    TFormRadio window(*this, parent);
    window.exec();
}

void RadioController::setEnabled(bool on) {
    changedInRun_ = true;
    radio_.Enabled = on && radio_.CanUse;
    if (radio_.Enabled)
        PlayRadio();
    else
        StopRadio();
}

void RadioController::setVolume(int volume) {
    changedInRun_ = true;
    radio_.Volume = std::clamp(volume, 0, kRadioMaxVolume);
    audio_.ChannelSetVolume(radio_.Volume / 100.0);
}

void RadioController::setCountry(int position) {
    if (position >= 0 && position < kRadioCountryCount) {
        changedInRun_ = true;
        radio_.KakStations = position;
    }
}

void RadioController::SelectStation(const std::string &id) {
    const auto list = readStationList(stationListFile().toStdString());
    changedInRun_ = true;
    radio_.Resurs = kNoLogo;
    if (list) {
        if (const auto station = findStation(*list, id)) {
            radio_.Name = station->Name;
            radio_.Country = station->Country;
            radio_.URL = station->URL;
            radio_.Resurs = station->Resurs;
        }
    }
    audio_.Free();
    if (radio_.Enabled)
        PlayRadio();
    else
        emit changed();
}

void RadioController::yieldToMusic() {
    if (radio_.Enabled) {
        changedInRun_ = true;
        radio_.Enabled = false;
        StopRadio();
    }
}

RadioLook RadioController::look() const {
    if (!radio_.CanUse)
        return RadioLook::CannotUse;
    if (radio_.Enabled && reconnect_.isActive())
        return RadioLook::Reconnecting;
    return radio_.Enabled && !streamFailed_ ? RadioLook::Playing : RadioLook::Off;
}

QString RadioController::hint() const {
    QString text =
        word(WordEntry::RadioCaption) + QStringLiteral(": ") + QString::fromStdString(radio_.Name);
    if (look() == RadioLook::Reconnecting)
        text += QStringLiteral(" (") + word(WordEntry::WebNoConnect) + QStringLiteral(")");
    return text;
}

QString RadioController::stationListFile() const {
    return QString::fromStdString(stationListPath(programFolder(), listFromServer()).string());
}

} // namespace quarn
