#include "core/charts/grid_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {
namespace {

TEST(GridStep, FollowsTheLeadingDigitAndThePositionOfTheDecimalPoint) {
  EXPECT_DOUBLE_EQ(gridStep(123.4), 10);
  EXPECT_DOUBLE_EQ(gridStep(250.7), 20);
  EXPECT_DOUBLE_EQ(gridStep(38.2), 5);
  EXPECT_DOUBLE_EQ(gridStep(7.3), 0.5);
}

TEST(GridStep, IsTenTimesFinerBelowOneKilometre) {
  EXPECT_DOUBLE_EQ(gridStep(0.75), 0.005);
  EXPECT_DOUBLE_EQ(gridStep(0.15), 0.001);
  EXPECT_DOUBLE_EQ(gridStep(0.00025), 0.000002);
}

TEST(GridStep, TakesAnIntegralTotalAsIfItsPointFollowedTheLastDigit) {
  EXPECT_DOUBLE_EQ(gridStep(12), 1);
  EXPECT_DOUBLE_EQ(gridStep(1), 0.1);
  EXPECT_DOUBLE_EQ(gridStep(7), 0.5);
  EXPECT_DOUBLE_EQ(gridStep(100), 10);
  EXPECT_DOUBLE_EQ(gridStep(250), 20);
  EXPECT_DOUBLE_EQ(gridStep(150000000000000), 1e13);
}

TEST(GridStep, ReadsATotalInExponentFormByItsDecimalExponent) {
  EXPECT_DOUBLE_EQ(gridStep(1.5e-5), 1e-7);  // as 0.00015 gives 1e-6
  EXPECT_DOUBLE_EQ(gridStep(3e-5), 5e-7);
  EXPECT_DOUBLE_EQ(gridStep(2.2e-12), 2e-14);
  EXPECT_DOUBLE_EQ(gridStep(1.5e15), 1e14);  // as 150000000000000 gives 1e13
  EXPECT_DOUBLE_EQ(gridStep(9e20), 5e19);
}

TEST(GridStep, GoesByTheFifteenDigitTextOfTheTotal) {
  EXPECT_DOUBLE_EQ(gridStep(std::nextafter(100.0, 0.0)), 10);  // its text is "100"
}

TEST(GridStep, GivesEveryTotalOfOneKilometreOrMoreSevenToTwentyGridLines) {
  for (double total = 1; total < 1e6; total *= 1.037) {
    const double lines = std::floor(total / gridStep(total)) + 1;
    EXPECT_GE(lines, 7) << total;
    EXPECT_LE(lines, 20) << total;
  }
}

TEST(GridStep, GivesNoGridForATotalThatIsNotAPositiveNumber) {
  EXPECT_EQ(gridStep(0), 0);
  EXPECT_EQ(gridStep(-5), 0);
  EXPECT_EQ(gridStep(std::nan("")), 0);
  EXPECT_EQ(gridStep(std::numeric_limits<double>::infinity()), 0);
}

TEST(GridStep, GivesNoGridWhenTheStepWouldBeTooSmallForADouble) {
  EXPECT_EQ(gridStep(std::numeric_limits<double>::denorm_min()), 0);
}

TEST(GridStep, StaysPositiveAndFiniteUpToTheLargestTotal) {
  const double step = gridStep(std::numeric_limits<double>::max());
  EXPECT_GT(step, 0);
  EXPECT_TRUE(std::isfinite(step));
}

}  // namespace
}  // namespace vianora
