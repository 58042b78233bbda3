#include "drawings/DrawingsList.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

TEST(DrawingsListItem, SplitsTheLineAtItsFirstSpace)
{
    EXPECT_EQ(drawingsListItem("1/5/2009 3 12 25 33 41 7"), " 1/5/2009 - [3 12 25 33 41 7]");
    EXPECT_EQ(drawingsListItem("abc"), "  - [abc]");
    EXPECT_EQ(drawingsListItem(""), "  - []");
    EXPECT_EQ(drawingsListItem(" 3 4"), "  - [3 4]");
    EXPECT_EQ(drawingsListItem("8/2/2005 "), " 8/2/2005 - []");
    EXPECT_EQ(drawingsListItem("8/2/2005 3  12\t"), " 8/2/2005 - [3  12\t]");
}

TEST(TotalDrawings, CountsEveryLine)
{
    EXPECT_EQ(totalDrawingsText(0), "Total Drawings: 0.");
    EXPECT_EQ(totalDrawingsText(302), "Total Drawings: 302.");
}

} // namespace
} // namespace stellaform
