#include "core/charts/grid_step.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {
namespace {

using Limits = std::numeric_limits<double>;

TEST(GridStep, IsOneTwoOrFiveTimesAPowerOfTenReadFromTheTotalsText) {
  // {total, step}: one power of ten below the leading digit from 1 km on, two below it under
  // 1 km, also in exponent form; 99.99999999999999 is "100" in fifteen digits. No grid for a
  // total that is not positive and finite, nor for a step below the smallest double.
  const double nearly100 = std::nextafter(100.0, 0.0), largest = Limits::max();
  const double nan = Limits::quiet_NaN(), inf = Limits::infinity(), tiny = Limits::denorm_min();
  const double cases[][2] = {
      {123.4, 10},      {250.7, 20},    {38.2, 5},       {7.3, 0.5},       {12, 1},
      {1, 0.1},         {7, 0.5},       {100, 10},       {250, 20},        {1.5e14, 1e13},
      {0.75, 0.005},    {0.15, 0.001},  {0.00025, 2e-6}, {1.5e-5, 1e-7},   {3e-5, 5e-7},
      {2.2e-12, 2e-14}, {1.5e15, 1e14}, {9e20, 5e19},    {largest, 1e307}, {nearly100, 10},
      {0, 0},           {-5, 0},        {nan, 0},        {inf, 0},         {tiny, 0},
  };
  for (const auto& [total, step] : cases) EXPECT_DOUBLE_EQ(gridStep(total), step) << total;
}

}  // namespace
}  // namespace vianora
