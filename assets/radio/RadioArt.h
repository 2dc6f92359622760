#pragma once
// The pictures of the radio library: the play picture in its two states,
// the volume picture for 0 to 10 steps, the logo frame and the station logos.
// Sizes as the radio window places them: the logo lies at (15, 15) inside
// its frame.

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

namespace radioart {

inline constexpr QSize playSize{96, 64};    // "RRADIO_MAING", "RRADIO_MAINR"
inline constexpr QSize volumeSize{120, 20}; // "RRADIO_VOLUME00" .. "RRADIO_VOLUME10"
inline constexpr QSize frameSize{150, 90};  // "RRADIO_RAMKA"
inline constexpr QSize logoSize{120, 60};   // "RRADIO_LOGO_..."
inline constexpr int volumeSteps = 10;

// "RRADIO_VOLUME00" .. "RRADIO_VOLUME10".
QString volumeName(int steps);
// Every station logo the library holds: the default station's, the one
// a station without its own logo shows, and one per station of the
// program's station list.
QStringList logoNames();

QImage playPicture(bool playing);
QImage volumePicture(int steps);
QImage frame();
QImage logo(const QString &name);

} // namespace radioart
