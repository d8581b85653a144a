#pragma once

#include "core/earth/camera_params.h"

namespace vianora {

/// How a KML view's altitude is measured.
enum class AltitudeMode {
  ClampToGround,     ///< altitude ignored: KML's default
  RelativeToGround,  ///< metres above the ground under the point
  Absolute,          ///< metres above sea level
};

/// A KML LookAt: the camera looks at a point from a distance, in KML's units and ranges.
struct LookAt {
  double longitude = 0.0;  ///< decimal degrees, -180 to 180
  double latitude = 0.0;   ///< decimal degrees, -90 to 90
  double altitude = 0.0;   ///< metres, measured as altitudeMode says
  double heading = 0.0;    ///< degrees clockwise from north, -360 to 360
  double tilt = 0.0;       ///< degrees from straight down, 0 to 90
  double range = 0.0;      ///< metres from the point, never negative
  AltitudeMode altitudeMode = AltitudeMode::ClampToGround;
};

/// The altitude mode of SetCameraParams' altMode: 1 relative to the ground, 2 absolute; any
/// other value leaves the altitude to the ground, as KML does when no mode is given.
AltitudeMode altitudeModeOf(std::int32_t altMode);

/// KML's name of an altitude mode ("relativeToGround", ...).
const char* altitudeModeName(AltitudeMode mode);

/// The LookAt that shows the camera of `params`: heading = azimuth. Values outside KML's
/// ranges are brought into them and values that are not numbers become 0, so that the view
/// always reads as valid KML. The speed has no KML counterpart: a network link's fly-to always
/// flies at Google Earth's own fly-to speed, so it is not used.
LookAt lookAtOf(const CameraParams& params);

}  // namespace vianora
