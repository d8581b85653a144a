#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_surfaces.h"
#include "core/store/percorso.h"

namespace vianora {

/// What the map's segments are coloured by: the "Coloration" option buttons.
enum class MapColouring { Altitude, Speed };

/// The map's only line set: one segment per pair of consecutive points, in point order. The
/// segment from point i - 1 to point i is element i - 1 of the set, so a trip of n points
/// gives n - 1 segments (none when the map cannot be scaled). There are no axes, grid lines
/// or labels.
inline constexpr std::size_t kSegmentsSet = 0;

/// Room left free on each side of the map, twips.
inline constexpr double kMapMargin = 200.0;

/// Pen width of the map's segments.
inline constexpr std::uint8_t kMapLineWidth = 2;

/// The segment of the map that ends at point i (i >= 1).
inline constexpr std::size_t segmentEndingAt(std::size_t pointIndex) { return pointIndex - 1; }

/// Where the map puts a point: x = (longitude - westLongitude) * scale + kMapMargin,
/// y = (northLatitude - latitude) * scale + kMapMargin.
struct MapPlacement {
  double northLatitude = 0;  ///< latitude drawn at the top margin
  double westLongitude = 0;  ///< longitude drawn at the left margin
  double scale = 0;          ///< twips per degree, the same for both axes
};

/// The placement of the map of a trip on a surface, or none when the map cannot be scaled
/// (it is then empty).
std::optional<MapPlacement> mapPlacementFor(const Percorso& trip, const TripStatistics& stats,
                                            SurfaceSize surface);

/// Draws the trip seen from above, north up, with one scale in twips per degree for latitude
/// and longitude: the bounding box of the counting points (the position extremes of the
/// statistics) fills the surface less its margins in the tighter direction, anchored at the
/// top left margin. Every pair of consecutive points is drawn, also pairs that the statistics
/// leave out; points outside the extremes may fall beyond the margins. When the extremes span
/// no latitude the longitude scale serves for both axes and vice versa; when they span
/// neither, or do not belong to the trip, the map is left empty. Colours as
/// ColoraGraficoCartina does.
ChartPicture AggiornaGraficoCartina(const Percorso& trip, const TripStatistics& stats,
                                    SurfaceSize surface, MapColouring colouring);

/// Recolours the segments of a map drawn for this trip, leaving their positions: by altitude,
/// a segment takes the colour of the altitude of the point it ends at; by speed, its own
/// speed. A picture that holds no map of this trip's size (nothing drawn yet, or an empty
/// map) is left unchanged.
void ColoraGraficoCartina(ChartPicture& picture, const Percorso& trip, const TripStatistics& stats,
                          MapColouring colouring);

}  // namespace vianora
