#include "core/import/leggi_plt.h"

#include <algorithm>
#include <new>

#include "core/util/ascii.h"
#include "core/util/day_number.h"
#include "core/util/next_token.h"
#include "core/util/number_text.h"

namespace vianora {

namespace {

constexpr std::int64_t kPointCountLine = 6;

/// Fills the store's last point from a point line; false when a value is out of range.
bool readPointLine(Percorsi& store, std::string_view rest) {
  Punto& point = store.addPoint();
  const auto latitude = numberOfText(NextToken(rest, ","));
  if (!latitude) return false;
  point.Latitudine = *latitude;
  const auto longitude = numberOfText(NextToken(rest, ","));
  if (!longitude) return false;
  point.Longitudine = *longitude;
  NextToken(rest, ",");  // segment break code
  NextToken(rest, ",");  // altitude in feet: not taken
  const auto day = numberOfText(NextToken(rest, ","));
  if (!day || !isValidDayNumber(*day)) return false;
  point.DataOra = *day;
  point.Altitudine = 1.0;
  return true;
}

// The lines that carry no point: the headers, and line 6 (the point count).
bool isPltHeaderLine(std::string_view line, std::int64_t lineNumber) {
  return startsWithIgnoringCase(line, "OZIEXPLORER") || equalsIgnoringCase(line, "WGS 84") ||
         startsWithIgnoringCase(line, "ALTITUDE IS IN") ||
         startsWithIgnoringCase(line, "RESERVED") ||
         line.find("SmartComGPS") != std::string_view::npos || lineNumber == kPointCountLine;
}

// The next line of `rest`, without its line end; `rest` moves on past the line end.
std::string_view nextLine(std::string_view& rest) {
  const auto end =
      std::find_if(rest.begin(), rest.end(), [](char c) { return c == '\r' || c == '\n'; });
  const auto length = static_cast<std::size_t>(end - rest.begin());
  const std::string_view line = rest.substr(0, length);
  const bool crLf = end != rest.end() && *end == '\r' && end + 1 != rest.end() && end[1] == '\n';
  rest.remove_prefix(std::min(rest.size(), length + (crLf ? 2 : 1)));
  return line;
}

void report(const FailureSink& failures, FailureCode code, std::int64_t line,
            std::string_view detail = {}) {
  if (failures) failures(ImportFailure{.code = code, .line = line, .detail = std::string(detail)});
}

}  // namespace

void LeggiPlt(Percorsi& store, std::string_view bytes, const std::string& name,
              const FailureSink& failures, const ProgressFn& progress) {
  std::int64_t lineNumber = 0;
  try {
    store.startTrip().Nome = name;
    store.resetPoints();
    // Nearly every line is a point.
    store.reservePoints(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    ProgressThrottle throttle(progress, bytes.size());
    std::string_view rest = bytes;
    while (!rest.empty()) {
      const std::string_view line = nextLine(rest);
      ++lineNumber;
      if (line.size() > kLongestPltLine) {
        return report(failures, FailureCode::OutOfMemory, lineNumber, kLineTooLong);
      }
      throttle.at(bytes.size() - rest.size());
      if (isPltHeaderLine(line, lineNumber)) continue;
      if (!readPointLine(store, line)) return report(failures, FailureCode::Overflow, lineNumber);
    }
  } catch (const std::bad_alloc&) {
    report(failures, FailureCode::OutOfMemory, lineNumber);
  }
}

}  // namespace vianora
