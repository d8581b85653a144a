#pragma once

#include <cstddef>
#include <string>

#include "core/import/import_failure.h"
#include "core/import/progress.h"
#include "core/store/percorsi.h"
#include "core/util/big_buffer.h"

namespace vianora {

/// Reads the GPX file at `path` into the store, exactly as LeggiGpx reads its bytes, while the
/// file is still being read (`pieceSize` bytes at a time): its GPX text is made over the bytes
/// themselves on a second thread, and the memory of the text already read is given back, so
/// that a big file is never held whole. The lines that failures name are told from the file
/// read again, only when one is reported. The file's failures are those of
/// readWholeFileFollowed, reported after what was read. Progress: the bytes read and the
/// characters of text read, out of twice the file's size.
void LeggiGpxFile(Percorsi& store, const std::string& path, const FailureSink& failures,
                  const ProgressFn& progress = {}, std::size_t pieceSize = std::size_t{1} << 20);

/// Makes the GPX text of the bytes (see prepareGpxText) in their own room, which must hold
/// one byte more than the bytes.
void prepareGpxTextInPlace(BigBuffer& bytes);

}  // namespace vianora
