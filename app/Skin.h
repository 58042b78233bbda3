#pragma once

#include <filesystem>
#include <string>

namespace stellaform {

// A skin is an INI description naming a style sheet beside it:
//
//   [Skin]
//   StyleSheet=XFactor.qss
//   [Colors]
//   Text=#000080
//
// Every "@Name" in the style sheet whose Name is one of the palette entries
// below is replaced by that entry's colour from [Colors].
[[nodiscard]] std::string loadSkinStyleSheet(const std::filesystem::path& skinFile);

inline constexpr const char* kSkinColorNames[] = {
    "Window", "Panel", "Base", "AlternateBase", "Text", "Accent", "AccentText", "Highlight", "Border", "Shadow",
};

} // namespace stellaform
