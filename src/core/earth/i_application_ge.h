#pragma once

#include <cstdint>

namespace vianora {

/// The two operations of Google Earth's camera that the fly-through uses, whatever carries
/// them to Google Earth.
class IApplicationGE {
 public:
  virtual ~IApplicationGE() = default;

  /// Non-zero once Google Earth is ready to take camera positions. Never blocks.
  virtual std::int32_t IsInitialized() = 0;

  /// Sends the camera to look at lat, lon (decimal degrees) from `range` metres, `alt` metres
  /// up (altMode 1: above the ground, 2: above sea level), tilted `tilt` degrees from straight
  /// down and turned `azimuth` degrees from north; `speed` is how fast to fly there. Returns at
  /// once: the camera moves on its own.
  virtual void SetCameraParams(double lat, double lon, double alt, std::int32_t altMode,
                               double range, double tilt, double azimuth, double speed) = 0;
};

}  // namespace vianora
