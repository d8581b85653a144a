#include "core/earth/look_at.h"

#include <algorithm>
#include <cmath>

namespace vianora {
namespace {

// KML's ranges: longitudes up to 180 degrees either way, latitudes up to 90, tilts from
// straight down (0) to the horizon (90), headings less than one turn either way.
constexpr double kMaxLongitude = 180.0;
constexpr double kMaxLatitude = 90.0;
constexpr double kMaxTilt = 90.0;
constexpr double kDegreesPerTurn = 360.0;

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

double within(double value, double low, double high) {
  return std::clamp(finiteOrZero(value), low, high);
}

}  // namespace

AltitudeMode altitudeModeOf(std::int32_t altMode) {
  switch (altMode) {
    case kAltModeRelativeToGround:
      return AltitudeMode::RelativeToGround;
    case kAltModeAbsolute:
      return AltitudeMode::Absolute;
    default:
      return AltitudeMode::ClampToGround;
  }
}

const char* altitudeModeName(AltitudeMode mode) {
  switch (mode) {
    case AltitudeMode::RelativeToGround:
      return "relativeToGround";
    case AltitudeMode::Absolute:
      return "absolute";
    case AltitudeMode::ClampToGround:
      break;
  }
  return "clampToGround";
}

LookAt lookAtOf(const CameraParams& params) {
  LookAt view;
  view.longitude = within(params.lon, -kMaxLongitude, kMaxLongitude);
  view.latitude = within(params.lat, -kMaxLatitude, kMaxLatitude);
  view.altitude = finiteOrZero(params.alt);
  // A whole turn more or less is the same heading; KML takes at most one.
  view.heading = std::fmod(finiteOrZero(params.azimuth), kDegreesPerTurn);
  view.tilt = within(params.tilt, 0.0, kMaxTilt);
  view.range = std::max(0.0, finiteOrZero(params.range));
  view.altitudeMode = altitudeModeOf(params.altMode);
  return view;
}

}  // namespace vianora
