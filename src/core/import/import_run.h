#pragma once

#include <functional>
#include <string>

#include "core/import/reader_choice.h"

namespace vianora {

/// Reads into the store, failures and progress never empty.
using StoreFiller = std::function<void(const FailureSink& failures, const ProgressFn& progress)>;

/// Runs `fill` as the Open command reads one file: its failures and progress are passed on,
/// a stop request at a progress call ends it there (what was read so far stays), and every
/// trip it brought records `path` as its file. The outcome: Stopped; Found when a trip it
/// brought has points; else Unreadable when a failure said the file could not be read,
/// converted or held (53, 75, 7, 1002); else NothingFound.
ImportOutcome importThrough(Percorsi& store, const std::string& path, const FailureSink& failures,
                            const ProgressFn& progress, const StopRequest& stopRequested,
                            const StoreFiller& fill);

}  // namespace vianora
