#include "core/charts/chart_overlays.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "core/charts/chart_cursor.h"
#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"

namespace vianora {

namespace {

// Inside the plot, its ends included: the last point's x is computed back from the scale and
// may land a rounding error past the right end.
bool inside(double x, PlotSpan span) {
  constexpr double kRounding = 1e-6;  // twips
  return x >= span.left - kRounding && x <= span.right + kRounding;
}

std::vector<std::string> readoutOf(const ChartedTripView& charted, std::size_t point) {
  return pointReadout(*charted.trip, *charted.stats, *charted.points, point, charted.separators);
}

// The cursor on a chart: its line over the plot's height, a ring at the point on the curve
// when it is drawn there, and the point's readout beside the line's top.
void addChartCursor(ChartPicture& overlay, const ChartedTripView& charted, std::size_t point,
                    double x, std::optional<double> y, const ProfileAxes& axes,
                    SurfaceSize surface) {
  const auto fx = static_cast<float>(x);
  addCursorLine(overlay, fx, axes.lineY.y1, axes.lineX.y1);
  if (y) addCursorRing(overlay, fx, static_cast<float>(*y));
  addReadoutBox(overlay, fx, axes.lineY.y1, readoutOf(charted, point), surface, charted.text);
}

bool hasPoint(const ChartedTripView& charted, std::optional<std::size_t> point) {
  return point && charted.points != nullptr && *point < charted.points->size();
}

// The marked stretch on the profile: a band over the plot's height between the distances run
// to its first and last point, under everything else of the overlay.
void addProfileStretch(ChartPicture& overlay, const ChartedTripView& charted,
                       const ProfilePlot& plot, const ChartView& view) {
  if (!charted.stretch || charted.points == nullptr) return;
  const TripStretch& s = *charted.stretch;
  if (s.firstPoint > s.lastPoint || s.lastPoint >= charted.points->size()) return;
  const auto xOf = [&](std::size_t point) {
    return view.shownX(plot.x0 + charted.points->distanceRun(point) * plot.xScale);
  };
  const double widen = std::max(0.0, kLeastStretchBand - (xOf(s.lastPoint) - xOf(s.firstPoint)));
  const PlotSpan span = profilePlotSpan(charted);
  const double left = std::max(xOf(s.firstPoint) - widen / 2, span.left);
  const double right = std::min(xOf(s.lastPoint) + widen / 2, span.right);
  if (!(right > left)) return;
  ChartBox band;
  band.left = static_cast<float>(left);
  band.width = static_cast<float>(right - left);
  band.top = charted.layoutAxes.lineY.y1;
  band.height = charted.layoutAxes.lineX.y1 - charted.layoutAxes.lineY.y1;
  band.fill = kStretchColour;
  band.fillAlpha = kStretchBandAlpha;
  band.borderWidth = 0;
  overlay.boxes.insert(overlay.boxes.begin(), band);
}

// The marked stretch along a map's route, `shown(i)` being where point i of `count` stands.
template <typename Shown>
void addMapStretch(ChartPicture& overlay, const ChartedTripView& charted, std::size_t count,
                   Shown shown) {
  if (!charted.stretch || charted.stretch->firstPoint >= count) return;
  const std::size_t first = charted.stretch->firstPoint;
  const std::size_t last = std::min(charted.stretch->lastPoint, count - 1);
  std::vector<ChartLine> route;
  PicturePlace from = shown(first);
  for (std::size_t i = first + 1; i <= last; ++i) {
    const PicturePlace to = shown(i);
    if (i != last && std::abs(to.x - from.x) + std::abs(to.y - from.y) < kStretchStep) continue;
    route.push_back(ChartLine{from.x, from.y, to.x, to.y, kStretchColour, kStretchLineWidth});
    from = to;
  }
  overlay.lineSets.insert(overlay.lineSets.begin(), std::move(route));
}

// A map's start and end markers, and the cursor's ring and readout where the view shows its
// point; `shown(i)` is where point i of `count` stands on the surface. A point the view has
// left shows no cursor: its readout would stand at the edge, far from the point.
template <typename Shown>
void addMapMarks(ChartPicture& overlay, const ChartedTripView& charted, std::size_t count,
                 Shown shown, SurfaceSize surface, std::optional<std::size_t> cursor) {
  const PicturePlace start = shown(0);
  const PicturePlace end = shown(count - 1);
  addTripMarkers(overlay, start.x, start.y, end.x, end.y);
  if (!cursor || *cursor >= count || !hasPoint(charted, cursor)) return;
  const PicturePlace at = shown(*cursor);
  if (at.x < 0 || at.y < 0 || at.x > surface.width || at.y > surface.height) return;
  addCursorRing(overlay, at.x, at.y);
  addReadoutBox(overlay, at.x, at.y, readoutOf(charted, *cursor), surface, charted.text);
}

}  // namespace

PlotSpan profilePlotSpan(const ChartedTripView& charted) {
  return {charted.layoutAxes.lineY.x1, charted.layoutAxes.lineX.x2};
}

PlotSpan progressPlotSpan(const ChartedTripView& charted) {
  return {charted.drawnAxes.lineY.x1, charted.drawnAxes.lineX.x2};
}

ChartPicture profileOverlay(const ChartedTripView& charted, SurfaceSize surface,
                            const ChartView& view, bool altitudeShown, bool speedShown,
                            std::optional<std::size_t> cursor) {
  ChartPicture overlay = profileScales(charted.layoutAxes, *charted.stats, surface, altitudeShown,
                                       speedShown, charted.separators.decimal, charted.text);
  const std::optional<ProfilePlot> plot = profilePlotFor(charted.layoutAxes, *charted.stats);
  if (plot) addProfileStretch(overlay, charted, *plot, view);
  if (!plot || !hasPoint(charted, cursor)) return overlay;
  const Punto& p = charted.trip->Punti[*cursor];
  const double x = view.shownX(plot->x0 + charted.points->distanceRun(*cursor) * plot->xScale);
  if (!inside(x, profilePlotSpan(charted))) return overlay;
  std::optional<double> y;
  if (altitudeShown && p.Altitudine != 0)
    y = plot->base - (p.Altitudine - plot->amin) * plot->altScale;
  addChartCursor(overlay, charted, *cursor, x, y, charted.layoutAxes, surface);
  return overlay;
}

ChartPicture progressOverlay(const ChartedTripView& charted, SurfaceSize surface,
                             const ChartView& view, std::optional<std::size_t> cursor) {
  ChartPicture overlay = progressScales(charted.drawnAxes, *charted.stats, surface,
                                        charted.separators.decimal, charted.text);
  const std::optional<ProgressPlot> plot = progressPlotFor(*charted.stats, charted.drawnAxes);
  if (!plot || !hasPoint(charted, cursor)) return overlay;
  const Punto& p = charted.trip->Punti[*cursor];
  if (p.DataOra == 0) return overlay;  // a point without a time has no place on the time axis
  const double x = view.shownX(plot->x0 + (p.DataOra - plot->t0) * plot->xScale);
  if (!inside(x, progressPlotSpan(charted))) return overlay;
  const double y = plot->base - charted.points->distanceRun(*cursor) * plot->yScale;
  addChartCursor(overlay, charted, *cursor, x, y, charted.drawnAxes, surface);
  return overlay;
}

ChartPicture mapOverlay(const ChartedTripView& charted, SurfaceSize surface, const ChartView& view,
                        MapColouring colouring, std::optional<std::size_t> cursor) {
  const MapPointLookup* places = charted.mapPoints;
  if (places == nullptr || places->size() == 0 || !(charted.mapTwipsPerDegree > 0)) return {};
  ChartPicture overlay = mapScaleAndLegend(charted.mapTwipsPerDegree * view.scaleX, *charted.stats,
                                           surface, colouring, charted.separators, charted.text);
  auto shown = [&](std::size_t point) {
    const PicturePlace at = places->place(point);
    return PicturePlace{static_cast<float>(view.shownX(at.x)),
                        static_cast<float>(view.shownY(at.y))};
  };
  addMapStretch(overlay, charted, places->size(), shown);
  addMapMarks(overlay, charted, places->size(), shown, surface, cursor);
  return overlay;
}

std::optional<std::size_t> profilePointAt(const ChartedTripView& charted, const ChartView& view,
                                          double shownX) {
  const std::optional<ProfilePlot> plot = profilePlotFor(charted.layoutAxes, *charted.stats);
  if (!plot || charted.points == nullptr || !inside(shownX, profilePlotSpan(charted))) return {};
  return charted.points->nearestByDistance((view.pictureX(shownX) - plot->x0) / plot->xScale);
}

std::optional<std::size_t> progressPointAt(const ChartedTripView& charted, const ChartView& view,
                                           double shownX) {
  const std::optional<ProgressPlot> plot = progressPlotFor(*charted.stats, charted.drawnAxes);
  if (!plot || charted.points == nullptr || !inside(shownX, progressPlotSpan(charted))) return {};
  return charted.points->nearestByElapsed((view.pictureX(shownX) - plot->x0) / plot->xScale);
}

std::optional<std::size_t> mapPointAt(const ChartedTripView& charted, const ChartView& view,
                                      double shownX, double shownY, double radius) {
  if (charted.mapPoints == nullptr) return {};
  return charted.mapPoints->nearest(view.pictureX(shownX), view.pictureY(shownY),
                                    radius / view.scaleX);
}

MapPointLookup worldLookupOf(const std::vector<WorldPlace>& places) {
  ChartPicture map;
  map.lineSets.resize(kSegmentsSet + 1);
  std::vector<ChartLine>& segments = map.lineSets[kSegmentsSet];
  if (places.size() >= 2) segments.reserve(places.size() - 1);
  const auto units = [](double v) { return static_cast<float>(v * kWorldLookupUnits); };
  for (std::size_t i = 1; i < places.size(); ++i) {
    segments.push_back(ChartLine{units(places[i - 1].x), units(places[i - 1].y), units(places[i].x),
                                 units(places[i].y)});
  }
  return MapPointLookup(map);
}

ChartPicture tiledMapOverlay(const ChartedTripView& charted, const TiledMap& map,
                             SurfaceSize surface, MapColouring colouring,
                             std::optional<std::size_t> cursor) {
  ChartPicture overlay =
      mercatorScaleAndLegend(map.view, map.surface, map.twipsPerPixel, *charted.stats, colouring,
                             map.attribution, charted.separators, charted.text);
  const std::vector<WorldPlace>& places = *map.places;
  if (places.empty()) return overlay;
  auto shown = [&](std::size_t point) {
    const SurfacePixel at = pixelOf(map.view, places[point], map.surface);
    return PicturePlace{static_cast<float>(at.x * map.twipsPerPixel),
                        static_cast<float>(at.y * map.twipsPerPixel)};
  };
  addMapStretch(overlay, charted, places.size(), shown);
  addMapMarks(overlay, charted, places.size(), shown, surface, cursor);
  return overlay;
}

std::optional<std::size_t> tiledMapPointAt(const TiledMap& map, const MapPointLookup& world,
                                           double shownX, double shownY, double radius) {
  const WorldPlace at =
      placeAt(map.view, {shownX / map.twipsPerPixel, shownY / map.twipsPerPixel}, map.surface);
  const double worldPixels = kTileSize * std::pow(2.0, map.view.zoom);
  const double unitsPerTwip = kWorldLookupUnits / worldPixels / map.twipsPerPixel;
  return world.nearest(at.x * kWorldLookupUnits, at.y * kWorldLookupUnits, radius * unitsPerTwip);
}

void mergeOverlay(ChartPicture& picture, const ChartPicture& overlay) {
  picture.boxes.insert(picture.boxes.end(), overlay.boxes.begin(), overlay.boxes.end());
  std::vector<ChartLine> lines;
  for (const auto& set : overlay.lineSets) lines.insert(lines.end(), set.begin(), set.end());
  if (!lines.empty()) picture.lineSets.push_back(std::move(lines));
  picture.labels.insert(picture.labels.end(), overlay.labels.begin(), overlay.labels.end());
}

}  // namespace vianora
