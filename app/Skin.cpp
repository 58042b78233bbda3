#include "app/Skin.h"

#include "app/Ansi.h"
#include "app/Error.h"
#include "app/LineList.h"
#include "app/SettingsFile.h"

#include <map>
#include <string_view>

namespace stellaform {
namespace {

bool isNameCharacter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

using Palette = std::map<std::string, std::string, std::less<>>;

Palette readPalette(const SettingsFile& description)
{
    Palette palette;
    for (const char* name : kSkinColorNames) {
        std::string color = description.ReadString("Colors", name, "");
        if (!color.empty())
            palette.emplace(name, std::move(color));
    }
    return palette;
}

// Replaces each "@Name" by its colour; names without a colour stay as written.
std::string substituteColors(const std::string& styleSheet, const Palette& palette)
{
    std::string result;
    result.reserve(styleSheet.size());
    for (std::size_t i = 0; i < styleSheet.size();) {
        std::size_t end = i + 1;
        while (styleSheet[i] == '@' && end < styleSheet.size() && isNameCharacter(styleSheet[end]))
            ++end;
        const std::string_view token = std::string_view(styleSheet).substr(i, end - i);
        const auto color = token.size() > 1 ? palette.find(token.substr(1)) : palette.end();
        result += color == palette.end() ? token : std::string_view(color->second);
        i = end;
    }
    return result;
}

} // namespace

std::string loadSkinStyleSheet(const std::filesystem::path& skinFile)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(skinFile, error))
        throw cannotOpenFile(skinFile);
    const SettingsFile description(skinFile);
    const std::string styleSheetName = description.ReadString("Skin", "StyleSheet", "");
    return substituteColors(readFile(skinFile.parent_path() / pathFromAnsi(styleSheetName)), readPalette(description));
}

} // namespace stellaform
