#include "prediction/Prediction.h"

#include "app/Error.h"
#include "prediction/U_prediction.h"

#include <algorithm>
#include <string>

namespace stellaform {
namespace {

constexpr std::size_t kRecommendationsLeftOff = 3;
const std::string kRule(36, '=');

// The numbers texts of the 18 lines before line `count`, the most recent first.
std::vector<std::string> windowBefore(const Lines& drawings, long long count)
{
    std::vector<std::string> window;
    window.reserve(kPredictionWindow);
    for (long long k = 1; k <= kPredictionWindow; ++k) {
        const long long index = count - k;
        if (index < 0)
            throw listIndexOutOfBounds(index);
        window.push_back(StripDrawingDate(drawings[static_cast<std::size_t>(index)]));
    }
    return window;
}

FrequencyTable rankingOf(const std::vector<std::string>& window, std::int32_t selectCount)
{
    FrequencyTable ranking;
    CountNumberFrequencies(kPredictionWindow, window, ranking, selectCount);
    return ranking;
}

std::string numbersLine(const std::vector<std::int32_t>& numbers, std::size_t count)
{
    std::string line;
    for (std::size_t i = 0; i < count; ++i)
        line += std::to_string(numbers[i]) + " ";
    return line;
}

} // namespace

PredictionReport makePrediction(const Lines& drawings, std::int32_t numberCount, std::int32_t selectCount,
                                const TrialHook& beforeTrial)
{
    // Only 80 rank positions exist, however large the pool.
    const std::int32_t scannedRanks = std::min<std::int32_t>(numberCount, kFrequencySlots);

    FrequencyTable rankHits;
    for (std::size_t k = 0; k < rankHits.size(); ++k)
        rankHits[k] = {0, static_cast<std::int32_t>(k + 1)};

    const auto lineCount = static_cast<long long>(drawings.size());
    for (int trial = 1; trial <= kPredictionTrials; ++trial) {
        if (beforeTrial)
            beforeTrial(trial);
        // The trial-th most recent drawing, and the 18 drawings before it.
        const long long targetIndex = lineCount - trial;
        if (targetIndex < 0)
            throw listIndexOutOfBounds(targetIndex);
        const std::string target = StripDrawingDate(drawings[static_cast<std::size_t>(targetIndex)]);
        const FrequencyTable ranking = rankingOf(windowBefore(drawings, targetIndex), selectCount);

        for (const std::int32_t number : ReadDrawnNumbers(target, selectCount)) {
            for (std::int32_t rank = 0; rank < scannedRanks; ++rank) {
                if (ranking[static_cast<std::size_t>(rank)].number == number)
                    ++rankHits[static_cast<std::size_t>(rank)].count;
            }
        }
    }
    SortSlotsByCount(rankHits);

    const FrequencyTable current = rankingOf(windowBefore(drawings, lineCount), selectCount);

    PredictionReport report;
    const std::int32_t half = numberCount / 2;
    const std::int32_t strongLimit = 2 * (half / 5) + 1;
    const std::int32_t selections = std::min<std::int32_t>(half, kFrequencySlots);
    for (std::int32_t i = 0; i < selections; ++i) {
        const std::int32_t rank = rankHits[static_cast<std::size_t>(i)].number;
        const std::int32_t number = current[static_cast<std::size_t>(rank - 1)].number;
        (i < strongLimit ? report.strong : report.recommended).push_back(number);
    }

    const std::size_t shown =
        report.recommended.size() > kRecommendationsLeftOff ? report.recommended.size() - kRecommendationsLeftOff : 0;
    report.lines = {"",
                    kRule,
                    "Strong Recommendation:",
                    numbersLine(report.strong, report.strong.size()),
                    kRule,
                    "Recommendation:",
                    numbersLine(report.recommended, shown),
                    kRule};
    return report;
}

} // namespace stellaform
