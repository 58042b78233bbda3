#include "catalog/Catalog.h"
#include "tests/support/ErrorOf.h"
#include "tests/support/TempFolder.h"
#include "tests/support/Tmpfs.h"

#include <gtest/gtest.h>

#include <array>

namespace stellaform {
namespace {

using test::errorOf;
using test::readBytes;
using test::TempFolder;
using test::writeBytes;

struct LineCase {
    const char* what;
    const char* line;
    std::array<const char*, 5> fields;
    const char* rowText;
    const char* lotteryText;
    const char* stem;
};

class CatalogLine : public testing::TestWithParam<LineCase> { };

TEST_P(CatalogLine, ReadsFieldsRowTextLotteryTextAndStem)
{
    const LineCase& c = GetParam();
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(catalogField(c.line, k), c.fields[static_cast<std::size_t>(k - 1)]) << "field " << k;
    const std::string row = catalogRowText(c.line);
    EXPECT_EQ(row, c.rowText);
    EXPECT_EQ(lotteryText(row), c.lotteryText);
    EXPECT_EQ(drawingsFileStem(catalogField(c.line, 2)), c.stem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CatalogLine,
    testing::Values(
        LineCase{"Example",
                 "Westmark|Daily Pick 5-45|45|5|0|",
                 {"Westmark", "Daily Pick 5-45", "45", "5", "0"},
                 "Westmark - [Daily Pick 5-45]",
                 "Westmark - [Daily Pick 5-45]",
                 "DailyPick545"},
        LineCase{"Blank", "", {"", "", "", "", ""}, " - []", " - []", ""},
        LineCase{"NoSeparatorAtAll", "Westmark", {"", "", "", "", ""}, " - []", " - []", ""},
        LineCase{"NoSeparatorAfterTheName",
                 "Westmark|Daily Pick",
                 {"Westmark", "", "", "", ""},
                 "Westmark - []",
                 "Westmark - []",
                 ""},
        LineCase{"TextAfterTheFifthSeparator",
                 "Westmark|Daily Pick 5-45|45|5|0|extra|7",
                 {"Westmark", "Daily Pick 5-45", "45", "5", "0"},
                 "Westmark - [Daily Pick 5-45]",
                 "Westmark - [Daily Pick 5-45]",
                 "DailyPick545"},
        LineCase{"LastCountWithoutItsSeparator", "A|B|45|5|0", {"A", "B", "45", "5", ""}, "A - [B]", "A - [B]", "B"},
        LineCase{"CountryHoldingABracket",
                 "Isle [North]|Lotto|49|6|1|",
                 {"Isle [North]", "Lotto", "49", "6", "1"},
                 "Isle [North] - [Lotto]",
                 "Isle [North]",
                 "Lotto"},
        LineCase{"NameOfBlanksAndHyphens",
                 "A| - -- |49|6|1|",
                 {"A", " - -- ", "49", "6", "1"},
                 "A - [ - -- ]",
                 "A - [ - -- ]",
                 ""},
        LineCase{"OtherCharactersStay",
                 "A|Caf\xE9_Lotto 6/49\t-x|49|6|1|",
                 {"A", "Caf\xE9_Lotto 6/49\t-x", "49", "6", "1"},
                 "A - [Caf\xE9_Lotto 6/49\t-x]",
                 "A - [Caf\xE9_Lotto 6/49\t-x]",
                 "Caf\xE9_Lotto6/49\tx"}),
    [](const testing::TestParamInfo<LineCase>& info) { return info.param.what; });

TEST(CatalogLine, SettingsAreTheStemAndTheThreeCounts)
{
    const LotterySettings settings = lotterySettings("Westmark|Daily Pick 5-45|45|5|0|ignored");
    EXPECT_EQ(settings.lotteryName, "DailyPick545");
    EXPECT_EQ(settings.iNumberCount, 45);
    EXPECT_EQ(settings.iSelectCount, 5);
    EXPECT_EQ(settings.iBoundCount, 0);
    EXPECT_EQ(lotterySettings("A|B|+49|-6|007|").iBoundCount, 7);
}

TEST(CatalogLine, TheFirstCountThatIsNotANumberIsTheError)
{
    EXPECT_EQ(errorOf([] { (void)lotterySettings(""); }), "'' is not a valid integer value");
    EXPECT_EQ(errorOf([] { (void)lotterySettings("A|B|4 5|x|y|"); }), "'4 5' is not a valid integer value");
    EXPECT_EQ(errorOf([] { (void)lotterySettings("A|B|45|5x|y|"); }), "'5x' is not a valid integer value");
    EXPECT_EQ(errorOf([] { (void)lotterySettings("A|B|45|5|0x1|"); }), "'0x1' is not a valid integer value");
    EXPECT_EQ(errorOf([] { (void)lotterySettings("A|B|45|5|0"); }), "'' is not a valid integer value");
}

TEST(CatalogLine, ComposesCountryTrimmedAndNameAsTyped)
{
    EXPECT_EQ(composeCatalogLine({"Westmark", "Daily Pick 5-45", 45, 5, 0}), "Westmark|Daily Pick 5-45|45|5|0|");
    EXPECT_EQ(composeCatalogLine({"Westmark", "Daily Pick 5-45", 45, 5, 2}), "Westmark|Daily Pick 5-45|45|5|2|");
    EXPECT_EQ(composeCatalogLine({"  ", "Lotto", 59, 8, 1}), "|Lotto|59|8|1|");
    const std::string line = composeCatalogLine({" \tWestmark \x01", "  Daily Pick  ", 15, 3, 0});
    EXPECT_EQ(line, "Westmark|  Daily Pick  |15|3|0|");
    EXPECT_EQ(catalogRowText(line), "Westmark - [  Daily Pick  ]");
    EXPECT_EQ(lotterySettings(line).lotteryName, "DailyPick");
}

TEST(CatalogLine, AnIndexPastTheCatalogIsOutOfBounds)
{
    const Lines catalog{"a", "b", "c"};
    EXPECT_EQ(catalogLine(catalog, 2), "c");
    EXPECT_EQ(errorOf([&] { (void)catalogLine(catalog, 3); }), "List index out of bounds (3)");
    EXPECT_EQ(errorOf([&] { (void)catalogLine(catalog, -1); }), "List index out of bounds (-1)");
    EXPECT_EQ(errorOf([] { (void)catalogLine({}, 0); }), "List index out of bounds (0)");
}

TEST(CatalogFile, AppendingRewritesEveryLineEndAsCrLf)
{
    TempFolder folder;
    const auto catalog = folder / "Game.Txt";
    writeBytes(catalog, "USA|Powerball PB 5-53|53|5|1|\n\nCanada|Lotto 6-49|49|6|1|\n");
    appendCatalogLine(catalog, "Westmark|Daily Pick 5-45|45|5|0|");
    EXPECT_EQ(readBytes(catalog),
              "USA|Powerball PB 5-53|53|5|1|\r\n\r\nCanada|Lotto 6-49|49|6|1|\r\nWestmark|Daily Pick 5-45|45|5|0|\r\n");
    EXPECT_EQ(test::folderListing(folder.path()), "Game.Txt");
}

TEST(CatalogFile, AFileWithoutAFinalBreakGetsOne)
{
    TempFolder folder;
    const auto catalog = folder / "Game.Txt";
    writeBytes(catalog, "a|b|1|1|0|\rc|d|2|2|0|");
    appendCatalogLine(catalog, "e|f|3|3|0|");
    EXPECT_EQ(readBytes(catalog), "a|b|1|1|0|\r\nc|d|2|2|0|\r\ne|f|3|3|0|\r\n");
}

TEST(CatalogFile, AppendingTwiceGivesTwoEqualEntries)
{
    TempFolder folder;
    const auto catalog = folder / "Game.Txt";
    writeBytes(catalog, "");
    EXPECT_TRUE(readCatalog(catalog).empty());
    appendCatalogLine(catalog, "Westmark|Daily Pick 5-45|45|5|0|");
    appendCatalogLine(catalog, "Westmark|Daily Pick 5-45|45|5|0|");
    EXPECT_EQ(readCatalog(catalog), (Lines{"Westmark|Daily Pick 5-45|45|5|0|", "Westmark|Daily Pick 5-45|45|5|0|"}));
}

TEST(CatalogFile, AMissingCatalogIsNeverCreated)
{
    TempFolder folder;
    const auto catalog = folder / "Game.Txt";
    EXPECT_FALSE(catalogExists(catalog));
    EXPECT_EQ(errorOf([&] { (void)readCatalog(catalog); }), "Cannot open file " + catalog.string());
    EXPECT_EQ(errorOf([&] { appendCatalogLine(catalog, "a|b|1|1|0|"); }), "Cannot open file " + catalog.string());
    EXPECT_FALSE(catalogExists(catalog));
    EXPECT_EQ(test::folderListing(folder.path()), "");
}

TEST(CatalogFile, ACatalogThatCannotBeWrittenKeepsItsContent)
{
    TempFolder folder;
    std::string whyNot;
    const auto tmpfs = test::Tmpfs::tryMount(folder / "mnt", 1 << 20, whyNot);
    if (!tmpfs)
        GTEST_SKIP() << whyNot;
    const auto catalog = folder / "mnt" / "Game.Txt";
    writeBytes(catalog, "a|b|1|1|0|\n");
    tmpfs->makeReadOnly();
    EXPECT_EQ(errorOf([&] { appendCatalogLine(catalog, "c|d|2|2|0|"); }), "Cannot create file " + catalog.string());
    EXPECT_EQ(readBytes(catalog), "a|b|1|1|0|\n");
}

} // namespace
} // namespace stellaform
