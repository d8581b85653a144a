// Opening a 1,000,000-point GPX file in the program, against the core reading it alone.
//
//   CoreRead/1M     importFile, as vianora-stats reads a file
//   WindowRead/1M   the Open command's read in the main window: wait cursor, progress bar and
//                   the event pump. Counter max_event_gap_ms: the longest time the window went
//                   without handling its events while the file was read.
// Target: WindowRead within 1.5 times CoreRead, with events handled every few tens of ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProgressBar>
#include <QTimer>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "core/import/reader_choice.h"
#include "generated_tracks.h"
#include "gui/import/open_command.h"
#include "silent_prompts.h"

namespace {

constexpr std::size_t kPoints = 1'000'000;

// The generated file lives as long as the benchmarks run.
struct TemporaryGpxFile {
  TemporaryGpxFile() {
    std::ofstream(path, std::ios::binary) << vianora::bench::makeGpxFile(kPoints);
  }
  ~TemporaryGpxFile() { std::filesystem::remove(path); }
  std::string path =
      (std::filesystem::temp_directory_path() / "vianora-gui-benchmark.gpx").string();
};

const std::string& bigGpxPath() {
  static const TemporaryGpxFile file;
  return file.path;
}

void CoreRead(benchmark::State& state) {
  for (auto _ : state) {
    vianora::Percorsi store;
    vianora::importFile(store, bigGpxPath(), vianora::ReaderKind::Gpx, {});
    if (store[0].Punti.size() != kPoints) state.SkipWithError("not every point was read");
  }
}

void WindowRead(benchmark::State& state) {
  vianora::bench::SilentPrompts prompts;
  QProgressBar bar;
  double maxGapMs = 0;
  for (auto _ : state) {
    vianora::Percorsi store;
    vianora::gui::OpenCommand open(store, prompts);
    QElapsedTimer sinceEvents;
    sinceEvents.start();
    QTimer ticker;  // fires whenever the window gets to handle its events
    QObject::connect(&ticker, &QTimer::timeout, [&] {
      maxGapMs = std::max(maxGapMs, static_cast<double>(sinceEvents.restart()));
    });
    ticker.start(1);
    open.readFile(nullptr, QString::fromStdString(bigGpxPath()), vianora::ReaderKind::Gpx, &bar);
    ticker.stop();
    if (store[0].Punti.size() != kPoints) state.SkipWithError("not every point was read");
  }
  state.counters["max_event_gap_ms"] = maxGapMs;
}

}  // namespace

BENCHMARK(CoreRead)->Name("CoreRead/1M")->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(WindowRead)->Name("WindowRead/1M")->Unit(benchmark::kMillisecond)->MinTime(3.0);
