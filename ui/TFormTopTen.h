#pragma once
// The club's top ten ("Top Ten", 460 x 700): the ten best cycle results of
// the club file in use, rows 1 to 3 in red and 4 to 10 in navy, with the
// top-ten and club animations.

#include "ui/TWemAuxForm.h"

#include <array>

namespace quarn {

class TAnimation;

// The look of a top-ten window in every design, with the title the
// aristocratic design writes on its ribbon.
AuxLook topTenLook(const QString &aristocraticTitle);

class TFormTopTen : public TWemAuxForm {
    Q_OBJECT
  public:
    struct Row {
        QString name;  // characters 1 to 20, trailing blanks removed
        QString score; // the score as the file holds it
    };

    // networkClub: "Quarn.net" instead of "Quarn.clb".
    TFormTopTen(const AuxContext &context, bool networkClub, QWidget *parent = nullptr);

    const std::array<Row, 10> &rows() const { return rows_; }
    QString heading() const;
    TAnimation *topTenAnimation() const { return topTen_; }
    TAnimation *clubAnimation() const { return club_; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    void readRows();
    int contentShift() const;

    bool networkClub_ = false;
    std::array<Row, 10> rows_{};
    TAnimation *topTen_ = nullptr;
    TAnimation *club_ = nullptr;
};

} // namespace quarn
