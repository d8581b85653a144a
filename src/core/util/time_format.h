#pragma once

#include <cstdint>
#include <string>

namespace vianora {

/// A day number split into calendar date and time of day, after taking it to 15 significant
/// digits and rounding half away from zero to whole seconds.
struct DateTimeParts {
  std::int64_t wholeDays = 0;  ///< days since 1899-12-30 (negative before it)
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

/// Splits a finite day number; negative day numbers count linearly (-0.25 is 18:00 of
/// 1899-12-29).
DateTimeParts dateTimeParts(double dayNumber);

/// "hh:mm:ss" (or "hh:mm" without seconds): the time of day of a day number rounded to whole
/// seconds; whole days are dropped, so 25 hours show as 01:00:00.
std::string formatTimeOfDay(double dayNumber, bool withSeconds = true);

/// yyyy-MM-dd HH:mm:ss; the time alone when the whole-day part is 0, the date alone when the
/// time is exactly midnight.
std::string isoDateTimeText(double dayNumber);

}  // namespace vianora
