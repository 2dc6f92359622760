#pragma once
// Shared pieces of the window tests: a program folder of its own, a stand-in
// graphics library made with rcc, a sound player that records, and windows
// shown without a modal loop.

#include "rules/SoundPlayer.h"
#include "store/Settings.h"
#include "ui/TWemAuxForm.h"

#include <QDir>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace quarn::testing_support {

// Records every sound asked for.
class RecordingSound : public SoundPlayer {
  public:
    void Play(std::string_view name, bool waitForEnd) override {
        played.emplace_back(name);
        waited.push_back(waitForEnd);
    }
    std::vector<std::string> played;
    std::vector<bool> waited;
};

// The library entries each window's designs use, all of them.
QStringList allLibraryEntries();

// Writes a graphics library WemCGraph1.dll into `folder` holding the named
// entries, drawn as polished stand-ins (backgrounds, headings with their
// lettering, icon strips, small animations). False when rcc failed.
bool makeGraphicsLibrary(const QString &folder, const QStringList &names);

// A program folder, settings and a sound recorder, and the context built from them.
class WindowFixture {
  public:
    WindowFixture();
    AuxContext context();
    QString folder() const { return folder_; }

    Settings settings;
    RecordingSound sound;
    QStringList missingLibraries;

  private:
    QTemporaryDir root_;
    QString folder_;
};

// A design in the settings: 1..3 gray, 4 "Purple".
void chooseDesign(Settings &settings, int design);

} // namespace quarn::testing_support

namespace quarn::testing_support {

// A club file with the given top ten (name, score) in the program folder.
bool writeClubFile(const QString &folder, bool networkClub,
                   const std::vector<std::pair<std::string, int>> &topTen);

struct HistoryLine {
    std::string name;
    int hands = 0;
    int result = 0;
    double rating = 0;
    int kind = 0; // 0 local, 1 account, 2 tournament, 3 network
};
// History file `number` in the program folder holding the lines, stamped at
// a fixed time ("21:05", "03.10.2024").
bool writeHistoryFile(const QString &folder, int number, const std::vector<HistoryLine> &lines);

} // namespace quarn::testing_support

namespace quarn::testing_support {

// Switches the current language (kept apart from the settings header, which
// declares constants of the same names as the language header).
void useLanguage(int language);

} // namespace quarn::testing_support
