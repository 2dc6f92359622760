#include "web/AccountRating.h"

namespace web {

double AccountRating(double scoreSum, int hands) {
    if (hands <= 0)
        return 0.0;
    const double k = hands;
    return scoreSum / k + k / kExperienceDivisor;
}

double R1(double x, int a, int b, int c, int d) {
    if (a <= 0 || d == 0)
        return x;
    const double before = double(a) - b;
    return ((x - before / d) * before - c) / a + double(a) / d;
}

double R2(double x, int a, int b, int c, int d) {
    if (a <= 0 || d == 0)
        return x;
    return ((x - double(a) / d) * a + c + b) / a + double(a) / d;
}

double PreChargedRating(double rating, int hands) {
    return R1(rating, hands + kAccountBlock, kAccountBlock);
}

double RecordedRating(double storedRating, int hands, int matchScore) {
    return R2(storedRating, hands, matchScore);
}

} // namespace web
