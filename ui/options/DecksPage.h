#pragma once
// The options tab "Decks": the back list, the group "Modification" ("To
// change decks", "Always one", "Random") and the backs library's download
// button.

#include "ui/OptionsChoices.h"
#include "ui/options/OptionsPage.h"

class QGroupBox;
class QListWidget;
class QRadioButton;

namespace quarn {

class DecksPage : public OptionsPage {
    Q_OBJECT
  public:
    explicit DecksPage(const OptionsPageTools &tools);

    void load() override;
    void relabel() override;

  signals:
    void backSetChanged();

  private:
    void chooseBackSet(int row);
    void chooseBackMode(BackMode mode);

    QListWidget *backs_ = nullptr;
    QGroupBox *modification_ = nullptr;
    QRadioButton *changeDecks_ = nullptr;
    QRadioButton *alwaysOne_ = nullptr;
    QRadioButton *random_ = nullptr;
};

} // namespace quarn
