#pragma once
// The auxiliary windows as the main window opens them: the club's top ten,
// the history, the end of a cycle, the game information, help and about. Each window is
// created when it opens, shown modally and freed when it closes; the set
// keeps only what outlives a window (the history file chosen last).
//
//   AuxWindowSet windows({folder, &settings, &soundPlayer, showMissingLibrary}, mainWindow);
//   mainWindow.setAuxiliaryWindows(&windows);

#include "ui/AuxiliaryWindows.h"
#include "ui/EndOfGame.h"
#include "ui/GameCount.h"
#include "ui/OptionsHost.h"
#include "ui/TWemAuxForm.h"

#include <functional>
#include <optional>

class QDialog;

namespace quarn {

class AuxWindowSet : public AuxiliaryWindows {
  public:
    AuxWindowSet(AuxContext context, QWidget *parent);

    // Where the online parts are read from when the game information opens;
    // without them the account reads as logged out and a tournament entry as zeros.
    void setAccountSource(std::function<AccountStanding()> source) { account_ = std::move(source); }
    void setTournamentSource(std::function<std::optional<TournamentStanding>()> source) {
        tournament_ = std::move(source);
    }

    // How a window is shown: modally by default; tests look at it instead.
    using Runner = std::function<void(QDialog &)>;
    void setRunner(Runner runner) { runner_ = std::move(runner); }
    // The main window the options dialog shows its changes on, and the
    // screen size its size list must fit (taken from the host when empty).
    void setOptionsHost(OptionsHost *host) { optionsHost_ = host; }
    void setScreenSize(QSize screen) { screen_ = screen; }
    // Opens the radio window (the main window's radio owns it).
    void setRadioOpener(std::function<void()> opener) { radio_ = std::move(opener); }
    // Opens the account window (the main window holds the account).
    void setAccountOpener(std::function<void()> opener) { accountOpener_ = std::move(opener); }

    void showOptions() override;
    void showSpeed() override;
    void showTopTen(bool networkClub) override;
    void showHistory() override;
    void showEndOfGame(bool networkClub, int place, std::int32_t score) override;
    void showAccountEndOfGame(int place, std::int32_t score, int bonus) override;
    void showGameInformation(const GameState &game) override;
    void showHelp() override;
    void showAbout() override;
    void showRadio() override {
        if (radio_)
            radio_();
    }
    // The world windows (the main window opens them: they need its web client
    // and account).
    struct WorldOpeners {
        std::function<void(std::int32_t score)> submit;
        std::function<void()> topTen;
        std::function<void()> passport;
    };
    void setWorldOpeners(WorldOpeners openers) { world_ = std::move(openers); }
    void submitWorldTopTen(std::int32_t score) override {
        if (world_.submit)
            world_.submit(score);
    }
    void showWorldTopTen() override {
        if (world_.topTen)
            world_.topTen();
    }
    void showPassport() override {
        if (world_.passport)
            world_.passport();
    }

    void showAccount() override {
        if (accountOpener_)
            accountOpener_();
    }

    int rememberedHistoryFile() const { return historyFile_; }

  private:
    void run(QDialog &window);
    void playSound(std::string_view name);
    void showEnd(const EndOfGameFacts &facts);

    AuxContext context_;
    QWidget *parent_ = nullptr;
    std::function<AccountStanding()> account_;
    std::function<std::optional<TournamentStanding>()> tournament_;
    Runner runner_;
    int historyFile_ = 0;
    OptionsHost *optionsHost_ = nullptr;
    QSize screen_;
    std::function<void()> radio_;
    std::function<void()> accountOpener_;
    WorldOpeners world_;
};

} // namespace quarn
