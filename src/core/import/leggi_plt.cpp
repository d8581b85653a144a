#include "core/import/leggi_plt.h"

#include <new>

#include "core/import/input_file.h"
#include "core/import/line_reader.h"
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
  return startsWithIgnoringCase(line, "OZIEXPLORER") ||
         (line.size() == 6 && upperCasedAscii(line) == "WGS 84") ||
         startsWithIgnoringCase(line, "ALTITUDE IS IN") ||
         startsWithIgnoringCase(line, "RESERVED") ||
         line.find("SmartComGPS") != std::string_view::npos || lineNumber == kPointCountLine;
}

void report(const FailureSink& failures, ImportFailure failure, std::int64_t line) {
  if (!failures) return;
  failure.line = line;
  failures(failure);
}

void report(const FailureSink& failures, FailureCode code, std::int64_t line) {
  report(failures, ImportFailure{.code = code}, line);
}

}  // namespace

void LeggiPlt(Percorsi& store, const std::string& path, const std::string& name,
              const FailureSink& failures, const ProgressFn& progress) {
  std::int64_t lineNumber = 0;
  try {
    store.startTrip().Nome = name;
    store.resetPoints();
    InputFile file(path);
    if (!file.isOpen()) return report(failures, file.failure(), 0);
    LineReader lines(file, kLongestPltLine);
    ProgressThrottle throttle(progress, file.size());
    std::string line;
    while (lines.next(line)) {
      ++lineNumber;
      throttle.at(file.bytesRead());
      if (isPltHeaderLine(line, lineNumber)) continue;
      if (!readPointLine(store, line)) return report(failures, FailureCode::Overflow, lineNumber);
    }
    if (lines.lineTooLong()) {
      const ImportFailure tooLong{.code = FailureCode::OutOfMemory,
                                  .detail = std::string(kLineTooLong)};
      return report(failures, tooLong, lineNumber + 1);
    }
    if (file.failed()) report(failures, file.failure(), lineNumber);
  } catch (const std::bad_alloc&) {
    report(failures, FailureCode::OutOfMemory, lineNumber);
  }
}

}  // namespace vianora
