#pragma once

#include <string>
#include <string_view>

namespace stellaform {

// The list shows each drawings line split at its first space: a space, the
// date, " - [", the rest of the line unchanged, "]".
[[nodiscard]] std::string drawingsListItem(std::string_view line);

// "Total Drawings: <count>."
[[nodiscard]] std::string totalDrawingsText(std::size_t count);

} // namespace stellaform
