#include "core/util/gpx_date.h"

#include <gtest/gtest.h>

#include <string>

namespace vianora {
namespace {

// 2007-06-21 is day 39254 (502 days before 2008-11-04, day 39756); 08:30:15 is 30615 s.
constexpr double kMidsummerMorning = 39254 + 30615 / 86400.0;
const std::string kTime = "2007-06-21 08:30:15";

TEST(DayNumberOfGpxDate, ReadsDateAndTimeIgnoringBlanksAroundAndAnyZoneOffset) {
  for (const char* tail :
       {"", "   ", "+02:00", "+0200", "+02", " -0500", "  -05:00", "-05", "+23:59", "-00:00 "}) {
    EXPECT_EQ(dayNumberOfGpxDate(kTime + tail), kMidsummerMorning) << tail;
  }
  EXPECT_EQ(dayNumberOfGpxDate("  2007-6-21    8:30:15"), kMidsummerMorning);
  EXPECT_EQ(dayNumberOfGpxDate("2007-6-1 8:3:5"), 39234 + 28985 / 86400.0);
  EXPECT_EQ(dayNumberOfGpxDate("1899-12-28 18:00:00"), -1.25);
}

TEST(DayNumberOfGpxDate, RefusesOtherShapesAndDatesThatDoNotExist) {
  for (const char* tail :
       {"+2", "+020", "+02:0", "+02:000", "+24:00", "+02:60", "+0260", "+", "+02:", "+02 00",
        "+02:00+01:00", "+02:00x", "*02:00", "x", ":00", ".5"}) {
    EXPECT_FALSE(dayNumberOfGpxDate(kTime + tail)) << tail;
  }
  for (const char* text :
       {"", "   ", "+02:00", "2007-06-21", "2007-06-21 ", "07-06-21 08:30:15",
        "20070-06-21 08:30:15", "2007/06/21 08:30:15", "2007-06-2108:30:15", "2007-06-21T08:30:15",
        "2007-06-21\t08:30:15", "2007-06-21 08:30", "2007-006-21 08:30:15", "2007-06-021 08:30:15",
        "2007-06-21 008:30:15", "2007-06-21 08:030:15", "2007-06-21 08:30:015",
        "2007--06-21 08:30:15", "x2007-06-21 08:30:15"}) {
    EXPECT_FALSE(dayNumberOfGpxDate(text)) << text;
  }
  for (const char* text :
       {"0099-01-01 00:00:00", "2007-02-29 00:00:00", "2007-11-31 00:00:00", "2007-13-01 00:00:00",
        "2007-06-21 24:00:00", "2007-06-21 08:60:15", "2007-06-21 08:30:60"}) {
    EXPECT_FALSE(dayNumberOfGpxDate(text)) << text;
  }
}

// Digits past the fifteenth are dropped.
TEST(MillisecondsOfGpxFraction, ReadsTheLeadingDigitsAsADecimalFractionOfASecond) {
  const struct {
    const char* afterPoint;
    double milliseconds;
  } cases[] = {
      {"5", 500}, {"250", 250}, {"123456", 123.456}, {"5+02:00", 500},
      {"", 0},    {"x5", 0},    {"007Z", 7},         {"1234567890123456789", 123.456789012345}};
  for (const auto& c : cases) {
    EXPECT_EQ(millisecondsOfGpxFraction(c.afterPoint), c.milliseconds) << c.afterPoint;
  }
}

}  // namespace
}  // namespace vianora
