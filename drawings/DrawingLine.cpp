#include "drawings/DrawingLine.h"

#include "app/Text.h"

#include <algorithm>

namespace stellaform {

std::string drawingDateText(const DrawingDate& date)
{
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" + std::to_string(date.year);
}

long long numberTotal(const CurrentLottery& lottery)
{
    return static_cast<long long>(lottery.iSelectCount) + lottery.iBoundCount;
}

int usedFieldCount(long long numberTotal)
{
    return static_cast<int>(std::clamp<long long>(numberTotal, 0, kNumberFields));
}

std::string drawingLine(const DrawingDate& date, const std::vector<std::string>& fieldTexts, long long numberTotal)
{
    const std::size_t used = std::min(static_cast<std::size_t>(usedFieldCount(numberTotal)), fieldTexts.size());
    std::string numbers;
    for (std::size_t i = 0; i < used; ++i)
        numbers.append(fieldTexts[i]).append(" ");
    return drawingDateText(date) + " " + trim(numbers);
}

} // namespace stellaform
