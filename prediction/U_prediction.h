#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace stellaform {

// One slot of a frequency table: how often `number` was counted. The
// prediction also keeps rank positions in `number`.
struct FrequencySlot {
    std::int32_t count = 0;
    std::int32_t number = 0;
    friend bool operator==(const FrequencySlot&, const FrequencySlot&) = default;
};

// The numbers 1 to 80 have slots; others are never counted.
inline constexpr std::size_t kFrequencySlots = 80;
using FrequencyTable = std::array<FrequencySlot, kFrequencySlots>;

// The numbers of a drawings line: everything after its first space.
[[nodiscard]] std::string StripDrawingDate(std::string_view line);

// The first `count` numbers of a numbers text, which are separated by exactly
// one space. A missing number, a second space in a row or a token that is not
// an integer raises "'<token>' is not a valid integer value".
[[nodiscard]] std::vector<std::int32_t> ReadDrawnNumbers(std::string_view text, std::int32_t count);

// Ranks the numbers of the last `lineCount` numbers texts (the last text
// first), reading `selectCount` numbers of each: position 0 holds the number
// drawn most often, ties stand in ascending order, numbers never drawn last.
// Raises "List index out of bounds (<index>)" when there are fewer texts.
void CountNumberFrequencies(std::int32_t lineCount, const std::vector<std::string>& numbersTexts, FrequencyTable& table,
                            std::int32_t selectCount);

// A stable sort of the slots, highest count first.
void SortSlotsByCount(std::span<FrequencySlot> slots);

} // namespace stellaform
