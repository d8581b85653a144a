#pragma once

#include <string_view>

#include "core/util/ascii.h"

namespace vianora {

/// What the GPX reader does with an element, by its upper-cased name.
enum class GpxElement {
  Declaration,  ///< ?XML: version and encoding, then the rest of the text as its content
  Container,    ///< GPX, TRKSEG: content read as elements
  Trip,         ///< TRK, RTE: starts a trip, content read as elements
  Name,         ///< NAME: content names the current trip
  Point,        ///< TRKPT, RTEPT: adds a point, reads LAT and LON, content read as elements
  Altitude,     ///< ELE: content is the current point's altitude
  Time,         ///< TIME: content is the current point's date-time
  Skipped,      ///< SPEED, COURSE, WPT, METADATA: content dropped
  Other,        ///< anything else, closing tags and comments included: only the tag is read
};

inline GpxElement classifyGpxElement(std::string_view name) {
  // Sorted by how often they occur; a name longer than any of them is nothing of ours.
  struct Known {
    std::string_view upper;
    GpxElement element;
  };
  static constexpr Known kKnown[] = {
      {"TRKPT", GpxElement::Point},   {"ELE", GpxElement::Altitude},
      {"TIME", GpxElement::Time},     {"RTEPT", GpxElement::Point},
      {"NAME", GpxElement::Name},     {"TRKSEG", GpxElement::Container},
      {"TRK", GpxElement::Trip},      {"RTE", GpxElement::Trip},
      {"SPEED", GpxElement::Skipped}, {"COURSE", GpxElement::Skipped},
      {"WPT", GpxElement::Skipped},   {"METADATA", GpxElement::Skipped},
      {"GPX", GpxElement::Container}, {"?XML", GpxElement::Declaration},
  };
  constexpr std::size_t kShortestName = 3;  // ELE, TRK, RTE, GPX, WPT
  constexpr std::size_t kLongestName = 8;   // METADATA
  if (name.size() < kShortestName || name.size() > kLongestName) return GpxElement::Other;
  for (const Known& known : kKnown) {
    if (equalsIgnoringCase(name, known.upper)) return known.element;
  }
  return GpxElement::Other;
}

/// Whether an element of this name holds other elements for a whole file or track, so that
/// its closing tag lies far ahead (points, which close within a few lines, do not count).
inline bool isGpxContainerName(std::string_view name) {
  // Asked of every closing tag of a file: most (ele, time, trkpt) fail the first test.
  if (name.size() != 3 && name.size() != 4 && name.size() != 6) return false;
  return equalsIgnoringCase(name, "GPX") || equalsIgnoringCase(name, "TRK") ||
         equalsIgnoringCase(name, "RTE") || equalsIgnoringCase(name, "?XML") ||
         equalsIgnoringCase(name, "TRKSEG");
}

}  // namespace vianora
