#include "core/charts/value_ticks.h"

#include <gtest/gtest.h>

#include <limits>

namespace vianora {
namespace {

TEST(RoundTicks, TakesTheSmallestRoundStepGivingAtMostEightTicks) {
  // {low, high, step, first tick, last tick, ticks}. 0..0.3 in 0.05 keeps its top tick although
  // 0.3 / 0.05 falls a hair short of 6; 0..7 in 1 has exactly eight ticks, 0..8 in 1 nine.
  // Ranges that are not finite get none; -1E+308..1E+308 spans more than a double holds.
  const double inf = std::numeric_limits<double>::infinity();
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double cases[][6] = {
      {0, 0.4, 0.1, 0, 0.4, 5},
      {0, 0.3, 0.05, 0, 0.3, 7},
      {763, 1017, 50, 800, 1000, 5},
      {0, 5.97, 1, 0, 5, 6},
      {-12, 35, 10, -10, 30, 5},
      {35, -12, 10, -10, 30, 5},
      {0, 7, 1, 0, 7, 8},
      {0, 8, 2, 0, 8, 5},
      {92.0, 219.6, 20, 100, 200, 6},
      {5, 5, 0, 5, 5, 1},
      {1, 1.000001, 2e-7, 1, 1.000001, 6},
      {0, 3e-9, 5e-10, 0, 3e-9, 7},
      {-1e308, 1e308, 5e307, -1e308, 1e308, 5},
      {nan, 1, 0, 0, 0, 0},
      {0, inf, 0, 0, 0, 0},
      {-inf, inf, 0, 0, 0, 0},
  };
  for (const auto& [low, high, step, first, last, count] : cases) {
    const ValueTicks ticks = roundTicks(low, high);
    SCOPED_TRACE(testing::Message() << low << ".." << high);
    EXPECT_DOUBLE_EQ(ticks.step, step);
    ASSERT_EQ(static_cast<double>(ticks.values.size()), count);
    if (count == 0) continue;
    EXPECT_DOUBLE_EQ(ticks.values.front(), first);
    EXPECT_DOUBLE_EQ(ticks.values.back(), last);
  }
}

}  // namespace
}  // namespace vianora
