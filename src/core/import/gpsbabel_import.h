#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/reader_choice.h"
#include "core/util/external_program.h"

namespace vianora {

/// Where GPSBabel is and how long it may take; tests point `program` at a stand-in.
struct GpsBabelSettings {
  std::string program = "gpsbabel";
  ProgramLimits limits{};
};

/// An input format GPSBabel offers that brings tracks or routes.
struct GpsBabelFormat {
  std::string name;         ///< what follows -i ("garmin_fit")
  std::string extension;    ///< its usual file extension without the dot ("fit"); may be empty
  std::string description;  ///< its description ("Flexible and Interoperable Data Transfer ...")
};

/// The formats of a `gpsbabel -^3` listing that are files and read tracks or routes, in the
/// listing's order; option lines, devices, internal formats and write-only formats are left out.
std::vector<GpsBabelFormat> readableGpsBabelFormats(std::string_view listing);

/// The formats the installed GPSBabel reads; no value when it is not installed or fails.
std::optional<std::vector<GpsBabelFormat>> installedGpsBabelFormats(
    const GpsBabelSettings& settings = {});

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
/// file. During the conversion progress is called with a total of 0 about every 20 ms (the
/// length is not known) and a stop request kills GPSBabel (Stopped); reading its GPX then
/// reports the GPX's bytes. A GPSBabel that is not installed, fails, exits with an error, runs
/// past its time limit or writes too much is one failure (Unreadable) whose detail holds
/// kGpsBabelMissing, or GPSBabel's own error output, or what stopped it.
ImportOutcome importWithGpsBabel(Percorsi& store, std::string_view format, const std::string& path,
                                 const FailureSink& failures, const ProgressFn& progress = {},
                                 const StopRequest& stopRequested = {},
                                 const GpsBabelSettings& settings = {});

}  // namespace vianora
