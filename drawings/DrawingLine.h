#pragma once

#include "drawings/CurrentLottery.h"

#include <string>
#include <vector>

namespace stellaform {

// The entry dialog has this many number fields in its row, so a drawing
// entered by hand holds at most this many numbers.
inline constexpr int kNumberFields = 8;

struct DrawingDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

// Month/day/year in decimal without leading zeros, the year in full
// (2 August 2005 is 8/2/2005), whatever the user's date settings are.
[[nodiscard]] std::string drawingDateText(const DrawingDate& date);

// Main and bonus numbers together. The counts come from a settings file that
// may have been edited by hand, so their sum is taken without overflow.
[[nodiscard]] long long numberTotal(const CurrentLottery& lottery);

// The fields, counted from the first, that take a number of the drawing.
[[nodiscard]] int usedFieldCount(long long numberTotal);

// The date text, one space, and the texts of the used fields each followed by
// one space, the whole trimmed at both ends. The texts are written as they
// were typed: nothing checks that they are numbers.
[[nodiscard]] std::string drawingLine(const DrawingDate& date, const std::vector<std::string>& fieldTexts,
                                      long long numberTotal);

} // namespace stellaform
