#pragma once
// The help window ("Help", 660 x 620): the rules of the game, the scoring,
// the commands and the windows, in the current language, from the program's
// own resources (":/help/help.<code>.html").

#include "ui/TFormHelpReading.h"

namespace quarn {

class TFormHelp : public TFormHelpReading {
    Q_OBJECT
  public:
    explicit TFormHelp(const AuxContext &context, QWidget *parent = nullptr);

    // The help text of a language (0 to 9); English for any other index or
    // when a language's text is missing.
    static QString helpHtml(int language);
    // The resource that holds the help text of a language.
    static QString helpResource(int language);
};

} // namespace quarn
