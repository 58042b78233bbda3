#pragma once

#include "app/LineList.h"

#include <string>
#include <string_view>
#include <vector>

namespace stellaform {

// The list shows each drawings line split at its first space: a space, the
// date, " - [", the rest of the line unchanged, "]".
[[nodiscard]] std::string drawingsListItem(std::string_view line);
[[nodiscard]] std::vector<std::string> drawingsListItems(const Lines& lines);

// "Total Drawings: <count>."
[[nodiscard]] std::string totalDrawingsText(std::size_t count);

} // namespace stellaform
