#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace stellaform {

using Lines = std::vector<std::string>;

// CR LF, a lone LF and a lone CR each end a line; a line break at the very
// end adds no empty line; a NUL byte ends the text.
[[nodiscard]] Lines splitLines(std::string_view text);

// Every line, the last one included, followed by CR LF.
[[nodiscard]] std::string joinLines(const Lines& lines);

// The lines of a multi-line text box, whose text separates lines by LF: an
// empty text has no lines, and a final LF leaves an empty last line, so that
// a box's text comes back unchanged from a file written with joinLines.
[[nodiscard]] Lines splitBoxText(std::string_view text);
[[nodiscard]] std::string joinBoxText(const Lines& lines);

// Reads a whole file as bytes; raises "Cannot open file <path>".
[[nodiscard]] std::string readFile(const std::filesystem::path& path);

[[nodiscard]] Lines readLines(const std::filesystem::path& path);

// Writes the lines through the atomic writer; raises "Cannot create file <path>".
void writeLines(const std::filesystem::path& path, const Lines& lines);

} // namespace stellaform
