#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// Which reader a file is read with.
enum class ReaderKind { None, Gpx, Plt, Fit, Tcx, Igc };

/// The Open dialog's filters: pairs of description and pattern separated by "|".
inline constexpr std::string_view kOpenDialogFilter =
    "File gpx (*.gpx)|*.gpx|Ozi Explorer (*.plt)|*.plt|Tutti i file (*.*)|*.*";

/// The filters the Open dialog shows, counted from 1: "All track files", which reads by the
/// content and the extension; the three of kOpenDialogFilter, which keep their keys; then
/// "FIT", "TCX" and "IGC". Each is a description with its patterns in brackets.
std::vector<std::string> openDialogFilters();

/// The reader a filter of openDialogFilters picks at its position: None for "All track files",
/// for "Tutti i file", for position 0 (no filter reported) and for anything out of the list.
ReaderKind readerOfOpenFilter(int position);

/// The reader key of a filter position, counted from 1 as the Open dialog does: "GPX",
/// "PLT", "*" for all files; "0" for position 0 and anything out of the table.
std::string_view readerKeyOfFilter(int position);

/// The reader a key picks: "GPX" and "PLT"; every other key picks none.
ReaderKind readerOfKey(std::string_view key);

/// The reader a file name's extension picks: .gpx, .plt, .fit, .tcx or .igc in any letter case.
ReaderKind readerOfExtension(std::string_view path);

/// The reader a type name picks ("gpx", "plt", "fit", "tcx" or "igc" in any letter case); no
/// value for others.
std::optional<ReaderKind> readerOfTypeName(std::string_view type);

/// The reader for a file when `picked` is the one a filter picked (None for all files or
/// when no filter was reported): the format the file's first bytes show, when they show one;
/// else the picked reader; else the one of the file's extension. So a file is read by its
/// content when the filter cannot tell, or when the content belongs to another format.
ReaderKind readerForFile(ReaderKind picked, const std::string& path);

/// How the read of one file ended.
enum class ImportOutcome {
  Found,          ///< a trip the file brought has points
  NothingFound,   ///< the file was read, but no trip it brought has a point
  Unreadable,     ///< the file could not be opened, read or converted (53, 75, 7, 1002): that
                  ///< failure was reported
  NotRecognised,  ///< no reader was given, and the file opens: nothing was read
  Stopped,        ///< stopped at a progress call; what was read so far stays
};

/// What is said of a file whose read ended this way, after its name and ": "; empty for the
/// outcomes that say nothing beyond their failures.
std::string_view outcomeDescription(ImportOutcome outcome);

/// Asked at every progress call of a read; true stops the read there.
using StopRequest = std::function<bool()>;

/// Reads one file into the store with the given reader, as the Open command does: the PLT
/// reader gets the file with the file's title as the trip's name, the others the file's bytes
/// (none when it cannot be read whole). Progress covers the whole import. Every trip the file
/// brought records `path` as its file.
///
/// The trips a file brings are those from trip 0 when the store was empty, else from the
/// first one past the old last trip. It found something when one of them has points (the
/// store's rule: point 0's latitude is not exactly 0.0). A file that no reader was given for
/// is not read; only a failure to open it is reported.
ImportOutcome importFile(Percorsi& store, const std::string& path, ReaderKind reader,
                         const FailureSink& failures, const ProgressFn& progress = {},
                         const StopRequest& stopRequested = {});

}  // namespace vianora
