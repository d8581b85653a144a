#include "core/earth/kml_number.h"

#include <gtest/gtest.h>

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

TEST(KmlNumber, WritesShortestDecimalsWithAPoint) {
  EXPECT_EQ(kmlNumber(45.5), "45.5");
  EXPECT_EQ(kmlNumber(1000.0), "1000");
  EXPECT_EQ(kmlNumber(-7.125), "-7.125");
  EXPECT_EQ(kmlNumber(0.1), "0.1");
  EXPECT_EQ(kmlNumber(0.5), "0.5");
}

TEST(KmlNumber, KeepsNineDecimalsAndNoExponent) {
  EXPECT_EQ(kmlNumber(45.1234567891234), "45.123456789");
  EXPECT_EQ(kmlNumber(0.00001), "0.00001");
  EXPECT_EQ(kmlNumber(1e-12), "0");
  EXPECT_EQ(kmlNumber(1e20), "100000000000000000000");
}

TEST(KmlNumber, WritesNegativeZeroAndNonNumbersAsZero) {
  EXPECT_EQ(kmlNumber(-0.0), "0");
  EXPECT_EQ(kmlNumber(-1e-12), "0");
  EXPECT_EQ(kmlNumber(std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(kmlNumber(std::numeric_limits<double>::infinity()), "0");
}

TEST(KmlNumber, IgnoresACommaDecimalGlobalLocale) {
  const std::locale previous =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
  std::ostringstream stream;
  stream << 1234.5;
  EXPECT_EQ(stream.str(), "1.234,5");      // the locale is in force...
  EXPECT_EQ(kmlNumber(1234.5), "1234.5");  // ...and KML does not follow it
  std::locale::global(previous);
}

}  // namespace
}  // namespace vianora
