#pragma once
// A picture control of the main window (hand areas, score tabs, name plates,
// the table of rows, the counter). The table itself is painted by the window
// from its canvas; the control marks the place, can be shown or hidden, and
// reports the mouse with positions inside its area.

#include <QWidget>

namespace quarn {

class TImage : public QWidget {
    Q_OBJECT
  public:
    explicit TImage(const QString &name, QWidget *parent);

  signals:
    void mouseUp(Qt::MouseButton button, QPoint position);
    void mouseMoved(QPoint position);
    void mouseLeft();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
};

} // namespace quarn
