#pragma once
// Lines of the stores' single-byte text files, which end in CR LF.
#include <string>
#include <string_view>
#include <vector>

namespace quarn {

// Splits file bytes into lines. A line ends at LF; a CR right before the LF
// belongs to the line end. Text after the last LF is a last line when it is
// not empty. The views point into `bytes`.
std::vector<std::string_view> splitLines(std::string_view bytes);

// Joins lines, each followed by CR LF.
std::string joinCrlfLines(const std::vector<std::string> &lines);

} // namespace quarn
