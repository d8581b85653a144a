#include "core/util/day_number.h"

#include <algorithm>

namespace vianora {
namespace {

// Days from 0000-03-01 to 1899-12-30: the calendar sums below count from a March 1st, so
// that the leap day falls at the end of each counted year.
constexpr std::int64_t kEpochFromMarchZero = 693'899;
constexpr std::int64_t kDaysPer400Years = 146'097;
// Far beyond any date in use, near enough that every year still fits an int.
constexpr std::int64_t kCivilDayLimit = 365'000'000'000;

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
  constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) { return a / b - (a % b < 0 ? 1 : 0); }

}  // namespace

bool isValidDayNumber(double dayNumber) {
  return dayNumber >= kFirstValidDayNumber && dayNumber < kEndOfValidDayNumbers;
}

std::int64_t daysFromCivil(const CivilDate& date) {
  const std::int64_t year = std::int64_t{date.year} - (date.month <= 2 ? 1 : 0);
  const std::int64_t era = floorDiv(year, 400);
  const std::int64_t yearOfEra = year - era * 400;
  const std::int64_t monthFromMarch = (date.month + 9) % 12;
  const std::int64_t dayOfYear = (153 * monthFromMarch + 2) / 5 + date.day - 1;
  const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * kDaysPer400Years + dayOfEra - kEpochFromMarchZero;
}

CivilDate civilFromDays(std::int64_t days) {
  const std::int64_t fromMarchZero =
      std::clamp(days, -kCivilDayLimit, kCivilDayLimit) + kEpochFromMarchZero;
  const std::int64_t era = floorDiv(fromMarchZero, kDaysPer400Years);
  const std::int64_t dayOfEra = fromMarchZero - era * kDaysPer400Years;
  const std::int64_t yearOfEra =
      (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const std::int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
  CivilDate date;
  date.day = static_cast<int>(dayOfYear - (153 * monthFromMarch + 2) / 5 + 1);
  date.month = static_cast<int>(monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9);
  date.year = static_cast<int>(yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0));
  return date;
}

std::optional<double> dayNumberOf(const CivilDate& date, int hour, int minute, int second) {
  if (date.year < 100 || date.year > 9999 || date.month < 1 || date.month > 12) return {};
  if (date.day < 1 || date.day > daysInMonth(date.year, date.month)) return {};
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) return {};
  const int secondOfDay = hour * 3600 + minute * 60 + second;
  return static_cast<double>(daysFromCivil(date)) + secondOfDay / 86400.0;
}

}  // namespace vianora
