#include "core/util/time_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/util/day_number.h"
#include "core/util/decimal_digits.h"
#include "core/util/time_units.h"

namespace vianora {
namespace {

using Int128 = __int128;

// Whole days are held within this: far beyond every calendar date, and safe from overflow.
constexpr Int128 kWholeDayLimit = 1'000'000'000'000'000'000;
// Hours of a duration stay countable up to here; no date gives a span a millionth as long.
constexpr std::int64_t kLongestDurationDays = 100'000'000'000'000'000;
// Scaled down by 10^22 or more, even 15 nines of days make less than half a second.
constexpr int kLargestUsefulDivisorPower = 21;
// Hours, minutes and seconds take two digits; hours more where they need them.
constexpr std::size_t kFieldDigits = 2;
// Years take at least four digits, as dates are written.
constexpr std::size_t kYearDigits = 4;

struct DaysAndSeconds {
  std::int64_t wholeDays = 0;
  int secondOfDay = 0;
};

Int128 powerOfTen(int power) {
  Int128 result = 1;
  for (int i = 0; i < power; ++i) result *= 10;
  return result;
}

// The day number as it reads in 15 digits, times 86400, rounded half away from zero to whole
// seconds in exact integer arithmetic; then split by floor division so that negative day
// numbers count linearly.
DaysAndSeconds splitDayNumber(double finiteDayNumber) {
  const DecimalDigits decimal = decimalDigitsOf(finiteDayNumber);
  const int power = decimal.exponent - (kSignificantDigits - 1);  // value = significand x 10^power
  const Int128 significand = decimal.significand();
  const Int128 sign = decimal.negative ? -1 : 1;
  if (power >= 0) {  // a whole number of days
    Int128 days = significand;
    for (int i = 0; i < power && days < kWholeDayLimit; ++i) days *= 10;
    return {static_cast<std::int64_t>(sign * std::min(days, kWholeDayLimit)), 0};
  }
  if (-power > kLargestUsefulDivisorPower) return {};
  const Int128 scaled = significand * kSecondsPerDay;
  const Int128 divisor = powerOfTen(-power);
  Int128 seconds = scaled / divisor;
  if (2 * (scaled % divisor) >= divisor) ++seconds;
  seconds *= sign;
  Int128 days = seconds / kSecondsPerDay;
  Int128 secondOfDay = seconds % kSecondsPerDay;
  if (secondOfDay < 0) {
    secondOfDay += kSecondsPerDay;
    --days;
  }
  return {static_cast<std::int64_t>(days), static_cast<int>(secondOfDay)};
}

// The digits of a value that is not negative, with zeros before them up to `width`.
std::string padded(std::int64_t value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

std::string twoDigits(std::int64_t value) { return padded(value, kFieldDigits); }

// Years outside 1 to 9999 only come from day numbers no valid date has, and are shown plainly
// rather than cut.
std::string yearText(int year) {
  const std::string digits = padded(std::abs(year), kYearDigits);
  return year < 0 ? "-" + digits : digits;
}

std::string timeText(const DateTimeParts& parts, bool withSeconds) {
  std::string text = twoDigits(parts.hour) + ":" + twoDigits(parts.minute);
  if (withSeconds) text.append(":").append(twoDigits(parts.second));
  return text;
}

}  // namespace

DateTimeParts dateTimeParts(double dayNumber) {
  DateTimeParts parts;
  if (!std::isfinite(dayNumber)) return parts;
  const DaysAndSeconds split = splitDayNumber(dayNumber);
  const CivilDate date = civilFromDays(split.wholeDays);
  parts.wholeDays = split.wholeDays;
  parts.year = date.year;
  parts.month = date.month;
  parts.day = date.day;
  parts.hour = split.secondOfDay / kSecondsPerHour;
  parts.minute = split.secondOfDay / kSecondsPerMinute % kMinutesPerHour;
  parts.second = split.secondOfDay % kSecondsPerMinute;
  return parts;
}

std::string formatDuration(double days, bool withSeconds) {
  if (!std::isfinite(days)) return nonFiniteText(days);
  const DaysAndSeconds split = splitDayNumber(std::abs(days));
  const int seconds = split.secondOfDay % kSecondsPerMinute;
  const int minutes = split.secondOfDay / kSecondsPerMinute % kMinutesPerHour;
  const std::int64_t hours = std::min(split.wholeDays, kLongestDurationDays) * kHoursPerDay +
                             split.secondOfDay / kSecondsPerHour;
  const bool negative = days < 0 && (hours != 0 || minutes != 0 || seconds != 0);
  std::string text = negative ? "-" : "";
  text += twoDigits(hours) + ":" + twoDigits(minutes);
  if (withSeconds) text.append(":").append(twoDigits(seconds));
  return text;
}

std::string isoDateTimeText(double dayNumber) {
  if (!std::isfinite(dayNumber)) return nonFiniteText(dayNumber);
  const DateTimeParts parts = dateTimeParts(dayNumber);
  if (parts.wholeDays == 0) return timeText(parts, true);
  std::string text =
      yearText(parts.year) + "-" + twoDigits(parts.month) + "-" + twoDigits(parts.day);
  if (parts.hour != 0 || parts.minute != 0 || parts.second != 0) {
    text.append(" ").append(timeText(parts, true));
  }
  return text;
}

}  // namespace vianora
