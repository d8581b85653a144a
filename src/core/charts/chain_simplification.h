#pragma once

#include <vector>

#include "core/charts/chart_picture.h"

namespace vianora {

/// A map of ten million points draws segments of about a twip, wandering across columns at
/// nearly every step, so gathering them per column leaves them all. This keeps a point of a
/// chain only when it lies at least minStep twips (straight-line distance) from the last point
/// kept; the first and the last point of each run are always kept. Hidden lines are left out.
/// A run is a sequence of visible lines each starting where the visible line before it
/// ended, so the chain breaks where a hidden line took it elsewhere. Each line drawn takes the pen
/// (colour, width, style) of the last line it covers. Every point left out lies within minStep of
/// the start of the line drawn over it.
std::vector<ChartLine> simplifyChains(const std::vector<ChartLine>& lines, double minStep);

}  // namespace vianora
