#include "core/util/day_number.h"

#include <algorithm>
#include <ratio>

#include "core/util/time_units.h"

namespace vianora {
namespace {

using std::chrono::sys_days;
using std::chrono::year_month_day;

// The Gregorian calendar repeats itself every 400 years: chrono's years end at 32767, so a
// date farther out is found some whole cycles nearer, and its year moved back by them.
constexpr int kYearsPerCycle = 400;
using Cycles = std::chrono::duration<
    std::int64_t, std::ratio_multiply<std::ratio<kYearsPerCycle>, std::chrono::years::period>>;
static_assert(Cycles{1} == std::chrono::days{400 * 365 + 97}, "97 leap days in 400 years");

// Far beyond any date in use, near enough that every year still fits an int.
constexpr std::chrono::days kCivilDayLimit{365'000'000'000};

constexpr int kMonthsPerYear = 12;

int daysInMonth(int year, int month) {
  const auto last = std::chrono::year{year} / std::chrono::month(month) / std::chrono::last;
  return static_cast<int>(static_cast<unsigned>(last.day()));
}

}  // namespace

bool isValidDayNumber(double dayNumber) {
  return dayNumber >= kFirstValidDayNumber && dayNumber < kEndOfValidDayNumbers;
}

std::int64_t daysFromCivil(const CivilDate& date) {
  const year_month_day civil{std::chrono::year{date.year}, std::chrono::month(date.month),
                             std::chrono::day(date.day)};
  return (sys_days{civil} - kDayNumberEpoch).count();
}

CivilDate civilFromDays(std::int64_t days) {
  const auto count = std::clamp(std::chrono::days{days}, -kCivilDayLimit, kCivilDayLimit);
  const auto cycles = std::chrono::floor<Cycles>(count);
  const year_month_day date{kDayNumberEpoch + (count - cycles)};
  return {static_cast<int>(date.year()) + static_cast<int>(cycles.count()) * kYearsPerCycle,
          static_cast<int>(static_cast<unsigned>(date.month())),
          static_cast<int>(static_cast<unsigned>(date.day()))};
}

std::optional<double> dayNumberOf(const CivilDate& date, int hour, int minute, int second) {
  if (date.year < kFirstValidYear || date.year > kLastValidYear) return {};
  if (date.month < 1 || date.month > kMonthsPerYear) return {};
  if (date.day < 1 || date.day > daysInMonth(date.year, date.month)) return {};
  if (hour < 0 || hour >= kHoursPerDay || minute < 0 || minute >= kMinutesPerHour) return {};
  if (second < 0 || second >= kSecondsPerMinute) return {};
  const int secondOfDay = hour * kSecondsPerHour + minute * kSecondsPerMinute + second;
  return static_cast<double>(daysFromCivil(date)) +
         static_cast<double>(secondOfDay) / kSecondsPerDay;
}

}  // namespace vianora
