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

// Plain text ("123.4", "0.75", "12"): the power is the position of the decimal point less the
// position of the first significant digit less 2. A total without a point is integral: its
// point would stand just after the last digit.
StepScale fromPlainText(const std::string& text) {
  const std::size_t point = text.find('.');
  const std::size_t first = text.find_first_not_of(".0");
  const int dot = static_cast<int>(point == std::string::npos ? text.size() : point) + 1;
  const int p = static_cast<int>(first) + 1;
  return {dot - p - 2, text[first] - '0'};
}

// Exponent text ("1.5E-05", "1.5E+15"): the same rule read from the decimal exponent, which
// gives a power one below it from 1 km on and two below it under 1 km.
StepScale fromExponentText(const std::string& text, std::size_t e) {
  const bool negative = text[e + 1] == '-';
  const int size = std::stoi(text.substr(e + 2));
  const int decimalExponent = negative ? -size : size;
  return {decimalExponent < 0 ? decimalExponent - 2 : decimalExponent - 1, text[0] - '0'};
}

}  // namespace

double gridStep(double totalKm) {
  if (!(totalKm > 0) || !std::isfinite(totalKm)) return 0;
  const std::string text = generalNumberText(totalKm, ".");
  const std::size_t e = text.find('E');
  const StepScale scale = e == std::string::npos ? fromPlainText(text) : fromExponentText(text, e);
  const double power = std::pow(10.0, scale.exponent);
  const double step = scale.lead == 1 ? power : scale.lead == 2 ? 2 * power : 5 * power;
  if (!(step > 0) || !std::isfinite(step)) return 0;
  return step;
}

}  // namespace vianora
