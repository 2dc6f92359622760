// The match as shown by the main window: choosing the player, the deal, the
// tick and the player's clicks and commands routed to the match driver,
// leaving, and the records kept when the match ends.
#include "match/TForm1.h"
#include "net/tour/TourConnection.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "match/GameButtons.h"
#include "match/TFormPassword.h"
#include "match/TImage.h"
#include "net/lan/ChatPanel.h"
#include "net/lan/LanHost.h"
#include "net/lan/NetworkSection.h"
#include "rules/Match.h"
#include "rules/Moves.h"
#include "store/History.h"
#include "web/WebServices.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <random>

namespace quarn {

namespace {

constexpr int MatchTickMs = 200;

QString fromUtf8(const std::string &text) {
    return QString::fromStdString(text);
}

// The web behind the welcome window's network section: the machine's
// address as the internet sees it, and the router help on the maker's site.
void connectToWeb(lan::NetworkSection &section, web::WebClient &client) {
    section.SetOutsideAddressLookup(
        [&client] { return web::WebServices(client).LookupExternalIp(); });
    const std::string site = client.addresses().makerSiteUrl();
    if (!site.empty())
        section.SetRouterHelpUrl(QUrl(QString::fromStdString(site + "router.html")));
}

} // namespace

Outside TForm1::outside() {
    Announcer *announcer = game_.Network      ? lan_->MoveAnnouncer()
                           : game_.Tournament ? static_cast<Announcer *>(tour_)
                                              : nullptr;
    return Outside{this, this, announcer, this};
}

// ---- Choosing the player --------------------------------------------------------

void TForm1::startMatchFor(int playerKind) {
    if (!menuShown() || playerKind < 1 || playerKind > kNewPlayer)
        return;
    const std::filesystem::path path = clubPath();
    MemberRecord record;
    std::optional<TFormPassword> form;
    if (playerKind <= 5) {
        const std::optional<ClubFile> club = readClubFile(path);
        const std::optional<MemberRecord> member = club ? club->member(playerKind) : std::nullopt;
        if (!member)
            return;
        record = *member;
        const std::optional<std::string> stored = readMemberPassword(path, playerKind);
        if (!stored)
            return;
        game_.PlayerKind = std::uint8_t(playerKind);
        Play(kSoundWindowOpens, false);
        form.emplace(TFormPassword::Form::Member, fromUtf8(record.name), fromUtf8(*stored),
                     settings_.multiplayer, this);
    } else {
        game_.PlayerKind = kNewPlayer;
        Play(kSoundWindowOpens, false);
        form.emplace(TFormPassword::Form::NewPlayer, fromUtf8(settings_.playerName), QString(),
                     settings_.multiplayer, this);
    }
    lan::NetworkSection *section = nullptr;
    if (settings_.multiplayer) {
        section = form->addNetworkSection(fromUtf8(settings_.hostAddress), fromUtf8(settings_.port),
                                          [this](lan::NetworkSection &s, const QString &name) {
                                              return confirmNetworkStart(s, name);
                                          });
        connectToWeb(*section, *web_);
    }
    if (form->exec() != QDialog::Accepted)
        return;
    if (section) {
        settings_.hostAddress = section->LastAddress().toStdString();
        settings_.port = section->LastPort().toStdString();
    }
    if (playerKind == kNewPlayer) {
        const std::string name = form->name().toStdString();
        record = newPlayerRecord(name, form->password().toStdString());
        settings_.playerName = name;
    }
    playerRecord_ = record;

    hideMenu();
    tickTimer_->stop();
    applyMusicSetting(); // the melody stops for the match
    // In network play the welcome window's connection has set the role.
    driver_.newMatch(section != nullptr,
                     PlayerStanding{record.name, record.rating, record.hands, record.cycleScore});
    // The option plays this program's computer seats (a network host's too).
    driver_.setStrongOpponents(settings_.strongOpponents, std::random_device{}());
    if (game_.Network)
        startNetworkMatch();
    else
        deal();
}

// A new name and password during a local match: a member's club line is
// rewritten under them, a new player's name changes for this match only.
void TForm1::changeName() {
    if (!game_.InGame || !game_.IsLocalGame() || game_.IsAccountGame())
        return;
    Play(kSoundWindowOpens, false);
    TFormPassword form(TFormPassword::Form::NewPlayer, fromUtf8(settings_.playerName), QString(),
                       settings_.multiplayer, this);
    if (form.exec() != QDialog::Accepted)
        return;
    const std::string name = form.name().toStdString();
    const std::string password = form.password().toStdString();
    settings_.playerName = name;
    if (game_.PlayerKind >= 1 && game_.PlayerKind <= 5) {
        const StoredResult stored = changeMemberName(clubPath(), game_.PlayerKind, playerRecord_,
                                                     name, password, clubWritesBarred_);
        if (stored.write == ClubWrite::Failed) {
            Ask::error(this, word(WordEntry::FileDiskWriteError));
            return;
        }
        if (stored.write == ClubWrite::Written && stored.memberLine != 0) {
            game_.PlayerKind = std::uint8_t(stored.memberLine);
            playerRecord_ = stored.record;
        }
    } else {
        playerRecord_ = newPlayerRecord(name, password);
    }
    game_.PlayerName = PadName(name);
    game_.SeatName[kPlayerSeat] = name;
    drawNamePlates();
    Ask::inform(this, word(WordEntry::ClubNameChanged) + form.name());
}

// ---- The hand -------------------------------------------------------------------

void TForm1::deal() {
    tickTimer_->stop();
    if (game_.Network && lan_->Host())
        lan_->Host()->Deal(); // the clients get the same deck
    else
        driver_.deal();
}

void TForm1::HandDealt() {
    // Every deal, a client's received one too, chooses its backs by one rule.
    pictures_->chooseBack(QDate::currentDate(), settings_.alwaysOneBack);
    driver_.handDealt();
    exitToMenuAction_->setEnabled(true);
    generalScoreAction_->setEnabled(true);
    changeNameAction_->setEnabled(game_.IsLocalGame() && !game_.IsAccountGame());
    canvas_->LayOutTable(layout_.windowSize, layout_.client);
    showTableControls();
    deckImage_->hide();
    for (int seat = 1; seat <= kSeatCount; ++seat)
        drawSeatHand(seat, seatFaceUp(seat));
    RedrawTable();
    drawNamePlates();
    RedrawTabs(0);
    drawCounter();
    update();
    Play(kSoundDealt, false);
    // The counter's balloon (CounterHover) shows the same; a tooltip would hide it.
    counterImage_->setAccessibleDescription(word(WordEntry::MainGame) + QStringLiteral(": ") +
                                            QString::number(game_.HandNumber) +
                                            QStringLiteral(" / ") + QString::number(kCycleLength));
    commandButton_->setText(word(WordEntry::MainToBegin));
    if (game_.Network) {
        settlementPause_ = false; // the pause holds "Next game" only, never the next hand
        if (game_.MatchHands == 1)
            chatPanel_->ClearLines();
        showChatControls();
    }
    updateGameButtons();
    tickTimer_->setInterval(MatchTickMs);
    tickTimer_->stop();
    StartRecording();
    access_->handDealt();
}

void TForm1::CommandButton() {
    if (!game_.InGame || !commandButton_->isEnabled())
        return;
    if (game_.Phase == kPhaseDealt) {
        driver_.start();
        access_->handStarted();
        SetCommandLabel(CommandLabel::Pass);
        tickTimer_->start();
        updateGameButtons();
        outlinePlayableCards();
        return;
    }
    switch (game_.ToMove) {
    case kPlayerSeat:
        commandButton_->setEnabled(false);
        driver_.playerPasses();
        break;
    case kHandEnded: {
        const int winner = HandWinner(game_);
        const int bank = game_.Bank;
        if (driver_.settle())
            access_->handSettled(winner, bank);
        break;
    }
    case kHandSettled:
        tickTimer_->stop();
        deal();
        return;
    default:
        break;
    }
    updateGameButtons();
}

void TForm1::LeaveButton() {
    if (!game_.InGame || !game_.MayLeave || !leaveButton_->isEnabled())
        return;
    const bool tournament = game_.Tournament;
    driver_.endMatch();
    if (tournament)
        leaveTournament();
}

void TForm1::Tick() {
    if (titleShown()) {
        // Only the moving pictures and, every tenth tick, the title's letters.
        update(TitleScreen::onWindow(title_.advance(), size()));
        return;
    }
    if (menuShown())
        return;
    if (!driver_.moveComputerSeat())
        return;
    updateGameButtons();
    outlinePlayableCards();
}

void TForm1::BottomHandClick(Qt::MouseButton button, int x) {
    if (button != Qt::LeftButton || !driver_.playerToMove())
        return;
    const int slot = canvas_->HitTest(kPlayerSeat, x);
    if (!driver_.isPlayerSlot(slot))
        return;
    salute(settings_.saluteOnCards);
    if (!driver_.playerPlays(slot)) {
        Play(kSoundRefused, false);
        return;
    }
    updateGameButtons();
}

void TForm1::BottomHandHover(int x) {
    setPointer(handImages_[kPlayerSeat], canvas_->pointerOverBottomHand(game_, x));
}

void TForm1::updateGameButtons() {
    const GameButtons buttons = gameButtonsFor(situationOf(game_, tour_->Role()));
    commandButton_->setText(word(buttons.commandLabel));
    commandButton_->setAccessibleName(commandButton_->text());
    commandButton_->setEnabled(buttons.commandEnabled && !settlementPause_);
    leaveButton_->setEnabled(buttons.leaveEnabled && game_.MayLeave);
    updateTournamentButtons();
}

void TForm1::outlinePlayableCards() {
    if (!settings_.highlightPlayable || !driver_.playerToMove() ||
        game_.CardCount[kPlayerSeat] == 0)
        return;
    repaintArea(canvas_->OutlinePlayableCards(game_));
}

// ---- Leaving ----------------------------------------------------------------------

void TForm1::abandonMatch() {
    if (screen_ != Screen::Table || !game_.InGame)
        return;
    Play(kSoundWindowOpens, false);
    if (!askLeave(word(WordEntry::MainLeaveToMenuQuestion), QStringLiteral("\n\r")))
        return;
    SaveRecording();
    const bool accountGame = game_.IsAccountGame();
    driver_.abandon();
    if (accountGame)
        leaveAccountMatch();
    if (game_.Network)
        lan_->Close();
    if (game_.Tournament)
        tour_->Forget(); // the game-server connection and the move clock stop
    enterMenuState();
}

void TForm1::ReturnToMenu(bool accountGame) {
    game_.InGame = false;
    if (accountGame)
        leaveAccountMatch();
    enterMenuState();
}

void TForm1::HideTable() {
    hideTableControls();
}

void TForm1::ShowWaitBanner() {
    const Scaling &s = layout_.scaling;
    waitBanner_->setText(word(WordEntry::MainPleaseWait));
    waitBanner_->setFont(windowFont(FontKind::Large, 24));
    waitBanner_->setGeometry(s.place(230, 220, 300, 60));
    waitBanner_->show();
    waitBanner_->raise();
    waitBanner_->repaint();
}

void TForm1::HideWaitBanner() {
    waitBanner_->hide();
}

void TForm1::SetCommandLabel(CommandLabel label) {
    static const WordEntry words[] = {WordEntry::MainToBegin, WordEntry::MainPass,
                                      WordEntry::MainTotalOfGame, WordEntry::MainNextGame};
    commandButton_->setText(word(words[int(label)]));
    commandButton_->setAccessibleName(commandButton_->text());
    if (label == CommandLabel::NextGame && game_.Network)
        startSettlementPause();
}

// ---- Records ------------------------------------------------------------------------

void TForm1::WriteHistory(const HistoryEntry &entry) {
    HisStr line;
    line.HName = entry.name;
    line.HKon = entry.hands;
    line.HRes = entry.result;
    line.HRei = entry.rating;
    line.Ac = static_cast<std::uint8_t>(entry.kind);
    const HisStr lines[] = {line};
    if (!appendHistory(std::filesystem::path(folder_.toStdString()), lines).ok)
        Ask::error(this, qText(cantSaveHistoryMessage));
}

void TForm1::UpdateClub(const ClubUpdate &update) {
    MemberRecord record = playerRecord_;
    record.name = TrimTrailingBlanks(update.line.name);
    record.rating = update.line.rating;
    record.hands = update.line.hands;
    record.cycleScore = update.line.total;
    lastCycleScore_ = update.line.total;
    const StoredResult stored =
        recordMatchEnd(clubPath(), update.oldLine, record, clubWritesBarred_);
    lastPlace_ = stored.place;
    if (stored.write == ClubWrite::Failed)
        Ask::error(this, word(WordEntry::FileDiskWriteError));
}

void TForm1::RemoveClubLine(bool, int line) {
    if (removeMember(clubPath(), line, clubWritesBarred_) == ClubWrite::Failed)
        Ask::error(this, word(WordEntry::FileDiskWriteError));
}

void TForm1::ShowEndOfGame(bool networkClub) {
    if (game_.IsAccountGame()) {
        showAccountEndOfGame();
        return;
    }
    windows_->showEndOfGame(networkClub, lastPlace_, lastCycleScore_);
}

void TForm1::SubmitWorldTopTen(std::int32_t score) {
    windows_->submitWorldTopTen(score);
}

} // namespace quarn
