#include "drawings/DrawingLine.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace stellaform {
namespace {

TEST(DrawingDate, IsMonthDayYearWithoutLeadingZeros)
{
    EXPECT_EQ(drawingDateText({2005, 8, 2}), "8/2/2005");
    EXPECT_EQ(drawingDateText({2009, 1, 5}), "1/5/2009");
    EXPECT_EQ(drawingDateText({2010, 12, 31}), "12/31/2010");
}

TEST(DrawingLine, WritesTheFieldsAsTypedBetweenSingleSpaces)
{
    const struct {
        std::vector<std::string> fields;
        long long total;
        std::string line;
    } cases[] = {
        {{"03", "12", "25", "33", "41", "07", "", ""}, 6, "8/2/2005 03 12 25 33 41 07"},
        {{"3", "12", "25", "33", "41", "7", "", ""}, 6, "8/2/2005 3 12 25 33 41 7"},
        {{"", "", "", "", "", "", "", ""}, 6, "8/2/2005 "},
        {{"3", "", "25", "33", "41", "7", "", ""}, 6, "8/2/2005 3  25 33 41 7"},
        {{"", "12", "25", "33", "41", "7", "", ""}, 6, "8/2/2005 12 25 33 41 7"},
        {{"3", "12", "25", "33", "41", "", "", ""}, 6, "8/2/2005 3 12 25 33 41"},
        {{"ab", "1x", "?", "33", "41", "7", "", ""}, 6, "8/2/2005 ab 1x ? 33 41 7"},
        {{"3", " ", "5", "", "", "", "", ""}, 3, "8/2/2005 3   5"},
        {{"3", "12", "25", "33", "41", "7", "9", "8"}, 3, "8/2/2005 3 12 25"},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, 9, "8/2/2005 1 2 3 4 5 6 7 8"},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, 0, "8/2/2005 "},
        {{"1", "2", "3", "4", "5", "6", "7", "8"}, -4, "8/2/2005 "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(drawingLine({2005, 8, 2}, c.fields, c.total), c.line) << c.total << " " << c.line;
}

TEST(DrawingLine, UsesAtMostTheEightFields)
{
    EXPECT_EQ(usedFieldCount(-1), 0);
    EXPECT_EQ(usedFieldCount(0), 0);
    EXPECT_EQ(usedFieldCount(3), 3);
    EXPECT_EQ(usedFieldCount(8), 8);
    EXPECT_EQ(usedFieldCount(9), 8);

    CurrentLottery huge;
    huge.iSelectCount = std::numeric_limits<std::int32_t>::max();
    huge.iBoundCount = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(numberTotal(huge), 4294967294LL);
    EXPECT_EQ(usedFieldCount(numberTotal(huge)), 8);
}

} // namespace
} // namespace stellaform
