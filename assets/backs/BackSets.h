#pragma once
// The card backs of the library sets 1 to 12 ("Medieval-1" .. "Russian"):
// every back of a set upright and turned, as 69 x 94 bitmaps and as the
// large 146 x 198 pictures, named as the program's back loader asks.

#include <QImage>
#include <QSize>

class Output;

namespace backsets {

inline constexpr int firstSet = 1;
inline constexpr int lastSet = 12;
inline constexpr QSize smallSize{69, 94};
inline constexpr QSize largeSize{146, 198};

// One back (1..10) of a set at a size; rounded with a border at the large
// size, square at the small one, which the table frames itself.
QImage back(int set, int back, QSize size);

// Writes every back of sets 1 to 12 into the part.
void drawAll(Output &out);

} // namespace backsets
