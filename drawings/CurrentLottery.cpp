#include "drawings/CurrentLottery.h"

#include "app/Ansi.h"
#include "app/AppFolder.h"
#include "app/Error.h"
#include "app/SettingsKeys.h"

namespace stellaform {

CurrentLottery readCurrentLottery(const SettingsFile& settings, const std::filesystem::path& appFolder)
{
    using namespace settingskeys;
    CurrentLottery current;
    current.lotteryName = settings.ReadString(kSection, kLotteryName, kDefaultLotteryName);
    current.drawingsFilePath = drawingsFolder(appFolder) / pathFromAnsi(current.lotteryName + ".Txt");
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

Lines readDrawingsOrNothing(const std::filesystem::path& drawingsFilePath)
{
    try {
        return readLines(drawingsFilePath);
    } catch (const Error&) {
        return {};
    }
}

} // namespace stellaform
