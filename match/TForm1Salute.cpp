// The salute: a ripple at the mouse pointer after a click on a button, a
// pop-up entry or a card, when its option is on.
#include "match/TForm1.h"

#include "ui/Salute.h"

#include <QCursor>

namespace quarn {

void TForm1::salute(bool optionOn) {
    if (optionOn && started())
        playSalute(folder_, QCursor::pos());
}

} // namespace quarn
