// vianora-stats: reads track files into one trip store, as successive Open commands would,
// and prints every trip with its statistics.
#include <cstdio>
#include <string>
#include <vector>

#include "chart_files.h"
#include "command_line.h"
#include "import/reader_choice.h"
#include "trip_report.h"

namespace {

constexpr int kExitFailureReported = 1;
constexpr int kExitUsage = 2;

/// One line on stderr per failure, with the words the windows show.
std::string failureLine(const std::string& path, const vianora::ImportFailure& failure) {
  std::string message =
      failure.shown == vianora::ImportFailure::Shown::ByGpxReader
          ? vianora::gpxFailureText(failure)
          : vianora::openFailureTitle(failure) + ": " + vianora::openFailureText(failure);
  for (std::size_t at = 0; (at = message.find("\r\n", at)) != std::string::npos;) {
    message.replace(at, 2, "; ");
  }
  return "vianora-stats: " + path + ": " + message + "\n";
}

}  // namespace

int main(int argc, char** argv) {
  using namespace vianora;
  std::string error;
  const auto options =
      cli::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
  if (!options) {
    std::fprintf(stderr, "vianora-stats: %s\n\n%s", error.c_str(), cli::usageText().c_str());
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
  for (const std::string& path : options->files) {
    const ReaderKind reader = options->type.value_or(readerOfExtension(path));
    if (reader == ReaderKind::None) {
      std::fprintf(stderr, "vianora-stats: %s: unknown file type (not .gpx or .plt; use --type)\n",
                   path.c_str());
      status = kExitUsage;
      continue;
    }
    importFile(store, path, reader, [&](const ImportFailure& failure) {
      std::fputs(failureLine(path, failure).c_str(), stderr);
      if (status == 0) status = kExitFailureReported;
    });
  }
  const std::string report = options->json ? cli::jsonReport(store) : cli::textReport(store);
  std::fwrite(report.data(), 1, report.size(), stdout);
  if (!options->svgFolder.empty()) {
    const std::string error = cli::writeChartFiles(store, options->svgFolder);
    if (!error.empty()) {
      std::fprintf(stderr, "vianora-stats: %s\n", error.c_str());
      if (status == 0) status = kExitFailureReported;
    }
  }
  return status;
}
