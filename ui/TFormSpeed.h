#pragma once
// The window "Choice of speed": a slider of the card flight speed 1 to 6
// under "Select a flight speed of cards:". The speed is stored the moment
// the slider moves; "Ok" and Escape close the window.

#include "ui/TWemAuxForm.h"

class QLabel;
class QSlider;

namespace quarn {

class TFormSpeed : public TWemAuxForm {
    Q_OBJECT
  public:
    explicit TFormSpeed(const AuxContext &context, QWidget *parent = nullptr);

    QSlider *slider() const { return slider_; }
    TWemCardsButton *okButton() const { return ok_; }

  private:
    QLabel *prompt_ = nullptr;
    QSlider *slider_ = nullptr;
    TWemCardsButton *ok_ = nullptr;
};

} // namespace quarn
