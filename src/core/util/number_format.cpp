#include "core/util/number_format.h"

#include <cmath>
#include <cstdio>

#include "core/util/decimal_digits.h"

namespace vianora {
namespace {

constexpr std::size_t kDigitsPerGroup = 3;  // thousands
// The general text takes the exponent form as a general ("%G") conversion of 15 digits does:
// from 10^15 on, and below 10^-4.
constexpr int kFirstLargeExponent = kSignificantDigits;
constexpr int kSmallestPlainExponent = -4;

// Adds one to a text of decimal digits ("" counts as 0).
void incrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// The digits of |value| x 10^places rounded half away from zero, working on the 15 decimal
// digits so that a value such as 2.25 rounds as written rather than as stored in binary.
std::string scaledDigits(const DecimalDigits& decimal, int places) {
  const int kept = decimal.exponent + 1 + places;  // digits before the rounding point
  if (kept < 0) return "0";                        // below half a unit of the last place
  const int available = static_cast<int>(decimal.digits.size());
  std::string result = kept >= available ? decimal.digits + std::string(kept - available, '0')
                                         : decimal.digits.substr(0, kept);
  if (kept < available && decimal.digits[kept] >= '5') incrementDigits(result);
  const auto firstNonZero = result.find_first_not_of('0');
  return firstNonZero == std::string::npos ? "0" : result.substr(firstNonZero);
}

std::string grouped(const std::string& integerDigits, const std::string& thousands) {
  std::string text;
  const std::size_t count = integerDigits.size();
  for (std::size_t i = 0; i < count; ++i) {
    if (i > 0 && (count - i) % kDigitsPerGroup == 0) text += thousands;
    text.push_back(integerDigits[i]);
  }
  return text;
}

// "#,##0.0" has one decimal, the other two patterns three.
std::size_t decimalsOf(NumberPattern pattern) {
  return pattern == NumberPattern::OneDecimal ? 1 : 3;
}

// "E", the exponent's sign and at least two of its digits: "E+15", "E-05", "E+308".
std::string exponentText(int exponent) {
  char text[8];  // "E-324" at most
  std::snprintf(text, sizeof text, "E%+03d", exponent);
  return text;
}

}  // namespace

std::string formatNumber(double value, NumberPattern pattern, const Separators& separators) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const std::size_t places = decimalsOf(pattern);
  const DecimalDigits decimal = decimalDigitsOf(value);
  std::string scaled = scaledDigits(decimal, static_cast<int>(places));
  const bool isZero = scaled == "0";
  if (scaled.size() <= places) scaled.insert(0, places + 1 - scaled.size(), '0');
  const std::string integerDigits = scaled.substr(0, scaled.size() - places);

  std::string text = decimal.negative && !isZero ? "-" : "";
  const bool dropIntegerZero =
      pattern == NumberPattern::ThreeDecimalsNoLeadingZero && integerDigits == "0";
  if (!dropIntegerZero) text += grouped(integerDigits, separators.thousands);
  text += separators.decimal;
  text += scaled.substr(scaled.size() - places);
  return text;
}

std::string generalNumberText(double value, std::string_view decimalSeparator) {
  if (!std::isfinite(value)) return nonFiniteText(value);
  const DecimalDigits decimal = decimalDigitsOf(value);
  const auto lastNonZero = decimal.digits.find_last_not_of('0');
  if (lastNonZero == std::string::npos) return "0";
  const std::string digits = decimal.digits.substr(0, lastNonZero + 1);
  const int exponent = decimal.exponent;

  std::string text = decimal.negative ? "-" : "";
  if (exponent < kSmallestPlainExponent || exponent >= kFirstLargeExponent) {
    text += digits[0];
    if (digits.size() > 1) text.append(decimalSeparator).append(digits, 1);
    text += exponentText(exponent);
  } else if (exponent < 0) {
    text.append("0").append(decimalSeparator).append(-exponent - 1, '0').append(digits);
  } else {
    const std::size_t integerCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= integerCount)
      return text + digits + std::string(integerCount - digits.size(), '0');
    text.append(digits, 0, integerCount).append(decimalSeparator).append(digits, integerCount);
  }
  return text;
}

}  // namespace vianora
