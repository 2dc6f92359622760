#pragma once
// The built-in world and statistics service addresses, scrambled as the
// settings file keeps them in lines 26 and 31. The settings start with them;
// the web layer's built-in addresses are the same values.

#include <string_view>

namespace quarn {

inline constexpr std::string_view kBuiltinWorldServicePath =
    "Wh0e8ADhdCxEudaOgweeSt5/iRoqHgkg3o/20m4iPA"; // key: config
inline constexpr std::string_view kBuiltinStatisticsServicePath =
    "Wh0e8ADhdCxEudaOgweeSt5/iRoqHwkUbykcxpbz"; // key: config

} // namespace quarn
