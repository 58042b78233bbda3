#include "app/Text.h"
#include "app/Error.h"

#include <gtest/gtest.h>

#include <optional>

namespace stellaform {
namespace {

TEST(Trim, RemovesBlanksAndControlCharactersAtBothEndsOnly)
{
    EXPECT_EQ(trim(" \t\r\n 3 12\t40 \x01"), "3 12\t40");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trim(""), "");
    // Bytes above 127 are text, not blanks.
    EXPECT_EQ(trim("\xA0x\xA0"), "\xA0x\xA0");
    EXPECT_EQ(trimLeft(" \t\x01key = 1 \t"), "key = 1 \t");
    EXPECT_EQ(trimLeft(" \r\n"), "");
}

struct DecimalCase {
    const char* text;
    std::optional<std::int32_t> value;
};

class ParseDecimal : public testing::TestWithParam<DecimalCase> { };

TEST_P(ParseDecimal, AcceptsOnlySignedDecimalWithin32Bits)
{
    EXPECT_EQ(parseDecimal(GetParam().text), GetParam().value) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ParseDecimal,
    testing::Values(DecimalCase{"0", 0}, DecimalCase{"45", 45}, DecimalCase{"-4", -4}, DecimalCase{"+7", 7},
                    DecimalCase{"07", 7}, DecimalCase{"2147483647", 2147483647},
                    DecimalCase{"-2147483648", -2147483647 - 1}, DecimalCase{"2147483648", std::nullopt},
                    DecimalCase{"-2147483649", std::nullopt}, DecimalCase{"", std::nullopt},
                    DecimalCase{"+", std::nullopt}, DecimalCase{"-", std::nullopt}, DecimalCase{"+-1", std::nullopt},
                    DecimalCase{" 5", std::nullopt}, DecimalCase{"5 ", std::nullopt}, DecimalCase{"0x10", std::nullopt},
                    DecimalCase{"$10", std::nullopt}, DecimalCase{"1e3", std::nullopt},
                    DecimalCase{"abc", std::nullopt}));

TEST(StrToInt, RaisesTheConversionErrorWithTheText)
{
    EXPECT_EQ(strToInt("-12"), -12);
    try {
        (void)strToInt("4 5");
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_STREQ(error.what(), "'4 5' is not a valid integer value");
    }
}

TEST(ErrorReportText, AppendsAFullStopAfterCharactersThatSortAfterIt)
{
    EXPECT_EQ(errorReportText("Cannot open file x.Txt"), "Cannot open file x.Txt.");
    EXPECT_EQ(errorReportText("List index out of bounds (3)"), "List index out of bounds (3)");
    EXPECT_EQ(errorReportText("Is it 5?"), "Is it 5?.");
    EXPECT_EQ(errorReportText("value 7"), "value 7.");
    EXPECT_EQ(errorReportText("Done."), "Done.");
    EXPECT_EQ(errorReportText("Stop!"), "Stop!");
    EXPECT_EQ(errorReportText("trailing "), "trailing ");
    EXPECT_EQ(errorReportText("a-"), "a-");
    EXPECT_EQ(errorReportText("slash/"), "slash/.");
    EXPECT_EQ(errorReportText(""), "");
    EXPECT_EQ(errorReportText("caf\xE9"), "caf\xE9.");
}

} // namespace
} // namespace stellaform
