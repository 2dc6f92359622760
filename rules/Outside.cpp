#include "rules/Outside.h"

namespace quarn {
namespace {
TableView silentView;
SoundPlayer silentSound;
Announcer silentAnnouncer;
MatchRecorder silentRecorder;
} // namespace

TableView &Outside::View() const {
    return view ? *view : silentView;
}
SoundPlayer &Outside::Sound() const {
    return sound ? *sound : silentSound;
}
Announcer &Outside::Announce() const {
    return announcer ? *announcer : silentAnnouncer;
}
MatchRecorder &Outside::Recorder() const {
    return recorder ? *recorder : silentRecorder;
}

} // namespace quarn
