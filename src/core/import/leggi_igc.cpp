#include "core/import/leggi_igc.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <new>
#include <optional>
#include <string>

#include "core/import/igc_fix.h"
#include "core/util/day_number.h"

namespace vianora {

namespace {

constexpr int kSecondsPerDay = 24 * 60 * 60;

// What the lines read so far say about the flight.
struct Flight {
  std::optional<CivilDate> date;
  double day = 0.0;     // day number of the date, moved on at each midnight passed
  int lastSecond = -1;  // time of day of the last fix, -1 before the first
  std::string pilot;
  std::string glider;
};

// The next line of `rest`, without its line end; `rest` moves on past the line end.
std::string_view nextLine(std::string_view& rest) {
  const auto end = std::min(rest.find('\n'), rest.size());
  std::string_view line = rest.substr(0, end);
  rest.remove_prefix(std::min(rest.size(), end + 1));
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  return line;
}

std::string_view trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The date of an HFDTE header's value: DDMMYY, after "DATE:" in the newer spelling.
std::optional<CivilDate> headerDate(std::string_view value) {
  if (value.starts_with("DATE:")) value.remove_prefix(5);
  if (value.size() < 6 ||
      !std::all_of(value.begin(), value.begin() + 6, [](char c) { return c >= '0' && c <= '9'; })) {
    return std::nullopt;
  }
  const auto pair = [&](std::size_t at) { return (value[at] - '0') * 10 + (value[at + 1] - '0'); };
  const int year = pair(4) + (pair(4) >= 80 ? 1900 : 2000);
  const CivilDate date{.year = year, .month = pair(2), .day = pair(0)};
  if (!dayNumberOf(date, 0, 0, 0)) return std::nullopt;
  return date;
}

void readHeader(Flight& flight, std::string_view line) {
  if (line.starts_with("HFDTE")) {
    flight.date = headerDate(line.substr(5));
    if (flight.date) flight.day = static_cast<double>(daysFromCivil(*flight.date));
  } else if (line.starts_with("HFPLTPILOTINCHARGE:")) {
    flight.pilot = trimmed(line.substr(19));
  } else if (line.starts_with("HFPLTPILOT:")) {
    flight.pilot = trimmed(line.substr(11));
  } else if (line.starts_with("HFGTYGLIDERTYPE:")) {
    flight.glider = trimmed(line.substr(16));
  }
}

void addFix(Percorsi& store, Flight& flight, const IgcFix& fix) {
  if (flight.date && fix.secondOfDay < flight.lastSecond) flight.day += 1.0;
  flight.lastSecond = fix.secondOfDay;
  Punto& point = store.addPoint();
  point.Latitudine = fix.latitude;
  point.Longitudine = fix.longitude;
  point.Altitudine = fix.altitude;
  const double dayNumber = flight.day + static_cast<double>(fix.secondOfDay) / kSecondsPerDay;
  point.DataOra = flight.date && isValidDayNumber(dayNumber) ? dayNumber : 0.0;
}

std::string tripName(const Flight& flight) {
  if (!flight.pilot.empty() && !flight.glider.empty()) return flight.pilot + " - " + flight.glider;
  if (!flight.pilot.empty()) return flight.pilot;
  if (!flight.glider.empty()) return flight.glider;
  if (!flight.date) return std::string(kUnnamedFlight);
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", flight.date->year, flight.date->month,
                flight.date->day);
  return text;
}

void report(const FailureSink& failures, FailureCode code, std::int64_t line) {
  if (failures) failures(ImportFailure{.code = code, .line = line});
}

}  // namespace

void LeggiIgc(Percorsi& store, std::string_view bytes, const FailureSink& failures,
              const ProgressFn& progress) {
  std::int64_t lineNumber = 0;
  try {
    // Named at once, so that the trip is taken even if the reading stops early.
    store.startTrip().Nome = kUnnamedFlight;
    store.resetPoints();
    Flight flight;
    ProgressThrottle throttle(progress, bytes.size());
    std::string_view rest = bytes;
    while (!rest.empty()) {
      const std::string_view line = nextLine(rest);
      ++lineNumber;
      throttle.at(bytes.size() - rest.size());
      if (line.starts_with('H')) readHeader(flight, line);
      if (!line.starts_with('B')) continue;
      if (const auto fix = readIgcFix(line)) {
        addFix(store, flight, *fix);
      } else {
        report(failures, FailureCode::TypeMismatch, lineNumber);
      }
    }
    store.lastTrip().Nome = tripName(flight);
  } catch (const std::bad_alloc&) {
    report(failures, FailureCode::OutOfMemory, lineNumber);
  }
}

}  // namespace vianora
