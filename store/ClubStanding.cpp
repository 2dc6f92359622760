#include "store/ClubStanding.h"

#include <string>

namespace quarn {

PlayerStanding standingOfMember(const MemberRecord &record) {
    PlayerStanding standing;
    standing.name = record.name;
    standing.rating = record.rating;
    standing.hands = record.hands;
    standing.score = record.cycleScore;
    return standing;
}

MemberRecord memberRecordOf(const ClubLine &line, std::string_view encodedPassword) {
    MemberRecord record;
    std::string_view name = line.name;
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    record.name = std::string(name);
    record.rating = line.rating;
    record.hands = line.hands;
    record.cycleScore = line.total;
    record.encodedPassword = std::string(encodedPassword);
    return record;
}

} // namespace quarn
