#include "core/earth/camera_params.h"

namespace vianora {
namespace {

// The fly-through's camera, the same over every point: a kilometre above the ground under the
// point and a kilometre away from it, looking straight down with north up.
constexpr double kFlightAltitudeMetres = 1000.0;
constexpr double kFlightRangeMetres = 1000.0;
constexpr double kFlightTiltDegrees = 0.0;
constexpr double kFlightAzimuthDegrees = 0.0;
// A quick flight, for points a tenth of a second apart.
constexpr double kFlightSpeed = 4.0;

}  // namespace

CameraParams flightCameraParams(const Punto& point) {
  CameraParams params;
  params.lat = point.Latitudine;
  params.lon = point.Longitudine;
  params.alt = kFlightAltitudeMetres;
  params.altMode = kAltModeRelativeToGround;
  params.range = kFlightRangeMetres;
  params.tilt = kFlightTiltDegrees;
  params.azimuth = kFlightAzimuthDegrees;
  params.speed = kFlightSpeed;
  return params;
}

}  // namespace vianora
