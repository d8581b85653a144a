#pragma once

#include <cstdint>
#include <string>

namespace vianora {

/// The significant digits every number is shown with: as many as a double always holds.
inline constexpr int kSignificantDigits = 15;

/// A finite double taken to 15 significant digits, as exact decimal digits: the value is
/// d.dddddddddddddd x 10^exponent, with the sign kept apart. Both number and time formatting
/// start from this form, so that they agree on every value.
struct DecimalDigits {
  bool negative = false;  ///< never set for zero, so -0.0 reads as 0
  std::string digits;     ///< always 15 digits; the first is not '0' unless the value is zero
  int exponent = 0;       ///< power of ten of the first digit

  /// The 15 digits as one integer: the value is significand() x 10^(exponent - 14).
  std::uint64_t significand() const;
};

/// "NaN", "Infinity" or "-Infinity": how every formatter shows a value that is not finite.
std::string nonFiniteText(double value);

/// The correctly rounded 15-digit decimal form of a finite value (locale-independent).
DecimalDigits decimalDigitsOf(double finiteValue);

}  // namespace vianora
