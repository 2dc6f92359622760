#pragma once
// Between a club member record and the rules' view of a player: the standing
// a member's match starts from, and the club line a match leaves behind.

#include <string_view>

#include "rules/Match.h"
#include "rules/MatchRecorder.h"
#include "store/ClubFile.h"

namespace quarn {

// The standing LoadStanding takes for a club member (kinds 1..5).
PlayerStanding standingOfMember(const MemberRecord &record);

// The record stored at the end of a match: the line EndMatch composed (name,
// new rating, HandNumber, PlayerTotal) and the player's encoded password,
// the one field the line keeps from the record the match began with.
MemberRecord memberRecordOf(const ClubLine &line, std::string_view encodedPassword);

} // namespace quarn
