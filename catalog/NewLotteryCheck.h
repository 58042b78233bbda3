#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace stellaform {

// The new lottery dialog's checks of what was typed, in the order it makes
// them: the message that refuses the texts, or nothing when they can be
// stored. Only a text of length zero is empty: blanks pass. A "|" would end
// its field early and a line break (which a paste can bring in) would split
// the catalog line; a path separator in the lottery name would put its
// drawings file outside the drawings folder.
[[nodiscard]] std::optional<std::string> newLotteryRefusal(std::string_view country, std::string_view lotteryName);

} // namespace stellaform
