#include "ui/AuxDesign.h"

namespace quarn {

AuxDesign auxDesign(const Settings &settings) {
    if (settings.purpleWindows)
        return AuxDesign::Purple;
    switch (settings.windowDesign) {
    case WindowDesign::GrayConcise:
        return AuxDesign::GrayConcise;
    case WindowDesign::GrayWithRedRibbons:
        return AuxDesign::GrayRedRibbons;
    default:
        return AuxDesign::GrayAristocratic;
    }
}

void fallBackToAristocratic(Settings &settings) {
    settings.purpleWindows = false;
    settings.windowDesign = WindowDesign::GrayAristocratic;
}

} // namespace quarn
