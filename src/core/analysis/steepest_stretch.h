#pragma once

#include <optional>

#include "core/analysis/trip_details.h"

namespace vianora {

/// The steepest climb and the steepest descent of a trip.
struct SteepestStretches {
  std::optional<Gradient> climb;
  std::optional<Gradient> descent;
};

/// For each point of a counting pair, the shortest stretch from it that reaches
/// kGradientStretchKm of counting distance (it ends at a point of a counting pair too); the
/// steepest of these uphill and downhill. On ties the earlier stretch stays. Two cursors walk
/// the points once each: no allocation.
SteepestStretches findSteepestStretches(const std::vector<Punto>& points);

}  // namespace vianora
