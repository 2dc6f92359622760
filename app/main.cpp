// The game program: one main window in the program's own folder.
#include "match/TForm1.h"

#include <QApplication>

int main(int, char *argv[])
{
    // The program takes no arguments of its own; Qt sees only the program name.
    int qtArgc = 1;
    QApplication app(qtArgc, argv);
    quarn::TForm1 window(QCoreApplication::applicationDirPath() + QLatin1Char('/'));
    window.show();
    return app.exec();
}
