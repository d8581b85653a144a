#include "core/util/gpx_date.h"

#include <gtest/gtest.h>

#include "core/util/day_number.h"

namespace vianora {
namespace {

const double kMidsummerMorning = *dayNumberOf({2007, 6, 21}, 8, 30, 15);

TEST(DayNumberOfGpxDate, ReadsDateAndTimeSeparatedByBlanks) {
  EXPECT_EQ(dayNumberOfGpxDate("2007-06-21 08:30:15"), kMidsummerMorning);
  EXPECT_EQ(dayNumberOfGpxDate("2007-06-21    08:30:15"), kMidsummerMorning);
  EXPECT_EQ(dayNumberOfGpxDate("2007-6-21 8:30:15"), kMidsummerMorning);
  EXPECT_EQ(dayNumberOfGpxDate("2007-6-1 8:3:5"), dayNumberOf({2007, 6, 1}, 8, 3, 5));
  EXPECT_EQ(dayNumberOfGpxDate("1899-12-30 00:00:00"), 0.0);
  EXPECT_EQ(dayNumberOfGpxDate("1899-12-28 18:00:00"), -1.25);
}

TEST(DayNumberOfGpxDate, AllowsBlanksBeforeAndAfterTheText) {
  EXPECT_EQ(dayNumberOfGpxDate("  2007-06-21 08:30:15"), kMidsummerMorning);
  EXPECT_EQ(dayNumberOfGpxDate("2007-06-21 08:30:15   "), kMidsummerMorning);
  EXPECT_EQ(dayNumberOfGpxDate(" 2007-06-21 08:30:15+02:00 "), kMidsummerMorning);
}

TEST(DayNumberOfGpxDate, IgnoresATimeZoneOffsetInAnyOfItsForms) {
  for (const char* text :
       {"2007-06-21 08:30:15+02:00", "2007-06-21 08:30:15+0200", "2007-06-21 08:30:15+02",
        "2007-06-21 08:30:15 -0500", "2007-06-21 08:30:15  -05:00", "2007-06-21 08:30:15-05",
        "2007-06-21 08:30:15+23:59", "2007-06-21 08:30:15-00:00"}) {
    EXPECT_EQ(dayNumberOfGpxDate(text), kMidsummerMorning) << text;
  }
}

constexpr const char* kMalformedOffsets[] = {
    "2007-06-21 08:30:15+2",           "2007-06-21 08:30:15+020",
    "2007-06-21 08:30:15+02:0",        "2007-06-21 08:30:15+02:000",
    "2007-06-21 08:30:15+24:00",       "2007-06-21 08:30:15+02:60",
    "2007-06-21 08:30:15+0260",        "2007-06-21 08:30:15+",
    "2007-06-21 08:30:15+02:",         "2007-06-21 08:30:15+02 00",
    "2007-06-21 08:30:15+02:00+01:00", "2007-06-21 08:30:15+02:00x",
    "2007-06-21 08:30:15*02:00",       "+02:00"};

TEST(DayNumberOfGpxDate, RefusesMalformedTimeZoneOffsets) {
  for (const char* text : kMalformedOffsets) {
    EXPECT_FALSE(dayNumberOfGpxDate(text).has_value()) << text;
  }
}

constexpr const char* kOtherShapes[] = {
    "",
    "   ",
    "2007-06-21",
    "2007-06-21 ",
    "07-06-21 08:30:15",
    "20070-06-21 08:30:15",
    "2007/06/21 08:30:15",
    "2007-06-2108:30:15",
    "2007-06-21T08:30:15",
    "2007-06-21\t08:30:15",
    "2007-06-21 08:30",
    "2007-06-21 08:30:15x",
    "2007-06-21 08:30:15:00",
    "2007-006-21 08:30:15",
    "2007-06-021 08:30:15",
    "2007-06-21 008:30:15",
    "2007-06-21 08:030:15",
    "2007-06-21 08:30:015",
    "2007--06-21 08:30:15",
    "2007-06-21 08:30:15.5",
    "x2007-06-21 08:30:15",
};

TEST(DayNumberOfGpxDate, RefusesTextsOfAnyOtherShape) {
  for (const char* text : kOtherShapes) {
    EXPECT_FALSE(dayNumberOfGpxDate(text).has_value()) << text;
  }
}

TEST(DayNumberOfGpxDate, RefusesDatesAndTimesThatDoNotExist) {
  for (const char* text : {"0099-01-01 00:00:00", "2007-02-29 00:00:00", "1900-02-29 00:00:00",
                           "2007-13-01 00:00:00", "2007-00-10 00:00:00", "2007-04-31 00:00:00",
                           "2007-06-21 24:00:00", "2007-06-21 08:60:15", "2007-06-21 08:30:60"}) {
    EXPECT_FALSE(dayNumberOfGpxDate(text).has_value()) << text;
  }
  EXPECT_TRUE(dayNumberOfGpxDate("2000-02-29 00:00:00").has_value());
  EXPECT_TRUE(dayNumberOfGpxDate("0100-01-01 00:00:00").has_value());
  EXPECT_TRUE(dayNumberOfGpxDate("9999-12-31 23:59:59").has_value());
}

}  // namespace
}  // namespace vianora
