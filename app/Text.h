#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace stellaform {

// Removes every character with a code of 32 or less (blanks and control
// characters) from both ends.
[[nodiscard]] std::string trim(std::string_view text);
// The same at the start only.
[[nodiscard]] std::string_view trimLeft(std::string_view text);

// Equal when only the letter case of A to Z differs, as names in a settings
// file are compared.
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b);

// Decimal digits with an optional sign, within 32 bits; nothing else.
[[nodiscard]] std::optional<std::int32_t> parseDecimal(std::string_view text);

// As parseDecimal, raising "'text' is not a valid integer value" on failure.
[[nodiscard]] std::int32_t strToInt(const std::string& text);

} // namespace stellaform
