#pragma once
// Turns espeak-ng's output (a 16-bit mono WAVE whose length fields are left
// open when it writes to a pipe) into a small, complete WAVE: silence at both
// ends trimmed, resampled to 16 kHz.

#include <QByteArray>

inline constexpr int kVoiceRate = 16000;

// Empty when the input is not a 16-bit mono PCM WAVE or holds only silence.
QByteArray speechWave(const QByteArray &espeakOutput);
