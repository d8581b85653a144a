#pragma once

#include <vector>

namespace vianora {

/// The ticks of a value scale: a round step (1, 2 or 5 x 10^n) and the multiples of it that
/// lie within the range, lowest first.
struct ValueTicks {
  double step = 0;
  std::vector<double> values;
};

/// Round ticks over low..high (either order): the smallest round step that gives at most eight
/// ticks, so that a range gets five to eight of them where a round step allows it. A flat range
/// (low equal to high) gets one tick at its value and step 0; a range that is not finite gets
/// none. Tick values are exact multiples of the step (k * step, not sums).
ValueTicks roundTicks(double low, double high);

/// mantissa x 10^exponent as close as a double holds it (0.1 * 3 is not 0.3, 3 / 10 is).
double timesPowerOfTen(double mantissa, int exponent);

}  // namespace vianora
