#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/analysis/trip_details.h"
#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_picture.h"
#include "core/charts/chart_scales.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/chart_view.h"
#include "core/charts/map_point_lookup.h"
#include "core/charts/point_lookup.h"
#include "core/charts/route_map.h"
#include "core/charts/web_mercator.h"
#include "core/store/percorso.h"
#include "core/util/number_format.h"

namespace vianora {

/// What one "Refresh" fixes for the overlays of a trip's charts: the trip, its statistics,
/// the profile's axes as laid out and as drawn, the point lookups and the map's scale; and
/// the stretch of the trip the user chose to mark, if any.
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
  std::optional<TripStretch> stretch;
};

/// How a marked stretch shows: a translucent band over the profile's plot at least
/// kLeastStretchBand twips wide (a pause covers hardly any distance), and a wide line along
/// the map's route, its points closer than kStretchStep twips to the last one kept left out.
inline constexpr Rgb kStretchColour = rgb(255, 140, 0);
inline constexpr std::uint8_t kStretchBandAlpha = 80;
inline constexpr double kLeastStretchBand = 30.0;
inline constexpr std::uint8_t kStretchLineWidth = 5;
inline constexpr float kStretchStep = 15.0f;

/// The x range a chart's plot spans (picture twips), which its zoom keeps to.
struct PlotSpan {
  double left = 0, right = 0;
};
PlotSpan profilePlotSpan(const ChartedTripView& charted);
PlotSpan progressPlotSpan(const ChartedTripView& charted);

/// The overlays drawn over each chart as a view shows it: the value scales (the profile's only
/// for the curves shown), the map's scale bar, legend and start and end markers, and the cursor
/// at `cursor` (a line and the point's readout on the Profile and Distance charts, a ring and
/// the readout on the map) where the view shows that point. The marked stretch comes first on
/// the profile (the band, boxes[0], cut at the plot's ends) and on the map (lineSets[0]).
ChartPicture profileOverlay(const ChartedTripView& charted, SurfaceSize surface,
                            const ChartView& view, bool altitudeShown, bool speedShown,
                            std::optional<std::size_t> cursor);
ChartPicture progressOverlay(const ChartedTripView& charted, SurfaceSize surface,
                             const ChartView& view, std::optional<std::size_t> cursor);
ChartPicture mapOverlay(const ChartedTripView& charted, SurfaceSize surface, const ChartView& view,
                        MapColouring colouring, std::optional<std::size_t> cursor);

/// The point under the mouse at a shown place (twips): on the Profile the nearest by
/// distance, on the Distance chart by elapsed time, each only inside its plot; on the map the
/// nearest within radius shown twips.
std::optional<std::size_t> profilePointAt(const ChartedTripView& charted, const ChartView& view,
                                          double shownX);
std::optional<std::size_t> progressPointAt(const ChartedTripView& charted, const ChartView& view,
                                           double shownX);
std::optional<std::size_t> mapPointAt(const ChartedTripView& charted, const ChartView& view,
                                      double shownX, double shownY, double radius);

/// The map over tiles: the points' world places, the view, the surface in pixels and the
/// source's attribution.
struct TiledMap {
  const std::vector<WorldPlace>* places = nullptr;
  MercatorView view;
  PixelSize surface;
  double twipsPerPixel = kTwipsPerPixel;
  std::string attribution;
};

/// How many units of a MapPointLookup built by worldLookupOf make the world's side: fine
/// enough for a pixel at zoom 16, within a float's exact integers.
inline constexpr double kWorldLookupUnits = 16777216.0;

/// The lookup of a tiled map's points: their world places in kWorldLookupUnits.
MapPointLookup worldLookupOf(const std::vector<WorldPlace>& places);

/// The overlay of the map over tiles: ground scale bar, legend, attribution, start and end
/// markers, and the cursor's ring and readout where the view shows the point.
ChartPicture tiledMapOverlay(const ChartedTripView& charted, const TiledMap& map,
                             SurfaceSize surface, MapColouring colouring,
                             std::optional<std::size_t> cursor);

/// The point of a tiled map nearest a shown place (twips) within radius (twips).
std::optional<std::size_t> tiledMapPointAt(const TiledMap& map, const MapPointLookup& world,
                                           double shownX, double shownY, double radius);

/// Appends an overlay to a picture for one drawing (an SVG file): its boxes after the
/// picture's, its lines as one more set (none when it has none), its labels last. Boxes paint
/// first in a drawing, so there the picture's lines cross the overlay's grounds.
void mergeOverlay(ChartPicture& picture, const ChartPicture& overlay);

}  // namespace vianora
