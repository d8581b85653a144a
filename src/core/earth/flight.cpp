#include "core/earth/flight.h"

#include "core/earth/camera_params.h"

namespace vianora {

ReadinessResult waitUntilReady(IApplicationGE& earth, const FlightHooks& hooks) {
  const double start = hooks.clock();
  while (earth.IsInitialized() == 0) {
    hooks.pumpEvents();
    if (hooks.stopRequested()) return ReadinessResult::Stopped;
    if (hooks.clock() - start > kReadinessLimitSeconds) return ReadinessResult::TimedOut;
  }
  return ReadinessResult::Ready;
}

FlightResult flyTrip(IApplicationGE& earth, const FlightHooks& hooks) {
  const Percorso* trip = hooks.trip();
  if (trip == nullptr || trip->Punti.empty()) return FlightResult::TripChanged;
  // A size_t counter: trips longer than any 16-bit count are flown to their end.
  const std::size_t pointCount = trip->Punti.size();
  for (std::size_t i = 0; i < pointCount; ++i) {
    hooks.pumpEvents();
    if (hooks.stopRequested()) return FlightResult::Stopped;
    trip = hooks.trip();
    if (trip == nullptr || i >= trip->Punti.size()) return FlightResult::TripChanged;
    const CameraParams camera = flightCameraParams(trip->Punti[i]);
    earth.SetCameraParams(camera.lat, camera.lon, camera.alt, camera.altMode, camera.range,
                          camera.tilt, camera.azimuth, camera.speed);
    WaitSeconds(kSecondsPerPoint, hooks.pumpEvents, hooks.clock);
    if (hooks.stopRequested()) return FlightResult::Stopped;
  }
  return FlightResult::Completed;
}

}  // namespace vianora
