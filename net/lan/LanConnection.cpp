#include "net/lan/LanConnection.h"

#include "net/lan/AddressRules.h"
#include "net/lan/LanClient.h"
#include "net/lan/LanHost.h"
#include "net/lan/LanTexts.h"
#include "net/lan/NetworkSection.h"
#include "net/lan/TFormWait.h"

namespace quarn::lan {

LanConnection::LanConnection(GameState &game, const Outside &outside, QObject *parent)
    : QObject(parent), game_(game), outside_(outside) {}

LanHost *LanConnection::Host() const {
    return qobject_cast<LanHost *>(session_.data());
}

LanClient *LanConnection::Client() const {
    return qobject_cast<LanClient *>(session_.data());
}

void LanConnection::replaceSession(LanSession *session) {
    if (session_) {
        session_->disconnect(this);
        session_->Cancel();
        session_->deleteLater();
    }
    session_ = session;
    if (!session)
        return;
    connect(session, &LanSession::chatReceived, this, &LanConnection::chatReceived);
    connect(session, &LanSession::gameMessageApplied, this, &LanConnection::gameMessageApplied);
    connect(session, &LanSession::seatMoved, this, &LanConnection::seatMoved);
    connect(session, &LanSession::gameInterrupted, this, &LanConnection::gameInterrupted);
    connect(session, &LanSession::peerLost, this, &LanConnection::peerLost);
}

bool LanConnection::ConfirmStart(NetworkSection &section, const std::string &playerName,
                                 QWidget *parent,
                                 const std::function<void(const QString &)> &showError) {
    if (const std::optional<WordEntry> problem = section.EntryProblem()) {
        showError(Text(*problem));
        return false;
    }
    const quint16 port = PortNumber(section.PortText().toStdString()).value_or(0);
    section.RememberEntries();
    if (section.Role() == 1) {
        auto *host = new LanHost(game_, outside_, this);
        replaceSession(host);
        if (!host->StartHosting(port, playerName)) {
            showError(Text(WordEntry::NetIncorrectPort));
            section.FocusPort();
            return false;
        }
        TFormWait wait(*host, parent);
        return wait.exec() == QDialog::Accepted;
    }
    auto *client = new LanClient(game_, outside_, this);
    client->HoldAfterJoining(true);
    replaceSession(client);
    client->StartJoining(section.Address(), port, playerName);
    TFormWait wait(*client, parent);
    return wait.exec() == QDialog::Accepted;
}

void LanConnection::Close() {
    if (session_)
        session_->CloseConnection();
}

} // namespace quarn::lan
