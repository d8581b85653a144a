#pragma once

#include <cstddef>
#include <functional>

#include "core/earth/i_application_ge.h"
#include "core/store/percorso.h"

namespace vianora {

/// How long Google Earth may take to become ready, in seconds.
inline constexpr double kReadinessLimitSeconds = 120.0;
/// The pause after each point of the flight, in seconds.
inline constexpr double kSecondsPerPoint = 0.1;

/// Where a flight is: waiting, flying, or one of the three ways it ends.
enum class FlightState {
  Waiting,      ///< for IsInitialized to answer non-zero
  Flying,       ///< sending the points one after the other
  Completed,    ///< every point was flown
  TimedOut,     ///< Google Earth was not ready within kReadinessLimitSeconds
  TripChanged,  ///< the trip of the last "Refresh" has no next point (or there is none)
};

/// One fly-through, moved on by its owner, step by step: each step does what is due and
/// returns at once, so the window stays responsive between two steps without waiting inside
/// one.
///
/// It asks IsInitialized until it answers non-zero, for at most kReadinessLimitSeconds; then
/// it sends the camera to every point of the trip in turn, from point 0, with the fixed values
/// of flightCameraParams, and lets more than kSecondsPerPoint pass after each. The number of
/// points is taken once, when Google Earth is ready; the trip and its point are read anew for
/// every point, as "Refresh" may choose another trip during the flight.
class Flight {
 public:
  /// `trip` gives the trip of the window's last "Refresh", nullptr when there is none.
  /// `start`: when the wait for Google Earth began, in seconds on the clock of step().
  Flight(IApplicationGE& earth, std::function<const Percorso*()> trip, double start);

  /// Does what is due at `now` (seconds on a clock that only moves forward): at most one
  /// question to Google Earth or one point. An ended flight does nothing.
  FlightState step(double now);

  FlightState state() const { return state_; }
  bool ended() const { return state_ != FlightState::Waiting && state_ != FlightState::Flying; }

 private:
  void waitForEarth(double now);
  void flyNextPoint(double now);

  IApplicationGE& earth_;
  std::function<const Percorso*()> trip_;
  double start_;
  FlightState state_ = FlightState::Waiting;
  // A size_t count: trips longer than any 16-bit count are flown to their end.
  std::size_t pointCount_ = 0;  // taken when Google Earth is ready
  std::size_t next_ = 0;        // the point to fly next
  double lastPointAt_ = 0.0;    // when point next_ - 1 was sent
};

}  // namespace vianora
