#include "app/Error.h"
#include "app/SettingsFile.h"
#include "app/SettingsKeys.h"
#include "prediction/Prediction.h"
#include "prediction/U_prediction.h"
#include "tests/fuzz/FuzzInput.h"

#include <algorithm>
#include <set>
#include <string>

namespace {

using namespace stellaform;

std::string numbersLine(const std::vector<std::int32_t>& numbers, std::size_t count)
{
    std::string line;
    for (std::size_t i = 0; i < count; ++i)
        line += std::to_string(numbers[i]) + " ";
    return line;
}

void checkReport(const PredictionReport& report, std::int32_t numberCount)
{
    const long long half = numberCount / 2;
    const long long selections = std::clamp<long long>(half, 0, kFrequencySlots);
    const long long strong = std::clamp<long long>(2 * (half / 5) + 1, 0, selections);
    fuzz::check(static_cast<long long>(report.strong.size()) == strong &&
                    static_cast<long long>(report.recommended.size()) == selections - strong,
                "the lists do not hold the numbers the pool asks for");

    std::set<std::int32_t> distinct(report.strong.begin(), report.strong.end());
    distinct.insert(report.recommended.begin(), report.recommended.end());
    fuzz::check(static_cast<long long>(distinct.size()) == selections, "a number is recommended twice");
    fuzz::check(distinct.empty() || (*distinct.begin() >= 1 && *distinct.rbegin() <= 80),
                "a recommended number is not one of 1 to 80");

    const std::size_t shown = report.recommended.size() > 3 ? report.recommended.size() - 3 : 0;
    fuzz::check(report.lines.size() == 8 && report.lines[3] == numbersLine(report.strong, report.strong.size()) &&
                    report.lines[6] == numbersLine(report.recommended, shown),
                "the report does not show the lists");
}

} // namespace

// Input: iNumberCount on the first line and iSelectCount on the second, as a
// settings file could hold them, then the bytes of a drawings file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input = fuzz::textOf(data, size);
    const std::int32_t numberCount =
        parseSettingsInteger(fuzz::takeLine(input)).value_or(settingskeys::kDefaultNumberCount);
    const std::int32_t selectCount =
        parseSettingsInteger(fuzz::takeLine(input)).value_or(settingskeys::kDefaultSelectCount);
    const Lines drawings = splitLines(input);

    try {
        checkReport(makePrediction(drawings, numberCount, selectCount), numberCount);
    } catch (const Error&) {
        return 0;
    }
    fuzz::check(drawings.size() >= 36, "a report from fewer than 36 drawings");
    return 0;
}
