#include "cli/command_line.h"

namespace vianora::cli {

std::optional<Options> parseCommandLine(const std::vector<std::string>& args, std::string& error) {
  Options options;
  bool onlyFiles = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyFiles || arg.empty() || arg[0] != '-' || arg == "-") {
      options.files.push_back(arg);
    } else if (arg == "--") {
      onlyFiles = true;
    } else if (arg == "--json") {
      options.json = true;
    } else if (arg == "--csv") {
      options.csv = i + 1 < args.size() ? csvTableOfName(args[++i]) : CsvTable::None;
      if (options.csv == CsvTable::None) {
        error = "--csv needs a table: splits or pauses";
        return std::nullopt;
      }
    } else if (arg == "--help" || arg == "-h") {
      options.help = true;
    } else if (arg == "--version") {
      options.version = true;
    } else if (arg == "--svg" || arg == "--svg-scales") {
      if (i + 1 == args.size() || args[i + 1].empty()) {
        error = arg + " needs a folder";
        return std::nullopt;
      }
      options.svgFolder = args[++i];
      options.svgScales = arg == "--svg-scales";
    } else if (arg == "--type" || arg.rfind("--type=", 0) == 0) {
      std::string value;
      if (arg == "--type") {
        if (i + 1 == args.size()) {
          error = "--type needs a value: gpx, plt, fit, tcx or igc";
          return std::nullopt;
        }
        value = args[++i];
      } else {
        value = arg.substr(7);
      }
      options.type = readerOfTypeName(value);
      if (!options.type) {
        error = "unknown file type '" + value + "': use gpx, plt, fit, tcx or igc";
        return std::nullopt;
      }
    } else {
      error = "unknown option '" + arg + "'";
      return std::nullopt;
    }
  }
  if (options.json && options.csv != CsvTable::None) {
    error = "--json and --csv cannot be used together";
    return std::nullopt;
  }
  if (options.files.empty() && !options.help && !options.version) {
    error = "no file given";
    return std::nullopt;
  }
  return options;
}

std::string usageText() {
  return "Usage: vianora-stats [--type gpx|plt|fit|tcx|igc] [--json]\n"
         "                    [--svg FOLDER | --svg-scales FOLDER] FILE...\n"
         "Reads GPS track files (GPX, OziExplorer .plt, FIT, TCX, IGC) in order and\n"
         "prints every trip with its statistics.\n"
         "\n"
         "  --type gpx|plt|fit|tcx|igc\n"
         "                  read every file with this reader (default: by the content,\n"
         "                  else by the extension)\n"
         "  --json          write JSON instead of text\n"
         "  --csv splits|pauses\n"
         "                  write that table of the trips' details as CSV instead of\n"
         "                  text: a header row, then the trip's index first in each row\n"
         "                  (--json gives every trip all its details)\n"
         "  --svg FOLDER    also write the map, profile and distance charts of every trip\n"
         "                  as FOLDER/<index>-map.svg, -profile.svg and -distance.svg\n"
         "  --svg-scales FOLDER\n"
         "                  like --svg, with value scales, the map's scale bar, colour\n"
         "                  legend and start and end markers drawn over the charts\n"
         "  --help          show this text\n"
         "  --version       show the version\n"
         "\n"
         "Exit status: 0 when every file was read without a failure, 1 when a failure\n"
         "was reported or a file held no track or route, 2 for a usage error or a file\n"
         "of unknown type.\n";
}

}  // namespace vianora::cli
