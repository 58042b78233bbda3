#pragma once

#include "drawings/DrawingsFile.h"

#include <filesystem>
#include <string>

namespace stellaform {

// Adds the line after the last line of the drawings file. A lottery that has
// no drawings file yet gets one holding this first line; a file that exists
// but cannot be read raises "Cannot open file <path>" and is left alone.
void appendDrawing(const DrawingsFile& file, const std::string& line);

// Removes the line at `index` (counted from 0). A file changed from outside
// may no longer have that line: that raises "List index out of bounds
// (<index>)" and nothing is written.
void deleteDrawing(const DrawingsFile& file, long long index);

// Replaces the drawings file, or creates it, with a byte copy of `source`.
// Raises "Cannot open file <source>" or "Cannot create file <drawings file>";
// the drawings file keeps its former content then.
void importDrawings(const DrawingsFile& file, const std::filesystem::path& source);

// Writes the drawings file back in its written form, every line ended by
// CR LF, and returns the bytes written.
[[nodiscard]] std::string rewriteDrawings(const DrawingsFile& file);

// The file an export writes: the chosen name without a final ".txt", ".Txt"
// or ".TXT" (any other mix of cases stays part of the name), then ".Txt".
[[nodiscard]] std::filesystem::path exportTarget(const std::filesystem::path& chosen);

} // namespace stellaform
