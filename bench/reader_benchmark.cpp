// Reading speed of the two readers on large generated tracks.
//
//   GpxText/1M        the bytes of a 1,000,000-point GPX 1.1 file turned into GPX text
//   LeggiGpx/1M       that text read into a store
//   ReadGpx/1M        both, as opening the file does once its bytes are in memory
//   ReadPlt/1M        a 1,000,000-line PLT file read from a temporary file
//   SelfClosedPoints  <trkpt lat=".." lon=".."/> points in one trkseg, at three sizes, with
//                     the fitted complexity: the read must stay linear in the points.
//
// Each benchmark checks that every point was read, so a reader that stops early cannot pass
// for a fast one.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include "core/import/gpx_text.h"
#include "core/import/leggi_gpx.h"
#include "core/import/leggi_plt.h"
#include "core/store/percorsi.h"
#include "generated_tracks.h"

namespace {

using vianora::bench::makeGpxFile;
using vianora::bench::makePltFile;
using vianora::bench::makeSelfClosedPoints;

constexpr std::size_t kBigTrackPoints = 1'000'000;

const std::string& bigGpxFile() {
  static const std::string file = makeGpxFile(kBigTrackPoints);
  return file;
}

const std::string& bigGpxText() {
  static const std::string text = vianora::prepareGpxText(bigGpxFile());
  return text;
}

/// The PLT file lives in the temporary folder while the benchmarks run.
class TemporaryPltFile {
 public:
  TemporaryPltFile() {
    path_ = (std::filesystem::temp_directory_path() /
             ("vianora-bench-" + std::to_string(getpid()) + ".plt"))
                .string();
    const std::string bytes = makePltFile(kBigTrackPoints);
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) return;
    ok_ = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    ok_ = std::fclose(file) == 0 && ok_;
    size_ = bytes.size();
  }
  ~TemporaryPltFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  TemporaryPltFile(const TemporaryPltFile&) = delete;
  TemporaryPltFile& operator=(const TemporaryPltFile&) = delete;

  const std::string& path() const { return path_; }
  bool ok() const { return ok_; }
  std::size_t size() const { return size_; }

 private:
  std::string path_;
  bool ok_ = false;
  std::size_t size_ = 0;
};

const TemporaryPltFile& bigPltFile() {
  static const TemporaryPltFile file;
  return file;
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
  const std::string& text = bigGpxText();
  for (auto _ : state) {
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiGpx(store, text, [&](const vianora::ImportFailure&) { ++failures; });
    if (!checkPoints(state, store, kBigTrackPoints, failures)) break;
  }
  setCounters(state, text.size(), kBigTrackPoints);
}

void ReadGpx(benchmark::State& state) {
  const std::string& file = bigGpxFile();
  for (auto _ : state) {
    const std::string text = vianora::prepareGpxText(file);
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiGpx(store, text, [&](const vianora::ImportFailure&) { ++failures; });
    if (!checkPoints(state, store, kBigTrackPoints, failures)) break;
  }
  setCounters(state, file.size(), kBigTrackPoints);
}

void ReadPlt(benchmark::State& state) {
  const TemporaryPltFile& file = bigPltFile();
  if (!file.ok()) {
    state.SkipWithError("cannot write the temporary PLT file");
    return;
  }
  for (auto _ : state) {
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiPlt(store, file.path(), "big.plt",
                      [&](const vianora::ImportFailure&) { ++failures; });
    // Line 5, the track's header, reads as a point of latitude 0; as long as point 0 has
    // latitude 0 the trip counts as empty, so the first real point takes its place.
    if (!checkPoints(state, store, kBigTrackPoints, failures)) break;
  }
  setCounters(state, file.size(), kBigTrackPoints);
}

void SelfClosedPoints(benchmark::State& state) {
  const auto points = static_cast<std::size_t>(state.range(0));
  const std::string file = makeSelfClosedPoints(points);
  for (auto _ : state) {
    const std::string text = vianora::prepareGpxText(file);
    vianora::Percorsi store;
    std::size_t failures = 0;
    vianora::LeggiGpx(store, text, [&](const vianora::ImportFailure&) { ++failures; });
    if (!checkPoints(state, store, points, failures)) break;
  }
  setCounters(state, file.size(), points);
  state.SetComplexityN(state.range(0));
}

}  // namespace

BENCHMARK(GpxText)->Name("GpxText/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(LeggiGpx)->Name("LeggiGpx/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReadGpx)->Name("ReadGpx/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(ReadPlt)->Name("ReadPlt/1M")->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(SelfClosedPoints)
    ->Arg(50'000)
    ->Arg(100'000)
    ->Arg(200'000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);
