#include "core/util/time_format.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vianora {
namespace {

constexpr double kSecond = 1.0 / 86400;
const double kNaN = std::nan("");

// The texts of the values, one blank between two.
template <typename Format>
std::string texts(Format format, std::initializer_list<double> values) {
  std::string joined;
  for (const double value : values) joined += format(value) + " ";
  return joined.substr(0, joined.size() - 1);
}

// Taken to 15 significant digits, then rounded half away from zero to whole seconds: 1 / 6400
// of a day is exactly 13.5 s in 15 digits, though not in binary.
TEST(FormatDuration, WritesTotalHoursMinutesAndSeconds) {
  const auto duration = [](double days) { return formatDuration(days); };
  EXPECT_EQ(
      texts(duration, {0, 3723 * kSecond, 86399 * kSecond, 25 / 24.0, 11 + 49598 * kSecond, 1000,
                       -0.25, 0.5 * kSecond, 0.49 * kSecond, 1 / 6400.0, -1e-300, 1e300, kNaN}),
      "00:00:00 01:02:03 23:59:59 25:00:00 277:46:38 24000:00:00 -06:00:00 00:00:01 "
      "00:00:00 00:00:14 00:00:00 2400000000000000000:00:00 NaN");
  EXPECT_EQ(formatDuration(28 / 24.0, false), "28:00");
  EXPECT_EQ(formatDuration(0.5 + 59.6 * kSecond, false), "12:01");  // rounded seconds left out
  EXPECT_EQ(formatDuration(HUGE_VAL, false), "Infinity");
}

// The time alone on day 0, the date alone at midnight.
TEST(IsoDateTimeText, WritesDateAndTime) {
  EXPECT_EQ(texts(isoDateTimeText, {39756.5, 39756 + 3723 * kSecond, 39756 + 3600 * kSecond, 39756,
                                    -0.25, -1.25, -1, -0.00001, -657434 + kSecond}),
            "2008-11-04 12:00:00 2008-11-04 01:02:03 2008-11-04 01:00:00 2008-11-04 "
            "1899-12-29 18:00:00 1899-12-28 18:00:00 1899-12-29 1899-12-29 23:59:59 "
            "0100-01-01 00:00:01");
  EXPECT_EQ(texts(isoDateTimeText, {2958465 + 86399 * kSecond, 0, 0.5, -1e-10, 0.99999999999999,
                                    2958466, -693594, -693960, kNaN, -HUGE_VAL}),
            "9999-12-31 23:59:59 00:00:00 12:00:00 00:00:00 1899-12-31 10000-01-01 0000-12-31 "
            "-0001-12-31 NaN -Infinity");
  for (const double far : {1e300, -1e300, 1e17 + 0.5}) EXPECT_FALSE(isoDateTimeText(far).empty());
}

}  // namespace
}  // namespace vianora
