// Speed of the route map over a 1,000,000-point trip: the whole drawing (placement and
// colouring of every segment), and a recolouring alone as the option buttons run it.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdint>

#include "analysis/trip_statistics.h"
#include "charts/route_map.h"
#include "store/percorso.h"

namespace {

constexpr std::size_t kMapPoints = 1'000'000;
constexpr vianora::SurfaceSize kMapSurface{14755.0f, 9400.0f};

/// A wandering trip, a point a second, climbing and descending, with stretches without
/// altitude: the same points every run.
vianora::Percorso makeMapTrip(std::size_t points) {
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
    if (i % 50'000 < 100) p.Altitudine = 0.0;
    trip.Punti.push_back(p);
    heading += 0.05 * std::sin(t / 97.0) + 0.03 * std::sin(t / 13.0);
    lat += 4.0 * std::cos(heading) / 111'320.0;
    lon += 4.0 * std::sin(heading) / 78'700.0;
  }
  return trip;
}

void BM_RouteMapDrawing(benchmark::State& state, vianora::MapColouring colouring) {
  const vianora::Percorso trip = makeMapTrip(kMapPoints);
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
  const vianora::Percorso trip = makeMapTrip(kMapPoints);
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
