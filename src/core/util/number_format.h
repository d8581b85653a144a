#pragma once

#include <string>
#include <string_view>

namespace vianora {

/// The decimal and thousands separators numbers are shown with (UTF-8; either may be more
/// than one byte, such as a narrow no-break space).
struct Separators {
  std::string decimal = ".";
  std::string thousands = ",";
};

/// The number patterns of the statistics boxes.
enum class NumberPattern {
  OneDecimal,                  ///< "#,##0.0": grouped, at least one integer digit, one decimal
  ThreeDecimals,               ///< "#,##0.000": the same with three decimals
  ThreeDecimalsNoLeadingZero,  ///< "#,##.000": no integer digit when the integer part is 0
};

/// Formats a value by a pattern. The value is first taken to 15 significant digits, then
/// rounded half away from zero to the pattern's decimals; a value that rounds to zero shows
/// no minus sign. English separators: 8844.43 gives "8,844.4"; 0.5 in "#,##.000" gives ".500".
/// A value that is not finite gives "NaN", "Infinity" or "-Infinity".
std::string formatNumber(double value, NumberPattern pattern, const Separators& separators);

/// The general text of a number: at most 15 significant digits, no grouping, no trailing
/// zeros, exponent form ("1E-05", "1.5E+15") below 0.0001 and from 1E+15 on, as a general
/// conversion does. 10 gives "10", 0.5 gives "0.5" (with a "," decimal separator "0,5").
std::string generalNumberText(double value, std::string_view decimalSeparator = ".");

}  // namespace vianora
