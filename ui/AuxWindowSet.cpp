#include "ui/AuxWindowSet.h"

#include "rules/Match.h"
#include "rules/SoundPlayer.h"
#include "ui/TFormAbout.h"
#include "ui/TFormCount.h"
#include "ui/TFormEndGame.h"
#include "ui/TFormHelp.h"
#include "ui/TFormHistory.h"
#include "ui/TFormOptions.h"
#include "ui/TFormSpeed.h"
#include "ui/TFormTopTen.h"

namespace quarn {

namespace {

constexpr std::string_view OpenSound = kSoundWindowOpens;

} // namespace

AuxWindowSet::AuxWindowSet(AuxContext context, QWidget *parent)
    : context_(std::move(context)), parent_(parent) {}

void AuxWindowSet::run(QDialog &window) {
    if (runner_)
        runner_(window);
    else
        window.exec();
}

void AuxWindowSet::playSound(std::string_view name) {
    if (context_.sound)
        context_.sound->Play(name, false);
}

void AuxWindowSet::showOptions() {
    playSound(OpenSound);
    QSize screen = screen_;
    if (screen.isEmpty() && optionsHost_)
        screen = optionsHost_->screenSize();
    TFormOptions window(context_, optionsHost_, screen, parent_);
    window.setRunner(runner_);
    run(window);
}

void AuxWindowSet::showSpeed() {
    TFormSpeed window(context_, parent_);
    run(window);
}

void AuxWindowSet::showTopTen(bool networkClub) {
    TFormTopTen window(context_, networkClub, parent_);
    run(window);
}

void AuxWindowSet::showHistory() {
    playSound(OpenSound);
    TFormHistory window(context_, historyFile_, parent_);
    run(window);
}

void AuxWindowSet::showEnd(const EndOfGameFacts &facts) {
    TFormEndGame window(context_, facts, parent_);
    run(window);
}

void AuxWindowSet::showEndOfGame(bool networkClub, int place, std::int32_t score) {
    showEnd({networkClub ? EndOfGameKind::Network : EndOfGameKind::Local, place, score, 0});
}

void AuxWindowSet::showAccountEndOfGame(int place, std::int32_t score, int bonus) {
    showEnd({EndOfGameKind::Account, place, score, bonus});
}

void AuxWindowSet::showGameInformation(const GameState &game) {
    const AccountStanding account = account_ ? account_() : AccountStanding{};
    const std::optional<TournamentStanding> entry = tournament_ ? tournament_() : std::nullopt;
    // A fresh record over the program's one record, then the window.
    currentCount() = fillCount(game, account, entry);
    playSound(OpenSound);
    TFormCount::Situation situation;
    situation.playerName = QString::fromStdString(PadName(game.PlayerName));
    situation.accountState = account.state;
    situation.tournament = game.Tournament;
    TFormCount window(context_, currentCount(), situation, parent_);
    run(window);
}

void AuxWindowSet::showHelp() {
    playSound(OpenSound);
    TFormHelp window(context_, parent_);
    run(window);
}

void AuxWindowSet::showAbout() {
    playSound(OpenSound);
    TFormAbout window(context_, parent_);
    run(window);
}

} // namespace quarn
