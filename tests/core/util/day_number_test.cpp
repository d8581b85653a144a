#include "core/util/day_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vianora {

// Found by the test macros through the type's namespace, so failures show dates readably.
static void PrintTo(const CivilDate& date, std::ostream* out) {
  *out << date.year << "-" << date.month << "-" << date.day;
}

namespace {

// The next calendar day, counted by hand from month lengths, to check the day arithmetic
// against something that works quite differently.
CivilDate nextDay(CivilDate date) {
  const bool leap = date.year % 4 == 0 && (date.year % 100 != 0 || date.year % 400 == 0);
  const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (++date.day > lengths[date.month - 1]) {
    date.day = 1;
    if (++date.month > 12) {
      date.month = 1;
      ++date.year;
    }
  }
  return date;
}

TEST(DaysFromCivil, CountsDaysFromTheLastDayOf1899) {
  EXPECT_EQ(daysFromCivil({1899, 12, 30}), 0);
  EXPECT_EQ(daysFromCivil({1899, 12, 31}), 1);
  EXPECT_EQ(daysFromCivil({1900, 1, 1}), 2);
  EXPECT_EQ(daysFromCivil({1900, 3, 1}), 61);  // 1900 has no 29 February
  EXPECT_EQ(daysFromCivil({1899, 12, 28}), -2);
  EXPECT_EQ(daysFromCivil({2008, 11, 4}), 39756);
  EXPECT_EQ(daysFromCivil({100, 1, 1}), -657434);
  EXPECT_EQ(daysFromCivil({9999, 12, 31}), 2958465);
  EXPECT_EQ(daysFromCivil({10000, 1, 1}), static_cast<std::int64_t>(kEndOfValidDayNumbers));
  EXPECT_EQ(daysFromCivil({100, 1, 1}), static_cast<std::int64_t>(kFirstValidDayNumber));
}

TEST(CivilFromDays, MatchesACalendarWalkedDayByDayOverEveryValidDate) {
  CivilDate walked{100, 1, 1};
  for (std::int64_t days = -657434; days <= 2958465; ++days) {
    const CivilDate date = civilFromDays(days);
    if (!(date == walked) || daysFromCivil(walked) != days) {
      FAIL() << "day " << days << " gives " << testing::PrintToString(date) << ", expected "
             << testing::PrintToString(walked);
    }
    walked = nextDay(walked);
  }
  EXPECT_EQ(walked, (CivilDate{10000, 1, 1}));
}

TEST(CivilFromDays, GivesSomeDateWithoutOverflowForAnyDayCount) {
  for (const std::int64_t days :
       {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max(),
        std::int64_t{-1'000'000'000'000}, std::int64_t{1'000'000'000'000}}) {
    const CivilDate date = civilFromDays(days);
    EXPECT_GE(date.month, 1);
    EXPECT_LE(date.month, 12);
    EXPECT_GE(date.day, 1);
    EXPECT_LE(date.day, 31);
    EXPECT_EQ(date.year > 9999, days > 0);
  }
}

TEST(IsValidDayNumber, AcceptsFromYear100UpToTheEndOfYear9999) {
  EXPECT_TRUE(isValidDayNumber(0.0));
  EXPECT_TRUE(isValidDayNumber(-1.25));
  EXPECT_TRUE(isValidDayNumber(kFirstValidDayNumber));
  EXPECT_TRUE(isValidDayNumber(std::nextafter(kEndOfValidDayNumbers, 0.0)));
  EXPECT_FALSE(isValidDayNumber(kEndOfValidDayNumbers));
  EXPECT_FALSE(isValidDayNumber(std::nextafter(kFirstValidDayNumber, -1e9)));
  EXPECT_FALSE(isValidDayNumber(std::numeric_limits<double>::quiet_NaN()));
  EXPECT_FALSE(isValidDayNumber(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(isValidDayNumber(-std::numeric_limits<double>::infinity()));
}

TEST(DayNumberOf, AddsTheTimeOfDayAsAFractionOfADay) {
  EXPECT_EQ(dayNumberOf({1899, 12, 30}, 0, 0, 0), 0.0);
  EXPECT_EQ(dayNumberOf({2008, 11, 4}, 12, 0, 0), 39756.5);
  EXPECT_EQ(dayNumberOf({1899, 12, 28}, 18, 0, 0), -1.25);
  EXPECT_EQ(dayNumberOf({2007, 6, 21}, 8, 30, 15), 39254 + 30615 / 86400.0);
  EXPECT_EQ(dayNumberOf({100, 1, 1}, 0, 0, 0), kFirstValidDayNumber);
  EXPECT_EQ(dayNumberOf({9999, 12, 31}, 23, 59, 59), 2958465 + 86399 / 86400.0);
}

TEST(DayNumberOf, FollowsTheGregorianLeapYearRules) {
  EXPECT_FALSE(dayNumberOf({1900, 2, 29}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2100, 2, 29}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2007, 2, 29}, 0, 0, 0).has_value());
  EXPECT_TRUE(dayNumberOf({2000, 2, 29}, 0, 0, 0).has_value());
  EXPECT_TRUE(dayNumberOf({2004, 2, 29}, 0, 0, 0).has_value());
  EXPECT_TRUE(dayNumberOf({1600, 2, 29}, 0, 0, 0).has_value());
}

TEST(DayNumberOf, RefusesDatesThatDoNotExistOrLieOutsideYears100To9999) {
  EXPECT_FALSE(dayNumberOf({99, 12, 31}, 23, 59, 59).has_value());
  EXPECT_FALSE(dayNumberOf({10000, 1, 1}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({-2007, 6, 21}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2007, 0, 1}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2007, 13, 1}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2007, 4, 31}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2007, 6, 0}, 0, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf({2007, 12, 32}, 0, 0, 0).has_value());
  EXPECT_TRUE(dayNumberOf({2007, 12, 31}, 0, 0, 0).has_value());
}

TEST(DayNumberOf, RefusesTimesOutsideTheDay) {
  const CivilDate date{2007, 6, 21};
  EXPECT_FALSE(dayNumberOf(date, 24, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf(date, 8, 60, 0).has_value());
  EXPECT_FALSE(dayNumberOf(date, 8, 30, 60).has_value());
  EXPECT_FALSE(dayNumberOf(date, -1, 0, 0).has_value());
  EXPECT_FALSE(dayNumberOf(date, 0, -1, 0).has_value());
  EXPECT_FALSE(dayNumberOf(date, 0, 0, -1).has_value());
  EXPECT_TRUE(dayNumberOf(date, 23, 59, 59).has_value());
}

}  // namespace
}  // namespace vianora
