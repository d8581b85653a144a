// Speed of the trip statistics over a 1,000,000-point trip, and proof that they allocate
// nothing: every operator new of the program is counted, and the benchmark reports the
// allocations made inside its timed loop per iteration (it must be 0).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "analysis/trip_statistics.h"
#include "store/percorso.h"

namespace {

std::atomic<std::size_t> allocations{0};

}  // namespace

// Counting replacements of the global allocation functions; the array forms forward to these.
// Kept out of line: inlined, they let GCC pair a new expression with free() and warn.
[[gnu::noinline]] void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
[[gnu::noinline]] void operator delete(void* p) noexcept { std::free(p); }
[[gnu::noinline]] void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace {

constexpr std::size_t kPoints = 1'000'000;

/// A trip like a recorded one: a point a second, wandering, climbing and descending, with a
/// few GPS jumps (too fast to count) and stretches without altitude.
vianora::Percorso makeTrip(std::size_t points) {
  vianora::Percorso trip;
  trip.Nome = "Big track";
  trip.Punti.clear();
  trip.Punti.reserve(points);
  double lat = 45.0701234;
  double lon = 7.6869876;
  double heading = 0.7;
  for (std::size_t i = 0; i < points; ++i) {
    const double t = static_cast<double>(i);
    vianora::Punto p;
    p.Latitudine = lat;
    p.Longitudine = lon;
    p.Altitudine = 1200.0 + 180.0 * std::sin(t / 2900.0) + 60.0 * std::sin(t / 377.0 + 1.0);
    if (i % 50'000 < 100) p.Altitudine = 0.0;  // no altitude here
    p.DataOra = 45426.25 + t / 86400.0;
    trip.Punti.push_back(p);
    heading += 0.05 * std::sin(t / 97.0) + 0.03 * std::sin(t / 13.0);
    lat += 4.0 * std::cos(heading) / 111'320.0;
    lon += 4.0 * std::sin(heading) / 78'700.0;
    if (i % 100'003 == 0) lat += 0.01;  // a jump of about a kilometre in a second
  }
  return trip;
}

void TripStatistics(benchmark::State& state) {
  static const vianora::Percorso trip = makeTrip(kPoints);
  const std::size_t before = allocations.load();
  for (auto _ : state) {
    vianora::TripStatistics s = vianora::computeTripStatistics(trip);
    benchmark::DoNotOptimize(s);
  }
  const std::size_t made = allocations.load() - before;
  state.counters["allocs_per_iter"] =
      static_cast<double>(made) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(kPoints));
}

}  // namespace

BENCHMARK(TripStatistics)->Name("TripStatistics/1M")->Unit(benchmark::kMillisecond);
