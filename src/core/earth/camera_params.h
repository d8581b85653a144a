#pragma once

#include <cstdint>

#include "core/store/punto.h"

namespace vianora {

/// SetCameraParams' altMode: the altitude is measured from the ground under the point.
inline constexpr std::int32_t kAltModeRelativeToGround = 1;
/// SetCameraParams' altMode: the altitude is measured from sea level.
inline constexpr std::int32_t kAltModeAbsolute = 2;

/// The eight inputs of SetCameraParams, in their order.
struct CameraParams {
  double lat = 0.0;                                 ///< decimal degrees
  double lon = 0.0;                                 ///< decimal degrees
  double alt = 0.0;                                 ///< metres
  std::int32_t altMode = kAltModeRelativeToGround;  ///< or kAltModeAbsolute
  double range = 0.0;    ///< metres from the camera to the point looked at
  double tilt = 0.0;     ///< degrees from straight down
  double azimuth = 0.0;  ///< degrees clockwise from north
  double speed = 0.0;    ///< how fast the camera flies there
};

/// The camera of the fly-through over one point: the point's latitude and longitude with the
/// same fixed altitude, range, tilt, azimuth and speed for every point. The point's own
/// altitude and time are not used.
CameraParams flightCameraParams(const Punto& point);

}  // namespace vianora
