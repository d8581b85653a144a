#include "core/util/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace vianora {
namespace {

constexpr std::size_t kTenMegabytes = 10'000'000;

double read(std::string_view text) { return numberOfText(text).value(); }

TEST(NumberOfText, ReadsSignDigitsAndDecimalPoint) {
  EXPECT_EQ(read("45.5"), 45.5);
  EXPECT_EQ(read("-3.75"), -3.75);
  EXPECT_EQ(read("+7"), 7.0);
  EXPECT_EQ(read("5."), 5.0);
  EXPECT_EQ(read(".5"), 0.5);
  EXPECT_EQ(read("-.25"), -0.25);
  EXPECT_EQ(read("007"), 7.0);
}

TEST(NumberOfText, StopsAtTheFirstCharacterThatCannotContinueTheNumber) {
  EXPECT_EQ(read("9.25/"), 9.25);
  EXPECT_EQ(read("1.2.3"), 1.2);
  EXPECT_EQ(read("12abc"), 12.0);
  EXPECT_EQ(read("1,5"), 1.0);  // the decimal point is always "."
  EXPECT_EQ(read("3-4"), 3.0);
  EXPECT_EQ(read("1\r2"), 1.0);                         // a carriage return is not skipped
  EXPECT_EQ(read(std::string_view("4\0002", 3)), 4.0);  // a NUL ends the number too
}

TEST(NumberOfText, SkipsBlanksTabsAndLineFeedsWhereverTheyStand) {
  EXPECT_EQ(read("4 5.5"), 45.5);
  EXPECT_EQ(read(" - 5"), -5.0);
  EXPECT_EQ(read("\t1\n2 . 5 "), 12.5);
  EXPECT_EQ(read("1 e 3"), 1000.0);
  EXPECT_EQ(read("1e - 2"), 0.01);
}

TEST(NumberOfText, ReadsAnExponentAfterAnyOfItsFourLetters) {
  EXPECT_EQ(read("2e3"), 2000.0);
  EXPECT_EQ(read("2E3"), 2000.0);
  EXPECT_EQ(read("2d3"), 2000.0);
  EXPECT_EQ(read("2D+3"), 2000.0);
  EXPECT_EQ(read("25e-1"), 2.5);
  EXPECT_EQ(read("5.e1"), 50.0);
}

TEST(NumberOfText, EndsTheNumberAtAnExponentLetterWithoutDigits) {
  EXPECT_EQ(read("1e"), 1.0);
  EXPECT_EQ(read("1e+"), 1.0);
  EXPECT_EQ(read("1e-x"), 1.0);
  EXPECT_EQ(read("1dx"), 1.0);
  EXPECT_EQ(read("7.5ee3"), 7.5);
}

TEST(NumberOfText, GivesZeroWhenTheTextDoesNotBeginWithANumber) {
  for (const char* text : {"", "   ", "abc", "-", "+", ".", "-.", "e5", "x12", "+-5", "--5"}) {
    const auto value = numberOfText(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(*value, 0.0) << text;
    EXPECT_FALSE(std::signbit(*value)) << text;
  }
}

TEST(NumberOfText, NeverGivesNegativeZero) {
  for (const char* text : {"-0", "-0.0", "-0e5", "- 0", "-1e-400"}) {
    const auto value = numberOfText(text);
    ASSERT_TRUE(value.has_value()) << text;
    EXPECT_EQ(*value, 0.0) << text;
    EXPECT_FALSE(std::signbit(*value)) << text;
  }
}

TEST(NumberOfText, RoundsCorrectlyToTheNearestDouble) {
  EXPECT_EQ(read("0.1"), 0.1);
  EXPECT_EQ(read("9007199254740993"), 9007199254740992.0);  // a tie goes to the even one
  EXPECT_EQ(read("9007199254740993.0000000000000000001"), 9007199254740994.0);
  // 1 + 2^-53 exactly, half-way between 1 and the next double, and then just above it.
  EXPECT_EQ(read("1.00000000000000011102230246251565404236316680908203125"), 1.0);
  EXPECT_EQ(read("1.000000000000000111022302462515654042363166809082031251"),
            std::nextafter(1.0, 2.0));
  EXPECT_EQ(read("4.9e-324"), std::numeric_limits<double>::denorm_min());
  EXPECT_EQ(read("1.7976931348623157e308"), std::numeric_limits<double>::max());
}

TEST(NumberOfText, GivesNoValueForANumberTooLargeForADouble) {
  EXPECT_FALSE(numberOfText("1e400").has_value());
  EXPECT_FALSE(numberOfText("-1e400").has_value());
  EXPECT_FALSE(numberOfText("1.8e308").has_value());
  EXPECT_FALSE(numberOfText("1d99999999999999999999999999").has_value());
  EXPECT_FALSE(numberOfText(std::string(400, '9')).has_value());
  EXPECT_FALSE(numberOfText("0.000001e315").has_value());
  // Zeros after the point do not make a number with a whole part smaller.
  EXPECT_FALSE(numberOfText("1." + std::string(310, '0') + "e309").has_value());
}

TEST(NumberOfText, GivesZeroForANumberTooSmallForADouble) {
  EXPECT_EQ(read("1e-400"), 0.0);
  EXPECT_EQ(read("2e-324"), 0.0);
  EXPECT_EQ(read("1e-99999999999999999999999999"), 0.0);
  EXPECT_EQ(read("0." + std::string(400, '0') + "1"), 0.0);
  EXPECT_EQ(read("100000e-330"), 0.0);
}

TEST(NumberOfText, ReadsTenMegabyteTextsWithoutFailing) {
  EXPECT_FALSE(numberOfText(std::string(kTenMegabytes, '7')).has_value());
  EXPECT_EQ(read("0." + std::string(kTenMegabytes, '0') + "5"), 0.0);
  EXPECT_EQ(read(std::string(kTenMegabytes, ' ') + "7"), 7.0);
  EXPECT_EQ(read("1e" + std::string(kTenMegabytes, ' ') + "x"), 1.0);
  EXPECT_EQ(read(std::string(kTenMegabytes, '0') + ".5"), 0.5);
  EXPECT_EQ(read("1" + std::string(kTenMegabytes, '0') + "e-10000000"), 1.0);
  EXPECT_EQ(read("0." + std::string(kTenMegabytes, '0') + "1e10000002"), 10.0);
  EXPECT_EQ(read(std::string(kTenMegabytes, '-')), 0.0);
}

TEST(NumberOfText, ReadsTheSameUnderALocaleWithADecimalComma) {
  const std::string previous = std::setlocale(LC_ALL, nullptr);
  const char* comma = nullptr;
  for (const char* name : {"de_DE.UTF-8", "it_IT.UTF-8", "fr_FR.UTF-8", "de_DE", "it_IT"}) {
    if (std::setlocale(LC_ALL, name) != nullptr) {
      comma = name;
      break;
    }
  }
  if (comma == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const auto value = numberOfText("1.5");
  const auto tail = numberOfText("1,5");
  std::setlocale(LC_ALL, previous.c_str());
  EXPECT_EQ(value, 1.5);
  EXPECT_EQ(tail, 1.0);
}

}  // namespace
}  // namespace vianora
