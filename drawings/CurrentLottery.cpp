#include "drawings/CurrentLottery.h"

#include "app/SettingsKeys.h"

namespace stellaform {

CurrentLottery readCurrentLottery(const SettingsFile& settings, const std::filesystem::path& appFolder)
{
    using namespace settingskeys;
    CurrentLottery current;
    current.lotteryName = settings.ReadString(kSection, kLotteryName, kDefaultLotteryName);
    current.drawingsFile = DrawingsFile(appFolder, current.lotteryName);
    current.iNumberCount = settings.ReadInteger(kSection, kNumberCount, kDefaultNumberCount);
    current.iSelectCount = settings.ReadInteger(kSection, kSelectCount, kDefaultSelectCount);
    current.iBoundCount = settings.ReadInteger(kSection, kBoundCount, kDefaultBoundCount);
    current.lottery = settings.ReadString(kSection, kLottery, kDefaultLottery);
    return current;
}

std::string lotteryCaption(const std::string& lottery)
{
    return "Quorvane Stellaform 2008 6  - " + lottery;
}

} // namespace stellaform
