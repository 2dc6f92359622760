// The game program: one main window in the program's own folder, with the
// auxiliary windows it opens.
#include "match/HintTimes.h"
#include "match/TForm1.h"
#include "net/tour/TourConnection.h"
#include "radio/view/Audio.h"
#include "store/ProgramFolders.h"
#include "ui/AuxWindowSet.h"

#include <QApplication>

#include <cstdio>

namespace {

// The online windows the main window opens itself: chat, news, statistics
// and the home page.
class ProgramWindows : public quarn::AuxWindowSet {
  public:
    ProgramWindows(quarn::AuxContext context, quarn::TForm1 &window)
        : AuxWindowSet(std::move(context), &window), window_(window) {}
    void showChat() override { window_.OpenChat(); }
    void showNews() override { window_.OpenNews(); }
    void showStatistics() override { window_.showStatistics(); }
    void openHomePage() override { window_.openHomePage(); }

  private:
    quarn::TForm1 &window_;
};

// The program's folder: beside the executable when run from a folder it may
// write to, else the user's data folder, made ready from the packaged files.
QString programFolder() {
    std::string error;
    const std::filesystem::path folder =
        quarn::readyProgramFolder(QCoreApplication::applicationDirPath().toStdString(), error);
    if (!error.empty())
        std::fprintf(stderr, "quarn: %s\n", error.c_str());
    return QString::fromStdString(folder.string());
}

} // namespace

int main(int, char *argv[]) {
    // The program takes no arguments of its own; Qt sees only the program name.
    int qtArgc = 1;
    quarn::Audio::prepareBackend(); // before Qt Multimedia starts
    QApplication app(qtArgc, argv);
    quarn::installHintTimes(app);
    const QString folder = programFolder();
    quarn::TForm1 window(folder);
    ProgramWindows windows(
        {folder, &window.editableSettings(), &window,
         [&window](const QString &libraryFile) { window.showMissingLibrary(libraryFile); }},
        window);
    windows.setOptionsHost(&window);
    windows.setAccountSource([&window] { return window.accountStanding(); });
    windows.setTournamentSource([&window]() -> std::optional<quarn::TournamentStanding> {
        const quarn::PlayerStanding &entry = window.tournament().Standing();
        return quarn::TournamentStanding{entry.score, std::int32_t(entry.rating)};
    });
    windows.setRadioOpener([&window] { window.radio().OpenRadio(&window); });
    windows.setAccountOpener([&window] { window.openAccountWindow(); });
    windows.setWorldOpeners({[&window](std::int32_t score) { window.openWorldSubmission(score); },
                             [&window] { window.openWorldTopTen(); },
                             [&window] { window.openPassport(); }});
    window.setAuxiliaryWindows(&windows);
    window.show();
    return app.exec();
}
