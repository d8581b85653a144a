#pragma once

#include <string>

#include "core/store/percorsi.h"

namespace vianora::cli {

/// Writes, for every trip of the store that has at least two points, <index>-map.svg,
/// <index>-profile.svg and <index>-distance.svg into a folder, drawn at the surface size the
/// trip window has in its design. Each file is replaced in one step and never written through
/// a link (replaceFile). Stops at the first file that cannot be written and returns its error
/// message; empty when every file was written. With `scales` each chart also carries what the
/// window draws over it: the value scales, the map's scale bar, legend and trip markers.
std::string writeChartFiles(const Percorsi& store, const std::string& folder, bool scales = false);

}  // namespace vianora::cli
