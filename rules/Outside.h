#pragma once
// The outside world of the rule operations, bundled. Any pointer may be null:
// that part of the world is then silent (self-play, tests of pure rules).

#include "rules/Announcer.h"
#include "rules/MatchRecorder.h"
#include "rules/SoundPlayer.h"
#include "rules/TableView.h"

namespace quarn {

struct Outside {
    TableView *view = nullptr;
    SoundPlayer *sound = nullptr;
    Announcer *announcer = nullptr;
    MatchRecorder *recorder = nullptr;

    // The parts, with a silent stand-in for a null pointer.
    TableView &View() const;
    SoundPlayer &Sound() const;
    Announcer &Announce() const;
    MatchRecorder &Recorder() const;
};

} // namespace quarn
