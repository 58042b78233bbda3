#include "app/SettingsFile.h"
#include "app/Error.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

using test::readBytes;
using test::TempFolder;
using test::writeBytes;

struct ReadCase {
    const char* name;
    std::string file;
    std::string key;
    std::string expected; // the default is "default"
};

class SettingsRead : public testing::TestWithParam<ReadCase> { };

TEST_P(SettingsRead, FindsTheValueByTheProfileRules)
{
    TempFolder folder;
    writeBytes(folder / "SystemSet.ini", GetParam().file);
    const SettingsFile settings(folder / "SystemSet.ini");
    EXPECT_EQ(settings.ReadString("Option", GetParam().key, "default"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsRead,
    testing::Values(
        ReadCase{"plain", "[Option]\r\nLotteryName=Lotto649\r\n", "LotteryName", "Lotto649"},
        ReadCase{"lfOnly", "[Option]\nLotteryName=Lotto649\n", "LotteryName", "Lotto649"},
        ReadCase{"noFinalBreak", "[Option]\r\nLotteryName=Lotto649", "LotteryName", "Lotto649"},
        ReadCase{"otherCase", "[OPTION]\r\nlotteryname=Lotto649\r\n", "LotteryName", "Lotto649"},
        ReadCase{"blanksAroundNames", "  [ Option ]  \r\n  LotteryName  =  Lotto 649  \r\n", "LotteryName",
                 "Lotto 649"},
        ReadCase{"doubleQuotes", "[Option]\r\nLottery=\" Westmark - [X] \"\r\n", "Lottery", " Westmark - [X] "},
        ReadCase{"singleQuotes", "[Option]\r\nLottery='a'\r\n", "Lottery", "a"},
        ReadCase{"unmatchedQuotes", "[Option]\r\nLottery=\"a'\r\n", "Lottery", "\"a'"},
        ReadCase{"firstEqualsSign", "[Option]\r\nLottery=a=b\r\n", "Lottery", "a=b"},
        ReadCase{"emptyValue", "[Option]\r\nLottery=\r\n", "Lottery", ""},
        ReadCase{"missingKey", "[Option]\r\nOther=1\r\n", "Lottery", "default"},
        ReadCase{"missingSection", "[Other]\r\nLottery=x\r\n", "Lottery", "default"},
        ReadCase{"keyOfAnotherSection", "[Option]\r\nA=1\r\n[Other]\r\nLottery=x\r\n", "Lottery", "default"},
        ReadCase{"keyBeforeAnySection", "Lottery=x\r\n[Option]\r\n", "Lottery", "default"},
        ReadCase{"commentedOut", "[Option]\r\n;Lottery=x\r\n", "Lottery", "default"},
        ReadCase{"firstOfTwo", "[Option]\r\nLottery=first\r\nLottery=second\r\n", "Lottery", "first"},
        ReadCase{"commentsAndBlankLines", "; settings\r\n\r\n[Option]\r\n; note\r\n\r\nLottery=x\r\n", "Lottery", "x"},
        ReadCase{"longValue", "[Option]\r\nLottery=" + std::string(3000, 'v') + "\r\n", "Lottery",
                 std::string(2047, 'v')}),
    [](const testing::TestParamInfo<ReadCase>& info) { return info.param.name; });

TEST(SettingsRead, AMissingFileGivesTheDefaultAndIsNotCreated)
{
    TempFolder folder;
    const SettingsFile settings(folder / "SystemSet.ini");
    EXPECT_EQ(settings.ReadString("Option", "LotteryName", "PowerballPB553"), "PowerballPB553");
    EXPECT_EQ(settings.ReadInteger("Option", "iNumberCount", 53), 53);
    EXPECT_FALSE(std::filesystem::exists(folder / "SystemSet.ini"));
}

struct IntegerCase {
    const char* value;
    std::int32_t expected; // the default is 5
};

class SettingsReadInteger : public testing::TestWithParam<IntegerCase> { };

TEST_P(SettingsReadInteger, ConvertsDecimalAndHexadecimalOrGivesTheDefault)
{
    TempFolder folder;
    writeBytes(folder / "SystemSet.ini", std::string("[Option]\r\niSelectCount=") + GetParam().value + "\r\n");
    EXPECT_EQ(SettingsFile(folder / "SystemSet.ini").ReadInteger("Option", "iSelectCount", 5), GetParam().expected)
        << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsReadInteger,
                         testing::Values(IntegerCase{"6", 6}, IntegerCase{"-3", -3}, IntegerCase{"0x30", 48},
                                         IntegerCase{"0X1f", 31}, IntegerCase{"$30", 48}, IntegerCase{"-$10", -16},
                                         IntegerCase{" 7 ", 7}, IntegerCase{"\"8\"", 8}, IntegerCase{"", 5},
                                         IntegerCase{"abc", 5}, IntegerCase{"0x", 5}, IntegerCase{"0xZZ", 5},
                                         IntegerCase{"$", 5}, IntegerCase{"6 7", 5}, IntegerCase{"2147483648", 5},
                                         IntegerCase{"0x80000000", 5}, IntegerCase{"0x7FFFFFFF", 2147483647}));

TEST(SettingsWrite, ReplacesAValueInPlaceAndKeepsEveryOtherByte)
{
    TempFolder folder;
    const std::string before = "; kept by another program\r\n\r\n[Window]\nLeft=10\n\n"
                               "[option]\r\n  lotteryname = Old Name\r\niNumberCount=53\r\n\r\n[Other]\rK=V\r";
    writeBytes(folder / "SystemSet.ini", before);
    SettingsFile settings(folder / "SystemSet.ini");
    settings.WriteString("Option", "LotteryName", "DailyPick545");
    settings.WriteInteger("Option", "iNumberCount", -45);
    EXPECT_EQ(readBytes(folder / "SystemSet.ini"),
              "; kept by another program\r\n\r\n[Window]\nLeft=10\n\n"
              "[option]\r\n  lotteryname =DailyPick545\r\niNumberCount=-45\r\n\r\n[Other]\rK=V\r");
    EXPECT_EQ(settings.ReadString("Option", "LotteryName", ""), "DailyPick545");
    EXPECT_EQ(settings.ReadInteger("Option", "iNumberCount", 0), -45);
}

TEST(SettingsWrite, AddsAMissingKeyAtTheEndOfItsSection)
{
    TempFolder folder;
    writeBytes(folder / "SystemSet.ini", "[Option]\r\nA=1\r\n\r\n[Other]\r\nB=2");
    SettingsFile settings(folder / "SystemSet.ini");
    settings.WriteString("Option", "Lottery", "Westmark - [Daily Pick 5-45]");
    settings.WriteString("Other", "C", "3");
    EXPECT_EQ(readBytes(folder / "SystemSet.ini"),
              "[Option]\r\nA=1\r\nLottery=Westmark - [Daily Pick 5-45]\r\n\r\n[Other]\r\nB=2\r\nC=3\r\n");
}

TEST(SettingsWrite, AddsAMissingSectionAtTheEndOfTheFile)
{
    TempFolder folder;
    writeBytes(folder / "SystemSet.ini", "[Other]\nB=2");
    SettingsFile settings(folder / "SystemSet.ini");
    settings.WriteString("Option", "LotteryName", "Lotto649");
    EXPECT_EQ(readBytes(folder / "SystemSet.ini"), "[Other]\nB=2\r\n[Option]\r\nLotteryName=Lotto649\r\n");
}

TEST(SettingsWrite, CreatesTheFileAndASecondRoundReplacesWithoutAddingLines)
{
    TempFolder folder;
    SettingsFile settings(folder / "SystemSet.ini");
    const auto confirm = [&settings](const char* name, int count, const char* lottery) {
        settings.WriteString("Option", "LotteryName", name);
        settings.WriteInteger("Option", "iNumberCount", count);
        settings.WriteInteger("Option", "iSelectCount", 5);
        settings.WriteInteger("Option", "iBoundCount", 0);
        settings.WriteString("Option", "Lottery", lottery);
    };
    confirm("DailyPick545", 45, "Westmark - [Daily Pick 5-45]");
    confirm("Lotto649", 49, "Canada - [Lotto 6-49]");
    EXPECT_EQ(readBytes(folder / "SystemSet.ini"),
              "[Option]\r\nLotteryName=Lotto649\r\niNumberCount=49\r\n"
              "iSelectCount=5\r\niBoundCount=0\r\nLottery=Canada - [Lotto 6-49]\r\n");
}

TEST(SettingsWrite, ARefusedWriteRaisesUnableToWrite)
{
    TempFolder folder;
    writeBytes(folder / "plain", "a file");
    for (const auto& path : {folder / "plain" / "SystemSet.ini", folder / "missing" / "SystemSet.ini"}) {
        SettingsFile settings(path);
        try {
            settings.WriteString("Option", "LotteryName", "x");
            ADD_FAILURE() << "no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.what(), "Unable to write to " + path.string());
        }
    }
}

} // namespace
} // namespace stellaform
