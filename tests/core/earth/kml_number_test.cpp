#include "core/earth/kml_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {
namespace {

// At most nine decimals, no exponent, no trailing zeros; -0 and values that are no numbers 0.
TEST(KmlNumber, WritesShortDecimalsWithAPoint) {
  std::string texts;
  for (const double value : {45.5, 1000.0, -7.125, 0.1, 45.1234567891234, 0.00001, 1e-12, 1e20,
                             -0.0, -1e-12, std::nan(""), HUGE_VAL}) {
    texts += kmlNumber(value) + " ";
  }
  EXPECT_EQ(texts, "45.5 1000 -7.125 0.1 45.123456789 0.00001 0 100000000000000000000 0 0 0 0 ");
  const std::string lowest = kmlNumber(std::numeric_limits<double>::lowest());
  EXPECT_EQ(lowest.substr(0, 18) + " " + std::to_string(lowest.size()), "-17976931348623157 310");
}

}  // namespace
}  // namespace vianora
