#include "core/import/gpsbabel_import.h"

#include <algorithm>
#include <optional>

#include "core/import/import_run.h"
#include "core/import/input_file.h"
#include "core/import/leggi_gpx.h"

namespace vianora {

namespace {

// GPSBabel may warn about every bad record before the line that says why it gave up: only
// the last lines are kept, so that a message box stays readable.
constexpr std::size_t kErrorLinesKept = 5;

constexpr bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::string_view trimmedEnd(std::string_view text) {
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The last non-blank lines of GPSBabel's error output, trimmed, joined by "; ".
std::string lastErrorLines(std::string_view errors) {
  std::string joined;
  std::size_t kept = 0;
  for (errors = trimmedEnd(errors); !errors.empty() && kept < kErrorLinesKept;) {
    const auto newline = errors.rfind('\n');
    const std::string_view line =
        trimmedEnd(newline == std::string_view::npos ? errors : errors.substr(newline + 1));
    errors = trimmedEnd(errors.substr(0, newline == std::string_view::npos ? 0 : newline));
    if (line.empty()) continue;
    joined = std::string(line) + (kept++ == 0 ? "" : "; ") + joined;
  }
  return joined;
}

std::string timeLimitText(std::chrono::milliseconds limit) {
  if (limit.count() % 1000 == 0) return std::to_string(limit.count() / 1000) + " s";
  return std::to_string(limit.count()) + " ms";
}

// What is said of a conversion that brought no GPX; no value for one that did.
std::optional<std::string> failureDetail(const ProgramRun& run, const ProgramLimits& limits) {
  switch (run.end) {
    case ProgramEnd::Exited:
      if (run.exitStatus == 0) return std::nullopt;
      if (const std::string errors = lastErrorLines(run.errors); !errors.empty()) return errors;
      return "GPSBabel ended with exit status " + std::to_string(run.exitStatus);
    case ProgramEnd::NotFound:
      return std::string(kGpsBabelMissing);
    case ProgramEnd::TimedOut:
      return "GPSBabel took longer than " + timeLimitText(limits.timeLimit);
    case ProgramEnd::OutputTooLarge:
      return "GPSBabel wrote more than " + std::to_string(limits.largestOutput) + " bytes";
    case ProgramEnd::Crashed:
      return "GPSBabel crashed";
    case ProgramEnd::Stopped:
      break;
  }
  return "GPSBabel was stopped";
}

// GPSBabel heads its GPX with the time of the conversion (and with the name, links and bounds
// of what it read). The GPX reader gives a time or a name met outside a track to the point and
// trip read last, which here belong to the file read before: the head is left out, from the
// end of the gpx tag to the first route or track.
void leaveOutHead(std::string& gpx) {
  const auto gpxTag = gpx.find("<gpx");
  const auto headStart = gpx.find('>', gpxTag == std::string::npos ? 0 : gpxTag);
  if (gpxTag == std::string::npos || headStart == std::string::npos) return;
  const auto headEnd = std::min({gpx.find("<rte", headStart), gpx.find("<trk", headStart),
                                 gpx.find("</gpx", headStart), gpx.size()});
  gpx.erase(headStart + 1, headEnd - headStart - 1);
}

}  // namespace

std::vector<std::string> gpsBabelArguments(const GpsBabelSettings& settings,
                                           std::string_view format, const std::string& path) {
  const std::string file = path.starts_with('-') ? "./" + path : path;
  return {
      settings.program, "-t", "-r", "-i", std::string(format), "-f", file, "-o", "gpx", "-F", "-"};
}

ImportOutcome importWithGpsBabel(Percorsi& store, std::string_view format, const std::string& path,
                                 const FailureSink& failures, const ProgressFn& progress,
                                 const StopRequest& stopRequested,
                                 const GpsBabelSettings& settings) {
  if (const auto failure = openFailureOf(path)) {
    if (failures) failures(*failure);
    return ImportOutcome::Unreadable;
  }
  const auto convertAndRead = [&](const FailureSink& noted, const ProgressFn& checked) {
    // A stop request throws out of checked, and so out of runProgram, which kills GPSBabel.
    ProgramRun run = runProgram(gpsBabelArguments(settings, format, path), settings.limits,
                                [&](std::uint64_t written) {
                                  checked(written, 0);
                                  return true;
                                });
    if (const auto detail = failureDetail(run, settings.limits)) {
      return noted({ImportFailure::Shown::ByOpenCommand, FailureCode::GpsBabel, 0, *detail});
    }
    leaveOutHead(run.output);
    LeggiGpx(store, run.output, noted, checked);
  };
  return importThrough(store, path, failures, progress, stopRequested, convertAndRead);
}

}  // namespace vianora
