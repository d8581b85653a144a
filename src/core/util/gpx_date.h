#pragma once

#include <optional>
#include <string_view>

namespace vianora {

/// Day number of the date part of a GPX time, as the GPX reader hands it over: "T" already
/// turned into a blank, "Z" removed and the fraction of a second cut off.
///
/// Accepted: a four-digit year of at least 100, "-", month, "-", day, one or more blanks,
/// hour ":" minute ":" second; month, day, hour, minute and second have one or two digits.
/// A trailing time-zone offset (+hh, +hhmm or +hh:mm, or the same with "-"), with blanks
/// before it allowed, is ignored: the time stays as written. Blanks before and after the
/// whole text are allowed. The value is whole days + (h*3600 + m*60 + s) / 86400.
/// Anything else, and a date or time that does not exist, gives no value ("Type mismatch").
std::optional<double> dayNumberOfGpxDate(std::string_view datePart);

/// Milliseconds of the fraction of a second of a GPX time, given the text after the seconds'
/// ".": its leading digits read as a decimal fraction of a second, so ".5" gives 500 and
/// ".123456" gives 123.456. What follows the digits (a time-zone offset, say) is not read, and
/// a text that does not begin with a digit gives 0. Digits past the fifteenth are dropped.
double millisecondsOfGpxFraction(std::string_view afterPoint);

}  // namespace vianora
