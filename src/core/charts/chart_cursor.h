#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_scales.h"
#include "core/charts/point_lookup.h"
#include "core/store/percorso.h"
#include "core/util/number_format.h"

namespace vianora {

/// The readout of a point, one text per line:
///   "Point 1,234"            its number, counted from 1
///   "Distance 5.770 km"      the distance run up to it
///   "Altitude 219.6 m"       ("N.C." at a point without an altitude)
///   "Speed 7.460 km/h"       of the segment ending there ("N.C." at the first point,
///                            without times at either end or with equal ones; negative
///                            where the time goes backwards)
///   "Time 14:52:10"          its time of day ("N.C." without a time)
///   "Elapsed 00:05:35"       since the start point ("N.C." without a time or a start
///                            point; "-00:01:00" before the start point)
/// numbers as the statistics boxes show them. The point is one of the trip's, and the lookup
/// was built for this trip.
std::vector<std::string> pointReadout(const Percorso& trip, const TripStatistics& stats,
                                      const TripPointLookup& lookup, std::size_t point,
                                      const Separators& separators);

/// Adds the readout in a white box with a grey border, its top left corner a little right of and
/// below (x, y) (twips) or, where it would pass the surface's right or bottom edge, to the left
/// of or above it, kept inside the surface. Box width from the longest line (in characters) at
/// charWidth, height from the lines at lineHeight, with 30 twips of room on each side.
void addReadoutBox(ChartPicture& overlay, float x, float y, const std::vector<std::string>& readout,
                   SurfaceSize surface, const TextMetrics& text = {});

/// Adds a chart's cursor line, a line set of its own: vertical at x from top to bottom (twips).
void addCursorLine(ChartPicture& overlay, float x, float top, float bottom);

/// Adds a ring around the point at (x, y) (twips): the cursor's place on a curve or the map.
void addCursorRing(ChartPicture& overlay, float x, float y);

}  // namespace vianora
