#pragma once
// The espeak-ng voice of each language and the resource names of the spoken
// card names in the voice library.

#include <QString>

struct VoiceLanguage {
    const char *code;  // resource suffix: "Eng", "Rus", ...
    const char *voice; // espeak-ng voice name
};

inline constexpr int kVoiceLanguages = 10;
// In the order of the program's language index.
extern const VoiceLanguage voiceLanguages[kVoiceLanguages];

// The resource name: suit + rank + "Voice" + language code ("Pi5AVoiceDeu").
QString voiceResourceName(int language, int suit, int rank);
