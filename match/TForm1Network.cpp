// Network play through the main window: the connection started from the
// welcome window, the match of a host or a client, the in-match chat line
// and its four-line panel, and the end of a game when a player leaves.
#include "match/TForm1.h"
#include "net/tour/TourConnection.h"

#include "match/TImage.h"
#include "net/lan/LanProtocol.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "net/lan/ChatPanel.h"
#include "net/lan/LanClient.h"
#include "net/lan/LanHost.h"
#include "net/lan/LanTexts.h"
#include "net/lan/NetworkSection.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace quarn {

namespace {

// After a settlement in network play the command button rests this long.
constexpr int SettlementPauseMs = 2000;

} // namespace

void TForm1::createNetworkControls() {
    lan_ = new lan::LanConnection(game_, Outside{this, this, nullptr, this}, this);
    connect(lan_, &lan::LanConnection::chatReceived, this, &TForm1::chatLineArrived);
    connect(lan_, &lan::LanConnection::gameMessageApplied, this, &TForm1::networkMessageApplied);
    connect(lan_, &lan::LanConnection::seatMoved, this, [this](int seat, int cardNumber) {
        driver_.noteMoveMade(seat, cardNumber == 0 ? kEmptyCard : CardFromNumber(cardNumber));
    });
    connect(lan_, &lan::LanConnection::gameInterrupted, this, &TForm1::networkGameInterrupted);
    connect(lan_, &lan::LanConnection::peerLost, this, [this] {
        chatLine_->setEnabled(false);
        sendButton_->setEnabled(false);
    });

    chatPanel_ = new lan::ChatPanel(this);
    chatPanel_->hide();
    chatLine_->setMaxLength(lan::kChatTextMax);
    connect(chatLine_, &QLineEdit::returnPressed, this, &TForm1::sendChatLine);
    connect(sendButton_, &QPushButton::clicked, this, &TForm1::sendChatLine);
}

bool TForm1::confirmNetworkStart(lan::NetworkSection &section, const QString &name) {
    return lan_->ConfirmStart(section, name.toStdString(), this,
                              [this](const QString &message) { Ask::error(this, message); });
}

void TForm1::startNetworkMatch() {
    chatPanel_->ClearLines();
    showChatControls();
    if (lan::LanClient *client = lan_->Client()) {
        // The host's first deal deals the first hand; until it comes, its
        // text lies across the host's hand area and the other areas are empty.
        const QString waiting = lan::Text(WordEntry::MainWaitingForServer);
        canvas_->LayOutTable(layout_.windowSize, layout_.client);
        canvas_->DrawAwaitingDeal(lan::ClientSeat(kPlayerSeat, game_.NetRole), waiting);
        tableImage_->setAccessibleDescription(waiting);
        announcer_->announce(waiting);
        update();
        client->Release();
        return;
    }
    deal();
}

void TForm1::showChatControls() {
    chatPanel_->SetScale([this](int v) { return layout_.scaling.Scale(v); });
    chatPanel_->setGeometry(layout_.memo);
    chatLine_->setGeometry(layout_.chatLine);
    sendButton_->setGeometry(layout_.sendButton);
    // Disabled while a client waits for the host's first deal, and once the
    // connection is gone.
    const lan::LanClient *client = lan_->Client();
    const bool connected = game_.Tournament
                               ? tour_->Connected()
                               : lan_->Session() && lan_->Session()->Joining() != lan::kIdle &&
                                     !(client && client->AwaitingFirstDeal());
    for (QWidget *w : std::initializer_list<QWidget *>{chatPanel_, chatLine_, sendButton_}) {
        w->setEnabled(connected);
        w->show();
        w->raise();
    }
}

void TForm1::sendChatLine() {
    if (game_.Tournament)
        return sendTournamentChat();
    const QString text = chatLine_->text().left(lan::kChatTextMax);
    if (!game_.Network || text.isEmpty() || !lan_->Session())
        return;
    lan_->Session()->SendChat(text);
    chatPanel_->AddLine(game_.NetRole, text);
    chatLine_->clear();
}

void TForm1::chatLineArrived(int role, const QString &text) {
    chatPanel_->AddLine(role, text);
}

void TForm1::networkMessageApplied() {
    if (!game_.InGame)
        return;
    if (waitBanner_->isVisible() && game_.Phase == kPhaseDealt)
        waitBanner_->hide();
    // A start from the host runs the tick as the start command does here.
    if (game_.Phase == kPhasePlaying && !tickTimer_->isActive())
        tickTimer_->start();
    updateGameButtons();
    outlinePlayableCards();
}

void TForm1::networkGameInterrupted() {
    Ask::error(this, lan::InterruptedGameMessage());
    ReturnToMenu(false);
}

void TForm1::startSettlementPause() {
    settlementPause_ = true;
    QTimer::singleShot(SettlementPauseMs, this, [this] {
        settlementPause_ = false;
        if (game_.InGame)
            updateGameButtons();
    });
}

} // namespace quarn
