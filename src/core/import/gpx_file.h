#pragma once

#include <string>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"
#include "core/util/big_buffer.h"

namespace vianora {

/// Reads the bytes of the GPX file at `path` into the store, exactly as LeggiGpx does, but
/// makes the GPX text over the bytes themselves, so that the file is held in memory once.
/// The lines that failures name are told from the file read again, only when one is reported.
void LeggiGpxFile(Percorsi& store, const std::string& path, BigBuffer bytes,
                  const FailureSink& failures, const ProgressFn& progress = {});

/// Makes the GPX text of the bytes (see prepareGpxText) in their own room, which must hold
/// one byte more than the bytes.
void prepareGpxTextInPlace(BigBuffer& bytes);

}  // namespace vianora
