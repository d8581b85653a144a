#include "core/import/igc_fix.h"

#include <algorithm>

namespace vianora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// The value of `count` digits at `at`; no value unless they are all there and all digits.
std::optional<int> digitsAt(std::string_view line, std::size_t at, std::size_t count) {
  if (line.size() < at + count) return std::nullopt;
  int value = 0;
  for (const char c : line.substr(at, count)) {
    if (!isDigit(c)) return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// Degrees from "DDMMmmm" (or "DDDMMmmm") and its hemisphere letter after it; south and west
// are negative. Minutes of 60 or more, or more degrees than `most`, are no angle.
std::optional<double> angleAt(std::string_view line, std::size_t at, std::size_t degreeDigits,
                              int most, char positive, char negative) {
  const auto degrees = digitsAt(line, at, degreeDigits);
  const auto thousandths = digitsAt(line, at + degreeDigits, 5);
  const std::size_t hemisphereAt = at + degreeDigits + 5;
  if (!degrees || !thousandths || line.size() <= hemisphereAt) return std::nullopt;
  const char hemisphere = line[hemisphereAt];
  if (*thousandths >= 60000 || (hemisphere != positive && hemisphere != negative)) {
    return std::nullopt;
  }
  const double angle = *degrees + *thousandths / 60000.0;
  if (angle > most) return std::nullopt;
  return hemisphere == negative ? -angle : angle;
}

// An altitude field of five bytes: digits, or '-' and four digits.
std::optional<int> altitudeAt(std::string_view line, std::size_t at) {
  if (line.size() > at && line[at] == '-') {
    const auto value = digitsAt(line, at + 1, 4);
    return value ? std::optional<int>(-*value) : std::nullopt;
  }
  return digitsAt(line, at, 5);
}

constexpr std::size_t kTimeAt = 1;
constexpr std::size_t kLatitudeAt = 7;
constexpr std::size_t kLongitudeAt = 15;
constexpr std::size_t kValidityAt = 24;
constexpr std::size_t kPressureAt = 25;
constexpr std::size_t kGnssAt = 30;
constexpr std::size_t kExtensionsAt = 35;

// The altitude of the fix from the two altitude fields, those the line holds.
std::optional<double> altitudeOf(std::string_view line) {
  if (line.size() <= kPressureAt) return 1.0;
  const auto pressure = altitudeAt(line, kPressureAt);
  if (!pressure) return std::nullopt;
  if (line.size() <= kGnssAt) return *pressure;
  const auto gnss = altitudeAt(line, kGnssAt);
  if (!gnss) return std::nullopt;
  return *gnss != 0 ? *gnss : *pressure;
}

}  // namespace

std::optional<IgcFix> readIgcFix(std::string_view line) {
  while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
  const auto hour = digitsAt(line, kTimeAt, 2);
  const auto minute = digitsAt(line, kTimeAt + 2, 2);
  const auto second = digitsAt(line, kTimeAt + 4, 2);
  if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59) {
    return std::nullopt;
  }
  const auto latitude = angleAt(line, kLatitudeAt, 2, 90, 'N', 'S');
  const auto longitude = angleAt(line, kLongitudeAt, 3, 180, 'E', 'W');
  if (!latitude || !longitude || line.size() <= kValidityAt) return std::nullopt;
  if (line[kValidityAt] != 'A' && line[kValidityAt] != 'V') return std::nullopt;
  const auto altitude = altitudeOf(line);
  if (!altitude) return std::nullopt;
  if (line.size() > kExtensionsAt && !std::all_of(line.begin() + kExtensionsAt, line.end(),
                                                  [](char c) { return isDigit(c) || c == '-'; })) {
    return std::nullopt;
  }
  return IgcFix{.secondOfDay = (*hour * 60 + *minute) * 60 + *second,
                .latitude = *latitude,
                .longitude = *longitude,
                .altitude = *altitude};
}

}  // namespace vianora
