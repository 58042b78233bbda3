#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

// What every fuzz target shares: the input as text, its first lines as
// parameters, and a check that stops the run so the fuzzer keeps the input.
namespace stellaform::fuzz {

[[nodiscard]] inline std::string_view textOf(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The text up to the first LF, which is removed from `input` with it.
[[nodiscard]] inline std::string_view takeLine(std::string_view& input)
{
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input.remove_prefix(end == std::string_view::npos ? input.size() : end + 1);
    return line;
}

// The pieces between LFs, everything else (CR and NUL included) kept.
[[nodiscard]] inline std::vector<std::string_view> piecesBetweenLineFeeds(std::string_view input)
{
    std::vector<std::string_view> pieces;
    while (!input.empty())
        pieces.push_back(takeLine(input));
    return pieces;
}

inline void check(bool holds, const char* what)
{
    if (!holds) {
        std::fprintf(stderr, "Broken: %s\n", what);
        std::abort();
    }
}

} // namespace stellaform::fuzz
