// Reading speed of the two readers on large generated tracks.
//
//   GpxText/1M        the bytes of a 1,000,000-point GPX 1.1 file turned into GPX text
//   LeggiGpx/1M       those bytes read into a store (their text made, then read)
//   LeggiPlt/1M       the bytes of a 1,000,000-line PLT file read into a store
//   LeggiFit/1M       the bytes of a 1,000,000-record FIT file read into a store, with the
//                     trip's statistics
//   FarClosingTag/1M  a closing tag looked for through the whole GPX text of that file, where
//                     it is not: the search for a tag far ahead, as for a missing </trkseg>
//   SelfClosedPoints  <trkpt lat=".." lon=".."/> points in one trkseg, at three sizes, with
//                     the fitted complexity: the read must stay linear in the points.
//
// Each benchmark checks that every point was read, so a reader that stops early cannot pass
// for a fast one.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <string_view>

#include "core/analysis/trip_statistics.h"
#include "core/import/closing_tag_finder.h"
#include "core/import/gpx_text.h"
#include "core/import/leggi_fit.h"
#include "core/import/leggi_gpx.h"
#include "core/import/leggi_plt.h"
#include "core/store/percorsi.h"
#include "generated_tracks.h"

namespace {

using vianora::bench::makeFitFile;
using vianora::bench::makeGpxFile;
using vianora::bench::makePltFile;
using vianora::bench::makeSelfClosedPoints;

constexpr std::size_t kBigTrackPoints = 1'000'000;

const std::string& bigGpxFile() {
  static const std::string file = makeGpxFile(kBigTrackPoints);
  return file;
}

const std::string& bigPltFile() {
  static const std::string file = makePltFile(kBigTrackPoints);
  return file;
}

const std::string& bigFitFile() {
  static const std::string file = makeFitFile(kBigTrackPoints);
  return file;
}

const std::string& bigGpxText() {
  static const std::string text = vianora::prepareGpxText(bigGpxFile());
  return text;
}

/// Points read into the store's last trip, or an error on the benchmark when they differ.
bool checkPoints(benchmark::State& state, const vianora::Percorsi& store, std::size_t expected,
                 std::size_t failures) {
  const std::size_t got = store.trips().back().Punti.size();
  if (got == expected && failures == 0) return true;
  const std::string error = "read " + std::to_string(got) + " points of " +
                            std::to_string(expected) + ", " + std::to_string(failures) +
                            " failures";
  state.SkipWithError(error.c_str());
  return false;
}

void setCounters(benchmark::State& state, std::size_t bytes, std::size_t points) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(bytes));
  state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                          static_cast<std::int64_t>(points));
}

void GpxText(benchmark::State& state) {
  const std::string& file = bigGpxFile();
  for (auto _ : state) {
    std::string text = vianora::prepareGpxText(file);
    benchmark::DoNotOptimize(text.data());
  }
  setCounters(state, file.size(), kBigTrackPoints);
}

void LeggiGpx(benchmark::State& state) {
  const std::string& file = bigGpxFile();
  for (auto _ : state) {
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiGpx(store, file, [&](const vianora::ImportFailure&) { ++failures; });
    if (!checkPoints(state, store, kBigTrackPoints, failures)) break;
  }
  setCounters(state, file.size(), kBigTrackPoints);
}

void LeggiPlt(benchmark::State& state) {
  const std::string& file = bigPltFile();
  for (auto _ : state) {
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiPlt(store, file, "big.plt", [&](const vianora::ImportFailure&) { ++failures; });
    // Line 5, the track's header, reads as a point of latitude 0; as long as point 0 has
    // latitude 0 the trip counts as empty, so the first real point takes its place.
    if (!checkPoints(state, store, kBigTrackPoints, failures)) break;
  }
  setCounters(state, file.size(), kBigTrackPoints);
}

void LeggiFit(benchmark::State& state) {
  const std::string& file = bigFitFile();
  for (auto _ : state) {
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiFit(store, file, [&](const vianora::ImportFailure&) { ++failures; });
    if (!checkPoints(state, store, kBigTrackPoints, failures)) break;
    benchmark::DoNotOptimize(vianora::computeTripStatistics(store.lastTrip()));
  }
  setCounters(state, file.size(), kBigTrackPoints);
}

void FarClosingTag(benchmark::State& state) {
  const std::string& text = bigGpxText();
  for (auto _ : state) {
    const vianora::WholeText whole(text);
    vianora::ClosingTagFinder finder(whole);
    if (finder.find("</trkpts>", 0) != std::string::npos) state.SkipWithError("found a tag");
  }
  setCounters(state, text.size(), kBigTrackPoints);
}

void SelfClosedPoints(benchmark::State& state) {
  const auto points = static_cast<std::size_t>(state.range(0));
  const std::string file = makeSelfClosedPoints(points);
  for (auto _ : state) {
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiGpx(store, file, [&](const vianora::ImportFailure&) { ++failures; });
    if (!checkPoints(state, store, points, failures)) break;
  }
  setCounters(state, file.size(), points);
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(GpxText)->Name("GpxText/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LeggiGpx)->Name("LeggiGpx/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LeggiPlt)->Name("LeggiPlt/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LeggiFit)->Name("LeggiFit/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(FarClosingTag)->Name("FarClosingTag/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SelfClosedPoints)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
