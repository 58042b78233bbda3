#include "app/Error.h"
#include "app/SettingsFile.h"
#include "prediction/U_prediction.h"
#include "tests/fuzz/FuzzInput.h"

#include <algorithm>
#include <optional>
#include <string>

namespace {

using namespace stellaform;

std::optional<std::vector<std::int32_t>> numbersOf(std::string_view text, std::int32_t count)
{
    try {
        return ReadDrawnNumbers(text, count);
    } catch (const Error&) {
        return std::nullopt;
    }
}

// How many values of 1 to 80 the last `lineCount` texts hold, or nothing
// when a text is missing or does not read.
std::optional<long long> countableValues(const std::vector<std::string>& texts, std::int32_t lineCount,
                                         std::int32_t selectCount)
{
    long long total = 0;
    for (long long j = 1; j <= lineCount; ++j) {
        if (j > static_cast<long long>(texts.size()))
            return std::nullopt;
        const auto numbers = numbersOf(texts[texts.size() - static_cast<std::size_t>(j)], selectCount);
        if (!numbers)
            return std::nullopt;
        total += std::count_if(numbers->begin(), numbers->end(), [](std::int32_t v) { return v >= 1 && v <= 80; });
    }
    return total;
}

void checkRanking(const FrequencyTable& table, long long expectedTotal)
{
    std::array<bool, kFrequencySlots + 1> seen{};
    long long total = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const FrequencySlot& slot = table[i];
        fuzz::check(slot.number >= 1 && slot.number <= 80 && !seen[static_cast<std::size_t>(slot.number)],
                    "the ranking is not the numbers 1 to 80, each once");
        seen[static_cast<std::size_t>(slot.number)] = true;
        fuzz::check(slot.count >= 0, "a negative count");
        total += slot.count;
        if (i > 0) {
            const FrequencySlot& previous = table[i - 1];
            fuzz::check(previous.count > slot.count || (previous.count == slot.count && previous.number < slot.number),
                        "the ranking is not by count, ties ascending");
        }
    }
    fuzz::check(total == expectedTotal, "the counts do not add up to the values counted");
}

} // namespace

// Input: a line count on the first line and a select count on the second,
// each as a settings file could hold it, then numbers texts separated by LF
// (CR, NUL and every other byte stay in the texts).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input = fuzz::textOf(data, size);
    const std::int32_t lineCount = parseSettingsInteger(fuzz::takeLine(input)).value_or(18);
    const std::int32_t selectCount = parseSettingsInteger(fuzz::takeLine(input)).value_or(5);
    std::vector<std::string> texts;
    for (const auto piece : fuzz::piecesBetweenLineFeeds(input))
        texts.emplace_back(piece);

    for (const auto& text : texts) {
        if (const auto numbers = numbersOf(text, selectCount))
            fuzz::check(static_cast<long long>(numbers->size()) == std::max(selectCount, 0),
                        "a text read to another count of numbers");
    }

    const auto expectedTotal = countableValues(texts, lineCount, selectCount);
    FrequencyTable table;
    try {
        CountNumberFrequencies(lineCount, texts, table, selectCount);
    } catch (const Error&) {
        fuzz::check(!expectedTotal, "counting failed over texts that all read");
        return 0;
    }
    fuzz::check(expectedTotal.has_value(), "counting went past a missing or unreadable text");
    checkRanking(table, *expectedTotal);
    return 0;
}
