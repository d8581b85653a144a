#include "core/import/gpx_time.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "core/util/day_number.h"
#include "core/util/gpx_date.h"
#include "core/util/next_token.h"

namespace vianora {

namespace {

constexpr double kMillisecondsPerDay = 24.0 * 60 * 60 * 1000;

// The usual time up to its seconds, "2024-05-14T06:00:00": where its separators and its
// fields (year, month, day, hour, minute, second) lie.
constexpr std::size_t kUsualLength = 19;
constexpr std::pair<std::size_t, char> kUsualSeparators[] = {
    {4, '-'}, {7, '-'}, {10, 'T'}, {13, ':'}, {16, ':'}};
struct UsualField {
  std::size_t at;
  std::size_t digits;
};
constexpr UsualField kUsualFields[] = {{0, 4}, {5, 2}, {8, 2}, {11, 2}, {14, 2}, {17, 2}};
constexpr std::size_t kYear = 0, kMonth = 1, kDay = 2, kHour = 3, kMinute = 4, kSecond = 5;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The fields of a time of the usual shape, then "Z", or "." with digits and "Z": nothing that
// the rewriting would change but the "T" and the final "Z". False for any other time.
bool readUsualFields(std::string_view time, int (&fields)[std::size(kUsualFields)]) {
  if (time.size() <= kUsualLength || time.back() != 'Z') return false;
  for (const auto& [at, separator] : kUsualSeparators) {
    if (time[at] != separator) return false;
  }
  for (std::size_t f = 0; f < std::size(kUsualFields); ++f) {
    int value = 0;
    for (std::size_t i = kUsualFields[f].at; i < kUsualFields[f].at + kUsualFields[f].digits; ++i) {
      if (!isDigit(time[i])) return false;
      value = value * 10 + (time[i] - '0');
    }
    fields[f] = value;
  }
  const std::string_view rest = time.substr(kUsualLength, time.size() - kUsualLength - 1);
  if (rest.empty()) return true;
  return rest.front() == '.' && std::all_of(rest.begin() + 1, rest.end(), isDigit);
}

}  // namespace

std::optional<double> dayNumberOfGpxTime(std::string_view content, std::string& scratch) {
  int fields[std::size(kUsualFields)];
  if (readUsualFields(content, fields)) {
    // dayNumberOfGpxDate would read the same numbers from the rewritten text.
    const auto day = dayNumberOf(CivilDate{fields[kYear], fields[kMonth], fields[kDay]},
                                 fields[kHour], fields[kMinute], fields[kSecond]);
    if (!day) return {};
    // After the "." come the digits, then the "Z", where the fraction stops reading anyway.
    const std::string_view afterPoint =
        content.size() > kUsualLength + 1 ? content.substr(kUsualLength + 1) : "";
    return *day + millisecondsOfGpxFraction(afterPoint) / kMillisecondsPerDay;
  }
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
