#pragma once
// The records of the tournament web service: one participant, one table of
// four seats, one line of the tournament top ten. Texts are UTF-8 with the
// "_" of the wire turned back into blanks. Plain C++.

#include <array>
#include <cstdint>
#include <string>

#include "net/tour/TourProtocol.h"

namespace quarn::tour {

inline constexpr std::string_view kFreeMark = "X";

// One participant; the default is the free-seat record.
struct TWemClient {
    std::string Nick = "X";
    std::int32_t Score = 0;
    std::int32_t Kon = 0; // hands played
    std::int32_t Rating = 0;
    std::string Country = "X";
    std::string City = "X";
    char Sex = 'X';
    std::string IP = "X";

    bool IsFree() const { return Nick == kFreeMark; }
    bool operator==(const TWemClient &) const = default;
};

// One table; seats 1..4 (index 0 unused).
struct TWemTable_4 {
    std::string IP;
    std::int32_t Port = 0;
    std::string Free;
    std::int32_t R1 = 0;
    std::string R2;
    std::array<TWemClient, kRoleCount + 1> Seat{};
};

// Tables 1..10 (index 0 unused).
using TableList = std::array<TWemTable_4, kTableCount + 1>;

// One line of the tournament top ten (the fields the lobby reads).
struct TourTopLine {
    std::int32_t Place = 0;
    std::string Nick = "#";
    std::string City;
    std::string Country;
    std::string R07; // the sex sign
    std::int32_t Score = 0;
    bool IsEmpty() const { return Nick == "#"; }
};
using TourTopTen = std::array<TourTopLine, 10>;

// The criterion of the top ten and the own place.
enum class TopCriterion : char { Score = 's', Rating = 'r', Games = 'k' };

} // namespace quarn::tour
