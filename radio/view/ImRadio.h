#pragma once
// The radio indicator of the main window (220 x 125): the window's
// background under it, the shelf, the radio and over it the picture of the
// radio's state. A left click switches the radio on or off, a right click
// opens the radio window; Space and Enter switch, the menu key opens.

#include "radio/view/RadioController.h"

#include <QImage>
#include <QRect>
#include <QWidget>

#include <optional>

namespace quarn {

inline constexpr QSize kRadioIndicatorSize{220, 125};

// Where the indicator goes: shown only at a scale factor of 1.6 or more,
// left at the middle between the animation's right edge and Button6's left
// edge minus 110, top at the middle of the client height and Button5's
// bottom minus 62.5, both rounded halves to even. Nothing below 1.6.
std::optional<QPoint> radioIndicatorPlace(double scale, const QRect &animation,
                                          const QRect &button5, const QRect &button6,
                                          int clientHeight);

class ImRadio : public QWidget {
    Q_OBJECT
  public:
    ImRadio(RadioController &radio, QWidget *parent = nullptr);

    // The piece of the window's background the indicator covers.
    void setBackground(const QImage &background);
    // The name of the state picture drawn now (for tests).
    QString statePicture() const;

  protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

  private:
    void refresh();

    RadioController &radio_;
    QImage background_;
};

} // namespace quarn
