// Speed of the progress chart's geometry over a 1,000,000-point trip (statistics computed once,
// outside the timed loop).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "core/analysis/trip_statistics.h"
#include "core/charts/chart_surfaces.h"
#include "core/charts/progress_chart.h"
#include "core/store/percorso.h"
#include "generated_tracks.h"

namespace {

constexpr std::size_t kProgressPoints = 1'000'000;

void ProgressChart(benchmark::State& state) {
  static const vianora::Percorso trip = vianora::bench::makeTrip(kProgressPoints);
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
