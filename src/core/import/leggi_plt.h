#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// The longest line a PLT file may have: a point line is a few dozen bytes, and a longer one is
/// no track file's.
inline constexpr std::size_t kLongestPltLine = 64 * 1024 * 1024;

/// The detail of failure 7 for a line longer than kLongestPltLine.
inline constexpr std::string_view kLineTooLong = "line longer than 64 MB";

/// Reads the bytes of one OziExplorer (or SmartComGPS) track file into a new trip called `name`.
///
/// A line ends at CR, CR LF or a bare LF; the last line needs no line end. The header lines
/// and line 6 are skipped; every other line is a point: latitude, longitude, two ignored
/// fields, the day number. Altitudes are not taken from the file: every point gets 1.0. The
/// trip is opened and named first, so it stays whatever the bytes hold (none, for a file that
/// could not be read). A failure (6 for a number or a day number out of range, 7 for a line
/// longer than kLongestPltLine or a store that cannot grow) is reported with its line and ends
/// the reading; the points read stay. Progress counts the bytes read out of all of them.
void LeggiPlt(Percorsi& store, std::string_view bytes, const std::string& name,
              const FailureSink& failures, const ProgressFn& progress = {});

/// Reads a PLT file's bytes as they come, in pieces cut anywhere, exactly as LeggiPlt reads
/// them whole: only a line begun in one piece and ended in a later one is copied.
class PltPieces {
 public:
  /// Opens and names the trip. `size` is the bytes' length (for progress); `points`, how many
  /// points there may be, gives them their room at once.
  PltPieces(Percorsi& store, const std::string& name, const FailureSink& failures,
            std::uint64_t size, std::size_t points, const ProgressFn& progress = {});

  /// Reads the next piece; false once a failure has ended the reading.
  bool read(std::string_view piece);
  /// Reads the last line, which needs no line end.
  void finish();

 private:
  bool readLine(std::string_view line);
  bool fail(FailureCode code, std::string_view detail = {});

  Percorsi& store_;
  FailureSink failures_;
  ProgressFn progress_;
  ProgressThrottle throttle_;  // calls progress_
  std::uint64_t taken_ = 0;           // bytes read so far
  std::int64_t lineNumber_ = 0;       // lines read so far
  std::string partial_;               // a line begun in an earlier piece
  bool afterCarriageReturn_ = false;  // a line feed next belongs to that line end
  bool ended_ = false;
};

}  // namespace vianora
