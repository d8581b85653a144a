#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/util/failure.h"

namespace vianora {

/// A failure met while a file was opened or read. Readers report failures as values; the
/// windows turn them into message boxes and the command-line tool into lines on stderr.
struct ImportFailure {
  /// Which message shows it: the Open command's box ("Errore ..." title) or the GPX
  /// reader's own four-line box.
  enum class Shown { ByOpenCommand, ByGpxReader };

  Shown shown = Shown::ByOpenCommand;
  FailureCode code = FailureCode::PathFileAccess;
  std::string source{kFailureSource};
  std::int64_t line = 0;  ///< line of the file where it happened; 0 where there is none
  std::string detail{};   ///< what in the file it concerns (a point, say); often empty

  int number() const { return static_cast<int>(code); }
  /// The description of the failure number, followed by ": " and the detail when there is one.
  std::string description() const;
};

/// Receives each failure as it happens; reading goes on as the readers' rules say.
using FailureSink = std::function<void(const ImportFailure&)>;

/// Title of the Open command's failure box: "Errore " and the source.
std::string openFailureTitle(const ImportFailure& failure);

/// Text of the Open command's failure box: "(Linea N) number", CR LF, description; with a
/// file name, the description is followed by ": " and the name.
std::string openFailureText(const ImportFailure& failure, std::string_view fileName = {});

/// Text of the GPX reader's failure box: four lines joined by CR LF.
std::string gpxFailureText(const ImportFailure& failure);

/// The message for a file that was read to its end and brought no point.
std::string nothingFoundText(std::string_view fileName);

/// The message for a file that neither its first bytes nor its extension show as GPX or PLT.
std::string notRecognisedText(std::string_view fileName);

}  // namespace vianora
