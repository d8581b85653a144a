// Speed of the altitude and speed profiles of a 1,000,000-point trip: the whole geometry of
// one drawing (segments, grid, labels), from the statistics the trip window already holds.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "analysis/trip_statistics.h"
#include "charts/chart_surfaces.h"
#include "charts/profile_chart.h"
#include "store/percorso.h"

namespace {

constexpr std::size_t kProfilePoints = 1'000'000;

/// A recorded trip: a point a second, wandering, climbing and descending, with stretches
/// without altitude and a few stops (equal times).
vianora::Percorso makeProfileTrip(std::size_t points) {
  vianora::Percorso trip;
  trip.Nome = "Profile track";
  trip.Punti.clear();
  trip.Punti.reserve(points);
  double lat = 45.0701234;
  double lon = 7.6869876;
  double heading = 0.7;
  for (std::size_t i = 0; i < points; ++i) {
    const double t = static_cast<double>(i);
    vianora::Punto p{lat, lon, 0.0, 45426.25 + t / 86400.0};
    p.Altitudine = 1200.0 + 180.0 * std::sin(t / 2900.0) + 60.0 * std::sin(t / 377.0 + 1.0);
    if (i % 50'000 < 100) p.Altitudine = 0.0;  // no altitude here
    if (i % 10'000 == 1) p.DataOra = trip.Punti.back().DataOra;  // a repeated time
    trip.Punti.push_back(p);
    heading += 0.05 * std::sin(t / 97.0) + 0.03 * std::sin(t / 13.0);
    lat += 4.0 * std::cos(heading) / 111'320.0;
    lon += 4.0 * std::sin(heading) / 78'700.0;
  }
  return trip;
}

void BM_ProfileChart(benchmark::State& state) {
  const vianora::Percorso trip = makeProfileTrip(kProfilePoints);
  const vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  const vianora::SurfaceSize surface{14755.0f, 9380.0f};
  const vianora::ProfileAxes axes = vianora::profileAxesForSurface(surface);
  std::size_t segments = 0;
  for (auto _ : state) {
    vianora::ProfileDrawing drawing =
        vianora::AggiornaGrafici(trip, stats, axes, surface, true, true, ".");
    segments = drawing.picture.lineSets[vianora::ProfileDrawing::kAltitudeSet].size();
    benchmark::DoNotOptimize(drawing);
  }
  state.counters["segments"] = static_cast<double>(segments);
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kProfilePoints));
}
BENCHMARK(BM_ProfileChart)->Unit(benchmark::kMillisecond);

}  // namespace
