#include "ui/AuxDesign.h"

namespace quarn {

AuxDesign auxDesign(const Settings &settings) {
    if (settings.purpleWindows)
        return AuxDesign::Purple;
    switch (settings.windowDesign) {
    case 1:
        return AuxDesign::GrayConcise;
    case 3:
        return AuxDesign::GrayRedRibbons;
    default:
        return AuxDesign::GrayAristocratic;
    }
}

void fallBackToAristocratic(Settings &settings) {
    settings.purpleWindows = false;
    settings.windowDesign = 2;
}

} // namespace quarn
