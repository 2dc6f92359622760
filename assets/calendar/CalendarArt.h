#pragma once
// Drawing helpers of the calendar pictures and the drawers of each group.

#include "Output.h"

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QSize>

#include <functional>

class QPainter;

namespace calendar_art {

// A picture of the given size, drawn in its own coordinates at four times
// the resolution and reduced smoothly.
QImage drawn(QSize size, const std::function<void(QPainter &)> &body);

// The rounded panel behind an animal or a holiday picture: a vertical
// gradient with a thin darker rim, filling the picture.
void panel(QPainter &painter, QSize size, QColor top, QColor bottom);

// A star of n points around a centre.
QPainterPath star(QPointF centre, double outer, double inner, int points,
                  double rotationDegrees = -90);

// Fills a shape and outlines it.
void fillOutlined(QPainter &painter, const QPainterPath &shape, const QBrush &fill, QColor outline,
                  double width);

// The picture groups; each adds its pictures to out.
void addPage(Output &out);
void addZodiac(Output &out);
void addAnimals(Output &out);
void addHolidayPictures(Output &out);

} // namespace calendar_art
