#pragma once

#include <string_view>

namespace vianora {

/// Failure numbers the readers report; users of the older program know them by number. Those
/// from 1001 on are this program's own.
enum class FailureCode : int {
  Overflow = 6,                 ///< a number or a day number beyond what can be held
  OutOfMemory = 7,              ///< the store could not grow
  TypeMismatch = 13,            ///< a date-time that does not convert
  FileNotFound = 53,            ///< the file cannot be opened
  PathFileAccess = 75,          ///< another input/output failure
  PointWithoutPosition = 1001,  ///< a track or route point without its lat or lon attribute
  GpsBabel = 1002,              ///< GPSBabel is missing or did not convert a file
};

/// The description that goes with a failure number ("Overflow", "Type mismatch", ...): the
/// one table that the windows and the command-line tool word their failure messages from.
std::string_view failureDescription(FailureCode code);

/// Where failures say they come from: the program's short name.
inline constexpr std::string_view kFailureSource = "vianora";

}  // namespace vianora
