#pragma once
// The options tab "Fonts": which of the four fonts to change, its name and
// scale, the button "Default" and the warning to leave them alone unless the
// letters come out wrong.

#include "ui/options/OptionsPage.h"

class QComboBox;
class QLabel;
class QSpinBox;

namespace quarn {

class FontsPage : public OptionsPage {
    Q_OBJECT
  public:
    explicit FontsPage(const OptionsPageTools &tools);

    // Shows the name and scale of the font kind chosen in the list.
    void load() override;
    void relabel() override;

  private:
    void chooseFontName(const QString &name);
    void chooseFontScale(int percent);
    void restoreDefaultFonts();

    QComboBox *fontKinds_ = nullptr;
    QComboBox *fontNames_ = nullptr;
    QLabel *scaleLabel_ = nullptr;
    QSpinBox *scale_ = nullptr;
    TWemCardsButton *defaultFonts_ = nullptr;
    QLabel *fontWarning_ = nullptr;
};

} // namespace quarn
