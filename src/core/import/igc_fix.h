#pragma once

#include <optional>
#include <string_view>

namespace vianora {

/// What a flight log's B record (one fix) holds.
struct IgcFix {
  int secondOfDay = 0;  ///< UTC time of the fix, seconds from midnight
  double latitude = 0.0;
  double longitude = 0.0;
  double altitude = 1.0;  ///< metres: GNSS when not 0, else pressure; 1.0 when neither is there
};

/// Reads one B record (a line without its line end, the leading 'B' included):
/// "B HHMMSS DDMMmmm N|S DDDMMmmm E|W A|V PPPPP GGGGG" without the blanks, then the
/// extensions. The altitudes may be missing at the end of the line; what follows them must be
/// digits and '-' only, as the extensions are numbers. No value for a line that breaks this.
std::optional<IgcFix> readIgcFix(std::string_view line);

}  // namespace vianora
