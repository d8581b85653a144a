#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cli/details_report.h"
#include "core/import/reader_choice.h"

namespace vianora::cli {

/// What the user asked vianora-stats for.
struct Options {
  std::optional<ReaderKind> type;  ///< --type: one reader for every file
  bool json = false;               ///< --json: JSON instead of text
  CsvTable csv = CsvTable::None;   ///< --csv: that table of the details instead of text
  bool help = false;               ///< --help
  bool version = false;            ///< --version
  std::string svgFolder;           ///< --svg or --svg-scales: where to write the charts
  bool svgScales = false;          ///< --svg-scales: the charts carry scales, legend, markers
  std::vector<std::string> files;  ///< the files, in the order to read them
};

/// Parses the arguments; on a usage error returns no value and sets `error`.
std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error);

/// The usage text.
std::string usageText();

}  // namespace vianora::cli
