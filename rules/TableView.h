#pragma once
// What the rule operations ask of the table on screen. The main window
// implements it; every method does nothing by default, so a caller without
// a screen (tests, tools) can pass nothing at all.

#include "rules/Card.h"

namespace quarn {

// Labels of the command button below the bottom hand.
enum class CommandLabel { ToBegin, Pass, TotalOfGame, NextGame };

class TableView {
  public:
    virtual ~TableView() = default;

    // True when the card flight option is on: PlayCard then sorts and
    // redraws the hand first, flies the card, and redraws the table last.
    virtual bool CardFlightOn() const { return false; }

    virtual void RedrawTable() {}
    // faceUp: seat 4 always, seats 1..3 when the hands are open or the hand ended.
    virtual void RedrawHand(int /*seat*/, bool /*faceUp*/) {}
    // The card leaves the given slot of the seat's hand (as it was before the
    // hand was sorted again) for its place on the table.
    virtual void FlyCard(int /*seat*/, int /*fromSlot*/, TStr2 /*card*/) {}
    virtual void RedrawBank() {}
    // The four score tabs; highlightedSeat 0 highlights none (and then the
    // tabs show the penalties of an ended hand).
    virtual void RedrawTabs(int /*highlightedSeat*/) {}

    // The command button is relabelled; which buttons are enabled is the
    // window's business (it reads the game state). After a settlement in a
    // network game the window also makes its 2-second pause here.
    virtual void SetCommandLabel(CommandLabel /*label*/) {}

    // A hand was dealt: lay out and draw the table for it.
    virtual void HandDealt() {}
    // A settled hand's film (recording of hands) is completed and saved.
    virtual void CompleteFilm() {}

    // Leaving a match with its results: the table is hidden and a
    // "Please, wait..." banner shown while results are computed and sent.
    virtual void HideTable() {}
    virtual void ShowWaitBanner() {}
    virtual void HideWaitBanner() {}
    // Last step of leaving a match: back to the menu (account state, music,
    // tick, pop-up entries, help topic).
    virtual void ReturnToMenu(bool /*accountGame*/) {}
};

} // namespace quarn
