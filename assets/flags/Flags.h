#pragma once
// The flag of every country of the country table (14 x 12) and the sex
// pictures "FaceMan16" and "FaceWoman16" (16 x 16).

#include <QImage>
#include <QSize>
#include <QString>

namespace flags {

inline constexpr QSize flagSize{14, 12};
inline constexpr QSize faceSize{16, 16};

// The ISO 3166 code of a country of the table ("ru"), or empty for the
// "Unknown" entries.
QString isoCode(int continent, int index);

// A 16 x 11 flag picture of the package fitted to 14 x 12: its inside
// reduced to 12 x 10 inside a one-pixel rim.
QImage fitted(const QImage &source);

// The flag of a country: the package's picture when the source folder has
// it, otherwise a drawn one. usedFallback tells which.
QImage flag(int continent, int index, const QString &sourceFolder, bool *usedFallback = nullptr);

QImage faceMan();
QImage faceWoman();

} // namespace flags
