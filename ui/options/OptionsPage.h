#pragma once
// The base of the options dialog's tab pages. A page shows its settings
// (load), names its controls in the current language (relabel) and, when the
// player changes a control, writes the new value into the settings and asks
// the main window through OptionsHost to show it at once.

#include "ui/OptionsHost.h"
#include "ui/TWemAuxForm.h"

#include <QSignalBlocker>
#include <QWidget>

#include <functional>
#include <initializer_list>
#include <string_view>
#include <vector>

class QIcon;
class QLabel;

namespace quarn {

// What the dialog lends its pages.
struct OptionsPageTools {
    AuxContext context;
    OptionsHost *host = nullptr;
    // A button in the dialog's design (look, colours and pointer).
    std::function<TWemCardsButton *(const QString &text, const QFont &font)> makeButton;
    // The download button of a library file; the dialog keeps it up to date.
    std::function<TWemCardsButton *(const QString &libraryFile, const QString &caption,
                                    QWidget *parent)>
        makeDownloadButton;
};

class OptionsPage : public QWidget {
    Q_OBJECT
  public:
    // Shows the settings without reading the change as the player's choice.
    virtual void load() = 0;
    // The texts of the page's controls in the current language.
    virtual void relabel() = 0;

  protected:
    OptionsPage(const OptionsPageTools &tools, const QString &objectName);

    const Settings &settings() const { return *tools_.context.settings; }
    Settings &editable() { return *tools_.context.settings; }
    OptionsHost &host() { return *tools_.host; }
    const QString &folder() const { return tools_.context.folder; }
    void reportMissing(const QString &libraryFile) const;
    TWemCardsButton *makeButton(const QString &objectName, const QFont &font);
    TWemCardsButton *makeDownloadButton(const QString &libraryFile, const QString &caption);

  private:
    OptionsPageTools tools_;
};

// Blocks the signals of several controls for its lifetime: a page showing the
// settings must not act as if the player had chosen them.
class QuietControls {
  public:
    QuietControls(std::initializer_list<QObject *> controls);

  private:
    std::vector<QSignalBlocker> blockers_;
};

// Small helpers of the pages.
QString utf8Text(std::string_view text);
QLabel *makeLabel(QWidget *parent, const QString &name);
// A built-in flag picture as a list icon; empty without a name or picture.
QIcon flagIcon(const QString &name);
template <typename T> T *named(T *widget, const QString &name) {
    widget->setObjectName(name);
    return widget;
}

} // namespace quarn
