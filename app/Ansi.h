#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace stellaform {

// The program's text is 8-bit in the Windows-1252 code page on every platform.
// The five bytes that code page leaves undefined map to the code points of the
// same value, so every byte survives a round trip through Unicode.
[[nodiscard]] char32_t codePointOfAnsi(unsigned char byte);
[[nodiscard]] std::optional<unsigned char> ansiOfCodePoint(char32_t codePoint);

// File names made from program text (a lottery name, a skin's file name) and
// paths shown in program text (error messages). Characters that the code page
// cannot hold become '?'.
[[nodiscard]] std::filesystem::path pathFromAnsi(std::string_view ansi);
[[nodiscard]] std::string ansiFromPath(const std::filesystem::path& path);

} // namespace stellaform
