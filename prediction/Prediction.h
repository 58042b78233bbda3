#pragma once

#include "app/LineList.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace stellaform {

// The prediction rests on ranks. In each of 18 trials one of the 18 most
// recent drawings is the target, the 18 drawings before it are ranked by
// how often each number was drawn, and the rank positions at which the
// target's numbers stood are noted. The positions hit most often over all
// trials are then looked up in the ranking of the 18 most recent drawings.
inline constexpr int kPredictionWindow = 18;
inline constexpr int kPredictionTrials = 18;

struct PredictionReport {
    std::vector<std::int32_t> strong;
    std::vector<std::int32_t> recommended;
    // The report but its last line, the date and time of the run.
    Lines lines;
};

// Called at the start of every trial with its number, 1 to 18.
using TrialHook = std::function<void(int trial)>;

// Works on the lines of a drawings file, the most recent last; reads the
// first `selectCount` numbers of each line. Fewer than 36 lines, or a
// malformed line among the 36 most recent, raise an Error.
[[nodiscard]] PredictionReport makePrediction(const Lines& drawings, std::int32_t numberCount, std::int32_t selectCount,
                                              const TrialHook& beforeTrial = {});

} // namespace stellaform
