#include "app/Error.h"
#include "prediction/U_prediction.h"
#include "tests/support/ErrorOf.h"

#include <gtest/gtest.h>

#include <optional>

namespace stellaform {
namespace {

struct CountCase {
    const char* name;
    std::vector<std::string> texts;
    std::int32_t lineCount;
    std::int32_t selectCount;
    // The slots expected at the top of the table, or the error expected.
    std::vector<FrequencySlot> top;
    std::optional<std::string> error = std::nullopt;
};

class CountNumberFrequenciesCase : public testing::TestWithParam<CountCase> { };

TEST_P(CountNumberFrequenciesCase, CountsTheLastLinesAndRanksTheNumbers)
{
    const CountCase& c = GetParam();
    FrequencyTable table;
    if (c.error) {
        EXPECT_EQ(test::errorOf([&] { CountNumberFrequencies(c.lineCount, c.texts, table, c.selectCount); }), *c.error);
        return;
    }
    CountNumberFrequencies(c.lineCount, c.texts, table, c.selectCount);
    EXPECT_EQ(std::vector<FrequencySlot>(table.begin(), table.begin() + c.top.size()), c.top);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CountNumberFrequenciesCase,
    testing::Values(
        CountCase{"bonusNotCounted", {"3 12 40 41 52 7"}, 1, 5, {{1, 3}, {1, 12}, {1, 40}, {1, 41}, {1, 52}, {0, 1}}},
        CountCase{"outOfRangeSkipped", {"0 81 -4 5 6"}, 1, 5, {{1, 5}, {1, 6}, {0, 1}, {0, 2}}},
        CountCase{"trimmed", {" \t3 12\r"}, 1, 2, {{1, 3}, {1, 12}, {0, 1}}},
        CountCase{"leadingZeros", {"07 3"}, 1, 2, {{1, 3}, {1, 7}, {0, 1}}},
        CountCase{"twiceInALineCountsTwice", {"5 5"}, 1, 2, {{2, 5}, {0, 1}}},
        CountCase{"tiesInAscendingOrder", {"9 1", "7 3", "3 7"}, 2, 2, {{2, 3}, {2, 7}, {0, 1}, {0, 2}, {0, 4}}},
        CountCase{"onlyTheLastLines", {"1 2", "3 4", "5 6"}, 2, 2, {{1, 3}, {1, 4}, {1, 5}, {1, 6}, {0, 1}}},
        CountCase{"selectCountZero", {"3 12"}, 1, 0, {{0, 1}, {0, 2}, {0, 3}}},
        CountCase{"lineCountZero", {"3 12"}, 0, 2, {{0, 1}, {0, 2}, {0, 3}}},
        CountCase{"doubleSpace", {"3  12 40 41 52"}, 1, 5, {}, "'' is not a valid integer value"},
        CountCase{"tooFewNumbers", {"3 12 40"}, 1, 5, {}, "'' is not a valid integer value"},
        CountCase{"dateLeftIn", {"1/5/2009 3 12 25 33 41"}, 1, 5, {}, "'1/5/2009' is not a valid integer value"},
        CountCase{"letters", {"3 x 5"}, 1, 3, {}, "'x' is not a valid integer value"},
        CountCase{"moreLinesThanTexts", {"1 2", "3 4"}, 3, 2, {}, "List index out of bounds (-1)"}),
    [](const testing::TestParamInfo<CountCase>& info) { return info.param.name; });

TEST(CountNumberFrequencies, NumbersNeverDrawnFollowInAscendingOrder)
{
    FrequencyTable table;
    CountNumberFrequencies(1, {"80 40"}, table, 2);
    EXPECT_EQ(table[0], (FrequencySlot{1, 40}));
    EXPECT_EQ(table[1], (FrequencySlot{1, 80}));
    std::int32_t expected = 1;
    for (std::size_t i = 2; i < table.size(); ++i, ++expected) {
        if (expected == 40)
            ++expected;
        EXPECT_EQ(table[i], (FrequencySlot{0, expected})) << i;
    }
}

TEST(SortSlotsByCount, SortsOnlyTheGivenSlotsAndKeepsTiesInOrder)
{
    std::vector<FrequencySlot> slots{{1, 9}, {3, 4}, {1, 2}, {3, 8}, {5, 1}};
    SortSlotsByCount(std::span(slots).first(4));
    EXPECT_EQ(slots, (std::vector<FrequencySlot>{{3, 4}, {3, 8}, {1, 9}, {1, 2}, {5, 1}}));
}

TEST(ReadDrawnNumbers, ReadsSignedDecimalTokens)
{
    EXPECT_EQ(ReadDrawnNumbers("+5 -3 09 4", 3), (std::vector<std::int32_t>{5, -3, 9}));
    EXPECT_TRUE(ReadDrawnNumbers("anything", 0).empty());
    EXPECT_TRUE(ReadDrawnNumbers("", -2).empty());
    EXPECT_THROW((void)ReadDrawnNumbers("3\t5 6", 2), Error);
    EXPECT_THROW((void)ReadDrawnNumbers("0x10", 1), Error);
}

TEST(StripDrawingDate, KeepsEverythingAfterTheFirstSpace)
{
    EXPECT_EQ(StripDrawingDate("1/5/2009 3 12 25 33 41"), "3 12 25 33 41");
    EXPECT_EQ(StripDrawingDate("abc"), "abc");
    EXPECT_EQ(StripDrawingDate(""), "");
    EXPECT_EQ(StripDrawingDate("d  3 "), " 3 ");
}

} // namespace
} // namespace stellaform
