#pragma once
// The settings file's header declares list sizes under the same names as the
// picture loader's and the word table's headers (faceSetCount, backSetCount,
// backgroundColourCount, equal values); the window needs all three, so the
// settings' copies are renamed while it is read.
#define faceSetCount settingsFaceSetCount
#define backSetCount settingsBackSetCount
#define backgroundColourCount settingsBackgroundColourCount
#include "store/Settings.h"
#undef faceSetCount
#undef backSetCount
#undef backgroundColourCount
