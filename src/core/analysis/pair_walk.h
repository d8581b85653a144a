#pragma once

#include <cstddef>
#include <vector>

#include "core/analysis/distanza.h"
#include "core/store/punto.h"

namespace vianora {

/// True when a pair of points counts: both altitudes other than exactly 0.
inline bool pairCounts(const Punto& a, const Punto& b) {
  return a.Altitudine != 0 && b.Altitudine != 0;
}

/// True when both points of a pair carry a time (a day number other than 0).
inline bool pairTimed(const Punto& a, const Punto& b) { return a.DataOra != 0 && b.DataOra != 0; }

/// A point of a trip with the distance of the counting pairs run up to it, adding the pairs in
/// the statistics' order so that the totals agree to the last bit.
struct TripCursor {
  std::size_t index = 0;
  double km = 0.0;

  /// Moves to the next point; there must be one.
  void advance(const std::vector<Punto>& points) {
    const Punto& a = points[index];
    const Punto& b = points[index + 1];
    if (pairCounts(a, b)) km += Distanza(b, a);
    ++index;
  }
};

}  // namespace vianora
