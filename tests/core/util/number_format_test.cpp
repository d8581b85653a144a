#include "core/util/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {
namespace {

constexpr double kInfinity = HUGE_VAL;
constexpr double kMax = std::numeric_limits<double>::max();
const double kNaN = std::nan("");

// The English texts of the values in a pattern, one blank between two.
std::string texts(NumberPattern pattern, std::initializer_list<double> values) {
  std::string joined;
  for (const double value : values) joined += formatNumber(value, pattern, {}) + " ";
  return joined.substr(0, joined.size() - 1);
}

// Rounded half away from zero from the 15-digit decimal form, not from the binary value: 9.95
// is stored as 9.9499999999999993, 1.0005 as 1.000499999999999945, 0.04999999999999999 reads
// 0.0500000000000000 in 15 digits. A value that rounds to zero shows no minus sign.
TEST(FormatNumber, GroupsThousandsAndRoundsTheFifteenDigitForm) {
  EXPECT_EQ(texts(NumberPattern::OneDecimal, {8844.43, -1234.56, 0.05, -0.05, 999.95, 999999.96,
                                              2.25, 9.95, 0.04999999999999999, 0.049999999999999,
                                              -0.0, -0.04, 123456789012345678.0, kNaN}),
            "8,844.4 -1,234.6 0.1 -0.1 1,000.0 1,000,000.0 2.3 10.0 0.1 0.0 0.0 0.0 "
            "123,456,789,012,346,000.0 NaN");
  EXPECT_EQ(texts(NumberPattern::ThreeDecimals, {1234.5675, 1234.5674, 1.0005, 0.0005, 0.3, -0.0004,
                                                 -1e-300, -9999999.9996, kInfinity}),
            "1,234.568 1,234.567 1.001 0.001 0.300 0.000 0.000 -10,000,000.000 Infinity");
  EXPECT_EQ(texts(NumberPattern::ThreeDecimalsNoLeadingZero,
                  {0.5, -0.5, 0.0, -0.0001, 0.9996, 1234.5, 10.0, -kInfinity}),
            ".500 -.500 .000 .000 1.000 1,234.500 10.000 -Infinity");
  const std::string largest = formatNumber(kMax, NumberPattern::ThreeDecimals, {});
  EXPECT_EQ(largest.substr(0, 12), "179,769,313,");
  EXPECT_EQ(largest.size(), 309u + 102u + 4u);  // digits, separators, ".000"
}

TEST(FormatNumber, UsesTheGivenSeparatorsEvenWhenTheyTakeSeveralBytes) {
  const auto three = NumberPattern::ThreeDecimals;
  EXPECT_EQ(formatNumber(1234567.891, three, {",", "."}), "1.234.567,891");
  EXPECT_EQ(formatNumber(1234567.891, three, {",", "\u202F"}), "1\u202F234\u202F567,891");
  EXPECT_EQ(formatNumber(-0.5, NumberPattern::ThreeDecimalsNoLeadingZero, {",", "."}), "-,500");
}

// At most 15 significant digits, no grouping, no trailing zeros; the exponent form below
// 0.0001 and from 1E+15 on.
TEST(GeneralNumberText, WritesFifteenDigitsAtMost) {
  std::string joined;
  const double values[] = {
      10.0,   0.5,  -2.5,     0.1 + 0.2, 2.0 / 3,           123456789012345.6, 0.0001,  0.00012345,
      0.0,    -0.0, 1e15,     1.5e15,    999999999999999.9, 0.00001,           -1.5e-7, 1e100,
      1e-300, kMax, 4.9e-324, kNaN,      -kInfinity};
  for (const double value : values) joined += generalNumberText(value) + " ";
  EXPECT_EQ(joined,
            "10 0.5 -2.5 0.3 0.666666666666667 123456789012346 0.0001 0.00012345 0 0 1E+15 "
            "1.5E+15 1E+15 1E-05 -1.5E-07 1E+100 1E-300 1.79769313486232E+308 "
            "4.94065645841247E-324 NaN -Infinity ");
  EXPECT_EQ(generalNumberText(-1234.25, ","), "-1234,25");
  EXPECT_EQ(generalNumberText(1.5e15, ","), "1,5E+15");
  EXPECT_EQ(generalNumberText(0.25, "\u066B"), "0\u066B25");
}

}  // namespace
}  // namespace vianora
