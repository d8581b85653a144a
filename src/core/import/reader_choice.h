#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "import/import_failure.h"
#include "import/progress.h"
#include "store/percorsi.h"

namespace vianora {

/// Which reader a file is read with.
enum class ReaderKind { None, Gpx, Plt };

/// The Open dialog's filters: pairs of description and pattern separated by "|".
inline constexpr std::string_view kOpenDialogFilter =
    "File gpx (*.gpx)|*.gpx|Ozi Explorer (*.plt)|*.plt|Tutti i file (*.*)|*.*";

/// The reader key of a filter position, counted from 1 as the Open dialog does: "GPX",
/// "PLT", "*" for all files; "0" for position 0 and anything out of the table.
std::string_view readerKeyOfFilter(int position);

/// The reader a key picks: "GPX" and "PLT"; every other key reads nothing.
ReaderKind readerOfKey(std::string_view key);

/// The reader a file name's extension picks: .gpx or .plt in any letter case.
ReaderKind readerOfExtension(std::string_view path);

/// The reader a type name picks ("gpx" or "plt" in any letter case); no value for others.
std::optional<ReaderKind> readerOfTypeName(std::string_view type);

/// A path's file name without its folder: the name a PLT file's trip gets.
std::string fileTitle(std::string_view path);

/// Reads one file into the store with the given reader, as the Open command does: the GPX
/// reader gets the file's GPX text, the PLT reader the file itself with the file's title as
/// the trip's name. Progress covers the whole import. Every trip the file brought records
/// `path` as its file.
void importFile(Percorsi& store, const std::string& path, ReaderKind reader,
                const FailureSink& failures, const ProgressFn& progress = {});

}  // namespace vianora
