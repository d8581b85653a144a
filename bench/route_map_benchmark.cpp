// Speed of the route map over a 1,000,000-point trip: the whole drawing (placement and
// colouring of every segment), and a recolouring alone as the option buttons run it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "core/analysis/trip_statistics.h"
#include "core/charts/route_map.h"
#include "core/store/percorso.h"
#include "generated_tracks.h"

namespace {

constexpr std::size_t kMapPoints = 1'000'000;
constexpr vianora::SurfaceSize kMapSurface{14755.0f, 9400.0f};

void BM_RouteMapDrawing(benchmark::State& state, vianora::MapColouring colouring) {
  const vianora::Percorso trip = vianora::bench::makeTrip(kMapPoints);
  const vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  for (auto _ : state) {
    vianora::ChartPicture map =
        vianora::AggiornaGraficoCartina(trip, stats, kMapSurface, colouring);
    benchmark::DoNotOptimize(map.lineSets.data());
  }
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * (kMapPoints - 1)));
}
BENCHMARK_CAPTURE(BM_RouteMapDrawing, altitude, vianora::MapColouring::Altitude)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_RouteMapDrawing, speed, vianora::MapColouring::Speed)
    ->Unit(benchmark::kMillisecond);

void BM_RouteMapRecolouring(benchmark::State& state) {
  const vianora::Percorso trip = vianora::bench::makeTrip(kMapPoints);
  const vianora::TripStatistics stats = vianora::computeTripStatistics(trip);
  vianora::ChartPicture map =
      vianora::AggiornaGraficoCartina(trip, stats, kMapSurface, vianora::MapColouring::Altitude);
  bool speed = false;
  for (auto _ : state) {
    speed = !speed;
    vianora::ColoraGraficoCartina(
        map, trip, stats, speed ? vianora::MapColouring::Speed : vianora::MapColouring::Altitude);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RouteMapRecolouring)->Unit(benchmark::kMillisecond);

}  // namespace
