#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/util/failure.h"

namespace vianora {

/// A failure met while a file was opened or read: a plain value. Readers report failures as
/// values; the windows word them as message boxes and the command-line tool as lines on
/// stderr, both with the descriptions of failureDescription.
struct ImportFailure {
  /// Which message shows it: the Open command's box ("Errore ..." title) or the GPX
  /// reader's own four-line box.
  enum class Shown { ByOpenCommand, ByGpxReader };

  Shown shown = Shown::ByOpenCommand;
  FailureCode code = FailureCode::PathFileAccess;
  std::int64_t line = 0;  ///< line of the file where it happened, from 1; 0 where there is none
  std::string detail{};   ///< what in the file it concerns (a point, say); often empty

  int number() const { return static_cast<int>(code); }
};

/// The words of a failure's message, a line each: "(Linea N) number" and the description for
/// the Open command's box; "Error number: N", the description, "Source: ..." and "Error line:
/// N" for the GPX reader's. The description is followed by ": " and the detail when there is
/// one. The windows join the lines into a box, the command-line tool into one line.
std::vector<std::string> failureLines(const ImportFailure& failure);

/// Receives each failure as it happens; reading goes on as the readers' rules say.
using FailureSink = std::function<void(const ImportFailure&)>;

}  // namespace vianora
