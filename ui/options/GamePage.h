#pragma once
// The options tab "Game": the group "Minor" with "To sellect possible cards
// for move" and the switch between strong computer opponents and the
// standard chooser.

#include "ui/options/OptionsPage.h"

class QCheckBox;
class QGroupBox;

namespace quarn {

class GamePage : public OptionsPage {
    Q_OBJECT
  public:
    explicit GamePage(const OptionsPageTools &tools);

    void load() override;
    void relabel() override;

  private:
    QGroupBox *minor_ = nullptr;
    QCheckBox *highlight_ = nullptr;
    QCheckBox *strongOpponents_ = nullptr;
};

} // namespace quarn
