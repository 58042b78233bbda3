#include "drawings/CurrentLottery.h"
#include "app/AppFolder.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::TempFolder;
using test::writeBytes;

TEST(CurrentLottery, WithoutSettingsIsTheDefaultPowerball)
{
    TempFolder folder;
    const auto appFolder = folder.path() / "";
    const CurrentLottery current = readCurrentLottery(SettingsFile(settingsFilePath(appFolder)), appFolder);
    EXPECT_EQ(current.lotteryName, "PowerballPB553");
    EXPECT_EQ(current.drawingsFile.path(), folder / "drawn" / "PowerballPB553.Txt");
    EXPECT_EQ(current.iNumberCount, 53);
    EXPECT_EQ(current.iSelectCount, 5);
    EXPECT_EQ(current.iBoundCount, 1);
    EXPECT_EQ(current.lottery, "Powerball");
    EXPECT_EQ(lotteryCaption(current.lottery), "Quorvane Stellaform 2008 6  - Powerball");
    EXPECT_FALSE(std::filesystem::exists(folder / "SystemSet.ini"));
}

TEST(CurrentLottery, ReadsTheFiveKeysWithTheirDefaultsForBadCounts)
{
    TempFolder folder;
    const auto appFolder = folder.path() / "";
    writeBytes(folder / "SystemSet.ini",
               "[OPTION]\r\nlotteryname=DailyPick545\r\niNumberCount=0x30\r\n"
               "iSelectCount=\r\niBoundCount=abc\r\nLottery=Westmark - [Daily Pick 5-45]\r\n");
    const CurrentLottery current = readCurrentLottery(SettingsFile(settingsFilePath(appFolder)), appFolder);
    EXPECT_EQ(current.drawingsFile.path(), folder / "drawn" / "DailyPick545.Txt");
    EXPECT_EQ(current.iNumberCount, 48);
    EXPECT_EQ(current.iSelectCount, 5);
    EXPECT_EQ(current.iBoundCount, 1);
    EXPECT_EQ(current.lottery, "Westmark - [Daily Pick 5-45]");
}

} // namespace
} // namespace stellaform
