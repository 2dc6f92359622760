#pragma once
// The windows' animations are written by the program's one GIF writer.

#include "table/GifWriter.h"

using quarn::writeAnimatedGif;
