#pragma once

#include <cstdint>

// The settings of SystemSet.ini: one section, five keys, their defaults.
namespace stellaform::settingskeys {

inline constexpr const char* kSection = "Option";

inline constexpr const char* kLotteryName = "LotteryName";
inline constexpr const char* kNumberCount = "iNumberCount";
inline constexpr const char* kSelectCount = "iSelectCount";
inline constexpr const char* kBoundCount = "iBoundCount";
inline constexpr const char* kLottery = "Lottery";

inline constexpr const char* kDefaultLotteryName = "PowerballPB553";
inline constexpr std::int32_t kDefaultNumberCount = 53;
inline constexpr std::int32_t kDefaultSelectCount = 5;
inline constexpr std::int32_t kDefaultBoundCount = 1;
inline constexpr const char* kDefaultLottery = "Powerball";

} // namespace stellaform::settingskeys
