#pragma once
// Modal questions and message boxes of the windows, with a hook for tests:
// answers queued with setNextAnswer are taken in turn instead of showing a
// box, and in quiet mode a box without a queued answer is not shown and
// takes its default (No, or Ok). Every text asked or shown is recorded.

#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace quarn {

class Ask {
  public:
    // Yes/No question; true on Yes.
    static bool question(QWidget *parent, const QString &text);
    // Error box with one OK button.
    static void error(QWidget *parent, const QString &text);
    // Information box with one OK button.
    static void inform(QWidget *parent, const QString &text);

    // Test hooks.
    static void setNextAnswer(QMessageBox::StandardButton answer);
    static void setQuiet(bool quiet);
    static bool quiet();
    static QStringList asked();
    static void clearAsked();
    // Records a text shown by another modal window (the message window).
    static void record(const QString &text);

  private:
    static QMessageBox::StandardButton run(QWidget *parent, QMessageBox::Icon icon,
                                           const QString &text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton fallback);
};

} // namespace quarn
