#include "core/util/day_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

namespace vianora {
namespace {

auto ymd(const CivilDate& date) { return std::tuple(date.year, date.month, date.day); }

// Counted by hand from 1899-12-30: 1900 has no 29 February, year 0 has one.
TEST(CivilDays, CountFromTheLastDaysOf1899BothWays) {
  const struct {
    std::int64_t days;
    CivilDate date;
  } cases[] = {{0, {1899, 12, 30}},       {2, {1900, 1, 1}},      {61, {1900, 3, 1}},
               {-2, {1899, 12, 28}},      {39756, {2008, 11, 4}}, {-657434, {100, 1, 1}},
               {2958465, {9999, 12, 31}}, {-693594, {0, 12, 31}}, {-693960, {-1, 12, 31}}};
  for (const auto& c : cases) {
    EXPECT_EQ(ymd(civilFromDays(c.days)), ymd(c.date)) << c.days;
    EXPECT_EQ(daysFromCivil(c.date), c.days);
  }
  // Beyond chrono's years: 400 Gregorian years are 146,097 days, a billion years the most.
  EXPECT_EQ(ymd(civilFromDays(146'097 * 100)), std::tuple(41899, 12, 30));
  EXPECT_EQ(ymd(civilFromDays(-146'097 * 100 - 1)), std::tuple(-38101, 12, 29));
  EXPECT_GT(civilFromDays(std::numeric_limits<std::int64_t>::max()).year, 999'000'000);
  EXPECT_LT(civilFromDays(std::numeric_limits<std::int64_t>::min()).year, -999'000'000);
}

TEST(IsValidDayNumber, TakesFromYear100UpToTheEndOfYear9999) {
  for (const double valid : {-657434.0, -1.25, std::nextafter(2958466.0, 0.0)}) {
    EXPECT_TRUE(isValidDayNumber(valid)) << valid;
  }
  for (const double invalid : {std::nextafter(-657434.0, -1e9), 2958466.0, std::nan("")}) {
    EXPECT_FALSE(isValidDayNumber(invalid)) << invalid;
  }
}

TEST(DayNumberOf, AddsTheTimeOfDayAsAFractionOfADay) {
  EXPECT_EQ(dayNumberOf({2007, 6, 21}, 8, 30, 15), 39254 + 30615 / 86400.0);
  EXPECT_EQ(dayNumberOf({1899, 12, 28}, 18, 0, 0), -1.25);
  EXPECT_EQ(dayNumberOf({100, 1, 1}, 0, 0, 0), -657434.0);
  EXPECT_EQ(dayNumberOf({9999, 12, 31}, 23, 59, 59), 2958465 + 86399 / 86400.0);
}

TEST(DayNumberOf, RefusesDatesAndTimesThatDoNotExist) {
  const int monthLengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  for (int month = 1; month <= 12; ++month) {
    EXPECT_TRUE(dayNumberOf({2007, month, 1}, 0, 0, 0)) << month;
    EXPECT_TRUE(dayNumberOf({2007, month, monthLengths[month - 1]}, 0, 0, 0)) << month;
    EXPECT_FALSE(dayNumberOf({2007, month, monthLengths[month - 1] + 1}, 0, 0, 0)) << month;
  }
  for (const int leap : {1600, 2000, 2004}) EXPECT_TRUE(dayNumberOf({leap, 2, 29}, 0, 0, 0));
  const struct {
    CivilDate date;
    int h, m, s;
  } refused[] = {{{1900, 2, 29}, 0, 0, 0}, {{2100, 2, 29}, 0, 0, 0}, {{99, 12, 31}, 0, 0, 0},
                 {{10000, 1, 1}, 0, 0, 0}, {{-2007, 6, 1}, 0, 0, 0}, {{2007, 0, 1}, 0, 0, 0},
                 {{2007, 13, 1}, 0, 0, 0}, {{2007, 6, 0}, 0, 0, 0},  {{2007, 6, 1}, 24, 0, 0},
                 {{2007, 6, 1}, 8, 60, 0}, {{2007, 6, 1}, 8, 0, 60}, {{2007, 6, 1}, -1, 0, 0},
                 {{2007, 6, 1}, 0, -1, 0}, {{2007, 6, 1}, 0, 0, -1}};
  for (const auto& r : refused) {
    EXPECT_FALSE(dayNumberOf(r.date, r.h, r.m, r.s)) << testing::PrintToString(ymd(r.date));
  }
}

}  // namespace
}  // namespace vianora
