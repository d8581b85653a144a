// Speed of a zoomed redraw over a 1,000,000-point trip: the core's part of one wheel notch or
// drag, from the drawings the trip window already holds (the map at zoom 4 around its middle,
// the Profile and Distance charts at zoom 10 around the middle of their plot), and the route
// over map tiles two levels closer than the view that fits the whole trip.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/chart_view.h"
#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"
#include "core/charts/route_map.h"
#include "core/charts/web_mercator.h"
#include "core/charts/zoomed_charts.h"
#include "core/store/percorso.h"
#include "generated_tracks.h"

namespace {

constexpr std::size_t kZoomPoints = 1'000'000;

// The trip, its statistics and the three drawings, made once for every run.
struct Drawings {
  vianora::Percorso trip = vianora::bench::makeTrip(kZoomPoints);
  vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  vianora::SurfaceSize surface =
      vianora::chartSurfaceSize(vianora::kDesignClientWidth, vianora::kDesignClientHeight);
  vianora::ProfileAxes layoutAxes = vianora::profileAxesForSurface(surface);
  vianora::ProfileDrawing profile =
      vianora::AggiornaGrafici(trip, stats, layoutAxes, surface, true, true, ".");
  vianora::ChartPicture progress =
      vianora::AggiornaGraficoPercorrenza(trip, stats, profile.axes, surface);
  vianora::ChartPicture map =
      vianora::AggiornaGraficoCartina(trip, stats, surface, vianora::MapColouring::Altitude);
  std::vector<vianora::WorldPlace> places = vianora::worldPlacesOf(trip);
};

const Drawings& drawings() {
  static const Drawings made;
  return made;
}

std::size_t segmentsOf(const vianora::ChartPicture& picture) {
  std::size_t count = 0;
  for (const auto& set : picture.lineSets) count += set.size();
  return count;
}

void report(benchmark::State& state, std::size_t shownSegments) {
  state.counters["shown"] = static_cast<double>(shownSegments);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kZoomPoints));
}

// The middle of the box the map's segments fill (the trip need not fill the surface).
vianora::ChartView mapZoomedOnItsMiddle(const vianora::ChartPicture& map, double zoom) {
  float left = map.width, right = 0, top = map.height, bottom = 0;
  for (const vianora::ChartLine& line : map.lineSets[vianora::kSegmentsSet]) {
    left = std::min({left, line.x1, line.x2}), right = std::max({right, line.x1, line.x2});
    top = std::min({top, line.y1, line.y2}), bottom = std::max({bottom, line.y1, line.y2});
  }
  return vianora::mapZoomedAround({}, zoom, (left + right) / 2.0, (top + bottom) / 2.0);
}

void BM_ZoomedMap(benchmark::State& state) {
  const Drawings& d = drawings();
  const vianora::ChartView view = mapZoomedOnItsMiddle(d.map, 4);
  std::size_t shown = 0;
  for (auto _ : state) {
    vianora::ChartPicture picture = vianora::mapInView(d.map, view);
    shown = segmentsOf(picture);
    benchmark::DoNotOptimize(picture.lineSets.data());
  }
  report(state, shown);
}
BENCHMARK(BM_ZoomedMap)->Unit(benchmark::kMillisecond);

void BM_ZoomedProfile(benchmark::State& state) {
  const Drawings& d = drawings();
  const double left = d.layoutAxes.lineY.x1, right = d.layoutAxes.lineX.x2;
  const vianora::ChartView view =
      vianora::chartZoomedAround({}, 10, (left + right) / 2, left, right);
  std::size_t shown = 0;
  for (auto _ : state) {
    vianora::ChartPicture picture =
        vianora::profileInView(d.profile, d.layoutAxes, d.stats, view, ".");
    shown = segmentsOf(picture);
    benchmark::DoNotOptimize(picture.lineSets.data());
  }
  report(state, shown);
}
BENCHMARK(BM_ZoomedProfile)->Unit(benchmark::kMillisecond);

void BM_ZoomedProgress(benchmark::State& state) {
  const Drawings& d = drawings();
  const double left = d.profile.axes.lineY.x1, right = d.profile.axes.lineX.x2;
  const vianora::ChartView view =
      vianora::chartZoomedAround({}, 10, (left + right) / 2, left, right);
  std::size_t shown = 0;
  for (auto _ : state) {
    vianora::ChartPicture picture =
        vianora::progressInView(d.progress, d.profile.axes, d.stats, view);
    shown = segmentsOf(picture);
    benchmark::DoNotOptimize(picture.lineSets.data());
  }
  report(state, shown);
}
BENCHMARK(BM_ZoomedProgress)->Unit(benchmark::kMillisecond);

// The view that fits the box of the position extremes, zoomed two levels in on its centre.
vianora::MercatorView tripViewZoomedIn(const Drawings& d, vianora::PixelSize surface) {
  const std::vector<vianora::Punto>& points = d.trip.Punti;
  const vianora::WorldPlace northWest = vianora::worldPlace(points[d.stats.IdxLatMax].Latitudine,
                                                            points[d.stats.IdxLonMin].Longitudine);
  const vianora::WorldPlace southEast = vianora::worldPlace(points[d.stats.IdxLatMin].Latitudine,
                                                            points[d.stats.IdxLonMax].Longitudine);
  vianora::MercatorView view = vianora::fittingView(
      northWest, southEast, surface, vianora::kMapMargin / vianora::kTwipsPerPixel,
      vianora::kLowestTileZoom, vianora::kHighestTileZoom);
  view.zoom += 2;
  return view;
}

void BM_MercatorRoute(benchmark::State& state) {
  const Drawings& d = drawings();
  const vianora::PixelSize surface{d.surface.width / vianora::kTwipsPerPixel,
                                   d.surface.height / vianora::kTwipsPerPixel};
  const vianora::MercatorView view = tripViewZoomedIn(d, surface);
  std::size_t shown = 0;
  for (auto _ : state) {
    vianora::ChartPicture picture =
        vianora::mercatorRoute(d.places, d.trip, d.stats, view, surface, vianora::kTwipsPerPixel,
                               vianora::MapColouring::Altitude);
    const auto& segments = picture.lineSets[vianora::kSegmentsSet];
    shown = static_cast<std::size_t>(std::count_if(segments.begin(), segments.end(),
                                                   [](const auto& line) { return line.visible; }));
    benchmark::DoNotOptimize(picture.lineSets.data());
  }
  state.counters["zoom"] = view.zoom;
  report(state, shown);
}
BENCHMARK(BM_MercatorRoute)->Unit(benchmark::kMillisecond);

}  // namespace
