#pragma once
// The name-and-password window opened before a match. For a club member the
// name is shown and the typed password is checked against the stored one;
// for a new player a name is typed and the password twice. The window stays
// open on a wrong entry, with the message shown and the faulty field focused.

#include "lang/QtWords.h"

#include <QDialog>
#include <QString>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;

namespace quarn {

namespace lan {
class NetworkSection;
} // namespace lan

class TFormPassword : public QDialog {
    Q_OBJECT
  public:
    enum class Form { Member, NewPlayer };

    // A member: name and decoded stored password. A new player: the name
    // last typed (settings) offered in the name field.
    TFormPassword(Form form, const QString &name, const QString &storedPassword, bool networkMode,
                  QWidget *parent = nullptr);

    // The name as typed (new player) or shown (member), without padding.
    QString name() const;
    // The password as typed, at most 5 characters.
    QString password() const;

    // The message for the present entries, none when they are acceptable.
    std::optional<WordEntry> entryProblem() const;

    static constexpr int NameMax = 20;
    static constexpr int PasswordMax = 5;

    // The name offered to a new player: the last typed name when it is short
    // enough (20 characters, 4 in network mode), otherwise "Mr.X".
    static QString offeredName(const QString &lastName, bool networkMode);

    // Network play: the welcome window's network section, filled with the
    // last address and port. On confirmation, after the name and password
    // checks, start(section, name) hosts or joins; the window closes only
    // when it returns true.
    lan::NetworkSection *
    addNetworkSection(const QString &lastAddress, const QString &lastPort,
                      std::function<bool(lan::NetworkSection &, const QString &)> start);

  private:
    void tryAccept();

    Form form_;
    QString storedPassword_;
    QLineEdit *editName_ = nullptr;
    QLineEdit *editPassword_ = nullptr;
    QLineEdit *editPassword2_ = nullptr;
    lan::NetworkSection *networkSection_ = nullptr;
    std::function<bool(lan::NetworkSection &, const QString &)> networkStart_;
};

} // namespace quarn
