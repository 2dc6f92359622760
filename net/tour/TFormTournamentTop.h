#pragma once
// The tournament top ten ("Tournament Top Ten"): the ten best participants
// by score, rating or hands played, each line with its place, flag, sex
// sign, nick, city and value, and the player's own place under them: a
// medal with "GPlace01".."GPlace10" for a place in the ten, "Your place:"
// and the number otherwise. The criterion is remembered while the program
// runs.

#include <QString>
#include <optional>

#include "net/tour/TourLobbyServices.h"
#include "net/tour/TourRecords.h"
#include "ui/TWemAuxForm.h"

class QRadioButton;

namespace quarn::tour {

class TFormTournamentTop : public TWemAuxForm {
    Q_OBJECT
  public:
    TFormTournamentTop(const AuxContext &context, const TWemClient &own, TourLobbyServices services,
                       QWidget *parent = nullptr);

    // Reads the list and the own place by the criterion (on opening and on
    // every change of the choice).
    void Load(TopCriterion criterion);
    static TopCriterion RememberedCriterion();

    bool ListRead() const { return lines_.has_value(); }
    const std::optional<TourTopTen> &Lines() const { return lines_; }
    std::optional<int> OwnPlace() const { return ownPlace_; }
    // "GPlace01".."GPlace10" while the own place is in the ten, else empty.
    QString PlacePictureName() const;
    // The text of line 1..10 as drawn (without the pictures); empty for a line
    // without a nick.
    QString LineText(int line) const;
    QRadioButton *Choice(TopCriterion criterion) const;

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    std::int32_t ownValue(TopCriterion criterion) const;

    TWemClient own_;
    TourLobbyServices services_;
    TopCriterion criterion_ = TopCriterion::Score;
    std::optional<TourTopTen> lines_;
    std::optional<int> ownPlace_;
    QRadioButton *score_ = nullptr;
    QRadioButton *rating_ = nullptr;
    QRadioButton *games_ = nullptr;
    int top_ = 0;
};

} // namespace quarn::tour
