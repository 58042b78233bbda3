#pragma once

#include "app/LineList.h"

#include <random>
#include <string>

namespace stellaform::test {

// A history of `count` drawings of 5 numbers out of 53 and a bonus number,
// the same on every run.
inline Lines longHistory(int count)
{
    std::mt19937 random(2005);
    std::uniform_int_distribution<int> number(1, 53);
    Lines lines;
    lines.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        std::string line =
            std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" + std::to_string(1900 + i / 100);
        for (int k = 0; k < 6; ++k)
            line += " " + std::to_string(number(random));
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace stellaform::test
