#include "core/import/gpx_time.h"

#include "core/util/day_number.h"
#include "core/util/gpx_date.h"
#include "core/util/next_token.h"

namespace vianora {

namespace {

constexpr double kMillisecondsPerDay = 24.0 * 60 * 60 * 1000;

// The usual time up to its seconds, "d" standing for a digit.
constexpr std::string_view kUsualShape = "dddd-dd-ddTdd:dd:dd";

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The usual shape, then "Z", or "." with digits and "Z": nothing that the rewriting changes
// but the "T" and the final "Z".
bool isUsualTime(std::string_view time) {
  if (time.size() <= kUsualShape.size() || time.back() != 'Z') return false;
  for (std::size_t i = 0; i < kUsualShape.size(); ++i) {
    if (kUsualShape[i] == 'd' ? !isDigit(time[i]) : time[i] != kUsualShape[i]) return false;
  }
  const std::string_view rest =
      time.substr(kUsualShape.size(), time.size() - kUsualShape.size() - 1);
  if (rest.empty()) return true;
  if (rest.front() != '.') return false;
  for (char c : rest.substr(1)) {
    if (!isDigit(c)) return false;
  }
  return true;
}

int numberAt(std::string_view time, std::size_t at, std::size_t digits) {
  int value = 0;
  for (std::size_t i = at; i < at + digits; ++i) value = value * 10 + (time[i] - '0');
  return value;
}

// The fields lie where the shape puts them; dayNumberOfGpxDate would read the same numbers.
std::optional<double> dayNumberOfUsualTime(std::string_view time) {
  const CivilDate date{numberAt(time, 0, 4), numberAt(time, 5, 2), numberAt(time, 8, 2)};
  const auto day =
      dayNumberOf(date, numberAt(time, 11, 2), numberAt(time, 14, 2), numberAt(time, 17, 2));
  if (!day) return {};
  // After the "." the digits, then the "Z", where the fraction stops reading anyway.
  const std::string_view afterPoint =
      time.size() > kUsualShape.size() + 1 ? time.substr(kUsualShape.size() + 1) : "";
  return *day + millisecondsOfGpxFraction(afterPoint) / kMillisecondsPerDay;
}

}  // namespace

std::optional<double> dayNumberOfGpxTime(std::string_view content, std::string& scratch) {
  if (isUsualTime(content)) return dayNumberOfUsualTime(content);
  scratch.clear();
  for (char c : content) {
    if (c == 'T')
      scratch += ' ';
    else if (c != 'Z')
      scratch += c;
  }
  std::string_view rest = scratch;
  const std::string_view datePart = NextToken(rest, ".");
  const auto day = dayNumberOfGpxDate(datePart);
  if (!day) return {};
  return *day + millisecondsOfGpxFraction(rest) / kMillisecondsPerDay;
}

}  // namespace vianora
