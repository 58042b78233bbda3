#pragma once

#include "app/SettingsFile.h"
#include "drawings/DrawingsFile.h"

#include <cstdint>
#include <filesystem>
#include <string>

namespace stellaform {

// The current lottery as the settings describe it at the moment of reading.
struct CurrentLottery {
    std::string lotteryName;
    DrawingsFile drawingsFile;
    std::int32_t iNumberCount = 0;
    std::int32_t iSelectCount = 0;
    std::int32_t iBoundCount = 0;
    std::string lottery;
};

// Reads the five keys of section Option, each with its default.
[[nodiscard]] CurrentLottery readCurrentLottery(const SettingsFile& settings, const std::filesystem::path& appFolder);

// The main window's caption for a lottery display name.
[[nodiscard]] std::string lotteryCaption(const std::string& lottery);

} // namespace stellaform
