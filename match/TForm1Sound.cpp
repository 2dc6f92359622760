// The main window's sound: effects, spoken card names and the melody.
#include "match/TForm1.h"

namespace quarn {

void TForm1::applyMusicSetting() {}

} // namespace quarn
