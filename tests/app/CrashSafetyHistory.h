#pragma once

#include "app/LineList.h"

#include <string>

namespace stellaform::test {

// Two histories of different lengths and contents, large enough that
// writing one takes a while: variant 'a' and variant 'b'.
inline Lines crashSafetyHistory(char variant)
{
    const int count = variant == 'a' ? 150'000 : 220'000;
    Lines lines;
    lines.reserve(count);
    for (int i = 0; i < count; ++i) {
        lines.push_back(std::to_string(1 + i % 12) + "/" + std::to_string(1 + i % 28) + "/" +
                        std::to_string(1950 + i / 3000) + " " + variant + std::to_string(i % 53 + 1) + " 7 19 " +
                        std::to_string(i));
    }
    return lines;
}

} // namespace stellaform::test
