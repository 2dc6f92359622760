#pragma once
// The table for screen readers and test robots: the bottom hand's cards as
// accessible buttons, the seats' name plates and tabs, the counter and the
// table of rows named with what they show, and a sentence announced for
// every deal, move, turn, hand end and settlement.

#include "match/AccessibleHand.h"
#include "rules/GameState.h"

#include <array>
#include <functional>

class QWidget;

namespace quarn {

class TableAnnouncer;
class TableCanvas;

// The picture controls that get accessible names.
struct TableControls {
    QWidget *hand = nullptr;               // ImageCards4
    std::array<QWidget *, 5> namePlates{}; // ImageSay1..4
    std::array<QWidget *, 5> tabs{};       // ImageTab1..4
    QWidget *counter = nullptr;            // ImageKon
    QWidget *table = nullptr;              // ImageStol
};

class TableAccessibility : public HandAccess {
  public:
    // press: does what a left click at x of the hand control does.
    TableAccessibility(const GameState &game, const TableCanvas &canvas,
                       const TableControls &controls, TableAnnouncer &announcer,
                       std::function<bool()> playerMayPlay, std::function<void(int x)> press);
    ~TableAccessibility() override;
    TableAccessibility(const TableAccessibility &) = delete;
    TableAccessibility &operator=(const TableAccessibility &) = delete;

    // The events of the table.
    void handDealt();
    void handStarted();
    void seatMoved(int seat, TStr2 card);
    void handSettled(int winner, int bank);
    // Names the controls after the game state (after any redraw).
    void describe();

    // HandAccess
    int handCardCount() const override;
    QString handCardName(int slot) const override;
    bool handCardPlayable(int slot) const override;
    QRect handCardRect(int slot) const override;
    void pressHandCard(int slot) override;

  private:
    void say(const std::string &sentence);

    const GameState &game_;
    const TableCanvas &canvas_;
    TableControls controls_;
    TableAnnouncer &announcer_;
    std::function<bool()> playerMayPlay_;
    std::function<void(int x)> press_;
};

} // namespace quarn
