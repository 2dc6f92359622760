#pragma once
// The salute: the 30-frame strip "GTouch" of the graphics library (frames of
// 100 x 100 side by side) played centred on the mouse pointer, 12 ms a
// frame, over everything on the screen. Nothing happens when the library or
// the strip is missing.

#include <QPoint>
#include <QString>

namespace quarn {

// Starts the salute at a point of the screen; returns at once (the salute
// goes on after the window that asked for it has closed). False when there
// is nothing to play.
bool playSalute(const QString &programFolder, QPoint globalCentre);

} // namespace quarn
