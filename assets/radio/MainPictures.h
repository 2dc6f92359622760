#pragma once
// The program's own pictures of the radio indicator and the music player's
// buttons (compiled into the program, not into the radio library): the
// shelf "GPolkaNw", the radio "GRadioA" with its state pictures "GRadioB"
// (cannot be used), "GRadioR" (off) and "GRadioG" (playing), drawn over it at
// the same place, and the 61 x 61 buttons "MP_Play", "MP_Pause", "MP_Next"
// and "MP_Volume".

#include <QImage>
#include <QSize>

namespace radioart {

inline constexpr QSize shelfSize{220, 54};
inline constexpr QSize indicatorRadioSize{146, 72};
inline constexpr QSize musicButtonSize{61, 61};

enum class RadioLamp { Broken, Off, Playing };
enum class MusicButton { Play, Pause, Next, Volume };

QImage shelf();
QImage indicatorRadio();
QImage indicatorState(RadioLamp lamp);
QImage musicButton(MusicButton kind);

} // namespace radioart
