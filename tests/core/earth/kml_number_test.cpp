#include "core/earth/kml_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace vianora {
namespace {

// A locale that writes numbers the Italian way, for whatever formats through the global locale.
struct CommaDecimals : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

// At most nine decimals, no exponent, no trailing zeros; -0 and values that are no numbers 0.
TEST(KmlNumber, WritesShortDecimalsWithAPointWhateverTheLocale) {
  std::string texts;
  for (const double value : {45.5, 1000.0, -7.125, 0.1, 45.1234567891234, 0.00001, 1e-12, 1e20,
                             -0.0, -1e-12, std::nan(""), HUGE_VAL}) {
    texts += kmlNumber(value) + " ";
  }
  EXPECT_EQ(texts, "45.5 1000 -7.125 0.1 45.123456789 0.00001 0 100000000000000000000 0 0 0 0 ");
  const std::string lowest = kmlNumber(std::numeric_limits<double>::lowest());
  EXPECT_EQ(lowest.substr(0, 18) + " " + std::to_string(lowest.size()), "-17976931348623157 310");
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  std::ostringstream stream;
  stream << 1234.5;
  EXPECT_EQ(stream.str() + " " + kmlNumber(1234.5), "1.234,5 1234.5");  // the locale is in force
  std::locale::global(previous);
}

}  // namespace
}  // namespace vianora
