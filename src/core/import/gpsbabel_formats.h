#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

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
  std::string extension;    ///< its usual file extensions without the dot, separated by "/"
                            ///< ("fit", "tcx/crs/hst/xml"); may be empty
  std::string description;  ///< its description ("Flexible and Interoperable Data Transfer ...")
};

/// The formats of a `gpsbabel -^3` listing that are files and read tracks or routes, in the
/// listing's order; option lines, devices, internal formats and write-only formats are left out.
/// A format line is tab-separated: "file", the flags ("rwrwrw": read and write of waypoints,
/// tracks and routes, "-" where not), the name, the extensions, the description, the parent.
std::vector<GpsBabelFormat> readableGpsBabelFormats(std::string_view listing);

/// The formats the installed GPSBabel reads; no value when it is not installed or fails.
std::optional<std::vector<GpsBabelFormat>> installedGpsBabelFormats(
    const GpsBabelSettings& settings = {});

}  // namespace vianora
