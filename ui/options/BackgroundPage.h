#pragma once
// The options tab "BG": the group "Background" with the picture and colour
// lists and the backgrounds library's download button.

#include "ui/options/OptionsPage.h"

class QGroupBox;
class QListWidget;

namespace quarn {

class BackgroundPage : public OptionsPage {
    Q_OBJECT
  public:
    explicit BackgroundPage(const OptionsPageTools &tools);

    // Also disables both lists while the menu and the table are both "Purple".
    void load() override;
    void relabel() override;

  private:
    void chooseBackground(int picture, int variant);

    QGroupBox *backgroundGroup_ = nullptr;
    QListWidget *bgPictures_ = nullptr;
    QListWidget *bgColours_ = nullptr;
};

} // namespace quarn
