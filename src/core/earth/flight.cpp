#include "core/earth/flight.h"

#include "core/earth/camera_params.h"

namespace vianora {

Flight::Flight(IApplicationGE& earth, std::function<const Percorso*()> trip, double start)
    : earth_(earth), trip_(std::move(trip)), start_(start) {}

FlightState Flight::step(double now) {
  if (state_ == FlightState::Waiting)
    waitForEarth(now);
  else if (state_ == FlightState::Flying)
    flyNextPoint(now);
  return state_;
}

// The limit is looked at before each question but the first: an answer at the last moment
// is still in time.
void Flight::waitForEarth(double now) {
  if (now - start_ > kReadinessLimitSeconds) {
    state_ = FlightState::TimedOut;
    return;
  }
  if (earth_.IsInitialized() == 0) return;
  const Percorso* trip = trip_();
  if (trip == nullptr || trip->Punti.empty()) {
    state_ = FlightState::TripChanged;
    return;
  }
  pointCount_ = trip->Punti.size();
  state_ = FlightState::Flying;
}

void Flight::flyNextPoint(double now) {
  if (next_ > 0 && !(now - lastPointAt_ > kSecondsPerPoint)) return;
  if (next_ == pointCount_) {
    state_ = FlightState::Completed;
    return;
  }
  const Percorso* trip = trip_();
  if (trip == nullptr || next_ >= trip->Punti.size()) {
    state_ = FlightState::TripChanged;
    return;
  }
  const CameraParams camera = flightCameraParams(trip->Punti[next_]);
  earth_.SetCameraParams(camera.lat, camera.lon, camera.alt, camera.altMode, camera.range,
                         camera.tilt, camera.azimuth, camera.speed);
  lastPointAt_ = now;
  ++next_;
}

}  // namespace vianora
