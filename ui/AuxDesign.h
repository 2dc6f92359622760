#pragma once
// The designs every auxiliary window lays itself out by. Only "Gray
// aristocratic" works with the program's own pictures alone; the other three
// need pictures of the graphics library WemCGraph1.dll, and a window that
// finds its library picture missing falls back to "Gray aristocratic" for
// itself and every later window (the settings keep the change).

#include "store/Settings.h"

namespace quarn {

enum class AuxDesign { GrayConcise = 1, GrayAristocratic = 2, GrayRedRibbons = 3, Purple = 4 };

// The design the settings choose: "Purple" when its flag is set, otherwise
// the gray design 1 to 3 (anything else reads as "Gray aristocratic").
AuxDesign auxDesign(const Settings &settings);

// Clears the "Purple" flag and makes the gray design 2.
void fallBackToAristocratic(Settings &settings);

inline bool isGray(AuxDesign design) {
    return design != AuxDesign::Purple;
}

} // namespace quarn
