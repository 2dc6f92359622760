#pragma once
// The submission window ("World Top Ten", 460 x 360), shown after a completed
// local game: the passport (nick, sex, country and city) and the score, sent
// once per opening to the list of local games. "Send" is enabled on opening
// when both passport texts pass the passport check; after the passport window
// was used only when the nick passes without Cyrillic letters, the city
// passes and nothing was sent yet. A failed send leaves "Send" enabled.
#include "ui/TWemAuxForm.h"
#include "web/WebServices.h"
#include "web/WorldLists.h"
#include "web/view/WorldWindowHooks.h"

class QLabel;

namespace quarn {

class TFormServerWrite : public TWemAuxForm {
    Q_OBJECT
  public:
    TFormServerWrite(const AuxContext &context, web::WebServices &web, int score,
                     QWidget *parent = nullptr, WorldWindowHooks hooks = {});

    TWemCardsButton *sendButton() const { return send_; }
    TWemCardsButton *passportButton() const { return passport_; }
    TWemCardsButton *closeButton() const { return close_; }
    int score() const { return score_; }
    // The place the entry took; 0 until sent.
    int place() const { return place_; }

    void Send();
    void OpenPassport();

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    int top() const;
    // The window's facts as text for screen readers (the window draws them).
    void describe();

    web::WebServices &web_;
    WorldWindowHooks hooks_;
    int score_ = 0;
    // One id for every "Send" of this opening: a result whose acknowledgement
    // was lost is not stored twice.
    const std::string resultId_ = web::NewResultId();
    int place_ = 0;
    bool sent_ = false;
    TWemCardsButton *send_ = nullptr;
    TWemCardsButton *passport_ = nullptr;
    TWemCardsButton *close_ = nullptr;
};

} // namespace quarn
