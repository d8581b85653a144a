#pragma once

#include <cstddef>
#include <string>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"
#include "core/util/big_buffer.h"

namespace vianora {

/// Reads the GPX file at `path` into the store, exactly as LeggiGpx reads its bytes, but makes
/// the GPX text over the bytes themselves, so that the file is held in memory once, and on a
/// second thread while the file is still being read (`pieceSize` bytes at a time). The lines
/// that failures name are told from the file read again, only when one is reported. The
/// file's failures are those of readWholeFile. Progress: `fileProgress` while the file is
/// read, then `textProgress` while its text is.
void LeggiGpxFile(Percorsi& store, const std::string& path, const FailureSink& failures,
                  const ProgressFn& fileProgress = {}, const ProgressFn& textProgress = {},
                  std::size_t pieceSize = std::size_t{1} << 20);

/// Makes the GPX text of the bytes (see prepareGpxText) in their own room, which must hold
/// one byte more than the bytes.
void prepareGpxTextInPlace(BigBuffer& bytes);

}  // namespace vianora
