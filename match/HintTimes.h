#pragma once
// The hints of the main window: they appear 250 ms after the pointer rests
// and stay 5 s.

class QApplication;
class QWidget;

namespace quarn {

inline constexpr int HintWakeUpMs = 250;
inline constexpr int HintShowMs = 5000;

// The application's style, wrapped so that hints wake up after HintWakeUpMs.
void installHintTimes(QApplication &app);
// Every control under the window keeps its hint HintShowMs.
void setHintDurations(QWidget &window);

} // namespace quarn
