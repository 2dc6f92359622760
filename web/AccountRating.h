#pragma once
// The account rating: over K hands of account matches with the score sum S
// it is S / K + K / 30, the average points per hand plus one thirtieth of the
// hands played. The service never stores S; the rating is carried from match
// to match by two formulas, without rounding or clamping:
//
//   R1 = ((x - (a - b) / d) * (a - b) - c) / a + a / d
//   R2 = ((x - a / d) * a + c + b) / a + a / d
//
// R1, at the start of a match (a = K + 3, b = 3), is the rating as if the
// match had scored -c; R2, at its end (a = K with the match, b = its score),
// takes the -c out again and adds the real score.
namespace web {

constexpr int kAccountBlock = 3;       // hands of one account match
constexpr int kAccountGameLength = 30; // hands of one game
constexpr int kPreCharge = 50;         // points charged provisionally at a match's start
constexpr int kExperienceDivisor = 30; // divisor of the experience term

// S / K + K / 30; 0 without hands.
double AccountRating(double scoreSum, int hands);

// The two formulas as written above. Both give x back unchanged when a is 0
// or less: there is no average over no hands, and a rating that is not a
// number must never reach the service.
double R1(double x, int a, int b, int c = kPreCharge, int d = kExperienceDivisor);
double R2(double x, int a, int b, int c = kPreCharge, int d = kExperienceDivisor);

// The rating stored at the start of a match, for an account whose record
// holds `hands` hands before it (R1 with a = hands + 3, b = 3).
double PreChargedRating(double rating, int hands);

// The rating recorded at the end of a match, from the stored (pre-charged)
// rating and the record's hands including the match (R2).
double RecordedRating(double storedRating, int hands, int matchScore);

} // namespace web
