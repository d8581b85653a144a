#pragma once

#include <cstddef>
#include <string>

#include "core/store/percorso.h"

namespace vianora::bench {

/// A GPX 1.1 file as devices write it (tab indentation, one element per line) of a wandering
/// track with altitude and time on every point, one point a second: the same bytes every run.
std::string makeGpxFile(std::size_t points);

/// The same track as an OziExplorer file: six header lines, then one point a line.
std::string makePltFile(std::size_t points);

/// The same track as a FIT activity: one definition, then a record (time, position, altitude)
/// a second, and a cycling session at the end.
std::string makeFitFile(std::size_t points);

/// Self-closed points only (<trkpt lat=".." lon=".."/>) in one segment.
std::string makeSelfClosedPoints(std::size_t points);

/// A trip as a logger records it, straight into memory: a point a second, wandering, climbing
/// and descending, with a few GPS jumps (too fast to count) and stretches without altitude.
Percorso makeTrip(std::size_t points);

}  // namespace vianora::bench
