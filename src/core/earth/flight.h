#pragma once

#include <functional>

#include "core/earth/i_application_ge.h"
#include "core/store/percorso.h"
#include "core/util/wait_seconds.h"

namespace vianora {

/// What a fly-through needs from the window it runs in.
struct FlightHooks {
  /// Lets the window process pending events.
  std::function<void()> pumpEvents;
  /// True once the flight must end (the button pressed again, Cancel, the window closing).
  /// Asked after every pump, before anything the pump may have freed is touched.
  std::function<bool()> stopRequested;
  /// The trip of the window's last "Refresh", or nullptr when there is none. Asked anew at
  /// every step: "Refresh" may choose another trip during the flight.
  std::function<const Percorso*()> trip;
  /// Seconds on a clock that only moves forward.
  std::function<double()> clock = steadyClockSeconds;
};

/// How long Google Earth may take to become ready, in seconds.
inline constexpr double kReadinessLimitSeconds = 120.0;
/// The pause after each point of the flight, in seconds.
inline constexpr double kSecondsPerPoint = 0.1;

enum class ReadinessResult {
  Ready,     ///< IsInitialized answered non-zero
  TimedOut,  ///< no answer within kReadinessLimitSeconds
  Stopped,   ///< the flight was stopped while waiting
};

/// Asks IsInitialized until it answers non-zero, processing events between two questions,
/// for at most kReadinessLimitSeconds.
ReadinessResult waitUntilReady(IApplicationGE& earth, const FlightHooks& hooks);

enum class FlightResult {
  Completed,    ///< every point was flown
  Stopped,      ///< the flight was stopped
  TripChanged,  ///< the trip of the last "Refresh" has no next point any more
};

/// Sends the camera to every point of the trip in turn, from point 0, with the fixed camera
/// values of flightCameraParams, and waits kSecondsPerPoint after each. The number of points
/// is taken once at the start; the trip and its point are read anew at every step.
FlightResult flyTrip(IApplicationGE& earth, const FlightHooks& hooks);

}  // namespace vianora
