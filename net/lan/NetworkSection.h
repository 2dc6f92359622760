#pragma once
// The network section of the welcome window: server or client, the host's
// address and port, the number of games (shown disabled), the list of this
// machine's addresses and the router help. The boxes keep to their
// characters: a change that leaves any other character puts back the last
// accepted text.

#include <QString>
#include <QUrl>
#include <QWidget>
#include <array>
#include <functional>
#include <optional>
#include <string>

#include "lang/WordEntry.h"

class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace quarn::lan {

class NetworkSection : public QWidget {
    Q_OBJECT
  public:
    // lastAddress, lastPort: as the settings keep them.
    NetworkSection(const QString &lastAddress, const QString &lastPort, QWidget *parent = nullptr);

    // 1 "Server create the game", 2 "Client enters to game".
    int Role() const;
    void SetRole(int role);
    QString Address() const;
    QString PortText() const;

    // The confirmation's checks: "Incorrect IP-address!" for a client's
    // address without the shape of four parts, "Incorrect Port!" for a port
    // that is empty or no usable port. The faulty box takes the focus.
    std::optional<WordEntry> EntryProblem();
    // What the settings keep after a confirmation: the address (a client's
    // only) and the port.
    void RememberEntries();
    void FocusPort();
    QString LastAddress() const { return lastAddress_; }
    QString LastPort() const { return lastPort_; }

    // Fills the six address boxes and shows them.
    void ReceiveAddresses();
    // The machine's address as the internet sees it; empty when unknown.
    void SetOutsideAddressLookup(std::function<std::string()> lookup) {
        outsideLookup_ = std::move(lookup);
    }
    void SetRouterHelpUrl(const QUrl &url) { routerHelp_ = url; }

  private:
    void chooseRole(int role);
    void addressEdited(const QString &text);
    void portEdited(const QString &text);
    void openRouterHelp();

    QRadioButton *server_ = nullptr;
    QRadioButton *client_ = nullptr;
    QLineEdit *address_ = nullptr;
    QLineEdit *port_ = nullptr;
    QSpinBox *games_ = nullptr;
    QPushButton *receive_ = nullptr;
    QPushButton *help_ = nullptr;
    std::array<QLineEdit *, 6> addressBoxes_{};
    QString lastAddress_;
    QString lastPort_;
    QString acceptedAddress_;
    QString acceptedPort_;
    std::function<std::string()> outsideLookup_;
    QUrl routerHelp_;
};

} // namespace quarn::lan
