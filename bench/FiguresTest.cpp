// The benchmarks' arithmetic and verdicts: a wrong median or a lenient verdict would pass a slow program.
#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "Statistics.h"
#include "Verdict.h"

namespace corvane::bench {
namespace {

TEST(StatisticsTest, MedianIsTheMiddleOfTheSortedValuesOrTheMeanOfTheMiddleTwo) {
  EXPECT_DOUBLE_EQ(Median({5, 1, 3}), 3);
  EXPECT_DOUBLE_EQ(Median({4, 1, 3, 2}), 2.5);
  EXPECT_DOUBLE_EQ(Median({7}), 7);
  EXPECT_THROW(Median({}), std::invalid_argument);
}

TEST(StatisticsTest, QuantilesInterpolateBetweenNeighbours) {
  const std::vector<double> values{50, 10, 40, 20, 30};
  EXPECT_DOUBLE_EQ(Quantile(values, 0), 10);
  EXPECT_DOUBLE_EQ(Quantile(values, 0.25), 20);
  EXPECT_DOUBLE_EQ(Quantile(values, 0.1), 14);
  EXPECT_DOUBLE_EQ(Quantile(values, 1), 50);
  EXPECT_THROW(Quantile(values, 1.5), std::invalid_argument);
  EXPECT_THROW(Quantile(values, -0.1), std::invalid_argument);
}

TEST(StatisticsTest, OneHeldUpRoundWidensTheSpreadButHardlyTheInterquartileRange) {
  const std::vector<double> steady{10, 10, 11, 11, 12, 12, 13, 13, 14, 14};
  std::vector<double> heldUp = steady;
  heldUp.back() = 100;
  EXPECT_DOUBLE_EQ(RelativeSpread(steady), 4.0 / 12);
  EXPECT_DOUBLE_EQ(RelativeSpread(heldUp), 90.0 / 12);
  EXPECT_DOUBLE_EQ(RelativeInterquartileRange(steady), 2.0 / 12);
  EXPECT_DOUBLE_EQ(RelativeInterquartileRange(heldUp), 2.0 / 12);
}

struct JudgeCase {
  double figure;
  Goal goal;
  double relativeNoise;
  Verdict expected;
};

TEST(VerdictTest, AFigureMissesOnlyWhenBeyondItsGoalByMoreThanItsNoise) {
  constexpr Goal kAtMost{Bound::AtMost, 1.10};
  constexpr Goal kAtLeast{Bound::AtLeast, 0.90};
  const JudgeCase cases[] = {
      {1.05, kAtMost, 0, Verdict::Met},
      {1.10, kAtMost, 0, Verdict::Met},
      {1.15, kAtMost, 0.05, Verdict::MissedWithinNoise},  // 0.05 over, noise 0.0575
      {1.15, kAtMost, 0.04, Verdict::Missed},             // 0.05 over, noise 0.046
      {0.95, kAtLeast, 0, Verdict::Met},
      {0.90, kAtLeast, 0, Verdict::Met},
      {0.88, kAtLeast, 0.05, Verdict::MissedWithinNoise},             // 0.02 short, noise 0.044
      {0.80, kAtLeast, 0.05, Verdict::Missed},                        // 0.10 short, noise 0.04
      {2.00, {Bound::AtMost, 1.5}, 0.3, Verdict::MissedWithinNoise},  // the noise scales with the figure: 0.6
  };
  for (const JudgeCase& test : cases) {
    EXPECT_EQ(Judge(test.figure, test.goal, test.relativeNoise), test.expected)
        << test.figure << " " << GoalText(test.goal, 2) << " noise " << test.relativeNoise;
  }
}

TEST(VerdictTest, OnlyARealMissFailsTheRun) {
  EXPECT_EQ(ExitStatusOf(Worse(Verdict::Met, Verdict::MissedWithinNoise)), 0);
  EXPECT_EQ(ExitStatusOf(Worse(Verdict::Missed, Verdict::Met)), 1);
  EXPECT_EQ(ExitStatusOf(Worse(Verdict::MissedWithinNoise, Verdict::Missed)), 1);
}

TEST(VerdictTest, GoalsReadAsBounds) {
  EXPECT_EQ(GoalText({Bound::AtMost, 1.1}, 2), "<= 1.10");
  EXPECT_EQ(GoalText({Bound::AtLeast, 0.9}, 2), ">= 0.90");
  EXPECT_EQ(GoalText({Bound::AtMost, 1048576}, 0), "<= 1048576");
}

}  // namespace
}  // namespace corvane::bench
