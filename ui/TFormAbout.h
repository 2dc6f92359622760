#pragma once
// The about window ("About", 520 x 620): the game's title, version and build,
// and the credits and licences of the works of others that the game is made
// with (card decks, flags, voices, fonts, sound font, libraries), followed by
// the licence notices those works ask to be shown.

#include "ui/TFormHelpReading.h"

namespace quarn {

class TFormAbout : public TFormHelpReading {
    Q_OBJECT
  public:
    explicit TFormAbout(const AuxContext &context, QWidget *parent = nullptr);

    // The page in the current language.
    static QString aboutHtml();
};

} // namespace quarn
