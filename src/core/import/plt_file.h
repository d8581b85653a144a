#pragma once

#include <string>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"

namespace vianora {

/// Reads the PLT file at `path` into a new trip called `name`, exactly as LeggiPlt reads the
/// file's bytes, but a piece at a time, so that the file is never held whole. A file that
/// cannot be read whole leaves its trip named and without points, and only that failure is
/// reported.
void LeggiPltFile(Percorsi& store, const std::string& path, const std::string& name,
                  const FailureSink& failures, const ProgressFn& progress = {});

}  // namespace vianora
