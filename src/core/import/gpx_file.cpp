#include "core/import/gpx_file.h"

#include <memory>
#include <new>
#include <optional>

#include "core/import/gpx_fields.h"
#include "core/import/gpx_text.h"
#include "core/import/input_file.h"
#include "core/import/leggi_gpx.h"

namespace vianora {

void prepareGpxTextInPlace(BigBuffer& bytes) {
  // Every byte gives at most one character of text, so each one is written at or before the
  // byte being read: the text never overtakes the bytes still to read.
  const std::size_t size = bytes.size();
  if (bytes.capacity() <= size) bytes.resize(size + 1);
  bytes.resize(size);
  GpxFieldReader<GpxTextWriter> fields(GpxTextWriter{bytes.data()});
  fields.read(bytes.view(), 0, size);
  fields.finish();
  bytes.resize(fields.written());
}

void LeggiGpxFile(Percorsi& store, const std::string& path, BigBuffer bytes,
                  const FailureSink& failures, const ProgressFn& progress) {
  try {
    prepareGpxTextInPlace(bytes);
  } catch (const std::bad_alloc&) {
    if (failures) failures(ImportFailure{.code = FailureCode::OutOfMemory});
    return;
  }
  // The file's bytes again, and where they are read up to, once a failure asks for a line.
  struct Again {
    BigBuffer bytes;
    std::optional<GpxTextLines> lines;
  };
  std::unique_ptr<Again> again;
  const GpxLineOf lineOf = [&](std::size_t at) -> std::int64_t {
    if (!again) {
      again = std::make_unique<Again>();
      if (readWholeFile(path, again->bytes)) return 0;  // the file went meanwhile
      again->lines.emplace(again->bytes.view());
    }
    return again->lines ? again->lines->lineOf(at) : 0;
  };
  LeggiGpxText(store, bytes.view(), lineOf, failures, progress);
}

}  // namespace vianora
