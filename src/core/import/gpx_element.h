#pragma once

#include <string_view>

#include "util/ascii.h"

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
  if (name.size() > 8) return GpxElement::Other;
  const std::string upper = upperCasedAscii(name);
  if (upper == "?XML") return GpxElement::Declaration;
  if (upper == "GPX" || upper == "TRKSEG") return GpxElement::Container;
  if (upper == "TRK" || upper == "RTE") return GpxElement::Trip;
  if (upper == "NAME") return GpxElement::Name;
  if (upper == "TRKPT" || upper == "RTEPT") return GpxElement::Point;
  if (upper == "ELE") return GpxElement::Altitude;
  if (upper == "TIME") return GpxElement::Time;
  if (upper == "SPEED" || upper == "COURSE" || upper == "WPT" || upper == "METADATA") {
    return GpxElement::Skipped;
  }
  return GpxElement::Other;
}

}  // namespace vianora
