#include "prediction/U_prediction.h"

#include "app/Error.h"
#include "app/Text.h"

#include <algorithm>

namespace stellaform {

std::string StripDrawingDate(std::string_view line)
{
    const std::size_t space = line.find(' ');
    return std::string(space == std::string_view::npos ? line : line.substr(space + 1));
}

std::vector<std::int32_t> ReadDrawnNumbers(std::string_view text, std::int32_t count)
{
    std::vector<std::int32_t> numbers;
    std::string rest = trim(text) + " ";
    std::size_t at = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::size_t space = std::min(rest.find(' ', at), rest.size());
        numbers.push_back(strToInt(rest.substr(at, space - at)));
        at = std::min(space + 1, rest.size());
    }
    return numbers;
}

void CountNumberFrequencies(std::int32_t lineCount, const std::vector<std::string>& numbersTexts, FrequencyTable& table,
                            std::int32_t selectCount)
{
    for (std::size_t k = 0; k < table.size(); ++k)
        table[k] = {0, static_cast<std::int32_t>(k + 1)};
    const auto size = static_cast<long long>(numbersTexts.size());
    for (std::int32_t j = 1; j <= lineCount; ++j) {
        const long long index = size - j;
        if (index < 0)
            throw listIndexOutOfBounds(index);
        for (const std::int32_t value : ReadDrawnNumbers(numbersTexts[static_cast<std::size_t>(index)], selectCount)) {
            if (value >= 1 && value <= static_cast<std::int32_t>(table.size()))
                ++table[static_cast<std::size_t>(value - 1)].count;
        }
    }
    SortSlotsByCount(table);
}

void SortSlotsByCount(std::span<FrequencySlot> slots)
{
    std::stable_sort(slots.begin(), slots.end(),
                     [](const FrequencySlot& a, const FrequencySlot& b) { return a.count > b.count; });
}

} // namespace stellaform
