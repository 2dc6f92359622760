#pragma once
// The settings file's header declares list sizes under the same names as the
// picture loader's header (faceSetCount, backSetCount, equal values); the
// window needs both, so the settings' copies are renamed while it is read.
#define faceSetCount settingsFaceSetCount
#define backSetCount settingsBackSetCount
#include "store/Settings.h"
#undef faceSetCount
#undef backSetCount
