#include "core/util/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {
namespace {

const Separators kEnglish{".", ","};
const Separators kItalian{",", "."};
const Separators kNarrowSpace{",", "\u202F"};

std::string oneDecimal(double value) {
  return formatNumber(value, NumberPattern::OneDecimal, kEnglish);
}
std::string threeDecimals(double value) {
  return formatNumber(value, NumberPattern::ThreeDecimals, kEnglish);
}
std::string noLeadingZero(double value) {
  return formatNumber(value, NumberPattern::ThreeDecimalsNoLeadingZero, kEnglish);
}

TEST(FormatNumber, GroupsThousandsAndRoundsHalfAwayFromZero) {
  EXPECT_EQ(oneDecimal(8844.43), "8,844.4");
  EXPECT_EQ(oneDecimal(-1234.56), "-1,234.6");
  EXPECT_EQ(oneDecimal(0.05), "0.1");
  EXPECT_EQ(oneDecimal(-0.05), "-0.1");
  EXPECT_EQ(oneDecimal(999.95), "1,000.0");
  EXPECT_EQ(oneDecimal(999999.96), "1,000,000.0");
  EXPECT_EQ(oneDecimal(123.0), "123.0");
  EXPECT_EQ(threeDecimals(1234.5674), "1,234.567");
  EXPECT_EQ(threeDecimals(1234.5675), "1,234.568");
  EXPECT_EQ(threeDecimals(1234567.0), "1,234,567.000");
  EXPECT_EQ(threeDecimals(-9999999.9996), "-10,000,000.000");
}

TEST(FormatNumber, RoundsTheFifteenDigitDecimalFormNotTheBinaryValue) {
  EXPECT_EQ(oneDecimal(2.25), "2.3");
  EXPECT_EQ(oneDecimal(9.95), "10.0");  // stored as 9.9499999999999993
  EXPECT_EQ(threeDecimals(0.0005), "0.001");
  EXPECT_EQ(threeDecimals(1.0005), "1.001");          // stored as 1.000499999999999945
  EXPECT_EQ(oneDecimal(0.04999999999999999), "0.1");  // 0.0500000000000000 in 15 digits
  EXPECT_EQ(oneDecimal(0.0499999999999), "0.0");
  EXPECT_EQ(threeDecimals(1.0000000000000004), "1.000");
  EXPECT_EQ(threeDecimals(0.1 + 0.2), "0.300");
}

TEST(FormatNumber, ShowsNoMinusSignForAValueThatRoundsToZero) {
  EXPECT_EQ(oneDecimal(0.0), "0.0");
  EXPECT_EQ(oneDecimal(-0.0), "0.0");
  EXPECT_EQ(oneDecimal(-0.04), "0.0");
  EXPECT_EQ(threeDecimals(0.0), "0.000");
  EXPECT_EQ(threeDecimals(-0.0004), "0.000");
  EXPECT_EQ(threeDecimals(-1e-300), "0.000");
  EXPECT_EQ(noLeadingZero(-0.0001), ".000");
}

TEST(FormatNumber, LeavesOutTheIntegerZeroInTheNoLeadingZeroPattern) {
  EXPECT_EQ(noLeadingZero(0.5), ".500");
  EXPECT_EQ(noLeadingZero(0.0), ".000");
  EXPECT_EQ(noLeadingZero(-0.5), "-.500");
  EXPECT_EQ(noLeadingZero(0.0004), ".000");
  EXPECT_EQ(noLeadingZero(0.9996), "1.000");
  EXPECT_EQ(noLeadingZero(1234.5), "1,234.500");
  EXPECT_EQ(noLeadingZero(10.0), "10.000");
}

TEST(FormatNumber, UsesTheGivenSeparatorsEvenWhenTheyTakeSeveralBytes) {
  EXPECT_EQ(formatNumber(1234567.891, NumberPattern::ThreeDecimals, kItalian), "1.234.567,891");
  EXPECT_EQ(formatNumber(1234567.891, NumberPattern::ThreeDecimals, kNarrowSpace),
            "1\u202F234\u202F567,891");
  EXPECT_EQ(formatNumber(-0.5, NumberPattern::ThreeDecimalsNoLeadingZero, kItalian), "-,500");
  EXPECT_EQ(formatNumber(8844.43, NumberPattern::OneDecimal, Separators{"", ""}), "88444");
}

TEST(FormatNumber, WritesEveryDigitOfVeryLargeValues) {
  EXPECT_EQ(oneDecimal(1e20), "100,000,000,000,000,000,000.0");
  EXPECT_EQ(oneDecimal(123456789012345678.0), "123,456,789,012,346,000.0");
  const std::string largest = threeDecimals(std::numeric_limits<double>::max());
  EXPECT_EQ(largest.substr(0, 12), "179,769,313,");
  EXPECT_EQ(largest.size(), 309u + 102u + 4u);  // digits, separators, ".000"
}

TEST(FormatNumber, NamesValuesThatAreNotFinite) {
  const double infinity = std::numeric_limits<double>::infinity();
  EXPECT_EQ(oneDecimal(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(threeDecimals(infinity), "Infinity");
  EXPECT_EQ(noLeadingZero(-infinity), "-Infinity");
}

TEST(GeneralNumberText, WritesUpToFifteenDigitsWithoutTrailingZeros) {
  EXPECT_EQ(generalNumberText(10), "10");
  EXPECT_EQ(generalNumberText(0.5), "0.5");
  EXPECT_EQ(generalNumberText(123.4), "123.4");
  EXPECT_EQ(generalNumberText(-2.5), "-2.5");
  EXPECT_EQ(generalNumberText(0.1 + 0.2), "0.3");
  EXPECT_EQ(generalNumberText(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(generalNumberText(2.0 / 3), "0.666666666666667");
  EXPECT_EQ(generalNumberText(123456789012345), "123456789012345");
  EXPECT_EQ(generalNumberText(123456789012345.6), "123456789012346");
  EXPECT_EQ(generalNumberText(0.0001), "0.0001");
  EXPECT_EQ(generalNumberText(0.00012345), "0.00012345");
}

TEST(GeneralNumberText, WritesZeroWithoutASign) {
  EXPECT_EQ(generalNumberText(0.0), "0");
  EXPECT_EQ(generalNumberText(-0.0), "0");
}

TEST(GeneralNumberText, SwitchesToExponentFormBelowOneTenThousandthAndFrom1E15) {
  EXPECT_EQ(generalNumberText(1e15), "1E+15");
  EXPECT_EQ(generalNumberText(1.5e15), "1.5E+15");
  EXPECT_EQ(generalNumberText(999999999999999.9), "1E+15");  // 15 digits carry into 10^15
  EXPECT_EQ(generalNumberText(0.00001), "1E-05");
  EXPECT_EQ(generalNumberText(-1.5e-7), "-1.5E-07");
  EXPECT_EQ(generalNumberText(0.000099999999999999999), "0.0001");
  EXPECT_EQ(generalNumberText(1e100), "1E+100");
  EXPECT_EQ(generalNumberText(1e-300), "1E-300");
  EXPECT_EQ(generalNumberText(std::numeric_limits<double>::max()), "1.79769313486232E+308");
  EXPECT_EQ(generalNumberText(std::numeric_limits<double>::denorm_min()), "4.94065645841247E-324");
}

TEST(GeneralNumberText, UsesTheGivenDecimalSeparator) {
  EXPECT_EQ(generalNumberText(0.5, ","), "0,5");
  EXPECT_EQ(generalNumberText(-1234.25, ","), "-1234,25");
  EXPECT_EQ(generalNumberText(1.5e15, ","), "1,5E+15");
  EXPECT_EQ(generalNumberText(1e15, ","), "1E+15");
  EXPECT_EQ(generalNumberText(0.25, "\u066B"), "0\u066B25");
}

TEST(GeneralNumberText, NamesValuesThatAreNotFinite) {
  EXPECT_EQ(generalNumberText(std::numeric_limits<double>::quiet_NaN()), "NaN");
  EXPECT_EQ(generalNumberText(std::numeric_limits<double>::infinity()), "Infinity");
  EXPECT_EQ(generalNumberText(-std::numeric_limits<double>::infinity()), "-Infinity");
}

}  // namespace
}  // namespace vianora
