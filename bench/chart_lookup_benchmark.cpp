// Speed of the cursor's lookups on a 1,000,000-point trip: building them once per "Refresh",
// and the point under the mouse on the profile, the Distance chart and the map. Queries cycle
// through places spread evenly over each axis and over the whole map surface, on the track
// and off it.
#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "core/analysis/trip_statistics.h"
#include "core/charts/map_point_lookup.h"
#include "core/charts/point_lookup.h"
#include "core/charts/route_map.h"
#include "core/store/percorso.h"
#include "generated_tracks.h"

namespace {

constexpr std::size_t kLookupPoints = 1'000'000;
constexpr vianora::SurfaceSize kMapSurface{14755.0f, 9400.0f};
constexpr std::size_t kQueries = 4096;

struct Trip {
  vianora::Percorso trip = vianora::bench::makeTrip(kLookupPoints);
  vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
};

const Trip& sharedTrip() {
  static const Trip trip;
  return trip;
}

void BM_TripPointLookupBuild(benchmark::State& state) {
  const Trip& t = sharedTrip();
  for (auto _ : state) {
    vianora::TripPointLookup lookup(t.trip, t.stats);
    benchmark::DoNotOptimize(lookup);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLookupPoints));
}
BENCHMARK(BM_TripPointLookupBuild)->Unit(benchmark::kMillisecond);

// Queries at kQueries evenly spaced values from 0 to `last`, taken in turn.
template <class Find>
void runAxisQueries(benchmark::State& state, double last, Find find) {
  std::size_t k = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(find(last * static_cast<double>(k) / (kQueries - 1)));
    k = (k + 1) % kQueries;
  }
}

void BM_NearestByDistance(benchmark::State& state) {
  const Trip& t = sharedTrip();
  const vianora::TripPointLookup lookup(t.trip, t.stats);
  runAxisQueries(state, t.stats.DistanzaTotale,
                 [&](double km) { return lookup.nearestByDistance(km); });
}
BENCHMARK(BM_NearestByDistance);

void BM_NearestByElapsed(benchmark::State& state) {
  const Trip& t = sharedTrip();
  const vianora::TripPointLookup lookup(t.trip, t.stats);
  runAxisQueries(state, t.stats.endDay - t.stats.startDay,
                 [&](double days) { return lookup.nearestByElapsed(days); });
}
BENCHMARK(BM_NearestByElapsed);

vianora::ChartPicture tripMap() {
  const Trip& t = sharedTrip();
  return vianora::AggiornaGraficoCartina(t.trip, t.stats, kMapSurface,
                                         vianora::MapColouring::Altitude);
}

void BM_MapPointLookupBuild(benchmark::State& state) {
  const vianora::ChartPicture map = tripMap();
  for (auto _ : state) {
    vianora::MapPointLookup lookup(map);
    benchmark::DoNotOptimize(lookup.nearest(0, 0, 1));  // the grid is built at the first search
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLookupPoints));
}
BENCHMARK(BM_MapPointLookupBuild)->Unit(benchmark::kMillisecond);

// The mouse anywhere on the map surface (mostly off the track), or a few twips off a point of
// the track, where the points crowd; the radius in twips is the benchmark's argument.
std::vector<vianora::PicturePlace> mousePlaces(const vianora::MapPointLookup& lookup,
                                               bool onTrack) {
  std::mt19937 random(2024);
  std::uniform_real_distribution<double> across(0, kMapSurface.width);
  std::uniform_real_distribution<double> down(0, kMapSurface.height);
  std::uniform_int_distribution<std::size_t> anyPoint(0, lookup.size() - 1);
  std::vector<vianora::PicturePlace> mice(kQueries);
  for (vianora::PicturePlace& mouse : mice) {
    const vianora::PicturePlace point = lookup.place(anyPoint(random));
    mouse = onTrack ? vianora::PicturePlace{point.x + 7, point.y - 5}
                    : vianora::PicturePlace{static_cast<float>(across(random)),
                                            static_cast<float>(down(random))};
  }
  return mice;
}

void BM_MapNearest(benchmark::State& state, bool onTrack) {
  const vianora::MapPointLookup lookup(tripMap());
  const std::vector<vianora::PicturePlace> mice = mousePlaces(lookup, onTrack);
  const auto radius = static_cast<double>(state.range(0));
  std::size_t k = 0, found = 0;
  for (auto _ : state) {
    const std::optional<std::size_t> point = lookup.nearest(mice[k].x, mice[k].y, radius);
    found += point.has_value();
    benchmark::DoNotOptimize(point);
    k = (k + 1) % kQueries;
  }
  state.counters["found"] =
      benchmark::Counter(static_cast<double>(found), benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(BM_MapNearest, anywhere, false)->Arg(150)->Arg(600);
BENCHMARK_CAPTURE(BM_MapNearest, on_track, true)->Arg(150)->Arg(600);

}  // namespace
