#include "app/LineList.h"
#include "tests/fuzz/FuzzInput.h"

#include <algorithm>

// Input: the bytes of a text file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace stellaform;
    const std::string_view text = fuzz::textOf(data, size);

    const Lines lines = splitLines(text);
    std::string kept;
    for (const auto& line : lines) {
        fuzz::check(line.find_first_of(std::string_view("\r\n\0", 3)) == std::string::npos,
                    "a line holds a line break or a NUL");
        kept += line;
    }
    // Only the line breaks and whatever follows a NUL are dropped.
    std::string expected(text.substr(0, text.find('\0')));
    std::erase_if(expected, [](char c) { return c == '\r' || c == '\n'; });
    fuzz::check(kept == expected, "a line lost or gained characters");

    // Lines without CR, LF or NUL come back equal from the text they are written as.
    const std::string written = joinLines(lines);
    fuzz::check(splitLines(written) == lines, "written lines do not read back equal");
    fuzz::check(joinLines(splitLines(written)) == written, "a written text does not read back equal");

    fuzz::check(joinBoxText(splitBoxText(text)) == text, "a text box's text does not come back");
    return 0;
}
