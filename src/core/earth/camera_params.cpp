#include "core/earth/camera_params.h"

namespace vianora {

CameraParams flightCameraParams(const Punto& point) {
  CameraParams params;
  params.lat = point.Latitudine;
  params.lon = point.Longitudine;
  params.alt = 1000.0;
  params.altMode = 1;
  params.range = 1000.0;
  params.tilt = 0.0;
  params.azimuth = 0.0;
  params.speed = 4.0;
  return params;
}

}  // namespace vianora
