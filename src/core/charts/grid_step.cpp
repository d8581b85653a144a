#include "core/charts/grid_step.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "core/util/number_format.h"

namespace vianora {

namespace {

// The power of ten of the step and the leading digit of the total.
struct StepScale {
  int exponent = 0;
  int lead = 0;
};

/// How many powers of ten the step lies below the total's leading digit: two under 1 km, one
/// from 1 km on (so a total under 1 km gets about ten times as many grid lines).
constexpr int kStepPlacesUnderOneKm = 2;
constexpr int kStepPlacesFromOneKm = 1;

// Plain text ("123.4", "0.75", "12"): the power is the position of the decimal point less the
// position of the first significant digit, less two places. That difference is the leading
// digit's power under 1 km ("0.75": -1) but one more from 1 km on ("123.4": 3), so the same
// two places give one place below the leading digit there. A total without a point is
// integral: its point would stand just after the last digit.
StepScale fromPlainText(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::size_t first = text.find_first_not_of(".0");
  const int dot = static_cast<int>(point == std::string::npos ? text.size() : point) + 1;
  const int p = static_cast<int>(first) + 1;
  return {dot - p - kStepPlacesUnderOneKm, text[first] - '0'};
}

// Exponent text ("1.5E-05", "1.5E+15"): the same rule read from the decimal exponent, which is
// the leading digit's power.
StepScale fromExponentText(const std::string& text, std::size_t e) {
  const std::size_t sign = e + 1;  // the "E" is followed by the exponent's sign, then its digits
  const int size = std::stoi(text.substr(sign + 1));
  const int leadPower = text[sign] == '-' ? -size : size;
  const int places = leadPower < 0 ? kStepPlacesUnderOneKm : kStepPlacesFromOneKm;
  return {leadPower - places, text[0] - '0'};
}

}  // namespace

double gridStep(double totalKm) {
  if (!(totalKm > 0) || !std::isfinite(totalKm)) return 0;
  const std::string text = generalNumberText(totalKm, ".");
  const std::size_t e = text.find('E');
  const StepScale scale = e == std::string::npos ? fromPlainText(text) : fromExponentText(text, e);
  const double power = std::pow(10.0, scale.exponent);
  // 1, 2 or 5 times the power: the largest of them not above the leading digit.
  const double step = scale.lead == 1 ? power : scale.lead == 2 ? 2 * power : 5 * power;
  if (!(step > 0) || !std::isfinite(step)) return 0;
  return step;
}

}  // namespace vianora
