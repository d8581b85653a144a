// Fuzzes the reading of GPX date-times: whatever the text, a value that comes back is a valid
// day number (years 100 to 9999) whose time of day is a whole second, and the fraction of a
// second read from the same text is under one second.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "core/util/day_number.h"
#include "core/util/gpx_date.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double milliseconds = vianora::millisecondsOfGpxFraction(text);
  if (!(milliseconds >= 0 && milliseconds < 1000)) {
    std::fprintf(stderr, "fuzz_gpx_date: a fraction of %.17g ms\n", milliseconds);
    std::abort();
  }
  const auto day = vianora::dayNumberOfGpxDate(text);
  if (!day) return 0;
  if (!std::isfinite(*day) || !vianora::isValidDayNumber(*day)) {
    std::fprintf(stderr, "fuzz_gpx_date: %.17g is no valid day number\n", *day);
    std::abort();
  }
  const double seconds = (*day - std::floor(*day)) * 86400.0;
  if (std::fabs(seconds - std::round(seconds)) > 1e-3) {
    std::fprintf(stderr, "fuzz_gpx_date: %.17g is not a whole second\n", *day);
    std::abort();
  }
  return 0;
}
