#pragma once
// The bottom hand as a screen reader and a test robot see it: the picture
// control of the hand gets one accessible button per card, named as the
// spoken card names say it, enabled while the card may be played now; its
// press action does what a click on the card does.

#include <QRect>
#include <QString>

class QWidget;

namespace quarn {

// What the accessible hand reads and presses; the main window answers.
class HandAccess {
  public:
    virtual ~HandAccess() = default;
    virtual int handCardCount() const = 0;
    // Slots count from 1.
    virtual QString handCardName(int slot) const = 0;
    virtual bool handCardPlayable(int slot) const = 0;
    // The card's visible part in the hand control's coordinates.
    virtual QRect handCardRect(int slot) const = 0;
    // Does what a left click on the card does.
    virtual void pressHandCard(int slot) = 0;
};

// Gives the hand control its accessible cards; a null source takes them away
// (call it before the source goes while the control stays).
void makeHandAccessible(QWidget *handControl, HandAccess *source);

// Tells screen readers that the hand's cards, names or states changed.
void handAccessChanged(QWidget *handControl);

} // namespace quarn
