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

/// A span of time in days as total hours, minutes and seconds, "hh:mm:ss" (or "hh:mm"): the
/// hours take at least two digits and as many as needed, so 11.5 days show as 276:00:00; a
/// negative span has a leading "-". The span is taken to 15 significant digits and rounded
/// half away from zero to whole seconds first; "hh:mm" leaves out the rounded seconds.
std::string formatDuration(double days, bool withSeconds = true);

/// yyyy-MM-dd HH:mm:ss; the time alone when the whole-day part is 0, the date alone when the
/// time is exactly midnight.
std::string isoDateTimeText(double dayNumber);

}  // namespace vianora
