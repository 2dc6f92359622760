#pragma once
// The pictures of the windows that the program carries itself (button
// slices, ribbons, scroll, medal, places, animations), under
// ":/res/<kind>/<name>" beside the table's own pictures.

#include <QByteArray>
#include <QCursor>
#include <QImage>
#include <QString>

namespace quarn {

// Registers the windows' pictures (safe to call more than once).
void initUiPictures();

// A built-in PNG picture; null when absent.
QImage uiPicture(const QString &name);
// A built-in animation's GIF bytes; empty when absent.
QByteArray uiAnimation(const QString &name);

// The program's own pointer (the arrow, or the hand over buttons) when the
// red pointers are on, otherwise the system's.
QCursor windowPointer(bool redPointers, bool hand);

} // namespace quarn
