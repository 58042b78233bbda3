#include "catalog/NewLotteryCheck.h"

#include <gtest/gtest.h>

namespace stellaform {
namespace {

struct CheckCase {
    const char* country;
    const char* lotteryName;
    const char* refusal; // nullptr: accepted
};

class NewLotteryCheck : public testing::TestWithParam<CheckCase> { };

TEST_P(NewLotteryCheck, RefusesWhatTheCatalogOrTheDrawingsFolderCannotHold)
{
    const CheckCase& c = GetParam();
    const auto refusal = newLotteryRefusal(c.country, c.lotteryName);
    if (c.refusal == nullptr)
        EXPECT_EQ(refusal, std::nullopt) << c.country << " / " << c.lotteryName;
    else
        EXPECT_EQ(refusal, std::optional<std::string>(c.refusal)) << c.country << " / " << c.lotteryName;
}

constexpr const char* kEmpty = "Country or Lottery Name Can't Empty!";
constexpr const char* kBar = "Country or Lottery Name Can't Contain |!";
constexpr const char* kLineBreak = "Country or Lottery Name Can't Contain Line Breaks!";
constexpr const char* kPathSeparator = "Lottery Name Can't Contain / or \\!";

INSTANTIATE_TEST_SUITE_P(
    Cases, NewLotteryCheck,
    testing::Values(CheckCase{"Westmark", "Daily Pick 5-45", nullptr}, CheckCase{"  ", "Lotto", nullptr},
                    CheckCase{"Westmark", " - ", nullptr}, CheckCase{"", "", kEmpty}, CheckCase{"Westmark", "", kEmpty},
                    CheckCase{"", "Lotto", kEmpty}, CheckCase{"West|mark", "", kEmpty},
                    CheckCase{"West|mark", "Lotto", kBar}, CheckCase{"Westmark", "Lotto|49", kBar},
                    CheckCase{"|", "../Game", kBar}, CheckCase{"Westmark", "../Game", kPathSeparator},
                    CheckCase{"Westmark", "Lotto 6/49", kPathSeparator},
                    CheckCase{"Westmark", "..\\Game", kPathSeparator}, CheckCase{"a/b\\c", "Lotto", nullptr},
                    CheckCase{"Westmark\r\n", "Lotto", nullptr}, CheckCase{"West\nmark", "Lotto", kLineBreak},
                    CheckCase{"Westmark", "Lotto\r6/49", kLineBreak}, CheckCase{"Westmark", "Lotto\n", kLineBreak}));

TEST(NewLotteryCheck, ANulByteIsALineBreak)
{
    using namespace std::string_view_literals;
    EXPECT_EQ(newLotteryRefusal("Westmark", "Lotto\0x"sv),
              std::optional<std::string>("Country or Lottery Name Can't Contain Line Breaks!"));
}

} // namespace
} // namespace stellaform
