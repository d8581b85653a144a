// Speed of the trip statistics over a 1,000,000-point trip, and proof that they allocate
// nothing: every operator new of the program is counted, and the benchmark reports the
// allocations made inside its timed loop per iteration (it must be 0).
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "core/analysis/trip_statistics.h"
#include "core/store/percorso.h"
#include "generated_tracks.h"

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

void TripStatistics(benchmark::State& state) {
  static const vianora::Percorso trip = vianora::bench::makeTrip(kPoints);
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
