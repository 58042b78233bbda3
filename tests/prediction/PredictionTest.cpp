#include "prediction/Prediction.h"
#include "app/Error.h"
#include "drawings/DrawingsFile.h"
#include "tests/prediction/HandWorkedHistory.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace stellaform {
namespace {

using Numbers = std::vector<std::int32_t>;

// The default lottery's real history: 302 drawings of 5 of 53 and a bonus.
const Lines& sampleHistory()
{
    static const Lines lines = DrawingsFile(STELLAFORM_SAMPLE_DIR "/", "PowerballPB553").read();
    return lines;
}

std::size_t numbersOn(const std::string& line)
{
    std::istringstream in(line);
    std::size_t count = 0;
    for (std::string token; in >> token;)
        ++count;
    return count;
}

TEST(Prediction, GivesTheHandWorkedReport)
{
    const PredictionReport report = makePrediction(test::kHandWorkedHistory, 16, 1);
    EXPECT_EQ(report.strong, (Numbers{2, 3, 1}));
    EXPECT_EQ(report.recommended, (Numbers{4, 5, 6, 7, 8}));
    const std::string rule(36, '=');
    EXPECT_EQ(report.lines,
              (Lines{"", rule, "Strong Recommendation:", "2 3 1 ", rule, "Recommendation:", "4 5 ", rule}));
}

TEST(Prediction, CallsTheHookAtTheStartOfEveryTrial)
{
    std::vector<int> trials;
    (void)makePrediction(test::kHandWorkedHistory, 16, 1, [&trials](int trial) { trials.push_back(trial); });
    EXPECT_EQ(trials, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18}));
}

struct SizeCase {
    std::int32_t pool;
    std::size_t strong;
    std::size_t recommended;
    std::size_t onTheLine;
};

class PredictionListSizes : public testing::TestWithParam<SizeCase> { };

TEST_P(PredictionListSizes, FollowFromThePoolAndNeverRepeatANumber)
{
    const SizeCase& c = GetParam();
    const PredictionReport report = makePrediction(sampleHistory(), c.pool, 5);
    EXPECT_EQ(report.strong.size(), c.strong);
    EXPECT_EQ(report.recommended.size(), c.recommended);
    EXPECT_EQ(numbersOn(report.lines[3]), c.strong);
    EXPECT_EQ(numbersOn(report.lines[6]), c.onTheLine);

    std::set<std::int32_t> distinct(report.strong.begin(), report.strong.end());
    distinct.insert(report.recommended.begin(), report.recommended.end());
    EXPECT_EQ(distinct.size(), c.strong + c.recommended);
}

INSTANTIATE_TEST_SUITE_P(RealHistory, PredictionListSizes,
                         testing::Values(SizeCase{15, 3, 4, 1}, SizeCase{20, 5, 5, 2}, SizeCase{36, 7, 11, 8},
                                         SizeCase{45, 9, 13, 10}, SizeCase{49, 9, 15, 12}, SizeCase{53, 11, 15, 12},
                                         SizeCase{59, 11, 18, 15}, SizeCase{80, 17, 23, 20},
                                         // Beyond the 80 rank positions: at most 80 selections.
                                         SizeCase{200, 41, 39, 36}, SizeCase{13, 3, 3, 0}, SizeCase{1, 0, 0, 0},
                                         SizeCase{0, 0, 0, 0}, SizeCase{-7, 0, 0, 0}));

Lines lastLines(const Lines& lines, std::size_t count)
{
    return Lines(lines.end() - static_cast<long>(count), lines.end());
}

TEST(Prediction, NeedsThe36MostRecentDrawings)
{
    EXPECT_NO_THROW((void)makePrediction(lastLines(sampleHistory(), 36), 53, 5));

    // With 35 drawings the 18th trial finds no window and ends the run.
    int trials = 0;
    EXPECT_THROW((void)makePrediction(lastLines(sampleHistory(), 35), 53, 5, [&trials](int) { ++trials; }), Error);
    EXPECT_EQ(trials, 18);
    EXPECT_THROW((void)makePrediction({}, 53, 5), Error);
}

TEST(Prediction, ParsesOnlyThe36MostRecentDrawings)
{
    Lines history = lastLines(sampleHistory(), 37);
    history.front() = "1/1/2001 not numbers";
    EXPECT_NO_THROW((void)makePrediction(history, 53, 5));

    for (const char* malformed : {"8/1/2005 3 12", "8/1/2005 3  12 25 33 41", "8/1/2005 3 12 25 x 41", "no-space"}) {
        Lines broken = lastLines(sampleHistory(), 36);
        broken.front() = malformed;
        EXPECT_THROW((void)makePrediction(broken, 53, 5), Error) << malformed;
    }
}

TEST(Prediction, BonusNumbersHaveNoEffect)
{
    Lines changedBonus = sampleHistory();
    for (auto& line : changedBonus)
        line = line.substr(0, line.rfind(' ')) + " 77";
    const PredictionReport original = makePrediction(sampleHistory(), 53, 5);
    const PredictionReport changed = makePrediction(changedBonus, 53, 5);
    EXPECT_EQ(changed.strong, original.strong);
    EXPECT_EQ(changed.recommended, original.recommended);
}

} // namespace
} // namespace stellaform
