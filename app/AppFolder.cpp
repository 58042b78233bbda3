#include "app/AppFolder.h"

namespace stellaform {

std::filesystem::path settingsFilePath(const std::filesystem::path& appFolder)
{
    return appFolder / "SystemSet.ini";
}

std::filesystem::path predictionPagePath(const std::filesystem::path& appFolder)
{
    return appFolder / "Data.ini";
}

std::filesystem::path catalogPath(const std::filesystem::path& appFolder)
{
    return appFolder / "Game.Txt";
}

std::filesystem::path drawingsFolder(const std::filesystem::path& appFolder)
{
    return appFolder / "drawn" / "";
}

std::filesystem::path helpFilePath(const std::filesystem::path& appFolder)
{
    return appFolder / "help.chm";
}

std::filesystem::path skinFilePath(const std::filesystem::path& appFolder)
{
    return appFolder / "skins" / "XFactor" / "skin.ini";
}

std::filesystem::path appFolderOf(const std::filesystem::path& programFile)
{
    return programFile.parent_path() / "";
}

} // namespace stellaform
