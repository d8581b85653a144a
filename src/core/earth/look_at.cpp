#include "core/earth/look_at.h"

#include <algorithm>
#include <cmath>

namespace vianora {
namespace {

double finiteOrZero(double value) { return std::isfinite(value) ? value : 0.0; }

double within(double value, double low, double high) {
  return std::clamp(finiteOrZero(value), low, high);
}

}  // namespace

AltitudeMode altitudeModeOf(std::int32_t altMode) {
  switch (altMode) {
    case 1:
      return AltitudeMode::RelativeToGround;
    case 2:
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
  view.longitude = within(params.lon, -180.0, 180.0);
  view.latitude = within(params.lat, -90.0, 90.0);
  view.altitude = finiteOrZero(params.alt);
  // A whole turn more or less is the same heading; KML takes at most one.
  view.heading = std::fmod(finiteOrZero(params.azimuth), 360.0);
  view.tilt = within(params.tilt, 0.0, 90.0);
  view.range = std::max(0.0, finiteOrZero(params.range));
  view.altitudeMode = altitudeModeOf(params.altMode);
  return view;
}

}  // namespace vianora
