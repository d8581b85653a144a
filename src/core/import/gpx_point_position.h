#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vianora {

/// The lat and lon attributes of a track or route point's tag.
struct GpxPointPosition {
  std::optional<double> latitude;   ///< degrees; there when a LAT key was met
  std::optional<double> longitude;  ///< degrees; there when a LON key was met
  bool overflow = false;            ///< a value beyond a double ended the reading
};

/// Reads the attributes of a point's tag (the text after its name), piece by piece between
/// blanks: a piece's key runs to its "=", keys are compared upper-cased, and the value is the
/// number of the rest with its double quotes removed. A key without "=" or value still counts
/// as met and reads 0, and so does a single-quoted value; a later key wins over an earlier one.
GpxPointPosition readGpxPointPosition(std::string_view attributes);

/// Names a point in a failure: "point 7 of the file, <trkpt lat="45.1">", by its number among
/// the file's track and route points and its tag; a long tag is cut short between characters.
std::string gpxPointDetail(std::size_t number, std::string_view tag);

}  // namespace vianora
