#pragma once
// The small round pictures of the menu that open the online windows
// (account, tournament, statistics, news, chat, radio, home page), drawn as
// light glyphs on brass coins.

#include <QPixmap>

namespace quarn {

enum class MenuIcon { Account, Tournament, Statistics, News, Chat, Radio, HomePage };
inline constexpr int menuIconCount = 7;

QPixmap menuIcon(MenuIcon icon, int size);

} // namespace quarn
