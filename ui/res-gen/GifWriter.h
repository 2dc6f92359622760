#pragma once
// Animated GIFs for the program's own animations: each frame reduced to its
// own palette of at most 256 colours by libimagequant and written by giflib,
// with pixels under half opacity transparent and the animation looping.

#include <QImage>
#include <QString>

#include <vector>

bool writeAnimatedGif(const QString &path, const std::vector<QImage> &frames, int delayMs);
