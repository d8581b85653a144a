#pragma once

#include <cmath>

#include "core/store/punto.h"

namespace vianora {

/// The square of the kilometres one degree of latitude or longitude counts as (sqrt(8000),
/// about 89.44 km): it scales the squared differences of degrees.
inline constexpr double kSquaredKmPerDegree = 8000.0;
inline constexpr double kMetresPerKm = 1000.0;

/// Distance in kilometres between two track points: a flat approximation in which one degree
/// of latitude or longitude is sqrt(8000) km everywhere, with the altitude difference as a
/// third, vertical component. The order of the points does not matter.
inline double Distanza(const Punto& a, const Punto& b) {
  const double dLon = b.Longitudine - a.Longitudine;
  const double t1 = dLon * dLon * kSquaredKmPerDegree;
  const double dLat = b.Latitudine - a.Latitudine;
  const double t2 = dLat * dLat * kSquaredKmPerDegree;
  const double s = t2 + t1;
  const double dAlt = (b.Altitudine - a.Altitudine) / kMetresPerKm;
  const double t3 = dAlt * dAlt;
  return std::sqrt(t3 + s);
}

}  // namespace vianora
