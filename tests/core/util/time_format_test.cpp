#include "core/util/time_format.h"

#include <gtest/gtest.h>

#include <limits>

namespace vianora {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST(DateTimeParts, SplitsADayNumberIntoDateAndTime) {
  const DateTimeParts parts = dateTimeParts(39756.5 + 3723 * kSecond);
  EXPECT_EQ(parts.wholeDays, 39756);
  EXPECT_EQ(parts.year, 2008);
  EXPECT_EQ(parts.month, 11);
  EXPECT_EQ(parts.day, 4);
  EXPECT_EQ(parts.hour, 13);
  EXPECT_EQ(parts.minute, 2);
  EXPECT_EQ(parts.second, 3);
}

TEST(DateTimeParts, CountsNegativeDayNumbersLinearly) {
  const DateTimeParts parts = dateTimeParts(-0.25);
  EXPECT_EQ(parts.wholeDays, -1);
  EXPECT_EQ(parts.year, 1899);
  EXPECT_EQ(parts.month, 12);
  EXPECT_EQ(parts.day, 29);
  EXPECT_EQ(parts.hour, 18);
  EXPECT_EQ(parts.minute, 0);
  EXPECT_EQ(parts.second, 0);
  EXPECT_EQ(dateTimeParts(-1.0).wholeDays, -1);
  EXPECT_EQ(dateTimeParts(-1.0).hour, 0);
}

TEST(FormatDuration, WritesTotalHoursMinutesAndSeconds) {
  struct Case {
    double days;
    bool withSeconds;
    const char* text;
  };
  const Case cases[] = {
      {0.0, true, "00:00:00"},
      {3723 * kSecond, true, "01:02:03"},
      {86399 * kSecond, true, "23:59:59"},
      {25 / 24.0, true, "25:00:00"},
      {11 + (13 * 3600 + 46 * 60 + 38) * kSecond, true, "277:46:38"},
      {1000.0, true, "24000:00:00"},
      {-0.25, true, "-06:00:00"},
      {28 / 24.0, false, "28:00"},
      {0.5 + 59 * kSecond, false, "12:00"},
      {0.5 + 59.6 * kSecond, false, "12:01"},  // the rounded seconds are left out
      // Rounded half away from zero, after taking the span to 15 digits.
      {0.5 * kSecond, true, "00:00:01"},
      {0.49 * kSecond, true, "00:00:00"},
      {1 / 6400.0, true, "00:00:14"},  // exactly 13.5 s in 15 digits, though not in binary
      {0.99999999999999, true, "24:00:00"},
      {-1e-300, true, "00:00:00"},
      {1e300, true, "2400000000000000000:00:00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.days);
    EXPECT_EQ(formatDuration(c.days, c.withSeconds), c.text);
  }
}

TEST(IsoDateTimeText, WritesDateAndTime) {
  EXPECT_EQ(isoDateTimeText(39756.5), "2008-11-04 12:00:00");
  EXPECT_EQ(isoDateTimeText(-0.25), "1899-12-29 18:00:00");
  EXPECT_EQ(isoDateTimeText(-1.25), "1899-12-28 18:00:00");
  EXPECT_EQ(isoDateTimeText(-657434.0 + 1 * kSecond), "0100-01-01 00:00:01");
  EXPECT_EQ(isoDateTimeText(2958465 + 86399 * kSecond), "9999-12-31 23:59:59");
  EXPECT_EQ(isoDateTimeText(-0.00001), "1899-12-29 23:59:59");
}

TEST(IsoDateTimeText, WritesTheTimeAloneOnDayZero) {
  EXPECT_EQ(isoDateTimeText(0.0), "00:00:00");
  EXPECT_EQ(isoDateTimeText(0.5), "12:00:00");
  EXPECT_EQ(isoDateTimeText(-1e-10), "00:00:00");
  EXPECT_EQ(isoDateTimeText(86399 * kSecond), "23:59:59");
}

TEST(IsoDateTimeText, WritesTheDateAloneAtMidnight) {
  EXPECT_EQ(isoDateTimeText(39756.0), "2008-11-04");
  EXPECT_EQ(isoDateTimeText(-657434.0), "0100-01-01");
  EXPECT_EQ(isoDateTimeText(0.99999999999999), "1899-12-31");
  EXPECT_EQ(isoDateTimeText(-1.0), "1899-12-29");
}

TEST(IsoDateTimeText, WritesSomeTextForDayNumbersBeyondTheCalendar) {
  EXPECT_EQ(isoDateTimeText(2958466.0), "10000-01-01");
  EXPECT_EQ(isoDateTimeText(-693594.0), "0000-12-31");
  EXPECT_EQ(isoDateTimeText(-693960.0), "-0001-12-31");
  EXPECT_FALSE(isoDateTimeText(1e300).empty());
  EXPECT_FALSE(isoDateTimeText(-1e300).empty());
  EXPECT_FALSE(isoDateTimeText(std::numeric_limits<double>::max()).empty());
  EXPECT_FALSE(isoDateTimeText(1e17 + 0.5).empty());
}

TEST(TimeTexts, NameValuesThatAreNotFinite) {
  EXPECT_EQ(formatDuration(kNaN), "NaN");
  EXPECT_EQ(formatDuration(kInfinity, false), "Infinity");
  EXPECT_EQ(isoDateTimeText(-kInfinity), "-Infinity");
  EXPECT_EQ(isoDateTimeText(kNaN), "NaN");
  EXPECT_EQ(dateTimeParts(kNaN).wholeDays, 0);
}

}  // namespace
}  // namespace vianora
