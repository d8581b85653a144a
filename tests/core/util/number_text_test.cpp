#include "core/util/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <random>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

namespace vianora {
namespace {

// The value of each text; a negative zero is written -99 and a missing value 99, so that the
// comparison tells them apart.
std::vector<double> valuesOf(std::initializer_list<std::string> texts) {
  std::vector<double> values;
  for (const std::string& text : texts) {
    const auto value = numberOfText(text);
    values.push_back(!value ? 99 : (*value == 0 && std::signbit(*value)) ? -99 : *value);
  }
  return values;
}

const std::string kTenMegabytes(10'000'000, '0');
const std::string kBlanks(kTenMegabytes.size(), ' ');

// Blanks, tabs and line feeds are skipped wherever they stand; reading stops at the first
// character that cannot continue the number; a text without a number is 0, never -0.
TEST(NumberOfText, ReadsTheNumberATextBeginsWith) {
  EXPECT_EQ(
      valuesOf({"45.5",  "-3.75",       "+7",    "5.",     ".5",   "-.25",        "007",   "9.25/",
                "1.2.3", "12abc",       "1,5",   "3-4",    "1\r2", {"4\0002", 3}, "\"5\"", "4 5.5",
                " - 5",  "\t1\n2 . 5 ", "1 e 3", "1e - 2", "2e3",  "2E3",         "2d3",   "2D+3",
                "25e-1", "5.e1",        "1e",    "1e+",    "1e-x", "1dx",         "7.5ee3"}),
      (std::vector<double>{45.5, -3.75, 7,   5,  0.5,  -0.25, 7,    9.25, 1.2,  12,   1,
                           3,    1,     4,   0,  45.5, -5,    12.5, 1000, 0.01, 2000, 2000,
                           2000, 2000,  2.5, 50, 1,    1,     1,    1,    7.5}));
  EXPECT_EQ(valuesOf({"", "   ", "abc", "-", "+", ".", "-.", "e5", "+-5", "--5", "-0", "-0.0",
                      "-0e5", "- 0", std::string(kTenMegabytes.size(), '-')}),
            std::vector<double>(15, 0.0));
  // A text ends where its view ends, whatever lies after it in memory: a digit, or nothing
  // readable (blanks with no terminating character after them).
  const std::vector<char> blanks(3, ' ');
  EXPECT_EQ(numberOfText(std::string_view("2.57").substr(0, 3)), 2.5);
  EXPECT_EQ(numberOfText(std::string_view(blanks.data(), blanks.size())), 0.0);
}

// Correctly rounded: a tie goes to the even neighbour. A value too small for a double is 0; one
// too large has no value (the "Overflow" failure), and zeros after the point do not make a
// number with a whole part smaller.
TEST(NumberOfText, RoundsToTheNearestDoubleAndOverflowsPastTheLargest) {
  EXPECT_EQ(valuesOf({"0.1", "9007199254740993", "9007199254740993.0000000000000000001", "4.9e-324",
                      "1.7976931348623157e308", "-1e-400", "2e-324", "100000e-330",
                      "1e-99999999999999999999999999", "0." + std::string(9999, '0') + "1e9000"}),
            (std::vector<double>{0.1, 9007199254740992.0, 9007199254740994.0, 4.9e-324,
                                 std::numeric_limits<double>::max(), 0, 0, 0, 0, 0}));
  EXPECT_EQ(
      valuesOf({"1e400", "-1e400", "1.8e308", "0.000001e315", "1d99999999999999999999999999",
                std::string(400, '9'), "1." + std::string(310, '0') + "e309", "7" + kTenMegabytes}),
      std::vector<double>(8, 99));
  // Long texts are read without failing.
  EXPECT_EQ(valuesOf({kBlanks + "7", "1e" + kBlanks + "x", kTenMegabytes + ".5",
                      "1" + kTenMegabytes + "e-10000000", "0." + kTenMegabytes + "1e10000002"}),
            (std::vector<double>{7, 1, 0.5, 1, 10}));
}

// Plain decimals of any length, as written in files, give the double that the C library's
// correctly rounded strtod gives, to the last bit.
TEST(NumberOfText, ReadsEveryPlainDecimalAsStrtodDoes) {
  std::mt19937_64 random(15);
  for (int round = 0; round < 200'000; ++round) {
    std::string text = random() % 3 == 0 ? "-" : "";
    const auto digits = [&](std::size_t most) {
      for (std::size_t n = random() % (most + 1); n > 0; --n) text += static_cast<char>('0' + random() % 10);
    };
    digits(20);
    text += '.';
    digits(random() % 4 == 0 ? 30 : 9);
    if (text.find_first_of("0123456789") == std::string::npos) text += '7';
    const double expected = std::strtod(text.c_str(), nullptr);
    const auto value = numberOfText(text);
    ASSERT_TRUE(value) << text;
    ASSERT_EQ(*value, expected == 0 ? 0.0 : expected) << text;
  }
}

TEST(NumberOfQuotedText, ReadsTheNumberWithoutItsDoubleQuotes) {
  EXPECT_EQ(numberOfQuotedText("\"45.5\""), 45.5);
  EXPECT_EQ(numberOfQuotedText("\"-4\"5\""), -45);
  EXPECT_EQ(numberOfQuotedText("\"1e3\" "), 1000);
  EXPECT_EQ(numberOfQuotedText("\"\""), 0);
}

}  // namespace
}  // namespace vianora
