#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace stellaform {

// The one crossing between the program's 8-bit text and Qt's strings: every
// byte maps to one character and back (Windows-1252, undefined bytes kept).
// A character the code page cannot hold becomes '?'.
[[nodiscard]] QString toQString(std::string_view ansi);
[[nodiscard]] std::string toAnsi(const QString& text);

// File names from and to the windows (file dialogs, the program's folder).
[[nodiscard]] std::filesystem::path toPath(const QString& fileName);
[[nodiscard]] QString fromPath(const std::filesystem::path& path);

} // namespace stellaform
