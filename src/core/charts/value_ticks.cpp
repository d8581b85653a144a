#include "core/charts/value_ticks.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vianora {

namespace {

constexpr double kMostTicks = 8;
constexpr double kMantissas[] = {1, 2, 5};
/// How far past an end a multiple may fall and still count, in steps: 0.1 * 3 lands a hair
/// above 0.3, and the tick at 0.3 must not be lost to that.
constexpr double kEndTolerance = 1e-9;
/// Powers of ten a double can hold as a step.
constexpr int kLowestExponent = -323;
constexpr int kHighestExponent = 308;

/// The first and last multiple k of step inside low..high.
std::pair<double, double> multiplesWithin(double low, double high, double step) {
  return {std::ceil(low / step - kEndTolerance), std::floor(high / step + kEndTolerance)};
}

}  // namespace

// Powers of ten up to 1E+22 are exact doubles: dividing by one rounds once.
double timesPowerOfTen(double mantissa, int exponent) {
  constexpr int kLargestExactPower = 22;
  if (exponent < 0 && exponent >= -kLargestExactPower) {
    return mantissa / std::pow(10.0, -exponent);
  }
  return mantissa * std::pow(10.0, exponent);
}

ValueTicks roundTicks(double low, double high) {
  ValueTicks ticks;
  if (!std::isfinite(low) || !std::isfinite(high)) return ticks;
  if (low > high) std::swap(low, high);
  if (low == high) {
    ticks.values.push_back(low);
    return ticks;
  }
  // Halves first: the span of -1E+308..1E+308 is beyond a double.
  const double eighth = (high / 2 - low / 2) / (kMostTicks / 2);
  const int start = eighth > 0 ? static_cast<int>(std::floor(std::log10(eighth))) : kLowestExponent;
  for (int exponent = std::max(start, kLowestExponent); exponent <= kHighestExponent; ++exponent) {
    for (double mantissa : kMantissas) {
      const double step = timesPowerOfTen(mantissa, exponent);
      if (!(step > 0) || !std::isfinite(step)) continue;
      const auto [first, last] = multiplesWithin(low, high, step);
      if (last - first + 1 > kMostTicks) continue;
      ticks.step = step;
      for (double k = first; k <= last; ++k) ticks.values.push_back(k * step);
      return ticks;
    }
  }
  return ticks;
}

}  // namespace vianora
