#pragma once
// The end-of-game window "The completion of game" (620 x 720), shown when a
// cycle of 30 hands is complete: the place and the result, a medal with the
// place for the top ten, an animation and the sound of the outcome.

#include "ui/EndOfGame.h"
#include "ui/TWemAuxForm.h"

namespace quarn {

class TAnimation;

class TFormEndGame : public TWemAuxForm {
    Q_OBJECT
  public:
    TFormEndGame(const AuxContext &context, const EndOfGameFacts &facts, QWidget *parent = nullptr);

    const EndOfGameView &view() const { return view_; }
    TAnimation *animation() const { return animation_; }

  protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

  private:
    QImage medalPicture() const;
    int contentTop() const;
    QRect panelRect() const;

    EndOfGameView view_;
    TAnimation *animation_ = nullptr;
    QImage medal_;
    bool soundPlayed_ = false;
};

} // namespace quarn
