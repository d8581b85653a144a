// Speed of the altitude and speed profiles of a 1,000,000-point trip: the whole geometry of
// one drawing (segments, grid, labels), from the statistics the trip window already holds.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/profile_chart.h"
#include "core/store/percorso.h"
#include "generated_tracks.h"

namespace {

constexpr std::size_t kProfilePoints = 1'000'000;

void BM_ProfileChart(benchmark::State& state) {
  const vianora::Percorso trip = vianora::bench::makeTrip(kProfilePoints);
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
