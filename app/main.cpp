// The game program: one main window in the program's own folder, with the
// auxiliary windows it opens.
#include "match/HintTimes.h"
#include "match/TForm1.h"
#include "radio/view/Audio.h"
#include "ui/AuxWindowSet.h"

#include <QApplication>

int main(int, char *argv[]) {
    // The program takes no arguments of its own; Qt sees only the program name.
    int qtArgc = 1;
    quarn::Audio::prepareBackend(); // before Qt Multimedia starts
    QApplication app(qtArgc, argv);
    quarn::installHintTimes(app);
    const QString folder = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    quarn::TForm1 window(folder);
    quarn::AuxWindowSet windows(
        {folder, &window.editableSettings(), &window,
         [&window](const QString &libraryFile) { window.showMissingLibrary(libraryFile); }},
        &window);
    windows.setOptionsHost(&window);
    windows.setRadioOpener([&window] { window.radio().OpenRadio(&window); });
    windows.setWorldOpeners({[&window](std::int32_t score) { window.openWorldSubmission(score); },
                             [&window] { window.openWorldTopTen(); },
                             [&window] { window.openPassport(); }});
    window.setAuxiliaryWindows(&windows);
    window.show();
    return app.exec();
}
