#pragma once
// The heading band at the top of an auxiliary window in the gray designs: a
// plain band with the library's heading picture ("Gray concise"), a ribbon
// with the window's title in yellow capitals ("Gray aristocratic"), or a red
// ribbon under the library's heading picture ("Gray with red ribbons").

#include "ui/UiText.h"

#include <QImage>
#include <QWidget>

namespace quarn {

class THeadingBand : public QWidget {
    Q_OBJECT
  public:
    explicit THeadingBand(QWidget *parent = nullptr);

    // Filled with the window's button-face colour first.
    void setFilled(bool filled);
    void setRibbon(const QImage &ribbon, QPoint at);
    void setHeading(const QImage &heading, QPoint at);
    // The title, centred across the band with a shadow.
    void setTitle(const QString &title, const QFont &font, const QColor &colour, int top);

    QString title() const { return title_; }
    bool hasHeading() const { return !heading_.isNull(); }
    bool hasRibbon() const { return !ribbon_.isNull(); }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    bool filled_ = false;
    QImage ribbon_;
    QPoint ribbonAt_;
    QImage heading_;
    QPoint headingAt_;
    QString title_;
    QFont titleFont_;
    QColor titleColour_ = Qt::yellow;
    int titleTop_ = 0;
};

} // namespace quarn
