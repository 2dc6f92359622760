#pragma once
// The options tab "Save games": "Save games as GIFs" (only in the small
// window), what to capture and the delay between frames (only while
// recording is on).

#include "ui/options/OptionsPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QSpinBox;

namespace quarn {

class SaveGamesPage : public OptionsPage {
    Q_OBJECT
  public:
    explicit SaveGamesPage(const OptionsPageTools &tools);

    void load() override;
    void relabel() override;

  private:
    QCheckBox *recordGif_ = nullptr;
    QComboBox *capture_ = nullptr;
    QLabel *delayLabel_ = nullptr;
    QSpinBox *delay_ = nullptr;
};

} // namespace quarn
