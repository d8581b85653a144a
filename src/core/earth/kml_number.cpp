#include "core/earth/kml_number.h"

#include <array>
#include <charconv>
#include <cmath>

namespace vianora {
namespace {

constexpr int kDecimals = 9;
// The 309 integer digits of the largest double, its sign, the point and the decimals.
constexpr std::size_t kLongestText = 309 + 2 + kDecimals;

}  // namespace

std::string kmlNumber(double value) {
  if (!std::isfinite(value)) return "0";
  std::array<char, kLongestText> buffer{};  // std::to_chars ignores the locale
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                    std::chars_format::fixed, kDecimals);
  std::string text(buffer.data(), result.ptr);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') text.pop_back();
  if (text == "-0") text = "0";
  return text;
}

}  // namespace vianora
