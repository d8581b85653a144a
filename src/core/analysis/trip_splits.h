#pragma once

#include <vector>

#include "core/analysis/trip_details.h"

namespace vianora {

/// Cuts the counting distance of a trip into splits of kSplitKm and the remainder. A boundary
/// inside a pair cuts it: its time and altitude are taken as changing linearly along its
/// distance. Pairs that do not count add nothing, as to the distance. A split's time is given
/// when `timed` (the trip has a timed counting pair); untimed pairs add none.
std::vector<Split> splitTrip(const std::vector<Punto>& points, bool timed);

}  // namespace vianora
