#pragma once
// The radio as the main window drives it: the one TRadio record, its start
// (the station list from the server or the disk, the state file), its save
// at exit, playing and stopping the current station, the indicator's clicks
// and the radio window. The main window owns one controller.

#include "radio/RadioState.h"
#include "radio/view/Audio.h"
#include "ui/TWemAuxForm.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <string>

class QWidget;

namespace quarn {

// The background melody as the radio and the music player switch it: the
// main window implements it (switching music off also unchecks the options'
// music box, that is, clears the setting).
class MelodyControl {
  public:
    virtual ~MelodyControl() = default;
    virtual bool melodyOn() const = 0;
    virtual void switchMelodyOff() = 0;
};

struct RadioContext {
    AuxContext aux; // the program's folder, settings, sound, missing-library message
    // Fetches the server's station list into `saveAs` (WemRadio.ser) in
    // `targetFolder`, off the window's thread, and calls `done` on the
    // window's thread with true when it arrived whole (or never, when the
    // window is gone). Unset: the fetch fails.
    std::function<void(const std::string &targetFolder, const std::string &saveAs,
                       std::function<void(bool arrived)> done)>
        fetchList;
    // Shows the message window with one line; unset: a message box.
    std::function<void(const QString &text)> message;
    MelodyControl *melody = nullptr;
    // The site of the club server in force ("http://host:port/"), whose first
    // station is the default one; empty: the built-in server.
    std::string site;
    // The first wait before a stream that ended is opened again; doubled
    // with each attempt in a row up to a minute.
    int reconnectBaseMs = kRadioReconnectBaseMs;
};

// What the indicator shows. Reconnecting: switched on, the stream ended and
// is opened again after a wait.
enum class RadioLook { CannotUse, Off, Playing, Reconnecting };

class RadioController : public QObject {
    Q_OBJECT
  public:
    explicit RadioController(RadioContext context, QObject *parent = nullptr);

    // At the first paint, and again when the options change the list source.
    // The radio can be used once the station list is in; `then` runs at
    // that moment. A newer start replaces one still waiting for its list.
    void RadioStart(std::function<void()> then = {});
    // The server's station list is still being fetched.
    bool starting() const { return starting_; }
    // The options changed the station list source: the radio starts again
    // from the new list. The station, volume and switch chosen in this run
    // stay (the state file still holds the last run's); a radio that is on
    // and can still be used plays (again).
    void ListSourceChanged();
    // When the main window closes: an incomplete station becomes the
    // default, and the state file is rewritten. A run that neither read the
    // state file nor changed the radio leaves the file as it is.
    void RadioSave();
    // When the title screen gives way to the menu: with the radio on, the
    // melody goes off and the station plays.
    void StartWithMenu();
    void PlayRadio();
    void StopRadio();
    // The indicator: the left button switches on or off, the right opens the window.
    void ToggleRadio(Qt::MouseButton button, QWidget *windowParent = nullptr);
    void OpenRadio(QWidget *parent);

    // The radio window's changes.
    void setEnabled(bool on);
    void setVolume(int volume);
    void setCountry(int position);
    // Takes the station's values from the list (by identifier) and, when
    // the radio is on, switches to its stream at once.
    void SelectStation(const std::string &id);

    // The music player started a song: the radio goes off for it.
    void yieldToMusic();

    const TRadio &radio() const { return radio_; }
    RadioLook look() const;
    // "Wem Internet-Radio: " + the station's name.
    QString hint() const;
    // The station list the window reads (the server's or the disk's copy).
    QString stationListFile() const;
    const RadioContext &context() const { return context_; }
    Audio &audio() { return audio_; }
    // The stream broke off or could not be opened since it last started.
    bool streamFailed() const { return streamFailed_; }
    // The wait before the stream is opened again; 0 when none is pending.
    int reconnectDelayMs() const { return reconnect_.isActive() ? reconnect_.interval() : 0; }

    // For tests and the state file's place.
    void setRadio(const TRadio &radio) { radio_ = radio; }

  signals:
    // Anything the indicator shows changed.
    void changed();
    // The radio started playing (the music player stops for it).
    void startedPlaying();

  private:
    bool cannotUseMessage();
    std::string site() const;
    // Opens the station's stream and plays it; `PlayRadio` also starts the
    // reconnection waits anew.
    void openStream();
    // The stream failed or ended: while the radio is on it is opened again
    // after the next wait.
    void streamLost();
    bool listFromServer() const;
    std::string programFolder() const;
    // The end of a start: the station list is there or not.
    void takeStationList(bool usable);

    RadioContext context_;
    TRadio radio_;
    Audio audio_;
    bool streamFailed_ = false;
    // The state file has been read once: a start for a new list source keeps
    // the run's choices.
    bool stateLoaded_ = false;
    // The player changed the station, switch, volume or country in this run.
    bool changedInRun_ = false;
    QTimer reconnect_;
    int reconnectAttempts_ = 0;
    // Starts made; a list that arrives for an older one is ignored.
    int startNumber_ = 0;
    bool starting_ = false;
    // The menu came while the list was still on its way.
    bool playWhenStarted_ = false;
};

} // namespace quarn
