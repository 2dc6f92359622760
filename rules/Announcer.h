#pragma once
// Announcements of the rule operations to the other participants: the
// network clients (on the host) or the game server (in a tournament). The
// network code implements it; the rules call it only in a network game or a
// tournament, and only for moves made here (announce flag set).

#include <array>
#include <cstdint>

#include "rules/Card.h"

namespace quarn {

class Announcer {
  public:
    virtual ~Announcer() = default;
    // The start command. Called on a network host and in a tournament; the
    // tournament implementation sends it only for tournament role 1.
    virtual void AnnounceStart() {}
    // A card played from the given slot (as it was before the play).
    virtual void AnnounceMove(int /*seat*/, int /*slot*/, TStr2 /*card*/) {}
    virtual void AnnouncePass(int /*seat*/) {}
    // A start, play or pass made here has been applied in full: the turn has
    // moved on (or the hand has ended), so the seat now to move is known.
    // Announcements arrive while the operation still runs (its sound may
    // wait in a nested event loop); this comes once it has returned.
    virtual void OwnMoveApplied() {}
    // The settlement, with the four scores after it (index 1..4). Called on a
    // network host and in a tournament (role 1 only sends).
    virtual void AnnounceSettle(const std::array<std::int32_t, 5> & /*scores*/) {}
    // Leaving a network match: the host stops listening, a client disconnects.
    virtual void CloseConnection() {}
};

} // namespace quarn
