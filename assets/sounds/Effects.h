#pragma once
// The program's sound effects (card, coins, jingles, clicks, the move
// clock's ticks) and its background melody, made at build time.

#include "Synth.h"

#include <QByteArray>
#include <QString>

#include <vector>

struct Effect {
    QString name;               // resource name, e.g. "WHodsDo"
    std::vector<float> samples; // mono, synth::kRate
};

std::vector<Effect> makeEffects();

// The background melody as a standard MIDI file (format 0, one track).
QByteArray makeMelody();
