#pragma once
// How the world windows show the windows they open and their messages:
// modally and in a message box unless a caller (a test) says otherwise.
#include <QDialog>
#include <QMessageBox>
#include <QString>

#include <functional>

namespace quarn {

struct WorldWindowHooks {
    std::function<void(QDialog &)> run;                  // empty: exec()
    std::function<void(const QString &message)> message; // empty: a warning box

    void runWindow(QDialog &window) const {
        if (run)
            run(window);
        else
            window.exec();
    }
    void showMessage(QWidget *parent, const QString &text) const {
        if (message)
            message(text);
        else
            QMessageBox::warning(parent, parent ? parent->windowTitle() : QString(), text);
    }
};

} // namespace quarn
