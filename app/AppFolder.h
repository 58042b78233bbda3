#pragma once

#include <filesystem>

namespace stellaform {

// Every file of the program lies in its own folder, the folder of the program
// file; these are the names it uses there.
[[nodiscard]] std::filesystem::path settingsFilePath(const std::filesystem::path& appFolder);
[[nodiscard]] std::filesystem::path predictionPagePath(const std::filesystem::path& appFolder);
[[nodiscard]] std::filesystem::path catalogPath(const std::filesystem::path& appFolder);
[[nodiscard]] std::filesystem::path drawingsFolder(const std::filesystem::path& appFolder);
[[nodiscard]] std::filesystem::path helpFilePath(const std::filesystem::path& appFolder);
[[nodiscard]] std::filesystem::path skinFilePath(const std::filesystem::path& appFolder);

// The folder part of the program file's path, with a trailing separator.
[[nodiscard]] std::filesystem::path appFolderOf(const std::filesystem::path& programFile);

} // namespace stellaform
