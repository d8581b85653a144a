// Speed of the trip details (descent, moving time, pauses, steepest stretches, splits) over a
// 1,000,000-point trip.
#include <benchmark/benchmark.h>

#include "core/analysis/trip_details.h"
#include "generated_tracks.h"

namespace {

constexpr std::size_t kPoints = 1'000'000;

void TripDetails(benchmark::State& state) {
  static const vianora::Percorso trip = vianora::bench::makeTrip(kPoints);
  for (auto _ : state) {
    vianora::TripDetails d = vianora::computeTripDetails(trip);
    benchmark::DoNotOptimize(d);
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(kPoints));
}

}  // namespace

BENCHMARK(TripDetails)->Name("TripDetails/1M")->Unit(benchmark::kMillisecond);
