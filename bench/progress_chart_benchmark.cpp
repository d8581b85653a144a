// Speed of the progress chart's geometry over a 1,000,000-point trip (statistics computed once,
// outside the timed loop).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "analysis/trip_statistics.h"
#include "charts/chart_surfaces.h"
#include "charts/progress_chart.h"
#include "store/percorso.h"

namespace {

constexpr std::size_t kProgressPoints = 1'000'000;

/// A point a second for about eleven and a half days, wandering and climbing, with stretches
/// without altitude and a pause now and then.
vianora::Percorso makeProgressTrip(std::size_t points) {
  vianora::Percorso trip;
  trip.Nome = "Big track";
  trip.Punti.clear();
  trip.Punti.reserve(points);
  double lat = 45.0701234;
  double lon = 7.6869876;
  double heading = 0.7;
  for (std::size_t i = 0; i < points; ++i) {
    const double t = static_cast<double>(i);
    vianora::Punto p{lat, lon, 1200.0 + 180.0 * std::sin(t / 2900.0), 45426.25 + t / 86400.0};
    if (i % 50'000 < 100) p.Altitudine = 0.0;  // no altitude here
    trip.Punti.push_back(p);
    if (i % 7'000 < 600) continue;  // a pause: the position stays
    heading += 0.05 * std::sin(t / 97.0) + 0.03 * std::sin(t / 13.0);
    lat += 4.0 * std::cos(heading) / 111'320.0;
    lon += 4.0 * std::sin(heading) / 78'700.0;
  }
  return trip;
}

void ProgressChart(benchmark::State& state) {
  static const vianora::Percorso trip = makeProgressTrip(kProgressPoints);
  static const vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  const vianora::SurfaceSize surface =
      vianora::chartSurfaceSize(vianora::kDesignClientWidth, vianora::kDesignClientHeight);
  const vianora::ProfileAxes axes = vianora::profileAxesForSurface(surface);
  for (auto _ : state) {
    vianora::ChartPicture picture = vianora::AggiornaGraficoPercorrenza(trip, stats, axes, surface);
    benchmark::DoNotOptimize(picture.lineSets.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(kProgressPoints));
}

}  // namespace

BENCHMARK(ProgressChart)->Name("ProgressChart/1M")->Unit(benchmark::kMillisecond);
