#pragma once
// The game information window: where the player stands in the match (hands,
// scores and ratings at the start and now), from the record TCount that the
// "General score" command fills just before opening it.

#include "ui/GameCount.h"
#include "ui/TWemAuxForm.h"

#include <array>

class QLabel;
class QTimer;

namespace quarn {

class TAnimation;

class TFormCount : public TWemAuxForm {
    Q_OBJECT
  public:
    // What the window shows besides the record.
    struct Situation {
        QString playerName; // as stored: 20 characters, blank-padded
        int accountState = kAccountLoggedOut;
        bool tournament = false; // a tournament match is running
    };

    TFormCount(const AuxContext &context, const TCount &count, const Situation &situation,
               QWidget *parent = nullptr);

    // The seven captions and values, from "General number of game:" to "The current rating:".
    const std::array<QLabel *, 7> &captions() const { return captions_; }
    const std::array<QLabel *, 7> &values() const { return values_; }
    QLabel *headingLabel() const { return heading_; }
    TAnimation *genCount() const { return genCount_; }
    TAnimation *leftClub() const { return leftClub_; }
    TAnimation *rightClub() const { return rightClub_; }
    QTimer *iconTimer() const { return iconTimer_; }
    // The names of the club animations for the situation ("" for none).
    static std::pair<QString, QString> clubAnimations(const Situation &situation, bool networkMode,
                                                      bool purple);

    // The frame counter of the "Purple" icon (1..60, 0 before the first tick);
    // it lives for the run of the program.
    static int iconFrame();
    void iconTick();

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    struct Layout;
    static const Layout &layoutOf(AuxDesign design);
    void buildGrayParts(const Layout &layout);
    void buildTexts(const Layout &layout, const TCount &count);
    void buildAnimations(const Layout &layout);
    void placeAccount(const Layout &layout);
    void pressOk();

    Situation situation_;
    QImage scroll_;
    QImage background_;
    QImage iconStrip_;
    QLabel *heading_ = nullptr;
    std::array<QLabel *, 7> captions_{};
    std::array<QLabel *, 7> values_{};
    TAnimation *genCount_ = nullptr;
    TAnimation *leftClub_ = nullptr;
    TAnimation *rightClub_ = nullptr;
    QTimer *iconTimer_ = nullptr;
    int scrollTop_ = 0;
    int barTop_ = 0;
    bool conciseWithoutHeading_ = false;
};

} // namespace quarn
