#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vianora {

// Day numbers count days since 1899-12-30 00:00; the fraction is the time of day. They
// count linearly before that day too: -0.25 is 1899-12-29 18:00.

/// 1899-12-30, the day of day number 0.
inline constexpr std::chrono::sys_days kDayNumberEpoch{std::chrono::year{1899} / 12 / 30};

/// The years a date may have: what a four-digit year field holds, from 100 on.
inline constexpr int kFirstValidYear = 100;
inline constexpr int kLastValidYear = 9999;

/// Day number of 0100-01-01, the first valid day.
inline constexpr double kFirstValidDayNumber =
    (std::chrono::sys_days{std::chrono::year{kFirstValidYear} / 1 / 1} - kDayNumberEpoch).count();
/// Day number of 10000-01-01: every valid date-time lies before it.
inline constexpr double kEndOfValidDayNumbers =
    (std::chrono::sys_days{std::chrono::year{kLastValidYear + 1} / 1 / 1} - kDayNumberEpoch)
        .count();

/// True for a day number from 0100-01-01 00:00 up to the end of 9999-12-31.
bool isValidDayNumber(double dayNumber);

/// A calendar date of the proleptic Gregorian calendar.
struct CivilDate {
  int year = 1899;
  int month = 12;  ///< 1 to 12
  int day = 30;    ///< 1 to 31

  bool operator==(const CivilDate&) const = default;
};

/// Whole days from 1899-12-30 to the given date (negative before it): a date that exists, in
/// a year from -32767 to 32767, as every date dayNumberOf accepts is.
std::int64_t daysFromCivil(const CivilDate& date);

/// The date that lies the given whole days after 1899-12-30, for any count of days (counts
/// beyond about a billion years either way are held there, so that the year fits an int).
CivilDate civilFromDays(std::int64_t days);

/// Day number of a date with a time of day, or no value when the date or time does not
/// exist or the year lies outside 100 to 9999.
std::optional<double> dayNumberOf(const CivilDate& date, int hour, int minute, int second);

}  // namespace vianora
