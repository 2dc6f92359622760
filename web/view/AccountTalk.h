#pragma once
// What the account windows say and ask outside themselves: message boxes,
// the yes/no question, the message window, opening a web page and choosing
// a photo file. The main window hands in its own (with their test hooks);
// an empty member falls back to a plain Qt dialog.
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace quarn {

struct AccountTalk {
    std::function<void(const QString &text)> inform;
    std::function<bool(const QString &text)> ask;
    std::function<void(const QStringList &lines)> messageWindow;
    std::function<void(const QString &url)> openUrl;
    std::function<QString()> choosePhotoFile; // empty: nothing chosen

    void say(QWidget *parent, const QString &text) const;
    bool question(QWidget *parent, const QString &text) const;
    void showMessageWindow(QWidget *parent, const QStringList &lines) const;
    void open(const QString &url) const;
    QString photoFile(QWidget *parent) const;
};

} // namespace quarn
