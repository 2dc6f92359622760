#pragma once
// How a player of each language says the name of a card, and the espeak-ng
// voice that says it.

#include <QString>

struct VoiceLanguage {
    const char *code;  // resource suffix: "Eng", "Rus", ...
    const char *voice; // espeak-ng voice name
};

inline constexpr int kVoiceLanguages = 10;
// In the order of the program's language index.
extern const VoiceLanguage voiceLanguages[kVoiceLanguages];

// The spoken name of the card of suit 1..4 (hearts, diamonds, clubs, spades)
// and rank 1..9 (six .. ace) in language 0..9.
QString spokenCardName(int language, int suit, int rank);

// The resource name: suit + rank + "Voice" + language code ("Pi5AVoiceDeu").
QString voiceResourceName(int language, int suit, int rank);
