// vianora-stats: reads track files into one trip store, as successive Open commands would,
// and prints every trip with its statistics.
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/chart_files.h"
#include "cli/command_line.h"
#include "cli/trip_report.h"
#include "cli/utf8_text.h"
#include "core/import/gpsbabel_import.h"
#include "core/import/import_many.h"
#include "core/import/reader_choice.h"

namespace {

constexpr int kExitFailureReported = 1;
constexpr int kExitUsage = 2;

/// One line on stderr. It names files and may quote what they hold: controls are escaped.
void printFailure(const std::string& text) {
  std::fputs(("vianora-stats: " + vianora::cli::terminalText(text) + "\n").c_str(), stderr);
}

/// The line for a failure met while reading: the words of the windows' boxes, their lines
/// joined by "; ".
std::string failureText(const std::string& path, const vianora::ImportFailure& failure) {
  using namespace vianora;
  std::string text = path + ": ";
  if (failure.shown == ImportFailure::Shown::ByOpenCommand) {
    text += "Errore " + std::string(kFailureSource) + ": ";  // the box's title
  }
  const std::vector<std::string> lines = failureLines(failure);
  for (std::size_t i = 0; i < lines.size(); ++i) text += (i == 0 ? "" : "; ") + lines[i];
  return text;
}

/// The line for a file that brought nothing, or that no reader was found for.
std::string outcomeText(const std::string& path, vianora::ImportOutcome outcome) {
  return path + ": " + std::string(vianora::outcomeDescription(outcome));
}

/// The threads that read files ahead: one per core, or VIANORA_READ_WORKERS when it is a
/// number (0: every file on the main thread, one after another; scripts/bench-many.sh
/// measures against that).
unsigned readWorkers() {
  const char* text = std::getenv("VIANORA_READ_WORKERS");
  const std::string_view value = text != nullptr ? text : "";
  unsigned workers = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), workers);
  if (value.empty() || error != std::errc{} || end != value.data() + value.size()) {
    return vianora::ImportQueue::workersForCores();
  }
  return workers;
}

/// The files read here, not by GPSBabel, in their order: each by --type when given, else by
/// its content, else by its extension.
vianora::ImportQueue ownReadings(const std::vector<vianora::cli::InputFile>& files,
                                 std::optional<vianora::ReaderKind> type) {
  using namespace vianora;
  std::vector<std::string> paths;
  for (const cli::InputFile& file : files) {
    if (file.gpsBabelFormat.empty()) paths.push_back(file.path);
  }
  return ImportQueue(
      std::move(paths),
      [type](const std::string& path) {
        return type ? *type : readerForFile(ReaderKind::None, path);
      },
      readWorkers());
}

/// Reads one file into the store: through GPSBabel when a format was given for it, else as
/// the next of `readings`; prints what went wrong and returns the exit status it calls for.
int readFile(vianora::Percorsi& store, const vianora::cli::InputFile& file,
             vianora::ImportQueue& readings) {
  using namespace vianora;
  int status = 0;
  const std::string& path = file.path;
  const FailureSink printed = [&](const ImportFailure& failure) {
    printFailure(failureText(path, failure));
    status = kExitFailureReported;
  };
  const ImportOutcome outcome = !file.gpsBabelFormat.empty()
                                    ? importWithGpsBabel(store, file.gpsBabelFormat, path, printed)
                                    : readings.importNext(store, printed);
  if (outcome == ImportOutcome::NotRecognised) {
    printFailure(outcomeText(path, outcome) + " Use --type to choose a reader.");
    return kExitUsage;
  }
  if (outcome == ImportOutcome::NothingFound) {
    printFailure(outcomeText(path, outcome));
    return kExitFailureReported;
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vianora;
  std::string error;
  const auto options =
      cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    printFailure(error);
    std::fputc('\n', stderr);
    std::fputs(cli::usageText().c_str(), stderr);
    return kExitUsage;
  }
  if (options->help) {
    std::fputs(cli::usageText().c_str(), stdout);
    return 0;
  }
  if (options->version) {
    std::puts("vianora-stats " VIANORA_VERSION);
    return 0;
  }

  int status = 0;
  Percorsi store;
  {
    ImportQueue readings = ownReadings(options->files, options->type);
    for (const cli::InputFile& file : options->files) {
      status = std::max(status, readFile(store, file, readings));  // a usage error wins
    }
  }
  if (options->json) {
    cli::writeJsonReport(std::cout, store);
  } else if (options->csv != cli::CsvTable::None) {
    cli::writeCsvTable(std::cout, store, options->csv);
  } else {
    cli::writeTextReport(std::cout, store);
  }
  std::cout.flush();
  if (!options->svgFolder.empty()) {
    const std::string error = cli::writeChartFiles(store, options->svgFolder, options->svgScales);
    if (!error.empty()) {
      printFailure(error);
      if (status == 0) status = kExitFailureReported;
    }
  }
  return status;
}
