#pragma once
// What the options dialog asks of the main window. The dialog writes the new
// value into the shared settings first and then calls the matching function,
// so the main window shows the change at once. A loader that has to fall back
// (a missing library) writes the value it fell back to into the settings; the
// dialog reads it back and shows it.

#include <QSize>
#include <QString>

#include <functional>

namespace quarn {

class OptionsHost {
  public:
    virtual ~OptionsHost() = default;

    // The window size setting changed: resize, lay the table out again and
    // reload the background, faces and backs for the new scale.
    virtual void windowSizeChanged() {}
    // The face set, back set or background changed: reload those pictures.
    virtual void facesChanged() {}
    virtual void backsChanged() {}
    virtual void backgroundChanged() {}
    // "Music" switched: start or stop the melody.
    virtual void musicChanged() {}
    // "Gif-animation": the main window's animations run or stand still.
    virtual void animationsChanged() {}
    // "Red mouse cursor": the program's own pointers or the system's.
    virtual void cursorsChanged() {}
    // "New buttons": every button of the main window redraws in the chosen look.
    virtual void buttonLookChanged() {}
    // "Multiplayer": the club heading and the club list of the other club file.
    virtual void networkModeChanged() {}
    // A font name or scale changed.
    virtual void fontsChanged() {}
    // The main-menu or game-table design changed.
    virtual void designChanged() {}
    // The radio's station list source changed: the radio starts again.
    virtual void radioListSourceChanged() {}
    // Button "Passport".
    virtual void showPassport() {}
    // Fetches a missing resource library off the window's thread; `done`
    // learns on the window's thread whether it arrived (never, when the
    // main window closed meanwhile).
    virtual void downloadLibrary(const QString & /*libraryFile*/,
                                 std::function<void(bool arrived)> done) {
        done(false);
    }
    // The size of the screen the main window is on (the size list drops the
    // sizes that do not fit).
    virtual QSize screenSize() const { return {}; }
};

} // namespace quarn
