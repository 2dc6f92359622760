#pragma once
// A pointing hand (a glove with the index finger up) in a 64 x 64 box,
// shared by the tab's turn picture and the hand pointer.

#include <QColor>
#include <QPainterPath>

class QPainter;

QPainterPath pointingHand(); // 64 x 64 box, finger tip near (31, 3)
void drawPointingHand(QPainter &painter, const QColor &fill, const QColor &shade,
                      const QColor &outline, qreal outlineWidth);
