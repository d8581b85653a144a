#pragma once

#include <functional>

namespace vianora {

/// Seconds on a clock that only moves forward (midnight does not reset it).
double steadyClockSeconds();

/// Waits until more than `seconds` have passed, calling pumpEvents between checks so that the
/// window stays responsive. The clock is checked once before the first pump. `clock` can be
/// replaced, so that long waits can be tested without waiting.
void WaitSeconds(double seconds, const std::function<void()>& pumpEvents,
                 const std::function<double()>& clock = steadyClockSeconds);

}  // namespace vianora
