#pragma once
// The pictures of the windows that the program carries itself (button
// slices, ribbons, scroll, medal, places, animations), under
// ":/res/<kind>/<name>" beside the table's own pictures.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quarn {

// Registers the windows' pictures (safe to call more than once).
void initUiPictures();

// A built-in PNG picture; null when absent.
QImage uiPicture(const QString &name);
// A built-in animation's GIF bytes; empty when absent.
QByteArray uiAnimation(const QString &name);

} // namespace quarn
