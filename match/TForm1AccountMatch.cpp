// The rated account match as the main window runs it: the account entry of
// the menu starts it (account window, pre-charge, first deal), the end of
// the match records it on the account service, a completed game goes to the
// account list, and the account leaves the rating state with the menu.
#include "match/TForm1.h"

#include "lang/QtWords.h"
#include "match/Ask.h"
#include "rules/Match.h"
#include "web/AccountMatch.h"

#include <QEventLoop>
#include <QTimer>

namespace quarn {

web::AccountMatchIo TForm1::accountMatchIo() {
    web::AccountMatchIo io;
    io.openAccountWindow = [this] {
        if (openAccountWindowForMatch_)
            openAccountWindowForMatch_();
    };
    io.playFailure = [this] { Play(kSoundRefused, false); };
    io.wait = [](int seconds) {
        // The player waits with the program; the window still paints.
        QEventLoop loop;
        QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    };
    io.showCouldNotConnect = [this] { Ask::error(this, word(WordEntry::MainCouldNotConnect)); };
    io.askRepeatRecord = [this] {
        return Ask::question(this, word(WordEntry::MainCouldNotConnect) + QLatin1Char('\n') +
                                       word(WordEntry::MainRepeat));
    };
    io.askRepeatSubmission = [this] {
        return Ask::question(this, word(WordEntry::WebCannotWriteResult) + QLatin1Char(' ') +
                                       word(WordEntry::MainRepeat));
    };
    return io;
}

void TForm1::startAccountMatch() {
    if (!menuShown() || settings_.multiplayer || !account_.isLoggedIn())
        return;
    web::WebServices web(*web_);
    const web::AccountMatchStart start =
        web::StartAccountMatch(web, account_, accountMatchIo(), settings_.strongOpponents);
    if (start.accountChanged) {
        accountChanged();
        buildMemberList();
    }
    if (!start.started)
        return;

    accountSubmission_.reset();
    game_.PlayerKind = kAccountPlayer;
    hideMenu();
    tickTimer_->stop();
    applyMusicSetting(); // the melody stops for the match
    const web::TWemGame &record = account_.game;
    driver_.newMatch(false,
                     PlayerStanding{account_.user.Nick, record.Rating, record.Kon, record.Score});
    // Every hand comes from the service's seed, so that it can replay the match.
    driver_.dealFromSeed(account_.match.seed);
    driver_.setStrongOpponents(settings_.strongOpponents, OpponentSeed(account_.match.seed));
    deal();
}

std::optional<AccountUpdate> TForm1::UpdateAccountGame(const GameState &game) {
    web::WebServices web(*web_);
    const web::AccountMatchRecord record =
        web::RecordAccountMatch(web, account_, game.PlayerScore, game.PlayerTotal, accountMatchIo(),
                                EncodeMoves(driver_.playerMoves()));
    if (!record.stored)
        return std::nullopt;
    return AccountUpdate{record.rating, record.gameComplete};
}

bool TForm1::SubmitAccountResult(const GameState &game) {
    accountSubmission_.reset();
    if (!game.IsAccountGame() || account_.state != web::AccountState::PlayingForRating ||
        account_.game.KonL != 0)
        return false;
    web::WebServices web(*web_);
    const web::AccountGameSubmission sent =
        web::SubmitAccountGame(web, account_, game.PlayerTotal, accountMatchIo());
    if (sent.submitted)
        accountSubmission_ = sent;
    return sent.submitted;
}

void TForm1::showAccountEndOfGame() {
    if (!accountSubmission_)
        return;
    const web::AccountGameSubmission &sent = *accountSubmission_;
    windows_->showAccountEndOfGame(sent.place, sent.score, sent.bonus);
}

void TForm1::leaveAccountMatch() {
    // Every account match needs "Play global rating" ticked anew.
    if (account_.state == web::AccountState::PlayingForRating)
        account_.state = web::AccountState::LoggedIn;
    account_.accountMatch = false;
    accountSubmission_.reset();
    accountChanged();
}

void TForm1::accountChanged() {
    if (accountPictureUpdate_)
        accountPictureUpdate_();
}

AccountStanding TForm1::accountStanding() const {
    return AccountStanding{static_cast<int>(account_.state), account_.game.KonL,
                           account_.game.Rating};
}

} // namespace quarn
