#include "core/util/time_format.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "core/util/day_number.h"
#include "core/util/decimal_digits.h"

namespace vianora {
namespace {

using Int128 = __int128;

constexpr int kSecondsPerDay = 86'400;
// Whole days are held within this: far beyond every calendar date, and safe from overflow.
constexpr Int128 kWholeDayLimit = 1'000'000'000'000'000'000;
// Hours of a duration stay countable up to here; no date gives a span a millionth as long.
constexpr std::int64_t kLongestDurationDays = 100'000'000'000'000'000;
// Scaled down by 10^22 or more, even 15 nines of days make less than half a second.
constexpr int kLargestUsefulDivisorPower = 21;

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
  const int power = decimal.exponent - 14;  // the value is significand x 10^power
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

std::string twoDigits(int value) {
  return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// At least four digits, as dates are written; years outside 1 to 9999 only come from day
// numbers no valid date has, and are shown plainly rather than cut.
std::string yearText(int year) {
  std::string digits = std::to_string(std::abs(year));
  if (digits.size() < 4) digits.insert(0, 4 - digits.size(), '0');
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
  parts.hour = split.secondOfDay / 3600;
  parts.minute = split.secondOfDay / 60 % 60;
  parts.second = split.secondOfDay % 60;
  return parts;
}

std::string formatDuration(double days, bool withSeconds) {
  if (!std::isfinite(days)) return nonFiniteText(days);
  const DaysAndSeconds split = splitDayNumber(std::abs(days));
  const std::int64_t seconds = split.secondOfDay % 60;
  const std::int64_t minutes = split.secondOfDay / 60 % 60;
  const std::int64_t hours =
      std::min(split.wholeDays, kLongestDurationDays) * 24 + split.secondOfDay / 3600;
  const bool negative = days < 0 && (hours != 0 || minutes != 0 || seconds != 0);
  std::string text = negative ? "-" : "";
  if (hours < 10) text += '0';
  text += std::to_string(hours) + ":" + twoDigits(static_cast<int>(minutes));
  if (withSeconds) text.append(":").append(twoDigits(static_cast<int>(seconds)));
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
