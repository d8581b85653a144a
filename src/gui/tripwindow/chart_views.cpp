#include "gui/tripwindow/chart_views.h"

#include <QFontMetrics>
#include <QLocale>
#include <cmath>
#include <utility>

#include "core/charts/progress_chart.h"
#include "core/charts/route_map.h"
#include "core/charts/zoomed_charts.h"
#include "gui/tiles/tile_layer.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/locale_format.h"
#include "gui/tripwindow/side_by_side.h"

namespace vianora::gui {

namespace {

// How near the track the mouse must come on the map, and how far a drag must go on a chart
// before it zooms rather than clicks, in pixels.
constexpr int kMapPickRadius = 10;
constexpr int kLeastDragZoom = 5;

// The zoom band's outline while a chart is dragged across.
constexpr Rgb kBandColour = rgb(0, 90, 200);

std::shared_ptr<const ChartPicture> shared(ChartPicture picture) {
  return std::make_shared<const ChartPicture>(std::move(picture));
}

TextMetrics textMetricsOf(const ChartSurface& surface) {
  const QFontMetrics metrics(surface.font());
  // Readouts mix letters and digits: the widest digit is a fair measure of both.
  const int width =
      std::max(metrics.horizontalAdvance(QLatin1Char('0')), metrics.averageCharWidth());
  return {surface.twipsX(width + 1), surface.twipsY(metrics.height())};
}

}  // namespace

ChartViews::ChartViews(std::array<ChartSurface*, kChartCount> surfaces,
                       std::function<ChartOptions()> options, QObject* parent)
    : QObject(parent), surfaces_(surfaces), options_(std::move(options)) {
  for (int k = 0; k < kChartCount; ++k) connectSurface(static_cast<Chart>(k));
  at(Chart::Map).setThinChains(true);
}

void ChartViews::connectSurface(Chart chart) {
  ChartSurface* surface = &at(chart);
  connect(surface, &ChartSurface::hovered, this, [this, chart](QPointF p) { hover(chart, p); });
  connect(surface, &ChartSurface::dragged, this,
          [this, chart](QPointF from, QPointF to) { drag(chart, from, to); });
  connect(surface, &ChartSurface::dragFinished, this,
          [this, chart](QPointF from, QPointF to) { finishDrag(chart, from, to); });
  connect(surface, &ChartSurface::wheelTurned, this,
          [this, chart](QPointF p, double notches) { zoom(chart, p, notches); });
  connect(surface, &ChartSurface::doubleClicked, this, [this, chart] { showWhole(chart); });
  connect(surface, &ChartSurface::keyPressed, this, [this, chart](int k) { key(chart, k); });
}

void ChartViews::draw(const ChartedTrip& shown, const ProfileAxes& layoutAxes, bool newTrip) {
  shown_ = shown;
  layoutAxes_ = layoutAxes;
  drawPictures(options_());
  if (newTrip) {
    points_ = {};
    pointsBuilt_ = false;
    cursor_.reset();
    stretch_.reset();
  }
  views_ = {};
  band_.reset();
  if (tiles_ != nullptr) {
    if (newTrip || places_.empty()) {
      places_ = worldPlacesOf(*shown.trip);
      worldPoints_ = worldLookupOf(places_);
    }
    tiled_.view = wholeTiledView();
  }
  for (int k = 0; k < kChartCount; ++k) showPicture(static_cast<Chart>(k));
  showOverlays();
}

// The profile and the Distance chart are drawn on a second thread while this one draws the map
// and its point lookup: each drawing only reads the trip and its statistics and writes its own
// result. The profile first: the Distance chart copies its axes as the drawing left them.
void ChartViews::drawPictures(const ChartOptions& options) {
  const Percorso& trip = *shown_.trip;
  const TripStatistics& stats = *shown_.statistics;
  const std::string decimal = QLocale().decimalPoint().toStdString();
  const SurfaceSize profileSize = at(Chart::Profile).sizeInTwips();
  const SurfaceSize progressSize = at(Chart::Progress).sizeInTwips();
  const ProgressTimeAxis axis = timeAxis();
  ProfileDrawing profile;
  ChartPicture progress;
  runSideBySide(
      [&] {
        profile = AggiornaGrafici(trip, stats, layoutAxes_, profileSize, options.altitudeShown,
                                  options.speedShown, decimal);
        progress = AggiornaGraficoPercorrenza(trip, stats, profile.axes, progressSize, axis);
      },
      [&] {
        const SurfaceSize mapSize = at(Chart::Map).sizeInTwips();
        map_ = shared(AggiornaGraficoCartina(trip, stats, mapSize, options.colouring));
        const auto placement = mapPlacementFor(trip, stats, mapSize);
        mapScale_ = placement ? placement->scale : 0;
        mapPoints_ = MapPointLookup(*map_);
      });
  profile_ = std::make_shared<const ProfileDrawing>(std::move(profile));
  progress_ = shared(std::move(progress));
}

void ChartViews::setTiles(TileLayer* layer) {
  if (tiles_ != nullptr) disconnect(tiles_, nullptr, this, nullptr);
  tiles_ = layer;
  places_.clear();
  worldPoints_ = {};
  at(Chart::Map).setBackground({});
  if (tiles_ != nullptr) connect(tiles_, &TileLayer::changed, this, &ChartViews::showTiles);
  if (shown_.trip == nullptr) return;
  if (tiles_ != nullptr) {
    places_ = worldPlacesOf(*shown_.trip);
    worldPoints_ = worldLookupOf(places_);
    tiled_.view = wholeTiledView();
  }
  views_[static_cast<int>(Chart::Map)] = {};
  showPicture(Chart::Map);
  showOverlays();
}

// The whole trip at the highest zoom the source offers that holds it, as the plain map
// leaves its margins; the tiled map takes the surface's size and the source's attribution.
MercatorView ChartViews::wholeTiledView() {
  const ChartSurface& map = at(Chart::Map);
  tiled_.places = &places_;
  tiled_.surface = {static_cast<double>(map.width()), static_cast<double>(map.height())};
  tiled_.twipsPerPixel = map.twipsX(1);
  tiled_.attribution = tiles_->source().attribution().toStdString();
  const TripStatistics& s = *shown_.statistics;
  const auto& points = shown_.trip->Punti;
  WorldPlace northWest, southEast;
  if (s.hasCountingPair && !points.empty()) {
    northWest = worldPlace(points[s.IdxLatMax].Latitudine, points[s.IdxLonMin].Longitudine);
    southEast = worldPlace(points[s.IdxLatMin].Latitudine, points[s.IdxLonMax].Longitudine);
  } else if (!places_.empty()) {
    northWest = southEast = places_.front();
  }
  return fittingView(northWest, southEast, tiled_.surface, kMapMargin / tiled_.twipsPerPixel,
                     tiles_->source().minZoom(), tiles_->source().maxZoom());
}

void ChartViews::showProfileCurves() {
  const ChartOptions options = options_();
  auto changed = std::make_shared<ProfileDrawing>(*profile_);
  setSegmentsVisible(changed->picture, ProfileDrawing::kAltitudeSet, options.altitudeShown);
  setSegmentsVisible(changed->picture, ProfileDrawing::kSpeedSet, options.speedShown);
  profile_ = std::move(changed);
  showPicture(Chart::Profile);
  showOverlays();
}

void ChartViews::recolourMap() {
  if (shown_.trip == nullptr) return;
  auto changed = std::make_shared<ChartPicture>(*map_);
  ColoraGraficoCartina(*changed, *shown_.trip, *shown_.statistics, options_().colouring);
  map_ = std::move(changed);
  showPicture(Chart::Map);
  showOverlays();
}

void ChartViews::retimeProgress() {
  if (shown_.trip == nullptr) return;
  progress_ = shared(AggiornaGraficoPercorrenza(*shown_.trip, *shown_.statistics, profile_->axes,
                                                at(Chart::Progress).sizeInTwips(), timeAxis()));
  showPicture(Chart::Progress);
  showOverlays();
}

ProgressTimeAxis ChartViews::timeAxis() const {
  if (!options_().timeOfDay) return {};
  const QLocale locale;
  return {[locale](double dayNumber, bool withDate) {
    return localeClockText(dayNumber, withDate, locale).toStdString();
  }};
}

ChartedTripView ChartViews::charted() const {
  ChartedTripView charted;
  charted.trip = shown_.trip;
  charted.stats = shown_.statistics;
  charted.layoutAxes = layoutAxes_;
  charted.drawnAxes = profile_->axes;
  charted.points = pointsBuilt_ ? &points_ : nullptr;
  charted.mapPoints = &mapPoints_;
  charted.mapTwipsPerDegree = mapScale_;
  charted.separators = localeDisplayFormat().separators;
  charted.text = textMetricsOf(at(Chart::Map));
  charted.stretch = stretch_;
  return charted;
}

PlotSpan ChartViews::spanOf(Chart chart) const {
  return chart == Chart::Profile ? profilePlotSpan(charted()) : progressPlotSpan(charted());
}

void ChartViews::showPicture(Chart chart) {
  if (shown_.trip == nullptr) return;
  if (chart == Chart::Map && tiles_ != nullptr) {
    showTiledMap();
    return;
  }
  const ChartView& view = views_[static_cast<int>(chart)];
  if (view.isWhole()) {
    at(chart).setPicture(wholePicture(chart));
    return;
  }
  const std::string decimal = QLocale().decimalPoint().toStdString();
  switch (chart) {
    case Chart::Map:
      at(chart).setPicture(mapInView(*map_, view));
      break;
    case Chart::Profile:
      at(chart).setPicture(
          profileInView(*profile_, layoutAxes_, *shown_.statistics, view, decimal));
      break;
    case Chart::Progress:
      at(chart).setPicture(
          progressInView(*progress_, profile_->axes, *shown_.statistics, view, timeAxis()));
      break;
  }
}

// The whole view shows a drawing as it is: the surface shares it rather than a copy of a
// million lines.
std::shared_ptr<const ChartPicture> ChartViews::wholePicture(Chart chart) const {
  switch (chart) {
    case Chart::Map:
      return map_;
    case Chart::Profile:
      return {profile_, &profile_->picture};
    case Chart::Progress:
      return progress_;
  }
  return {};
}

void ChartViews::showTiledMap() {
  // The plain map holds the colours of the segments, worked out once per colouring.
  at(Chart::Map)
      .setPicture(mercatorRouteColouredAs(places_, *map_, tiled_.view, tiled_.surface,
                                          tiled_.twipsPerPixel));
  tiles_->show(tilesForView(tiled_.view, tiled_.surface));
  showTiles();
}

// The tiles at hand under the map, grey squares where they are missing.
void ChartViews::showTiles() {
  if (tiles_ == nullptr || shown_.trip == nullptr) return;
  std::vector<BackgroundTile> background;
  for (const PlacedTile& placed : tilesForView(tiled_.view, tiled_.surface)) {
    background.push_back(
        {QRectF(placed.left, placed.top, kTileSize, kTileSize), tiles_->image(placed.tile)});
  }
  at(Chart::Map).setBackground(std::move(background));
}

void ChartViews::setTiledView(const MercatorView& view) {
  if (view == tiled_.view) return;
  tiled_.view = view;
  showTiledMap();
  showOverlays();
}

void ChartViews::showOverlays() {
  if (shown_.trip == nullptr) return;
  const ChartedTripView c = charted();
  const ChartOptions options = options_();
  ChartPicture profile =
      profileOverlay(c, at(Chart::Profile).sizeInTwips(), views_[int(Chart::Profile)],
                     options.altitudeShown, options.speedShown, cursor_);
  ChartPicture progress =
      progressOverlay(c, at(Chart::Progress).sizeInTwips(), views_[int(Chart::Progress)], cursor_);
  if (band_) {
    ChartBox band;
    band.left = static_cast<float>(std::min(band_->from, band_->to));
    band.width = static_cast<float>(std::abs(band_->to - band_->from));
    band.top = layoutAxes_.lineY.y1;
    band.height = layoutAxes_.lineX.y1 - layoutAxes_.lineY.y1;
    band.filled = false;
    band.border = kBandColour;
    (band_->chart == Chart::Profile ? profile : progress).boxes.push_back(band);
  }
  at(Chart::Profile).setOverlay(std::move(profile));
  at(Chart::Progress).setOverlay(std::move(progress));
  const SurfaceSize mapSize = at(Chart::Map).sizeInTwips();
  at(Chart::Map)
      .setOverlay(
          tiles_ != nullptr
              ? tiledMapOverlay(c, tiled_, mapSize, options.colouring, cursor_)
              : mapOverlay(c, mapSize, views_[int(Chart::Map)], options.colouring, cursor_));
}

void ChartViews::markStretch(std::optional<TripStretch> stretch) {
  if (shown_.trip == nullptr || (!stretch && !stretch_)) return;
  stretch_ = stretch;
  if (stretch && stretch->firstPoint < shown_.trip->Punti.size()) {
    ensurePoints();  // the cursor's readout needs them
    cursor_ = stretch->firstPoint;
  }
  showOverlays();
}

void ChartViews::moveCursor(std::optional<std::size_t> point) {
  if (!point || point == cursor_) return;
  cursor_ = point;
  showOverlays();
}

void ChartViews::ensurePoints() {
  if (pointsBuilt_ || shown_.trip == nullptr) return;
  points_ = TripPointLookup(*shown_.trip, *shown_.statistics);
  pointsBuilt_ = true;
}

void ChartViews::hover(Chart chart, QPointF p) {
  if (shown_.trip == nullptr) return;
  ensurePoints();
  const ChartedTripView c = charted();
  const ChartView& view = views_[static_cast<int>(chart)];
  switch (chart) {
    case Chart::Map:
      moveCursor(tiles_ != nullptr
                     ? tiledMapPointAt(tiled_, worldPoints_, p.x(), p.y(),
                                       at(chart).twipsX(kMapPickRadius))
                     : mapPointAt(c, view, p.x(), p.y(), at(chart).twipsX(kMapPickRadius)));
      break;
    case Chart::Profile:
      moveCursor(profilePointAt(c, view, p.x()));
      break;
    case Chart::Progress:
      moveCursor(progressPointAt(c, view, p.x()));
      break;
  }
}

// Dragging pans the map, and marks the range a chart will zoom to.
void ChartViews::drag(Chart chart, QPointF from, QPointF to) {
  if (shown_.trip == nullptr) return;
  if (chart == Chart::Map) {
    const QPointF last = panFrom_.value_or(from);
    panFrom_ = to;
    const double dx = to.x() - last.x(), dy = to.y() - last.y();
    if (tiles_ != nullptr) {
      setTiledView(
          mercatorPanned(tiled_.view, dx / tiled_.twipsPerPixel, dy / tiled_.twipsPerPixel));
      return;
    }
    setView(chart, mapPanned(views_[static_cast<int>(Chart::Map)], dx, dy));
    return;
  }
  band_ = Band{chart, from.x(), to.x()};
  showOverlays();
}

void ChartViews::finishDrag(Chart chart, QPointF from, QPointF to) {
  panFrom_.reset();
  const bool wasBand = band_.has_value();
  band_.reset();
  if (chart == Chart::Map || shown_.trip == nullptr) return;
  if (std::abs(to.x() - from.x()) < at(chart).twipsX(kLeastDragZoom)) {
    if (wasBand) showOverlays();
    hover(chart, to);
    return;
  }
  const ChartView& view = views_[static_cast<int>(chart)];
  const PlotSpan span = spanOf(chart);
  setView(chart,
          chartRangeView(view.pictureX(from.x()), view.pictureX(to.x()), span.left, span.right));
}

void ChartViews::zoom(Chart chart, QPointF p, double notches) {
  if (shown_.trip == nullptr) return;
  const double factor = std::pow(kWheelZoomFactor, notches);
  const ChartView& view = views_[static_cast<int>(chart)];
  if (chart == Chart::Map && tiles_ != nullptr) {
    // Tiles come in whole zoom levels: notches add up until they make one.
    wheelRest_ += notches;
    const int levels = static_cast<int>(std::trunc(wheelRest_));
    if (levels == 0) return;
    wheelRest_ -= levels;
    const SurfacePixel anchor{p.x() / tiled_.twipsPerPixel, p.y() / tiled_.twipsPerPixel};
    setTiledView(mercatorZoomedAround(tiled_.view, levels, anchor, tiled_.surface,
                                      tiles_->source().minZoom(), tiles_->source().maxZoom()));
    return;
  }
  if (chart == Chart::Map) {
    setView(chart, mapZoomedAround(view, factor, p.x(), p.y()));
    return;
  }
  const PlotSpan span = spanOf(chart);
  setView(chart, chartZoomedAround(view, factor, p.x(), span.left, span.right));
}

// Arrows step the cursor one point; Home and End take it to the first and last point, except
// on the map, where Home shows the whole trip again.
void ChartViews::key(Chart chart, int key) {
  if (shown_.trip == nullptr) return;
  ensurePoints();
  if (points_.size() == 0) return;
  const std::size_t last = points_.size() - 1;
  switch (key) {
    case Qt::Key_Left:
      moveCursor(cursor_ ? (*cursor_ > 0 ? *cursor_ - 1 : 0) : last);
      break;
    case Qt::Key_Right:
      moveCursor(cursor_ ? std::min(*cursor_ + 1, last) : 0);
      break;
    case Qt::Key_Home:
      if (chart == Chart::Map)
        showWhole(chart);
      else
        moveCursor(0);
      break;
    case Qt::Key_End:
      moveCursor(last);
      break;
    default:
      break;
  }
}

void ChartViews::showWhole(Chart chart) {
  if (chart == Chart::Map && tiles_ != nullptr && shown_.trip != nullptr) {
    setTiledView(wholeTiledView());
    return;
  }
  setView(chart, {});
}

void ChartViews::setView(Chart chart, const ChartView& view) {
  ChartView& current = views_[static_cast<int>(chart)];
  if (view == current) return;
  current = view;
  showPicture(chart);
  showOverlays();
}

}  // namespace vianora::gui
