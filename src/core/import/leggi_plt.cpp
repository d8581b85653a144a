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

}  // namespace

PltPieces::PltPieces(Percorsi& store, const std::string& name, const FailureSink& failures,
                     std::uint64_t size, std::size_t points, const ProgressFn& progress)
    : store_(store), failures_(failures), progress_(progress), throttle_(progress_, size) {
  try {
    store_.startTrip().Nome = name;
    store_.resetPoints();
    store_.reservePoints(points);
  } catch (const std::bad_alloc&) {
    fail(FailureCode::OutOfMemory);
  }
}

bool PltPieces::read(std::string_view piece) {
  while (!piece.empty() && !ended_) {
    if (afterCarriageReturn_ && piece.front() == '\n') {
      piece.remove_prefix(1);
      ++taken_;
      afterCarriageReturn_ = false;
      continue;
    }
    afterCarriageReturn_ = false;
    const auto end = std::find_if(piece.begin(), piece.end(), [](char c) { return c == '\r' || c == '\n'; });
    const auto length = static_cast<std::size_t>(end - piece.begin());
    if (end == piece.end()) {  // the line goes on in the next piece
      if (partial_.size() + length > kLongestPltLine) {
        ++lineNumber_;
        return fail(FailureCode::OutOfMemory, kLineTooLong);
      }
      taken_ += length;
      try {
        partial_.append(piece);
      } catch (const std::bad_alloc&) {
        ++lineNumber_;
        return fail(FailureCode::OutOfMemory);
      }
      break;
    }
    afterCarriageReturn_ = *end == '\r';
    taken_ += length + 1;
    if (partial_.empty()) {
      readLine(piece.substr(0, length));
    } else if (partial_.size() + length > kLongestPltLine) {
      ++lineNumber_;
      return fail(FailureCode::OutOfMemory, kLineTooLong);
    } else {
      partial_.append(piece.substr(0, length));
      readLine(partial_);
      partial_.clear();
    }
    piece.remove_prefix(length + 1);
  }
  return !ended_;
}

void PltPieces::finish() {
  if (!partial_.empty() && !ended_) readLine(partial_);
  partial_.clear();
  ended_ = true;
}

bool PltPieces::readLine(std::string_view line) {
  ++lineNumber_;
  if (line.size() > kLongestPltLine) return fail(FailureCode::OutOfMemory, kLineTooLong);
  throttle_.at(taken_);
  try {
    if (isPltHeaderLine(line, lineNumber_)) return true;
    if (!readPointLine(store_, line)) return fail(FailureCode::Overflow);
  } catch (const std::bad_alloc&) {
    return fail(FailureCode::OutOfMemory);
  }
  return true;
}

bool PltPieces::fail(FailureCode code, std::string_view detail) {
  ended_ = true;
  if (failures_) {
    failures_(ImportFailure{.code = code, .line = lineNumber_, .detail = std::string(detail)});
  }
  return false;
}

void LeggiPlt(Percorsi& store, std::string_view bytes, const std::string& name,
              const FailureSink& failures, const ProgressFn& progress) {
  // Nearly every line is a point.
  const auto lineFeeds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  PltPieces pieces(store, name, failures, bytes.size(), lineFeeds + 1, progress);
  pieces.read(bytes);
  pieces.finish();
}

}  // namespace vianora
