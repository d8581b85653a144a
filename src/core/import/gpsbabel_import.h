#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/import/gpsbabel_formats.h"
#include "core/import/reader_choice.h"

namespace vianora {

/// The arguments that convert `path` in `format` to GPX on GPSBabel's standard output, tracks
/// and routes: program, "-t", "-r", "-i", format, "-f", path, "-o", "gpx", "-F", "-". A path
/// that GPSBabel would take for an option or for its standard input ("-x", "-") gets "./"
/// in front.
std::vector<std::string> gpsBabelArguments(const GpsBabelSettings& settings,
                                           std::string_view format, const std::string& path);

/// The message for a GPSBabel that is not installed.
inline constexpr std::string_view kGpsBabelMissing =
    "GPSBabel is not installed. Install it with: sudo apt install gpsbabel";

/// Converts one file with GPSBabel and reads the GPX it writes with the GPX reader, as
/// importFile reads a GPX file: the same outcomes, every trip it brought records `path` as its
/// file; the head of GPSBabel's GPX (the time of the conversion, bounds) is left out, as the
/// GPX reader would give its time and name to the trip read before. During the conversion progress
/// is called with a total of 0 about every 20 ms (the length is not known) and a stop request kills
/// GPSBabel (Stopped); reading its GPX then reports the GPX's bytes. A GPSBabel that is not
/// installed, fails, exits with an error, runs past its time limit or writes too much is one
/// failure 1002 (Unreadable) whose detail holds kGpsBabelMissing, or GPSBabel's own error output
/// (its last lines, joined by "; "), or what stopped it. A file that does not open is reported as
/// importFile reports it (53, 75), and GPSBabel is not run for it: its own message would say less.
ImportOutcome importWithGpsBabel(Percorsi& store, std::string_view format, const std::string& path,
                                 const FailureSink& failures, const ProgressFn& progress = {},
                                 const StopRequest& stopRequested = {},
                                 const GpsBabelSettings& settings = {});

}  // namespace vianora
