#pragma once
// Pieces of the options tests: a main window stand-in that counts what the
// dialog asks of it, a graphics library holding the options dialog's
// pictures, and finding the dialog's controls by name.

#include "UiFixture.h"
#include "ui/OptionsHost.h"
#include "ui/TFormOptions.h"

#include <QDir>
#include <QFile>
#include <QWidget>

#include <functional>
#include <map>
#include <string>

namespace quarn::testing_support {

// Counts every call of the dialog; a download "arrives" when `downloads` says so.
class RecordingHost : public OptionsHost {
  public:
    void windowSizeChanged() override { ++calls["size"]; }
    void facesChanged() override { ++calls["faces"]; }
    void backsChanged() override { ++calls["backs"]; }
    void backgroundChanged() override { ++calls["background"]; }
    void musicChanged() override { ++calls["music"]; }
    void animationsChanged() override { ++calls["animations"]; }
    void cursorsChanged() override { ++calls["cursors"]; }
    void buttonLookChanged() override { ++calls["buttons"]; }
    void networkModeChanged() override { ++calls["network"]; }
    void fontsChanged() override { ++calls["fonts"]; }
    void designChanged() override { ++calls["design"]; }
    void radioListSourceChanged() override { ++calls["radio list"]; }
    void showPassport() override { ++calls["passport"]; }
    void downloadLibrary(const QString &libraryFile, std::function<void(bool)> done) override;
    int count(const std::string &what) const {
        const auto found = calls.find(what);
        return found == calls.end() ? 0 : found->second;
    }

    std::map<std::string, int> calls;
    QString folder; // where a download puts its file
    bool downloadsArrive = false;
    QStringList downloaded;
    // Set: a download waits until the test calls it (the network is slow).
    bool holdDownloads = false;
    std::function<void(bool)> heldDownload;
};

// The graphics library with the options dialog's pictures (background,
// headings in every language, icon) and the salute strip.
bool makeOptionsLibrary(const QString &folder);

// An empty file standing for a resource library (the dialog only looks for it).
void placeLibrary(const QString &folder, const QString &libraryFile);

template <typename T> T *control(const QWidget &window, const char *name) {
    return window.findChild<T *>(QLatin1String(name));
}

} // namespace quarn::testing_support
