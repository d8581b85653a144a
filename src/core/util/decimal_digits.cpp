#include "core/util/decimal_digits.h"

#include <charconv>
#include <cmath>

namespace vianora {

std::uint64_t DecimalDigits::significand() const {
  std::uint64_t result = 0;
  for (const char c : digits) result = result * 10 + static_cast<std::uint64_t>(c - '0');
  return result;
}

std::string nonFiniteText(double value) {
  if (std::isnan(value)) return "NaN";
  return value < 0 ? "-Infinity" : "Infinity";
}

DecimalDigits decimalDigitsOf(double finiteValue) {
  // to_chars writes "[-]d.ddddddddddddddde[+-]xx[x]" whatever the C locale says: one digit
  // before the point and the rest after it, at most 22 characters.
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, finiteValue,
                                 std::chars_format::scientific, kSignificantDigits - 1)
                       .ptr;
  const char* p = buffer;
  DecimalDigits result;
  result.negative = *p == '-';
  if (result.negative) ++p;
  result.digits.reserve(kSignificantDigits);
  for (; *p != 'e'; ++p) {
    if (*p != '.') result.digits.push_back(*p);
  }
  ++p;  // the 'e'
  const bool negativeExponent = *p == '-';
  std::from_chars(p + 1, end, result.exponent);
  if (negativeExponent) result.exponent = -result.exponent;
  if (result.digits[0] == '0') result = DecimalDigits{false, result.digits, 0};
  return result;
}

}  // namespace vianora
