#pragma once

namespace vianora {

/// Seconds on a clock that only moves forward (midnight does not reset it).
double steadyClockSeconds();

}  // namespace vianora
