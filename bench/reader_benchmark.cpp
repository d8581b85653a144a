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

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>

#include "import/gpx_text.h"
#include "import/leggi_gpx.h"
#include "import/leggi_plt.h"
#include "store/percorsi.h"

namespace {

constexpr std::size_t kBigTrackPoints = 1'000'000;

/// A wandering track, one point a second: the same points every run.
class TrackWalk {
 public:
  struct Step {
    double lat, lon, ele;
    std::int64_t second;  // since the start
  };

  Step next() {
    const Step step{lat_, lon_, ele(), second_++};
    heading_ += turn_(rng_);
    lat_ += 4.0 * std::cos(heading_) / 111'320.0;
    lon_ += 4.0 * std::sin(heading_) / 78'700.0;
    if (std::fabs(lat_ - 45.07) > 0.2 || std::fabs(lon_ - 7.69) > 0.25) {
      heading_ = std::atan2(7.69 - lon_, 45.07 - lat_);
    }
    return step;
  }

 private:
  double ele() const {
    const double t = static_cast<double>(second_);
    return 1200.0 + 180.0 * std::sin(t / 2900.0) + 60.0 * std::sin(t / 377.0 + 1.0);
  }

  std::mt19937_64 rng_{20240514};
  std::normal_distribution<double> turn_{0.0, 0.08};
  double lat_ = 45.0701234;
  double lon_ = 7.6869876;
  double heading_ = 0.7;
  std::int64_t second_ = 0;
};

/// "2024-05-14T06:00:00Z" plus the given seconds (days roll over; the track ends long before
/// the month does).
void appendTime(std::string& out, std::int64_t second) {
  const std::int64_t total = 6 * 3600 + second;
  char buffer[32];
  const int n = std::snprintf(buffer, sizeof buffer, "2024-05-%02d%c%02d:%02d:%02d",
                              static_cast<int>(14 + total / 86400), 'T',
                              static_cast<int>(total / 3600 % 24),
                              static_cast<int>(total / 60 % 60), static_cast<int>(total % 60));
  out.append(buffer, static_cast<std::size_t>(n)).append("Z");
}

/// A GPX 1.1 file as devices write it: tab indentation, one element per line.
std::string makeGpxFile(std::size_t points) {
  std::string out;
  out.reserve(points * 120 + 1024);
  out +=
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<gpx version=\"1.1\" creator=\"vianora_benchmarks\" "
      "xmlns=\"http://www.topografix.com/GPX/1/1\">\n"
      "\t<metadata>\n\t\t<name>Big track</name>\n\t</metadata>\n"
      "\t<trk>\n\t\t<name>Big track</name>\n\t\t<trkseg>\n";
  TrackWalk walk;
  char buffer[128];
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    const int n = std::snprintf(buffer, sizeof buffer,
                                "\t\t\t<trkpt lat=\"%.7f\" lon=\"%.7f\">\n"
                                "\t\t\t\t<ele>%.1f</ele>\n\t\t\t\t<time>",
                                p.lat, p.lon, p.ele);
    out.append(buffer, static_cast<std::size_t>(n));
    appendTime(out, p.second);
    out += "</time>\n\t\t\t</trkpt>\n";
  }
  out += "\t\t</trkseg>\n\t</trk>\n</gpx>\n";
  return out;
}

/// An OziExplorer track file: six header lines, then one point a line.
std::string makePltFile(std::size_t points) {
  std::string out;
  out.reserve(points * 72 + 256);
  out +=
      "OziExplorer Track Point File Version 2.1\r\nWGS 84\r\nAltitude is in Feet\r\n"
      "Reserved 3\r\n0,2,255,Big track,0,0,2,8421376\r\n";
  out += std::to_string(points) + "\r\n";
  TrackWalk walk;
  char buffer[128];
  const double firstDay = 45426.25;  // 2024-05-14 06:00
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    const std::int64_t total = 6 * 3600 + p.second;
    const int n = std::snprintf(
        buffer, sizeof buffer, "%11.7f,%12.7f,%d,%8.1f,%.7f,%02d-May-24, %02d:%02d:%02d\r\n",
        p.lat, p.lon, i == 0 ? 1 : 0, p.ele / 0.3048,
        firstDay + static_cast<double>(p.second) / 86400.0, static_cast<int>(14 + total / 86400),
        static_cast<int>(total / 3600 % 24), static_cast<int>(total / 60 % 60),
        static_cast<int>(total % 60));
    out.append(buffer, static_cast<std::size_t>(n));
  }
  return out;
}

std::string makeSelfClosedPoints(std::size_t points) {
  std::string out = "<?xml version=\"1.0\"?>\n<gpx version=\"1.1\">\n<trk>\n<trkseg>\n";
  out.reserve(out.size() + points * 48 + 64);
  TrackWalk walk;
  char buffer[96];
  for (std::size_t i = 0; i < points; ++i) {
    const TrackWalk::Step p = walk.next();
    const int n = std::snprintf(buffer, sizeof buffer, "<trkpt lat=\"%.7f\" lon=\"%.7f\"/>\n",
                                p.lat, p.lon);
    out.append(buffer, static_cast<std::size_t>(n));
  }
  out += "</trkseg>\n</trk>\n</gpx>\n";
  return out;
}

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
