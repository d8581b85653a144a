#pragma once

#include <cstddef>
#include <optional>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_scales.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/chart_view.h"
#include "core/charts/map_point_lookup.h"
#include "core/charts/point_lookup.h"
#include "core/charts/route_map.h"
#include "core/store/percorso.h"
#include "core/util/number_format.h"

namespace vianora {

/// What one "Refresh" fixes for the overlays of a trip's charts: the trip, its statistics,
/// the profile's axes as laid out and as drawn, the point lookups and the map's scale.
struct ChartedTripView {
  const Percorso* trip = nullptr;
  const TripStatistics* stats = nullptr;
  ProfileAxes layoutAxes;  ///< the Profile surface's axes before the drawing
  ProfileAxes drawnAxes;   ///< as the profile drawing left them (the Distance chart's frame)
  const TripPointLookup* points = nullptr;
  const MapPointLookup* mapPoints = nullptr;
  double mapTwipsPerDegree = 0;  ///< the whole map's scale; 0 when the map is empty
  Separators separators;
  TextMetrics text;
};

/// The x range a chart's plot spans (picture twips), which its zoom keeps to.
struct PlotSpan {
  double left = 0, right = 0;
};
PlotSpan profilePlotSpan(const ChartedTripView& charted);
PlotSpan progressPlotSpan(const ChartedTripView& charted);

/// The overlays drawn over each chart as a view shows it: the value scales (the profile's only
/// for the curves shown), the map's scale bar, legend and start and end markers, and the cursor
/// at `cursor` (a line and the point's readout on the Profile and Distance charts, a ring and
/// the readout on the map) where the view shows that point.
ChartPicture profileOverlay(const ChartedTripView& charted, SurfaceSize surface,
                            const ChartView& view, bool altitudeShown, bool speedShown,
                            std::optional<std::size_t> cursor);
ChartPicture progressOverlay(const ChartedTripView& charted, SurfaceSize surface,
                             const ChartView& view, std::optional<std::size_t> cursor);
ChartPicture mapOverlay(const ChartedTripView& charted, SurfaceSize surface,
                        const ChartView& view, MapColouring colouring,
                        std::optional<std::size_t> cursor);

/// The point under the mouse at a shown place (twips): on the Profile the nearest by
/// distance, on the Distance chart by elapsed time, each only inside its plot; on the map the
/// nearest within radius shown twips.
std::optional<std::size_t> profilePointAt(const ChartedTripView& charted, const ChartView& view,
                                          double shownX);
std::optional<std::size_t> progressPointAt(const ChartedTripView& charted, const ChartView& view,
                                           double shownX);
std::optional<std::size_t> mapPointAt(const ChartedTripView& charted, const ChartView& view,
                                      double shownX, double shownY, double radius);

/// Appends an overlay to a picture for one drawing (an SVG file): its boxes after the
/// picture's, its lines as one more set (none when it has none), its labels last. Boxes paint
/// first in a drawing, so there the picture's lines cross the overlay's grounds.
void mergeOverlay(ChartPicture& picture, const ChartPicture& overlay);

}  // namespace vianora
