// The charts of a 1,000,000-point trip in the trip window, offscreen.
//
//   ChartGeometry/1M   the geometry of all three charts (core only)
//   PaintSurface/1M    painting the profile surface at 1920 x 1080 (segments batched by pen)
//   Refresh/1M         "Refresh" in a real trip window: statistics, texts and three charts
//   ZoomedMap/1M       a wheel notch on the map zoomed 4 times: the view's picture, grouped
//                      and painted
//   ZoomedProfile/1M   the same on the profile zoomed 10 times, its grid drawn anew
//   TiledMap/1M        the map over a full view of tiles at hand: the route in the tiles'
//                      projection two levels in from the whole trip, then tiles and route
//                      painted
// Targets: geometry under 300 ms, painting under 50 ms, "Refresh" under 1 s, a zoomed redraw
// under 50 ms. Counter
// chart_bytes_per_segment: the geometry kept per data segment (at most 24).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTabBar>

#include "core/charts/profile_chart.h"
#include "core/charts/progress_chart.h"
#include "core/charts/route_map.h"
#include "core/charts/web_mercator.h"
#include "core/charts/zoomed_charts.h"
#include "core/import/leggi_gpx.h"
#include "generated_tracks.h"
#include "gui/tripwindow/chart_surface.h"
#include "gui/tripwindow/frm_stat_percorso.h"
#include "silent_prompts.h"

namespace {

constexpr std::size_t kPoints = 1'000'000;

const vianora::Percorsi& bigStore() {
  static const vianora::Percorsi store = [] {
    vianora::Percorsi read;
    vianora::LeggiGpx(read, vianora::bench::makeGpxFile(kPoints), {});
    return read;
  }();
  return store;
}

struct Charts {
  vianora::ProfileDrawing profile;
  vianora::ChartPicture distance;
  vianora::ChartPicture map;
};

Charts drawCharts(const vianora::Percorso& trip, const vianora::TripStatistics& stats,
                  vianora::SurfaceSize surface) {
  using namespace vianora;
  Charts charts;
  charts.profile =
      AggiornaGrafici(trip, stats, profileAxesForSurface(surface), surface, true, true, ".");
  charts.distance = AggiornaGraficoPercorrenza(trip, stats, charts.profile.axes, surface);
  charts.map = AggiornaGraficoCartina(trip, stats, surface, MapColouring::Altitude);
  return charts;
}

void ChartGeometry(benchmark::State& state) {
  const vianora::Percorso& trip = bigStore()[0];
  const vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  const vianora::SurfaceSize surface =
      vianora::chartSurfaceSize(vianora::kDesignClientWidth, vianora::kDesignClientHeight);
  std::size_t segments = 0;
  std::size_t bytes = 0;
  for (auto _ : state) {
    const Charts charts = drawCharts(trip, stats, surface);
    segments = bytes = 0;
    for (const auto* picture : {&charts.profile.picture, &charts.distance, &charts.map}) {
      for (const auto& set : picture->lineSets) {
        segments += set.size();
        bytes += set.capacity() * sizeof(vianora::ChartLine);
      }
    }
    benchmark::DoNotOptimize(charts.map.lineSets.data());
  }
  state.counters["chart_bytes_per_segment"] =
      static_cast<double>(bytes) / static_cast<double>(segments);
}

void PaintSurface(benchmark::State& state) {
  const vianora::Percorso& trip = bigStore()[0];
  const vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  vianora::gui::ChartSurface surface;
  surface.resize(1920, 1080);
  const vianora::SurfaceSize size = surface.sizeInTwips();
  surface.setPicture(drawCharts(trip, stats, size).profile.picture);
  for (auto _ : state) {
    const QImage image = surface.toImage();
    benchmark::DoNotOptimize(image.constBits());
  }
}

// One zoomed redraw: the core's view of the chart, then the surface groups and paints it.
template <typename ViewOf>
void zoomedRedraw(benchmark::State& state, bool map, ViewOf viewOf) {
  vianora::gui::ChartSurface surface;
  surface.resize(1920, 1080);
  surface.setThinChains(map);  // as the window: the profile's chain is gathered per column
  double zoom = 4;
  for (auto _ : state) {
    zoom = zoom == 4 ? 4 * vianora::kWheelZoomFactor : 4;  // a notch in, a notch out
    surface.setPicture(viewOf(surface.sizeInTwips(), zoom));
    const QImage image = surface.toImage();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void ZoomedMap(benchmark::State& state) {
  using namespace vianora;
  const Percorso& trip = bigStore()[0];
  const TripStatistics stats = computeTripStatistics(trip);
  ChartPicture map;
  zoomedRedraw(state, true, [&](SurfaceSize size, double zoom) {
    if (map.lineSets.empty()) map = drawCharts(trip, stats, size).map;
    return mapInView(map, mapZoomedAround({}, zoom, size.width / 2, size.height / 2));
  });
}

void ZoomedProfile(benchmark::State& state) {
  using namespace vianora;
  const Percorso& trip = bigStore()[0];
  const TripStatistics stats = computeTripStatistics(trip);
  ProfileDrawing profile;
  ProfileAxes layout;
  zoomedRedraw(state, false, [&](SurfaceSize size, double zoom) {
    if (profile.picture.lineSets.empty()) {
      layout = profileAxesForSurface(size);
      profile = drawCharts(trip, stats, size).profile;
    }
    const ChartView view =
        chartZoomedAround({}, zoom * 2.5, size.width / 2, layout.lineY.x1, layout.lineX.x2);
    return profileInView(profile, layout, stats, view, ".");
  });
}

void TiledMap(benchmark::State& state) {
  using namespace vianora;
  const Percorso& trip = bigStore()[0];
  const TripStatistics stats = computeTripStatistics(trip);
  const std::vector<WorldPlace> places = worldPlacesOf(trip);
  gui::ChartSurface surface;
  surface.resize(1920, 1080);
  surface.setThinChains(true);  // as the window's map surface
  const PixelSize pixels{1920, 1080};
  const auto& p = trip.Punti;
  MercatorView view = fittingView(
      worldPlace(p[stats.IdxLatMax].Latitudine, p[stats.IdxLonMin].Longitudine),
      worldPlace(p[stats.IdxLatMin].Latitudine, p[stats.IdxLonMax].Longitudine), pixels, 13, 0, 19);
  view.zoom += 2;
  QImage tile(kTileSize, kTileSize, QImage::Format_RGB32);
  tile.fill(Qt::lightGray);
  // The colours come from the plain map, drawn once per "Refresh", as in the window.
  const ChartPicture coloured =
      AggiornaGraficoCartina(trip, stats, {28800, 16200}, MapColouring::Altitude);
  for (auto _ : state) {
    surface.setPicture(mercatorRouteColouredAs(places, coloured, view, pixels, kTwipsPerPixel));
    std::vector<gui::BackgroundTile> tiles;
    for (const PlacedTile& placed : tilesForView(view, pixels))
      tiles.push_back({QRectF(placed.left, placed.top, kTileSize, kTileSize), tile});
    surface.setBackground(std::move(tiles));
    const QImage image = surface.toImage();
    benchmark::DoNotOptimize(image.constBits());
  }
}

void Refresh(benchmark::State& state) {
  vianora::bench::SilentPrompts prompts;
  vianora::gui::frmStatPercorso window(bigStore(), prompts);
  window.resize(1920, 1080);
  for (auto _ : state) {
    window.showTrip(0);
  }
}

}  // namespace

BENCHMARK(ChartGeometry)->Name("ChartGeometry/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(PaintSurface)->Name("PaintSurface/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ZoomedMap)->Name("ZoomedMap/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ZoomedProfile)->Name("ZoomedProfile/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(TiledMap)->Name("TiledMap/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(Refresh)->Name("Refresh/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
