#pragma once

#include <string>

namespace vianora {

/// A number as KML writes it: "." as the decimal point whatever the locale, no grouping, no
/// exponent, at most nine decimals (a tenth of a millimetre in latitude) and no trailing
/// zeros: 45.5 gives "45.5", 1000 gives "1000", -0.0 gives "0". A value that is not a number
/// gives "0".
std::string kmlNumber(double value);

}  // namespace vianora
