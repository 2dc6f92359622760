#pragma once
// The pictures of the account windows: the state lamps and stars, the photo
// frame and the default photos, the fourteen profile icons and the two
// platform badges at the foot of "My account". Taken from the program's own
// pictures when present, otherwise drawn here at their sizes.
#include "web/Account.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace quarn {

inline constexpr int kPhotoWidth = 200;
inline constexpr int kPhotoHeight = 250;
inline constexpr int kProfileIconSide = 27;

// "LampR24", "LampY24" or "LampG24" for the state.
QString lampName(web::AccountState state);
// "StarR0", "StarY0" or "StarG0".
QString starName(web::AccountState state);

// Any of the names above, "GAcFrame", "GAcNoM", "GAcNoF", the "GAc..." icons,
// "Windows", "Android", "WemCoin"; null for an unknown name.
QImage accountPicture(const QString &name);

// The icon names in the profile's record order (Name1 ... YouTube).
const QStringList &profileIconNames();

// A photo slot's picture, or the default picture of the sex when the slot is
// absent or does not decode.
QImage photoOrDefault(const web::PhotoSlot &slot, char sex);

} // namespace quarn
