// Online tournament play through the main window: the lobby opened from the
// menu when logged in, the game-server connection's deal, moves and chat
// shown on the table, the move clock's number at the seat whose time runs,
// the end of the game in a message window, and the way back to the lobby
// from the leave button.
#include "match/TForm1.h"

#include "match/Ask.h"
#include "match/TImage.h"
#include "net/lan/ChatPanel.h"
#include "net/tour/TFormTournament.h"
#include "net/tour/TourConnection.h"
#include "web/WebServices.h"
#include "web/view/TFormServerRead.h"

#include "lang/QtWords.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace quarn {

namespace {

constexpr int TimerFontPixels = 22;

} // namespace

void TForm1::createTournamentControls() {
    tour_ = new tour::TourConnection(game_, Outside{this, this, nullptr, this}, this);
    connect(tour_, &tour::TourConnection::dealArriving, this, &TForm1::tournamentDealArriving);
    connect(tour_, &tour::TourConnection::gameMessageApplied, this,
            &TForm1::tournamentMessageApplied);
    connect(tour_, &tour::TourConnection::seatMoved, this, [this](int seat, int cardNumber) {
        driver_.noteMoveMade(seat, cardNumber == 0 ? kEmptyCard : CardFromNumber(cardNumber));
    });
    connect(tour_, &tour::TourConnection::chatReceived, this, &TForm1::chatLineArrived);
    connect(tour_, &tour::TourConnection::clockChanged, this, &TForm1::showTournamentClock);
    connect(tour_, &tour::TourConnection::chatClosed, this, [this] {
        chatLine_->setEnabled(false);
        sendButton_->setEnabled(false);
    });
    connect(tour_, &tour::TourConnection::gameEnded, this, &TForm1::tournamentGameEnded);
    connect(tour_, &tour::TourConnection::gameOver, this, &TForm1::updateTournamentButtons);
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        auto *label = new QLabel(this);
        label->setObjectName(QStringLiteral("ImTimer%1").arg(seat));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("color: #ffd700; background: rgba(0, 0, 0, 150); "
                                            "border-radius: 6px;"));
        label->hide();
        timerLabels_[std::size_t(seat)] = label;
    }
}

bool TForm1::openTournament() {
    if (!account_.isLoggedIn())
        return false;
    tour::TourLobbyServices services;
    services.post = [this](std::string_view body) {
        return web::WebServices(*web_).PostTournament(body);
    };
    services.externalIp = [this] { return web::WebServices(*web_).LookupExternalIp(); };
    services.showMessage = [this](const QString &text) { Ask::inform(this, text); };
    if (TFormServerRead::windowPicturesAvailable(folder_))
        services.openWorldTopTen = [this] { openWorldTopTen(web::WorldCategory::Tournament); };
    const AuxContext context{folder_, &settings_, this,
                             [this](const QString &library) { showMissingLibrary(library); }};
    tour::TFormTournament lobby(context, *tour_, account_, std::move(services), this);
    lobby.exec();
    return true;
}

void TForm1::tournamentDealArriving(bool firstDeal) {
    if (!firstDeal)
        return;
    // The lobby closes; the one hand of the tournament is played here.
    if (menuShown())
        hideMenu();
    tickTimer_->stop();
    applyMusicSetting();
    chatPanel_->ClearLines();
}

void TForm1::tournamentMessageApplied() {
    if (!game_.InGame || !game_.Tournament)
        return;
    if (game_.Phase == kPhaseDealt && game_.MatchHands == 1 && game_.ToMove != 0) {
        // The deal's own redraw has laid out the table: the chat line joins it.
        showChatControls();
        counterImage_->setAccessibleDescription(word(WordEntry::MainGame) + QStringLiteral(": ") +
                                                QString::number(game_.HandNumber) +
                                                QStringLiteral(" / 1"));
    }
    if (game_.Phase == kPhasePlaying && !tickTimer_->isActive())
        tickTimer_->start();
    updateGameButtons();
    outlinePlayableCards();
}

void TForm1::showTournamentClock() {
    const int running = tour_->TimerSeat();
    for (int seat = 1; seat <= kSeatCount; ++seat) {
        QLabel *label = timerLabels_[std::size_t(seat)];
        if (seat != running || !game_.InGame) {
            label->hide();
            continue;
        }
        const Scaling &s = layout_.scaling;
        const QRect plate = namePlates_[std::size_t(seat)]->geometry();
        const int size = s.Scale(34);
        QFont font = windowFont(FontKind::Large, TimerFontPixels);
        label->setFont(font);
        label->setText(QString::number(tour_->MoveClock()));
        label->setAccessibleName(word(WordEntry::MainGame) + QStringLiteral(" ") + label->text());
        label->setGeometry(plate.right() + s.Scale(4), plate.top() + (plate.height() - size) / 2,
                           size, size);
        label->show();
        label->raise();
    }
}

void TForm1::tournamentGameEnded(const QString &message, const QString &line) {
    showTournamentClock();
    updateTournamentButtons();
    Ask::inform(this, line.isEmpty() ? message : message + QStringLiteral("\n") + line);
}

void TForm1::updateTournamentButtons() {
    if (!game_.Tournament || !game_.InGame)
        return;
    if (tour_->State() != tour::kGameOver)
        return;
    // The game is over for this program: only the way out remains.
    commandButton_->setEnabled(false);
    leaveButton_->setText(word(WordEntry::MainExitToMenu));
    leaveButton_->setEnabled(true);
    game_.MayLeave = true;
}

void TForm1::sendTournamentChat() {
    const QString text = chatLine_->text().left(lan::kChatTextMax);
    if (text.isEmpty() || !tour_->SendChat(text))
        return;
    chatPanel_->AddLine(tour_->Role(), text);
    chatLine_->clear();
}

void TForm1::leaveTournament() {
    game_.Tournament = false;
    tour_->Forget();
    showTournamentClock();
    // Back to the lobby, as after every tournament game.
    QTimer::singleShot(0, this, [this] { openTournament(); });
}

} // namespace quarn
