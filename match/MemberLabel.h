#pragma once
// The labels of the five member buttons of the menu, made from the member
// lines of the club file: name, hands and score (score mode) or name, hands
// and rating (rating mode), cut to fit the button when the menu font is wide.

#include <QString>
#include <functional>

namespace quarn {

enum class ClubMode { Score = 1, Rating = 2 };

// The label of one member line (59 characters; an empty slot is all '#').
QString memberLabel(const QString &line, ClubMode mode);

// Cuts the name part (the first 20 characters) from its end until the label
// is at most maxWidth wide; when anything but blanks or '#' was cut, the last
// three characters left of the name become "...".
QString fitMemberLabel(const QString &label, int maxWidth,
                       const std::function<int(const QString &)> &widthOf);

// The widest label a member button shows, in pixels of the menu font.
inline constexpr int MemberLabelMaxWidth = 360;

} // namespace quarn
